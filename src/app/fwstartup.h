#pragma once
// Start-up: the application, the main window, the windows that live for the
// whole run, and the event loop.

#include <QApplication>

class QLockFile;

namespace fw::ui {

// The program's application object, with the backstop for errors that escape
// every handler: one the user can mend is shown and the program goes on;
// anything else is a fault of the program, which ends it (ReportFault).
class FairwickApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

// Creates, hidden and in this order, the about box, the score entry window,
// the golfer score list, the course edit dialog and the golfer name dialog.
// The score entry window loads the course list at once, so a first run renames
// the sample course list here.
void CreateLongLivedWindows();

// The lock file by which copies of Fairwick working in one folder know of each
// other.
inline constexpr const char* kLockFile = "fairwick.lock";

// Claims the working folder for this copy with `lock` (a lock left by a copy
// that is no longer running is taken over). When another running copy holds
// it, says so and asks whether to go on: false when the user chose Quit.
// `owned` tells whether this copy holds the lock.
bool ClaimFolder(QLockFile& lock, bool& owned);

// Puts the folder right after a copy that stopped in the middle of its work:
// removes the temporary files of interrupted saves and completes or undoes an
// interrupted golfer rename or delete, telling the user what was done. Only
// for the copy that holds the folder's lock.
void TidyFolder();

// Runs the program in the current directory; returns its exit code.
int RunFairwick(int argc, char** argv);

}  // namespace fw::ui
