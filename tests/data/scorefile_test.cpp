#include "data/scorefile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/recordingmessenger.h"
#include "support/fsizelimit.h"
#include "support/ondisk.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using Names = std::vector<std::string>;

const std::string kHoles = "5~5~4~5~5~5~5~6~5~5~5~5~5~5~5~5~5~5~";
const std::string kPutts = "2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~";
const std::string kRound = "20020110~Oak Hills~90~70.5~121~~" + kHoles + kPutts + "90~15.2~17~";

ScoreTable Parse(std::string_view bytes, ScorePlaceholders kind = ScorePlaceholders::kStandard) {
  ScoreTable scores;
  ParseScoreFile(bytes, scores, kind);
  return scores;
}

TScoreRec Round(std::string date, std::string course = "Oak Hills") {
  TScoreRec rec = InitScoreRec();
  rec.Date = std::move(date);
  rec.CourseName = std::move(course);
  return rec;
}

template <class Field>
Names Column(const ScoreTable& scores, Field TScoreRec::*field) {
  Names values;
  for (const TScoreRec& rec : scores) values.emplace_back(rec.*field);
  return values;
}

TEST(ScoreFileTest, RoundTripKeepsTheExactBytes) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  const std::string bytes = kRound + "\r\n" + "20011231~Pine~88~~~a comment, with: stuff~" +
                            kHoles + kPutts + "87~ 9.7~5~\r\n";
  tmp.Write("PJONES.fwp", bytes);
  ScoreTable s;
  LoadScoreFile(folder, "PJONES.fwp", s);
  ASSERT_EQ(s.Count(), 2);
  const TScoreRec& r = s[1];
  EXPECT_EQ(r.Date, "20020110");
  EXPECT_EQ(r.CourseName, "Oak Hills");
  EXPECT_EQ(r.TotalScore, "90");
  EXPECT_EQ(r.Rating, "70.5");
  EXPECT_EQ(r.Slope, "121");
  EXPECT_EQ(r.Comment, "");
  EXPECT_EQ(r.HoleScores[2], "4");
  EXPECT_EQ(r.HoleScores[7], "6");
  EXPECT_EQ(r.HolePutts[17], "2");
  EXPECT_EQ(r.AdjustedScore, "90");
  EXPECT_EQ(r.IndexAtEntry, "15.2");
  EXPECT_EQ(r.CourseHdcp, "17");
  EXPECT_EQ(s[2].Rating, "");
  EXPECT_EQ(s[2].Comment, "a comment, with: stuff");
  EXPECT_EQ(s[2].IndexAtEntry, " 9.7");

  SaveScoreFile(folder, "PJONES.fwp", s, fwtest::OnDisk(folder, "PJONES.fwp"));
  EXPECT_EQ(tmp.Read("PJONES.fwp"), bytes);
  EXPECT_EQ(FormatScoreFile(s), bytes);
}

TEST(ScoreFileTest, FullLengthRoundIsReadWhole) {
  // Every field at its full length: a line of 274 characters.
  std::string line =
      "20020110~" + std::string(30, 'C') + "~100~70.5~155~" + std::string(100, 'm') + "~";
  for (int h = 0; h < 36; ++h) line += "10~";
  line += "120~40.4~45~";
  ASSERT_EQ(line.size(), 274u);
  ScoreTable s = Parse(line + "\r\n");
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s[1].Comment, std::string(100, 'm'));
  EXPECT_EQ(s[1].HolePutts[17], "10");
  EXPECT_EQ(s[1].CourseHdcp, "45");
  EXPECT_EQ(FormatScoreFile(s), line + "\r\n");
}

TEST(ScoreFileTest, OlderLinesOf43FieldsGetIndexAndHandicapZero) {
  std::string old = "20020110~Oak Hills~90~70.5~121~~" + kHoles + kPutts + "90~";
  ScoreTable s = Parse(old + "\r\n");
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s[1].AdjustedScore, "90");
  EXPECT_EQ(s[1].IndexAtEntry, "0");
  EXPECT_EQ(s[1].CourseHdcp, "0");
  EXPECT_EQ(FormatScoreFile(s), old + "0~0~\r\n");
}

TEST(ScoreFileTest, DatesAreWidenedOrMarkedMissing) {
  ScoreTable s = Parse(
      "990315~\r\n020315~\r\n700101~\r\n691231~\r\n2002011~\r\n~\r\n200201101~\r\n"
      "20020110~\r\n\xB9"
      "00101~\r\n");
  EXPECT_EQ(Column(s, &TScoreRec::Date), (Names{"19990315", "20020315", "19700101", "20691231",
                                                "99999999", "99999999", "99999999", "20020110",
                                                "19\xB9"
                                                "00101"}));
}

TEST(ScoreFileTest, UnclosedFieldsKeepPlaceholdersExceptTheComment) {
  ScoreTable s = Parse(
      "20020110~Oak Hills~90~70.5~121~\r\n"        // five fields closed
      "20020110~Oak Hills~90~70.5~121~Nice\r\n"    // the line ends inside the comment
      "\r\n"                                       // empty line, counted
      "20020110~Oak Hills~90~70.5~121~Ok~5~6\r\n"  // ends inside the second hole
      "20020110~Oak Hi");                          // ends inside the course name
  ASSERT_EQ(s.Count(), 5);

  TScoreRec five = InitScoreRec();
  five.Date = "20020110";
  five.CourseName = "Oak Hills";
  five.TotalScore = "90";
  five.Rating = "70.5";
  five.Slope = "121";
  EXPECT_EQ(s[1], five);

  TScoreRec nice = five;
  nice.Comment = "Nice";
  EXPECT_EQ(s[2], nice);

  EXPECT_EQ(s[3], InitScoreRec());
  ScoreTable empty;
  empty.Append(s[3]);
  std::string zeros;
  for (int f = 0; f < 36; ++f) zeros += "0~";
  EXPECT_EQ(FormatScoreFile(empty),
            "99999999~" + std::string(30, 'X') + "~XXX~XXXX~XXX~~" + zeros + "XXX~0~0~\r\n");

  EXPECT_EQ(s[4].Comment, "Ok");
  EXPECT_EQ(s[4].HoleScores[0], "5");
  EXPECT_EQ(s[4].HoleScores[1], "0");

  EXPECT_EQ(s[5].Date, "20020110");
  EXPECT_EQ(s[5].CourseName, std::string(30, 'X'));
  EXPECT_EQ(s[5].Comment, "");

  // The score list window starts the adjusted score at "0".
  ScoreTable list = Parse("\r\n20020110~\r\n", ScorePlaceholders::kScoreList);
  EXPECT_EQ(list[1], InitScoreRec(ScorePlaceholders::kScoreList));
  EXPECT_EQ(list[1].AdjustedScore, "0");
  EXPECT_EQ(list[2].AdjustedScore, "0");
  EXPECT_EQ(list[2].TotalScore, "XXX");
}

TEST(ScoreFileTest, LineEndsFieldCuttingAndTheLimit) {
  EXPECT_EQ(Parse("").Count(), 0);
  EXPECT_EQ(Parse("\r\n").Count(), 1);
  ScoreTable s = Parse("20020110~A~\n20020111~B~\r\n20020112~C~");
  EXPECT_EQ(Column(s, &TScoreRec::CourseName), (Names{"A", "B", "C"}));

  std::string longLine =
      "20020110~" + std::string(40, 'C') + "~1000~70.55~1130~" + std::string(150, 'm') + "~123~";
  for (int h = 1; h < 36; ++h) longLine += "4~";
  longLine += "1000~15.25~170~after~the~last~";
  s = Parse(longLine);
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s[1].CourseName, std::string(30, 'C'));
  EXPECT_EQ(s[1].TotalScore, "100");
  EXPECT_EQ(s[1].Rating, "70.5");
  EXPECT_EQ(s[1].Slope, "113");
  EXPECT_EQ(s[1].Comment, std::string(100, 'm'));
  EXPECT_EQ(s[1].HoleScores[0], "12");
  EXPECT_EQ(s[1].AdjustedScore, "100");
  EXPECT_EQ(s[1].IndexAtEntry, "15.2");
  EXPECT_EQ(s[1].CourseHdcp, "17");

  // A NUL ends a field's value.
  s = Parse(std::string("20020110~Oak\0Hills~", 19));
  EXPECT_EQ(s[1].CourseName, "Oak");

  std::string many;
  for (int i = 0; i < 201; ++i) many += "20020110~Round " + std::to_string(i + 1) + "~\r\n";
  s = Parse(many);
  ASSERT_EQ(s.Count(), 200);
  EXPECT_EQ(s[200].CourseName, "Round 200");
}

TEST(ScoreFileTest, FieldsOfEveryLengthAndByteValueSplitAtTheirTildes) {
  // Field lengths 0 to 44 put the tildes at every offset within a word, with
  // bytes just below and above the tilde's code around them.
  std::string line = "20020110~";
  Names expected;
  for (int f = 2; f <= 45; ++f) {
    std::string text;
    for (int k = 0; k < f - 2; ++k) text += "\x7D\x7F\xFE\xFF\x80\x01 "[k % 7];
    line += text + "~";
    expected.push_back(text);
  }
  ScoreTable s = Parse(line + "tail");
  ASSERT_EQ(s.Count(), 1);
  const TScoreRec& r = s[1];
  EXPECT_EQ(r.CourseName, expected[0]);
  EXPECT_EQ(r.TotalScore, expected[1]);
  EXPECT_EQ(r.Comment, expected[4]);
  EXPECT_EQ(r.HoleScores[0], expected[5].substr(0, 2));  // cut to 2 characters
  EXPECT_EQ(r.HoleScores[1], expected[6].substr(0, 2));
  EXPECT_EQ(r.HolePutts[17], expected[40].substr(0, 2));
  EXPECT_EQ(r.AdjustedScore, expected[41].substr(0, 3));
  EXPECT_EQ(r.CourseHdcp, expected[43].substr(0, 2));
}

TEST(ScoreFileTest, ALineReadsTheSameWhereverItStandsInTheFile) {
  // Long fields, a NUL, a line ending in the comment or early, text after the
  // last field, every kind of line end: each line, read among others (with
  // much of the file after it) or alone at the file's end, gives one record.
  const std::string longCourse(40, 'C');
  const std::string lines[] = {
      kRound,
      "200201~" + longCourse + "~1000~70.55~1130~" + std::string(150, 'm') + "~" + kHoles + kPutts +
          "123~15.25~170~and more~~",
      "20020110~Oak" + std::string(1, '\0') + "Hills~90~70.5~121~~" + kHoles + kPutts + "90~1~2~",
      "20020111~Pine~88~70.0~113~a comment cut by the line's end",
      "20020112~Elm~",
      "",
      "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
  };
  std::vector<TScoreRec> alone;
  for (const std::string& line : lines) {
    ScoreTable one = Parse(line + "\r\n");
    ASSERT_EQ(one.Count(), 1);
    alone.push_back(one[1]);
  }
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string file;
    for (int copy = 0; copy < 3; ++copy)
      for (const std::string& line : lines) file += line + end;
    const ScoreTable all = Parse(file);
    ASSERT_EQ(all.Count(), 3 * static_cast<int>(std::size(lines)));
    for (int i = 1; i <= all.Count(); ++i)
      EXPECT_EQ(all[i], alone[static_cast<std::size_t>(i - 1) % alone.size()]) << "line " << i;
  }
}

TEST(ScoreFileTest, SortIsNewestFirstWithTheExchangeOrderOfEqualDates) {
  ScoreTable s;
  for (const char* d : {"20011231", "20020110", "99999999", "20020101"}) s.Append(Round(d));
  SortScores(s);
  EXPECT_EQ(Column(s, &TScoreRec::Date), (Names{"99999999", "20020110", "20020101", "20011231"}));

  // Equal dates: the first is exchanged with the newer last, past its equal.
  s.Clear();
  s.Append(Round("20020101", "a"));
  s.Append(Round("20020101", "b"));
  s.Append(Round("20020110", "c"));
  SortScores(s);
  EXPECT_EQ(Column(s, &TScoreRec::CourseName), (Names{"c", "b", "a"}));

  // Already newest first: nothing moves, equal dates included.
  s.Clear();
  for (const char* c : {"x", "y", "z"}) s.Append(Round("20020110", c));
  SortScores(s);
  EXPECT_EQ(Column(s, &TScoreRec::CourseName), (Names{"x", "y", "z"}));

  // A shorter date is the lesser; a NUL or a ninth character never reaches the
  // record, so those dates equal their first eight characters.
  s.Clear();
  s.Append(Round("2002011", "short"));
  s.Append(Round(std::string("20020110\0zz", 11), "nul"));
  s.Append(Round("200201105", "long"));
  s.Append(Round("20020111", "newer"));
  SortScores(s);
  EXPECT_EQ(Column(s, &TScoreRec::Date), (Names{"20020111", "20020110", "20020110", "2002011"}));
  EXPECT_EQ(Column(s, &TScoreRec::CourseName), (Names{"newer", "long", "nul", "short"}));
}

TEST(ScoreFileTest, WriterCutsFieldsAndKeepsEachRoundOnOneLine) {
  ScoreTable s;
  TScoreRec rec = InitScoreRec();
  rec.Date = "200201101";
  rec.CourseName = std::string("Oak~Hills\0junk", 14);
  rec.Comment = "line one\r\nline~two";
  rec.HoleScores[0] = "123";
  rec.IndexAtEntry = "15.25";
  s.Append(rec);
  const std::string bytes = FormatScoreFile(s);
  std::string expected = "20020110~Oak Hills~XXX~XXXX~XXX~line one  line two~12~";
  for (int f = 2; f <= 36; ++f) expected += "0~";
  EXPECT_EQ(bytes, expected + "XXX~15.2~0~\r\n");
  ScoreTable back = Parse(bytes);
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back[1].Comment, "line one  line two");
}

TEST(ScoreFileTest, EveryFieldHoldsAtMostItsRoom) {
  TScoreRec rec;
  rec.Date = "200201101";
  rec.CourseName = std::string(31, 'C');
  rec.TotalScore = "1000";
  rec.Rating = std::string("70.5\0", 5) + "9";
  rec.Slope = "1130";
  rec.Comment = std::string(101, 'm');
  rec.HoleScores.fill("100");
  rec.HolePutts.fill("200");
  rec.AdjustedScore = "1000";
  rec.IndexAtEntry = "15.25";
  rec.CourseHdcp = "170";
  const TScoreRec& fit = rec;
  EXPECT_EQ(fit.Date, "20020110");
  EXPECT_EQ(fit.CourseName, std::string(30, 'C'));
  EXPECT_EQ(fit.TotalScore, "100");
  EXPECT_EQ(fit.Rating, "70.5");
  EXPECT_EQ(fit.Slope, "113");
  EXPECT_EQ(fit.Comment, std::string(100, 'm'));
  EXPECT_EQ(fit.HoleScores[17], "10");
  EXPECT_EQ(fit.HolePutts[0], "20");
  EXPECT_EQ(fit.AdjustedScore, "100");
  EXPECT_EQ(fit.IndexAtEntry, "15.2");
  EXPECT_EQ(fit.CourseHdcp, "17");
}

TEST(ScoreFileTest, LoadingFindsAnySpellingAndReportsMissingFiles) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("pjones.FWP", kRound + "\r\n");
  ScoreTable s;
  LoadScoreFile(folder, ScoreFileName("PJONES"), s);
  EXPECT_EQ(s.Count(), 1);

  s.Append(Round("20020110"));
  try {
    LoadScoreFile(folder, "NOBODY.fwp", s);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
  EXPECT_EQ(s.Count(), 0);
  EXPECT_THROW(LoadScoreFile(folder, "../pjones.FWP", s), FileError);

  fwtest::RecordingMessenger messages;
  s.Append(Round("20020110"));
  EXPECT_FALSE(LoadScoreFileOrReport(folder, "NOBODY.fwp", s, messages));
  EXPECT_EQ(s.Count(), 0);
  EXPECT_EQ(messages.shown, (Names{"Error: Golfer score file \"NOBODY.fwp\" not found."}));

  messages.shown.clear();
  EXPECT_FALSE(LoadScoreFileOrReport(folder, "../x.fwp", s, messages));
  EXPECT_EQ(messages.shown, (Names{"The name \"../x.fwp\" cannot be used as a file name."}));

  tmp.Write("ANN.fwp", "\r\n");
  EXPECT_TRUE(LoadScoreFileOrReport(folder, "ANN.fwp", s, messages));
  ASSERT_EQ(s.Count(), 1);
  EXPECT_EQ(s[1].AdjustedScore, "0");
}

TEST(ScoreFileTest, FilesAsEditorsWriteThemKeepEveryRound) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  const std::string older = "20011231~Pine~88~69.0~118~~" + kHoles + kPutts + "88~0~0~";
  ScoreTable s;

  // A UTF-8 byte order mark in front of the newest round is no part of its date.
  tmp.Write("BOM.fwp", "\xEF\xBB\xBF" + kRound + "\r\n" + older + "\r\n");
  LoadScoreFile(folder, "BOM.fwp", s);
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(s[1].Date, "20020110");
  SortScores(s);
  SaveScoreFile(folder, "BOM.fwp", s, fwtest::OnDisk(folder, "BOM.fwp"));
  EXPECT_EQ(tmp.Read("BOM.fwp"), kRound + "\r\n" + older + "\r\n");

  // Lines ended by a lone CR, the last one too, and a mix of all three ends.
  tmp.Write("CR.fwp", kRound + "\r" + older + "\r");
  LoadScoreFile(folder, "CR.fwp", s);
  ASSERT_EQ(s.Count(), 2);
  EXPECT_EQ(Column(s, &TScoreRec::CourseName), (Names{"Oak Hills", "Pine"}));
  SaveScoreFile(folder, "CR.fwp", s, fwtest::OnDisk(folder, "CR.fwp"));
  EXPECT_EQ(tmp.Read("CR.fwp"), kRound + "\r\n" + older + "\r\n");
  EXPECT_EQ(Column(Parse("20020110~A~\r20020111~B~\n20020112~C~\r\n\r20020113~D~"),
                   &TScoreRec::CourseName),
            (Names{"A", "B", "C", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "D"}));

  // UTF-16 is refused, whichever window loads it, and never saved over.
  const std::string utf16(
      "\xFF\xFE"
      "2\0"
      "0\0",
      6);
  tmp.Write("PJONES.fwp", utf16);
  const std::string refusal =
      "PJONES.fwp is stored as UTF-16 text, which Fairwick cannot read. Save it as plain "
      "(Windows-1252) text and try again.";
  s.Append(Round("20020110"));
  try {
    LoadScoreFile(folder, "PJONES.fwp", s);
    ADD_FAILURE() << "no error";
  } catch (const NotADataFileError& e) {
    EXPECT_EQ(e.what(), refusal);
  }
  EXPECT_EQ(s.Count(), 0);
  fwtest::RecordingMessenger messages;
  EXPECT_FALSE(LoadScoreFileOrReport(folder, "PJONES.fwp", s, messages));
  EXPECT_EQ(messages.shown, (Names{refusal}));
  s.Append(Round("20020110"));
  EXPECT_THROW(SaveScoreFile(folder, "PJONES.fwp", s, fwtest::OnDisk(folder, "PJONES.fwp")),
               NotADataFileError);
  EXPECT_EQ(tmp.Read("PJONES.fwp"), utf16);
}

TEST(ScoreFileTest, ScoreListTellsAMissingFileFromOneThatCannotBeRead) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.MakeDir("DIR.fwp");
  std::filesystem::create_symlink("LOOP.fwp", tmp.Path() / "LOOP.fwp");
  Names expected = {
      "Error: Golfer score file \"NOBODY.fwp\" not found.", "DIR.fwp is a folder, not a data file.",
      "Error: Golfer score file \"LOOP.fwp\" cannot be read: " + std::string(std::strerror(ELOOP)) +
          "."};
  Names files = {"NOBODY.fwp", "DIR.fwp", "LOOP.fwp"};
  if (::geteuid() != 0) {  // the superuser reads whatever the permissions say
    tmp.Write("LOCKED.fwp", kRound + "\r\n");
    std::filesystem::permissions(tmp.Path() / "LOCKED.fwp", std::filesystem::perms::none);
    files.push_back("LOCKED.fwp");
    expected.push_back("Error: Golfer score file \"LOCKED.fwp\" cannot be read: " +
                       std::string(std::strerror(EACCES)) + ".");
  }
  fwtest::RecordingMessenger messages;
  for (const std::string& file : files) {
    ScoreTable s;
    s.Append(Round("20020110"));
    EXPECT_FALSE(LoadScoreFileOrReport(folder, file, s, messages)) << file;
    EXPECT_EQ(s.Count(), 0) << file;
  }
  EXPECT_EQ(messages.shown, expected);
}

TEST(ScoreFileTest, SaveReplacesTheExistingSpellingOrKeepsTheOldFileOnFailure) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("pjones.FWP", "old\r\n");
  ScoreTable s;
  s.Append(Round("20020110"));
  SaveScoreFile(folder, "PJONES.fwp", s, fwtest::OnDisk(folder, "PJONES.fwp"));
  EXPECT_EQ(tmp.Names(), (Names{"pjones.FWP"}));
  EXPECT_EQ(tmp.Read("pjones.FWP"), FormatScoreFile(s));

  tmp.Write("ANN.fwp", "old\r\n");
  {
    fwtest::FileSizeLimit full(4);
    EXPECT_THROW(SaveScoreFile(folder, "ANN.fwp", s, fwtest::OnDisk(folder, "ANN.fwp")), FileError);
  }
  EXPECT_EQ(tmp.Read("ANN.fwp"), "old\r\n");
  EXPECT_THROW(SaveScoreFile(folder, "a/b.fwp", s, fwtest::OnDisk(folder, "a/b.fwp")), FileError);
}

}  // namespace
}  // namespace fw
