// Not built yet: an empty window so that the program links.
#include "scores/fwscore.h"
TScoreForm::TScoreForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("ScoreForm"));
}
void TScoreForm::PrepareNewRound(const QString&, const QString&) {}
void TScoreForm::PrepareStoredRound(const QString&, const QString&, const fw::TScoreRec&) {}
fw::TScoreRec TScoreForm::Round() const {
  return {};
}
void TScoreForm::FormShow() {}
void TScoreForm::FormActivate() {}
void TScoreForm::FormHide() {}
void TScoreForm::CourseFieldClick() {}
void TScoreForm::ScoreExit(int) {}
void TScoreForm::PuttsExit(int) {}
void TScoreForm::ScoreTotalExit() {}
void TScoreForm::AdjScoreExit() {}
void TScoreForm::DateFieldExit() {}
void TScoreForm::SkipPuttsChkBoxClick() {}
void TScoreForm::OKButtonClick() {}
void TScoreForm::SaveExit1Click() {}
void TScoreForm::CancelButtonClick() {}
void TScoreForm::Exit1Click() {}
void TScoreForm::AddCourseButtonClick() {}
void TScoreForm::EditCourses1Click() {}
void TScoreForm::Help2Click() {}
void TScoreForm::AboutFairwick1Click() {}
