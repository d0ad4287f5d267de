#include "golfers/fwgname.h"

#include <QRadioButton>

#include "app/fwstartup.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::MsgAnswer;
using fw::ui::MsgButtons;
using fw::ui::MsgKind;
using Mode = TGNameForm::Mode;

class GolferNameTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::ui::CreateLongLivedWindows();
    messages.clear();  // what start-up had to say about the course list
    dialog = TGNameForm::Instance();
    opener = new fw::ui::FwForm;
    ShowActive(opener);
  }

  // Fills the dialog as golfer maintenance does and shows it.
  void Open(Mode mode, const QString& longName = {}, const QString& shortName = {}) {
    dialog->Ui().LongName->setText(longName);
    dialog->Ui().ShortName->setText(shortName);
    dialog->Ui().SexRadio->SetItemIndex(0);
    dialog->DialogMode = mode;
    dialog->Ui().OkPressed->setText(QStringLiteral("0"));
    // As golfer maintenance does. (The offscreen platform may leave the focus
    // on the hidden dialog; the opener takes it first, as on a desktop.)
    ShowActive(opener);
    dialog->ShowFor(opener);
    ASSERT_TRUE(WaitActive(dialog));
    ASSERT_TRUE(dialog->isActiveWindow());
  }

  // The short name derived from a long name typed into a fresh dialog, the
  // long name left by clicking into the short name.
  QString Derived(const QString& longName) {
    Open(Mode::kAdd);
    Focus(dialog->Ui().LongName);
    TypeText(dialog->Ui().LongName, longName);
    Focus(dialog->Ui().ShortName);
    return dialog->Ui().ShortName->text();
  }

  TGNameForm* dialog = nullptr;
  fw::ui::FwForm* opener = nullptr;
};

TEST_F(GolferNameTest, LooksAsDesigned) {
  const auto& ui = dialog->Ui();
  EXPECT_EQ(
      QStringList({dialog->windowTitle(), ui.LongName->toolTip(), ui.ShortName->toolTip(),
                   Find<QLabel>(dialog, "Label1")->text(), Find<QLabel>(dialog, "Label2")->text(),
                   ui.SexRadio->Item(0)->text(), ui.SexRadio->Item(1)->text(), ui.Label3->text()}),
      QStringList({"Golfer Name", "Long name for Golfer", "8 character name used for Golfer file",
                   "Long Name", "Short Name", "Male", "Female",
                   "Note: The Short Name is used to name the file that holds the golfer's "
                   "scores.  Each golfer must have a unique Short Name value."}));
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  EXPECT_FALSE(dialog->Ui().OkPressed->isVisible());

  Open(Mode::kAdd);
  EXPECT_EQ(QApplication::focusWidget(), dialog->Ui().LongName);
  QRect screen = dialog->screen()->geometry();
  EXPECT_EQ(dialog->x(), (screen.width() - dialog->frameGeometry().width()) / 2);

  // What the fields accept.
  Focus(dialog->Ui().LongName);
  TypeText(dialog->Ui().LongName, QStringLiteral("Pat ~Jönes Ŧ") + QString(40, QLatin1Char('x')));
  EXPECT_EQ(dialog->Ui().LongName->text(),
            QStringLiteral("Pat Jönes ") + QString(30, QLatin1Char('x')));
  Focus(dialog->Ui().ShortName);
  dialog->Ui().ShortName->clear();  // the derived name
  QTest::keyClicks(dialog->Ui().ShortName, QStringLiteral("ab c~-d_9xy"));
  EXPECT_EQ(dialog->Ui().ShortName->text(), QStringLiteral("ABC-D_9X"));
}

TEST_F(GolferNameTest, LeavingTheLongNameDerivesAShortNameWithoutAScoreFile) {
  folder.Write("SMITH.fwp", "");
  folder.Write("JOHN_SMI.fwp", "");
  for (int n = 1; n <= 9; ++n) folder.Write("john_sm" + std::to_string(n) + ".FWP", "");
  folder.Write("JONES.fwp", "");

  // An empty long name derives nothing.
  QStringList derived;
  for (const char* longName :
       {"John Smith", "Mary O'Neil", "Smith", "jones", "Al-B_c 12", "Zoë Müller", ""})
    derived << Derived(QString::fromUtf8(longName));
  EXPECT_EQ(derived,
            QStringList({"JOHN_S10", "MARY_O_N", "SMITH1", "JONES1", "AL-B_C_1", "ZO__M_LL", ""}));
  // Changing a golfer takes the plain base name, whatever files exist; Tab
  // leaves the field too.
  Open(Mode::kEdit);
  TypeAndLeave(dialog->Ui().LongName, QStringLiteral("Jones"));
  EXPECT_EQ(dialog->Ui().ShortName->text(), QStringLiteral("JONES"));

  // A short name already there is left alone; leaving the short name fills an
  // empty long name, and only an empty one.
  Open(Mode::kAdd, {}, QStringLiteral("PJ"));
  TypeAndLeave(dialog->Ui().LongName, QStringLiteral("Pat Jones"));
  EXPECT_EQ(dialog->Ui().ShortName->text(), QStringLiteral("PJ"));
  TypeAndLeave(dialog->Ui().ShortName, QStringLiteral("PAT"));
  EXPECT_EQ(dialog->Ui().LongName->text(), QStringLiteral("Pat Jones"));
  Open(Mode::kAdd);
  Focus(dialog->Ui().ShortName);
  TypeAndLeave(dialog->Ui().ShortName, QStringLiteral("pjones"));
  EXPECT_EQ(dialog->Ui().LongName->text(), QStringLiteral("PJONES"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(GolferNameTest, TheSearchForAFreeShortNameEndsAfterTry999) {
  folder.Write("ABCDEFGH.fwp", "");
  for (int n = 1; n <= 999; ++n) {
    std::string number = std::to_string(n);
    folder.Write(std::string("ABCDEFGH").substr(0, 8 - number.size()) + number + ".fwp", "");
  }
  EXPECT_EQ(Derived(QStringLiteral("abcdefghij")), QString());
  std::filesystem::remove(folder.Path() / "ABCDE777.fwp");
  EXPECT_EQ(Derived(QStringLiteral("abcdefghij")), QStringLiteral("ABCDE777"));
}

TEST_F(GolferNameTest, OkChecksTheShortNameAndProvidesTheScoreFile) {
  const QString emptyText = QStringLiteral("You must enter a value in the short name field.");
  const QString charsText = QStringLiteral(
      "The short golfer name can only contain the letters A - Z, numbers, dashes and underlines.");
  folder.Write("pjones.FWP", "kept");

  Open(Mode::kAdd);
  Click(dialog->Ui().OKButton);
  ASSERT_EQ(MessageTexts(), QStringList{emptyText});
  EXPECT_EQ(messages[0].buttons, MsgButtons::kOk);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dialog->Ui().ShortName);

  // Only text put in without typing can hold other characters.
  dialog->Ui().ShortName->setText(QStringLiteral("AB CD"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts().last(), charsText);
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));

  // An existing score file (any case of its name) is only taken on Yes.
  const QString question = QStringLiteral(
      "A golfer score file with the same name \"PJONES.fwp\" already exists.  Use it for this "
      "golfer?");
  dialog->Ui().ShortName->setText(QStringLiteral("PJONES"));
  Answer(MsgAnswer::kNo);
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts().last(), question);
  EXPECT_EQ(messages.back().kind, MsgKind::kWarning);
  EXPECT_EQ(messages.back().buttons, MsgButtons::kYesNo);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dialog->Ui().ShortName);
  Answer(MsgAnswer::kYes);
  Click(dialog->Ui().OKButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"pjones.FWP"});
  EXPECT_EQ(folder.Read("pjones.FWP"), "kept");

  // A new golfer gets an empty score file; a changed one gets none here.
  Open(Mode::kAdd);
  TypeAndLeave(dialog->Ui().LongName, QStringLiteral("New Bie"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_EQ(folder.Read("NEW_BIE.fwp"), "");
  Open(Mode::kEdit, QStringLiteral("Ghost"), QStringLiteral("GHOST"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_FALSE(folder.Has("GHOST.fwp"));
  EXPECT_EQ(messages.size(), 4u);

  // A score file that cannot be created stops the OK.
  fw::ui::App().folder = fw::WorkFolder(folder.Path() / "gone");
  Open(Mode::kAdd, QStringLiteral("Lost"), QStringLiteral("LOST"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts().last(),
            QStringLiteral("The folder \"%1\" cannot be read: No such file or directory.")
                .arg(QString::fromStdString((folder.Path() / "gone").string())));

  EXPECT_EQ(messages.back().kind, MsgKind::kError);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
}

TEST_F(GolferNameTest, CancelEscapeEnterAndTheCloseBox) {
  Open(Mode::kAdd, QStringLiteral("Pat"), QStringLiteral("PAT"));
  dialog->Ui().OkPressed->setText(QStringLiteral("1"));
  Click(dialog->Ui().CancelButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  EXPECT_FALSE(folder.Has("PAT.fwp"));

  Open(Mode::kAdd);
  QTest::keyClick(dialog->Ui().LongName, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());

  // Enter leaves the field (deriving the short name) and confirms.
  Open(Mode::kAdd);
  Focus(dialog->Ui().LongName);
  QTest::keyClicks(dialog->Ui().LongName, QStringLiteral("Kim Lee"));
  QTest::keyClick(dialog->Ui().LongName, Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().ShortName->text(), QStringLiteral("KIM_LEE"));
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));
  EXPECT_TRUE(folder.Has("KIM_LEE.fwp"));

  // The close box leaves the marker as it was.
  Open(Mode::kEdit, QStringLiteral("Kim Lee"), QStringLiteral("KIM"));
  dialog->close();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
}

TEST_F(GolferNameTest, AShortNameAnotherGolferUsesIsRefused) {
  // Two golfers sharing one score file would lose each other's rounds when
  // either is deleted.
  Open(Mode::kAdd);
  dialog->Fill(Mode::kAdd, fw::TGolferRec{}, {fw::TGolferRec{"Pat Jones", "PJONES", 1}});
  TypeAndLeave(dialog->Ui().LongName, QStringLiteral("Paul Jones"));
  TypeAndLeave(dialog->Ui().ShortName, QStringLiteral("pjones"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(MessageTexts(),
            QStringList{QStringLiteral("The short name PJONES is already used by Pat Jones. Each "
                                       "golfer must have a unique Short Name value.")});
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(folder.Has("PJONES.fwp"));
  // The name derived from the long name passes the other golfer's by.
  dialog->Ui().ShortName->clear();
  TypeAndLeave(dialog->Ui().LongName, QStringLiteral("PJones"));
  EXPECT_EQ(dialog->Ui().ShortName->text(), QStringLiteral("PJONES1"));
}

}  // namespace
}  // namespace fwtest
