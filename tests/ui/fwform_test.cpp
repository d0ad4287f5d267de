#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>

#include "data/convert.h"
#include "data/inifile.h"
#include "data/workfolder.h"
#include "support/uitest.h"
#include "ui/fwcodec.h"
#include "ui/fwform.h"

namespace fwtest {
namespace {

using fw::ui::FwForm;

// A dialog that records how often its opener's activation handler ran.
class Opener : public FwForm {
 public:
  void FormActivate() override { ++activations; }
  int activations = 0;
};

class Probe : public FwForm {
 public:
  Probe() {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    first = new QLineEdit(client);
    second = new QLineEdit(client);
    button = new QPushButton(QStringLiteral("Go"), client);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(button);
    setCentralWidget(client);
    OnExit(first, [this] {
      ++exits;
      fw::StrToInt(fw::ui::FromQt(first->text()));
    });
    OnKeyPress(first, [this](QKeyEvent* key) { return key->text() == QStringLiteral("+"); });
    OnClick(button, [] { throw fw::FileError("boom"); });
  }
  QLineEdit* first;
  QLineEdit* second;
  QPushButton* button;
  int exits = 0;
};

using FormTest = UiTest;

TEST_F(FormTest, HidingADialogHandsActivationBackToItsOpener) {
  Opener opener;
  ShowActive(&opener);
  int before = opener.activations;
  FwForm dialog;
  dialog.ShowFor(&opener);
  dialog.hide();
  EXPECT_GT(opener.activations, before);
  EXPECT_TRUE(WaitActive(&opener));

  // A hidden opener is left alone.
  opener.hide();
  int hidden = opener.activations;
  dialog.ShowFor(&opener);
  dialog.hide();
  EXPECT_EQ(opener.activations, hidden);
}

TEST_F(FormTest, KeysAndDialogFramesWorkAsOnEveryDesktop) {
  Probe probe;
  int pressed = 0;
  auto* other = new QPushButton(QStringLiteral("Other"), probe.centralWidget());
  QObject::connect(other, &QPushButton::clicked, [&] { ++pressed; });
  ShowActive(&probe);
  // Enter and Return press the focused button, and only that one.
  Focus(other);
  QTest::keyClick(other, Qt::Key_Return);
  QTest::keyClick(other, Qt::Key_Enter);
  EXPECT_EQ(pressed, 2);
  Focus(probe.second);
  QTest::keyClick(probe.second, Qt::Key_Return);
  EXPECT_EQ(pressed, 2);
  other->setEnabled(false);
  QTest::keyClick(&probe, Qt::Key_Return);
  EXPECT_EQ(pressed, 2);

  // A dialog has no minimise or maximise button and takes Escape as Cancel.
  class Dialog : public FwForm {
   public:
    Dialog() : FwForm(nullptr, kDialogFrame) {
      cancel = new QPushButton(QStringLiteral("Cancel"), this);
      CancelOnEscape(cancel);
    }
    QPushButton* cancel;
  } dialog;
  EXPECT_FALSE(dialog.windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  int cancelled = 0;
  QObject::connect(dialog.cancel, &QPushButton::clicked, [&] { ++cancelled; });
  dialog.ShowFor(&probe);
  ASSERT_TRUE(WaitActive(&dialog));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(cancelled, 1);
}

TEST_F(FormTest, ReturningFromAMessageBoxIsNotANewActivation) {
  Opener first;
  Opener second;
  ShowActive(&first);
  EXPECT_EQ(first.activations, 1);

  QDialog box;  // stands for a message box or the about box
  ShowActive(&box);
  box.hide();
  ShowActive(&first);
  EXPECT_EQ(first.activations, 1);

  ShowActive(&second);
  ShowActive(&first);
  EXPECT_EQ(first.activations, 2);
  EXPECT_EQ(second.activations, 1);
}

TEST_F(FormTest, ExitHandlersRunOnLeavingAFieldAndErrorsAreShown) {
  Probe probe;
  ShowActive(&probe);
  Focus(probe.first);
  QTest::keyClicks(probe.first, QStringLiteral("1+2x"));
  EXPECT_EQ(probe.first->text(), QStringLiteral("12x"));  // "+" swallowed
  Focus(probe.second);
  EXPECT_EQ(probe.exits, 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("'12x' is not a valid integer value"));
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kError);

  Click(probe.button);
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("boom"));
  EXPECT_TRUE(probe.isVisible());
}

TEST_F(FormTest, PlacementIsReadCentredAndWrittenOnResize) {
  folder.Write("fairwick.ini", "[Probe]\r\nHeight=300\r\nLeft=5000\r\nTop=5000\r\nWidth=0x200\r\n");
  Probe probe;
  probe.UsePlacement("Probe", {100, 1, 2, 100});
  EXPECT_EQ(probe.width(), 512);
  EXPECT_EQ(probe.height(), 300);
  ShowActive(&probe);
  QRect screen = probe.screen()->geometry();
  EXPECT_EQ(probe.x(), (screen.width() - probe.frameGeometry().width()) / 2);
  EXPECT_EQ(probe.y(), (screen.height() - probe.frameGeometry().height()) / 2);

  probe.resize(400, 250);
  QApplication::processEvents();
  fw::IniFile ini(fw::ui::App().folder);
  EXPECT_EQ(ini.ReadInteger("Probe", "Width", 0), 400);
  EXPECT_EQ(ini.ReadInteger("Probe", "Height", 0), 250);
  EXPECT_EQ(ini.ReadInteger("Probe", "Left", 0), probe.x());

  // While the program ends, working windows leave their placement alone.
  fw::ui::App().ProgramExiting = true;
  probe.resize(420, 260);
  QApplication::processEvents();
  EXPECT_EQ(ini.ReadInteger("Probe", "Width", 0), 400);
}

TEST_F(FormTest, InputRulesRefuseWhatTheFilesCannotHold) {
  QLineEdit field;
  fw::ui::InputRule shortName = fw::ui::Capitals();
  shortName.onlyChars = fw::ui::kShortNameChars;
  fw::ui::RestrictInput(&field, 8, shortName);
  QTest::keyClicks(&field, QStringLiteral("ab c~d-_9xyzw"));
  EXPECT_EQ(field.text(), QStringLiteral("ABCD-_9X"));

  QLineEdit name;
  fw::ui::RestrictInput(&name, 40, fw::ui::FreeText());
  ShowActive(&name);
  TypeText(&name, QStringLiteral("Zoë~ Ŧ€"));
  EXPECT_EQ(name.text(), QStringLiteral("Zoë €"));
  EXPECT_EQ(fw::ui::FromQt(name.text()), std::string("Zo\xEB \x80"));
  EXPECT_EQ(fw::ui::ToQt("Zo\xEB \x80"), name.text());
  // A refused character is named at the field, never dropped without a word.
  EXPECT_EQ(QToolTip::text(), QStringLiteral("\"Ŧ\" cannot be stored: Fairwick's files hold only "
                                             "Windows-1252 characters."));
  name.clear();
  name.insert(QStringLiteral("Łukasz"));  // a paste is refused whole
  EXPECT_EQ(name.text(), QString());
  EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("\"Ł\" cannot be stored")));
  TypeText(&name, QStringLiteral("~"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("\"~\" cannot be used: Fairwick's files use it to "
                                             "separate their fields."));
  // A text the program puts into a field the user is not in is not answered.
  QString shown = QToolTip::text();
  field.setText(QStringLiteral("aŁb"));
  EXPECT_EQ(QToolTip::text(), shown);

  // A decimal number takes digits and one point.
  EXPECT_EQ(fw::ui::RefusalOf(fw::ui::DecimalNumber(), QStringLiteral("70.5")), QString());
  EXPECT_EQ(fw::ui::RefusalOf(fw::ui::DecimalNumber(), QStringLiteral("7.0.5")),
            QStringLiteral("A number holds only one decimal point."));
  EXPECT_EQ(fw::ui::RefusalOf(fw::ui::WholeNumber(), QStringLiteral("4.")),
            QStringLiteral("\".\" cannot be typed here. Only whole numbers can be typed here."));
  // Every byte survives the way to the screen and back.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(fw::ui::FromQt(fw::ui::ToQt(all)), all);
}

}  // namespace
}  // namespace fwtest
