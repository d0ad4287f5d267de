#include "data/backup.h"

#include <algorithm>
#include <cstdio>

#include "data/textutil.h"

#if defined(FAIRWICK_HAVE_LIBZIP)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <set>

#include "data/outfile.h"
#endif

namespace fw {
namespace fs = std::filesystem;

bool IsBackupFileName(std::string_view name) {
  for (std::string_view known : kBackupFileNames)
    if (SameTextIgnoringCase(name, known)) return true;
  const std::string_view ext = kBackupExtension;
  return name.size() >= ext.size() &&
         SameTextIgnoringCase(name.substr(name.size() - ext.size()), ext);
}

std::string DefaultBackupName(int year, int month, int day) {
  char name[64];
  std::snprintf(name, sizeof name, "fairwick-backup-%04d-%02d-%02d.zip", year, month, day);
  return name;
}

#if defined(FAIRWICK_HAVE_LIBZIP)

namespace {

// Far more than the data files of any club, far less than a disk: an archive
// that unpacks to more is no backup of Fairwick's.
constexpr zip_uint64_t kMaxRestoreBytes = 256u << 20;

std::string Quoted(const fs::path& path) {
  return "\"" + path.string() + "\"";
}

// libzip's text for an error.
class ZipError {
 public:
  ZipError() { zip_error_init(&error_); }
  explicit ZipError(int code) { zip_error_init_with_code(&error_, code); }
  ~ZipError() { zip_error_fini(&error_); }
  ZipError(const ZipError&) = delete;
  ZipError& operator=(const ZipError&) = delete;
  zip_error_t* Get() { return &error_; }
  std::string Text() { return zip_error_strerror(&error_); }

 private:
  zip_error_t error_;
};

// An open archive, discarded unless closed.
class Archive {
 public:
  explicit Archive(zip_t* za) : za_(za) {}
  ~Archive() {
    if (za_) zip_discard(za_);
  }
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;
  zip_t* Get() const { return za_; }
  std::string ErrorText() const { return zip_strerror(za_); }
  // Writes the archive out; false when that failed (the archive is discarded).
  bool Close(std::string& why) {
    if (zip_close(za_) == 0) {
      za_ = nullptr;
      return true;
    }
    why = ErrorText();
    return false;
  }

 private:
  zip_t* za_;
};

// A zip source that the archive does not own.
class Source {
 public:
  explicit Source(zip_source_t* source) : source_(source) {}
  ~Source() {
    if (source_) zip_source_free(source_);
  }
  Source(const Source&) = delete;
  Source& operator=(const Source&) = delete;
  zip_source_t* Get() const { return source_; }

 private:
  zip_source_t* source_;
};

struct DataFile {
  std::string Name;
  std::string Bytes;
  std::time_t Modified = 0;
};

// The data files of the folder, by name in byte order, read whole: of each
// fixed name the file WorkFolder reads, and every score file.
std::vector<DataFile> ReadDataFiles(const WorkFolder& club) {
  std::vector<DataFile> files;
  for (const char* known : kBackupFileNames)
    if (auto found = club.Find(known)) files.push_back(DataFile{found->filename().string(), {}, 0});
  for (std::string& name : club.ListByExtension(kBackupExtension))
    files.push_back(DataFile{std::move(name), {}, 0});
  if (files.empty())
    throw FileError("The folder " + Quoted(club.Dir()) + " holds no Fairwick data files.");
  std::sort(files.begin(), files.end(),
            [](const DataFile& a, const DataFile& b) { return a.Name < b.Name; });
  for (DataFile& file : files) {
    try {
      file.Bytes = club.ReadAll(file.Name);
    } catch (const FileError& e) {
      throw FileError(file.Name + " cannot be read: " + e.what() + ".");
    }
    struct stat st {};
    if (::stat((club.Dir() / file.Name).c_str(), &st) == 0) file.Modified = st.st_mtime;
  }
  return files;
}

// The bytes of a zip archive holding the files.
std::string ZipBytes(const std::vector<DataFile>& files) {
  ZipError error;
  Source buffer(zip_source_buffer_create(nullptr, 0, 0, error.Get()));
  if (!buffer.Get()) throw FileError("The backup cannot be made: " + error.Text() + ".");
  Archive archive(zip_open_from_source(buffer.Get(), ZIP_TRUNCATE, error.Get()));
  if (!archive.Get()) throw FileError("The backup cannot be made: " + error.Text() + ".");
  // The archive now owns a reference; this one keeps the written bytes.
  zip_source_keep(buffer.Get());

  for (const DataFile& file : files) {
    zip_source_t* source =
        zip_source_buffer(archive.Get(), file.Bytes.data(), file.Bytes.size(), 0);
    const zip_int64_t index =
        source ? zip_file_add(archive.Get(), file.Name.c_str(), source, ZIP_FL_ENC_GUESS) : -1;
    if (index < 0) {
      if (source) zip_source_free(source);
      throw FileError(file.Name + " cannot be added to the backup: " + archive.ErrorText() + ".");
    }
    zip_file_set_mtime(archive.Get(), static_cast<zip_uint64_t>(index), file.Modified, 0);
  }
  std::string why;
  if (!archive.Close(why)) throw FileError("The backup cannot be made: " + why + ".");

  std::string bytes;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_source_open(buffer.Get()) < 0)
    throw FileError("The backup cannot be made: " +
                    std::string(zip_error_strerror(zip_source_error(buffer.Get()))) + ".");
  if (zip_source_stat(buffer.Get(), &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
    bytes.resize(st.size);
    const zip_int64_t n = zip_source_read(buffer.Get(), bytes.data(), bytes.size());
    if (n < 0 || static_cast<zip_uint64_t>(n) != st.size) bytes.clear();
  }
  zip_source_close(buffer.Get());
  if (bytes.empty()) throw FileError("The backup cannot be made: the archive was not written.");
  return bytes;
}

// Why an entry of a backup cannot be restored; empty when it can.
std::string EntryProblem(std::string_view name, zip_uint8_t opsys, zip_uint32_t attributes) {
  if (name.empty()) return "has no name";
  if (name.back() == '/') return "is a folder";
  if (name.find_first_of("/\\") != std::string_view::npos) return "names a path, not a file";
  try {
    WorkFolder::CheckSafeName(name);
  } catch (const FileError&) {
    return "is not a plain file name";
  }
  // Unix archivers keep the file's type in the upper half of the attributes.
  if (opsys == ZIP_OPSYS_UNIX) {
    const mode_t type = (attributes >> 16) & S_IFMT;
    if (S_ISLNK(type)) return "is a link";
    if (type != 0 && !S_ISREG(type)) return "is not a plain file";
  }
  if (!IsBackupFileName(name)) return "is not a Fairwick data file";
  return "";
}

struct Entry {
  zip_uint64_t Index = 0;
  std::string Name;
  zip_uint64_t Size = 0;
  std::time_t Modified = 0;
};

// The entries of the archive, each checked; FileError for the first that
// cannot be restored.
std::vector<Entry> CheckedEntries(const Archive& archive, const fs::path& zipFile) {
  auto refuse = [&](const std::string& why) {
    throw FileError(zipFile.filename().string() + " cannot be restored: " + why + ".");
  };
  const zip_int64_t count = zip_get_num_entries(archive.Get(), 0);
  if (count <= 0) refuse("it holds no files");
  std::vector<Entry> entries;
  std::set<std::string> seen;
  zip_uint64_t total = 0;
  for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
    const char* raw = zip_get_name(archive.Get(), i, ZIP_FL_ENC_RAW);
    if (!raw) refuse(archive.ErrorText());
    Entry entry{i, raw, 0, 0};
    const std::string shown = "the entry \"" + entry.Name + "\" ";
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    zip_file_get_external_attributes(archive.Get(), i, 0, &opsys, &attributes);
    if (std::string problem = EntryProblem(entry.Name, opsys, attributes); !problem.empty())
      refuse(shown + problem);
    if (!seen.insert(entry.Name).second) refuse(shown + "appears twice");
    zip_stat_t st;
    if (zip_stat_index(archive.Get(), i, 0, &st) != 0) refuse(archive.ErrorText());
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
      refuse(shown + "is encrypted");
    entry.Size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    entry.Modified = (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0;
    total += entry.Size;
    if (entry.Size > kMaxRestoreBytes || total > kMaxRestoreBytes)
      refuse("it unpacks to more than 256 MB, far more than the data files of a club");
    entries.push_back(std::move(entry));
  }
  return entries;
}

// The bytes of an entry, checked against its size and checksum.
std::string EntryBytes(const Archive& archive, const Entry& entry) {
  zip_file_t* file = zip_fopen_index(archive.Get(), entry.Index, 0);
  if (!file)
    throw FileError(entry.Name + " cannot be read from the backup: " + archive.ErrorText() + ".");
  std::string bytes(entry.Size, '\0');
  const zip_int64_t n = entry.Size ? zip_fread(file, bytes.data(), entry.Size) : 0;
  char extra;
  // Reading past the end makes libzip compare the checksum.
  const zip_int64_t past = zip_fread(file, &extra, 1);
  std::string why = n < 0 || past < 0 ? zip_error_strerror(zip_file_get_error(file)) : "";
  if (zip_fclose(file) != 0 && why.empty()) why = "the entry is damaged";
  if (why.empty() && (static_cast<zip_uint64_t>(n) != entry.Size || past != 0))
    why = "its size is not the one the archive gives";
  if (!why.empty()) throw FileError(entry.Name + " cannot be read from the backup: " + why + ".");
  return bytes;
}

// Removes, on failure, what a restore wrote.
class RestoreUndo {
 public:
  explicit RestoreUndo(fs::path folder) : folder_(std::move(folder)) {}
  ~RestoreUndo() {
    if (done_) return;
    for (const fs::path& file : written_) ::unlink(file.c_str());
    if (madeFolder_) ::rmdir(folder_.c_str());
  }
  RestoreUndo(const RestoreUndo&) = delete;
  RestoreUndo& operator=(const RestoreUndo&) = delete;
  void MadeFolder() { madeFolder_ = true; }
  void Wrote(fs::path file) { written_.push_back(std::move(file)); }
  void Done() { done_ = true; }

 private:
  fs::path folder_;
  std::vector<fs::path> written_;
  bool madeFolder_ = false;
  bool done_ = false;
};

// Makes the folder, or checks that the one there is empty.
void PrepareEmptyFolder(const fs::path& folder, RestoreUndo& undo) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(folder, ec);
  if (!fs::exists(status)) {
    if (::mkdir(folder.c_str(), 0777) != 0)
      throw FileError("The folder " + Quoted(folder) + " cannot be made: " + std::strerror(errno) +
                      ".");
    undo.MadeFolder();
    return;
  }
  if (!fs::is_directory(fs::status(folder, ec)))
    throw FileError(Quoted(folder) + " is not a folder.");
  fs::directory_iterator it(folder, ec);
  if (ec)
    throw FileError("The folder " + Quoted(folder) + " cannot be read: " + ec.message() + ".");
  if (it != fs::directory_iterator())
    throw FileError("The folder " + Quoted(folder) +
                    " is not empty. A club is restored only into an empty folder, so that no "
                    "file of another club is written over.");
}

}  // namespace

bool CanBackUp() {
  return true;
}

std::vector<std::string> BackupClub(const WorkFolder& club, const fs::path& zipFile) {
  // Written under such a name, the archive would take the place of a file it
  // is meant to keep.
  if (IsBackupFileName(zipFile.filename().string()))
    throw FileError("A backup cannot be written under the name of a data file (" +
                    zipFile.filename().string() + "): give it a name that ends in .zip.");
  const std::vector<DataFile> files = ReadDataFiles(club);
  ReplaceOutsideFile(zipFile, ZipBytes(files));
  std::vector<std::string> names;
  for (const DataFile& file : files) names.push_back(file.Name);
  return names;
}

std::vector<std::string> RestoreClub(const fs::path& zipFile, const fs::path& emptyFolder) {
  int code = 0;
  Archive archive(zip_open(zipFile.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
  if (!archive.Get()) {
    ZipError error(code);
    throw FileError(zipFile.filename().string() + " cannot be opened as a backup: " + error.Text() +
                    ".");
  }
  const std::vector<Entry> entries = CheckedEntries(archive, zipFile);

  RestoreUndo undo(emptyFolder);
  PrepareEmptyFolder(emptyFolder, undo);
  std::vector<std::string> names;
  for (const Entry& entry : entries) {
    const std::string bytes = EntryBytes(archive, entry);
    const fs::path file = emptyFolder / entry.Name;
    WriteNewFile(file, bytes);
    undo.Wrote(file);
    if (entry.Modified) {
      const struct timespec times[2] = {{entry.Modified, 0}, {entry.Modified, 0}};
      ::utimensat(AT_FDCWD, file.c_str(), times, 0);
    }
    names.push_back(entry.Name);
  }
  // Make the new names durable.
  const int dir = ::open(emptyFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  undo.Done();
  return names;
}

#else  // built without libzip

namespace {
constexpr const char* kNoBackups =
    "This build of Fairwick cannot make or restore backups: it was built without libzip.";
}

bool CanBackUp() {
  return false;
}

std::vector<std::string> BackupClub(const WorkFolder&, const fs::path&) {
  throw FileError(kNoBackups);
}

std::vector<std::string> RestoreClub(const fs::path&, const fs::path&) {
  throw FileError(kNoBackups);
}

#endif

}  // namespace fw
