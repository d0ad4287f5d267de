#include "support/dialogwatch.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace fwtest {
namespace {

int patience = 30000;

class DialogWatch : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    watched_ = nullptr;
    timer_.reset(new QTimer);
    timer_->setInterval(50);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Look(); });
    timer_->start();
  }

  void OnTestEnd(const testing::TestInfo&) override { timer_.reset(); }

 private:
  // Runs from the event loop, which a modal window's own loop keeps turning.
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != watched_) {
      watched_ = modal;
      since_.start();
      return;
    }
    if (!modal || since_.elapsed() < patience) return;
    ADD_FAILURE() << "a modal window stayed open: " << modal->metaObject()->className() << " \""
                  << modal->windowTitle().toStdString() << "\"";
    watched_ = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }

  std::unique_ptr<QTimer> timer_;
  QPointer<QWidget> watched_;
  QElapsedTimer since_;
};

}  // namespace

testing::TestEventListener* NewDialogWatch() {
  return new DialogWatch;
}

int DialogPatience() {
  return patience;
}

void SetDialogPatience(int milliseconds) {
  patience = milliseconds;
}

}  // namespace fwtest
