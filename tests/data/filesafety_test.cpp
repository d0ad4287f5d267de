// Saves that never overwrite what they did not read, links and read-only
// files, folders that are gone, files beyond the tables' limits, and the
// golfer changes that touch two files.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "data/courselist.h"
#include "data/golferchanges.h"
#include "data/golferlist.h"
#include "data/recordingmessenger.h"
#include "data/scorefile.h"
#include "support/anothercopy.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& e) {
    return e.what();
  }
  return "(no error)";
}

TScoreRec Round(const char* date) {
  TScoreRec round = InitScoreRec();
  round.Date = date;
  round.CourseName = "HERON BAY";
  round.TotalScore = "90";
  return round;
}

TEST(FileSafetyTest, ASaveNeverOverwritesWhatAnotherWindowOrCopySavedMeanwhile) {
  fwtest::TempFolder tmp;
  const WorkFolder folder(tmp.Path());
  tmp.Write("golfers.fwc", "Pat Jones~PJONES~1~\r\n");

  // Two windows of one copy read the list; each adds a golfer.
  GolferTable first, second;
  FileSnapshot firstSeen, secondSeen;
  LoadGolferList(folder, first, &firstSeen);
  LoadGolferList(folder, second, &secondSeen);
  first.Append({"Ann Lee", "ANN", 1});
  second.Append({"Bo Dee", "BO", 0});
  SaveGolferList(folder, first, firstSeen);
  EXPECT_EQ(ErrorOf([&] { SaveGolferList(folder, second, secondSeen); }),
            "golfers.fwc was not saved: another window or another copy of Fairwick changed it "
            "after this window read it. Your changes are still here.");
  EXPECT_EQ(tmp.Read("golfers.fwc"), "Pat Jones~PJONES~1~\r\nAnn Lee~ANN~1~\r\n");
  EXPECT_FALSE(tmp.Has("BO.fwp"));
  // The first window saves again without a word: it wrote what is there now.
  first.Append({"Cy Fox", "CY", 0});
  EXPECT_NO_THROW(SaveGolferList(folder, first, firstSeen));

  // Another copy, as another process, stores a round in a score file a window
  // has loaded with an unsaved deletion: the window's save is refused.
  tmp.Write("PJONES.fwp", "");
  ScoreTable shown;
  FileSnapshot shownSeen;
  ScoreTable two;
  two.Append(Round("20260101"));
  two.Append(Round("20260102"));
  FileSnapshot empty = folder.Snapshot("PJONES.fwp");
  SaveScoreFile(folder, "PJONES.fwp", two, empty);
  LoadScoreFile(folder, "PJONES.fwp", shown, shownSeen);
  shown.Delete(1);
  fwtest::InAnotherCopy([&] {
    ScoreTable scratch;
    if (!StoreRound(folder, "PJONES.fwp", Round("20260103"), scratch).Stored) throw 1;
  });
  EXPECT_THROW(SaveScoreFile(folder, "PJONES.fwp", shown, shownSeen), FileChangedError);
  ScoreTable onDisk;
  LoadScoreFile(folder, "PJONES.fwp", onDisk);
  EXPECT_EQ(onDisk.Count(), 3);

  // A file that was absent when read and has appeared since is not replaced.
  CourseTable courses;
  FileSnapshot coursesSeen;
  fwtest::RecordingMessenger messages;
  LoadCourseList(folder, courses, messages, &coursesSeen);
  EXPECT_EQ(messages.shown, std::vector<std::string>{kSampleRenameError});
  tmp.Write("courses.fwc", "Oak Hills~70.5~121~72~\r\n");
  courses.Append(InitCourseRec());
  EXPECT_THROW(SaveCourseList(folder, courses, coursesSeen), FileChangedError);
  EXPECT_EQ(tmp.Read("courses.fwc"), "Oak Hills~70.5~121~72~\r\n");
}

TEST(FileSafetyTest, LinksStayLinksAndReadOnlyFilesAreNotReplaced) {
  fwtest::TempFolder tmp;
  tmp.MakeDir("club");
  tmp.MakeDir("elsewhere");
  const WorkFolder folder(tmp.Path() / "club");
  tmp.Write("elsewhere/PJONES.fwp", "");
  std::filesystem::create_symlink("../elsewhere/PJONES.fwp", tmp.Path() / "club/PJONES.fwp");

  ScoreTable scores;
  FileSnapshot seen;
  LoadScoreFile(folder, "PJONES.fwp", scores, seen);
  scores.Append(Round("20260101"));
  SaveScoreFile(folder, "PJONES.fwp", scores, seen);
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.Path() / "club/PJONES.fwp"));
  EXPECT_EQ(tmp.Read("elsewhere/PJONES.fwp"), FormatScoreFile(scores));
  EXPECT_TRUE(folder.Unchanged("PJONES.fwp", seen));

  tmp.Write("club/golfers.fwc", "Pat Jones~PJONES~1~\r\n");
  std::filesystem::permissions(tmp.Path() / "club/golfers.fwc", std::filesystem::perms::owner_read);
  GolferTable golfers;
  FileSnapshot golfersSeen;
  LoadGolferList(folder, golfers, &golfersSeen);
  golfers.Append({"Ann Lee", "ANN", 1});
  EXPECT_EQ(ErrorOf([&] { SaveGolferList(folder, golfers, golfersSeen); }),
            "golfers.fwc was not saved: the file is read-only. Your changes are still here.");
  EXPECT_EQ(tmp.Read("club/golfers.fwc"), "Pat Jones~PJONES~1~\r\n");
}

TEST(FileSafetyTest, AFolderThatIsGoneIsNotAnEmptyFolder) {
  fwtest::TempFolder tmp;
  tmp.MakeDir("club");
  const std::filesystem::path dir = tmp.Path() / "club";
  const WorkFolder folder(dir);
  tmp.Write("club/golfers.fwc", "Pat Jones~PJONES~1~\r\n");
  tmp.Write("club/courses.fwc", "Oak Hills~70.5~121~72~\r\n");
  GolferTable golfers;
  FileSnapshot seen;
  LoadGolferList(folder, golfers, &seen);

  // A network share that dropped: the folder's path leads nowhere for now.
  std::filesystem::rename(dir, tmp.Path() / "away");
  const std::string gone =
      "The folder \"" + dir.string() + "\" cannot be read: No such file or directory.";
  GolferTable reread;
  EXPECT_EQ(ErrorOf([&] { LoadGolferList(folder, reread); }), gone);
  CourseTable courses;
  fwtest::RecordingMessenger messages;
  EXPECT_EQ(ErrorOf([&] { LoadCourseList(folder, courses, messages); }), gone);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_THROW(SaveGolferList(folder, golfers, seen), FileError);
  EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(FileSafetyTest, FilesBeyondTheLimitsLoadWhatFitsAndAreNeverSavedShorter) {
  fwtest::TempFolder tmp;
  const WorkFolder folder(tmp.Path());
  std::string lines;
  for (int i = 0; i < 205; ++i) lines += std::to_string(20260000 + 205 - i) + "~X~80~\r\n";
  tmp.Write("PJONES.fwp", lines);
  ScoreTable scores;
  FileSnapshot seen;
  LoadScoreFile(folder, "PJONES.fwp", scores, seen);
  EXPECT_EQ(scores.Count(), 200);
  EXPECT_EQ(seen.PartialLoadNotice("PJONES.fwp"),
            "PJONES.fwp holds 205 rounds, more than the 200 Fairwick can keep. The first 200 are "
            "shown, and the file will not be saved from here, so that none of the others is lost.");
  scores.Delete(1);
  EXPECT_THROW(SaveScoreFile(folder, "PJONES.fwp", scores, seen), NotSavedError);
  EXPECT_EQ(tmp.Read("PJONES.fwp"), lines);
  ScoreTable scratch;
  EXPECT_FALSE(StoreRound(folder, "PJONES.fwp", Round("20270101"), scratch).Stored);
  EXPECT_EQ(tmp.Read("PJONES.fwp"), lines);

  std::string golfers;
  for (int i = 0; i < 301; ++i)
    golfers += "G" + std::to_string(i) + "~G" + std::to_string(i) + "~0~\r\n";
  tmp.Write("golfers.fwc", golfers);
  GolferTable table;
  FileSnapshot golfersSeen;
  LoadGolferList(folder, table, &golfersSeen);
  EXPECT_EQ(table.Count(), 300);
  EXPECT_EQ(golfersSeen.RecordsInFile(), 301);
  EXPECT_THROW(SaveGolferList(folder, table, golfersSeen), NotSavedError);
  EXPECT_THROW(DeleteGolfer(folder, "G1", golfersSeen), NotSavedError);
  EXPECT_EQ(tmp.Read("golfers.fwc"), golfers);
}

TEST(FileSafetyTest, GolferRenamesAndDeletesFinishOrUndoAfterACrash) {
  fwtest::TempFolder tmp;
  const WorkFolder folder(tmp.Path());
  const std::string list = "Pat Jones~PJONES~1~\r\nAnn Lee~ANN~1~\r\n";
  tmp.Write("golfers.fwc", list);
  tmp.Write("PJONES.fwp", "rounds");
  tmp.Write("ANN.fwp", "");
  GolferTable golfers;
  FileSnapshot seen;
  LoadGolferList(folder, golfers, &seen);

  // A rename carries the file and the list together, and the window that was
  // in step with the list stays in step.
  EXPECT_TRUE(RenameGolfer(folder, "PJONES", "PJ", seen));
  EXPECT_EQ(tmp.Read("PJ.fwp"), "rounds");
  EXPECT_EQ(tmp.Read("golfers.fwc"), "Pat Jones~PJ~1~\r\nAnn Lee~ANN~1~\r\n");
  EXPECT_TRUE(folder.Unchanged("golfers.fwc", seen));
  EXPECT_FALSE(RenameGolfer(folder, "PJ", "ann", seen));  // the name is taken
  EXPECT_FALSE(tmp.Has("golfers.intent"));
  DeleteGolfer(folder, "ANN", seen);
  EXPECT_EQ(tmp.Read("golfers.fwc"), "Pat Jones~PJ~1~\r\n");
  EXPECT_FALSE(tmp.Has("ANN.fwp"));

  // Killed after the score file was renamed, before the list was written: the
  // next start completes the rename.
  tmp.Write("golfers.intent", "rename~PJ~PATJ~\r\n");
  std::filesystem::rename(tmp.Path() / "PJ.fwp", tmp.Path() / "PATJ.fwp");
  EXPECT_EQ(FinishInterruptedGolferChange(folder),
            "The change of golfer PJ's short name to PATJ, cut short when Fairwick last stopped, "
            "has been completed.");
  EXPECT_EQ(tmp.Read("golfers.fwc"), "Pat Jones~PATJ~1~\r\n");
  // Killed before anything happened: nothing to do.
  tmp.Write("golfers.intent", "rename~PATJ~PAT~\r\n");
  EXPECT_EQ(FinishInterruptedGolferChange(folder), "");
  EXPECT_EQ(tmp.Read("PATJ.fwp"), "rounds");
  // A delete killed after the list was written: the score file goes too.
  tmp.Write("golfers.fwc", "");
  tmp.Write("golfers.intent", "delete~PATJ~\r\n");
  EXPECT_NE(FinishInterruptedGolferChange(folder), "");
  EXPECT_FALSE(tmp.Has("PATJ.fwp"));
  EXPECT_FALSE(tmp.Has("golfers.intent"));
}

}  // namespace
}  // namespace fw
