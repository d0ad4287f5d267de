#pragma once
// Base of every window of the program. It turns Qt's events into the handlers
// the windows are written with (FormShow, FormActivate, FormResize, ...), hands
// activation back to the window that opened a dialog when the dialog hides, and
// keeps the window's placement in the settings file.

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QListWidget;
class QMenu;

namespace fw::ui {

// Height, Left, Top and Width of a window, in pixels.
struct Placement {
  int height;
  int left;
  int top;
  int width;
};

class FwForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit FwForm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

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

  // The frame of a dialog: a title and a close box, no minimise or maximise
  // button.
  static constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                                  Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                  Qt::WindowCloseButtonHint;

  // Shows the window without blocking `opener`, raises and activates it. When
  // this window later hides, `opener` (if still shown) is activated again and
  // its FormActivate runs, whatever the platform does with activation. A
  // dialog is kept above its opener while it is shown.
  void ShowFor(FwForm* opener);
  FwForm* Opener() const { return opener_; }
  void SetOpener(FwForm* opener) { opener_ = opener; }

  // Runs FormActivate, showing any error it raises.
  void RunFormActivate();

  // Reads the placement from `section` of the settings file (defaults when
  // missing), centres the window when it is first shown, and writes the
  // placement whenever the window is resized after that. With `skipWhenExiting`
  // nothing is written while the program is ending.
  void UsePlacement(const char* section, Placement defaults, bool skipWhenExiting = true);
  // `wanted` made fit for the screen: a width or height that is not positive
  // takes its default; the size is at least what shows the window's controls
  // and at most the screen's free area.
  QSize UsableSize(QSize wanted, QSize defaults) const;
  // Centres the window on the screen when it is first shown (fixed dialogs).
  void CentreOnFirstShow() { centreOnFirstShow_ = true; }
  void WritePlacement();

 protected:
  // Runs `handler` when the focus leaves `field` inside this window (not when
  // the window itself loses activation). Errors are shown.
  void OnExit(QWidget* field, std::function<void()> handler);
  // Passes the key presses of `field` to `handler`; returning true swallows the key.
  void OnKeyPress(QWidget* field, std::function<bool(QKeyEvent*)> handler);
  // Connects a button or menu item to a handler whose errors are shown.
  void OnClick(QAbstractButton* button, std::function<void()> handler);
  void OnClick(QAction* action, std::function<void()> handler);
  // The window's client area ("ClientArea"), below its menu bar.
  QWidget* NewClientArea();
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
  void CancelOnEscape(QAbstractButton* cancel);
  // Adds a menu item with its object name and caption.
  QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                       std::function<void()> handler);

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Enter or Return on a focused push button presses it; Qt does that only
  // inside a QDialog.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FieldHandlers {
    std::function<void()> exit;
    std::function<bool(QKeyEvent*)> key;
  };
  FieldHandlers& HandlersOf(QWidget* field);

  QPointer<FwForm> opener_;
  QPointer<QAbstractButton> escapeButton_;
  const char* placementSection_ = nullptr;
  bool skipPlacementWhenExiting_ = true;
  bool centreOnFirstShow_ = false;
  bool shownOnce_ = false;
  std::vector<std::pair<QWidget*, FieldHandlers>> fieldHandlers_;
};

// Moves a window to the middle of its screen, keeping its size.
void CentreOnScreen(QWidget* window);

}  // namespace fw::ui
