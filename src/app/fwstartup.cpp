#include "app/fwstartup.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
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

// The desktop's style, with the arrows of a menu bar's overflow button drawn
// here. The style would read them from image files, and reading the first
// image file loads every image format plugin Qt has, before the main window
// could show; the button only appears when a menu bar is too narrow for its
// menus, which none of the program's windows is.
class FairwickStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
      return Chevrons(which == SP_ToolBarVerticalExtensionButton);
    return QProxyStyle::standardIcon(which, option, widget);
  }

 private:
  // Two arrows pointing right, or down for a vertical bar.
  static QIcon Chevrons(bool down) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (int x : {4, 9}) {
      const QPointF arrow[] = {{x + 0.0, 4.0}, {x + 3.0, 8.0}, {x + 0.0, 12.0}};
      if (down) {
        const QPointF turned[] = {{4.0, x + 0.0}, {8.0, x + 3.0}, {12.0, x + 0.0}};
        painter.drawPolyline(turned, 3);
      } else {
        painter.drawPolyline(arrow, 3);
      }
    }
    painter.end();
    return QIcon(pixmap);
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
  QApplication::setStyle(new FairwickStyle);
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
