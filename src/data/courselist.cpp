#include "data/courselist.h"

#include "data/placeholders.h"
#include "data/recordtext.h"

namespace fw {
namespace {

constexpr int kCourseFields = 22;

// The first time a course list is needed the sample list becomes the user's.
// False (after telling the user) when there is no course list to read. A
// sample that is no file at all (a folder, a named pipe) is refused with a
// NotADataFileError rather than moved into the course list's place.
bool SeedCourseList(const WorkFolder& folder, Messenger& messenger) {
  if (folder.Exists(kCourseListFile)) return true;
  folder.CheckRegularFile(kSampleCourseFile);
  bool renamed = false;
  try {
    renamed = folder.Rename(kSampleCourseFile, kCourseListFile);
  } catch (const FileError&) {
    // A folder the system does not let us change: the same message.
  }
  if (renamed) return true;
  messenger.ShowMessageWithAdvice(kSampleRenameError, kSampleRenameAdvice);
  return false;
}

template <class Rec, class Table, class Parse>
void LoadCourses(const WorkFolder& folder, Table& courses, Messenger& messenger, FileSnapshot* seen,
                 Rec placeholder, Parse parse) {
  courses.Clear();
  if (seen) *seen = FileSnapshot();
  if (!SeedCourseList(folder, messenger)) return;
  FileSnapshot read;
  std::string bytes = folder.ReadText(kCourseListFile, read);
  LineCursor lines(bytes);
  std::string_view line;
  // Every line counts as a course, an empty one too (it keeps the placeholders).
  while (!courses.Full() && lines.Next(line)) parse(line, courses.Append(placeholder));
  const int inFile = courses.Count() + CountLines(lines.Rest());
  if (inFile > courses.kLimit) read.MarkPartial(inFile, courses, "courses");
  if (seen) *seen = std::move(read);
}

}  // namespace

TCourseRec InitCourseRec() {
  TCourseRec rec;
  rec.Name = UnsetFill(kCourseNameRoom);
  rec.Rating = UnsetFill(kRatingRoom);
  rec.Slope = UnsetFill(kSlopeRoom);
  rec.Pars.fill(kNothingEntered);
  rec.ParTotal = kNothingEntered2;
  return rec;
}

TCourseSummary InitCourseSummary() {
  return TCourseSummary{UnsetFill(kCourseNameRoom), kSummaryNoRating, kSummaryNoSlope,
                        kNothingEntered2};
}

namespace {

// Fields 1 to 4, which the full record and the summary share.
template <class Rec>
void StoreHeadField(Rec& rec, int field, std::string_view text) {
  if (field == 1) rec.Name = text;
  if (field == 2) rec.Rating = text;
  if (field == 3) rec.Slope = text;
  if (field == 4) rec.ParTotal = text;
}

}  // namespace

void LoadCourseList(const WorkFolder& folder, CourseTable& courses, Messenger& messenger,
                    FileSnapshot* seen) {
  LoadCourses(folder, courses, messenger, seen, InitCourseRec(),
              [](std::string_view line, TCourseRec& rec) {
                ScanTildeFields(line, kCourseFields, [&](int field, std::string_view text) {
                  if (field <= 4)
                    StoreHeadField(rec, field, text);
                  else
                    rec.Pars[static_cast<std::size_t>(field - 5)] = text;
                });
              });
}

void LoadCourseSummaries(const WorkFolder& folder, CourseSummaryTable& courses,
                         Messenger& messenger, FileSnapshot* seen) {
  LoadCourses(folder, courses, messenger, seen, InitCourseSummary(),
              [](std::string_view line, TCourseSummary& rec) {
                ScanTildeFields(line, 4, [&](int field, std::string_view text) {
                  StoreHeadField(rec, field, text);
                });
              });
}

namespace {

template <class Table>
void SortByName(Table& courses) {
  SortByText(courses, [](const auto& rec) { return rec.Name.view(); });
}

}  // namespace

void SortCourseList(CourseTable& courses) {
  SortByName(courses);
}
void SortCourseSummaries(CourseSummaryTable& courses) {
  SortByName(courses);
}

void SaveCourseList(const WorkFolder& folder, const CourseTable& courses, FileSnapshot& seen) {
  std::string bytes;
  for (const TCourseRec& rec : courses) {
    AppendField(bytes, rec.Name, kCourseNameRoom);
    AppendField(bytes, rec.Rating, kRatingRoom);
    AppendField(bytes, rec.Slope, kSlopeRoom);
    AppendField(bytes, rec.ParTotal, kParTotalRoom);
    for (const auto& par : rec.Pars) AppendField(bytes, par, kParRoom);
    bytes += kLineEnd;
  }
  folder.ReplaceIfUnchanged(kCourseListFile, bytes, seen);
}

}  // namespace fw
