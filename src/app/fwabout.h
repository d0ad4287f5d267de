#pragma once
// The about box: picture, product name and version, shown modally.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TAboutBox* Instance();
  static void SetInstance(TAboutBox* instance);

  QLineEdit* VersionField = nullptr;
  QPushButton* OKButton = nullptr;

  // Each time the box becomes active it shows the version and its date.
  void FormActivate();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

// Makes the about box the one every window's "About Fairwick" shows.
void UseAboutBox();
