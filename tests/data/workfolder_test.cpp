#include "data/workfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "data/pipewatchdog.h"
#include "support/fsizelimit.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using Names = std::vector<std::string>;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(WorkFolderTest, FindsNamesIgnoringCaseAndPrefersTheExactSpelling) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("pjones.fwp", "lower");
  tmp.Write("GOLFERS.FWC", "upper");

  ASSERT_TRUE(folder.Find("PJONES.fwp"));
  EXPECT_EQ(folder.Find("PJONES.fwp")->filename(), "pjones.fwp");
  EXPECT_EQ(folder.ReadAll("PJONES.FWP"), "lower");
  EXPECT_EQ(folder.ReadAll("golfers.fwc"), "upper");
  EXPECT_EQ(folder.PathFor("golfers.fwc").filename(), "GOLFERS.FWC");
  EXPECT_EQ(folder.PathFor("new.fwp").filename(), "new.fwp");
  EXPECT_FALSE(folder.Exists("pjones.fw"));

  tmp.Write("PJONES.fwp", "exact");
  EXPECT_EQ(folder.ReadAll("PJONES.fwp"), "exact");
  EXPECT_EQ(folder.ReadAll("pjones.fwp"), "lower");
}

TEST(WorkFolderTest, RefusesNamesThatReachOutsideTheFolder) {
  fwtest::TempFolder tmp;
  tmp.MakeDir("work");
  WorkFolder folder(tmp.Path() / "work");
  tmp.Write("outside", "secret");

  EXPECT_EQ(ErrorOf([] { WorkFolder::CheckSafeName("../x"); }),
            "The name \"../x\" cannot be used as a file name.");
  for (std::string bad :
       {std::string(""), std::string("."), std::string(".."), std::string("../outside"),
        std::string("a/b"), std::string("a\\b"), std::string("c:x"), std::string("a\0b", 3)}) {
    SCOPED_TRACE(bad);
    EXPECT_NE(
        ErrorOf([&] { WorkFolder::CheckSafeName(bad); }).find("cannot be used as a file name"),
        std::string::npos);
    EXPECT_FALSE(folder.Find(bad));
    EXPECT_THROW(folder.ReadAll(bad), FileError);
    EXPECT_THROW(folder.Replace(bad, "x"), FileError);
    EXPECT_THROW(folder.CreateIfMissing(bad), FileError);
    EXPECT_THROW(folder.Remove(bad), FileError);
    EXPECT_THROW(folder.Rename(bad, "y"), FileError);
    EXPECT_THROW(folder.Rename("y", bad), FileError);
  }
  EXPECT_EQ(tmp.Read("outside"), "secret");
  EXPECT_EQ(tmp.Names(), (Names{"outside", "work"}));
  EXPECT_TRUE(std::filesystem::is_empty(tmp.Path() / "work"));
  // Dots inside a name are fine.
  EXPECT_NO_THROW(WorkFolder::CheckSafeName("..fwp"));
}

TEST(WorkFolderTest, ReadAllReportsMissingAndUnreadableFiles) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  EXPECT_EQ(ErrorOf([&] { folder.ReadAll("none.fwp"); }), "File not found");
  tmp.MakeDir("dir.fwp");
  EXPECT_EQ(ErrorOf([&] { folder.ReadAll("dir.fwp"); }), "dir.fwp is a folder, not a data file.");
  std::string big(100000, 'a');
  big[99999] = '\0';
  tmp.Write("big", big);
  EXPECT_EQ(folder.ReadAll("big"), big);
}

TEST(WorkFolderTest, ReplaceWritesExactBytesIntoTheExistingSpelling) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  folder.Replace("new.fwc", std::string("a~\r\nb\0c", 7));
  EXPECT_EQ(tmp.Read("new.fwc"), std::string("a~\r\nb\0c", 7));

  tmp.Write("GOLFERS.FWC", "old contents that are longer");
  folder.Replace("golfers.fwc", "new");
  EXPECT_EQ(tmp.Read("GOLFERS.FWC"), "new");
  EXPECT_EQ(tmp.Names(), (Names{"GOLFERS.FWC", "new.fwc"}));
  folder.Replace("new.fwc", "");
  EXPECT_EQ(tmp.Read("new.fwc"), "");
}

TEST(WorkFolderTest, FailedReplaceKeepsTheOldFileAndLeavesNoTemporaryFile) {
  fwtest::TempFolder tmp;
  tmp.MakeDir("work");
  WorkFolder folder(tmp.Path() / "work");
  const fwtest::TempFolder& outside = tmp;
  outside.Write("secret", "secret");

  // Leftovers and links at the names older saves used neither block nor
  // redirect a save: every save writes a temporary file of its own.
  tmp.Write("work/golfers.fwc", "old");
  tmp.MakeDir("work/golfers.fwc.tmp");
  std::filesystem::create_symlink(tmp.Path() / "secret", tmp.Path() / "work/courses.fwc.tmp");
  folder.Replace("golfers.fwc", "new");
  folder.Replace("courses.fwc", "courses");
  EXPECT_EQ(tmp.Read("work/golfers.fwc"), "new");
  EXPECT_EQ(tmp.Read("secret"), "secret");
  EXPECT_EQ(tmp.Names(), (Names{"secret", "work"}));

  // A write that fails (a full disk) keeps the old file and leaves nothing.
  {
    fwtest::FileSizeLimit full(4);
    EXPECT_EQ(ErrorOf([&] { folder.Replace("golfers.fwc", "much longer"); }), std::strerror(EFBIG));
  }
  EXPECT_EQ(tmp.Read("work/golfers.fwc"), "new");
  for (const auto& entry : std::filesystem::directory_iterator(tmp.Path() / "work"))
    EXPECT_FALSE(WorkFolder::IsTempName(entry.path().filename().string())) << entry.path();
  EXPECT_TRUE(WorkFolder::IsTempName(".golfers.fwc.a1B2c3.tmp"));
  EXPECT_FALSE(WorkFolder::IsTempName("golfers.fwc.tmp"));

  // A folder in the target's place is refused before anything is written.
  tmp.MakeDir("work/PJONES.fwp/keep");
  EXPECT_EQ(ErrorOf([&] { folder.Replace("PJONES.fwp", "new"); }),
            "PJONES.fwp is a folder, not a data file.");
  EXPECT_TRUE(tmp.Has("work/PJONES.fwp/keep"));
}

TEST(WorkFolderTest, CreateIfMissingNeverTruncates) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("PJONES.FWP", "20020110~");
  folder.CreateIfMissing("PJONES.fwp");
  folder.CreateIfMissing("pjones.fwp");
  EXPECT_EQ(tmp.Read("PJONES.FWP"), "20020110~");
  folder.CreateIfMissing("ADAM.fwp");
  EXPECT_EQ(tmp.Read("ADAM.fwp"), "");
  EXPECT_EQ(tmp.Names(), (Names{"ADAM.fwp", "PJONES.FWP"}));
}

TEST(WorkFolderTest, RemoveFindsAnySpellingAndIgnoresMissingFiles) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("PJONES.FWP", "x");
  folder.Remove("pjones.fwp");
  EXPECT_FALSE(tmp.Has("PJONES.FWP"));
  EXPECT_NO_THROW(folder.Remove("pjones.fwp"));
}

TEST(WorkFolderTest, RenameNeverReplacesAnExistingFile) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("OLD.fwp", "old");
  tmp.Write("TAKEN.FWP", "taken");

  EXPECT_FALSE(folder.Rename("missing.fwp", "x.fwp"));
  EXPECT_FALSE(folder.Rename("OLD.fwp", "TAKEN.FWP"));
  EXPECT_FALSE(folder.Rename("OLD.fwp", "taken.fwp"));
  EXPECT_EQ(tmp.Read("OLD.fwp"), "old");
  EXPECT_EQ(tmp.Read("TAKEN.FWP"), "taken");

  // A different spelling of its own name is allowed.
  EXPECT_TRUE(folder.Rename("old.FWP", "Old.fwp"));
  EXPECT_EQ(tmp.Names(), (Names{"Old.fwp", "TAKEN.FWP"}));
  EXPECT_TRUE(folder.Rename("Old.fwp", "NEW.fwp"));
  EXPECT_EQ(tmp.Read("NEW.fwp"), "old");
  EXPECT_EQ(tmp.Names(), (Names{"NEW.fwp", "TAKEN.FWP"}));

  // Two files differing only in case: the other one is a different file.
  tmp.Write("new.fwp", "second");
  EXPECT_FALSE(folder.Rename("new.fwp", "NEW.fwp"));
  EXPECT_EQ(tmp.Read("NEW.fwp"), "old");
}

TEST(WorkFolderTest, ListsRegularFilesByExtensionIgnoringCase) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  tmp.Write("a.fwp", "");
  tmp.Write("B.FWP", "");
  tmp.Write("c.fwc", "");
  tmp.Write("d.fwp.tmp", "");
  tmp.MakeDir("dir.fwp");
  Names names = folder.ListByExtension(".fwp");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Names{"B.FWP", "a.fwp"}));
}

TEST(WorkFolderTest, WhatNoReaderCanTakeIsRefusedAndNeverReplaced) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  ASSERT_EQ(::mkfifo((tmp.Path() / "golfers.fwc").c_str(), 0666), 0);
  tmp.MakeDir("PJONES.fwp");
  tmp.Write("utf16le.fwc", std::string("\xFF\xFEO\0a\0k\0", 8));
  tmp.Write("utf16be.fwc", std::string("\xFE\xFF\0O\0a", 6));
  const std::string kUtf16 =
      " is stored as UTF-16 text, which Fairwick cannot read. Save it as plain (Windows-1252) "
      "text and try again.";
  struct Case {
    const char* name;
    std::string message;
  };
  fwtest::PipeWatchdog watchdog(tmp.Path() / "golfers.fwc");
  for (const Case& c :
       {Case{"golfers.fwc", "golfers.fwc is a named pipe, not a data file."},
        Case{"pjones.fwp", "PJONES.fwp is a folder, not a data file."},
        Case{"utf16le.fwc", "utf16le.fwc" + kUtf16}, Case{"utf16be.fwc", "utf16be.fwc" + kUtf16}}) {
    EXPECT_EQ(ErrorOf([&] { folder.ReadText(c.name); }), c.message);
    EXPECT_EQ(ErrorOf([&] { folder.Replace(c.name, "placeholders~\r\n"); }), c.message);
    EXPECT_THROW(folder.ReadText(c.name), NotADataFileError);
  }
  EXPECT_NO_THROW(folder.ReadAll("utf16le.fwc"));  // the bytes themselves can be read
  EXPECT_EQ(ErrorOf([&] { folder.CheckRegularFile("GOLFERS.FWC"); }),
            "golfers.fwc is a named pipe, not a data file.");
  EXPECT_NO_THROW(folder.CheckRegularFile("utf16le.fwc"));
  EXPECT_NO_THROW(folder.CheckRegularFile("missing.fwc"));

  // Everything is as it was, and no temporary file is left.
  EXPECT_TRUE(std::filesystem::is_fifo(tmp.Path() / "golfers.fwc"));
  EXPECT_TRUE(std::filesystem::is_empty(tmp.Path() / "PJONES.fwp"));
  EXPECT_EQ(tmp.Read("utf16le.fwc"), std::string("\xFF\xFEO\0a\0k\0", 8));
  EXPECT_EQ(tmp.Read("utf16be.fwc"), std::string("\xFE\xFF\0O\0a", 6));
  EXPECT_EQ(tmp.Names(), (Names{"PJONES.fwp", "golfers.fwc", "utf16be.fwc", "utf16le.fwc"}));

  // A UTF-8 byte order mark is skipped; only the first one counts.
  tmp.Write("bom.fwc", "\xEF\xBB\xBF\xEF\xBB\xBFPat~");
  EXPECT_EQ(folder.ReadText("bom.fwc"), "\xEF\xBB\xBFPat~");
  EXPECT_EQ(folder.ReadAll("bom.fwc"), "\xEF\xBB\xBF\xEF\xBB\xBFPat~");
  // What ReplaceText writes ReadText gives back, also text that begins like a
  // byte order mark, or like UTF-16 behind one.
  for (const std::string& text : {std::string("Pat~"), std::string("\xEF\xBB\xBFPat~"),
                                  std::string("\xEF\xBB\xBF\xFF\xFEn\0x~", 9)}) {
    folder.ReplaceText("bom.fwc", text);
    EXPECT_EQ(folder.ReadText("bom.fwc"), text);
  }
}

TEST(WorkFolderTest, AFileThatCannotBeOpenedIsNeverReplaced) {
  fwtest::TempFolder tmp;
  WorkFolder folder(tmp.Path());
  // A link to itself cannot be opened, whoever runs the test.
  std::filesystem::create_symlink("loop.fwp", tmp.Path() / "loop.fwp");
  EXPECT_EQ(ErrorOf([&] { folder.ReadAll("loop.fwp"); }), std::strerror(ELOOP));
  EXPECT_EQ(ErrorOf([&] { folder.Replace("loop.fwp", "new"); }), std::strerror(ELOOP));
  EXPECT_TRUE(std::filesystem::is_symlink(tmp.Path() / "loop.fwp"));
  EXPECT_EQ(tmp.Names(), (Names{"loop.fwp"}));
  if (::geteuid() == 0) return;  // the superuser reads whatever the permissions say

  tmp.Write("locked.fwp", "old");
  std::filesystem::permissions(tmp.Path() / "locked.fwp", std::filesystem::perms::none);
  EXPECT_EQ(ErrorOf([&] { folder.ReadAll("locked.fwp"); }), std::strerror(EACCES));
  EXPECT_EQ(ErrorOf([&] { folder.Replace("locked.fwp", "new"); }), std::strerror(EACCES));
  std::filesystem::permissions(tmp.Path() / "locked.fwp", std::filesystem::perms::owner_read);
  EXPECT_EQ(tmp.Read("locked.fwp"), "old");
}

}  // namespace
}  // namespace fw
