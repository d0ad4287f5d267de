#pragma once
// The working folder that holds the data files. File names are matched without
// regard to case, as on the platform the data files come from, so PJONES.FWP,
// pjones.fwp and PJONES.fwp all answer to "PJONES.fwp". Files are replaced
// atomically so that a failed save never destroys the previous file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include <string>
#include <string_view>
#include <vector>
#include "data/usererror.h"

namespace fw {

// A file operation that failed. what() is the system's text for the error
// ("No such file or directory", "Permission denied", ...) or, for a refused
// name, a sentence saying why.
class FileError : public UserError {
 public:
  using UserError::UserError;
};

// The file does not exist: what() is "File not found".
class MissingFileError : public FileError {
 public:
  MissingFileError() : FileError("File not found") {}
};

// A save that did not happen. what() names the file, says that it was not
// saved and why, and that the changes are still in the window:
// "golfers.fwc was not saved: No space left on device. Your changes are still
// here."
class NotSavedError : public FileError {
 public:
  NotSavedError(std::string_view name, std::string_view reason);
};

// The file changed on disk after the window read it (another window or another
// copy of Fairwick saved it): nothing was written, so that neither side's work
// is lost. what() names the file and says so.
class FileChangedError : public NotSavedError {
 public:
  explicit FileChangedError(std::string_view name);
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// Something stands where a data file is expected that no reader can take: a
// folder, a named pipe or another special file, or text stored as UTF-16.
// what() is a sentence naming the file, such as
// "PJONES.fwp is a folder, not a data file.".
class NotADataFileError : public FileError {
 public:
  using FileError::FileError;
};

// What a window read of a data file when it loaded it: the file's bytes and
// identity (device and inode), or that the file did not exist. A save checks
// that the file on disk is still exactly this before replacing it, and then
// remembers what it wrote. When the file held more records than its table
// can, the table holds only part of it: such a file is never saved over.
class FileSnapshot {
 public:
  // The file did not exist.
  FileSnapshot() = default;
  FileSnapshot(std::string bytes, std::uint64_t device, std::uint64_t inode)
      : exists_(true), device_(device), inode_(inode), bytes_(std::move(bytes)) {}

  bool Exists() const { return exists_; }
  const std::string& Bytes() const { return bytes_; }

  // Set by a loader that stopped at the limit of the table it filled
  // (table.h), of "rounds", "golfers" or "courses": the file holds `records`
  // of them.
  template <class Table>
  void MarkPartial(int records, const Table&, std::string noun) {
    partialRecords_ = records;
    limit_ = Table::kLimit;
    noun_ = std::move(noun);
  }
  bool Partial() const { return partialRecords_ > 0; }
  int RecordsInFile() const { return partialRecords_; }
  // What the user is told once when such a file is loaded, naming it and the
  // count: "PJONES.fwp holds 205 rounds, more than the 200 Fairwick can keep.
  // The first 200 are shown, and the file will not be saved from here, so
  // that none of the others is lost."
  std::string PartialLoadNotice(std::string_view name) const;

  // The same file with the same bytes (what was loaded is still there).
  bool SameFileAs(const FileSnapshot& other) const {
    return exists_ == other.exists_ && device_ == other.device_ && inode_ == other.inode_ &&
           bytes_ == other.bytes_;
  }

 private:
  bool exists_ = false;
  std::uint64_t device_ = 0;
  std::uint64_t inode_ = 0;
  std::string bytes_;
  int partialRecords_ = 0;
  int limit_ = 0;
  std::string noun_;
};

class WorkFolder {
 public:
  explicit WorkFolder(std::filesystem::path dir);

  const std::filesystem::path& Dir() const { return dir_; }

  // Throws FileError unless `name` is a plain file name inside this folder: not
  // empty, not "." or "..", and free of '/', '\\', ':' and NUL.
  static void CheckSafeName(std::string_view name);

  // The entry whose name equals `name` ignoring ASCII case: an exact match
  // first, else the first match in directory order. Unsafe names find nothing.
  // Throws FileError when the folder itself is gone or cannot be listed: an
  // unreadable folder is not an empty one (a network share that drops for a
  // moment must not look like a club without files).
  std::optional<std::filesystem::path> Find(std::string_view name) const;
  bool Exists(std::string_view name) const { return Find(name).has_value(); }

  // The existing file of that name (any case), else the path of a new file
  // spelled exactly as given.
  std::filesystem::path PathFor(std::string_view name) const;

  // Names (as stored on disk) of the regular files whose names end with
  // `extension` ignoring case, in the order the file system returns them.
  // Throws FileError when the folder cannot be listed.
  std::vector<std::string> ListByExtension(std::string_view extension) const;

  // The whole content of a file. Throws MissingFileError when it is missing,
  // NotADataFileError when it is not a regular file (a named pipe is never
  // waited on), and FileError with the system's text when it cannot be read.
  std::string ReadAll(std::string_view name) const;

  // The content of a data file as its reader takes it: ReadAll, without the
  // UTF-8 byte order mark an editor may have put in front. Text stored as
  // UTF-16 (byte order mark FF FE or FE FF, then nothing or text holding a NUL)
  // throws NotADataFileError; Fairwick's own files hold no NUL, so one that
  // merely begins with those two characters is read as it is.
  std::string ReadText(std::string_view name) const;
  // ReadText that also remembers in `seen` what was read, for a later
  // ReplaceIfUnchanged. A missing file throws MissingFileError and leaves
  // `seen` saying that the file was absent.
  std::string ReadText(std::string_view name, FileSnapshot& seen) const;

  // What the file holds now (absent when missing), to compare with what a
  // window read: a window that shows a list reloads it when it changed.
  FileSnapshot Snapshot(std::string_view name) const;
  bool Unchanged(std::string_view name, const FileSnapshot& seen) const;

  // Throws NotADataFileError when an entry of that name exists and is not a
  // regular file; a missing name passes.
  void CheckRegularFile(std::string_view name) const;

  // Replaces (or creates) the file atomically: writes a temporary file of its
  // own (a unique name, created exclusively, never through a link) beside it,
  // flushes it to disk and renames it over the old one. A data file that is a
  // symbolic link is replaced beside the file the link points to, and the link
  // stays. On failure throws NotSavedError with the system's text, leaves the
  // old file intact and removes the temporary file. A file without write
  // permission is not replaced. What no reader could take is never replaced
  // either: an entry that is not a regular file or holds UTF-16 text
  // (NotADataFileError), or a file that cannot be read (the system's text); its
  // content was never loaded, so the bytes meant to replace it cannot hold it.
  void Replace(std::string_view name, std::string_view bytes) const;

  // ReplaceText for a data file a window loaded: replaces it only when the file
  // on disk is still exactly what `seen` says was read (FileChangedError
  // otherwise, nothing written), and only when `seen` holds the whole file
  // (NotSavedError for a file loaded in part). Afterwards `seen` is what was
  // written. Saves of the folder's copies of Fairwick take turns: the check and
  // the rename happen under a lock on the folder.
  void ReplaceIfUnchanged(std::string_view name, std::string_view text, FileSnapshot& seen) const;

  // Replace for a data file that ReadText reads back: text that itself begins
  // with the bytes of a UTF-8 byte order mark (EF BB BF, a first field that
  // starts with those three characters) is written behind one more, so reading
  // it gives exactly the text again instead of losing those bytes at each save.
  void ReplaceText(std::string_view name, std::string_view text) const;

  // Creates an empty file when none of that name exists; never truncates.
  void CreateIfMissing(std::string_view name) const;

  // Deletes the file; a missing file is no error.
  void Remove(std::string_view name) const;

  // Renames `from` to `to`. Never replaces an existing file, whatever the case
  // of its name (renaming a file to a different spelling of its own name is
  // allowed). Returns false when `from` is missing or `to` exists; throws
  // FileError with the system's text when the system refuses (a read-only
  // folder, for example).
  bool Rename(std::string_view from, std::string_view to) const;

  // True for the names of the temporary files Replace writes (".NAME.xxxxxx.tmp").
  static bool IsTempName(std::string_view name);
  // Removes temporary files left behind by saves that were interrupted (a
  // crash, a power cut). Only safe while no other copy of Fairwick saves in
  // the folder.
  void RemoveLeftoverTempFiles() const;

 private:
  std::filesystem::path dir_;
};

}  // namespace fw
