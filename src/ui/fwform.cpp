#include "ui/fwform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

namespace fw::ui {
namespace {
// The program window whose FormActivate ran last. A window that becomes active
// again without another program window having been active in between (after a
// message box or the about box closed, or after the user came back from
// another application) is not activated again: its handler has nothing new to
// take over, and one that reports an error would otherwise report it forever.
QPointer<FwForm>& LastActivated() {
  static QPointer<FwForm> form;
  return form;
}
}  // namespace

FwForm::FwForm(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {}

void FwForm::ShowFor(FwForm* opener) {
  opener_ = opener;
  // The window manager keeps a window above its transient parent, which X11
  // takes from the window as it is mapped. The offscreen platform has no
  // window manager, and there a transient window never becomes active itself.
  if (opener && windowType() == Qt::Dialog &&
      QGuiApplication::platformName() != QLatin1String("offscreen")) {
    winId();
    opener->winId();
    windowHandle()->setTransientParent(opener->windowHandle());
  }
  show();
  raise();
  activateWindow();
}

void FwForm::RunFormActivate() {
  LastActivated() = this;
  Guarded([this] { FormActivate(); });
}

void FwForm::UsePlacement(const char* section, Placement defaults, bool skipWhenExiting) {
  placementSection_ = section;
  skipPlacementWhenExiting_ = skipWhenExiting;
  centreOnFirstShow_ = true;
  IniFile ini = Settings();
  int height = ini.ReadInteger(section, "Height", defaults.height);
  int left = ini.ReadInteger(section, "Left", defaults.left);
  int top = ini.ReadInteger(section, "Top", defaults.top);
  int width = ini.ReadInteger(section, "Width", defaults.width);
  resize(UsableSize(QSize(width, height), QSize(defaults.width, defaults.height)));
  move(left, top);
}

QSize FwForm::UsableSize(QSize wanted, QSize defaults) const {
  // A stored size no screen could show (a hand-edited or damaged file, or a
  // placement saved on a larger monitor) must not leave the window unseen, a
  // sliver, or with its buttons off the screen: it is brought between what
  // shows the window's controls and the screen's free area.
  if (wanted.width() <= 0) wanted.setWidth(defaults.width());
  if (wanted.height() <= 0) wanted.setHeight(defaults.height());
  wanted = wanted.expandedTo(minimumSizeHint()).expandedTo(minimumSize());
  // The frame (title bar and borders) the window manager adds must fit too.
  const QSize frame(16, 48);
  if (const QScreen* shown = screen())
    wanted = wanted.boundedTo(shown->availableGeometry().size() - frame);
  return wanted;

}

void FwForm::WritePlacement() {
  if (!placementSection_) return;
  IniFile ini = Settings();
  ini.WriteInteger(placementSection_, "Height", height());
  ini.WriteInteger(placementSection_, "Left", x());
  ini.WriteInteger(placementSection_, "Top", y());
  ini.WriteInteger(placementSection_, "Width", width());
}

void FwForm::FormResize() {
  if (!placementSection_ || !shownOnce_) return;
  if (skipPlacementWhenExiting_ && App().ProgramExiting) return;
  WritePlacement();
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen();
  if (!screen) return;
  QRect area = screen->geometry();
  QSize frame = window->frameGeometry().size();
  int left = std::max(0, (area.width() - frame.width()) / 2);
  int top = std::max(0, (area.height() - frame.height()) / 2);
  window->move(area.left() + left, area.top() + top);
}

void FwForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (event->spontaneous()) return;
  // Being shown again is a new start: its first activation counts.
  if (LastActivated() == this) LastActivated() = nullptr;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (centreOnFirstShow_) CentreOnScreen(this);
  }
  Guarded([this] { FormShow(); });
}

void FwForm::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (event->spontaneous()) return;
  Guarded([this] { FormHide(); });
  FwForm* opener = opener_;
  if (opener && opener->isVisible()) {
    opener->raise();
    opener->activateWindow();
    opener->RunFormActivate();
  }
}

void FwForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() &&
      LastActivated() != this)
    RunFormActivate();
}

void FwForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Guarded([this] { FormResize(); });
}

void FwForm::closeEvent(QCloseEvent* event) {
  // A question whose answer fails (a save that cannot be written) keeps the
  // window open with its changes.
  bool canClose = false;
  Guarded([&] { canClose = FormCloseQuery(); });
  if (!canClose) {
    event->ignore();
    return;
  }
  Guarded([this] { FormClose(); });
  QMainWindow::closeEvent(event);
}

void FwForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && escapeButton_) {
    if (escapeButton_->isEnabled()) escapeButton_->click();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (button && button->isEnabled() && button->isVisible() && button->window() == this) {
      button->click();
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

void FwForm::CancelOnEscape(QAbstractButton* cancel) {
  // Handled as the key reaches the window, as a dialog does: a control that
  // uses Escape itself (an open drop-down list closing) keeps it.
  escapeButton_ = cancel;
}

FwForm::FieldHandlers& FwForm::HandlersOf(QWidget* field) {
  for (auto& [widget, handlers] : fieldHandlers_)
    if (widget == field) return handlers;
  field->installEventFilter(this);
  fieldHandlers_.emplace_back(field, FieldHandlers{});
  return fieldHandlers_.back().second;
}

void FwForm::OnExit(QWidget* field, std::function<void()> handler) {
  HandlersOf(field).exit = std::move(handler);
}

void FwForm::OnKeyPress(QWidget* field, std::function<bool(QKeyEvent*)> handler) {
  HandlersOf(field).key = std::move(handler);
}

bool FwForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut || event->type() == QEvent::KeyPress) {
    for (auto& [widget, handlers] : fieldHandlers_) {
      if (widget != watched) continue;
      if (event->type() == QEvent::FocusOut && handlers.exit) {
        // Leaving the window (another window or a message box becomes active)
        // is not leaving the field.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
          Guarded(handlers.exit);
      } else if (event->type() == QEvent::KeyPress && handlers.key) {
        // A key whose handler fails is swallowed, as the handler meant to act on it.
        bool swallowed = true;
        Guarded([&] { swallowed = handlers.key(static_cast<QKeyEvent*>(event)); });
        if (swallowed) return true;
      }
      break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void FwForm::OnClick(QAbstractButton* button, std::function<void()> handler) {
  connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { Guarded(h); });
}

void FwForm::OnClick(QAction* action, std::function<void()> handler) {
  connect(action, &QAction::triggered, this, [h = std::move(handler)] { Guarded(h); });
}

QWidget* FwForm::NewClientArea() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);
  return client;
}

void FwForm::OnDoubleClick(QListWidget* list, std::function<void()> handler) {
  connect(list, &QListWidget::itemDoubleClicked, this, [h = std::move(handler)] { Guarded(h); });
}

bool FwForm::AskToSaveChanges(const QString& question, const std::function<bool()>& save) {
  switch (AskYesNoCancel(question)) {
    case MsgAnswer::kYes:
      return save();
    case MsgAnswer::kNo:
      return true;
    default:
      return false;
  }
}

bool FwForm::SaveOrOfferReload(const std::function<void()>& save,
                               const std::function<void()>& reload) {
  try {
    save();
    return true;
  } catch (const FileChangedError& changed) {
    MessageRequest request;
    request.text = ToQt(changed.what());
    request.kind = MsgKind::kWarning;
    request.buttons = MsgButtons::kReloadKeepEditing;
    request.informativeText = QStringLiteral(
        "Reload shows the file as it is now and drops the changes made in this window. Keep "
        "Editing leaves everything as it is.");
    if (ShowMessage(request) == MsgAnswer::kReload &&
        AskYesNo(QStringLiteral("Drop the changes made in this window and load %1 again?")
                     .arg(ToQt(changed.Name()))))
      reload();
    return false;
  }
}

QAction* FwForm::AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                             std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (handler) OnClick(action, std::move(handler));
  return action;
}

}  // namespace fw::ui
