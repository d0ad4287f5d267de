#include "reports/fwcrddet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "support/uitest.h"

namespace fwtest {
namespace {

using CardDetailsTest = UiTest;

const QString kOutOfRange =
    QStringLiteral("The number of cards on the first sheet must be between 1 and 10.");
const QString kNotANumber = QStringLiteral(
    "The number of cards on the first sheet value must be a number between 1 and 10.");

TEST_F(CardDetailsTest, PrintWantsOneToTenAndEveryOtherWayOutCancels) {
  using Leave = std::function<void(TPrintHdcpDetails&)>;
  // Types into the field and presses Print; a wrong number keeps the dialog open.
  auto typeAndPrint = [](TPrintHdcpDetails& d, const QString& text) {
    d.Ui().NumOfCardsFld->selectAll();
    QTest::keyClicks(d.Ui().NumOfCardsFld, text);
    d.Ui().PrintBtn->click();
  };
  struct Case {
    const char* what;
    Leave leave;
    int result;
    QStringList messages;
  };
  const Case cases[] = {
      {"Print as it opens", [](TPrintHdcpDetails& d) { d.Ui().PrintBtn->click(); }, 10, {}},
      {"4 and Enter",
       [](TPrintHdcpDetails& d) {
         d.Ui().NumOfCardsFld->selectAll();
         QTest::keyClicks(d.Ui().NumOfCardsFld, QStringLiteral("4"));
         QTest::keyClick(d.Ui().NumOfCardsFld, Qt::Key_Return);
       },
       4,
       {}},
      {"0, 11 and a word, then 1",
       [&](TPrintHdcpDetails& d) {
         for (const QString text : {"0", "11", "ten"}) {
           typeAndPrint(d, text);
           EXPECT_TRUE(d.isVisible()) << text.toStdString();
         }
         typeAndPrint(d, QStringLiteral("1"));
       },
       1,
       {kOutOfRange, kOutOfRange, kNotANumber}},
      {"Cancel", [](TPrintHdcpDetails& d) { d.Ui().CancelBtn->click(); }, -1, {}},
      {"a wrong number, then Escape",
       [&](TPrintHdcpDetails& d) {
         typeAndPrint(d, QStringLiteral("12"));
         QTest::keyClick(d.Ui().NumOfCardsFld, Qt::Key_Escape);
       },
       -1,
       {kOutOfRange}},
      {"3 typed, then the close box",
       [](TPrintHdcpDetails& d) {
         QTest::keyClicks(d.Ui().NumOfCardsFld, QStringLiteral("3"));
         d.close();
       },
       -1,
       {}},
  };
  for (const Case& c : cases) {
    messages.clear();
    TPrintHdcpDetails dialog;
    EXPECT_EQ(dialog.Ui().NumOfCardsFld->text(), QStringLiteral("10")) << c.what;
    QTimer::singleShot(0, &dialog, [&] {
      EXPECT_TRUE(dialog.isModal()) << c.what;
      c.leave(dialog);
    });
    EXPECT_EQ(fw::ui::ShowCardDetails(dialog), c.result) << c.what;
    EXPECT_EQ(MessageTexts(), c.messages) << c.what;
  }

  TPrintHdcpDetails dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print Handicap Cards"));
  EXPECT_EQ(dialog.size(), QSize(293, 229));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_EQ(labels, (QStringList{"Handicap cards are formatted to print on the",
                                 "following business-card style paper products:", "Avery:",
                                 "5371, 5376, 5377, 5911, 8371, ", "8376, 8377, 8471, 8476, 8871",
                                 "Maco:", "IJ-8550", "Specifications:  2\" x 3.5\"  (5,1 x 8,9 cm)",
                                 "10 cards / sheet", "Number of cards", "on the first sheet:"}));
  EXPECT_EQ(Find<QPushButton>(&dialog, "PrintBtn")->text(), QStringLiteral("Print"));
  EXPECT_EQ(Find<QPushButton>(&dialog, "CancelBtn")->text(), QStringLiteral("Cancel"));
  EXPECT_TRUE(Find<QLineEdit>(&dialog, "NumOfCardsFld"));
}

}  // namespace
}  // namespace fwtest
