#include "data/golferlist.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "data/pipewatchdog.h"
#include "support/fsizelimit.h"
#include "support/ondisk.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using Names = std::vector<std::string>;

const std::string kX40(40, 'X');

GolferTable Load(const fwtest::TempFolder& tmp) {
  GolferTable golfers;
  LoadGolferList(WorkFolder(tmp.Path()), golfers);
  return golfers;
}

GolferTable Table(std::initializer_list<TGolferRec> recs) {
  GolferTable golfers;
  for (const TGolferRec& rec : recs) golfers.Append(rec);
  return golfers;
}

TEST(GolferListTest, RoundTripKeepsTheExactBytesAndCreatesEmptyScoreFiles) {
  fwtest::TempFolder tmp;
  const std::string bytes = "Pat Jones~PJONES~1~\r\nAdam Smith~ASMITH~0~\r\n";
  tmp.Write("golfers.fwc", bytes);
  GolferTable golfers = Load(tmp);
  ASSERT_EQ(golfers.Count(), 2);
  EXPECT_EQ(golfers[1], (TGolferRec{"Pat Jones", "PJONES", 1}));
  EXPECT_EQ(golfers[2], (TGolferRec{"Adam Smith", "ASMITH", 0}));

  SaveGolferList(WorkFolder(tmp.Path()), golfers,
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile));
  EXPECT_EQ(tmp.Read("golfers.fwc"), bytes);
  EXPECT_EQ(tmp.Read("PJONES.fwp"), "");
  EXPECT_EQ(tmp.Read("ASMITH.fwp"), "");
}

TEST(GolferListTest, ReaderQuirks) {
  fwtest::TempFolder tmp;
  tmp.Write("golfers.fwc",
            "Pat~PAT~\r\n"             // ends before its third tilde: digit kept so far (0)
            "Kim~KIM~1~\r\n"           // sets the kept digit to 1
            "Lee~LEE~~\r\n"            // empty third field: the kept 1
            "\r\n"                     // empty line: placeholders, counted
            "no tilde at all\r\n"      // names and Sex keep their placeholders
            "Ann~ANN~\r\n"             // the kept 1 again
            "Bo~BO~x~\r\n"             // a non-digit counts 0
            "Cy~CY~17~junk~more~\r\n"  // the last digit counts; after the third tilde nothing
            "Di~DI~\r\n"
            "Ed~\r\n");  // one tilde: the Sex field never opened, placeholder 0
  GolferTable g = Load(tmp);
  ASSERT_EQ(g.Count(), 10);
  EXPECT_EQ(g[1], (TGolferRec{"Pat", "PAT", 0}));
  EXPECT_EQ(g[2], (TGolferRec{"Kim", "KIM", 1}));
  EXPECT_EQ(g[3], (TGolferRec{"Lee", "LEE", 1}));
  EXPECT_EQ(g[4], InitGolferRec());
  EXPECT_EQ(g[4], (TGolferRec{kX40, "XXXXXXXX", 0}));
  EXPECT_EQ(g[5], (TGolferRec{kX40, "XXXXXXXX", 0}));
  EXPECT_EQ(g[6], (TGolferRec{"Ann", "ANN", 1}));
  EXPECT_EQ(g[7], (TGolferRec{"Bo", "BO", 0}));
  EXPECT_EQ(g[8], (TGolferRec{"Cy", "CY", 7}));
  EXPECT_EQ(g[9], (TGolferRec{"Di", "DI", 7}));
  EXPECT_EQ(g[10], (TGolferRec{"Ed", "XXXXXXXX", 0}));
}

TEST(GolferListTest, LinesAreReadWholeAndFieldsCutToTheirRoom) {
  fwtest::TempFolder tmp;
  const std::string longName(45, 'L');
  // The second line's sex digit is its 68th character.
  tmp.Write("golfers.fwc",
            longName + "~ABCDEFGHIJ~0~\n" + std::string(60, 'M') + "~SHORT~1~\n" + "Last~LAST~1~");
  GolferTable g = Load(tmp);
  ASSERT_EQ(g.Count(), 3);
  EXPECT_EQ(g[1], (TGolferRec{std::string(40, 'L'), "ABCDEFGH", 0}));
  EXPECT_EQ(g[2], (TGolferRec{std::string(40, 'M'), "SHORT", 1}));
  EXPECT_EQ(g[3], (TGolferRec{"Last", "LAST", 1}));
}

TEST(GolferListTest, LineEndsAndTheLimit) {
  fwtest::TempFolder tmp;
  tmp.Write("golfers.fwc", "");
  EXPECT_EQ(Load(tmp).Count(), 0);
  tmp.Write("golfers.fwc", "\r\n");
  EXPECT_EQ(Load(tmp).Count(), 1);
  tmp.Write("golfers.fwc", "A~A~1~\nB~B~0~\r\nC~C~1~");
  GolferTable g = Load(tmp);
  ASSERT_EQ(g.Count(), 3);
  EXPECT_EQ(g[1], (TGolferRec{"A", "A", 1}));
  EXPECT_EQ(g[3], (TGolferRec{"C", "C", 1}));

  std::string many;
  for (int i = 1; i <= 301; ++i) many += "G" + std::to_string(i) + "~S~0~\r\n";
  tmp.Write("golfers.fwc", many);
  g = Load(tmp);
  ASSERT_EQ(g.Count(), 300);
  EXPECT_EQ(g[300].LongName, "G300");
}

TEST(GolferListTest, WhatIsNoGolferListIsRefusedAndNeverSavedOver) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  const std::filesystem::path list = tmp.Path() / "golfers.fwc";
  const std::string utf16("\xFE\xFF\0P\0a\0t\0~", 10);
  tmp.Write("PJONES.fwp", "");  // would be the fallback's golfer
  struct Case {
    std::function<void()> make;
    const char* message;
  };
  const Case cases[] = {
      // A named pipe is refused at once rather than waited on for good.
      {[&] { ASSERT_EQ(::mkfifo(list.c_str(), 0666), 0); },
       "golfers.fwc is a named pipe, not a data file."},
      {[&] { tmp.MakeDir("golfers.fwc"); }, "golfers.fwc is a folder, not a data file."},
      {[&] { tmp.Write("golfers.fwc", utf16); },
       "golfers.fwc is stored as UTF-16 text, which Fairwick cannot read. Save it as plain "
       "(Windows-1252) text and try again."},
  };
  GolferTable g;
  for (const Case& c : cases) {
    std::filesystem::remove(list);
    c.make();
    fwtest::PipeWatchdog watchdog(list);
    try {
      LoadGolferList(folder, g);
      ADD_FAILURE() << "no error";
    } catch (const NotADataFileError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(g.Count(), 0);
    g.Append(InitGolferRec());
    EXPECT_THROW(SaveGolferList(folder, g, fwtest::OnDisk(folder, fw::kGolferListFile)),
                 NotADataFileError);
    EXPECT_EQ(tmp.Names(), (Names{"PJONES.fwp", "golfers.fwc"}));
  }
  EXPECT_EQ(tmp.Read("golfers.fwc"), utf16);

  // A byte order mark and lone CRs are read like any golfer list.
  tmp.Write("golfers.fwc", "\xEF\xBB\xBFPat Jones~PJONES~1~\rKim~KIM~0~\r");
  LoadGolferList(folder, g);
  ASSERT_EQ(g.Count(), 2);
  EXPECT_EQ(g[1], (TGolferRec{"Pat Jones", "PJONES", 1}));
  EXPECT_EQ(g[2], (TGolferRec{"Kim", "KIM", 0}));
}

TEST(GolferListTest, SortIsAscendingByCodeWithTheExchangeOrderOfEqualNames) {
  GolferTable g = Table({{"adam", "A", 0}, {"Zed", "Z", 0}, {"Bob", "B", 0}, {"Bo", "BO", 0}});
  SortGolferList(g);
  Names order;
  for (const auto& r : g) order.emplace_back(r.LongName);
  EXPECT_EQ(order, (Names{"Bo", "Bob", "Zed", "adam"}));

  // Equal names: the last record is exchanged with the first, past its equal.
  g = Table({{"Smith", "S1", 0}, {"Jones", "J2", 0}, {"Jones", "J3", 0}});
  SortGolferList(g);
  EXPECT_EQ(g[1].ShortName, "J3");
  EXPECT_EQ(g[2].ShortName, "J2");
  EXPECT_EQ(g[3].ShortName, "S1");
  g = Table({{"Smith", "S1", 0}, {"Jones", "J2", 0}, {"Smith", "S3", 0}, {"Jones", "J4", 0}});
  SortGolferList(g);
  Names shorts;
  for (const auto& r : g) shorts.emplace_back(r.ShortName);
  EXPECT_EQ(shorts, (Names{"J4", "J2", "S1", "S3"}));

  // Bytes above 127 sort after the letters.
  g = Table({{"\xC9mile", "E", 0}, {"Zoe", "Z", 0}});
  SortGolferList(g);
  EXPECT_EQ(g[1].LongName, "Zoe");
}

TEST(GolferListTest, WriterKeepsEveryRecordOnOneLine) {
  fwtest::TempFolder tmp;
  GolferTable g = Table({{"Pat~Jones\r\nX", "PJ", 1},
                         {std::string(45, 'L'), "ABCDEFGHIJ", 10},
                         {std::string("Cut\0here", 8), "C", 123}});
  SaveGolferList(WorkFolder(tmp.Path()), g,
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile));
  EXPECT_EQ(tmp.Read("golfers.fwc"),
            "Pat Jones  X~PJ~1~\r\n" + std::string(40, 'L') + "~ABCDEFGH~10~\r\nCut~C~12~\r\n");
  EXPECT_TRUE(tmp.Has("ABCDEFGH.fwp"));
  g = Load(tmp);
  EXPECT_EQ(g.Count(), 3);
  EXPECT_EQ(g[1].LongName, "Pat Jones  X");
}

TEST(GolferListTest, SaveUsesExistingFilesWhateverTheirCase) {
  fwtest::TempFolder tmp;
  tmp.Write("GOLFERS.FWC", "Old~OLD~0~\r\n");
  tmp.Write("pjones.FWP", "20020110~\r\n");
  GolferTable g = Load(tmp);
  ASSERT_EQ(g.Count(), 1);
  g.Append({"Pat Jones", "PJONES", 1});
  SaveGolferList(WorkFolder(tmp.Path()), g,
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile));
  EXPECT_EQ(tmp.Read("GOLFERS.FWC"), "Old~OLD~0~\r\nPat Jones~PJONES~1~\r\n");
  EXPECT_EQ(tmp.Read("pjones.FWP"), "20020110~\r\n");
  EXPECT_EQ(tmp.Names(), (Names{"GOLFERS.FWC", "OLD.fwp", "pjones.FWP"}));
}

TEST(GolferListTest, SaveRefusesUnsafeShortNamesBeforeWritingAnything) {
  for (std::string bad : {"..", "../EVIL", "A:B", "A\\B", ""}) {
    SCOPED_TRACE(bad);
    fwtest::TempFolder tmp;
    tmp.Write("golfers.fwc", "Old~OLD~0~\r\n");
    GolferTable g = Table({{"Good", "GOOD", 0}, {"Bad", bad, 0}});
    EXPECT_THROW(SaveGolferList(WorkFolder(tmp.Path()), g,
                                fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile)),
                 FileError);
    EXPECT_EQ(tmp.Read("golfers.fwc"), "Old~OLD~0~\r\n");
    EXPECT_EQ(tmp.Names(), (Names{"golfers.fwc"}));
  }
}

TEST(GolferListTest, FailedSaveKeepsTheOldListAndCreatesNoScoreFiles) {
  fwtest::TempFolder tmp;
  tmp.Write("golfers.fwc", "Old~OLD~0~\r\n");
  GolferTable g = Table({{"New", "NEW", 0}});
  {
    fwtest::FileSizeLimit full(4);
    EXPECT_THROW(SaveGolferList(WorkFolder(tmp.Path()), g,
                                fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile)),
                 FileError);
  }
  EXPECT_EQ(tmp.Read("golfers.fwc"), "Old~OLD~0~\r\n");
  EXPECT_FALSE(tmp.Has("NEW.fwp"));
}

TEST(GolferListTest, EmptySavedListDoesNotFallBackToScoreFiles) {
  fwtest::TempFolder tmp;
  tmp.Write("PJONES.fwp", "");
  SaveGolferList(WorkFolder(tmp.Path()), GolferTable{},
                 fwtest::OnDisk(WorkFolder(tmp.Path()), fw::kGolferListFile));
  EXPECT_EQ(tmp.Read("golfers.fwc"), "");
  EXPECT_EQ(Load(tmp).Count(), 0);
}

TEST(GolferListTest, RebuildsFromScoreFilesSkippingNamesThatNameNoGolfer) {
  fwtest::TempFolder tmp;
  for (const char* name : {"PJONES.fwp", "ABCDEFGH.FWP", "A.B.fwp", "LONGERNAME.fwp",
                           "C.DEFGHIJK.fwp", ".fwp", "a:b.fwp", "notes.txt"})
    tmp.Write(name, "");
  tmp.MakeDir("DIR.fwp");
  GolferTable g = Load(tmp);
  Names found;
  for (const auto& r : g) {
    EXPECT_EQ(r.LongName, r.ShortName);
    EXPECT_EQ(r.Sex, 0);
    found.emplace_back(r.ShortName);
  }
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (Names{"A.B", "ABCDEFGH", "PJONES"}));
  EXPECT_FALSE(tmp.Has("golfers.fwc"));
}

TEST(GolferListTest, RebuildStopsAtTheLimit) {
  fwtest::TempFolder tmp;
  for (int i = 1; i <= 301; ++i) tmp.Write("G" + std::to_string(i) + ".fwp", "");
  EXPECT_EQ(Load(tmp).Count(), 300);
}

}  // namespace
}  // namespace fw
