#pragma once
// What every fuzz target shares: a private scratch area that the target checks
// after every input, and a check that ends the run with a message.
//
// The area holds two folders: "work", the working folder the data routines are
// given, and "cwd", the process's current folder. Anything the routines create
// outside the working folder lands in one of them or beside them, and
// CheckNothingOutside() then stops the run.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/workfolder.h"

namespace fwfuzz {

[[noreturn]] inline void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "\nPROPERTY FAILED: %s\n%s\n", what, detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(cond, ...)                          \
  do {                                                 \
    if (!(cond)) ::fwfuzz::Fail(#cond, ##__VA_ARGS__); \
  } while (0)

// Printable form of bytes for a failure message.
inline std::string Shown(std::string_view bytes) {
  std::string s;
  for (unsigned char c : bytes) {
    if (c >= 32 && c < 127 && c != '\\') {
      s += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      s += buf;
    }
  }
  return s;
}

class Scratch {
 public:
  Scratch() {
    // FAIRWICK_FUZZ_SCRATCH when set (scripts/fuzz.sh removes it afterwards,
    // after a finding too), else memory-backed when there is such a folder:
    // every save is flushed to disk.
    const char* given = std::getenv("FAIRWICK_FUZZ_SCRATCH");
    std::filesystem::path base = given ? given
                                 : std::filesystem::exists("/dev/shm")
                                     ? "/dev/shm"
                                     : std::filesystem::temp_directory_path();
    std::string pattern = (base / "fwfuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) Fail("mkdtemp");
    root_ = pattern;
    work_ = root_ / "work";
    std::filesystem::create_directory(work_);
    std::filesystem::create_directory(root_ / "cwd");
    if (::chdir((root_ / "cwd").c_str()) != 0) Fail("chdir");
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  const std::filesystem::path& Work() const { return work_; }

  // Empties the working folder for the next input.
  void Clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(work_)) {
      std::error_code ec;
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
      std::filesystem::remove_all(entry.path());
    }
  }

  void Write(std::string_view name, std::string_view bytes) const {
    std::FILE* f = std::fopen((work_ / std::string(name)).c_str(), "wb");
    if (!f) Fail("cannot write", std::string(name));
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }

  std::string Read(std::string_view name) const {
    std::string bytes;
    std::FILE* f = std::fopen((work_ / std::string(name)).c_str(), "rb");
    if (!f) Fail("cannot read", std::string(name));
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return bytes;
  }

  // Names in the working folder, sorted.
  std::vector<std::string> Names() const { return NamesIn(work_); }

  // Stops the run when anything but the two folders exists in the scratch
  // area, or anything at all in the current folder.
  void CheckNothingOutside() const {
    std::vector<std::string> top = NamesIn(root_);
    if (top != std::vector<std::string>{"cwd", "work"}) Fail("created beside the working folder");
    if (!NamesIn(root_ / "cwd").empty()) Fail("created in the current folder");
  }

 private:
  static std::vector<std::string> NamesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path root_;
  std::filesystem::path work_;
};

// Tables of records hold the same records in the same order.
template <class Table>
bool SameRecords(const Table& a, const Table& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

inline Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

// What a data file holds on disk now, for a save of a table the target did not
// load itself (a save checks that the file is still what was read).
inline fw::FileSnapshot& OnDisk(const fw::WorkFolder& folder, std::string_view name) {
  static fw::FileSnapshot seen;
  seen = folder.Snapshot(name);
  return seen;
}

}  // namespace fwfuzz
