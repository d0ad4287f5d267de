#include "handicap/scoreeval.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data/convert.h"
#include "handicap/handicapindex.h"
#include "handicap/rounds.h"

namespace fw {
namespace {

using fwtest::Field;
using fwtest::MakeRound;
using fwtest::SetField;

HoleTexts Holes(const char* each) {
  HoleTexts h;
  h.fill(each);
  return h;
}

template <class F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const ConversionError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(RoundTotalsTest, SumsNinesAndRejectsBadHoles) {
  HoleTexts h = Holes("5");
  h[2] = "4";
  h[7] = "6";
  h[12] = "3";
  EXPECT_EQ(NineTotal(h, 1), 45);
  EXPECT_EQ(NineTotal(h, 10), 43);
  RoundTotalsResult t = RoundTotals(h);
  EXPECT_EQ(t.Out, 45);
  EXPECT_EQ(t.In, 43);
  EXPECT_EQ(t.Total, 88);

  h[12] = "";
  EXPECT_EQ(ErrorOf([&] { RoundTotals(h); }), "'' is not a valid integer value");
  h[12] = "4a";
  EXPECT_EQ(ErrorOf([&] { NineTotal(h, 10); }), "'4a' is not a valid integer value");
  EXPECT_EQ(NineTotal(h, 1), 45);  // the front nine does not read hole 13
}

TEST(RoundTotalsTest, SumsOfAnyHolesAndTotalsNeverOverflow) {
  // A hole holds two characters: "99" and "-9" are its extremes.
  const HoleTexts most = Holes("99");
  EXPECT_EQ(NineTotal(most, 1), 9 * 99);
  EXPECT_EQ(RoundTotals(most).Total, 18 * 99);
  EXPECT_EQ(RoundTotals(Holes("-9")).Total, 18 * -9);
  EXPECT_EQ(Holes("2147483647")[0], "21");
  // Every hole over the limit of 10; the total as typed can be any integer.
  EXPECT_EQ(AdjustGrossScore("72", most, Holes("4"), 40), std::to_string(72 - 18 * 89));
  EXPECT_EQ(AdjustGrossScore("-2147483648", most, Holes("4"), 40),
            std::to_string(-2147483648LL - 18 * 89));
}

TEST(EscLimitTest, EachBandFromItsBoundary) {
  EXPECT_EQ(EscLimit(-5), kDoubleBogeyLimit);
  EXPECT_EQ(EscLimit(0), kDoubleBogeyLimit);
  EXPECT_EQ(EscLimit(9), kDoubleBogeyLimit);
  EXPECT_EQ(EscLimit(10), 7);
  EXPECT_EQ(EscLimit(19), 7);
  EXPECT_EQ(EscLimit(20), 8);
  EXPECT_EQ(EscLimit(29), 8);
  EXPECT_EQ(EscLimit(30), 9);
  EXPECT_EQ(EscLimit(39), 9);
  EXPECT_EQ(EscLimit(40), 10);
  EXPECT_EQ(EscLimit(54), 10);
}

TEST(AdjustGrossScoreTest, DoubleBogeyAndNumericLimits) {
  HoleTexts holes = Holes("5");
  const HoleTexts pars = Holes("4");
  holes[0] = "7";  // par 4: double bogey limit 6, numeric limit 7
  EXPECT_EQ(AdjustGrossScore("92", holes, pars, 9), "91");
  EXPECT_EQ(AdjustGrossScore("92", holes, pars, 10), "92");
  EXPECT_EQ(AdjustGrossScore("92", holes, pars, -2), "91");

  holes[0] = "12";
  EXPECT_EQ(AdjustGrossScore("97", holes, pars, 40), "95");  // limit 10
  EXPECT_EQ(AdjustGrossScore("97", holes, pars, 39), "94");  // limit 9
  EXPECT_EQ(AdjustGrossScore("97", holes, pars, 29), "93");  // limit 8
  EXPECT_EQ(AdjustGrossScore("97", holes, pars, 19), "92");  // limit 7

  // Several holes add up their reductions.
  holes[17] = "9";
  EXPECT_EQ(AdjustGrossScore("101", holes, pars, 5), "92");  // 6 + 3 over 6
}

TEST(AdjustGrossScoreTest, ParZeroIsNeverReduced) {
  HoleTexts holes = Holes("5");
  HoleTexts pars = Holes("4");
  holes[3] = "11";
  pars[3] = "0";
  EXPECT_EQ(AdjustGrossScore("96", holes, pars, 0), "96");
}

TEST(AdjustGrossScoreTest, NothingEnteredGivesEmptyText) {
  const HoleTexts bad = Holes("x");  // never converted
  for (const char* total : {"", "0", "00"})
    EXPECT_EQ(AdjustGrossScore(total, bad, bad, 5), "") << "total '" << total << "'";
  EXPECT_EQ(AdjustGrossScore(std::string("0\0"
                                         "12",
                                         4),
                             bad, bad, 5),
            "");
}

TEST(AdjustGrossScoreTest, ReducesTheTotalAsTyped) {
  // A round entered as a total only.
  EXPECT_EQ(AdjustGrossScore("88", Holes("0"), Holes("4"), 12), "88");
  // The typed total is not recomputed from the holes.
  HoleTexts holes = Holes("4");
  holes[5] = "9";
  EXPECT_EQ(AdjustGrossScore("100", holes, Holes("4"), 15), "98");
  EXPECT_EQ(AdjustGrossScore(" 77 ", holes, Holes("4"), 15), "75");
}

TEST(AdjustGrossScoreTest, EmptyHolesSkippedParsReadOnlyForDoubleBogey) {
  HoleTexts holes = Holes("");
  holes[0] = "9";
  HoleTexts pars = Holes("");  // only a par under a played hole is read
  pars[0] = "3";
  EXPECT_EQ(AdjustGrossScore("9", holes, pars, 0), "5");

  // Under a numeric limit the pars are not looked at.
  EXPECT_EQ(AdjustGrossScore("9", holes, Holes("?"), 25), "8");

  pars[0] = "";
  EXPECT_EQ(ErrorOf([&] { AdjustGrossScore("9", holes, pars, 0); }),
            "'' is not a valid integer value");
  holes[1] = "5x";
  EXPECT_EQ(ErrorOf([&] { AdjustGrossScore("9", holes, Holes("4"), 25); }),
            "'5x' is not a valid integer value");
  EXPECT_EQ(ErrorOf([&] { AdjustGrossScore("XXX", Holes("4"), Holes("4"), 25); }),
            "'XXX' is not a valid integer value");
}

TEST(DifferentialTest, ComputesAndRoundsToATenth) {
  EXPECT_DOUBLE_EQ(ComputeDifferential(90, 71.5, 125), 16.7);  // 16.724
  EXPECT_DOUBLE_EQ(ComputeDifferential(70, 72.3, 113), -2.3);
  EXPECT_DOUBLE_EQ(ComputeDifferential(120, 70.0, 100), 56.5);  // 56.5 exactly
  // Exact halves of a tenth go to the even neighbour.
  EXPECT_DOUBLE_EQ(ComputeDifferential(72, 70.75, 113), 1.2);  // 12.5 tenths
  EXPECT_DOUBLE_EQ(ComputeDifferential(72, 70.25, 113), 1.8);  // 17.5 tenths
  // Rounding to nearest, not truncating: 16.76 -> 16.8.
  EXPECT_DOUBLE_EQ(ComputeDifferential(88.76, 72.0, 113), 16.8);
}

TEST(DifferentialTest, ZeroInputsAndNoNegativeZero) {
  EXPECT_EQ(ComputeDifferential(90, 71.5, 0), 0.0);
  EXPECT_EQ(ComputeDifferential(90, 0, 125), 0.0);
  EXPECT_EQ(ComputeDifferential(0, 71.5, 125), 0.0);
  const double small = ComputeDifferential(72, 72.04, 113);  // -0.04
  EXPECT_EQ(small, 0.0);
  EXPECT_FALSE(std::signbit(small));
  EXPECT_EQ(FormatDifferential(small), " 0.0");
}

TEST(DifferentialTest, ValuesNoRoundOrCourseCanHaveGiveNoDifferential) {
  struct Case {
    double score, rating, slope;
  };
  for (const Case& c : std::initializer_list<Case>{{-90, 70.5, 121},
                                                   {90, -70.5, 121},
                                                   {90, 70.5, -121},
                                                   {90, 9e99, 121},
                                                   {90, 1e20, 113},
                                                   {90, 150.1, 113},
                                                   {90, 70.5, 9e9},
                                                   {90, 70.5, 54},
                                                   {90, 70.5, 156},
                                                   {1783, 70.5, 113},
                                                   {1e300, 70.5, 55},
                                                   {NAN, 70.5, 113},
                                                   {90, 70.5, NAN}})
    EXPECT_EQ(ComputeDifferential(c.score, c.rating, c.slope), 0.0)
        << c.score << " " << c.rating << " " << c.slope;
  // The ends themselves are values of real rounds and courses.
  EXPECT_DOUBLE_EQ(ComputeDifferential(1782, 150.0, 55), 3353.0);
  EXPECT_DOUBLE_EQ(ComputeDifferential(90, 70.5, 155), 14.2);
}

TEST(DifferentialTest, FormatIsOneDecimalInFourCharacters) {
  EXPECT_EQ(FormatDifferential(16.7), "16.7");
  EXPECT_EQ(FormatDifferential(9.7), " 9.7");
  EXPECT_EQ(FormatDifferential(0.0), " 0.0");
  EXPECT_EQ(FormatDifferential(ComputeDifferential(72, 72.0, 113)), " 0.0");
  EXPECT_EQ(FormatDifferential(ComputeDifferential(70, 72.3, 113)), "-2.3");
  EXPECT_EQ(FormatDifferential(-2.5), "-2.5");
  EXPECT_EQ(FormatDifferential(123.4), "123.4");
  EXPECT_EQ(FormatDifferential(ComputeDifferential(90, 71.5, 125)), "16.7");
}

TEST(DifferentialScoreTest, AdjustedScoreUnlessAMarker) {
  TScoreRec r = MakeRound("20020110", "95", "70.5", "121");
  r.AdjustedScore = "90";
  EXPECT_EQ(DifferentialScore(r), "90");
  for (const char* marker : {"", "0", "000", "XXX"}) {
    r.AdjustedScore = marker;
    EXPECT_EQ(DifferentialScore(r), "95") << "adjusted '" << marker << "'";
  }
  r.AdjustedScore = std::string(
      "000\0"
      "88",
      6);
  EXPECT_EQ(DifferentialScore(r), "95");
}

TEST(DifferentialScoreTest, StoredRoundDifferential) {
  TScoreRec r = MakeRound("20020110", "95", "71.5", "125");
  r.AdjustedScore = "90";
  EXPECT_TRUE(HasUsableRating(r));
  EXPECT_DOUBLE_EQ(RoundDifferential(r), 16.7);

  for (const char* rating : {"", "0.0", "XXX"}) {
    TScoreRec u = r;
    u.Rating = rating;
    EXPECT_FALSE(HasUsableRating(u)) << "rating '" << rating << "'";
    EXPECT_EQ(RoundDifferential(u), 0.0);
  }
  for (const char* slope : {"", "0", "XXX"}) {
    TScoreRec u = r;
    u.Slope = slope;
    EXPECT_FALSE(HasUsableRating(u)) << "slope '" << slope << "'";
    EXPECT_EQ(RoundDifferential(u), 0.0);
  }
  r.Rating = "71,5";
  EXPECT_EQ(ErrorOf([&] { RoundDifferential(r); }), "'71,5' is not a valid floating point value");
}

TEST(IsCompleteScoreTest, EveryConditionAndZeroTotals) {
  const TScoreRec full = MakeRound("20020110", "90", "70.5", "121");
  EXPECT_TRUE(IsCompleteScore(full));

  // A total of zero in any spelling is no round.
  for (const char* total : {"", "0", "00", "000", " 0"}) {
    TScoreRec r = full;
    r.TotalScore = total;
    EXPECT_FALSE(IsCompleteScore(r)) << "total '" << total << "'";
  }
  for (const char* total : {"1", "100"}) {
    TScoreRec r = full;
    r.TotalScore = total;
    EXPECT_TRUE(IsCompleteScore(r)) << "total '" << total << "'";
  }
  for (const char* rating : {"", "0.0"}) {
    TScoreRec r = full;
    r.Rating = rating;
    EXPECT_FALSE(IsCompleteScore(r)) << "rating '" << rating << "'";
  }
  for (const char* slope : {"", "0"}) {
    TScoreRec r = full;
    r.Slope = slope;
    EXPECT_FALSE(IsCompleteScore(r)) << "slope '" << slope << "'";
  }
  TScoreRec r = full;
  r.Date = "99999999";
  EXPECT_FALSE(IsCompleteScore(r));
  // Texts are read up to their first NUL.
  r.Date = std::string(
      "99999999\0"
      "1",
      10);
  EXPECT_FALSE(IsCompleteScore(r));
  r = full;
  r.TotalScore = std::string(
      "0\0"
      "90",
      4);
  EXPECT_FALSE(IsCompleteScore(r));
  r = full;
  r.Rating = std::string(
      "\0"
      "70.5",
      5);
  EXPECT_FALSE(IsCompleteScore(r));
}

TEST(IsCompleteScoreTest, NegativeOrImpossibleNumbersMakeARoundIncomplete) {
  struct Case {
    Field field;
    const char* text;
    bool complete;
  };
  const TScoreRec full = MakeRound("20020110", "90", "70.5", "121");
  for (const Case& c : std::initializer_list<Case>{
           {Field::kTotal, "-90", false},
           {Field::kTotal, " -1", false},
           {Field::kTotal, "-0", false},  // zero in any spelling
           {Field::kTotal, "999", true},
           {Field::kTotal, "-99", false},
           {Field::kTotal, "9x", true},  // left to the conversion error
           {Field::kAdjusted, "-5", false},
           {Field::kAdjusted, "88", true},
           {Field::kAdjusted, "XXX", true},
           {Field::kRating, "-70.5", false},
           {Field::kRating, "9999", false},
           {Field::kRating, "151", false},
           {Field::kRating, "150", true},
           {Field::kRating, "9e99", true},  // not a number: the conversion error
           {Field::kSlope, "-121", false},
           {Field::kSlope, "54", false},
           {Field::kSlope, "55", true},
           {Field::kSlope, "155", true},
           {Field::kSlope, "156", false},
           {Field::kSlope, "999", false},
           {Field::kSlope, "00", true},  // zero keeps its marker meaning
       }) {
    TScoreRec r = full;
    SetField(r, c.field, c.text);
    EXPECT_EQ(IsCompleteScore(r), c.complete) << "'" << c.text << "'";
  }
}

// The score list, the golf history, score entry and the index all take a
// round's differential from DifferentialTenths.
TEST(RoundDifferentialTest, OneFigureWhereverARoundIsShownOrCounted) {
  struct Case {
    const char *total, *adjusted, *rating, *slope, *own, *whs;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"90", "85", "70.0", "113", "15.0", "15.0"},
           {"90", "000", "70.0", "113", "20.0", "20.0"},  // no adjusted score: the total
           {"90", "00", "70.0", "113", "20.0", "20.0"},
           {"90", "XXX", "70.0", "113", "20.0", "20.0"},
           {"90", "", "84.0", "120", " 5.6", " 5.7"},   // 56.5 tenths: even, or up
           {"0", "85", "70.0", "113", " 0.0", " 0.0"},  // no total, no round
           {"XXX", "85", "70.0", "113", " 0.0", " 0.0"},
           {"90", "85", "0.0", "113", " 0.0", " 0.0"},
           {"90", "85", "70.0", "XXX", " 0.0", " 0.0"},
           {"90", "85", "70.0", "30", " 0.0", " 0.0"},  // off the slope scale
       }) {
    SCOPED_TRACE(std::string(c.total) + " " + c.adjusted + " " + c.rating + " " + c.slope);
    TScoreRec round = MakeRound("20020110", c.total, c.rating, c.slope);
    round.AdjustedScore = c.adjusted;
    const DifferentialTexts typed{c.total, c.adjusted, c.rating, c.slope};
    EXPECT_EQ(RoundDifferentialText(round, HandicapRules::kFairwick), c.own);
    EXPECT_EQ(DifferentialText(typed, HandicapRules::kFairwick), c.own);
    EXPECT_EQ(RoundDifferentialText(round, HandicapRules::kWhs), c.whs);
    EXPECT_EQ(DifferentialText(typed, HandicapRules::kWhs), c.whs);
  }
  EXPECT_EQ(ErrorOf([] {
              DifferentialText({"90", "8O", "70.0", "113"}, HandicapRules::kWhs);
            }),
            "'8O' is not a valid floating point value");

  // A round stored with the adjusted score "000" is shown with the figure the
  // index uses: its total's.
  for (HandicapRules rules : {HandicapRules::kFairwick, HandicapRules::kWhs}) {
    ScoreTable t;
    for (int p = 1; p <= 5; ++p) t.Append(MakeRound(fwtest::DateFor(p), "90", "70.0", "113"));
    t[3].TotalScore = "75";
    t[3].AdjustedScore = "000";
    NoIndexOutput none;
    const IndexResult r = ComputeIndex(t, {"Pat", 0}, none, IndexOptions{true, false, rules});
    EXPECT_EQ(r.UsedScores[0], 3);
    EXPECT_EQ(RoundDifferentialText(t[3], rules), " 5.0");
    const std::vector<RoundFigures> exported = RoundFiguresOf(t, r);
    EXPECT_TRUE(exported[2].UsedByIndex && !exported[1].UsedByIndex);
    EXPECT_EQ(exported[2].Differential, "5.0");
    EXPECT_EQ(FormatIndex(r.Index), rules == HandicapRules::kWhs ? " 5.0" : " 4.8");
  }
}

}  // namespace
}  // namespace fw
