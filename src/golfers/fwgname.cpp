// Not built yet: an empty window so that the program links.
#include "golfers/fwgname.h"
TGNameForm::TGNameForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GNameForm"));
}
void TGNameForm::FormActivate() {}
void TGNameForm::LongNameExit() {}
void TGNameForm::ShortNameExit() {}
void TGNameForm::OKButtonClick() {}
void TGNameForm::CancelButtonClick() {}
