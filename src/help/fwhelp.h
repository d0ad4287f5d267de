#pragma once
// The program's manual and the help window that shows it. The manual is one
// HTML file built into the program (manual.html, a Qt resource), cut into
// sections at its <h2 id="..."> headings; the window lists the sections,
// shows one at a time and searches them. There is one help window for the
// whole program; it does not block the other windows.
//
// The sections, in the order of the list, by id (kept stable: windows and
// their F1 key refer to them):
//   getting-started      Getting started
//   main-window          The main window
//   golfer-list          The golfer list (Enter Scores)
//   golfer-maintenance   Golfer maintenance (Edit Golfers)
//   golfer-name          The golfer name dialog
//   score-list           A golfer's scores (Edit/View Scores)
//   course-maintenance   Course maintenance (Edit Courses)
//   course-edit          The course edit dialog
//   score-entry          Entering a score
//   group-entry          Entering a group of scores
//   current-index        The current index
//   course-handicap      The course handicap window
//   print-handicaps      Print Handicaps and the handicap list
//   handicap-cards       Handicap cards
//   golf-history         The golf history (Print Scores)
//   printing             Printer, file or preview
//   preferences          Preferences
//   handicap-rules       The two sets of handicap rules
//   progress             The progress window
//   export-import        Exporting and importing rounds
//   backup               Backing up and restoring
//   files                Your files and where they live
//   two-copies           Two copies of Fairwick on one folder
//   messages             What the messages mean

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace fw::ui {

namespace help {
inline constexpr const char* kGettingStarted = "getting-started";
inline constexpr const char* kMainWindow = "main-window";
inline constexpr const char* kGolferList = "golfer-list";
inline constexpr const char* kGolferMaintenance = "golfer-maintenance";
inline constexpr const char* kGolferName = "golfer-name";
inline constexpr const char* kScoreList = "score-list";
inline constexpr const char* kCourseMaintenance = "course-maintenance";
inline constexpr const char* kCourseEdit = "course-edit";
inline constexpr const char* kScoreEntry = "score-entry";
inline constexpr const char* kGroupEntry = "group-entry";
inline constexpr const char* kCurrentIndex = "current-index";
inline constexpr const char* kCourseHandicap = "course-handicap";
inline constexpr const char* kPrintHandicaps = "print-handicaps";
inline constexpr const char* kHandicapCards = "handicap-cards";
inline constexpr const char* kGolfHistory = "golf-history";
inline constexpr const char* kPrinting = "printing";
inline constexpr const char* kPreferences = "preferences";
inline constexpr const char* kHandicapRules = "handicap-rules";
inline constexpr const char* kProgress = "progress";
inline constexpr const char* kExportImport = "export-import";
inline constexpr const char* kBackup = "backup";
inline constexpr const char* kFiles = "files";
inline constexpr const char* kTwoCopies = "two-copies";
inline constexpr const char* kMessages = "messages";
}  // namespace help

// Opens the help window at `section` (the first section when there is no such
// id), or brings the open one to the front there. `opener` is the window the
// user asked from: the help window first appears on its screen. Help asked for
// while a dialog waits for an answer stays usable beside that dialog.
void ShowHelp(const QString& section, QWidget* opener = nullptr);

// The ids of the manual's sections, in the order of the section list.
QStringList HelpSections();

// The section about `window` (any widget of it), by the window's object name:
// "ScoreForm" gives score-entry; a window the manual has no section for gives
// getting-started.
QString HelpSectionOf(const QWidget* window);

// The controls of THelpForm, by the names tools and tests find them by.
struct THelpFormControls {
  QLineEdit* SearchField = nullptr;
  QListWidget* SectionList = nullptr;
  QTextBrowser* HelpPage = nullptr;
};

// The help window: the section list with the search field above it, and the
// page. Made by ShowHelp; closing it only hides it.
class THelpForm : public QWidget, private THelpFormControls {
  Q_OBJECT
 public:
  explicit THelpForm(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const THelpFormControls& Ui() const { return *this; }

  // Shows the section with that id in the page and selects it in the list.
  // False when the manual has no such section.
  bool ShowSection(const QString& id);
  // The id of the section shown.
  QString ShownSection() const { return shown_; }
  // Keeps in the list the sections whose text holds every word of the search
  // field, and marks the words in the page, its cursor on the first of them.
  void SearchFieldChange();
  // Moves the page's cursor to the next place of the searched words, going on
  // to the next section listed after the last place of this one.
  void FindNext();

 private:
  void MarkSearchedWords();
  QStringList SearchedWords() const;

  QString shown_;
};

}  // namespace fw::ui
