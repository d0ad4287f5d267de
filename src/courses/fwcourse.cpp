#include "courses/fwcourse.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "data/convert.h"
#include "data/textutil.h"
#include "handicap/scoreeval.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::FromQt;
using fw::ui::ToQt;

namespace {

const QString kZero = QStringLiteral("0");
constexpr int kParWidth = 22;
// The course ratings of real 18-hole courses.
constexpr double kLowestRating = 50.0;
constexpr double kHighestRating = 90.0;
constexpr int kSumWidth = 30;

QLineEdit* NewField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  return field;
}

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLabel* HoleLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = NewLabel(parent, name, text);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

namespace {
QPointer<TCourseForm>& SharedInstance() {
  static QPointer<TCourseForm> instance;
  return instance;
}
}  // namespace

TCourseForm::TCourseForm(QWidget* parent)
    : FwDialog(parent, kDialogFrame | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("CourseForm"));
  setWindowTitle(QStringLiteral("Course Maintenance"));

  QWidget* client = NewClientArea();

  // Name, rating and slope.
  CourseName = NewField(client, QStringLiteral("CourseName"));
  fw::ui::RestrictInput(CourseName, static_cast<int>(fw::kCourseNameRoom), fw::ui::Capitals());
  CourseName->setFixedWidth(260);
  RatingField = NewField(client, QStringLiteral("RatingField"));
  fw::ui::RestrictInput(RatingField, static_cast<int>(fw::kRatingRoom), fw::ui::DecimalNumber());
  RatingField->setFixedWidth(50);
  SlopeField = NewField(client, QStringLiteral("SlopeField"));
  fw::ui::RestrictInput(SlopeField, static_cast<int>(fw::kSlopeRoom), fw::ui::WholeNumber());
  SlopeField->setFixedWidth(50);

  auto* top = new QGridLayout;
  top->addWidget(
      NewLabel(client, QStringLiteral("CourseNameLabel"), QStringLiteral("Course Name:")), 0, 0);
  top->addWidget(CourseName, 0, 1);
  top->addWidget(NewLabel(client, QStringLiteral("RatingLabel"), QStringLiteral("Rating:")), 1, 0);
  top->addWidget(RatingField, 1, 1);
  top->addWidget(NewLabel(client, QStringLiteral("SlopeLabel"), QStringLiteral("Slope:")), 2, 0);
  top->addWidget(SlopeField, 2, 1);
  top->setColumnStretch(2, 1);

  // One row of hole numbers over one row of pars: holes 1 to 9, OUT, holes 10
  // to 18, IN, and the total par. Under the pars, the stroke index of each
  // hole.
  auto* holes = new QGridLayout;
  holes->setHorizontalSpacing(3);
  holes->addWidget(NewLabel(client, QStringLiteral("HoleLabel"), QStringLiteral("Hole:")), 0, 0);
  holes->addWidget(NewLabel(client, QStringLiteral("ParLabel"), QStringLiteral("Par:")), 1, 0);
  // On two lines: the dialog keeps its width, and the holes take most of it.
  QLabel* strokeIndexLabel =
      NewLabel(client, QStringLiteral("StrokeIndexLabel"), QStringLiteral("Stroke index"));
  strokeIndexLabel->setWordWrap(true);
  holes->addWidget(strokeIndexLabel, 2, 0);
  int column = 1;
  auto addPar = [&](int hole) {
    Par[hole] = NewField(client, QStringLiteral("Par%1").arg(hole));
    // The course list keeps one character a par: a single digit.
    fw::ui::RestrictInput(Par[hole], static_cast<int>(fw::kParRoom), fw::ui::WholeNumber());
    Par[hole]->setText(kZero);
    Par[hole]->setFixedWidth(kParWidth);
    Par[hole]->setAlignment(Qt::AlignCenter);
    // A stroke index is 1 to 18: two digits.
    StrokeIndex[hole] = NewField(client, QStringLiteral("StrokeIndex%1").arg(hole));
    fw::ui::RestrictInput(StrokeIndex[hole], static_cast<int>(fw::kStrokeIndexRoom),
                          fw::ui::WholeNumber());
    StrokeIndex[hole]->setFixedWidth(kParWidth);
    StrokeIndex[hole]->setAlignment(Qt::AlignCenter);
    holes->addWidget(
        HoleLabel(client, QStringLiteral("HoleLabel%1").arg(hole), QString::number(hole)), 0,
        column);
    holes->addWidget(Par[hole], 1, column);
    holes->addWidget(StrokeIndex[hole], 2, column);
    ++column;
  };
  auto addSum = [&](QLineEdit* field, const QString& labelName, const QString& caption) {
    field->setFixedWidth(kSumWidth);
    field->setAlignment(Qt::AlignCenter);
    holes->addWidget(HoleLabel(client, labelName, caption), 0, column);
    holes->addWidget(field, 1, column);
    ++column;
  };
  for (int hole = 1; hole <= 9; ++hole) addPar(hole);
  // OUT and IN are sums the user never types; the tab key passes them by.
  ParOut = fw::ui::ReadOnlyField(client, "ParOut");
  ParOut->setText(kZero);
  addSum(ParOut, QStringLiteral("OutLabel"), QStringLiteral("OUT"));
  for (int hole = 10; hole <= 18; ++hole) addPar(hole);
  ParIn = fw::ui::ReadOnlyField(client, "ParIn");
  ParIn->setText(kZero);
  addSum(ParIn, QStringLiteral("InLabel"), QStringLiteral("IN"));
  ParTotal = NewField(client, QStringLiteral("ParTotal"));
  fw::ui::RestrictInput(ParTotal, static_cast<int>(fw::kParTotalRoom), fw::ui::FreeText());
  ParTotal->setText(kZero);
  addSum(ParTotal, QStringLiteral("TotalLabel"), QStringLiteral("Total"));
  holes->setColumnStretch(column, 1);

  OKButton = new QPushButton(QStringLiteral("OK"), client);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  CancelButton = new QPushButton(QStringLiteral("Cancel"), client);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addSpacing(20);
  buttons->addWidget(CancelButton);
  buttons->addStretch(1);

  OkPressed = fw::ui::HiddenField(client, "OkPressed", kZero);

  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(top);
  layout->addSpacing(24);
  layout->addLayout(holes);
  layout->addStretch(1);
  layout->addLayout(buttons);

  QWidget* order[] = {CourseName, RatingField, SlopeField};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setTabOrder(SlopeField, Par[1]);
  for (int hole = 2; hole <= 18; ++hole) setTabOrder(Par[hole - 1], Par[hole]);
  setTabOrder(Par[18], ParTotal);
  setTabOrder(ParTotal, StrokeIndex[1]);
  for (int hole = 2; hole <= 18; ++hole) setTabOrder(StrokeIndex[hole - 1], StrokeIndex[hole]);
  setTabOrder(StrokeIndex[18], OKButton);
  setTabOrder(OKButton, CancelButton);

  // The names a screen reader says: the label beside a field, and for the
  // pars and stroke indexes, which stand under a hole number, names of their own.
  fw::ui::SetBuddies(
      this,
      {{"CourseNameLabel", CourseName}, {"RatingLabel", RatingField}, {"SlopeLabel", SlopeField}});
  for (int hole = 1; hole <= 18; ++hole) {
    Par[hole]->setAccessibleName(QStringLiteral("Par of hole %1").arg(hole));
    StrokeIndex[hole]->setAccessibleName(QStringLiteral("Stroke index of hole %1").arg(hole));
  }
  ParOut->setAccessibleName(QStringLiteral("Par out"));
  ParIn->setAccessibleName(QStringLiteral("Par in"));
  ParTotal->setAccessibleName(QStringLiteral("Total par"));

  for (int hole = 1; hole <= 18; ++hole) OnExit(Par[hole], [this, hole] { ParExit(hole); });
  OnClick(OKButton, [this] { OKButtonClick(); });
  OnClick(CancelButton, [this] { CancelButtonClick(); });
  // Enter confirms from any field, Escape cancels.
  SetDefaultButton(OKButton);
  CancelOnEscape(CancelButton);

  CentreOnFirstShow();
  setFixedSize(626, 312);
}

void TCourseForm::StartAfresh() {
  CourseName->setFocus(Qt::OtherFocusReason);
  freshFields_ = true;
}

void TCourseForm::SetCourse(const fw::TCourseRec& course,
                            const std::optional<fw::StrokeIndexes>& strokeIndexes) {
  StartAfresh();
  for (int hole = 1; hole <= 18; ++hole)
    StrokeIndex[hole]->setText(
        strokeIndexes ? QString::number((*strokeIndexes)[static_cast<std::size_t>(hole - 1)])
                      : QString());
  CourseName->setText(ToQt(fw::CutAtNul(course.Name)));
  RatingField->setText(ToQt(fw::CutAtNul(course.Rating)));
  SlopeField->setText(ToQt(fw::CutAtNul(course.Slope)));
  for (int hole = 1; hole <= 18; ++hole)
    Par[hole]->setText(ToQt(fw::CutAtNul(course.Pars[static_cast<std::size_t>(hole - 1)])));
  ParTotal->setText(ToQt(fw::CutAtNul(course.ParTotal)));
  // OUT and IN of this course, not of the one shown before; a par that is not
  // a number is reported when the dialog becomes active.
  ParOut->setText(kZero);
  ParIn->setText(kZero);
  try {
    UpdateParTotals(false);
  } catch (const fw::ConversionError&) {
  }
}

void TCourseForm::ClearCourse() {
  StartAfresh();
  CourseName->clear();
  RatingField->clear();
  SlopeField->clear();
  for (int hole = 1; hole <= 18; ++hole) {
    Par[hole]->setText(kZero);
    StrokeIndex[hole]->clear();
  }
  ParOut->setText(kZero);
  ParIn->setText(kZero);
  ParTotal->setText(kZero);
}

fw::TCourseRec TCourseForm::Course() const {
  fw::TCourseRec course;
  // Each field keeps what fits its room, as the file would.
  course.Name = FromQt(CourseName->text());
  course.Rating = FromQt(RatingField->text());
  course.Slope = FromQt(SlopeField->text());
  for (int hole = 1; hole <= 18; ++hole)
    course.Pars[static_cast<std::size_t>(hole - 1)] = FromQt(Par[hole]->text());
  course.ParTotal = FromQt(ParTotal->text());
  return course;
}

std::array<std::string, 18> TCourseForm::StrokeIndexTexts() const {
  std::array<std::string, 18> texts;
  for (int hole = 1; hole <= 18; ++hole)
    texts[static_cast<std::size_t>(hole - 1)] = FromQt(StrokeIndex[hole]->text());
  return texts;
}

std::optional<fw::StrokeIndexes> TCourseForm::TypedStrokeIndexes() const {
  return fw::CheckStrokeIndexes(StrokeIndexTexts()).Values;
}

void TCourseForm::UpdateParTotals(bool recomputeTotal) {
  for (int hole = 1; hole <= 18; ++hole)
    if (Par[hole]->text().isEmpty()) Par[hole]->setText(kZero);
  // Every par is converted before any sum changes, so a par that is not a
  // number leaves OUT, IN and the total as they were.
  std::array<int, 19> pars{};
  for (int hole = 1; hole <= 18; ++hole)
    pars[static_cast<std::size_t>(hole)] = fw::StrToInt(FromQt(Par[hole]->text()));
  int out = 0;
  int in = 0;
  for (int hole = 1; hole <= 9; ++hole) out += pars[static_cast<std::size_t>(hole)];
  for (int hole = 10; hole <= 18; ++hole) in += pars[static_cast<std::size_t>(hole)];
  ParOut->setText(QString::number(out));
  ParIn->setText(QString::number(in));
  if (recomputeTotal) ParTotal->setText(QString::number(out + in));
}

void TCourseForm::FormShow() {
  // A showing starts unconfirmed, whatever an earlier showing left behind for
  // an opener that never came back for it.
  OkPressed->setText(kZero);
  StartAfresh();
}

void TCourseForm::FormActivate() {
  if (!std::exchange(freshFields_, false)) return;
  CourseName->setFocus(Qt::OtherFocusReason);
  // An existing course: OUT and IN from its pars, its stored total kept.
  if (!CourseName->text().isEmpty()) UpdateParTotals(false);
}

void TCourseForm::FocusAndSelect(QLineEdit* field) {
  field->setFocus(Qt::TabFocusReason);
  field->selectAll();
}

void TCourseForm::CheckNumber(QLineEdit* field, bool decimal) {
  // The form the field takes when typed: digits, and for the rating one
  // decimal point; at least one digit.
  const QString text = field->text();
  const fw::ui::InputRule rule = decimal ? fw::ui::DecimalNumber() : fw::ui::WholeNumber();
  bool hasDigit = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
  if (hasDigit && fw::ui::RefusalOf(rule, text).isEmpty()) return;
  FocusAndSelect(field);
  throw fw::ConversionError("'" + FromQt(text) + "' is not a valid " +
                            (decimal ? "floating point" : "integer") + " value");
}

void TCourseForm::ParExit(int hole) {
  UpdateParTotals(true);
  if (hole != 1 || Par[1]->text() != kZero) return;
  // A first hole left at 0 means only the total par is being entered. Going
  // back to the name, rating or slope is not moving on to the holes.
  QWidget* next = QApplication::focusWidget();
  if (next == CourseName || next == RatingField || next == SlopeField) return;
  FocusAndSelect(ParTotal);
}

void TCourseForm::OKButtonClick() {
  FinishEditing();
  // A course without a name cannot be told apart in the lists nor picked.
  if (CourseName->text().trimmed().isEmpty()) {
    fw::ui::Inform(QStringLiteral("Please enter a course name."));
    FocusAndSelect(CourseName);
    return;
  }
  // An empty rating or slope marks an unrated course.
  if (RatingField->text().isEmpty()) RatingField->setText(QStringLiteral("0.0"));
  if (SlopeField->text().isEmpty()) SlopeField->setText(kZero);
  // Only a course list edited by hand brings other text here; score entry
  // could not compute with it.
  CheckNumber(RatingField, true);
  CheckNumber(SlopeField, false);
  // Letters are refused as they are typed, so a slip such as "7O.2" arrives
  // here as 7.2: a figure no real course has would put every differential at
  // the course wrong. 0 stays allowed for a course not rated.
  const double rating = fw::StrToFloat(FromQt(RatingField->text()));
  if (rating != 0.0 && (rating < kLowestRating || rating > kHighestRating)) {
    fw::ui::Inform(
        QStringLiteral("The rating must lie between 50.0 and 90.0 (or be 0 for a course "
                       "that has no rating)."));
    FocusAndSelect(RatingField);
    return;
  }
  const double slope = fw::StrToFloat(FromQt(SlopeField->text()));
  if (slope != 0.0 && (slope < fw::kMinSlope || slope > fw::kMaxSlope)) {
    fw::ui::Inform(
        QStringLiteral("The slope must lie between 55 and 155 (or be 0 for a course that "
                       "has no slope rating)."));
    FocusAndSelect(SlopeField);
    return;
  }
  int total = 0;
  if (!ParTotal->text().isEmpty()) {
    try {
      total = fw::StrToInt(FromQt(ParTotal->text()));
    } catch (const fw::ConversionError&) {
      FocusAndSelect(ParTotal);
      throw;
    }
  }
  if (total <= 0) {
    ParTotal->setText(kZero);
    fw::ui::Inform(
        QStringLiteral("You must enter a value of greater than zero for the Total Par."));
    FocusAndSelect(ParTotal);
    return;
  }
  // The stroke indexes are optional, but those given must be each of 1 to 18
  // once: the net double bogey of every hole rests on them.
  const fw::StrokeIndexCheck check = fw::CheckStrokeIndexes(StrokeIndexTexts());
  if (!check.Ok()) {
    fw::ui::Inform(ToQt(check.Message));
    FocusAndSelect(StrokeIndex[static_cast<std::size_t>(std::clamp(check.Hole, 1, 18))]);
    return;
  }
  OkPressed->setText(QStringLiteral("1"));
  hide();
}

std::optional<TCourseEdit> TCourseForm::TakeConfirmed(const fw::ui::FormBase* opener) {
  if (!opener || Opener() != opener || OkPressed->text() != QStringLiteral("1"))
    return std::nullopt;
  OkPressed->setText(kZero);
  return TCourseEdit{Course(), TypedStrokeIndexes()};
}

void TCourseForm::CancelButtonClick() {
  OkPressed->setText(kZero);
  hide();
}

TCourseForm* TCourseForm::Instance() {
  return SharedInstance();
}

void TCourseForm::SetInstance(TCourseForm* instance) {
  SharedInstance() = instance;
}
