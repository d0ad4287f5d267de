#pragma once
// The few program-wide values every window reads: the working folder, the
// maximum index option, the exit flag, the version and the clock. The main
// window fills them when it is created. (The table limits are the tables'
// own, in the data files' headers; the windows that live for the whole run are
// their classes' Instance().)

#include <QDate>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "data/dateorder.h"
#include "data/inifile.h"
#include "data/workfolder.h"
#include "fwversion.h"
#include "handicap/handicapindex.h"
#include "handicap/handicaprules.h"

namespace fw::ui {

struct AppState {
  explicit AppState(std::filesystem::path dir) : folder(std::move(dir)) {}

  WorkFolder folder;

  bool UseMaxIndex = true;
  // The handicap rules and the order of dates chosen in Preferences.
  HandicapRules Rules = HandicapRules::kFairwick;
  DateOrder Order = DateOrder::kMonthDayYear;
  bool ProgramExiting = false;
  QString VersionText = QLatin1String(fw::kVersionText);
  QString VersionDate = QLatin1String(fw::kVersionDate);

  // Today's date; tests replace it.
  std::function<QDate()> today = [] { return QDate::currentDate(); };
  // Ends the program with an exit code; tests replace it.
  std::function<void(int)> exitProgram;
  // Shows the about box over a window; the application installs it.
  std::function<void(QWidget*)> showAbout;
};

// The program's state. StartApp must have been called.
AppState& App();

// Starts (or restarts, in tests) the program's state on a working folder.
AppState& StartApp(std::filesystem::path dir);

// The settings file of the working folder.
IniFile Settings();

// How every index is computed now: the maximum index option, the rules and
// the order of dates.
IndexOptions IndexOptionsNow();

// Today as the user types dates: "mm/dd/yyyy", "dd/mm/yyyy" or "yyyy-mm-dd",
// by the order of the settings.
QString TodayText();

}  // namespace fw::ui
