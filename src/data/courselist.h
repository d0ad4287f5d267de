#pragma once
// The course list file "courses.fwc" (seeded from "sample.fwc"): one course a
// line, Name~Rating~Slope~ParTotal~Par1~...~Par18~.

#include <array>
#include <string>

#include "data/fixedtext.h"
#include "data/messenger.h"
#include "data/table.h"
#include "data/workfolder.h"

namespace fw {

inline constexpr std::size_t kCourseNameRoom = 30;
inline constexpr std::size_t kRatingRoom = 4;
inline constexpr std::size_t kSlopeRoom = 3;
inline constexpr std::size_t kParRoom = 1;
inline constexpr std::size_t kParTotalRoom = 2;

using CourseName = FixedText<kCourseNameRoom>;
using RatingText = FixedText<kRatingRoom>;
using SlopeText = FixedText<kSlopeRoom>;
using ParTotalText = FixedText<kParTotalRoom>;

// Each field holds at most its room; a longer text assigned to it is cut.
struct TCourseRec {
  CourseName Name;                           // the sort key
  RatingText Rating;                         // such as 70.5
  SlopeText Slope;                           // such as 121
  std::array<FixedText<kParRoom>, 18> Pars;  // holes 1 to 18
  ParTotalText ParTotal;                     // such as 72

  bool operator==(const TCourseRec&) const = default;
};

// What the handicap list and the course handicap window need of a course.
struct TCourseSummary {
  CourseName Name;
  RatingText Rating;
  SlopeText Slope;
  ParTotalText ParTotal;

  bool operator==(const TCourseSummary&) const = default;
};

inline constexpr const char* kCourseListFile = "courses.fwc";
inline constexpr const char* kSampleCourseFile = "sample.fwc";
inline constexpr const char* kSampleRenameError = "Error renaming sample courses file!";
// What a newcomer who started Fairwick in some other folder can do about
// kSampleRenameError.
inline constexpr const char* kSampleRenameAdvice =
    "Fairwick works on the files of the folder it is started in, and found there no course list "
    "(courses.fwc) and no sample list (sample.fwc) to make one of. Start Fairwick from its "
    "launcher (Fairwick in the menu of programs, or fairwick-launcher), which sets up a club "
    "folder with the sample courses, or put a course list or sample.fwc into this folder.";

// The course table holds at most 200 courses, and the summaries of as many;
// MaxCourses names that limit.
using CourseTable = Table<TCourseRec, 200>;
using CourseSummaryTable = Table<TCourseSummary, CourseTable::kLimit>;
inline constexpr int MaxCourses = CourseTable::kLimit;

// Placeholders: thirty X, "XXXX", "XXX", every par "0", total "00".
TCourseRec InitCourseRec();
// Placeholders: thirty X, "00.0", "000", "00".
TCourseSummary InitCourseSummary();

// Both loaders first seed "courses.fwc" by renaming "sample.fwc" when the course
// list does not exist; when that fails they show kSampleRenameError with
// kSampleRenameAdvice through `messenger` and leave the table empty. File
// order; sort afterwards. Stop at MaxCourses. Throw FileError when the file
// cannot be read, NotADataFileError when it or the sample to be renamed is no
// data file (a folder, a named pipe, UTF-16 text).
// `seen`, when given, remembers what was read for SaveCourseList; a list of
// more than MaxCourses courses is marked partial.
void LoadCourseList(const WorkFolder& folder, CourseTable& courses, Messenger& messenger,
                    FileSnapshot* seen = nullptr);
void LoadCourseSummaries(const WorkFolder& folder, CourseSummaryTable& courses,
                         Messenger& messenger, FileSnapshot* seen = nullptr);

// Ascending by Name, byte by byte, with the exchange sort's order of equal names.
void SortCourseList(CourseTable& courses);
void SortCourseSummaries(CourseSummaryTable& courses);

// Replaces "courses.fwc" with the table, atomically, when it is still what
// `seen` says was read (FileChangedError otherwise; `seen` then holds what was
// written).
void SaveCourseList(const WorkFolder& folder, const CourseTable& courses, FileSnapshot& seen);

}  // namespace fw
