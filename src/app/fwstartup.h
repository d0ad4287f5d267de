#pragma once
// Start-up: the application, the main window, the windows that live for the
// whole run, and the event loop.

namespace fw::ui {

// Creates, hidden and in this order, the about box, the score entry window,
// the golfer score list, the course edit dialog and the golfer name dialog.
// The score entry window loads the course list at once, so a first run renames
// the sample course list here.
void CreateLongLivedWindows();

// Runs the program in the current directory; returns its exit code.
int RunFairwick(int argc, char** argv);

}  // namespace fw::ui
