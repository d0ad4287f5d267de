#include "golfers/fwgmaint.h"

#include <QRadioButton>

#include "app/fwstartup.h"
#include "data/inifile.h"
#include "golfers/fwgname.h"
#include "support/anothercopy.h"
#include "support/fsizelimit.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

using fw::ui::MsgAnswer;
using fw::ui::MsgButtons;
using fw::ui::MsgKind;

const QString kLimitText = QStringLiteral(
    "You have reached the maximum allowed number of golfers.  If possible, delete some golfers "
    "that are inactive.  Then, you can enter more new ones.");
const QString kRenameText =
    QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name.");
const QString kSaveQuestion = QStringLiteral("Save changes made to golfers?");

class GolferMaintTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::ui::CreateLongLivedWindows();
    messages.clear();  // what start-up had to say about the course list
    name = TGNameForm::Instance();
  }

  TGMaintForm* Open() {
    auto* window = new TGMaintForm;
    ShowActive(window);
    return window;
  }

  static QStringList Lines(TGMaintForm* window) {
    QStringList lines;
    for (int i = 0; i < window->Ui().List->count(); ++i)
      lines << window->Ui().List->item(i)->text();
    return lines;
  }

  static QString Selected(TGMaintForm* window) {
    auto items = window->Ui().List->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
  }

  static void Select(TGMaintForm* window, int row) {
    window->Ui().List->setCurrentRow(row);
    QApplication::processEvents();
  }

  // Double-clicks a line as the mouse does: press, release, press, double-click, release.
  static void DoubleClick(TGMaintForm* window, int row) {
    QWidget* viewport = window->Ui().List->viewport();
    QPoint at = row < window->Ui().List->count()
                    ? window->Ui().List->visualItemRect(window->Ui().List->item(row)).center()
                    : viewport->rect().center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }

  // Waits for the name dialog opened by a click and checks who opened it.
  void ExpectDialogFor(TGMaintForm* window, TGNameForm::Mode mode) {
    ASSERT_TRUE(name->isVisible());
    ASSERT_TRUE(WaitActive(name));
    EXPECT_EQ(name->Opener(), window);
    EXPECT_EQ(name->DialogMode, mode);
  }

  // Adds a golfer through the dialog as a user does.
  void AddGolfer(TGMaintForm* window, const QString& longName, bool female = false) {
    Click(window->Ui().AddButton);
    ExpectDialogFor(window, TGNameForm::Mode::kAdd);
    EXPECT_EQ(name->Ui().LongName->text(), QString());
    EXPECT_EQ(name->Ui().ShortName->text(), QString());
    EXPECT_EQ(name->Ui().SexRadio->ItemIndex(), 0);
    TypeAndLeave(name->Ui().LongName, longName);
    if (female) Click(name->Ui().SexRadio->Item(1));
    Click(name->Ui().OKButton);
    EXPECT_FALSE(name->isVisible());
  }

  // Changes the selected golfer through the dialog; an empty text leaves that
  // field as it is.
  void ModifyGolfer(TGMaintForm* window, int row, const QString& longName,
                    const QString& shortName) {
    Select(window, row);
    Click(window->Ui().ModifyButton);
    ExpectDialogFor(window, TGNameForm::Mode::kEdit);
    if (!longName.isEmpty()) TypeAndLeave(name->Ui().LongName, longName);
    if (!shortName.isEmpty()) TypeAndLeave(name->Ui().ShortName, shortName);
    Click(name->Ui().OKButton);
  }

  void DeleteGolfer(TGMaintForm* window, int row) {
    Select(window, row);
    Answer(MsgAnswer::kYes);
    Click(window->Ui().DeleteButton);
  }

  // Short names of golfers.fwc whose score file is missing.
  std::vector<std::string> GolfersWithoutFile() const {
    fw::GolferTable listed;
    fw::LoadGolferList(fw::WorkFolder(folder.Path()), listed);
    std::vector<std::string> missing;
    for (const fw::TGolferRec& golfer : listed)
      if (!fw::WorkFolder(folder.Path()).Exists(golfer.ShortName + ".fwp"))
        missing.emplace_back(golfer.ShortName);
    return missing;
  }

  TGNameForm* name = nullptr;
};

TEST_F(GolferMaintTest, LooksAsDesignedAndKeepsItsPlacement) {
  TGMaintForm* window = Open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Golfer Maintenance"));
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());
  const auto& ui = window->Ui();
  QStringList captions;
  for (QObject* control : std::initializer_list<QObject*>{
           ui.AddButton, ui.ModifyButton, ui.DeleteButton, ui.SaveButton, ui.ExitButton, ui.Save1,
           ui.Exit1, ui.AddItem1, ui.ModifyItem1, ui.DeleteItem1})
    captions << control->property("text").toString();
  EXPECT_EQ(captions.join('|'),
            "Add|Modify|Delete|Save|Exit|&Save|&Exit|&Add Golfer|&Modify Golfer|&Delete Golfer");
  QRect screen = window->screen()->geometry();
  EXPECT_EQ(window->x(), (screen.width() - window->frameGeometry().width()) / 2);

  window->resize(600, 420);
  QApplication::processEvents();
  fw::IniFile ini(fw::ui::App().folder);
  EXPECT_EQ(ini.ReadInteger("GMaintForm", "Width", 0), 600);
  EXPECT_EQ(ini.ReadInteger("GMaintForm", "Height", 0), 420);
  // The list grows with the window.
  EXPECT_GT(window->Ui().List->height(), window->centralWidget()->height() - 40);
}

TEST_F(GolferMaintTest, AddingDerivesShortNamesCreatesScoreFilesAndSaveWritesTheList) {
  folder.Write("golfers.fwc", "Pat Jones~PJONES~1~\r\nGone Golfer~GONE~0~\r\n");
  folder.Write("PJONES.fwp", "");
  folder.Write("SMITH.fwp", "old");
  TGMaintForm* window = Open();
  EXPECT_EQ(Lines(window), (QStringList{"Gone Golfer", "Pat Jones"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Gone Golfer"));

  AddGolfer(window, QStringLiteral("John Smith"), /*female=*/true);
  EXPECT_EQ(folder.Read("JOHN_SMI.fwp"), "");
  EXPECT_EQ(Lines(window), (QStringList{"Gone Golfer", "John Smith", "Pat Jones"}));
  // The new golfer took the last place before sorting; that place is selected.
  EXPECT_EQ(Selected(window), QStringLiteral("Pat Jones"));
  EXPECT_TRUE(window->Changed);
  EXPECT_TRUE(window->Ui().SaveButton->isEnabled());

  Trigger(window, "AddGolfer1");
  ExpectDialogFor(window, TGNameForm::Mode::kAdd);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Smith"));
  EXPECT_EQ(name->Ui().ShortName->text(), QStringLiteral("SMITH1"));
  Click(name->Ui().OKButton);
  AddGolfer(window, QStringLiteral("Mary O'Neil"));
  EXPECT_EQ(folder.Read("SMITH.fwp"), "old");

  Click(window->Ui().SaveButton);
  EXPECT_EQ(folder.Read("golfers.fwc"),
            "Gone Golfer~GONE~0~\r\nJohn Smith~JOHN_SMI~1~\r\nMary O'Neil~MARY_O_N~0~\r\n"
            "Pat Jones~PJONES~1~\r\nSmith~SMITH1~0~\r\n");
  EXPECT_EQ(folder.Read("GONE.fwp"), "");  // a missing score file is created
  EXPECT_FALSE(window->Changed);
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());
  EXPECT_TRUE(messages.empty());

  // A save that fails changes nothing and says why.
  AddGolfer(window, QStringLiteral("Kim Lee"));
  {
    FileSizeLimit full(16);
    Trigger(window, "Save1");
  }
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("golfers.fwc was not saved: File too large. "
                                                       "Your changes are still here.")});
  EXPECT_TRUE(window->Ui().SaveButton->isEnabled());
  EXPECT_EQ(folder.Read("golfers.fwc").find("Kim Lee"), std::string::npos);
}

TEST_F(GolferMaintTest, ModifyRenamesTheScoreFileOnlyForANewShortNameAndNeverOverAnother) {
  folder.Write("golfers.fwc", "Pat Jones~PJONES~1~\r\nAl Smith~ASMITH~0~\r\nGhost~GHOST~0~\r\n");
  folder.Write("PJONES.FWP", "rounds");
  folder.Write("ASMITH.fwp", "");
  folder.Write("taken.FWP", "other");
  TGMaintForm* window = Open();
  EXPECT_EQ(Lines(window), (QStringList{"Al Smith", "Ghost", "Pat Jones"}));

  // Long name and sex only: no file is touched.
  Select(window, 2);
  Click(window->Ui().ModifyButton);
  ExpectDialogFor(window, TGNameForm::Mode::kEdit);
  EXPECT_EQ(name->Ui().LongName->text(), QStringLiteral("Pat Jones"));
  EXPECT_EQ(name->Ui().ShortName->text(), QStringLiteral("PJONES"));
  EXPECT_EQ(name->Ui().SexRadio->ItemIndex(), 1);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Patricia Jones"));
  Click(name->Ui().SexRadio->Item(0));
  Click(name->Ui().OKButton);
  EXPECT_EQ(window->Golfers[3], (fw::TGolferRec{"Patricia Jones", "PJONES", 0}));
  EXPECT_EQ(folder.Names(),
            (std::vector<std::string>{"ASMITH.fwp", "PJONES.FWP", "golfers.fwc", "taken.FWP"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Patricia Jones"));

  // A new short name renames the file, with the extension in small letters.
  DoubleClick(window, 2);
  ExpectDialogFor(window, TGNameForm::Mode::kEdit);
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("PJ"));
  Click(name->Ui().OKButton);
  EXPECT_FALSE(folder.Has("PJONES.FWP"));
  EXPECT_EQ(folder.Read("PJ.fwp"), "rounds");
  EXPECT_EQ(window->Golfers[3].ShortName, "PJ");

  // Onto an existing file of another case: refused, the other changes apply.
  Trigger(window, "ModifyGolfer1");
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Pat J"));
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("TAKEN"));
  Click(name->Ui().OKButton);
  EXPECT_EQ(MessageTexts(), QStringList{kRenameText});
  EXPECT_EQ(name->Ui().ShortName->text(), QStringLiteral("PJ"));
  EXPECT_EQ(window->Golfers[3], (fw::TGolferRec{"Pat J", "PJ", 0}));
  EXPECT_EQ(folder.Read("PJ.fwp"), "rounds");
  EXPECT_EQ(folder.Read("taken.FWP"), "other");

  // A golfer without a score file may take a free name, but not a taken one.
  // (Writing the rename to PJ into the list gave Ghost an empty file.)
  EXPECT_EQ(folder.Read("GHOST.fwp"), "");
  std::filesystem::remove(folder.Path() / "GHOST.fwp");
  Select(window, 1);
  Click(window->Ui().ModifyButton);
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("TAKEN"));
  Click(name->Ui().OKButton);
  EXPECT_EQ(MessageTexts().last(), kRenameText);
  EXPECT_EQ(window->Golfers[2].ShortName, "GHOST");
  Click(window->Ui().ModifyButton);
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("SPOOK"));
  Click(name->Ui().OKButton);
  EXPECT_EQ(window->Golfers[2].ShortName, "SPOOK");
  EXPECT_EQ(messages.size(), 2u);

  Click(window->Ui().SaveButton);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Al Smith~ASMITH~0~\r\nGhost~SPOOK~0~\r\nPat J~PJ~0~\r\n");
}

TEST_F(GolferMaintTest, CancelChangesNothingAndOnlyTheOpenerTakesTheAnswer) {
  folder.Write("golfers.fwc", "Bob~BOB~0~\r\nAnn~ANN~1~\r\nCid~CID~0~\r\n");
  TGMaintForm* window = Open();
  Select(window, 2);
  Click(window->Ui().ModifyButton);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Zed"));
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("ZED"));
  Click(name->Ui().CancelButton);
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Bob", "Cid"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Cid"));
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());
  EXPECT_FALSE(folder.Has("ZED.fwp"));

  // Closing the dialog by its frame is no confirmation either; after an Add
  // the first line is selected.
  Click(window->Ui().AddButton);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Dee"));
  name->close();
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Bob", "Cid"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Ann"));

  // Another window's answer is not this window's; activating twice is harmless.
  TGMaintForm* other = Open();
  Select(window, 1);
  Click(other->Ui().AddButton);
  ExpectDialogFor(other, TGNameForm::Mode::kAdd);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Eve"));
  Click(name->Ui().OKButton);
  window->FormActivate();
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Bob", "Cid"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Bob"));
  EXPECT_EQ(Lines(other), (QStringList{"Ann", "Bob", "Cid", "Eve"}));
  other->FormActivate();
  EXPECT_EQ(Lines(other), (QStringList{"Ann", "Bob", "Cid", "Eve"}));
  EXPECT_FALSE(window->Changed);
}

TEST_F(GolferMaintTest, DeleteAsksRemovesTheScoreFileAndSelectsTheNextLine) {
  folder.Write("golfers.fwc", "Ann~ANN~1~\r\nBob~BOB~0~\r\nCid~CID~0~\r\n");
  folder.Write("ANN.fwp", "");
  folder.Write("bob.FWP", "x");
  folder.Write("CID.fwp", "");
  TGMaintForm* window = Open();
  const QString question = QStringLiteral(
      "Are you sure you want to delete this golfer along with score file \"BOB.fwp\"?");

  Select(window, 1);
  Answer(MsgAnswer::kNo);
  Click(window->Ui().DeleteButton);
  EXPECT_EQ(MessageTexts(), QStringList{question});
  EXPECT_EQ(messages[0].buttons, MsgButtons::kYesNo);
  EXPECT_TRUE(folder.Has("bob.FWP"));
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());

  // Enter on the focused button presses it.
  Answer(MsgAnswer::kYes);
  window->Ui().DeleteButton->setFocus(Qt::TabFocusReason);
  QTest::keyClick(window->Ui().DeleteButton, Qt::Key_Return);
  EXPECT_FALSE(folder.Has("bob.FWP"));
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Cid"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Cid"));  // moved into the place
  // The deletion is in the list file already: nothing is left to save.
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());

  Answer(MsgAnswer::kYes);
  Trigger(window, "DeleteGolfer1");
  EXPECT_FALSE(folder.Has("CID.fwp"));
  EXPECT_EQ(Selected(window), QStringLiteral("Ann"));  // the last line was deleted

  // Nothing selected, or nothing left: Modify and Delete do nothing.
  window->Ui().List->clearSelection();
  Click(window->Ui().ModifyButton);
  Click(window->Ui().DeleteButton);
  EXPECT_FALSE(name->isVisible());
  std::filesystem::remove(folder.Path() / "ANN.fwp");  // a missing file is no error
  Select(window, 0);
  Answer(MsgAnswer::kYes);
  Click(window->Ui().DeleteButton);
  EXPECT_TRUE(Lines(window).isEmpty());
  Click(window->Ui().ModifyButton);
  Click(window->Ui().DeleteButton);
  DoubleClick(window, 0);
  EXPECT_FALSE(name->isVisible());
  EXPECT_EQ(messages.size(), 4u);

  Click(window->Ui().SaveButton);
  EXPECT_EQ(folder.Read("golfers.fwc"), "");
}

TEST_F(GolferMaintTest, ADeletionIsWrittenToTheGolferListAtOnceWithoutTheOtherChanges) {
  // Kim and Kim Lee share one score file (a list edited by hand).
  folder.Write("golfers.fwc",
               "Cid~CID~0~\r\nAnn~ANN~1~\r\nBob~BOB~0~\r\nKim~KIM~0~\r\nKim Lee~kim~1~\r\n");
  for (const char* file : {"ANN.fwp", "BOB.fwp", "CID.fwp", "KIM.fwp"}) folder.Write(file, file);
  TGMaintForm* window = Open();

  // Unsaved: a new long name for Ann and a new golfer. Then Bob goes.
  ModifyGolfer(window, 0, QStringLiteral("Annie"), {});
  AddGolfer(window, QStringLiteral("Dee"));
  EXPECT_EQ(Lines(window), (QStringList{"Annie", "Bob", "Cid", "Dee", "Kim", "Kim Lee"}));
  DeleteGolfer(window, 1);
  EXPECT_FALSE(folder.Has("BOB.fwp"));
  EXPECT_EQ(folder.Read("golfers.fwc"),
            "Cid~CID~0~\r\nAnn~ANN~1~\r\nKim~KIM~0~\r\nKim Lee~kim~1~\r\n");
  EXPECT_EQ(Lines(window), (QStringList{"Annie", "Cid", "Dee", "Kim", "Kim Lee"}));
  EXPECT_EQ(Selected(window), QStringLiteral("Cid"));

  // A golfer added here and never saved leaves the list file as it is.
  const std::string saved = folder.Read("golfers.fwc");
  DeleteGolfer(window, 2);
  EXPECT_FALSE(folder.Has("DEE.fwp"));
  EXPECT_EQ(folder.Read("golfers.fwc"), saved);

  // A score file that another golfer names too stays with his rounds.
  DeleteGolfer(window, 2);
  EXPECT_EQ(folder.Read("KIM.fwp"), "KIM.fwp");
  EXPECT_EQ(folder.Read("golfers.fwc"), "Cid~CID~0~\r\nAnn~ANN~1~\r\nKim Lee~kim~1~\r\n");
  EXPECT_EQ(Lines(window), (QStringList{"Annie", "Cid", "Kim Lee"}));

  // No drops only the other changes: Ann keeps her name, Dee was never saved.
  Answer(MsgAnswer::kNo);
  Click(window->Ui().ExitButton);
  EXPECT_EQ(MessageTexts().last(), kSaveQuestion);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Cid~CID~0~\r\nAnn~ANN~1~\r\nKim Lee~kim~1~\r\n");
  EXPECT_EQ(folder.Read("ANN.fwp"), "ANN.fwp");
  EXPECT_TRUE(GolfersWithoutFile().empty());
  window = Open();
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Cid", "Kim Lee"}));

  // Yes saves the window's list.
  ModifyGolfer(window, 0, QStringLiteral("Annie"), {});
  DeleteGolfer(window, 1);
  Answer(MsgAnswer::kYes);
  Click(window->Ui().ExitButton);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Annie~ANN~1~\r\nKim Lee~kim~1~\r\n");
  EXPECT_FALSE(folder.Has("CID.fwp"));

  // Without a list file the golfers are those of the score files, and none
  // is written for a deletion.
  std::filesystem::remove(folder.Path() / "golfers.fwc");
  window = Open();
  EXPECT_EQ(window->Golfers.Count(), 2);
  DeleteGolfer(window, 0);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"KIM.fwp"});
}

TEST_F(GolferMaintTest, ARenameIsWrittenToTheGolferListAtOnceWithoutTheOtherChanges) {
  folder.Write("golfers.fwc", "Bob~BOB~0~\r\nAnn~ANN~1~\r\n");
  folder.Write("ANN.fwp", "ann's rounds");
  folder.Write("BOB.fwp", "bob's rounds");
  TGMaintForm* window = Open();

  // The long name and the sex wait for Save; the short name does not.
  Select(window, 0);
  Click(window->Ui().ModifyButton);
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Annie"));
  TypeAndLeave(name->Ui().ShortName, QStringLiteral("AX"));
  Click(name->Ui().SexRadio->Item(0));
  Click(name->Ui().OKButton);
  EXPECT_EQ(folder.Read("AX.fwp"), "ann's rounds");
  EXPECT_EQ(folder.Read("golfers.fwc"), "Bob~BOB~0~\r\nAnn~AX~1~\r\n");
  // Twice in a row.
  ModifyGolfer(window, 0, {}, QStringLiteral("AY"));
  EXPECT_EQ(folder.Read("golfers.fwc"), "Bob~BOB~0~\r\nAnn~AY~1~\r\n");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"AY.fwp", "BOB.fwp", "golfers.fwc"}));

  // A golfer added here and renamed stays out of the list file.
  AddGolfer(window, QStringLiteral("Cid"));
  ModifyGolfer(window, 2, {}, QStringLiteral("CX"));
  EXPECT_EQ(window->Golfers[3], (fw::TGolferRec{"Cid", "CX", 0}));
  EXPECT_EQ(folder.Read("golfers.fwc"), "Bob~BOB~0~\r\nAnn~AY~1~\r\n");

  Answer(MsgAnswer::kNo);
  Click(window->Ui().ExitButton);
  EXPECT_EQ(folder.Read("golfers.fwc"), "Bob~BOB~0~\r\nAnn~AY~1~\r\n");
  EXPECT_TRUE(GolfersWithoutFile().empty());

  // Renamed, then deleted: the golfer leaves the list under his new name.
  window = Open();
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Bob"}));
  ModifyGolfer(window, 1, {}, QStringLiteral("BX"));
  DeleteGolfer(window, 1);
  Click(window->Ui().ExitButton);  // both are in the list file: nothing to ask
  EXPECT_EQ(folder.Read("golfers.fwc"), "Ann~AY~1~\r\n");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"AY.fwp", "CX.fwp", "golfers.fwc"}));
  EXPECT_EQ(folder.Read("AY.fwp"), "ann's rounds");
}

TEST_F(GolferMaintTest, AGolferListThatCannotBeWrittenOrReadStopsTheScoreFileChangeAndOpening) {
  // Ann's long name makes the list longer than the intent record, which a
  // full disk still takes.
  folder.Write("golfers.fwc", "Ann Annabelle Lee~ANN~1~\r\nBob~BOB~0~\r\n");
  folder.Write("ANN.fwp", "ann's rounds");
  folder.Write("BOB.fwp", "bob's rounds");
  const std::string list = folder.Read("golfers.fwc");
  TGMaintForm* window = Open();

  // The list cannot be written (a full disk): nothing is deleted.
  const QString notSaved =
      QStringLiteral("golfers.fwc was not saved: File too large. Your changes are still here.");
  auto full = std::make_unique<FileSizeLimit>(20);
  DeleteGolfer(window, 1);
  EXPECT_EQ(MessageTexts().last(), notSaved);
  EXPECT_EQ(folder.Read("BOB.fwp"), "bob's rounds");
  EXPECT_EQ(Lines(window), (QStringList{"Ann Annabelle Lee", "Bob"}));

  // A rename is taken back; the other changes apply.
  ModifyGolfer(window, 0, QStringLiteral("Annie"), QStringLiteral("AX"));
  full.reset();
  EXPECT_EQ(MessageTexts().last(), notSaved + " The golfer keeps the short name ANN.");
  EXPECT_EQ(name->Ui().ShortName->text(), QStringLiteral("ANN"));
  EXPECT_EQ(window->Golfers[1], (fw::TGolferRec{"Annie", "ANN", 1}));
  EXPECT_EQ(folder.Read("ANN.fwp"), "ann's rounds");
  EXPECT_FALSE(folder.Has("AX.fwp"));
  EXPECT_EQ(folder.Read("golfers.fwc"), list);

  // The list cannot be read: the same.
  std::filesystem::remove(folder.Path() / "golfers.fwc");
  folder.MakeDir("golfers.fwc");
  const std::size_t shown = messages.size();
  DeleteGolfer(window, 1);
  ModifyGolfer(window, 0, {}, QStringLiteral("AX"));
  EXPECT_EQ(MessageTexts().mid(static_cast<qsizetype>(shown) + 1),
            (QStringList{"golfers.fwc is a folder, not a data file.",
                         "golfers.fwc is a folder, not a data file. The golfer keeps the short "
                         "name ANN."}));
  EXPECT_EQ(window->Golfers[1].ShortName, "ANN");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"ANN.fwp", "BOB.fwp", "golfers.fwc"}));
  EXPECT_EQ(Lines(window), (QStringList{"Annie", "Bob"}));
  // Nor does another window open on it.
  EXPECT_THROW(TGMaintForm another, fw::FileError);
}

TEST_F(GolferMaintTest, DeleteWaitsWhileTheNameDialogIsOpenForThisWindow) {
  folder.Write("golfers.fwc", "Ann~ANN~1~\r\nBob~BOB~0~\r\n");
  TGMaintForm* window = Open();
  Select(window, 1);
  Click(window->Ui().ModifyButton);
  window->DeleteButtonClick();
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(name->isVisible());
  TypeAndLeave(name->Ui().LongName, QStringLiteral("Bobby"));
  Click(name->Ui().OKButton);
  EXPECT_EQ(Lines(window), (QStringList{"Ann", "Bobby"}));

  // Closing the window takes its dialog along, unconfirmed.
  Answer(MsgAnswer::kNo);
  Click(window->Ui().ModifyButton);
  window->close();
  EXPECT_FALSE(name->isVisible());
  EXPECT_EQ(name->Ui().OkPressed->text(), QStringLiteral("0"));
}

TEST_F(GolferMaintTest, TheLimitOf300Golfers) {
  std::string list;
  for (int i = 1; i <= 299; ++i)
    list += "Golfer " + std::to_string(1000 + i) + "~G" + std::to_string(i) + "~0~\r\n";
  folder.Write("golfers.fwc", list);
  TGMaintForm* window = Open();
  AddGolfer(window, QStringLiteral("Zoe Last"));
  EXPECT_EQ(window->Golfers.Count(), 300);
  EXPECT_EQ(Lines(window).last(), QStringLiteral("Zoe Last"));
  EXPECT_TRUE(messages.empty());

  Click(window->Ui().AddButton);
  Trigger(window, "AddGolfer1");
  EXPECT_EQ(MessageTexts(), (QStringList{kLimitText, kLimitText}));
  EXPECT_EQ(messages[0].kind, MsgKind::kWarning);
  EXPECT_FALSE(name->isVisible());
  EXPECT_EQ(window->Golfers.Count(), 300);
}

TEST_F(GolferMaintTest, ExitAndTheCloseBoxAskAboutUnsavedChanges) {
  folder.Write("golfers.fwc", "Ann~ANN~1~\r\n");
  const std::string original = folder.Read("golfers.fwc");

  TGMaintForm* window = Open();
  Click(window->Ui().ExitButton);  // nothing changed: nothing asked
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(messages.empty());

  window = Open();
  AddGolfer(window, QStringLiteral("Bob"));
  Answer(MsgAnswer::kCancel);
  Click(window->Ui().ExitButton);
  EXPECT_EQ(MessageTexts(), QStringList{kSaveQuestion});
  EXPECT_EQ(messages[0].buttons, MsgButtons::kYesNoCancel);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Ui().SaveButton->isEnabled());
  Answer(MsgAnswer::kNo);
  window->close();  // the window's close box
  EXPECT_EQ(messages.size(), 2u);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(folder.Read("golfers.fwc"), original);

  window = Open();
  AddGolfer(window, QStringLiteral("Cid"));
  Answer(MsgAnswer::kYes);
  Trigger(window, "Exit1");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(folder.Read("golfers.fwc"), "Ann~ANN~1~\r\nCid~CID~0~\r\n");

  // The main window's exit asks the same question.
  window = Open();
  AddGolfer(window, QStringLiteral("Dee"));
  Answer(MsgAnswer::kCancel);
  EXPECT_FALSE(window->SettleUnsavedChanges());
  Answer(MsgAnswer::kNo);
  EXPECT_TRUE(window->SettleUnsavedChanges());
  EXPECT_EQ(messages.size(), 5u);
}

TEST_F(GolferMaintTest, ASaveOverAListChangedElsewhereOffersReloadOrKeepEditing) {
  folder.Write("golfers.fwc", "Pat Jones~PJONES~1~\r\n");
  TGMaintForm* window = Open();
  AddGolfer(window, QStringLiteral("Ann Lee"));
  // Another copy of Fairwick adds a golfer meanwhile.
  const std::string theirs = "Pat Jones~PJONES~1~\r\nBo Dee~BO~0~\r\n";
  InAnotherCopy([&] {
    const fw::WorkFolder other(folder.Path());
    fw::GolferTable golfers;
    fw::FileSnapshot seen;
    fw::LoadGolferList(other, golfers, &seen);
    golfers.Append({"Bo Dee", "BO", 0});
    fw::SaveGolferList(other, golfers, seen);
  });

  // Keep Editing: nothing written, the window's change kept, also through the
  // exit question's Yes.
  Answer(MsgAnswer::kKeepEditing);
  Click(window->Ui().SaveButton);
  EXPECT_EQ(messages.back().text,
            QStringLiteral("golfers.fwc was not saved: another window or another copy of Fairwick "
                           "changed it after this window read it. Your changes are still here."));
  EXPECT_EQ(messages.back().buttons, MsgButtons::kReloadKeepEditing);
  EXPECT_EQ(folder.Read("golfers.fwc"), theirs);
  EXPECT_EQ(Lines(window), (QStringList{"Ann Lee", "Pat Jones"}));
  Answer(MsgAnswer::kYes);
  Answer(MsgAnswer::kKeepEditing);
  Click(window->Ui().ExitButton);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->Ui().SaveButton->isEnabled());

  // Reload, confirmed: the list as it is now; the window's change is dropped.
  Answer(MsgAnswer::kReload);
  Answer(MsgAnswer::kYes);
  Click(window->Ui().SaveButton);
  EXPECT_EQ(messages.back().text,
            QStringLiteral("Drop the changes made in this window and load golfers.fwc again?"));
  EXPECT_EQ(Lines(window), (QStringList{"Bo Dee", "Pat Jones"}));
  EXPECT_FALSE(window->Ui().SaveButton->isEnabled());

  // Without changes of its own, the window shows a list changed elsewhere as
  // soon as it becomes active again, and saves over it without a word.
  folder.Write("golfers.fwc", theirs + "Cy Fox~CY~0~\r\n");
  window->FormActivate();
  EXPECT_EQ(Lines(window), (QStringList{"Bo Dee", "Cy Fox", "Pat Jones"}));
  const std::size_t shown = messages.size();
  AddGolfer(window, QStringLiteral("Di Low"));
  Click(window->Ui().SaveButton);
  EXPECT_EQ(messages.size(), shown);
  EXPECT_NE(folder.Read("golfers.fwc").find("Cy Fox"), std::string::npos);
}

}  // namespace
}  // namespace fwtest
