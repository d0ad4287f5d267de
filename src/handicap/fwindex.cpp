// Not built yet: an empty window so that the program links.
#include "handicap/fwindex.h"
TIndexForm::TIndexForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("IndexForm"));
}
void TIndexForm::SetLines(const fw::IndexDialogFields&) {}
void TIndexForm::OkButtonClick() {}
void TIndexForm::CancelButtonClick() {}
