#include "data/workfolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace fw {
namespace fs = std::filesystem;

namespace {

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() &&
         EqualsIgnoringCase(text.substr(text.size() - tail.size()), tail);
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
  for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (EqualsIgnoringCase(entry, name)) return it->path();
  }
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
  for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    std::string entry = it->path().filename().string();
    if (EndsWithIgnoringCase(entry, extension)) names.push_back(std::move(entry));
  }
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

std::string WorkFolder::ReadText(std::string_view name) const {
  std::string bytes = ReadAll(name);
  if (IsUtf16Text(bytes)) ThrowUtf16(PathFor(name));
  if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
  return bytes;
}

void WorkFolder::ReplaceText(std::string_view name, std::string_view text) const {
  if (!text.starts_with(kUtf8Bom)) return Replace(name, text);
  std::string bytes(kUtf8Bom);
  bytes += text;
  Replace(name, bytes);
}

void WorkFolder::CheckRegularFile(std::string_view name) const {
  auto found = Find(name);
  if (!found) return;
  struct stat st {};
  // stat never opens the entry, so a named pipe cannot hold it up.
  if (::stat(found->c_str(), &st) != 0) return;
  if (!S_ISREG(st.st_mode)) ThrowNotRegular(*found, st.st_mode);
}

void WorkFolder::Replace(std::string_view name, std::string_view bytes) const {
  fs::path target = PathFor(name);
  fs::path temp = dir_ / TempNameFor(name);

  // An existing file is replaced only when a reader could have taken it.
  std::error_code ec;
  if (fs::exists(fs::symlink_status(target, ec))) {
    struct stat existing {};
    try {
      Descriptor old(OpenRegularForReading(target, existing));
      if (IsUtf16Text(ReadRest(old.Get(), existing))) ThrowUtf16(target);
    } catch (const MissingFileError&) {
      // Gone meanwhile: nothing is lost by creating it.
    }
  }

  // Keep the permissions of the file being replaced.
  mode_t mode = 0666;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) mode = st.st_mode & 07777;

  Descriptor fd(OpenRetrying(temp, O_WRONLY | O_CREAT | O_TRUNC, mode));
  if (fd.Get() < 0) ThrowSystemError(errno);  // nothing was created

  auto fail = [&](int err) {
    fd.Close();
    ::unlink(temp.c_str());
    ThrowSystemError(err);
  };
  if (int err = WriteAll(fd.Get(), bytes)) fail(err);
  if (::fsync(fd.Get()) != 0) fail(errno);
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
  Descriptor dirFd(OpenRetrying(dir_, O_RDONLY | O_DIRECTORY));
  if (dirFd.Get() >= 0) ::fsync(dirFd.Get());
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
  // Without support for refusing, the check above has to do.
  bool unsupported = err == EINVAL || err == ENOSYS;
  if (!sameFile && !unsupported) return false;
  return ::rename(source->c_str(), target.c_str()) == 0;
}

std::string WorkFolder::TempNameFor(std::string_view name) {
  return std::string(name) + ".tmp";
}

}  // namespace fw
