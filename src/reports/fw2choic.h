#pragma once
// The choice question, such as "Printer or File": a message, two or three
// choices and Cancel, shown modally. ChoiceResult is 1 after Button1, 2 after
// Button2, 3 after Button3 and -1 after Cancel, Escape or the close box.

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

// The controls of TTwoChoiceDlg, by the names tools and tests find them by.
struct TTwoChoiceDlgControls {
  QFrame* Panel1 = nullptr;
  QLabel* MemoField = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* CancelButton = nullptr;
};

class TTwoChoiceDlg : public QDialog, private TTwoChoiceDlgControls {
  Q_OBJECT
 public:
  explicit TTwoChoiceDlg(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TTwoChoiceDlgControls& Ui() const { return *this; }
  int ChoiceResult = -1;

  // Fills in the caption, the question and the choices; without a third
  // choice Button3 is hidden.
  void Ask(const QString& caption, const QString& question, const QString& first,
           const QString& second, const QString& third = {});

 protected:
  void showEvent(QShowEvent* event) override;
};

namespace fw::ui {

// Shows the prepared dialog modally and returns its ChoiceResult. Tests
// install a handler that answers instead; it sees the dialog as prepared.
int ShowTwoChoices(TTwoChoiceDlg& dialog);

using TwoChoiceHandler = std::function<int(const TTwoChoiceDlg&)>;
// Replaces the way the question is shown (an empty handler restores the real
// dialog); returns the previous handler.
TwoChoiceHandler SetTwoChoiceHandler(TwoChoiceHandler handler);

}  // namespace fw::ui
