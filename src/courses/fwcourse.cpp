// Not built yet: an empty window so that the program links.
#include "courses/fwcourse.h"
TCourseForm::TCourseForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("CourseForm"));
}
void TCourseForm::SetCourse(const fw::TCourseRec&) {}
void TCourseForm::ClearCourse() {}
fw::TCourseRec TCourseForm::Course() const {
  return {};
}
void TCourseForm::UpdateParTotals(bool) {}
void TCourseForm::FormActivate() {}
void TCourseForm::ParExit(int) {}
void TCourseForm::OKButtonClick() {}
void TCourseForm::CancelButtonClick() {}
