#include "ui/fwfiledialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

#include "data/backup.h"
#include "data/outfile.h"
#include "data/workfolder.h"
#include "ui/appstate.h"
#include "ui/fwmessage.h"

namespace fw::ui {
namespace {

FileDialogHandler& Handler() {
  static FileDialogHandler handler;
  return handler;
}

QString Ask(const FileQuestion& question) {
  if (Handler()) return Handler()(question);
  switch (question.kind) {
    case FileQuestion::Kind::kSaveFile:
      return QFileDialog::getSaveFileName(question.parent, question.caption, question.proposed,
                                          question.filter);
    case FileQuestion::Kind::kOpenFile:
      return QFileDialog::getOpenFileName(question.parent, question.caption, question.proposed,
                                          question.filter);
    case FileQuestion::Kind::kFolder:
      return QFileDialog::getExistingDirectory(question.parent, question.caption,
                                               question.proposed);
  }
  return {};
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                        const QString& filter, const QString& suffix) {
  QString path = Ask({FileQuestion::Kind::kSaveFile, parent, caption, proposed, filter});
  if (!path.isEmpty() && !suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
    path += QLatin1Char('.') + suffix;
  // An export or a chart written under such a name would take the place of a
  // club's golfers, courses or rounds.
  const std::string name = LocalPath(path).filename().string();
  if (fw::IsBackupFileName(name))
    throw FileError(name +
                    " is the name of a Fairwick data file: choose another name, so that "
                    "no club's data is written over.");
  return path;
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& startAt,
                        const QString& filter) {
  return Ask({FileQuestion::Kind::kOpenFile, parent, caption, startAt, filter});
}

QString AskFolder(QWidget* parent, const QString& caption, const QString& startAt) {
  return Ask({FileQuestion::Kind::kFolder, parent, caption, startAt, {}});
}

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

std::filesystem::path LocalPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString PathText(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString InClubFolder(const QString& name) {
  return PathText(App().folder.Dir() / LocalPath(name));
}

std::string ReadChosenFile(const QString& path, std::size_t maxBytes) {
  const std::filesystem::path file = LocalPath(path);
  const std::string named = file.string() + ": ";
  std::error_code error;
  // A named pipe or a device would never end, a folder cannot be read.
  if (!std::filesystem::is_regular_file(file, error))
    throw FileError(named + (error ? error.message() : std::string("not a file")));
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) throw FileError(named + error.message());
  if (size > maxBytes) throw FileError(named + "the file is too large");
  std::ifstream in(file, std::ios::binary);
  if (!in) throw FileError(named + std::strerror(errno));
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw FileError(named + std::strerror(errno));
  return bytes;
}

void ExportCsvFile(QWidget* parent, const QString& caption, const QString& proposedName,
                   const QString& what, const std::function<std::string()>& bytes) {
  const QString path = AskSaveFileName(parent, caption, InClubFolder(proposedName),
                                       QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  fw::ReplaceOutsideFile(LocalPath(path), bytes());
  Inform(what + QStringLiteral(" written to ") + path + QLatin1Char('.'));
}

}  // namespace fw::ui
