#include "ui/appstate.h"

#include <QCoreApplication>
#include <stdexcept>

#include "data/textutil.h"

namespace fw::ui {
namespace {
std::unique_ptr<AppState>& Instance() {
  static std::unique_ptr<AppState> state;
  return state;
}
}  // namespace

AppState& App() {
  if (!Instance()) throw std::logic_error("program state not started");
  return *Instance();
}

AppState& StartApp(std::filesystem::path dir) {
  Instance() = std::make_unique<AppState>(std::move(dir));
  Instance()->exitProgram = [](int code) { QCoreApplication::exit(code); };
  return *Instance();
}

IndexOptions IndexOptionsNow() {
  IndexOptions options;
  options.UseMaxIndex = App().UseMaxIndex;
  options.Rules = App().Rules;
  options.Order = App().Order;
  return options;
}

IniFile Settings() {
  return IniFile(App().folder);
}

QString TodayText() {
  const QDate today = App().today();
  return QString::fromStdString(
      fw::DateText(today.year(), today.month(), today.day(), App().Order));
}

}  // namespace fw::ui
