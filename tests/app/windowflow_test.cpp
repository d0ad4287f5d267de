// The way from the main window to a dialog and back, as a user goes it. CI
// also runs these on an X server with a window manager (scripts/xvfb-smoke.sh),
// where activation and the dialog's place above its opener are the window
// system's, not the offscreen platform's.

#include <gtest/gtest-spi.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

#include "app/fwmain.h"
#include "app/fwstartup.h"
#include "golfers/fwgmaint.h"
#include "golfers/fwgname.h"
#include "support/dialogwatch.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

class WindowFlowTest : public UiTest {
 protected:
  static TGMaintForm* ShownGolferMaintenance() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<TGMaintForm*>(widget); window && window->isVisible())
        return window;
    return nullptr;
  }

  // Types into whatever has the focus, as the keyboard does.
  static void Keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  static void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
  }
};

TEST_F(WindowFlowTest, ADialogStaysAboveItsOpenerAndEnterAndEscapeHandActivationBack) {
  fw::ui::CreateLongLivedWindows();
  messages.clear();  // what start-up had to say about the course list
  TMainForm main;

  ShowActive(&main);
  Click(main.Ui().EditGolferButton);
  TGMaintForm* golfers = ShownGolferMaintenance();
  ASSERT_NE(golfers, nullptr);
  ASSERT_TRUE(WaitActive(golfers));

  TGNameForm* name = TGNameForm::Instance();
  Click(golfers->Ui().AddButton);
  ASSERT_TRUE(WaitActive(name));
  // Kept above the window that opened it by the window system itself.
  ASSERT_NE(name->windowHandle(), nullptr);
  EXPECT_EQ(name->windowHandle()->transientParent(), golfers->windowHandle());
  EXPECT_EQ(QApplication::focusWidget(), name->Ui().LongName);
  Keys(QStringLiteral("Ann Example"));
  Key(Qt::Key_Return);
  EXPECT_FALSE(name->isVisible());
  ASSERT_TRUE(WaitActive(golfers));
  ASSERT_EQ(golfers->Ui().List->count(), 1);
  EXPECT_TRUE(golfers->Ui().List->item(0)->text().startsWith(QStringLiteral("Ann Example")));

  Click(golfers->Ui().AddButton);
  ASSERT_TRUE(WaitActive(name));
  Keys(QStringLiteral("Bob"));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(name->isVisible());
  ASSERT_TRUE(WaitActive(golfers));
  EXPECT_EQ(golfers->Ui().List->count(), 1);
  EXPECT_TRUE(messages.empty());
}

void OpenAMessageBoxNobodyAnswers() {
  QMessageBox box;
  box.setText(QStringLiteral("Nobody answers this"));
  box.exec();
}

TEST_F(WindowFlowTest, AModalWindowLeftOpenFailsTheTestInsteadOfHangingIt) {
  const int patience = DialogPatience();
  SetDialogPatience(200);
  EXPECT_NONFATAL_FAILURE(OpenAMessageBoxNobodyAnswers(),
                          "a modal window stayed open: QMessageBox");
  SetDialogPatience(patience);
}

}  // namespace
}  // namespace fwtest
