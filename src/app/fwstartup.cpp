#include "app/fwstartup.h"

#include <QApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <filesystem>

#include "app/fwabout.h"
#include "app/fwmain.h"
#include "app/fwpictures.h"
#include "courses/fwcourse.h"
#include "data/golferchanges.h"
#include "golfers/fwgname.h"
#include "golfers/fwgolfer.h"
#include "scores/fwscore.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

namespace fw::ui {
namespace {

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

bool ClaimFolder(QLockFile& lock, bool& owned) {
  // A lock is stale only when its process is gone, however long it has stood.
  lock.setStaleLockTime(0);
  owned = lock.tryLock(0);
  if (owned || lock.error() != QLockFile::LockFailedError) return true;
  qint64 pid = 0;
  QString host;
  QString application;
  lock.getLockInfo(&pid, &host, &application);
  const QString since = QFileInfo(lock.fileName()).lastModified().toString(QStringLiteral("HH:mm"));
  MessageRequest request;
  request.text = QStringLiteral(
                     "Fairwick is already open on this folder (on %1 since %2). Changes made in "
                     "both at once can conflict.")
                     .arg(host.isEmpty() ? QStringLiteral("another computer") : host, since);
  request.kind = MsgKind::kWarning;
  request.buttons = MsgButtons::kContinueQuit;
  request.informativeText = QStringLiteral(
      "A save never overwrites what the other copy saved: it says so instead. Quit leaves the "
      "folder to the other copy.");
  return ShowMessage(request) == MsgAnswer::kContinue;
}

void TidyFolder() {
  Guarded([] {
    const fw::WorkFolder& folder = App().folder;
    folder.RemoveLeftoverTempFiles();
    const std::string done = fw::FinishInterruptedGolferChange(folder);
    if (!done.empty()) Inform(ToQt(done));
  });
}

bool FairwickApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void CreateLongLivedWindows() {
  TAboutBox::SetInstance(new TAboutBox);
  TScoreForm::SetInstance(new TScoreForm);
  TGolferForm::SetInstance(new TGolferForm);
  TCourseForm::SetInstance(new TCourseForm);
  TGNameForm::SetInstance(new TGNameForm);
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
  QLockFile lock(QString::fromStdString((App().folder.Dir() / kLockFile).string()));
  bool ownsFolder = false;
  if (!ClaimFolder(lock, ownsFolder)) return 0;
  if (ownsFolder) TidyFolder();
  UseAboutBox();
  auto* mainForm = new TMainForm;
  CreateLongLivedWindows();
  mainForm->show();
  int code = QApplication::exec();

  delete TGNameForm::Instance();
  delete TCourseForm::Instance();
  delete TGolferForm::Instance();
  delete TScoreForm::Instance();
  delete TAboutBox::Instance();
  delete mainForm;
  return code;
}

}  // namespace fw::ui
