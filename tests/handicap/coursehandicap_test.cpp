#include "handicap/coursehandicap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/convert.h"

namespace fw {
namespace {

TEST(CourseHandicapTest, RoundsToNearestHalvesToEven) {
  EXPECT_EQ(CourseHandicapOf(12.4, 125), 14);  // 13.72
  EXPECT_EQ(CourseHandicapOf(12.5, 113), 12);
  EXPECT_EQ(CourseHandicapOf(13.5, 113), 14);
  EXPECT_EQ(CourseHandicapOf(8.5, 113), 8);
  EXPECT_EQ(CourseHandicapOf(9.5, 113), 10);
  EXPECT_EQ(CourseHandicapOf(-1.5, 113), -2);
  EXPECT_EQ(CourseHandicapOf(-0.4, 113), 0);
  EXPECT_EQ(CourseHandicapOf(36.4, 130), 42);  // 41.88
  EXPECT_EQ(CourseHandicapOf(40.4, 155), 55);  // 55.42
  EXPECT_EQ(CourseHandicapOf(0.0, 140), 0);
  EXPECT_EQ(CourseHandicapOf(20.0, 0), 0);
}

TEST(CourseHandicapTest, OffScaleSlopesGiveNoStrokesAndNothingOverflows) {
  for (double slope : {54.0, 156.0, 999.0, 9e9, -121.0, static_cast<double>(NAN)})
    EXPECT_EQ(CourseHandicapOf(36.4, slope), 0) << slope;
  EXPECT_EQ(CourseHandicapOf(36.4, 55), 18);  // 17.72
  EXPECT_EQ(CourseHandicapOf(1e300, 113), std::numeric_limits<int>::max());
  EXPECT_EQ(CourseHandicapOf(-1e300, 113), std::numeric_limits<int>::min());
  EXPECT_EQ(PredictedScoreOf(std::numeric_limits<int>::max(), "72"),
            std::numeric_limits<int>::max());
  EXPECT_EQ(PredictedScoreOf(5, "2147483647"), std::numeric_limits<int>::max());
  EXPECT_EQ(PredictedScoreOf(-5, "-2147483648"), std::numeric_limits<int>::min());
}

TEST(CourseHandicapTest, PredictedScoreAddsParTotal) {
  EXPECT_EQ(PredictedScoreOf(CourseHandicapOf(12.4, 125), "72"), 86);
  EXPECT_EQ(PredictedScoreOf(0, "70"), 70);
  EXPECT_EQ(PredictedScoreOf(-2, " 71"), 69);
  EXPECT_EQ(PredictedScoreOf(5, std::string("72\0"
                                            "9",
                                            4)),
            77);
  for (const char* bad : {"", "7x", "72.0"}) {
    try {
      PredictedScoreOf(5, bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

}  // namespace
}  // namespace fw
