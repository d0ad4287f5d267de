// The course list (or the sample list it is seeded from) as any bytes: both
// loaders, the sort, course handicaps and predicted scores, the save. The same
// bytes as the hole list "holes.fwc": its load, format and save round trips,
// the lookup of stroke indexes and what a course rename or delete does.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "data/convert.h"
#include "data/courselist.h"
#include "data/holelist.h"
#include "data/recordtext.h"
#include "data/textutil.h"
#include "fuzzfolder.h"
#include "handicap/coursehandicap.h"
#include "handicap/handicapindex.h"
#include "handicap/scoreeval.h"

namespace {

using namespace fw;

class QuietMessenger : public Messenger {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

// The indexes a golfer can hold: the lowest a real round gives up to the cap.
constexpr double kIndexes[] = {(0.0 - kMaxRating) * 113.0 / kMinSlope * 0.96,
                               -5.0,
                               0.0,
                               0.1,
                               9.7,
                               18.4,
                               kMaxIndexMan,
                               kMaxIndexWoman};

// The hole list of the bytes: what is saved reads back the same and saves the
// same again; a course's stroke indexes are those of its first line when they
// hold each of 1 to 18 once; setting, renaming and removing them do just that.
void CheckHoleList(const fwfuzz::Scratch& scratch, const WorkFolder& folder,
                   std::string_view bytes) {
  scratch.Write(kHoleListFile, bytes);
  HoleTable holes;
  try {
    LoadHoleList(folder, holes);
  } catch (const NotADataFileError&) {
    // UTF-16 text, refused and left as it is.
    FUZZ_CHECK(holes.Empty());
    FUZZ_CHECK(scratch.Read(kHoleListFile) == bytes);
    folder.Remove(kHoleListFile);
    return;
  }
  const std::string formatted = FormatHoleList(holes);
  HoleTable reread;
  ParseHoleList(formatted, reread);
  FUZZ_CHECK(fwfuzz::SameRecords(reread, holes), fwfuzz::Shown(formatted));
  SaveHoleList(folder, holes, fwfuzz::OnDisk(folder, kHoleListFile));
  LoadHoleList(folder, reread);
  FUZZ_CHECK(fwfuzz::SameRecords(reread, holes));
  FUZZ_CHECK(FormatHoleList(reread) == formatted);

  for (int i = 1; i <= holes.Count(); ++i) {
    const std::optional<StrokeIndexes> found = StrokeIndexesOf(holes, holes[i].Name);
    if (FindHoleRec(holes, holes[i].Name) != i) continue;
    std::array<std::string, 18> texts;
    for (std::size_t h = 0; h < 18; ++h) texts[h] = holes[i].StrokeIndex[h].str();
    const StrokeIndexCheck check = CheckStrokeIndexes(texts);
    FUZZ_CHECK(found == check.Values);
    if (found) {
      std::array<int, 19> uses{};
      for (int n : *found) ++uses[static_cast<std::size_t>(n)];
      FUZZ_CHECK(std::count(uses.begin() + 1, uses.end(), 1) == 18);
    }
  }
  if (!holes.Empty()) {
    const std::string name = holes[1].Name.str();
    StrokeIndexes straight;
    for (std::size_t h = 0; h < 18; ++h) straight[h] = static_cast<int>(h) + 1;
    SetStrokeIndexes(holes, name, straight);
    FUZZ_CHECK(StrokeIndexesOf(holes, name) == straight);
    RenameHoleRecs(holes, name, "Fuzz Renamed");
    FUZZ_CHECK(StrokeIndexesOf(holes, "fuzz renamed") == straight);
    FUZZ_CHECK(FindHoleRec(holes, name) == 0 || SameTextIgnoringCase(name, "Fuzz Renamed"));
    RemoveHoleRecs(holes, "FUZZ RENAMED");
    FUZZ_CHECK(FindHoleRec(holes, "Fuzz Renamed") == 0);
  }
  folder.Remove(kHoleListFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const fwfuzz::Scratch& scratch = fwfuzz::TheScratch();
  scratch.Clear();
  const WorkFolder folder(scratch.Work());
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool seeded = (data[0] & 1) != 0;
  CheckHoleList(scratch, folder, bytes);
  scratch.Write(seeded ? kSampleCourseFile : kCourseListFile, bytes);

  QuietMessenger messenger;
  CourseTable courses;
  CourseSummaryTable summaries;
  try {
    LoadCourseList(folder, courses, messenger);
  } catch (const NotADataFileError&) {
    // UTF-16 text, refused and left as it is.
    FUZZ_CHECK(courses.Empty());
    FUZZ_CHECK(scratch.Read(kCourseListFile) == bytes);
    scratch.CheckNothingOutside();
    return 0;
  }
  FUZZ_CHECK(messenger.shown.empty());
  // The sample became the course list, by name.
  FUZZ_CHECK(scratch.Names() == std::vector<std::string>{kCourseListFile});
  FUZZ_CHECK(scratch.Read(kCourseListFile) == bytes);
  LoadCourseSummaries(folder, summaries, messenger);
  FUZZ_CHECK(courses.Count() == summaries.Count() && courses.Count() <= MaxCourses);
  for (int i = 1; i <= courses.Count(); ++i) FUZZ_CHECK(courses[i].Name == summaries[i].Name);

  SortCourseList(courses);
  SortCourseSummaries(summaries);
  for (int i = 1; i < courses.Count(); ++i) {
    FUZZ_CHECK(!TextLess(courses[i + 1].Name, courses[i].Name));
    FUZZ_CHECK(courses[i].Name == summaries[i].Name);
  }

  for (const TCourseSummary& course : summaries) {
    const std::optional<double> slope = ReadFloat(course.Slope);
    for (double index : kIndexes) {
      const int ch = CourseHandicapOf(index, slope.value_or(0.0));
      // Never more strokes than the highest slope gives the index.
      FUZZ_CHECK(std::abs(static_cast<double>(ch)) <= std::abs(index) * kMaxSlope / 113.0 + 0.5,
                 course.Slope + " " + std::to_string(ch));
      if (!slope || *slope < kMinSlope || *slope > kMaxSlope) FUZZ_CHECK(ch == 0);
      try {
        const int predicted = PredictedScoreOf(ch, course.ParTotal);
        FUZZ_CHECK(predicted == ch + StrToInt(course.ParTotal));
      } catch (const ConversionError&) {
      }
    }
  }

  // What is saved reads back the same, and saving it again changes nothing.
  SaveCourseList(folder, courses, fwfuzz::OnDisk(folder, fw::kCourseListFile));
  const std::string saved = scratch.Read(kCourseListFile);
  CourseTable reread;
  LoadCourseList(folder, reread, messenger);
  FUZZ_CHECK(fwfuzz::SameRecords(reread, courses), fwfuzz::Shown(saved));
  courses = reread;
  SaveCourseList(folder, reread, fwfuzz::OnDisk(folder, fw::kCourseListFile));
  FUZZ_CHECK(scratch.Read(kCourseListFile) == saved);
  FUZZ_CHECK(scratch.Names() == std::vector<std::string>{kCourseListFile});
  scratch.CheckNothingOutside();
  return 0;
}
