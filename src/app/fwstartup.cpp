#include "app/fwstartup.h"

#include <QApplication>
#include <filesystem>

#include "app/fwabout.h"
#include "app/fwmain.h"
#include "app/fwpictures.h"
#include "courses/fwcourse.h"
#include "golfers/fwgname.h"
#include "golfers/fwgolfer.h"
#include "scores/fwscore.h"
#include "ui/appstate.h"
#include "ui/fwmessage.h"

namespace fw::ui {
namespace {

// Shows an error that escaped every handler and lets the program go on.
class FairwickApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ReportError(e);
    }
    return false;
  }
};

}  // namespace

void CreateLongLivedWindows() {
  AppState& app = App();
  app.AboutBox = new TAboutBox;
  app.ScoreForm = new TScoreForm;
  app.GolferForm = new TGolferForm;
  app.CourseForm = new TCourseForm;
  app.GNameForm = new TGNameForm;
}

int RunFairwick(int argc, char** argv) {
  FairwickApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Fairwick for Windows"));
  QApplication::setWindowIcon(FairwickIcon());
  // Names the installed desktop entry, whose icon the desktop shows for the
  // program's windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.fairwick.Fairwick"));
  // The program ends only through the main window. Qt would otherwise end it
  // when it finds no window it counts as visible, which happens when a tool
  // tip closes together with the dialog it belongs to.
  QApplication::setQuitOnLastWindowClosed(false);

  StartApp(std::filesystem::current_path());
  UseAboutBox();
  auto* mainForm = new TMainForm;
  CreateLongLivedWindows();
  mainForm->show();
  int code = QApplication::exec();

  AppState& app = App();
  delete app.GNameForm;
  delete app.CourseForm;
  delete app.GolferForm;
  delete app.ScoreForm;
  delete app.AboutBox;
  delete mainForm;
  return code;
}

}  // namespace fw::ui
