#include "handicap/coursehandicap.h"

#include <gtest/gtest.h>

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
