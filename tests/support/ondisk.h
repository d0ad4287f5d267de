#pragma once
// What a data file holds on disk now, for a test or tool that saves a table it
// did not load through the program's loaders (a save checks what was read).

#include <string_view>

#include "data/workfolder.h"

namespace fwtest {

inline fw::FileSnapshot& OnDisk(const fw::WorkFolder& folder, std::string_view name) {
  static thread_local fw::FileSnapshot seen;
  seen = folder.Snapshot(name);
  return seen;
}

}  // namespace fwtest
