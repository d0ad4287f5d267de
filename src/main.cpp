// Fairwick keeps golf scores and computes golf handicaps. It works on the data
// files of the current directory. One option, for the launcher: `fairwick
// --backup ZIPFILE` writes a backup of the current directory's club into
// ZIPFILE and ends, without opening a window; errors go to standard error.

#include <filesystem>
#include <iostream>
#include <string_view>

#include "app/fwstartup.h"
#include "data/backup.h"

namespace {

int BackUpAndExit(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fairwick --backup ZIPFILE\n";
    return 2;
  }
  try {
    fw::BackupClub(fw::WorkFolder(std::filesystem::current_path()), argv[2]);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "fairwick: the backup failed: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--backup") return BackUpAndExit(argc, argv);
  return fw::ui::RunFairwick(argc, argv);
}
