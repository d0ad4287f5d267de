#pragma once
// The bases of every window of the program. FormBase turns Qt's events into the
// handlers the windows are written with (FormShow, FormActivate, FormResize,
// ...), hands activation back to the window that opened a dialog when the
// dialog hides, runs the handlers of fields left and keys pressed, opens the
// manual at the window's section (F1, Help > Help), and keeps the window's
// placement in the settings file. FwForm is a main window (menus, a client
// area); FwDialog a dialog, which takes Enter, Escape and staying above its
// opener from Qt.

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QListWidget;
class QMenu;
class QPushButton;

namespace fw::ui {

// Height, Left, Top and Width of a window, in pixels.
struct Placement {
  int height;
  int left;
  int top;
  int width;
};

class FormBase {
 public:
  virtual ~FormBase() = default;
  FormBase(const FormBase&) = delete;
  FormBase& operator=(const FormBase&) = delete;

  // The handlers. Public so that tests and other windows can run them the way
  // the events do. FormActivate runs when the window becomes active coming
  // from another program window (or is handed activation back by a dialog),
  // not when it merely regains activation from a message box.
  virtual void FormShow() {}
  virtual void FormActivate() {}
  virtual void FormResize();
  virtual void FormHide() {}
  // Return false to keep the window open when the user closes it.
  virtual bool FormCloseQuery() { return true; }
  virtual void FormClose() {}

  // Asks the user about changes not yet saved, when the window holds any:
  // saves on Yes, drops on No; returns false on Cancel (the caller stops).
  virtual bool SettleUnsavedChanges() { return true; }

  // The section of the manual that tells of this window (F1, Help > Help).
  virtual QString HelpSection() const;
  // Opens the manual at that section.
  void Help2Click();

  // The frame of a dialog: a title and a close box, no minimise or maximise
  // button.
  static constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                                  Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                  Qt::WindowCloseButtonHint;

  // Shows the window without blocking `opener`, raises and activates it. When
  // this window later hides, `opener` (if still shown) is activated again and
  // its FormActivate runs, whatever the platform does with activation. A
  // dialog is kept above its opener while it is shown.
  void ShowFor(FormBase* opener);
  FormBase* Opener() const { return openerWidget_ ? opener_ : nullptr; }
  void SetOpener(FormBase* opener);

  // Runs FormActivate, showing any error it raises.
  void RunFormActivate();

  // Reads the placement from `section` of the settings file (defaults when
  // missing), centres the window when it is first shown, and writes the
  // placement whenever the window is resized after that. With `skipWhenExiting`
  // nothing is written while the program is ending.
  void UsePlacement(const char* section, Placement defaults, bool skipWhenExiting = true);
  // `wanted` made fit for the screen: a width or height that is not positive
  // takes its default; the size is at least what shows the window's controls
  // and at most the screen's free area, frame included.
  QSize UsableSize(QSize wanted, QSize defaults) const;
  // Centres the window on the screen when it is first shown (fixed dialogs).
  void CentreOnFirstShow() { centreOnFirstShow_ = true; }
  void WritePlacement();

  QWidget* Window() const { return self_; }

 protected:
  explicit FormBase(QWidget* self);

  // Runs `handler` when the focus leaves `field` inside this window (not when
  // the window itself loses activation). Errors are shown.
  void OnExit(QWidget* field, std::function<void()> handler);
  // Passes the key presses of `field` to `handler`; returning true swallows the key.
  void OnKeyPress(QWidget* field, std::function<bool(QKeyEvent*)> handler);
  // Runs the exit handler of the field being edited, as leaving it would: a
  // button pressed with Enter, or a menu item, does not take the focus.
  void FinishEditing();
  // Connects a button or menu item to a handler whose errors are shown.
  void OnClick(QAbstractButton* button, std::function<void()> handler);
  void OnClick(QAction* action, std::function<void()> handler);
  // Runs `handler` when a line of the list is double-clicked.
  void OnDoubleClick(QListWidget* list, std::function<void()> handler);
  // Asks `question` (Yes, No, Cancel) about changes not yet saved: Yes runs
  // `save` (which returns whether it saved), No drops the changes; returns
  // false on Cancel and when the save did not happen.
  static bool AskToSaveChanges(const QString& question, const std::function<bool()>& save);
  // Runs `save` and returns true. When the file changed on disk after this
  // window read it, nothing was written: says so and offers to reload it
  // (which drops this window's changes, after asking) or to keep editing, and
  // returns false. Other errors propagate to the handler's error display.
  static bool SaveOrOfferReload(const std::function<void()>& save,
                                const std::function<void()>& reload);
  // Escape presses `cancel` (when it is enabled), as in every dialog.
  void CancelOnEscape(QAbstractButton* cancel) { escapeButton_ = cancel; }
  QAbstractButton* EscapeButton() const { return escapeButton_; }
  // Adds a menu item with its object name and caption.
  QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                       std::function<void()> handler);

  // What the Qt event overrides of the two window kinds call.
  void HandleShow(bool spontaneous);
  void HandleHide(bool spontaneous);
  void HandleActivationChange();
  void HandleResize();
  // False when the window is to stay open.
  bool HandleClose();
  // True when the event was taken by a field's handler.
  bool FilterFieldEvent(QObject* watched, QEvent* event);

 private:
  struct FieldHandlers {
    std::function<void()> exit;
    std::function<bool(QKeyEvent*)> key;
  };
  FieldHandlers& HandlersOf(QWidget* field);

  QWidget* self_;
  FormBase* opener_ = nullptr;
  QPointer<QWidget> openerWidget_;
  QPointer<QAbstractButton> escapeButton_;
  const char* placementSection_ = nullptr;
  bool skipPlacementWhenExiting_ = true;
  bool centreOnFirstShow_ = false;
  bool shownOnce_ = false;
  std::vector<std::pair<QWidget*, FieldHandlers>> fieldHandlers_;
};

// A main window: menus above a client area.
class FwForm : public QMainWindow, public FormBase {
  Q_OBJECT

 public:
  explicit FwForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

 protected:
  // The window's client area ("ClientArea"), below its menu bar.
  QWidget* NewClientArea();
  // Adds a menu to the menu bar with its object name and caption; the menu bar
  // is named "MainMenu1" unless the window named it otherwise first.
  QMenu* AddMenu(const char* name, const QString& caption);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Enter or Return on a focused push button presses it, and Escape presses
  // the window's cancel button, as in a dialog.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// A dialog: Enter presses the focused or default button, Escape its cancel
// button, and it stays above the window that opened it.
class FwDialog : public QDialog, public FormBase {
  Q_OBJECT

 public:
  explicit FwDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = kDialogFrame);

  // Escape: the cancel button when there is one.
  void reject() override;
  // The button Enter presses when the focus is not on another button (OK).
  void SetDefaultButton(QPushButton* button);

 protected:
  // A client area filling the dialog ("ClientArea"), for the controls.
  QWidget* NewClientArea();

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QPushButton> defaultButton_;
};

// Moves a window to the middle of its screen, keeping its size.
void CentreOnScreen(QWidget* window);

}  // namespace fw::ui
