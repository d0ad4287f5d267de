#pragma once
// The handicap cards' details: which card stock to use and how many cards
// are left on the first sheet. Shown modally, above other windows, before
// the print dialog; a new one for every run, its field showing "10".

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The controls of TPrintHdcpDetails, by the names tools and tests find them by.
struct TPrintHdcpDetailsControls {
  QLineEdit* NumOfCardsFld = nullptr;
  QPushButton* PrintBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

class TPrintHdcpDetails : public QDialog, private TPrintHdcpDetailsControls {
  Q_OBJECT
 public:
  explicit TPrintHdcpDetails(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TPrintHdcpDetailsControls& Ui() const { return *this; }
  // The number typed when Print was pressed; -1 after Cancel.
  int CardsOnFirstSheet = 10;

  // Closes the dialog when the field holds a whole number from 1 to 10;
  // otherwise says what is wrong and the dialog stays open.
  void PrintBtnClick();
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
};

namespace fw::ui {

inline constexpr int kCardDetailsCancelled = -1;

// Shows the dialog modally; the number of cards on the first sheet after
// Print, kCardDetailsCancelled after Cancel, Escape or the close box. Tests
// install a handler that answers instead; it sees the dialog as created.
int ShowCardDetails(TPrintHdcpDetails& dialog);

using CardDetailsHandler = std::function<int(TPrintHdcpDetails&)>;
// Replaces the way the dialog is shown (an empty handler restores the real
// dialog); returns the previous handler.
CardDetailsHandler SetCardDetailsHandler(CardDetailsHandler handler);

}  // namespace fw::ui
