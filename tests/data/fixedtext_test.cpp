#include "data/fixedtext.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

TEST(FixedTextTest, HoldsWhatFitsAndComparesAsText) {
  FixedText<4> t = std::string(
      "70.5\0"
      "9",
      6);
  EXPECT_EQ(t, "70.5");
  t = "121";
  EXPECT_EQ(t.size(), 3u);
  t = std::string(
      "1\0"
      "23",
      4);  // a NUL ends the text
  EXPECT_EQ(t, "1");
  t = "Oak Hills";
  EXPECT_EQ(t, "Oak ");

  // Part of itself, shifted either way.
  FixedText<30> name = "Oak Hills Country Club";
  name = name.substr(4);
  EXPECT_EQ(name, "Hills Country Club");
  name = std::string_view(name).substr(0, 5);
  EXPECT_EQ(name, "Hills");

  // Texts of different rooms, and the texts they came from.
  EXPECT_EQ(FixedText<8>("Hills"), name);
  EXPECT_LT(FixedText<2>("Ab"), name);
  EXPECT_EQ("at " + name + "!", "at Hills!");
  EXPECT_EQ(FixedText<3>(), "");
}

}  // namespace
}  // namespace fw
