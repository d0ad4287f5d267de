#include "ui/fwwidgets.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace fw::ui {

FwRadioGroup::FwRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  auto* layout = new QVBoxLayout(this);
  for (const QString& text : items) {
    auto* button = new QRadioButton(text, this);
    layout->addWidget(button);
    items_.push_back(button);
  }
}

int FwRadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void FwRadioGroup::SetItemIndex(int index) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    // Exclusive buttons cannot all be unchecked one by one.
    items_[i]->setAutoExclusive(false);
    items_[i]->setChecked(static_cast<int>(i) == index);
    items_[i]->setAutoExclusive(true);
  }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QListWidget* NamedList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

QLineEdit* HiddenField(QWidget* parent, const char* name, const QString& text) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setEnabled(false);
  field->hide();
  return field;
}

QLineEdit* ReadOnlyField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::NoFocus);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  return field;
}

void SetBuddies(const QWidget* window,
                std::initializer_list<std::pair<const char*, QWidget*>> labelled) {
  for (const auto& [name, field] : labelled)
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name))) label->setBuddy(field);
}

void SelectLine(QListWidget* list, int line) {
  const int count = list->count();
  if (count == 0) return;
  line = std::clamp(line, 1, count);
  list->setCurrentRow(line - 1);
  list->item(line - 1)->setSelected(true);
  list->scrollToItem(list->item(line - 1));
}

}  // namespace fw::ui
