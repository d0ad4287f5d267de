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
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

#include "help/fwhelp.h"
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
QPointer<QWidget>& LastActivated() {
  static QPointer<QWidget> window;
  return window;
}
}  // namespace

// ---- FormBase ----

FormBase::FormBase(QWidget* self) : self_(self) {
  // F1 opens the manual at this window's section, wherever the focus is.
  auto* help = new QShortcut(QKeySequence::HelpContents, self);
  help->setContext(Qt::WindowShortcut);
  QObject::connect(help, &QShortcut::activated, self, [this] { Help2Click(); });
}

QString FormBase::HelpSection() const {
  return HelpSectionOf(self_);
}

void FormBase::Help2Click() {
  ShowHelp(HelpSection(), self_);
}

void FormBase::SetOpener(FormBase* opener) {
  opener_ = opener;
  openerWidget_ = opener ? opener->self_ : nullptr;
}

void FormBase::ShowFor(FormBase* opener) {
  SetOpener(opener);
  // The window manager keeps a window above its transient parent, which X11
  // takes from the window as it is mapped.
  if (opener && self_->windowType() == Qt::Dialog) {
    self_->winId();
    opener->self_->winId();
    self_->windowHandle()->setTransientParent(opener->self_->windowHandle());
  }
  self_->show();
  self_->raise();
  self_->activateWindow();
}

void FormBase::RunFormActivate() {
  LastActivated() = self_;
  Guarded([this] { FormActivate(); });
}

void FormBase::UsePlacement(const char* section, Placement defaults, bool skipWhenExiting) {
  placementSection_ = section;
  skipPlacementWhenExiting_ = skipWhenExiting;
  centreOnFirstShow_ = true;
  IniFile ini = Settings();
  int height = ini.ReadInteger(section, "Height", defaults.height);
  int left = ini.ReadInteger(section, "Left", defaults.left);
  int top = ini.ReadInteger(section, "Top", defaults.top);
  int width = ini.ReadInteger(section, "Width", defaults.width);
  self_->resize(UsableSize(QSize(width, height), QSize(defaults.width, defaults.height)));
  self_->move(left, top);
}

QSize FormBase::UsableSize(QSize wanted, QSize defaults) const {
  // A stored size no screen could show (a hand-edited or damaged file, or a
  // placement saved on a larger monitor) must not leave the window unseen, a
  // sliver, or with its buttons off the screen: it is brought between what
  // shows the window's controls and the screen's free area.
  if (wanted.width() <= 0) wanted.setWidth(defaults.width());
  if (wanted.height() <= 0) wanted.setHeight(defaults.height());
  wanted = wanted.expandedTo(self_->minimumSizeHint()).expandedTo(self_->minimumSize());
  // The frame (title bar and borders) the window manager adds must fit too.
  const QSize frame(16, 48);
  if (const QScreen* shown = self_->screen())
    wanted = wanted.boundedTo(shown->availableGeometry().size() - frame);
  return wanted;
}

void FormBase::WritePlacement() {
  if (!placementSection_) return;
  IniFile ini = Settings();
  ini.WriteInteger(placementSection_, "Height", self_->height());
  ini.WriteInteger(placementSection_, "Left", self_->x());
  ini.WriteInteger(placementSection_, "Top", self_->y());
  ini.WriteInteger(placementSection_, "Width", self_->width());
}

void FormBase::FormResize() {
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

void FormBase::HandleShow(bool spontaneous) {
  if (spontaneous) return;
  // Being shown again is a new start: its first activation counts.
  if (LastActivated() == self_) LastActivated() = nullptr;
  if (!shownOnce_) {
    shownOnce_ = true;
    if (centreOnFirstShow_) CentreOnScreen(self_);
  }
  Guarded([this] { FormShow(); });
}

void FormBase::HandleHide(bool spontaneous) {
  if (spontaneous) return;
  Guarded([this] { FormHide(); });
  FormBase* opener = Opener();
  if (opener && opener->self_->isVisible()) {
    opener->self_->raise();
    opener->self_->activateWindow();
    opener->RunFormActivate();
  }
}

void FormBase::HandleActivationChange() {
  if (self_->isActiveWindow() && self_->isVisible() && LastActivated() != self_) RunFormActivate();
}

void FormBase::HandleResize() {
  Guarded([this] { FormResize(); });
}

bool FormBase::HandleClose() {
  // A question whose answer fails (a save that cannot be written) keeps the
  // window open with its changes.
  bool canClose = false;
  Guarded([&] { canClose = FormCloseQuery(); });
  if (!canClose) return false;
  Guarded([this] { FormClose(); });
  return true;
}

FormBase::FieldHandlers& FormBase::HandlersOf(QWidget* field) {
  for (auto& [widget, handlers] : fieldHandlers_)
    if (widget == field) return handlers;
  field->installEventFilter(self_);
  fieldHandlers_.emplace_back(field, FieldHandlers{});
  return fieldHandlers_.back().second;
}

void FormBase::OnExit(QWidget* field, std::function<void()> handler) {
  HandlersOf(field).exit = std::move(handler);
}

void FormBase::OnKeyPress(QWidget* field, std::function<bool(QKeyEvent*)> handler) {
  HandlersOf(field).key = std::move(handler);
}

void FormBase::FinishEditing() {
  QWidget* focused = QApplication::focusWidget();
  for (auto& [widget, handlers] : fieldHandlers_)
    if (widget == focused && handlers.exit) handlers.exit();
}

bool FormBase::FilterFieldEvent(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut && event->type() != QEvent::KeyPress) return false;
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
      return swallowed;
    }
    break;
  }
  return false;
}

void FormBase::OnClick(QAbstractButton* button, std::function<void()> handler) {
  QObject::connect(button, &QAbstractButton::clicked, self_,
                   [h = std::move(handler)] { Guarded(h); });
}

void FormBase::OnClick(QAction* action, std::function<void()> handler) {
  QObject::connect(action, &QAction::triggered, self_, [h = std::move(handler)] { Guarded(h); });
}

void FormBase::OnDoubleClick(QListWidget* list, std::function<void()> handler) {
  QObject::connect(list, &QListWidget::itemDoubleClicked, self_,
                   [h = std::move(handler)] { Guarded(h); });
}

bool FormBase::AskToSaveChanges(const QString& question, const std::function<bool()>& save) {
  switch (AskYesNoCancel(question)) {
    case MsgAnswer::kYes:
      return save();
    case MsgAnswer::kNo:
      return true;
    default:
      return false;
  }
}

bool FormBase::SaveOrOfferReload(const std::function<void()>& save,
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

QAction* FormBase::AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                               std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (handler) OnClick(action, std::move(handler));
  return action;
}

// ---- FwForm ----

FwForm::FwForm(QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags), FormBase(this) {}

QMenu* FwForm::AddMenu(const char* name, const QString& caption) {
  QMenuBar* bar = menuBar();
  if (bar->objectName().isEmpty()) bar->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QWidget* FwForm::NewClientArea() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client);
  return client;
}

void FwForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  HandleShow(event->spontaneous());
}

void FwForm::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  HandleHide(event->spontaneous());
}

void FwForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) HandleActivationChange();
}

void FwForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  HandleResize();
}

void FwForm::closeEvent(QCloseEvent* event) {
  if (!HandleClose()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void FwForm::keyPressEvent(QKeyEvent* event) {
  // Handled as the key reaches the window, as a dialog does: a control that
  // uses the key itself (an open drop-down list closing on Escape) keeps it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && EscapeButton()) {
    if (EscapeButton()->isEnabled()) EscapeButton()->click();
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

bool FwForm::eventFilter(QObject* watched, QEvent* event) {
  if (FilterFieldEvent(watched, event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

// ---- FwDialog ----

FwDialog::FwDialog(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), FormBase(this) {}

QWidget* FwDialog::NewClientArea() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(client);
  return client;
}

void FwDialog::reject() {
  if (EscapeButton()) {
    if (EscapeButton()->isEnabled()) EscapeButton()->click();
    return;
  }
  QDialog::reject();
}

void FwDialog::SetDefaultButton(QPushButton* button) {
  defaultButton_ = button;
  button->setDefault(true);
}

void FwDialog::showEvent(QShowEvent* event) {
  // A button that had the focus when the dialog was last left (Cancel, say)
  // is the default no more: Enter confirms again.
  if (defaultButton_) defaultButton_->setDefault(true);
  QDialog::showEvent(event);
  HandleShow(event->spontaneous());
}

void FwDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  HandleHide(event->spontaneous());
}

void FwDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) HandleActivationChange();
}

void FwDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  HandleResize();
}

void FwDialog::closeEvent(QCloseEvent* event) {
  // The close box closes the window as its handlers say; it is not Escape.
  if (!HandleClose()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

bool FwDialog::eventFilter(QObject* watched, QEvent* event) {
  if (FilterFieldEvent(watched, event)) return true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace fw::ui
