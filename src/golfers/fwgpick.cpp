// Not built yet: an empty window so that the program links.
#include "golfers/fwgpick.h"
int TGPickForm::SelectedGolfer = 0;
TGPickForm::TGPickForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GPickForm"));
}
void TGPickForm::FormActivate() {}
void TGPickForm::FormClose() {}
void TGPickForm::AddAScore() {}
void TGPickForm::AddGroupOfScores() {}
void TGPickForm::EditScores() {}
void TGPickForm::CalculateIndex() {}
void TGPickForm::CourseHandicap() {}
void TGPickForm::PrintScores() {}
void TGPickForm::PrintHandicaps() {}
void TGPickForm::ExitButtonClick() {}
