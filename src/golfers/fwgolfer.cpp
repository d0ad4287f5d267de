// Not built yet: an empty window so that the program links.
#include "golfers/fwgolfer.h"
TGolferForm::TGolferForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GolferForm"));
}
bool TGolferForm::ShowGolfer(const QString&, const QString&, int, fw::ui::FwForm*) {
  return true;
}
void TGolferForm::FormShow() {}
void TGolferForm::FormActivate() {}
bool TGolferForm::FormCloseQuery() {
  return true;
}
bool TGolferForm::SettleUnsavedChanges() {
  return true;
}
void TGolferForm::AddButtonClick() {}
void TGolferForm::ModifyButtonClick() {}
void TGolferForm::DeleteButtonClick() {}
void TGolferForm::SaveButtonClick() {}
void TGolferForm::ExitButtonClick() {}
void TGolferForm::Exit1Click() {}
void TGolferForm::Index1Click() {}
void TGolferForm::Handicap1Click() {}
