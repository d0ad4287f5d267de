#pragma once
// The two contents the save loop alternates between, for each of the three
// files it saves. They differ in every record and in length, so that a file cut
// short or mixed from both shows.

#include <string>

#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"

namespace fwcrash {

inline constexpr const char* kScoreFile = "PJONES.fwp";
inline const char* const kFiles[] = {kScoreFile, fw::kGolferListFile, fw::kCourseListFile};

inline fw::ScoreTable Scores(int variant) {
  fw::ScoreTable scores;
  const int rounds = variant == 0 ? fw::MaxScores : fw::MaxScores - 37;
  for (int i = 0; i < rounds; ++i) {
    fw::TScoreRec rec = fw::InitScoreRec();
    rec.Date = std::to_string(20261231 - i * 100 - variant);
    rec.CourseName = variant == 0 ? "HERON BAY" : "WILLOW BEND COUNTRY CLUB";
    rec.TotalScore = std::to_string(80 + (i + variant) % 20);
    rec.Rating = variant == 0 ? "70.1" : "71.9";
    rec.Slope = variant == 0 ? "121" : "133";
    rec.Comment = std::string(static_cast<std::size_t>(i % 50), variant == 0 ? 'a' : 'b');
    for (std::size_t h = 0; h < 18; ++h) {
      rec.HoleScores[h] = std::to_string(3 + (i + static_cast<int>(h) + variant) % 5);
      rec.HolePutts[h] = std::to_string(1 + (i + static_cast<int>(h)) % 3);
    }
    rec.AdjustedScore = rec.TotalScore;
    rec.IndexAtEntry = variant == 0 ? "14.0" : "9.7";
    rec.CourseHdcp = variant == 0 ? "15" : "11";
    scores.Append(rec);
  }
  return scores;
}

inline fw::GolferTable Golfers(int variant) {
  fw::GolferTable golfers;
  golfers.Append(fw::TGolferRec{"Pat Jones", "PJONES", variant});
  const int count = variant == 0 ? fw::MaxGolfers : fw::MaxGolfers / 2;
  for (int i = 1; i < count; ++i) {
    std::string n = std::to_string(i);
    golfers.Append(fw::TGolferRec{(variant == 0 ? "Golfer number " : "Member ") + n, "G" + n,
                                  (i + variant) % 2});
  }
  return golfers;
}

inline fw::CourseTable Courses(int variant) {
  fw::CourseTable courses;
  const int count = variant == 0 ? fw::MaxCourses : fw::MaxCourses / 3;
  for (int i = 0; i < count; ++i) {
    fw::TCourseRec rec = fw::InitCourseRec();
    rec.Name = (variant == 0 ? "COURSE " : "LINKS ") + std::to_string(i);
    rec.Rating = variant == 0 ? "69.8" : "72.4";
    rec.Slope = std::to_string(100 + i % 50 + variant);
    rec.ParTotal = variant == 0 ? "72" : "71";
    for (std::size_t h = 0; h < 18; ++h) rec.Pars[h] = std::to_string(3 + (h + variant) % 3);
    courses.Append(rec);
  }
  return courses;
}

// The golfer-change trial: six golfers whose short names are renamed back and
// forth and one of whom is deleted and added again, over and over. Each score
// file holds its golfer's own text, so that rounds that end up under another
// golfer's name, or are lost, show.
inline constexpr int kChangeGolfers = 6;
inline constexpr int kDeletedGolfer = kChangeGolfers - 1;

inline std::string ChangeLongName(int i) {
  return "Golfer " + std::to_string(i);
}
inline std::string ChangeShortName(int i, bool renamed) {
  return (renamed ? "ALT" : "GOLF") + std::to_string(i);
}
inline std::string ChangeRounds(int i) {
  return "20260101~rounds of golfer " + std::to_string(i) + "~\r\n";
}

inline fw::GolferTable ChangeGolfers() {
  fw::GolferTable golfers;
  for (int i = 0; i < kChangeGolfers; ++i)
    golfers.Append(fw::TGolferRec{ChangeLongName(i), ChangeShortName(i, false), 0});
  return golfers;
}

}  // namespace fwcrash
