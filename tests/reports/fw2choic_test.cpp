#include "reports/fw2choic.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "support/uitest.h"

namespace fwtest {
namespace {

using TwoChoiceTest = UiTest;

TEST_F(TwoChoiceTest, EachWayOutGivesItsResult) {
  // The real dialog, shown modally; a timer leaves it the way a user would.
  auto ask = [](const std::function<void(TTwoChoiceDlg&)>& leave) {
    TTwoChoiceDlg dialog;
    dialog.Ask(QStringLiteral("Printer or File"),
               QStringLiteral("Output scores to the printer or to a file?"),
               QStringLiteral("Printer"), QStringLiteral("File"), QStringLiteral("Preview"));
    QTimer::singleShot(0, &dialog, [&] { leave(dialog); });
    return fw::ui::ShowTwoChoices(dialog);
  };
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { d.Ui().Button1->click(); }), 1);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { d.Ui().Button2->click(); }), 2);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { d.Ui().Button3->click(); }), 3);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { d.Ui().CancelButton->click(); }), -1);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }), -1);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { d.close(); }), -1);
  // Enter presses the focused choice, the first one at the start.
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) { QTest::keyClick(d.Ui().Button1, Qt::Key_Return); }), 1);
  EXPECT_EQ(ask([](TTwoChoiceDlg& d) {
              d.Ui().Button2->setFocus();
              QTest::keyClick(d.Ui().Button2, Qt::Key_Return);
            }),
            2);

  TTwoChoiceDlg dialog;
  dialog.Ask(QStringLiteral("Printer or File"), QStringLiteral("Question?"),
             QStringLiteral("Printer"), QStringLiteral("File"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printer or File"));
  EXPECT_EQ(dialog.Ui().MemoField->text(), QStringLiteral("Question?"));
  EXPECT_EQ(dialog.Ui().Button1->text(), QStringLiteral("Printer"));
  EXPECT_EQ(dialog.Ui().Button2->text(), QStringLiteral("File"));
  EXPECT_EQ(dialog.Ui().CancelButton->text(), QStringLiteral("Cancel"));
  EXPECT_TRUE(dialog.Ui().Button3->isHidden());  // two choices asked for
  EXPECT_EQ(dialog.size(), QSize(349, 147));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
}

}  // namespace
}  // namespace fwtest
