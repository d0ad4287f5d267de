#pragma once
// Every question for a file or folder name goes through the functions below:
// a file to save into, a file to open, a folder. The running program shows
// Qt's file dialogs; tests install a handler that answers. Files the user names
// lie anywhere, so they are written with ReplaceOutsideFile, not through the
// club's WorkFolder.

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace fw::ui {

// One question, as the handler sees it.
struct FileQuestion {
  enum class Kind { kSaveFile, kOpenFile, kFolder };
  Kind kind = Kind::kSaveFile;
  QWidget* parent = nullptr;
  QString caption;
  // The full path offered (a file to save), or where the dialog starts.
  QString proposed;
  // Such as "CSV files (*.csv)"; empty for a folder.
  QString filter;
};

// Returns the full path chosen, empty when the user cancelled.
using FileDialogHandler = std::function<QString(const FileQuestion&)>;

// Asks for a file to save into, offering `proposed` (a full path). A name
// chosen without a suffix gets ".<suffix>" when `suffix` is not empty. Throws
// FileError, whatever the folder, for the name of a data file (golfers.fwc, a
// score file, ...), which no export may replace.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                        const QString& filter, const QString& suffix = {});
// Asks for an existing file, starting in `startAt`.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& startAt,
                        const QString& filter);
// Asks for a folder, starting in `startAt`; the dialog lets the user make a new one.
QString AskFolder(QWidget* parent, const QString& caption, const QString& startAt);

// Replaces the dialogs (an empty handler restores them); returns the previous
// handler.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// A path chosen in a dialog as the file system spells it, and back.
std::filesystem::path LocalPath(const QString& path);
QString PathText(const std::filesystem::path& path);

// A file of the club folder, as a full path to offer in a dialog.
QString InClubFolder(const QString& name);

// Reads a file the user named, whole. Throws FileError ("<path>: <why>") when
// it cannot be read or is larger than `maxBytes`.
std::string ReadChosenFile(const QString& path, std::size_t maxBytes);

// Asks for a CSV file to save into, offering `proposedName` in the club
// folder; then makes the bytes, replaces the file atomically and says where
// they went: "<what> written to <path>.". Nothing happens when the user
// cancels; errors (FileError, ConversionError) propagate to the handler.
void ExportCsvFile(QWidget* parent, const QString& caption, const QString& proposedName,
                   const QString& what, const std::function<std::string()>& bytes);

}  // namespace fw::ui
