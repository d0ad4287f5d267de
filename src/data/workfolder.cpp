#include "data/workfolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "data/outfile.h"
#include "data/textutil.h"

namespace fw {
namespace fs = std::filesystem;

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() &&
         SameTextIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

[[noreturn]] void ThrowSystemError(int err) {
  throw FileError(std::strerror(err));
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now and reports the error of the close, 0 when it succeeded.
  int Close() {
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

int OpenRetrying(const fs::path& path, int flags, mode_t mode = 0) {
  int fd;
  do fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes all bytes; returns 0 or the error number.
int WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return 0;
}

// Why an entry that is not a regular file is no data file.
[[noreturn]] void ThrowNotRegular(const fs::path& path, mode_t mode) {
  const std::string name = path.filename().string();
  if (S_ISDIR(mode)) throw NotADataFileError(name + " is a folder, not a data file.");
  if (S_ISFIFO(mode)) throw NotADataFileError(name + " is a named pipe, not a data file.");
  throw NotADataFileError(name + " is a special file, not a data file.");
}

// The folder itself is gone or cannot be listed.
[[noreturn]] void ThrowFolderError(const fs::path& dir, const std::error_code& ec) {
  throw FileError("The folder \"" + dir.string() + "\" cannot be read: " + ec.message() + ".");
}

[[noreturn]] void ThrowUtf16(const fs::path& path) {
  throw NotADataFileError(path.filename().string() +
                          " is stored as UTF-16 text, which Fairwick cannot read. Save it as "
                          "plain (Windows-1252) text and try again.");
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Text stored as UTF-16: its byte order mark (FF FE or FE FF, also behind a
// UTF-8 one an editor put in front), then nothing or text holding a NUL, as
// UTF-16 of every tilde and line end does. Fairwick never writes a NUL, so a
// file of its own that merely begins with the bytes of "\xFF\xFE" or "\xFE\xFF"
// (a name or a date of those characters sorted first) is read as the text it is.
bool IsUtf16Text(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  if (!bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")) return false;
  bytes.remove_prefix(2);
  return bytes.empty() || bytes.find('\0') != std::string_view::npos;
}

// Opens an existing entry for reading without ever waiting: a named pipe with
// no writer would otherwise block the open, and then the read, for good.
// Throws unless it is a regular file; fills `st`.
int OpenRegularForReading(const fs::path& path, struct stat& st) {
  int fd = OpenRetrying(path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) throw MissingFileError();
    ThrowSystemError(errno);
  }
  if (::fstat(fd, &st) != 0) {
    int err = errno;
    ::close(fd);
    ThrowSystemError(err);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    ThrowNotRegular(path, st.st_mode);
  }
  return fd;
}

std::string Printable(std::string_view name) {
  std::string s;
  for (char c : name) {
    if (c == '\0')
      s += "\\0";
    else
      s += c;
  }
  return s;
}

}  // namespace

WorkFolder::WorkFolder(fs::path dir) : dir_(std::move(dir)) {}

void WorkFolder::CheckSafeName(std::string_view name) {
  bool safe = !name.empty() && name != "." && name != ".." &&
              name.find_first_of(std::string_view("/\\:\0", 4)) == std::string_view::npos;
  if (!safe) throw FileError("The name \"" + Printable(name) + "\" cannot be used as a file name.");
}

std::optional<fs::path> WorkFolder::Find(std::string_view name) const {
  try {
    CheckSafeName(name);
  } catch (const FileError&) {
    return std::nullopt;
  }
  fs::path exact = dir_ / std::string(name);
  std::error_code ec;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  fs::directory_iterator it(dir_, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (SameTextIgnoringCase(entry, name)) return it->path();
  }
  if (ec) ThrowFolderError(dir_, ec);
  return std::nullopt;
}

fs::path WorkFolder::PathFor(std::string_view name) const {
  CheckSafeName(name);
  if (auto found = Find(name)) return *found;
  return dir_ / std::string(name);
}

std::vector<std::string> WorkFolder::ListByExtension(std::string_view extension) const {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(dir_, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string entry = it->path().filename().string();
    if (EndsWithIgnoringCase(entry, extension)) names.push_back(std::move(entry));
  }
  if (ec) ThrowFolderError(dir_, ec);
  return names;
}

namespace {

// The rest of an open file; `st` is its status, for the size to expect.
std::string ReadRest(int fd, const struct stat& st) {
  std::string bytes;
  // Read in one go when the size is known; keep reading in case the file grew.
  std::size_t want = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  bytes.resize(want + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) bytes.resize(bytes.size() * 2);
    ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(errno);
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  bytes.resize(have);
  return bytes;
}

}  // namespace

namespace {

// An open file's bytes and identity.
FileSnapshot ReadOpen(int fd, const struct stat& st) {
  return FileSnapshot(ReadRest(fd, st), static_cast<std::uint64_t>(st.st_dev),
                      static_cast<std::uint64_t>(st.st_ino));
}

// Where a save writes: the entry itself, or for a symbolic link the file the
// link points to (followed through further links), so that the link stays.
fs::path SaveTarget(const fs::path& entry) {
  fs::path target = entry;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
    fs::path next = fs::read_symlink(target, ec);
    if (ec) throw FileError(ec.message());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  throw FileError(std::strerror(ELOOP));
}

// The characters of a temporary file's random part.
constexpr std::string_view kTempAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kTempRandomLength = 6;
constexpr std::string_view kTempSuffix = ".tmp";

// Creates a temporary file of its own beside `target`: a name no other save
// uses, created exclusively and never through a link, so that a leftover or
// planted file of that name can neither block nor redirect the save. Fills
// `path`; returns the descriptor.
int CreateTempBeside(const fs::path& target, mode_t mode, fs::path& path) {
  static thread_local std::mt19937_64 random{std::random_device{}() ^
                                             static_cast<std::uint64_t>(::getpid())};
  std::uniform_int_distribution<std::size_t> pick(0, kTempAlphabet.size() - 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + target.filename().string() + ".";
    for (std::size_t i = 0; i < kTempRandomLength; ++i) name += kTempAlphabet[pick(random)];
    name += kTempSuffix;
    path = target.parent_path() / name;
    int fd = OpenRetrying(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
    if (fd >= 0) {
      // The mode asked for is narrowed by the umask; keep the old file's.
      ::fchmod(fd, mode);
      return fd;
    }
    if (errno != EEXIST) ThrowSystemError(errno);
  }
  ThrowSystemError(EEXIST);
}

// Writes `bytes` into a new file beside `target` and renames it over `target`;
// the identity of what was written. Throws FileError with the system's text;
// the old file stays as it was and the temporary file is removed.
FileSnapshot WriteReplacing(const fs::path& target, std::string_view bytes, mode_t mode) {
  fs::path temp;
  Descriptor fd(CreateTempBeside(target, mode, temp));
  auto fail = [&](int err) {
    fd.Close();
    ::unlink(temp.c_str());
    ThrowSystemError(err);
  };
  if (int err = WriteAll(fd.Get(), bytes)) fail(err);
  if (::fsync(fd.Get()) != 0) fail(errno);
  struct stat written {};
  if (::fstat(fd.Get(), &written) != 0) fail(errno);
  if (int err = fd.Close()) {
    ::unlink(temp.c_str());
    ThrowSystemError(err);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    ThrowSystemError(err);
  }
  // Make the rename itself durable; a failure here no longer endangers the data.
  Descriptor dirFd(OpenRetrying(target.parent_path(), O_RDONLY | O_DIRECTORY));
  if (dirFd.Get() >= 0) ::fsync(dirFd.Get());
  return FileSnapshot(std::string(bytes), static_cast<std::uint64_t>(written.st_dev),
                      static_cast<std::uint64_t>(written.st_ino));
}

// Holds the folder's lock while saves of several copies of Fairwick check and
// replace their files, so that one copy's check and rename cannot fall between
// another's. A folder that cannot be locked (some network file systems) is
// saved in without it.
class FolderLock {
 public:
  explicit FolderLock(const fs::path& dir) : fd_(OpenRetrying(dir, O_RDONLY | O_DIRECTORY)) {
    if (fd_.Get() >= 0)
      while (::flock(fd_.Get(), LOCK_EX) != 0 && errno == EINTR) {
      }
  }

 private:
  Descriptor fd_;
};

std::string WithBom(std::string_view text) {
  // Text that itself begins with the bytes of a byte order mark is written
  // behind one more, so reading it gives exactly the text again.
  if (!text.starts_with(kUtf8Bom)) return std::string(text);
  std::string bytes(kUtf8Bom);
  bytes += text;
  return bytes;
}

}  // namespace

NotSavedError::NotSavedError(std::string_view name, std::string_view reason)
    : FileError(std::string(name) + " was not saved: " + std::string(reason) +
                (reason.ends_with('.') ? "" : ".") + " Your changes are still here.") {}

FileChangedError::FileChangedError(std::string_view name)
    : NotSavedError(name,
                    "another window or another copy of Fairwick changed it after this "
                    "window read it"),
      name_(name) {}

std::string FileSnapshot::PartialLoadNotice(std::string_view name) const {
  const std::string limit = std::to_string(limit_);
  return std::string(name) + " holds " + std::to_string(partialRecords_) + " " + noun_ +
         ", more than the " + limit + " Fairwick can keep. The first " + limit +
         " are shown, and the file will not be saved from here, so that none of the others is "
         "lost.";
}

std::string WorkFolder::ReadAll(std::string_view name) const {
  CheckSafeName(name);
  struct stat st {};
  // The name as spelt first; the folder is searched for another spelling only
  // when that is missing.
  std::optional<Descriptor> fd;
  try {
    fd.emplace(OpenRegularForReading(dir_ / std::string(name), st));
  } catch (const MissingFileError&) {
    auto found = Find(name);
    if (!found) throw;
    fd.emplace(OpenRegularForReading(*found, st));
  }
  return ReadRest(fd->Get(), st);
}

FileSnapshot WorkFolder::Snapshot(std::string_view name) const {
  CheckSafeName(name);
  auto found = Find(name);
  if (!found) return FileSnapshot();
  struct stat st {};
  try {
    Descriptor fd(OpenRegularForReading(*found, st));
    return ReadOpen(fd.Get(), st);
  } catch (const MissingFileError&) {
    // Gone meanwhile, or a link to nothing.
    return FileSnapshot();
  }
}

bool WorkFolder::Unchanged(std::string_view name, const FileSnapshot& seen) const {
  return Snapshot(name).SameFileAs(seen);
}

std::string WorkFolder::ReadText(std::string_view name) const {
  FileSnapshot seen;
  return ReadText(name, seen);
}

std::string WorkFolder::ReadText(std::string_view name, FileSnapshot& seen) const {
  seen = FileSnapshot();
  CheckSafeName(name);
  auto found = Find(name);
  if (!found) throw MissingFileError();
  struct stat st {};
  Descriptor fd(OpenRegularForReading(*found, st));
  seen = ReadOpen(fd.Get(), st);
  std::string bytes = seen.Bytes();
  if (IsUtf16Text(bytes)) ThrowUtf16(*found);
  if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
  return bytes;
}

void WorkFolder::ReplaceText(std::string_view name, std::string_view text) const {
  Replace(name, WithBom(text));
}

void WorkFolder::CheckRegularFile(std::string_view name) const {
  auto found = Find(name);
  if (!found) return;
  struct stat st {};
  // stat never opens the entry, so a named pipe cannot hold it up.
  if (::stat(found->c_str(), &st) != 0) return;
  if (!S_ISREG(st.st_mode)) ThrowNotRegular(*found, st.st_mode);
}

namespace {

// What stands at `entry` now, read through any link; absent when missing.
// Refuses what no reader could take (a folder, a pipe, UTF-16 text) and a file
// that cannot be read: what it holds was never loaded, so nothing may replace it.
FileSnapshot CurrentContent(const fs::path& entry) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(entry, ec))) return FileSnapshot();
  struct stat st {};
  try {
    Descriptor fd(OpenRegularForReading(entry, st));
    FileSnapshot now = ReadOpen(fd.Get(), st);
    if (IsUtf16Text(now.Bytes())) ThrowUtf16(entry);
    return now;
  } catch (const MissingFileError&) {
    // Gone meanwhile, or a link to nothing: nothing is lost by creating it.
    return FileSnapshot();
  }
}

// A file whose owner took away the write permission is not to be rewritten,
// even by a user the system would let do it.
bool ReadOnly(const fs::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

// The process's umask, read once: reading it means setting it.
mode_t CurrentUmask() {
  static const mode_t mask = [] {
    mode_t m = ::umask(022);
    ::umask(m);
    return m;
  }();
  return mask;
}

// The permissions of the file being replaced, or those of a new file.
mode_t ModeFor(const fs::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return 0666 & ~CurrentUmask();
}

}  // namespace

void WorkFolder::Replace(std::string_view name, std::string_view bytes) const {
  const fs::path entry = PathFor(name);
  CurrentContent(entry);
  const fs::path target = SaveTarget(entry);
  if (ReadOnly(target)) throw FileError(std::string(name) + " is read-only.");
  WriteReplacing(target, bytes, ModeFor(target));
}

void WorkFolder::ReplaceIfUnchanged(std::string_view name, std::string_view text,
                                    FileSnapshot& seen) const {
  if (seen.Partial())
    throw NotSavedError(name, "it holds " + std::to_string(seen.RecordsInFile()) +
                                  " entries, more than this window could load, and saving "
                                  "would lose the rest");
  const fs::path entry = PathFor(name);
  FolderLock lock(dir_);
  try {
    if (!CurrentContent(entry).SameFileAs(seen)) throw FileChangedError(name);
    const fs::path target = SaveTarget(entry);
    if (ReadOnly(target)) throw FileError("the file is read-only");
    seen = WriteReplacing(target, WithBom(text), ModeFor(target));
  } catch (const NotADataFileError&) {
    throw;
  } catch (const NotSavedError&) {
    throw;
  } catch (const FileError& e) {
    throw NotSavedError(name, e.what());
  }
}

void WorkFolder::CreateIfMissing(std::string_view name) const {
  CheckSafeName(name);
  if (Exists(name)) return;
  // O_EXCL: should the file appear meanwhile, it is left as it is.
  Descriptor fd(OpenRetrying(dir_ / std::string(name), O_WRONLY | O_CREAT | O_EXCL, 0666));
  if (fd.Get() < 0 && errno != EEXIST) ThrowSystemError(errno);
  if (fd.Get() >= 0) {
    if (int err = fd.Close()) ThrowSystemError(err);
  }
}

void WorkFolder::Remove(std::string_view name) const {
  CheckSafeName(name);
  auto found = Find(name);
  if (!found) return;
  if (::unlink(found->c_str()) != 0 && errno != ENOENT) ThrowSystemError(errno);
}

bool WorkFolder::Rename(std::string_view from, std::string_view to) const {
  CheckSafeName(from);
  CheckSafeName(to);
  auto source = Find(from);
  if (!source) return false;
  if (auto existing = Find(to)) {
    std::error_code ec;
    // Only the file itself may answer to the new name (a change of case).
    if (!fs::equivalent(*existing, *source, ec) || ec) return false;
  }
  fs::path target = dir_ / std::string(to);
  if (target == *source) return true;
  // Refuse, rather than replace, a file that appeared since the check above.
  if (::renameat2(AT_FDCWD, source->c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  int err = errno;
  std::error_code ec;
  // A file system that ignores case sees the new spelling as the file itself.
  bool sameFile = err == EEXIST && fs::equivalent(target, *source, ec) && !ec;
  if (err == EEXIST && !sameFile) return false;
  // Without support for refusing, the check above has to do.
  bool unsupported = err == EINVAL || err == ENOSYS;
  if (!sameFile && !unsupported) ThrowSystemError(err);
  if (::rename(source->c_str(), target.c_str()) != 0) ThrowSystemError(errno);
  return true;
}

bool WorkFolder::IsTempName(std::string_view name) {
  // "." + the file's name + "." + six characters + ".tmp"
  constexpr std::size_t kTail = 1 + kTempRandomLength + kTempSuffix.size();
  if (name.size() < 1 + 1 + kTail || name[0] != '.' || !name.ends_with(kTempSuffix)) return false;
  std::string_view random = name.substr(name.size() - kTail, kTail);
  if (random[0] != '.') return false;
  random = random.substr(1, kTempRandomLength);
  return random.find_first_not_of(kTempAlphabet) == std::string_view::npos;
}

void WorkFolder::RemoveLeftoverTempFiles() const {
  std::error_code ec;
  for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_symlink(typeEc) || !it->is_regular_file(typeEc)) continue;
    if (IsTempName(it->path().filename().string())) ::unlink(it->path().c_str());
  }
}

namespace {

// The file the user named and the system's text for the error.
[[noreturn]] void ThrowNamedError(const FileError& error, const fs::path& file) {
  throw FileError(file.string() + ": " + error.what());
}

}  // namespace

void ReplaceOutsideFile(const fs::path& file, std::string_view bytes) {
  struct stat st {};
  if (::stat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    throw NotADataFileError(file.string() + " is not a file that can be replaced.");
  try {
    const fs::path target = SaveTarget(file);
    if (ReadOnly(target)) throw FileError("the file is read-only");
    WriteReplacing(target, bytes, ModeFor(target));
  } catch (const NotADataFileError&) {
    throw;
  } catch (const FileError& error) {
    ThrowNamedError(error, file);
  }
}

void WriteNewFile(const fs::path& file, std::string_view bytes) {
  Descriptor fd(OpenRetrying(file, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666));
  if (fd.Get() < 0) ThrowNamedError(FileError(std::strerror(errno)), file);
  int err = WriteAll(fd.Get(), bytes);
  if (err == 0 && ::fsync(fd.Get()) != 0) err = errno;
  if (const int closed = fd.Close(); err == 0) err = closed;
  if (err != 0) {
    ::unlink(file.c_str());
    ThrowNamedError(FileError(std::strerror(err)), file);
  }
}

}  // namespace fw
