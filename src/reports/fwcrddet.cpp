#include "reports/fwcrddet.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "data/convert.h"
#include "reports/handicapcards.h"
#include "ui/fwcodec.h"
#include "ui/fwform.h"
#include "ui/fwmessage.h"

namespace {

const QString kNotANumber = QStringLiteral(
    "The number of cards on the first sheet value must be a number between 1 and 10.");
const QString kOutOfRange =
    QStringLiteral("The number of cards on the first sheet must be between 1 and 10.");

QLabel* Label(QWidget* parent, const char* name, const QString& text, QRect where,
              bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(where);
  QFont font = label->font();
  font.setBold(bold);
  // The dialog keeps its size whatever the desktop's font: a text that would
  // be cut at the label's edge is set a little smaller until it fits.
  while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > where.width())
    font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
  return label;
}

}  // namespace

TPrintHdcpDetails::TPrintHdcpDetails(QWidget* parent)
    : QDialog(parent, fw::ui::FwForm::kDialogFrame | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("PrintHdcpDetails"));
  setWindowTitle(QStringLiteral("Print Handicap Cards"));
  setFixedSize(293, 229);

  Label(this, "Label1", QStringLiteral("Handicap cards are formatted to print on the"),
        {8, 8, 280, 16}, true);
  Label(this, "Label2", QStringLiteral("following business-card style paper products:"),
        {8, 24, 280, 16}, true);
  Label(this, "Label3", QStringLiteral("Avery:"), {16, 48, 50, 16});
  Label(this, "Label4", QStringLiteral("5371, 5376, 5377, 5911, 8371, "), {70, 48, 215, 16});
  Label(this, "Label5", QStringLiteral("8376, 8377, 8471, 8476, 8871"), {70, 64, 215, 16});
  Label(this, "Label6", QStringLiteral("Maco:"), {16, 84, 50, 16});
  Label(this, "Label7", QStringLiteral("IJ-8550"), {70, 84, 215, 16});
  Label(this, "Label8", QStringLiteral("Specifications:  2\" x 3.5\"  (5,1 x 8,9 cm)"),
        {16, 104, 270, 16});
  Label(this, "Label9", QStringLiteral("10 cards / sheet"), {16, 120, 270, 16});
  Label(this, "Label10", QStringLiteral("Number of cards"), {16, 148, 150, 16}, true);
  Label(this, "Label11", QStringLiteral("on the first sheet:"), {16, 164, 150, 16}, true);

  NumOfCardsFld = new QLineEdit(QStringLiteral("10"), this);
  NumOfCardsFld->setObjectName(QStringLiteral("NumOfCardsFld"));
  // Its label stands on two lines beside it.
  NumOfCardsFld->setAccessibleName(QStringLiteral("Number of cards on the first sheet"));
  NumOfCardsFld->setGeometry(176, 152, 50, 24);

  PrintBtn = new QPushButton(QStringLiteral("Print"), this);
  PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
  PrintBtn->setGeometry(56, 192, 80, 28);
  PrintBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(156, 192, 80, 28);

  connect(PrintBtn, &QPushButton::clicked, this, [this] { PrintBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  NumOfCardsFld->setFocus();
  NumOfCardsFld->selectAll();
}

void TPrintHdcpDetails::PrintBtnClick() {
  int count = 0;
  try {
    count = fw::StrToInt(fw::ui::FromQt(NumOfCardsFld->text()));
  } catch (const fw::ConversionError&) {
    fw::ui::Inform(kNotANumber);
    return;
  }
  CardsOnFirstSheet = count;
  if (count < 1 || count > fw::kCardsPerSheet) {
    fw::ui::Inform(kOutOfRange);
    return;
  }
  accept();
}

void TPrintHdcpDetails::CancelBtnClick() {
  CardsOnFirstSheet = -1;
  reject();
}

void TPrintHdcpDetails::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fw::ui::CentreOnScreen(this);
}

namespace fw::ui {
namespace {

CardDetailsHandler& Handler() {
  static CardDetailsHandler handler;
  return handler;
}

}  // namespace

int ShowCardDetails(TPrintHdcpDetails& dialog) {
  if (Handler()) return Handler()(dialog);
  // Escape and the close box reject the dialog as Cancel does.
  if (dialog.exec() != QDialog::Accepted) return kCardDetailsCancelled;
  return dialog.CardsOnFirstSheet;
}

CardDetailsHandler SetCardDetailsHandler(CardDetailsHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace fw::ui
