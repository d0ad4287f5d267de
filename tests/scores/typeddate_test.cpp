#include "scores/typeddate.h"

#include <gtest/gtest.h>

namespace {

using fw::DayEarlier;
using fw::DayLater;
using fw::NormaliseTypedDate;

TEST(TypedDate, ShapesAUserTypesBecomeMonthDayYear) {
  EXPECT_EQ(NormaliseTypedDate("01/10/2002"), "01/10/2002");
  EXPECT_EQ(NormaliseTypedDate("1/5/02"), "01/05/2002");
  EXPECT_EQ(NormaliseTypedDate("010580"), "01/05/2080");
  EXPECT_EQ(NormaliseTypedDate("01052002"), "01/05/2002");
  EXPECT_EQ(NormaliseTypedDate("1.5.81"), "01/05/1981");
  EXPECT_EQ(NormaliseTypedDate("12-31-99"), "12/31/1999");
  EXPECT_EQ(NormaliseTypedDate("3,7\\2001"), "03/07/2001");
  EXPECT_EQ(NormaliseTypedDate("1/5/2002"), "01/05/2002");
  EXPECT_EQ(NormaliseTypedDate("11/5/02"), "11/05/2002");
  // Two-digit years: 80 and below are this century, 81 and above the last.
  EXPECT_EQ(NormaliseTypedDate("01/05/80"), "01/05/2080");
  EXPECT_EQ(NormaliseTypedDate("01/05/81"), "01/05/1981");
  EXPECT_EQ(NormaliseTypedDate("01/05/00"), "01/05/2000");
  // Month and day are not checked against the calendar.
  EXPECT_EQ(NormaliseTypedDate("13/45/2002"), "13/45/2002");
  EXPECT_EQ(NormaliseTypedDate("00/00/0000"), "00/00/0000");
}

TEST(TypedDate, TextsThatAreNoDateGiveNothing) {
  for (const char* typed : {"", "1/5", "1/5/2", "01/05/2002x", "01/05/20021", "1/5/200211",
                            "01/05/200", "1/05/200", "01 05 02", "a1/05/02", "01/05/0a", "/1/5/02",
                            "01//5/02", "1234567", "123456789", "0105200200", "~1/5/02"}) {
    EXPECT_EQ(NormaliseTypedDate(typed), "") << typed;
  }
}

TEST(TypedDate, OneDayLater) {
  EXPECT_EQ(DayLater("01/10/2002"), "01/11/2002");
  EXPECT_EQ(DayLater("02/28/2004"), "02/29/2004");
  EXPECT_EQ(DayLater("02/29/2004"), "03/01/2004");
  EXPECT_EQ(DayLater("02/28/2003"), "03/01/2003");
  EXPECT_EQ(DayLater("02/28/1900"), "02/29/1900");  // no century rule
  EXPECT_EQ(DayLater("12/31/2002"), "01/01/2003");
  EXPECT_EQ(DayLater("01/31/2002"), "02/01/2002");
  EXPECT_EQ(DayLater("10/31/2002"), "11/01/2002");
  EXPECT_EQ(DayLater("04/30/2002"), "05/01/2002");
  EXPECT_EQ(DayLater("11/30/2002"), "12/01/2002");
  EXPECT_EQ(DayLater("12/30/2002"), "12/31/2002");
  EXPECT_EQ(DayLater("07/30/2002"), "07/31/2002");
  EXPECT_EQ(DayLater("1/5/02"), "01/06/2002");  // typed shapes are read first
  // Days past the month's end move on as far as the calendar rules reach.
  EXPECT_EQ(DayLater("04/31/2002"), "05/01/2002");
  EXPECT_EQ(DayLater("01/45/2002"), "02/01/2002");
  EXPECT_EQ(DayLater("13/45/2002"), "13/46/2002");
  EXPECT_EQ(DayLater("1/5"), "");
  EXPECT_EQ(DayLater("12/31/9999"), "");  // year 10000 does not fit
}

TEST(TypedDate, OneDayEarlier) {
  EXPECT_EQ(DayEarlier("01/10/2002"), "01/09/2002");
  EXPECT_EQ(DayEarlier("03/01/1900"), "02/29/1900");
  EXPECT_EQ(DayEarlier("03/01/2003"), "02/28/2003");
  EXPECT_EQ(DayEarlier("03/01/2004"), "02/29/2004");
  EXPECT_EQ(DayEarlier("01/01/2003"), "12/31/2002");
  EXPECT_EQ(DayEarlier("02/01/2002"), "01/31/2002");
  EXPECT_EQ(DayEarlier("09/01/2002"), "08/31/2002");
  EXPECT_EQ(DayEarlier("12/01/2002"), "11/30/2002");
  EXPECT_EQ(DayEarlier("05/01/2002"), "04/30/2002");
  EXPECT_EQ(DayEarlier("08/01/2002"), "07/31/2002");
  EXPECT_EQ(DayEarlier("04/00/2002"), "03/31/2002");
  EXPECT_EQ(DayEarlier("13/01/2002"), "13/01/2002");
  EXPECT_EQ(DayEarlier("x"), "");
}

using fw::DateOrder;
constexpr DateOrder kDmy = DateOrder::kDayMonthYear;
constexpr DateOrder kYmd = DateOrder::kYearMonthDay;

TEST(TypedDate, ShapesAUserTypesInTheOtherOrders) {
  struct Case {
    DateOrder order;
    const char *typed, *shown;
  };
  for (const Case& c : std::initializer_list<Case>{
           {kDmy, "10/01/2002", "10/01/2002"},
           {kDmy, "5.1.02", "05/01/2002"},
           {kDmy, "31122002", "31/12/2002"},
           {kDmy, "311281", "31/12/1981"},
           {kDmy, "45/13/2026", "45/13/2026"},
           {kDmy, "1/5", ""},
           {kYmd, "2002-01-10", "2002-01-10"},
           {kYmd, "2002/1/5", "2002-01-05"},
           {kYmd, "02.1.5", "2002-01-05"},
           {kYmd, "81\\12\\31", "1981-12-31"},
           {kYmd, "20020110", "2002-01-10"},
           {kYmd, "990315", "1999-03-15"},
           {kYmd, "2026-13-45", "2026-13-45"},
           {kYmd, "10/01/2002", ""},
           {kYmd, "202-01-10", ""},
           {kYmd, "2002-011-1", ""},
           {kYmd, "2002-01-10x", ""},
       }) {
    EXPECT_EQ(NormaliseTypedDate(c.typed, c.order), c.shown) << c.typed;
  }
}

TEST(TypedDate, KeysAndTheCalendarInTheOtherOrders) {
  struct Case {
    DateOrder order;
    const char *date, *later, *earlier;
    bool calendar;
  };
  for (const Case& c : std::initializer_list<Case>{
           {kDmy, "28/02/2004", "29/02/2004", "27/02/2004", true},
           {kDmy, "29/02/2004", "01/03/2004", "28/02/2004", true},
           {kDmy, "01/03/2003", "02/03/2003", "28/02/2003", true},
           {kDmy, "31/12/2002", "01/01/2003", "30/12/2002", true},
           {kDmy, "29/02/1900", "01/03/1900", "28/02/1900", false},
           {kDmy, "02/29/2004", "03/29/2004", "01/29/2004", false},
           {kYmd, "2004-02-28", "2004-02-29", "2004-02-27", true},
           {kYmd, "2004-03-01", "2004-03-02", "2004-02-29", true},
           {kYmd, "2002-01-01", "2002-01-02", "2001-12-31", true},
           {kYmd, "2002-04-30", "2002-05-01", "2002-04-29", true},
           {kYmd, "9999-12-31", "", "9999-12-30", true},
           {kYmd, "2002-13-01", "2002-13-02", "2002-13-01", false},
       }) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(DayLater(c.date, c.order), c.later);
    EXPECT_EQ(DayEarlier(c.date, c.order), c.earlier);
    EXPECT_EQ(fw::IsCalendarDate(c.date, c.order), c.calendar);
  }
  // A date is a calendar date only in the shape of its own order.
  EXPECT_FALSE(fw::IsCalendarDate("2002/01/10", kYmd));
  EXPECT_FALSE(fw::IsCalendarDate("2002-01-10", DateOrder::kMonthDayYear));
}

}  // namespace
