#pragma once
// The working folder that holds the data files. File names are matched without
// regard to case, as on the platform the data files come from, so PJONES.FWP,
// pjones.fwp and PJONES.fwp all answer to "PJONES.fwp". Files are replaced
// atomically so that a failed save never destroys the previous file.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// A file operation that failed. what() is the system's text for the error
// ("No such file or directory", "Permission denied", ...) or, for a refused
// name, a sentence saying why.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file does not exist: what() is "File not found".
class MissingFileError : public FileError {
 public:
  MissingFileError() : FileError("File not found") {}
};

// Something stands where a data file is expected that no reader can take: a
// folder, a named pipe or another special file, or text stored as UTF-16.
// what() is a sentence naming the file, such as
// "PJONES.fwp is a folder, not a data file.".
class NotADataFileError : public FileError {
 public:
  using FileError::FileError;
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
  std::optional<std::filesystem::path> Find(std::string_view name) const;
  bool Exists(std::string_view name) const { return Find(name).has_value(); }

  // The existing file of that name (any case), else the path of a new file
  // spelled exactly as given.
  std::filesystem::path PathFor(std::string_view name) const;

  // Names (as stored on disk) of the regular files whose names end with
  // `extension` ignoring case, in the order the file system returns them.
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

  // Throws NotADataFileError when an entry of that name exists and is not a
  // regular file; a missing name passes.
  void CheckRegularFile(std::string_view name) const;

  // Replaces (or creates) the file atomically: writes a temporary file beside
  // it, flushes it to disk and renames it over the old one. On failure throws
  // FileError with the system's text, leaves the old file intact and removes the
  // temporary file. What no reader could take is never replaced: an entry that
  // is not a regular file or holds UTF-16 text (NotADataFileError), or a file
  // that cannot be read (the system's text); its content was never loaded, so
  // the bytes meant to replace it cannot hold it.
  void Replace(std::string_view name, std::string_view bytes) const;

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
  // allowed). Returns false when `from` is missing, `to` exists or the system
  // refuses.
  bool Rename(std::string_view from, std::string_view to) const;

  // Name of the temporary file that Replace writes beside `name`.
  static std::string TempNameFor(std::string_view name);

 private:
  std::filesystem::path dir_;
};

}  // namespace fw
