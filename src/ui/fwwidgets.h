#pragma once
// Small widgets the windows share.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <initializer_list>
#include <utility>
#include <vector>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace fw::ui {

// A framed group of radio buttons addressed by item number from 0, with -1
// meaning none is selected.
class FwRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  FwRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<QRadioButton*> items_;
};

// A label that reports clicks (the main window's picture opens the about box).
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A push button with its object name.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

// A list box with its object name, one line selectable at a time.
QListWidget* NamedList(QWidget* parent, const char* name);

// Selects line `line` (from 1) of the list, the first when below 1 and the
// last when beyond the end, and scrolls to it; nothing in an empty list.
void SelectLine(QListWidget* list, int line);

// A hidden, disabled edit field that only carries a value between windows,
// such as a dialog's OkPressed marker.
QLineEdit* HiddenField(QWidget* parent, const char* name, const QString& text = {});

// A grey read-only field outside the tab order.
QLineEdit* ReadOnlyField(QWidget* parent, const char* name);

// Makes each label, found among `window`'s children by its object name, the
// buddy of the field beside it, so that a screen reader says the label's
// text as the field's name.
void SetBuddies(const QWidget* window,
                std::initializer_list<std::pair<const char*, QWidget*>> labelled);

}  // namespace fw::ui
