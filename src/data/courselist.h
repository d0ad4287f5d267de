#pragma once
// The course list file "courses.fwc" (seeded from "sample.fwc"): one course a
// line, Name~Rating~Slope~ParTotal~Par1~...~Par18~.

#include <array>
#include <string>

#include "data/messenger.h"
#include "data/table.h"
#include "data/workfolder.h"

namespace fw {

struct TCourseRec {
  std::string Name;                // up to 30 characters; the sort key
  std::string Rating;              // up to 4, such as 70.5
  std::string Slope;               // up to 3, such as 121
  std::array<std::string, 18> Pars;  // one character each, holes 1 to 18
  std::string ParTotal;            // up to 2, such as 72

  bool operator==(const TCourseRec&) const = default;
};

// What the handicap list and the course handicap window need of a course.
struct TCourseSummary {
  std::string Name;
  std::string Rating;
  std::string Slope;
  std::string ParTotal;

  bool operator==(const TCourseSummary&) const = default;
};

inline constexpr int MaxCourses = 200;
inline constexpr std::size_t kCourseNameRoom = 30;
inline constexpr std::size_t kRatingRoom = 4;
inline constexpr std::size_t kSlopeRoom = 3;
inline constexpr std::size_t kParRoom = 1;
inline constexpr std::size_t kParTotalRoom = 2;
inline constexpr const char* kCourseListFile = "courses.fwc";
inline constexpr const char* kSampleCourseFile = "sample.fwc";
inline constexpr const char* kSampleRenameError = "Error renaming sample courses file!";

using CourseTable = Table<TCourseRec, MaxCourses>;
using CourseSummaryTable = Table<TCourseSummary, MaxCourses>;

// Placeholders: thirty X, "XXXX", "XXX", every par "0", total "00".
TCourseRec InitCourseRec();
// Placeholders: thirty X, "00.0", "000", "00".
TCourseSummary InitCourseSummary();

// Both loaders first seed "courses.fwc" by renaming "sample.fwc" when the course
// list does not exist; when that fails they show kSampleRenameError through
// `messenger` and leave the table empty. File order; sort afterwards. Stop at
// MaxCourses. Throw FileError when the file cannot be read, NotADataFileError
// when it or the sample to be renamed is no data file (a folder, a named pipe,
// UTF-16 text).
void LoadCourseList(const WorkFolder& folder, CourseTable& courses, Messenger& messenger);
void LoadCourseSummaries(const WorkFolder& folder, CourseSummaryTable& courses,
                         Messenger& messenger);

// Ascending by Name, byte by byte, with the exchange sort's order of equal names.
void SortCourseList(CourseTable& courses);
void SortCourseSummaries(CourseSummaryTable& courses);

// Replaces "courses.fwc" with the table, atomically.
void SaveCourseList(const WorkFolder& folder, const CourseTable& courses);

}  // namespace fw
