#include "data/backup.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>

#include "support/tempfolder.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

// A zip file holding the given entries, made with libzip.
void WriteZip(const fs::path& file,
              const std::vector<std::pair<std::string, std::string>>& entries) {
  int error = 0;
  zip_t* za = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(za, nullptr);
  for (const auto& [name, bytes] : entries)
    zip_file_add(za, name.c_str(), zip_source_buffer(za, bytes.data(), bytes.size(), 0), 0);
  ASSERT_EQ(zip_close(za), 0);
}

TEST(BackupTest, SampleClubRestoredIntoAnEmptyFolderIsTheSameFileByFile) {
  fwtest::TempFolder club, out;
  for (const auto& entry : fs::directory_iterator(FAIRWICK_SAMPLE_DIR))
    fs::copy_file(entry.path(), club.Path() / entry.path().filename());
  fs::rename(club.Path() / "sample.fwc", club.Path() / "COURSES.FWC");
  club.Write("fairwick.ini", "[Settings]\r\nHandicapSystem=WHS\r\n");
  club.Write("hdcplist.fwo", "a report, not data");
  const fs::path zip = out.Path() / DefaultBackupName(2026, 3, 7);
  EXPECT_EQ(zip.filename(), "fairwick-backup-2026-03-07.zip");
  out.Write(zip.filename().string(), "an older backup");

  const std::string golfers = club.Read("golfers.fwc");
  EXPECT_THROW(BackupClub(WorkFolder(club.Path()), club.Path() / "golfers.fwc"), FileError);
  EXPECT_EQ(club.Read("golfers.fwc"), golfers);
  const auto stored = BackupClub(WorkFolder(club.Path()), zip);
  const fs::path restored = out.Path() / "club";
  EXPECT_EQ(RestoreClub(zip, restored), stored);

  std::vector<std::string> expected = club.Names();
  std::erase(expected, "hdcplist.fwo");
  EXPECT_EQ(stored, expected);
  for (const std::string& name : stored) {
    SCOPED_TRACE(name);
    EXPECT_EQ(out.Read("club/" + name), club.Read(name));
  }
}

TEST(BackupTest, RestoreRefusesABusyFolderAndUnsafeEntriesWritingNothing) {
  fwtest::TempFolder tmp;
  const fs::path good = tmp.Path() / "good.zip";
  WriteZip(good, {{"PJONES.fwp", "x"}});
  tmp.MakeDir("busy");
  tmp.Write("busy/golfers.fwc", "Pat~PJONES~1~\r\n");
  EXPECT_THROW(RestoreClub(good, tmp.Path() / "busy"), FileError);
  EXPECT_EQ(tmp.Read("busy/golfers.fwc"), "Pat~PJONES~1~\r\n");

  const std::pair<std::string, std::string> unsafe[] = {
      {"../PJONES.fwp", "names a path"},
      {"club/PJONES.fwp", "names a path"},
      {"notes.txt", "is not a Fairwick data file"},
  };
  for (const auto& [name, why] : unsafe) {
    SCOPED_TRACE(name);
    const fs::path zip = tmp.Path() / "bad.zip";
    WriteZip(zip, {{"golfers.fwc", "Pat~PJONES~1~\r\n"}, {name, "x"}});
    try {
      RestoreClub(zip, tmp.Path() / "new");
      ADD_FAILURE() << "restored";
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find("\"" + name + "\" " + why), std::string::npos)
          << e.what();
    }
    EXPECT_FALSE(tmp.Has("new"));
    EXPECT_FALSE(tmp.Has("PJONES.fwp"));
  }
}

}  // namespace
}  // namespace fw
