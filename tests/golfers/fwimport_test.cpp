#include "golfers/fwimport.h"

#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "app/fwmain.h"
#include "data/backup.h"
#include "golfers/fwgolfer.h"
#include "golfers/fwgpick.h"
#include "golfers/fwprogress.h"
#include "golfers/golferfiles.h"
#include "reports/fwprthdp.h"
#include "support/uitest.h"
#include "ui/fwcodec.h"
#include "ui/fwfiledialog.h"

namespace fwtest {
namespace {

namespace fs = std::filesystem;

// The sample club, with the file questions answered from a queue.
class ExchangeTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    for (const auto& entry : fs::directory_iterator(FAIRWICK_SAMPLE_DIR))
      fs::copy_file(entry.path(), folder.Path() / entry.path().filename());
    fw::ui::SetFileDialogHandler([this](const fw::ui::FileQuestion& question) {
      asked.push_back(question);
      if (files.empty()) ADD_FAILURE() << "unanswered: " << question.caption.toStdString();
      if (files.empty()) return QString();
      QString answer = files.front();
      files.pop_front();
      return answer;
    });
  }
  void TearDown() override {
    fw::ui::SetFileDialogHandler({});
    UiTest::TearDown();
    EXPECT_TRUE(files.empty());
  }

  QString At(const std::string& name) const { return fw::ui::PathText(folder.Path() / name); }
  // The golfer list with a golfer selected.
  QPointer<TGPickForm> ListWith(const QString& longName) {
    QPointer<TGPickForm> pick = new TGPickForm;
    pick->setAttribute(Qt::WA_DeleteOnClose);
    ShowActive(pick);
    pick->Ui().GolferListBox->setCurrentItem(
        pick->Ui().GolferListBox->findItems(longName, Qt::MatchExactly).value(0));
    return pick;
  }
  fw::ScoreTable Rounds(const char* fileName) const {
    fw::ScoreTable scores;
    fw::LoadScoreFile(fw::ui::App().folder, fileName, scores);
    fw::SortScores(scores);
    return scores;
  }

  std::deque<QString> files;  // the answers, "" cancels
  std::vector<fw::ui::FileQuestion> asked;
};

TEST_F(ExchangeTest, ProgressChartsTheReplayedIndexUnderEitherRules) {
  const fw::ScoreTable pat = Rounds("PJONES.fwp");
  std::vector<double> latest;
  for (fw::HandicapRules rules : {fw::HandicapRules::kFairwick, fw::HandicapRules::kWhs}) {
    SCOPED_TRACE(static_cast<int>(rules));
    fw::ui::App().Rules = rules;
    QPointer<TGPickForm> pick = ListWith("Pat Jones");
    Click(pick->Ui().ProgressButton);
    std::vector<TProgressForm*> shown = OpenWindows<TProgressForm>();
    ASSERT_EQ(shown.size(), 1u);
    shown[0]->Ui().RangeField->setCurrentText("All rounds");
    const fw::ProgressSeries& series = shown[0]->Ui().ChartView->Series();
    const auto replay = fw::ReplayIndexes(pat, {"Pat Jones", 1}, fw::ui::IndexOptionsNow());
    ASSERT_EQ(series.Indexes.size(), replay.size());
    for (std::size_t i = 0; i < replay.size(); ++i) {
      EXPECT_EQ(series.Indexes[i].Day, fw::DayOfStoredDate(replay[i].Date));
      // The fixed 40.4 of her first four rounds is no index of her own.
      const bool fixedStart = rules == fw::HandicapRules::kFairwick && i < 4;
      EXPECT_EQ(series.Indexes[i].HasIndex, replay[i].HasIndex && !fixedStart);
      EXPECT_DOUBLE_EQ(series.Indexes[i].Index, replay[i].Index);
    }
    fw::ScoreTable counted = pat;
    fw::NoIndexOutput none;
    EXPECT_EQ(std::count_if(series.Rounds.begin(), series.Rounds.end(),
                            [](const fw::ProgressRoundPoint& p) { return p.Used; }),
              fw::ComputeIndex(counted, {"Pat Jones", 1}, none, fw::ui::IndexOptionsNow()).N);
    latest.push_back(series.Indexes.back().Index);
    shown[0]->close();
    pick->close();
  }
  EXPECT_NE(latest[0], latest[1]);

  // The score list opens one for the golfer it shows.
  TGolferForm score;
  score.ShowGolfer("PJONES.fwp", "Pat Jones", 1, nullptr);
  Trigger(&score, "Progress1");
  ASSERT_EQ(OpenWindows<TProgressForm>().size(), 1u);
  EXPECT_EQ(OpenWindows<TProgressForm>()[0]->windowTitle(), "Progress - Pat Jones");
}

TEST_F(ExchangeTest, ExportsThroughTheMenusReplacingFilesAtomically) {
  QPointer<TGPickForm> pick = ListWith("Pat Jones");
  const std::string stored = folder.Read("PJONES.fwp");
  files = {"", At("pjones.FWP"), At("pat")};
  Trigger(pick, "ExportRounds1");  // cancelled
  EXPECT_TRUE(messages.empty());
  Trigger(pick, "ExportRounds1");  // a data file's name: refused
  EXPECT_EQ(messages.back().kind, fw::ui::MsgKind::kError);
  EXPECT_EQ(folder.Read("PJONES.fwp"), stored);
  folder.Write("pat.csv", "older");
  ASSERT_EQ(::link((folder.Path() / "pat.csv").c_str(), (folder.Path() / "old.csv").c_str()), 0);
  Trigger(pick, "ExportRounds1");
  EXPECT_EQ(asked.back().proposed, At("PJONES.csv"));
  const std::string pat = folder.Read("pat.csv");
  EXPECT_EQ(std::count(pat.begin(), pat.end(), '\n'), 25);
  EXPECT_EQ(folder.Read("old.csv"), "older");  // a new file took the name
  EXPECT_EQ(MessageTexts().back(), "Rounds written to " + At("pat.csv") + ".");

  TMainForm main;
  files = {At("club.csv")};
  Trigger(&main, "ExportClub1");
  const std::string club = folder.Read("club.csv");
  int rows = 1;
  for (const char* name :
       {"PJONES.fwp", "JOHN_SMI.fwp", "MARY_O_N.fwp", "dmiller.fwp", "ZBRENNAN.fwp"})
    rows += Rounds(name).Count();
  EXPECT_EQ(std::count(club.begin(), club.end(), '\n'), rows);
  EXPECT_NE(club.find("\r\nPat Jones,PJONES,"), std::string::npos);

  TPrintHandicapsDlg list;
  ShowActive(&list);
  list.Ui().CourseField->setCurrentIndex(0);
  list.CourseFieldClick();
  list.IncAllBtnClick();
  files = {At("list")};
  Click(list.Ui().ExportListButton);
  EXPECT_EQ(folder.Read("list.csv")
                .rfind("Golfer,Index,Course handicap,Predicted score\r\n"
                       "Dave Miller,",
                       0),
            0u);
  for (const std::string& name : folder.Names()) EXPECT_FALSE(fw::WorkFolder::IsTempName(name));
}

TEST_F(ExchangeTest, ImportPreviewListsEveryRowAndWritesOnlyOnImport) {
  // Pat's rounds, one of them twice and one with a date that is no day.
  std::string csv = fw::GolferRoundsCsv(Rounds("PJONES.fwp"),
                                        std::vector<fw::RoundFigures>(24, fw::RoundFigures{}));
  const std::size_t row2 = csv.find('\n') + 1;
  const std::string second = csv.substr(row2, csv.find('\n', row2) + 1 - row2);
  csv += second + "2002-02-30" + second.substr(10);
  folder.Write("rounds.csv", csv);
  const std::string zoe = folder.Read("ZBRENNAN.fwp");
  TGolferForm score;
  score.ShowGolfer("ZBRENNAN.fwp", "Zoe Brennan", 1, nullptr);

  QPointer<TGPickForm> pick = ListWith(fw::ui::ToQt("Zo\xEB Brennan"));
  for (bool accept : {false, true}) {
    SCOPED_TRACE(accept);
    files = {At("rounds.csv")};
    Trigger(pick, "ImportRounds1");
    std::vector<TImportPreviewDlg*> preview = OpenWindows<TImportPreviewDlg>();
    ASSERT_EQ(preview.size(), 1u);
    EXPECT_EQ(preview[0]->windowTitle(), fw::ui::ToQt("Import Rounds - Zo\xEB Brennan"));
    EXPECT_EQ(preview[0]->Ui().AddListBox->count(), 24);
    EXPECT_EQ(preview[0]->Ui().SkippedListBox->item(0)->text(),
              "Line 26: the same round as line 2");
    EXPECT_TRUE(preview[0]->Ui().RefusedListBox->item(0)->text().startsWith("Line 27: Date: "));
    Click(accept ? preview[0]->Ui().ImportButton : preview[0]->Ui().CancelButton);
    EXPECT_TRUE(OpenWindows<TImportPreviewDlg>().empty());
    if (!accept) {
      EXPECT_EQ(folder.Read("ZBRENNAN.fwp"), zoe);
    }
  }
  EXPECT_EQ(Rounds("ZBRENNAN.fwp").Count(), 27);
  EXPECT_NE(folder.Read("ZBRENNAN.fwp"), zoe);
  EXPECT_EQ(score.Ui().ScoresListBox->count(), 27);  // the score list on show took them
  EXPECT_EQ(MessageTexts().back(), fw::ui::ToQt("24 rounds added to the scores of Zo\xEB Brennan "
                                                "(ZBRENNAN.fwp)."));
}

TEST_F(ExchangeTest, BackUpAndRestoreThroughTheMenusIntoAnEmptyFolderOnly) {
  if (!fw::CanBackUp()) GTEST_SKIP() << "built without libzip";
  TempFolder elsewhere;
  elsewhere.MakeDir("restored");
  const QString zip = fw::ui::PathText(elsewhere.Path() / "club.zip");
  const QString restored = fw::ui::PathText(elsewhere.Path() / "restored");
  TMainForm main;
  QStringList started;
  main.StartCopyIn = [&](const QString& dir) {
    started << dir;
    return true;
  };
  files = {zip};
  Trigger(&main, "BackUpClub1");
  EXPECT_EQ(asked[0].proposed,
            fw::ui::PathText(folder.Path().parent_path() / "fairwick-backup-2002-01-10.zip"));
  files = {zip, restored};
  Answer(fw::ui::MsgAnswer::kYes);
  Trigger(&main, "RestoreClub1");
  EXPECT_EQ(started, QStringList{restored});
  for (const char* name : {"golfers.fwc", "PJONES.fwp", "dmiller.fwp"})
    EXPECT_EQ(elsewhere.Read(std::string("restored/") + name), folder.Read(name)) << name;

  // Into a folder that holds anything: refused, no question, nothing written.
  const std::size_t before = messages.size();
  elsewhere.Write("restored/PJONES.fwp", "mine");
  files = {zip, restored};
  Trigger(&main, "RestoreClub1");
  ASSERT_EQ(messages.size(), before + 1);
  EXPECT_EQ(messages.back().kind, fw::ui::MsgKind::kError);
  EXPECT_EQ(elsewhere.Read("restored/PJONES.fwp"), "mine");
  EXPECT_EQ(started.size(), 1);
}

}  // namespace
}  // namespace fwtest
