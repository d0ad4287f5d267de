#include "club.h"

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "data/convert.h"
#include "data/scorefile.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"
#include "handicap/scoreeval.h"

namespace fwbench {
namespace {

struct Course {
  const char* Name;
  double Rating;
  int Slope;
  std::array<int, 18> Pars;
};

constexpr std::array<int, 18> kPars72 = {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 4, 5, 4, 4, 3, 5, 4};
constexpr std::array<int, 18> kPars71 = {4, 5, 3, 4, 4, 3, 4, 4, 5, 4, 4, 3, 4, 5, 4, 3, 4, 4};
constexpr std::array<int, 18> kPars70 = {4, 4, 3, 4, 5, 3, 4, 4, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4};

const Course kCourses[] = {
    {"Oak Hills", 70.5, 121, kPars72},
    {"Pine Valley", 74.1, 144, kPars70},
    {"Riverside Municipal North", 68.9, 112, kPars71},
    {"Cedar Creek Golf & Country Clb", 72.3, 131, kPars72},
    {"The Links at Heron Bay", 71.8, 127, kPars72},
    {"Willow Brook", 69.4, 118, kPars70},
    {"Eagle Ridge", 73.0, 138, kPars72},
    {"Sandy Pines Executive", 66.2, 104, kPars70},
    {"Fox Run", 70.0, 123, kPars71},
    {"Lakeview Country Club East", 71.2, 125, kPars72},
    {"Maple Leaf", 67.8, 115, kPars70},
    {"Stonegate", 72.9, 134, kPars72},
};

const char* const kWords[] = {"windy",      "rain", "great", "putting", "drive",   "slice",
                              "bunker",     "lost", "ball",  "on",      "the",     "back",
                              "nine",       "with", "Bob",   "and",     "Sue",     "birdie",
                              "three-putt", "cold", "fast",  "greens",  "aerated", "cart path"};

const char* const kFirstNames[] = {"Pat",   "Chris", "Robin",  "Alex", "Jordan", "Sam",
                                   "Terry", "Dana",  "Leslie", "Kim",  "Morgan", "Lee",
                                   "Jamie", "Casey", "Avery",  "Drew", "Quinn",  "Riley"};
const char* const kLastNames[] = {"Jones",   "Smith",  "Miller",    "Okafor",  "Nguyen",
                                  "Garcia",  "Larsen", "O'Donnell", "Fischer", "Kowalski",
                                  "Bennett", "Hughes", "Takahashi", "Moreau",  "Van der Berg"};

template <std::size_t N>
const char* Pick(std::mt19937& rng, const char* const (&list)[N]) {
  return list[std::uniform_int_distribution<std::size_t>(0, N - 1)(rng)];
}

std::string StoredDate(std::chrono::sys_days day) {
  std::chrono::year_month_day ymd{day};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02u%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

std::string Comment(std::mt19937& rng) {
  // Most rounds have no comment; the others a few words up to the full 100.
  if (std::uniform_int_distribution<int>(0, 9)(rng) < 6) return "";
  const std::size_t length = std::uniform_int_distribution<std::size_t>(5, 100)(rng);
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    text += Pick(rng, kWords);
  }
  text.resize(length);
  return text;
}

fw::TScoreRec MakeRound(std::mt19937& rng, std::chrono::sys_days day, double skill, double index) {
  const Course& course =
      kCourses[std::uniform_int_distribution<std::size_t>(0, std::size(kCourses) - 1)(rng)];
  const int courseHandicap = fw::CourseHandicapOf(index, course.Slope);

  fw::TScoreRec r;
  r.Date = StoredDate(day);
  r.CourseName = course.Name;
  r.Rating = fw::FormatFixed(course.Rating, 0, 1);
  r.Slope = fw::IntToStr(course.Slope);
  r.Comment = Comment(rng);
  r.IndexAtEntry = fw::TrimBlanks(fw::FormatIndex(index));
  r.CourseHdcp = fw::IntToStr(std::clamp(courseHandicap, -9, 99));

  fw::HoleTexts pars;
  // Strokes over par on a hole: around skill / 18 on average, sometimes a blow-up.
  std::normal_distribution<double> over(skill / 18.0 + 0.1, 0.75);
  std::discrete_distribution<int> putts({4, 30, 55, 10, 1});
  if (std::uniform_int_distribution<int>(0, 49)(rng) == 0) {
    // Entered as a total only.
    r.HoleScores.fill("0");
    r.HolePutts.fill("0");
    const int total = 72 + static_cast<int>(std::lround(skill + over(rng) * 3));
    r.TotalScore = fw::IntToStr(total);
    r.AdjustedScore = r.TotalScore;
    return r;
  }
  int total = 0;
  for (std::size_t h = 0; h < 18; ++h) {
    const int par = course.Pars[h];
    const int strokes = std::clamp(par + static_cast<int>(std::lround(over(rng))), 1, 12);
    total += strokes;
    pars[h] = fw::IntToStr(par);
    r.HoleScores[h] = fw::IntToStr(strokes);
    r.HolePutts[h] = fw::IntToStr(std::min(putts(rng), strokes));
  }
  r.TotalScore = fw::IntToStr(total);
  r.AdjustedScore = fw::AdjustGrossScore(r.TotalScore, r.HoleScores, pars, courseHandicap);
  return r;
}

}  // namespace

Club::Club(int golfers, int rounds, unsigned seed) : rounds_(rounds) {
  std::string pattern = (std::filesystem::temp_directory_path() / "fwbench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;

  std::mt19937 rng(seed);
  const std::chrono::sys_days newest =
      std::chrono::sys_days{std::chrono::year{2024} / std::chrono::October / 31};
  for (int g = 1; g <= golfers; ++g) {
    ClubGolfer golfer;
    char shortName[16];
    std::snprintf(shortName, sizeof shortName, "GOLF%04d", g);
    golfer.FileName = fw::ScoreFileName(shortName);
    golfer.Golfer.LongName = std::string(Pick(rng, kFirstNames)) + " " + Pick(rng, kLastNames);
    golfer.Golfer.Sex = std::uniform_int_distribution<int>(0, 9)(rng) < 3 ? 1 : 0;

    const double skill = std::uniform_real_distribution<double>(0.0, 38.0)(rng);
    fw::ScoreTable table;
    std::chrono::sys_days day = newest - std::chrono::days{golfer.Golfer.Sex * 3 + g % 5};
    for (int i = 0; i < rounds; ++i) {
      const double index = std::max(0.0, std::round(skill * 8.0) / 10.0);
      table.Append(MakeRound(rng, day, skill, index));
      // A few rounds a week in season; several on one day now and then.
      day -= std::chrono::days{std::uniform_int_distribution<int>(0, 12)(rng)};
    }
    const std::string bytes = fw::FormatScoreFile(table);
    std::ofstream out(dir_ / golfer.FileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + golfer.FileName);
    bytes_ += static_cast<long long>(bytes.size());
    golfers_.push_back(std::move(golfer));
  }
}

Club::~Club() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

}  // namespace fwbench
