#pragma once
// The about box: picture, product name and version, shown modally.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

// The controls of TAboutBox, by the names tools and tests find them by.
struct TAboutBoxControls {
  QLineEdit* VersionField = nullptr;
  QPushButton* OKButton = nullptr;
};

class TAboutBox : public QDialog, private TAboutBoxControls {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TAboutBox* Instance();
  static void SetInstance(TAboutBox* instance);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TAboutBoxControls& Ui() const { return *this; }

  // Each time the box becomes active it shows the version and its date.
  void FormActivate();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
};

// Makes the about box the one every window's "About Fairwick" shows.
void UseAboutBox();
