#include "ui/fwmaintform.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/fwwidgets.h"

namespace fw::ui {

FwMaintForm::FwMaintForm(QWidget* parent, const char* listName, const QString& noun,
                         QString saveQuestion)
    : FwForm(parent), saveQuestion_(std::move(saveQuestion)) {
  QWidget* client = NewClientArea();

  List = NamedList(client, listName);
  OnDoubleClick(List, [this] { ModifyButtonClick(); });

  AddButton = NamedButton(client, "AddButton", QStringLiteral("Add"));
  ModifyButton = NamedButton(client, "ModifyButton", QStringLiteral("Modify"));
  DeleteButton = NamedButton(client, "DeleteButton", QStringLiteral("Delete"));
  SaveButton = NamedButton(client, "SaveButton", QStringLiteral("Save"));
  ExitButton = NamedButton(client, "ExitButton", QStringLiteral("Exit"));
  OnClick(AddButton, [this] { AddButtonClick(); });
  OnClick(ModifyButton, [this] { ModifyButtonClick(); });
  OnClick(DeleteButton, [this] { DeleteButtonClick(); });
  OnClick(SaveButton, [this] { SaveButtonClick(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });

  // The list grows with the window; the buttons keep their places at the top.
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {AddButton, ModifyButton, DeleteButton, SaveButton, ExitButton})
    buttons->addWidget(button);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(client);
  layout->addWidget(List, 1);
  layout->addLayout(buttons);

  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  Save1 = AddMenuItem(file, "Save1", QStringLiteral("&Save"), [this] { Save1Click(); });
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("&Exit"), [this] { Exit1Click(); });
  QMenu* edit = AddMenu("Edit1", QStringLiteral("&Edit"));
  auto item = [&](const char* verb, std::function<void()> handler) {
    const QByteArray name = QStringLiteral("%1%2%3").arg(QLatin1String(verb), noun, "1").toLatin1();
    return AddMenuItem(edit, name.constData(),
                       QStringLiteral("&%1 %2").arg(QLatin1String(verb), noun), std::move(handler));
  };
  AddItem1 = item("Add", [this] { AddButtonClick(); });
  ModifyItem1 = item("Modify", [this] { ModifyButtonClick(); });
  DeleteItem1 = item("Delete", [this] { DeleteButtonClick(); });
}

bool FwMaintForm::SettleUnsavedChanges() {
  return !Changed || AskToSaveChanges(saveQuestion_, [this] { return SaveChanges(); });
}

int FwMaintForm::SelectedLine() const {
  const QList<QListWidgetItem*> selected = List->selectedItems();
  if (selected.isEmpty()) return 0;
  return List->row(selected.first()) + 1;
}

void FwMaintForm::FillLines(const QStringList& lines, int line) {
  List->clear();
  List->addItems(lines);
  if (lines.isEmpty()) return;
  line = std::clamp(line, 1, static_cast<int>(lines.size()));
  List->setCurrentRow(line - 1);
}

void FwMaintForm::RemoveLine(int line) {
  delete List->takeItem(line - 1);
  if (List->count() > 0) List->setCurrentRow(std::min(line, List->count()) - 1);
}

void FwMaintForm::SetChanged(bool changed) {
  Changed = changed;
  SaveButton->setEnabled(changed);
}

}  // namespace fw::ui
