#pragma once
// Stored rounds built in memory for the handicap tests.

#include <cstdio>
#include <string>

#include "data/scorefile.h"
#include "data/textutil.h"

namespace fwtest {

// A complete round: total, rating and slope as given, no adjusted score.
inline fw::TScoreRec MakeRound(std::string date, std::string total, std::string rating,
                               std::string slope, std::string course = "Oak Hills") {
  fw::TScoreRec r;
  r.Date = std::move(date);
  r.CourseName = std::move(course);
  r.TotalScore = std::move(total);
  r.Rating = std::move(rating);
  r.Slope = std::move(slope);
  r.HoleScores.fill("0");
  r.HolePutts.fill("0");
  r.AdjustedScore = "XXX";
  r.IndexAtEntry = "0";
  r.CourseHdcp = "0";
  return r;
}

// The numeric fields of a round, to name in tables of cases.
enum class Field { kTotal, kAdjusted, kRating, kSlope };
inline void SetField(fw::TScoreRec& r, Field field, const char* text) {
  switch (field) {
    case Field::kTotal:
      r.TotalScore = text;
      break;
    case Field::kAdjusted:
      r.AdjustedScore = text;
      break;
    case Field::kRating:
      r.Rating = text;
      break;
    case Field::kSlope:
      r.Slope = text;
      break;
  }
}

// Stored dates that fall with the position: 1 -> 20021228, 2 -> 20021227, ...
inline std::string DateFor(int position) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "2002%02d%02d", 12 - (position - 1) / 28,
                28 - (position - 1) % 28);
  return buf;
}

// A complete round at `position` whose differential is `differential` (one
// decimal, -9.9 to 89.9): total 90 on a slope of 113 with the rating, which
// holds four characters, making up the rest.
inline fw::TScoreRec RoundWithDifferential(int position, double differential,
                                           std::string course = "Oak Hills") {
  return MakeRound(DateFor(position), "90", fw::FormatFixed(90.0 - differential, 0, 1), "113",
                   std::move(course));
}

}  // namespace fwtest
