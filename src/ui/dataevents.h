#pragma once
// What one window tells the others of the same copy of Fairwick when it has
// changed a data file they may hold (a round stored in a golfer's score file,
// rounds imported into one, a course added to the course list) or the settings
// every figure follows. A window that holds the same file takes the change into
// its own table when it held exactly what was on disk before, so that its next
// save keeps the change instead of being refused.

#include <QObject>
#include <QString>

#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/scorefile.h"
#include "data/workfolder.h"

namespace fw::ui {

class DataEvents : public QObject {
  Q_OBJECT
 signals:
  // `round` was stored in the score file `fileName`, which was `before` and is
  // now `after`.
  void RoundStored(const QString& fileName, const fw::TScoreRec& round,
                   const fw::FileSnapshot& before, const fw::FileSnapshot& after);
  // The score file `fileName` was written anew with rounds added at once (an
  // import): it was `before` and is now `after`.
  void ScoreFileReplaced(const QString& fileName, const fw::FileSnapshot& before,
                         const fw::FileSnapshot& after);
  // `course` was added to the course list, which was `before` and is now `after`.
  void CourseAdded(const fw::TCourseRec& course, const fw::FileSnapshot& before,
                   const fw::FileSnapshot& after);
  // The handicap rules or the date order were changed in Preferences (App()
  // holds the new choice): windows that show an index or dates show them anew.
  void SettingsChanged();
};

// The one hub of the program.
DataEvents& Events();

// Says once per run that a file was loaded in part (more records than its
// table holds), naming the file and the count; nothing when it was loaded whole.
void TellPartialLoad(const std::string& fileName, const fw::FileSnapshot& seen);

// The golfer list as it is in the working folder now, sorted by name, with
// what was read of it; a partial load is told. The table and the snapshot
// change only when the list could be read.
void LoadSortedGolfers(fw::GolferTable& golfers, fw::FileSnapshot& seen);
// The same for the courses' names and figures.
void LoadSortedCourseSummaries(fw::CourseSummaryTable& courses, fw::FileSnapshot& seen);

}  // namespace fw::ui
