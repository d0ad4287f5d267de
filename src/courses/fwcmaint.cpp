// Not built yet: an empty window so that the program links.
#include "courses/fwcmaint.h"
TCMaintForm::TCMaintForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("CMaintForm"));
}
void TCMaintForm::FormActivate() {}
bool TCMaintForm::FormCloseQuery() {
  return true;
}
bool TCMaintForm::SettleUnsavedChanges() {
  return true;
}
void TCMaintForm::AddButtonClick() {}
void TCMaintForm::ModifyButtonClick() {}
void TCMaintForm::DeleteButtonClick() {}
void TCMaintForm::SaveButtonClick() {}
void TCMaintForm::ExitButtonClick() {}
