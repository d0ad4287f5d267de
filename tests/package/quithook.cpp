// Preloaded into the installed program by the package test, which cannot
// otherwise tell it to stop: once the application exists, the first window
// shown on screen is reported on stderr and the application quits.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

class QuitOnFirstExpose : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (done_ || event->type() != QEvent::Expose) return false;
    auto* window = qobject_cast<QWindow*>(watched);
    if (window == nullptr || !window->isExposed()) return false;
    done_ = true;
    const char* kind = "window";
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->windowHandle() == window) kind = widget->metaObject()->className();
    std::fprintf(stderr, "quithook: exposed %s \"%s\" icon sizes", kind,
                 qPrintable(window->title()));
    for (const QSize& size : window->icon().availableSizes())
      std::fprintf(stderr, " %d", size.width());
    std::fprintf(stderr, "\n");
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    return false;
  }

 private:
  bool done_ = false;
};

void InstallQuitHook() {
  QCoreApplication::instance()->installEventFilter(new QuitOnFirstExpose);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallQuitHook)
