#include <gtest/gtest.h>

#include <limits>

#include "data/convert.h"
#include "data/textutil.h"

namespace fw {
namespace {

TEST(ConvertTest, IntegersAcceptBlanksAndSignOnly) {
  EXPECT_EQ(StrToInt("72"), 72);
  EXPECT_EQ(StrToInt("  -3 "), -3);
  EXPECT_EQ(StrToInt("+5"), 5);
  for (const char* bad : {"", " ", "12a", "1,5", "0x10", "1.0", "-", "99999999999"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(ConvertTest, RealsAcceptPlainDecimalsOnly) {
  EXPECT_DOUBLE_EQ(StrToFloat(" 9.7"), 9.7);
  EXPECT_DOUBLE_EQ(StrToFloat("70.5 "), 70.5);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("5."), 5.0);
  EXPECT_DOUBLE_EQ(StrToFloat(" -90 "), -90.0);
  EXPECT_DOUBLE_EQ(StrToFloat("99999999999999999999"), 1e20);
  EXPECT_EQ(ReadFloat("+2.5"), 2.5);
  EXPECT_EQ(ReadFloat("9e99"), std::nullopt);
  for (const char* bad : {"", "XXX", "1,5", "0x10", "inf", "nan", "1.2.3", "e5", ".", "9e99", "9e9",
                          "-2.5e1", "1E5", "12a", "- 5", "1 000"}) {
    try {
      StrToFloat(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid floating point value");
    }
  }
}

TEST(ConvertTest, RoundingGoesHalfToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(13.72), 14);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
}

TEST(ConvertTest, RoundingHoldsEveryValueToTheRangeOfItsType) {
  constexpr long long kMax = std::numeric_limits<long long>::max();
  constexpr long long kMin = std::numeric_limits<long long>::min();
  EXPECT_EQ(RoundHalfEven(9e99), kMax);
  EXPECT_EQ(RoundHalfEven(-9e99), kMin);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundHalfEven(-9223372036854775808.0), kMin);
  EXPECT_EQ(RoundHalfEven(9223372036854774784.0), 9223372036854774784);  // just below 2^63
  EXPECT_EQ(RoundToInt(2.5), 2);
  EXPECT_EQ(RoundToInt(8.4e9), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundToInt(-8.4e9), std::numeric_limits<int>::min());
  EXPECT_EQ(ClampToInt(-1LL << 40), std::numeric_limits<int>::min());
}

TEST(TextTest, TrimAndPad) {
  EXPECT_EQ(TrimBlanks("  2.5"), "2.5");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks(" "), "");
  EXPECT_EQ(TrimBlanks("a b "), "a b");
  EXPECT_EQ(TrimBlanks("\t1 "), "\t1");
  EXPECT_EQ(PadRight("ABC", 5), "ABC  ");
  EXPECT_EQ(PadRight("ABCDEFG", 5), "ABCDE");
  EXPECT_EQ(PadLeft("12", 5), "   12");
  EXPECT_EQ(PadLeft("123456", 5), "12345");
  EXPECT_EQ(PadRight(std::string("AB\0CD", 5), 4), "AB  ");
  EXPECT_EQ(CutAtNul(std::string("\0AB", 3)), "");
  EXPECT_EQ(CutTo("Oak Hills", 3), "Oak");
}

TEST(TextTest, FixedFormatRightAlignsWithoutNegativeZero) {
  EXPECT_EQ(FormatFixed(9.7, 4, 1), " 9.7");
  EXPECT_EQ(FormatFixed(123.4, 4, 1), "123.4");
  EXPECT_EQ(FormatFixed(-2.5, 4, 1), "-2.5");
  EXPECT_EQ(FormatFixed(-0.04, 4, 1), " 0.0");
  EXPECT_EQ(FormatFixed(2.25, 4, 1), " 2.2");
  EXPECT_EQ(FormatFixed(16.7, 5, 1), " 16.7");
}

TEST(TextTest, DatesConvertBetweenStoredAndDisplay) {
  EXPECT_EQ(StoredDateToDisplay("20020110"), "01/10/2002");
  EXPECT_EQ(StoredDateToDisplay("99999999"), "99/99/9999");
  EXPECT_EQ(StoredDateToDisplay("990315"), "03/15/1999");
  EXPECT_EQ(StoredDateToDisplay("700101"), "01/01/1970");
  EXPECT_EQ(StoredDateToDisplay("691231"), "12/31/2069");
  EXPECT_EQ(StoredDateToDisplay(""), "99/99/9999");
  EXPECT_EQ(StoredDateToDisplay("2002011"), "99/99/9999");
  EXPECT_EQ(DisplayDateToStored("12/31/1999"), "19991231");
  EXPECT_EQ(DisplayDateToStored("1/2/2003"), "031//2");
  EXPECT_EQ(DisplayDateToStored(""), "");
}

TEST(TextTest, DatesShownAndReadBackInEveryOrder) {
  struct Case {
    DateOrder order;
    const char *full, *sixDigits, *missing, *today;
  };
  for (const Case& c : std::initializer_list<Case>{
           {DateOrder::kMonthDayYear, "01/10/2002", "03/15/1999", "99/99/9999", "01.10.2002"},
           {DateOrder::kDayMonthYear, "10/01/2002", "15/03/1999", "99/99/9999", "10.01.2002"},
           {DateOrder::kYearMonthDay, "2002-01-10", "1999-03-15", "9999-99-99", "2002-01-10"},
       }) {
    SCOPED_TRACE(DateOrderPattern(c.order));
    EXPECT_EQ(StoredDateToDisplay("20020110", c.order), c.full);
    EXPECT_EQ(StoredDateToDisplay("990315", c.order), c.sixDigits);
    EXPECT_EQ(StoredDateToDisplay("2002011", c.order), c.missing);
    EXPECT_EQ(MissingDateShown(c.order), c.missing);
    EXPECT_EQ(DisplayDateToStored(c.full, c.order), "20020110");
    EXPECT_EQ(DisplayDateToStored(c.missing, c.order), "99999999");
    EXPECT_EQ(DateText(2002, 1, 10, c.order, '.'), c.today);
  }
}

}  // namespace
}  // namespace fw
