#pragma once
// A whole club in one .zip file: "File > Back Up Club" writes it, "Restore
// Club" unpacks it into an empty folder, and the launcher makes one before the
// program starts (fairwick --backup). The archive holds the data files of the
// folder as they are on disk, byte for byte, under their own names.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/workfolder.h"

namespace fw {

// The data files a backup holds, their names matched ignoring case as
// WorkFolder matches them: the golfer list, the course list, the stroke
// indexes, the settings file, and every score file (*.fwp).
inline constexpr const char* kBackupFileNames[] = {"golfers.fwc", "courses.fwc", "holes.fwc",
                                                   "fairwick.ini"};
inline constexpr const char* kBackupExtension = ".fwp";
bool IsBackupFileName(std::string_view name);

// "fairwick-backup-YYYY-MM-DD.zip".
std::string DefaultBackupName(int year, int month, int day);

// False in a build of Fairwick made without libzip: then BackupClub and
// RestoreClub only raise FileError saying so.
bool CanBackUp();

// Writes every data file of the club folder into the zip file, replacing it
// atomically: the archive is made whole in memory and written to a temporary
// file beside the target, which is renamed into place only when complete. On
// failure raises FileError saying why and leaves any older zip as it was.
// Refuses a folder without data files, and a zip file named like a data file. Returns the names
// stored, in the order of the archive.
std::vector<std::string> BackupClub(const WorkFolder& club, const std::filesystem::path& zipFile);

// Extracts a backup into `emptyFolder`, created when it does not exist. Never
// writes over a club: refuses a folder that holds anything. Checks the whole
// archive before it writes: every entry must be a plain file under a data
// file's name (no folders or paths, no "..", no links, no other names, none
// twice), else FileError names the entry and says why. On any failure removes
// what it wrote (and the folder when it made it). Returns the names restored.
std::vector<std::string> RestoreClub(const std::filesystem::path& zipFile,
                                     const std::filesystem::path& emptyFolder);

}  // namespace fw
