#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <filesystem>

#include "app/fwmain.h"
#include "app/fwstartup.h"
#include "courses/fwcmaint.h"
#include "courses/fwcourse.h"
#include "data/inifile.h"
#include "scores/fwscore.h"
#include "support/uitest.h"
#include "ui/fwform.h"

namespace fwtest {
namespace {

using fw::ui::App;
using fw::ui::MsgAnswer;

// One line of the course list: name, rating, slope, total, then the 18 pars.
std::string Line(const std::string& name, const std::string& rating, const std::string& slope,
                 const std::string& total, const std::string& pars) {
  std::string line = name + "~" + rating + "~" + slope + "~" + total + "~";
  for (char par : pars) line += std::string(1, par) + "~";
  return line + "\r\n";
}

const std::string kFlat = "444444444444444444";
const std::string kOakPars = "453445344453445344";
const std::string kZeroPars(18, '0');
// The three courses most tests start with.
const std::string kBirch = Line("BIRCH", "70.1", "125", "72", kFlat);
const std::string kCedar = Line("CEDAR", "68.4", "117", "70", kFlat);
const std::string kMaple = Line("MAPLE", "72.0", "131", "72", kFlat);

// Another window that uses the shared course dialog, as score entry does.
class OtherOpener : public fw::ui::FwForm {};

class CMaintTest : public UiTest {
 protected:
  // Starts the long-lived windows and opens course maintenance on the list.
  void Open(const std::string& courses) {
    folder.Write("courses.fwc", courses);
    fw::ui::CreateLongLivedWindows();
    OpenForm();
  }
  void OpenForm() {
    form = new TCMaintForm;
    form->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(form);
    dialog = TCourseForm::Instance();
  }
  void OpenThree() { Open(kMaple + kBirch + kCedar); }

  QStringList Lines() const {
    QStringList lines;
    for (int row = 0; row < form->Ui().List->count(); ++row)
      lines << form->Ui().List->item(row)->text();
    return lines;
  }
  int SelectedRow() const {
    QList<QListWidgetItem*> selected = form->Ui().List->selectedItems();
    return selected.isEmpty() ? -1 : form->Ui().List->row(selected.first());
  }
  void Select(int line) { form->Ui().List->setCurrentRow(line - 1); }

  void WaitForDialog() { ASSERT_TRUE(WaitActive(dialog)); }

  // Types a course whose holes are left at 0 and only the total is given.
  void TypeTotalOnlyCourse(const QString& name, const QString& rating, const QString& slope,
                           const QString& total) {
    TypeAndLeave(dialog->Ui().CourseName, name);
    TypeAndLeave(dialog->Ui().RatingField, rating);
    TypeAndLeave(dialog->Ui().SlopeField, slope);
    QTest::keyClick(dialog->Ui().Par[1], Qt::Key_Tab);  // on to the total
    QTest::keyClicks(dialog->Ui().ParTotal, total);
    Click(dialog->Ui().OKButton);
  }

  bool Closed() const { return !form || !form->isVisible(); }

  QPointer<TCMaintForm> form;
  TCourseForm* dialog = nullptr;
};

TEST_F(CMaintTest, OpensSortedWithTheFirstLineSelected) {
  OpenThree();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Course Maintenance"));
  EXPECT_EQ(Lines(), (QStringList{"BIRCH", "CEDAR", "MAPLE"}));
  EXPECT_EQ(SelectedRow(), 0);
  EXPECT_FALSE(form->Ui().SaveButton->isEnabled());
  EXPECT_FALSE(form->Changed);
  QStringList items;
  for (const char* name : {"Save1", "Exit1", "AddCourse1", "ModifyCourse1", "DeleteCourse1"})
    items << Find<QAction>(form, name)->text();
  EXPECT_EQ(items.join('|'), "&Save|&Exit|&Add Course|&Modify Course|&Delete Course");
  QStringList menus;
  for (QMenu* menu : form->findChildren<QMenu*>()) menus << menu->title();
  EXPECT_TRUE(menus.contains("&File") && menus.contains("&Edit"));

  form->resize(600, 400);
  QApplication::processEvents();
  fw::IniFile ini(App().folder);
  EXPECT_EQ(ini.ReadInteger("CMaintForm", "Width", 0), 600);
  EXPECT_EQ(ini.ReadInteger("CMaintForm", "Height", 0), 400);
}

TEST_F(CMaintTest, TheSampleSeedsAMissingCourseListAndWithoutEitherTheUserStartsOne) {
  folder.Write("sample.fwc",
               Line("ZED", "70.0", "120", "72", kFlat) + Line("ASH", "69.0", "115", "71", kFlat));
  OpenForm();
  EXPECT_EQ(Lines(), (QStringList{"ASH", "ZED"}));
  EXPECT_FALSE(folder.Has("sample.fwc"));
  EXPECT_TRUE(folder.Has("courses.fwc"));
  EXPECT_TRUE(messages.empty());

  // The sample is used up: without a course list the next window starts empty.
  form->close();
  std::filesystem::remove(folder.Path() / "courses.fwc");
  OpenForm();
  EXPECT_EQ(MessageTexts(), QStringList{"Error renaming sample courses file!"});
  EXPECT_TRUE(Lines().isEmpty());
  // Nothing to change or delete: no question, no dialog.
  Click(form->Ui().ModifyButton);
  Click(form->Ui().DeleteButton);
  EXPECT_EQ(messages.size(), 1u);

  fw::ui::CreateLongLivedWindows();
  dialog = TCourseForm::Instance();
  Click(form->Ui().AddButton);
  WaitForDialog();
  TypeTotalOnlyCourse("oak hills", "70.5", "121", "72");
  Click(form->Ui().SaveButton);
  EXPECT_EQ(folder.Read("courses.fwc"), Line("OAK HILLS", "70.5", "121", "72", kZeroPars));
}

TEST_F(CMaintTest, AddsCoursesByTotalAndHoleByHole) {
  OpenThree();
  Click(form->Ui().AddButton);
  WaitForDialog();
  EXPECT_TRUE(dialog->Ui().CourseName->text().isEmpty());
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("0"));
  TypeTotalOnlyCourse("dogwood", "69.5", "118", "70");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));  // taken and reset
  EXPECT_EQ(Lines(), (QStringList{"BIRCH", "CEDAR", "DOGWOOD", "MAPLE"}));
  // The new course took the last place; after the sort that place holds MAPLE.
  EXPECT_EQ(SelectedRow(), 3);
  EXPECT_TRUE(form->Ui().SaveButton->isEnabled());

  Trigger(form, "AddCourse1");
  WaitForDialog();
  TypeAndLeave(dialog->Ui().CourseName, "Alder");
  TypeAndLeave(dialog->Ui().RatingField, "");
  TypeAndLeave(dialog->Ui().SlopeField, "");
  for (int hole = 1; hole <= 18; ++hole)
    TypeAndLeave(dialog->Ui().Par[hole], QString(QLatin1Char(kOakPars[hole - 1])));
  EXPECT_EQ(dialog->Ui().ParTotal->text(), QStringLiteral("72"));
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(Lines(), (QStringList{"ALDER", "BIRCH", "CEDAR", "DOGWOOD", "MAPLE"}));
  EXPECT_EQ(SelectedRow(), 4);

  Click(form->Ui().SaveButton);
  EXPECT_FALSE(form->Ui().SaveButton->isEnabled());
  EXPECT_EQ(folder.Read("courses.fwc"),
            Line("ALDER", "0.0", "0", "72", kOakPars) + kBirch + kCedar +
                Line("DOGWOOD", "69.5", "118", "70", kZeroPars) + kMaple);
}

TEST_F(CMaintTest, ModifyMovesARenamedCourseAndKeepsTheSelectedPositionCancelChangesNothing) {
  OpenThree();
  Select(2);
  Trigger(form, "ModifyCourse1");
  WaitForDialog();
  TypeAndLeave(dialog->Ui().CourseName, "AAA");
  Click(dialog->Ui().CancelButton);
  EXPECT_EQ(Lines(), (QStringList{"BIRCH", "CEDAR", "MAPLE"}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_FALSE(form->Changed);
  EXPECT_FALSE(form->Ui().SaveButton->isEnabled());

  Select(1);
  Click(form->Ui().ModifyButton);
  WaitForDialog();
  EXPECT_EQ(dialog->Ui().CourseName->text(), QStringLiteral("BIRCH"));
  EXPECT_EQ(dialog->Ui().RatingField->text(), QStringLiteral("70.1"));
  EXPECT_EQ(dialog->Ui().ParOut->text(), QStringLiteral("36"));
  TypeAndLeave(dialog->Ui().CourseName, "willow");
  TypeAndLeave(dialog->Ui().SlopeField, "126");
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(Lines(), (QStringList{"CEDAR", "MAPLE", "WILLOW"}));
  EXPECT_EQ(SelectedRow(), 0);

  // A double-click changes the line clicked; its stored total is kept.
  QListWidgetItem* maple = form->Ui().List->item(1);
  QPoint where = form->Ui().List->visualItemRect(maple).center();
  QTest::mouseClick(form->Ui().List->viewport(), Qt::LeftButton, {}, where);
  QTest::mouseDClick(form->Ui().List->viewport(), Qt::LeftButton, {}, where);
  WaitForDialog();
  EXPECT_EQ(dialog->Ui().CourseName->text(), QStringLiteral("MAPLE"));
  dialog->Ui().ParTotal->setText("73");
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(SelectedRow(), 1);

  Trigger(form, "Save1");
  EXPECT_EQ(folder.Read("courses.fwc"), kCedar + Line("MAPLE", "72.0", "131", "73", kFlat) +
                                            Line("WILLOW", "70.1", "126", "72", kFlat));
}

TEST_F(CMaintTest, DeleteAsksAndSelectsTheLineThatMovedUp) {
  OpenThree();
  Select(2);
  Answer(MsgAnswer::kNo);
  Click(form->Ui().DeleteButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, QStringLiteral("Are you sure you want to delete this course?"));
  EXPECT_EQ(messages[0].buttons, fw::ui::MsgButtons::kYesNo);
  EXPECT_EQ(Lines().size(), 3);
  EXPECT_FALSE(form->Changed);

  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  EXPECT_EQ(Lines(), (QStringList{"BIRCH", "MAPLE"}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_TRUE(form->Ui().SaveButton->isEnabled());
  // The last line deleted: the new last line is selected.
  Answer(MsgAnswer::kYes);
  Trigger(form, "DeleteCourse1");
  EXPECT_EQ(Lines(), QStringList{"BIRCH"});
  EXPECT_EQ(SelectedRow(), 0);

  // No line selected: nothing is asked or opened.
  form->Ui().List->clearSelection();
  Click(form->Ui().DeleteButton);
  Click(form->Ui().ModifyButton);
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_FALSE(dialog->isVisible());

  Click(form->Ui().SaveButton);
  EXPECT_EQ(folder.Read("courses.fwc"), kBirch);
}

TEST_F(CMaintTest, StrokeIndexesFollowTheirCourseWhenRenamedOrDeleted) {
  const std::string order = "1~2~3~4~5~6~7~8~9~10~11~12~13~14~15~16~17~18~\r\n";
  const std::string reverse = "18~17~16~15~14~13~12~11~10~9~8~7~6~5~4~3~2~1~\r\n";
  folder.Write("holes.fwc", "BIRCH~" + reverse + "MAPLE~" + order);
  OpenThree();
  Select(3);  // MAPLE: the dialog shows its stroke indexes
  Click(form->Ui().ModifyButton);
  WaitForDialog();
  EXPECT_EQ(dialog->Ui().StrokeIndex[18]->text(), QStringLiteral("18"));
  TypeAndLeave(dialog->Ui().CourseName, "OAK");
  Click(dialog->Ui().OKButton);
  Select(1);  // BIRCH goes, and its line with it
  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  // A file left untouched by its own course stays as it was.
  EXPECT_EQ(folder.Read("holes.fwc"), "BIRCH~" + reverse + "MAPLE~" + order);
  Click(form->Ui().SaveButton);
  EXPECT_EQ(folder.Read("holes.fwc"), "OAK~" + order);
  EXPECT_EQ(Lines(), (QStringList{"CEDAR", "OAK"}));
}

TEST_F(CMaintTest, TheCourseLimitIsTwoHundred) {
  std::string courses;
  for (int i = 1; i <= 199; ++i)
    courses += Line("C" + std::to_string(1000 + i), "70.0", "113", "72", kFlat);
  Open(courses);
  Click(form->Ui().AddButton);
  WaitForDialog();
  TypeTotalOnlyCourse("LAST", "70.0", "113", "72");
  EXPECT_EQ(form->Courses.Count(), 200);
  EXPECT_TRUE(messages.empty());

  ShowActive(form);
  Click(form->Ui().AddButton);
  EXPECT_FALSE(dialog->isVisible());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("You have reached the maximum allowed number of courses.  If possible, "
                           "delete some courses that you do not use.  Then, you can enter more "
                           "new ones."));
  EXPECT_EQ(messages[0].kind, fw::ui::MsgKind::kWarning);
  EXPECT_EQ(messages[0].buttons, fw::ui::MsgButtons::kOk);
}

TEST_F(CMaintTest, EveryWayOutAsksAboutUnsavedChanges) {
  OpenThree();
  const std::string original = folder.Read("courses.fwc");
  // Nothing changed: nothing asked; a dialog left open goes unconfirmed.
  Click(form->Ui().ExitButton);
  EXPECT_TRUE(Closed());
  OpenForm();
  Click(form->Ui().AddButton);
  WaitForDialog();
  TypeAndLeave(dialog->Ui().CourseName, "HALF TYPED");
  form->close();
  EXPECT_TRUE(Closed());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("0"));
  EXPECT_TRUE(messages.empty());

  // Cancel stays with the changes, No drops them, Yes saves; the main
  // window's exit asks the same and exits unless the answer is Cancel.
  TMainForm main;
  main.show();
  enum Way { kExitButton, kCloseBox, kFileExit, kMainExit };
  const std::pair<Way, MsgAnswer> cases[] = {
      {kExitButton, MsgAnswer::kCancel}, {kCloseBox, MsgAnswer::kCancel},
      {kFileExit, MsgAnswer::kNo},       {kCloseBox, MsgAnswer::kYes},
      {kMainExit, MsgAnswer::kCancel},   {kMainExit, MsgAnswer::kYes}};
  for (auto [way, answer] : cases) {
    SCOPED_TRACE(testing::Message() << "way " << way << ", answer " << int(answer));
    if (Closed()) {
      folder.Write("courses.fwc", original);
      OpenForm();
      Answer(MsgAnswer::kYes);  // BIRCH goes; Enter on a focused button presses it
      form->Ui().DeleteButton->setFocus(Qt::TabFocusReason);
      QTest::keyClick(form->Ui().DeleteButton, Qt::Key_Return);
      ASSERT_EQ(Lines().size(), 2);
    }
    const std::size_t shown = messages.size();
    Answer(answer);
    if (way == kExitButton) Click(form->Ui().ExitButton);
    if (way == kCloseBox) form->close();
    if (way == kFileExit) Trigger(form, "Exit1");
    if (way == kMainExit) main.ExitButtonClick();
    ASSERT_EQ(messages.size(), shown + 1);
    EXPECT_EQ(messages.back().text, QStringLiteral("Save changes made to courses?"));
    EXPECT_EQ(messages.back().buttons, fw::ui::MsgButtons::kYesNoCancel);
    const bool stays = answer == MsgAnswer::kCancel;
    if (way == kMainExit) {
      EXPECT_EQ(exitCodes, stays ? std::vector<int>{} : std::vector<int>{0});
    } else {
      EXPECT_EQ(Closed(), !stays);
    }
    if (stays) {
      EXPECT_TRUE(form->Changed);
      EXPECT_EQ(Lines().size(), 2);
    }
    EXPECT_EQ(folder.Read("courses.fwc"), answer == MsgAnswer::kYes ? kCedar + kMaple : original);
  }
}

TEST_F(CMaintTest, AFailedSaveKeepsTheChanges) {
  OpenThree();
  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  std::filesystem::remove(folder.Path() / "courses.fwc");
  std::filesystem::create_directory(folder.Path() / "courses.fwc");
  Click(form->Ui().SaveButton);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].kind, fw::ui::MsgKind::kError);
  EXPECT_TRUE(form->Changed);
  EXPECT_TRUE(form->Ui().SaveButton->isEnabled());
  // Nor does the window close on a Yes whose save fails.
  Answer(MsgAnswer::kYes);
  Click(form->Ui().ExitButton);
  EXPECT_FALSE(Closed());
}

TEST_F(CMaintTest, ACourseConfirmedForAnotherWindowIsNotTaken) {
  OpenThree();
  OtherOpener other;
  ShowActive(&other);
  dialog->ClearCourse();
  dialog->ShowFor(&other);
  WaitForDialog();
  TypeTotalOnlyCourse("SCORE ENTRY COURSE", "70.0", "113", "72");
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));  // left for its opener
  ShowActive(form);
  form->FormActivate();
  EXPECT_EQ(Lines(), (QStringList{"BIRCH", "CEDAR", "MAPLE"}));
  EXPECT_FALSE(form->Changed);
  EXPECT_EQ(dialog->Ui().OkPressed->text(), QStringLiteral("1"));

  // Opened here, then taken over by the other window before OK.
  Click(form->Ui().AddButton);
  WaitForDialog();
  dialog->ClearCourse();
  dialog->ShowFor(&other);
  TypeTotalOnlyCourse("TAKEN OVER", "70.0", "113", "72");
  ShowActive(form);
  form->FormActivate();
  EXPECT_EQ(form->Courses.Count(), 3);
  EXPECT_FALSE(form->Changed);
}

TEST_F(CMaintTest, ACourseBeingChangedKeepsItsPlaceWhenAnotherIsDeleted) {
  OpenThree();
  Select(3);  // MAPLE
  Click(form->Ui().ModifyButton);
  WaitForDialog();
  ShowActive(form);
  Select(1);  // BIRCH
  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  dialog->activateWindow();
  WaitForDialog();
  TypeAndLeave(dialog->Ui().RatingField, "72.4");
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(Lines(), (QStringList{"CEDAR", "MAPLE"}));
  EXPECT_EQ(form->Courses[1].Rating, "68.4");
  EXPECT_EQ(form->Courses[2].Rating, "72.4");

  // The course being changed deleted: a confirmed change comes back as new.
  Select(1);
  Click(form->Ui().ModifyButton);
  WaitForDialog();
  ShowActive(form);
  Select(1);
  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);
  EXPECT_EQ(Lines(), QStringList{"MAPLE"});
  dialog->activateWindow();
  WaitForDialog();
  Click(dialog->Ui().OKButton);
  EXPECT_EQ(Lines(), (QStringList{"CEDAR", "MAPLE"}));
  EXPECT_EQ(form->Courses[2].Rating, "72.4");
}

TEST_F(CMaintTest, ACourseAddedFromScoreEntryJoinsTheOpenWindow) {
  OpenThree();
  Select(1);
  Answer(MsgAnswer::kYes);
  Click(form->Ui().DeleteButton);  // BIRCH, not saved yet
  // Score entry's Add Course writes the course list at once.
  TScoreForm* entry = TScoreForm::Instance();
  ShowActive(entry);
  Click(entry->Ui().AddCourseButton);
  WaitForDialog();
  TypeTotalOnlyCourse(QStringLiteral("ASPEN"), QStringLiteral("69.0"), QStringLiteral("120"),
                      QStringLiteral("71"));
  EXPECT_NE(folder.Read("courses.fwc").find("ASPEN"), std::string::npos);
  EXPECT_EQ(Lines(), (QStringList{"ASPEN", "CEDAR", "MAPLE"}));
  // The window's save keeps both: the deletion and the new course.
  Click(form->Ui().SaveButton);
  const std::string saved = folder.Read("courses.fwc");
  EXPECT_NE(saved.find("ASPEN"), std::string::npos);
  EXPECT_EQ(saved.find("BIRCH"), std::string::npos);
  EXPECT_TRUE(messages.size() == 1u) << MessageTexts().join("|").toStdString();
}

}  // namespace
}  // namespace fwtest
