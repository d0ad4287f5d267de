#include "data/outfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "data/workfolder.h"

namespace fw {
namespace {

// The file the user named and the system's text for the error.
[[noreturn]] void ThrowSystemError(int err, const std::filesystem::path& file) {
  throw FileError(file.string() + ": " + std::strerror(err));
}

int OpenRetrying(const std::filesystem::path& path, int flags, mode_t mode) {
  int fd;
  do fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// Writes all bytes and flushes them to disk; returns 0 or the error number.
int WriteAndSync(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

void ReplaceOutsideFile(const std::filesystem::path& file, std::string_view bytes) {
  mode_t mode = 0666;
  struct stat st {};
  if (::stat(file.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode))
      throw NotADataFileError(file.string() + " is not a file that can be replaced.");
    mode = st.st_mode & 07777;
  }
  std::filesystem::path temp = file;
  temp += ".tmp";
  const int fd = OpenRetrying(temp, O_WRONLY | O_CREAT | O_TRUNC, mode);
  if (fd < 0) ThrowSystemError(errno, file);
  int err = WriteAndSync(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), file.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    ThrowSystemError(err, file);
  }
  // Make the rename itself durable; a failure here no longer endangers the file.
  const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : ".";
  const int dirFd = OpenRetrying(dir, O_RDONLY | O_DIRECTORY, 0);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

void WriteNewFile(const std::filesystem::path& file, std::string_view bytes) {
  const int fd = OpenRetrying(file, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) ThrowSystemError(errno, file);
  int err = WriteAndSync(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) {
    ::unlink(file.c_str());
    ThrowSystemError(err, file);
  }
}

}  // namespace fw
