#pragma once
// Files the user names anywhere (an exported CSV file, a backup archive), as
// opposed to the data files of the club folder, which WorkFolder looks up
// ignoring case. The path is taken exactly as given.

#include <filesystem>
#include <string_view>

namespace fw {

// Replaces (or creates) the file atomically, as the data files are replaced:
// the bytes go to a temporary file of its own beside it, which is flushed to
// disk and renamed over the old file only when complete (over a link's
// target, keeping the link). A read-only file is not replaced. On failure throws FileError ("<the
// path>: <the system's text>"), leaves any older file as it was and removes
// the temporary file. A folder or other entry that is not a regular file is
// never replaced (NotADataFileError). Keeps the permissions of the file it replaces.
void ReplaceOutsideFile(const std::filesystem::path& file, std::string_view bytes);

// Creates a file that must not exist yet (whatever stands under its name is
// left alone), writes the bytes and flushes them to disk. On failure throws
// FileError as ReplaceOutsideFile does and removes the file it created.
void WriteNewFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace fw
