// Not built yet: an empty window so that the program links.
#include "golfers/fwgmaint.h"
TGMaintForm::TGMaintForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GMaintForm"));
}
void TGMaintForm::FormActivate() {}
bool TGMaintForm::FormCloseQuery() {
  return true;
}
bool TGMaintForm::SettleUnsavedChanges() {
  return true;
}
void TGMaintForm::AddButtonClick() {}
void TGMaintForm::ModifyButtonClick() {}
void TGMaintForm::DeleteButtonClick() {}
void TGMaintForm::SaveButtonClick() {}
void TGMaintForm::ExitButtonClick() {}
