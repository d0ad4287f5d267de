#include "data/courselist.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "data/pipewatchdog.h"
#include "data/recordingmessenger.h"
#include "support/fsizelimit.h"
#include "support/ondisk.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using Names = std::vector<std::string>;

const std::string kOakHills = "Oak Hills~70.5~121~72~4~5~3~4~4~5~3~4~4~4~5~3~4~4~5~3~4~4~\r\n";

CourseTable Load(const fwtest::TempFolder& tmp, fwtest::RecordingMessenger& messages) {
  CourseTable courses;
  LoadCourseList(WorkFolder(tmp.Path()), courses, messages);
  return courses;
}

CourseTable Load(const fwtest::TempFolder& tmp) {
  fwtest::RecordingMessenger messages;
  CourseTable courses = Load(tmp, messages);
  EXPECT_TRUE(messages.shown.empty());
  return courses;
}

CourseSummaryTable LoadSummaries(const fwtest::TempFolder& tmp) {
  fwtest::RecordingMessenger messages;
  CourseSummaryTable courses;
  LoadCourseSummaries(WorkFolder(tmp.Path()), courses, messages);
  EXPECT_TRUE(messages.shown.empty());
  return courses;
}

TCourseRec Course(std::string name) {
  TCourseRec rec = InitCourseRec();
  rec.Name = std::move(name);
  return rec;
}

TEST(CourseListTest, RoundTripKeepsTheExactBytes) {
  fwtest::TempFolder tmp;
  std::string bytes = kOakHills + "Pine~68.9~113~70~";
  for (int h = 1; h <= 18; ++h) bytes += h == 18 ? "2~" : "4~";
  bytes += "\r\n";
  tmp.Write("courses.fwc", bytes);
  CourseTable c = Load(tmp);
  ASSERT_EQ(c.Count(), 2);
  EXPECT_EQ(c[1].Name, "Oak Hills");
  EXPECT_EQ(c[1].Rating, "70.5");
  EXPECT_EQ(c[1].Slope, "121");
  EXPECT_EQ(c[1].ParTotal, "72");
  EXPECT_EQ(c[1].Pars[2], "3");
  EXPECT_EQ(c[1].Pars[17], "4");
  EXPECT_EQ(c[2].Pars[17], "2");
  SaveCourseList(WorkFolder(tmp.Path()), c,
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kCourseListFile));
  EXPECT_EQ(tmp.Read("courses.fwc"), bytes);
}

TEST(CourseListTest, ReaderQuirksAndCutting) {
  fwtest::TempFolder tmp;
  tmp.Write("courses.fwc",
            "Oak Hills~70.5~121~\r\n"
            "\r\n"
            "No tilde\n" +
                std::string(35, 'N') + "~70.55~1210~720~45~" + std::string(16, '~') +
                "9~extra~\n"
                "Last~71.0~130~72~4~");
  CourseTable c = Load(tmp);
  ASSERT_EQ(c.Count(), 5);
  TCourseRec partial = InitCourseRec();
  partial.Name = "Oak Hills";
  partial.Rating = "70.5";
  partial.Slope = "121";
  EXPECT_EQ(c[1], partial);
  EXPECT_EQ(c[1].ParTotal, "00");
  EXPECT_EQ(c[2], InitCourseRec());
  EXPECT_EQ(c[2].Name, std::string(30, 'X'));
  EXPECT_EQ(c[2].Rating, "XXXX");
  EXPECT_EQ(c[2].Slope, "XXX");
  EXPECT_EQ(c[3], InitCourseRec());
  EXPECT_EQ(c[4].Name, std::string(30, 'N'));
  EXPECT_EQ(c[4].Rating, "70.5");
  EXPECT_EQ(c[4].Slope, "121");
  EXPECT_EQ(c[4].ParTotal, "72");
  EXPECT_EQ(c[4].Pars[0], "4");
  EXPECT_EQ(c[4].Pars[1], "");
  EXPECT_EQ(c[4].Pars[17], "9");  // the 22nd field; "extra" after it is ignored
  EXPECT_EQ(c[5].Pars[0], "4");
  EXPECT_EQ(c[5].Pars[1], "0");
}

TEST(CourseListTest, SummariesHoldTheFirstFourFields) {
  fwtest::TempFolder tmp;
  tmp.Write("courses.fwc", kOakHills + "Pine~\r\n\r\n");
  CourseSummaryTable s = LoadSummaries(tmp);
  ASSERT_EQ(s.Count(), 3);
  EXPECT_EQ(s[1], (TCourseSummary{"Oak Hills", "70.5", "121", "72"}));
  EXPECT_EQ(s[2], (TCourseSummary{"Pine", "00.0", "000", "00"}));
  EXPECT_EQ(s[3], InitCourseSummary());
  EXPECT_EQ(s[3].Name, std::string(30, 'X'));
}

TEST(CourseListTest, LoadersStopAtTheLimit) {
  fwtest::TempFolder tmp;
  std::string many;
  for (int i = 1; i <= 201; ++i) many += "C" + std::to_string(i) + "~70.0~113~72~\r\n";
  tmp.Write("courses.fwc", many);
  CourseTable c = Load(tmp);
  ASSERT_EQ(c.Count(), 200);
  EXPECT_EQ(c[200].Name, "C200");
  EXPECT_EQ(LoadSummaries(tmp).Count(), 200);
}

TEST(CourseListTest, SampleListSeedsTheCourseList) {
  fwtest::TempFolder tmp;
  tmp.Write("sample.fwc", kOakHills);
  CourseTable c = Load(tmp);
  ASSERT_EQ(c.Count(), 1);
  EXPECT_EQ(c[1].Name, "Oak Hills");
  EXPECT_EQ(tmp.Names(), (Names{"courses.fwc"}));
  EXPECT_EQ(tmp.Read("courses.fwc"), kOakHills);

  // The summaries seed too, whatever the case of the sample's name.
  fwtest::TempFolder tmp2;
  tmp2.Write("SAMPLE.FWC", kOakHills);
  EXPECT_EQ(LoadSummaries(tmp2).Count(), 1);
  EXPECT_EQ(tmp2.Names(), (Names{"courses.fwc"}));
}

TEST(CourseListTest, ExistingCourseListIsNotReseeded) {
  fwtest::TempFolder tmp;
  tmp.Write("COURSES.FWC", "Mine~\r\n");
  tmp.Write("sample.fwc", kOakHills);
  CourseTable c = Load(tmp);
  ASSERT_EQ(c.Count(), 1);
  EXPECT_EQ(c[1].Name, "Mine");
  EXPECT_EQ(tmp.Names(), (Names{"COURSES.FWC", "sample.fwc"}));
}

TEST(CourseListTest, NoListAndNoSampleTellsTheUserAndSavingCreatesTheList) {
  fwtest::TempFolder tmp;
  fwtest::RecordingMessenger messages;
  EXPECT_EQ(Load(tmp, messages).Count(), 0);
  EXPECT_EQ(messages.shown, (Names{"Error renaming sample courses file!"}));

  CourseSummaryTable s;
  LoadCourseSummaries(WorkFolder(tmp.Path()), s, messages);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(messages.shown.size(), 2u);

  SaveCourseList(WorkFolder(tmp.Path()), CourseTable{},
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kCourseListFile));
  EXPECT_EQ(tmp.Read("courses.fwc"), "");
  messages.shown.clear();
  EXPECT_EQ(Load(tmp, messages).Count(), 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(CourseListTest, ASampleThatIsNoFileIsRefusedAndStaysWhereItIs) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.MakeDir("sample.fwc");
  ASSERT_EQ(::mkfifo((tmp.Path() / "SAMPLE.FWC").c_str(), 0666), 0);
  fwtest::PipeWatchdog watchdog(tmp.Path() / "SAMPLE.FWC");
  fwtest::RecordingMessenger messages;
  CourseTable c;
  c.Append(Course("Kept"));
  try {
    LoadCourseList(folder, c, messages);
    ADD_FAILURE() << "no error";
  } catch (const NotADataFileError& e) {
    EXPECT_STREQ(e.what(), "sample.fwc is a folder, not a data file.");
  }
  EXPECT_EQ(c.Count(), 0);
  std::filesystem::remove(tmp.Path() / "sample.fwc");
  CourseSummaryTable s;
  EXPECT_THROW(LoadCourseSummaries(folder, s, messages), NotADataFileError);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(tmp.Names(), (Names{"SAMPLE.FWC"}));

  // A course list stored as UTF-16 is refused and kept.
  const std::string utf16("\xFF\xFEO\0a\0k\0~\0", 10);
  tmp.Write("courses.fwc", utf16);
  EXPECT_THROW(LoadCourseList(folder, c, messages), NotADataFileError);
  EXPECT_THROW(SaveCourseList(folder, c, fwtest::OnDisk(folder, fw::kCourseListFile)),
               NotADataFileError);
  EXPECT_EQ(tmp.Read("courses.fwc"), utf16);

  // With a byte order mark and lone CRs the courses read as usual.
  tmp.Write("courses.fwc", "\xEF\xBB\xBFOak Hills~70.5~121~\rPine~69.0~118~\r");
  LoadCourseList(folder, c, messages);
  ASSERT_EQ(c.Count(), 2);
  EXPECT_EQ(c[1].Name, "Oak Hills");
  EXPECT_EQ(c[2].Slope, "118");
  // A first name that begins with those three characters keeps them, save
  // after save.
  c[1].Name = "\xEF\xBB\xBFOak";
  for (int save = 0; save < 2; ++save) {
    SaveCourseList(folder, c, fwtest::OnDisk(folder, fw::kCourseListFile));
    LoadCourseList(folder, c, messages);
    EXPECT_EQ(c[1].Name, "\xEF\xBB\xBFOak");
  }
}

TEST(CourseListTest, SortIsAscendingByCodeWithTheExchangeOrderOfEqualNames) {
  CourseTable c;
  for (const char* n : {"Pine Valley", "oak hills", "Oak Hills"}) c.Append(Course(n));
  SortCourseList(c);
  EXPECT_EQ(c[1].Name, "Oak Hills");
  EXPECT_EQ(c[2].Name, "Pine Valley");
  EXPECT_EQ(c[3].Name, "oak hills");

  c.Clear();
  for (const char* slope : {"1", "2", "3"}) {
    c.Append(Course(*slope == '1' ? "Pine" : "Oak"));
    c[c.Count()].Slope = slope;
  }
  SortCourseList(c);
  EXPECT_EQ(c[1].Slope, "3");
  EXPECT_EQ(c[2].Slope, "2");
  EXPECT_EQ(c[3].Slope, "1");

  c.Clear();
  for (const char* slope : {"1", "2", "3", "4"}) {
    c.Append(Course(*slope % 2 ? "Pine" : "Oak"));
    c[c.Count()].Slope = slope;
  }
  SortCourseList(c);
  Names slopes;
  for (const auto& r : c) slopes.emplace_back(r.Slope);
  EXPECT_EQ(slopes, (Names{"4", "2", "1", "3"}));

  CourseSummaryTable s;
  s.Append({"Pine", "", "1", ""});
  s.Append({"Oak", "", "2", ""});
  s.Append({"Oak", "", "3", ""});
  SortCourseSummaries(s);
  EXPECT_EQ(s[1].Slope, "3");
  EXPECT_EQ(s[2].Slope, "2");
  EXPECT_EQ(s[3].Name, "Pine");
}

TEST(CourseListTest, WriterCutsFieldsAndKeepsEachCourseOnOneLine) {
  fwtest::TempFolder tmp;
  CourseTable c;
  TCourseRec rec = Course(std::string(35, 'N'));
  rec.Rating = "70.55";
  rec.Slope = "1~3";
  rec.ParTotal = "7\n";
  rec.Pars.fill("45");
  rec.Pars[0] = "\r";
  c.Append(rec);
  SaveCourseList(WorkFolder(tmp.Path()), c,
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kCourseListFile));
  std::string pars = " ~";
  for (int h = 2; h <= 18; ++h) pars += "4~";
  EXPECT_EQ(tmp.Read("courses.fwc"), std::string(30, 'N') + "~70.5~1 3~7 ~" + pars + "\r\n");
}

TEST(CourseListTest, FailedSaveKeepsTheOldList) {
  fwtest::TempFolder tmp;
  tmp.Write("courses.fwc", kOakHills);
  CourseTable c;
  c.Append(Course("New"));
  {
    fwtest::FileSizeLimit full(4);
    EXPECT_THROW(SaveCourseList(WorkFolder(tmp.Path()), c,
                                fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kCourseListFile)),
                 FileError);
  }
  EXPECT_EQ(tmp.Read("courses.fwc"), kOakHills);
}

}  // namespace
}  // namespace fw
