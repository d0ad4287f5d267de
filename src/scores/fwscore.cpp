#include "scores/fwscore.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <optional>

#include "courses/fwcourse.h"
#include "data/convert.h"
#include "data/limitmessages.h"
#include "data/placeholders.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"
#include "handicap/handicapindex.h"
#include "handicap/scoreeval.h"
#include "scores/typeddate.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::FromQt;
using fw::ui::ToQt;

namespace {

const QString kZero = QStringLiteral("0");
const QString kOne = QStringLiteral("1");
const QString kPickACourse = QStringLiteral("You must pick a course.");
const QString kCourseNotFound = QStringLiteral("ERROR: Course not found in list??");
const QString kDiscardRound = QStringLiteral("Discard this round?");
const QString kRoundKept = QStringLiteral(
    "The round was not stored. It is still here: press OK again once the cause is mended, or "
    "Cancel to drop it.");
const QString kNotADate = QStringLiteral("%1 is not a valid date.");
const QString kCommentCut =
    QStringLiteral("A comment holds at most 100 characters; the rest was cut off.");
constexpr int kCommentRoom = static_cast<int>(fw::kCommentRoom);

std::string Text(const QLineEdit* field) {
  return FromQt(field->text());
}

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
bool IsUpKey(const QKeyEvent* key) {
  return key->text() == QStringLiteral("+") || key->text() == QStringLiteral("=");
}
bool IsDownKey(const QKeyEvent* key) {
  return key->text() == QStringLiteral("-") || key->text() == QStringLiteral("_");
}

// A date shown in one order as it is shown in another; a text that cannot be
// read as a date stays as it is.
QString DateInOrder(const QString& shown, fw::DateOrder from, fw::DateOrder to) {
  if (from == to) return shown;
  const std::string date = fw::NormaliseTypedDate(FromQt(shown), from);
  if (date.empty()) return shown;
  return ToQt(fw::StoredDateToDisplay(fw::DisplayDateToStored(date, from), to));
}

}  // namespace

namespace {
QPointer<TScoreForm>& SharedInstance() {
  static QPointer<TScoreForm> instance;
  return instance;
}
}  // namespace

TScoreForm::TScoreForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("ScoreForm"));
  setWindowTitle(QStringLiteral("Enter Score"));
  BuildControls();
  ConnectHandlers();
  CancelOnEscape(CancelButton);
  CentreOnFirstShow();
  resize(sizeHint().expandedTo(QSize(820, 410)));

  // Creation: today's date, empty fields and the course list, whose first
  // loading renames the sample list on a first run.
  dateOrder_ = fw::ui::App().Order;
  DateField->setText(fw::ui::TodayText());
  FieldReset();
  rules_ = fw::ui::App().Rules;
  fw::ui::Guarded([this] {
    fw::ui::UiMessenger messenger;
    LoadCourses(messenger);
  });
}

void TScoreForm::ConnectHandlers() {
  auto click = [this](auto* sender, void (TScoreForm::*handler)()) {
    OnClick(sender, [this, handler] { (this->*handler)(); });
  };
  click(OKButton, &TScoreForm::OKButtonClick);
  click(CancelButton, &TScoreForm::CancelButtonClick);
  click(AddCourseButton, &TScoreForm::AddCourseButtonClick);
  click(SaveExit1, &TScoreForm::SaveExit1Click);
  click(Exit1, &TScoreForm::Exit1Click);
  click(EditCourses1, &TScoreForm::EditCourses1Click);
  OnClick(Help2, [this] { Help2Click(); });
  click(AboutFairwick1, &TScoreForm::AboutFairwick1Click);
  // A course chosen with the mouse or the keyboard; not when the window
  // selects one itself.
  connect(CourseField, &QComboBox::activated, this, [this] {
    roundTouched_ = true;
    fw::ui::Guarded([this] { CourseFieldClick(); });
  });
  // Anything the user types makes the round one not to throw away unasked.
  for (QLineEdit* field : {DateField, ScoreOut, ScoreIn, ScoreTotal, PuttsOut, PuttsIn, PuttsTotal})
    connect(field, &QLineEdit::textEdited, this, [this] { roundTouched_ = true; });
  for (int hole = 1; hole <= 18; ++hole)
    for (QLineEdit* field : {Score[hole], Putts[hole]})
      connect(field, &QLineEdit::textEdited, this, [this] { roundTouched_ = true; });
  connect(SkipPuttsChkBox, &QCheckBox::toggled, this,
          [this] { fw::ui::Guarded([this] { SkipPuttsChkBoxClick(); }); });
  connect(CommentField, &QPlainTextEdit::textChanged, this, [this] { CleanComment(); });

  for (int hole = 1; hole <= 18; ++hole) {
    OnFieldExit(Score[hole], [this, hole] { ScoreExit(hole); });
    OnFieldExit(Putts[hole], [this, hole] { PuttsExit(hole); });
  }
  OnFieldExit(ScoreTotal, [this] { ScoreTotalExit(); });
  OnFieldExit(AdjScore, [this] { AdjScoreExit(); });
  OnFieldExit(DateField, [this] { DateFieldExit(); });

  auto keys = [this](QLineEdit* field, std::function<QWidget*()> enterTarget) {
    OnKeyPress(field, [this, field, enterTarget](QKeyEvent* key) {
      return NumberKey(field, key, enterTarget);
    });
  };
  for (int hole = 1; hole <= 18; ++hole) {
    keys(Score[hole], [this, hole]() -> QWidget* {
      if (!SkipPuttsChkBox->isChecked()) return Putts[hole];
      return hole < 18 ? static_cast<QWidget*>(Score[hole + 1]) : OKButton;
    });
    keys(Putts[hole], [this, hole]() -> QWidget* {
      return hole < 18 ? static_cast<QWidget*>(Score[hole + 1]) : OKButton;
    });
  }
  keys(ScoreTotal, [this]() -> QWidget* { return OKButton; });
  for (QLineEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn, PuttsTotal}) keys(sum, {});

  OnKeyPress(DateField, [this](QKeyEvent* key) { return DateKey(key); });
  auto enterMoves = [this](QWidget* field, QWidget* target) {
    OnKeyPress(field, [target](QKeyEvent* key) {
      if (!IsEnter(key)) return false;
      target->setFocus(Qt::TabFocusReason);
      return true;
    });
  };
  enterMoves(CourseField, DateField);
  enterMoves(SkipPuttsChkBox, Score[1]);
  // The comment is one line of a data file: Enter adds no line break (a
  // tilde is refused, and named, when the text changes).
  OnKeyPress(CommentField, [this](QKeyEvent* key) {
    if (IsEnter(key)) {
      // Lines typed one under the other become words one after the other:
      // the next character typed comes after a blank.
      const QString before =
          CommentField->toPlainText().left(CommentField->textCursor().position());
      blankBeforeNext_ = !before.isEmpty() && !before.endsWith(QLatin1Char(' '));
      return true;
    }
    const bool printable = !key->text().isEmpty() && key->text().at(0).isPrint();
    if (std::exchange(blankBeforeNext_, false) && printable && key->text() != QStringLiteral(" "))
      CommentField->insertPlainText(QStringLiteral(" "));
    if (printable || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
        key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut))
      roundTouched_ = true;
    return false;
  });
}

void TScoreForm::OnFieldExit(QWidget* field, std::function<void()> handler) {
  OnExit(field, [this, handler] {
    if (!checkingRound_) handler();
  });
}

// ---- Opening the window ----

bool TScoreForm::MayDiscardRound() {
  if (!isVisible() || !roundTouched_) return true;
  raise();
  activateWindow();
  if (!fw::ui::AskYesNo(kDiscardRound)) return false;
  roundTouched_ = false;
  return true;
}

void TScoreForm::ShowFor(fw::ui::FormBase* opener, RoundTaker taker) {
  taker_ = std::move(taker);
  FwForm::ShowFor(opener);
}

bool TScoreForm::PrepareNewRound(const QString& golferName, const QString& indexText) {
  if (!MayDiscardRound()) return false;
  roundTouched_ = false;
  GolferName->setText(golferName);
  dateOrder_ = fw::ui::App().Order;
  DateField->setText(fw::ui::TodayText());
  CourseField->setCurrentIndex(-1);
  shownCourse_ = -1;
  CourseName2->clear();
  CoursePicked->setText(kZero);
  AddingGroup->setText(kZero);
  IndexField->setText(indexText);
  rules_ = fw::ui::App().Rules;
  // The course handicap of the last round belongs to another course, maybe
  // another golfer; picking the course computes this round's.
  CourseHandicapField->clear();
  storedRoundPrepared_ = false;
  // Shown already: the caption and the preselection follow the new round.
  if (isVisible()) FormShow();
  return true;
}

bool TScoreForm::PrepareFirstGroupRound(const QString& golferName, const QString& indexText) {
  if (!PrepareNewRound(golferName, indexText)) return false;
  AddingGroup->setText(kOne);
  ScoreTotal->setText(kZero);
  AdjScore->clear();
  ScoreDiff->clear();
  return true;
}

bool TScoreForm::PrepareStoredRound(const QString& golferName, const QString& indexText,
                                    const fw::TScoreRec& round) {
  if (!MayDiscardRound()) return false;
  roundTouched_ = false;
  auto text = [](std::string_view value) { return ToQt(value); };
  GolferName->setText(golferName);
  dateOrder_ = fw::ui::App().Order;
  DateField->setText(ToQt(fw::StoredDateToDisplay(round.Date, dateOrder_)));
  const QString course = text(round.CourseName);
  const int listed = LastCourseNamed(round.CourseName.str());
  CourseField->setCurrentIndex(listed - 1);
  shownCourse_ = listed - 1;
  CourseName2->setText(course);
  CoursePicked->setText(course.isEmpty() ? kZero : kOne);
  AddingGroup->setText(kZero);
  ScoreTotal->setText(text(round.TotalScore));
  const QString rating = text(round.Rating);
  RatingField->setText(rating.isEmpty() ? QStringLiteral("0.0") : rating);
  const QString slope = text(round.Slope);
  SlopeField->setText(slope.isEmpty() ? kZero : slope);
  CommentField->setPlainText(text(round.Comment));
  for (int hole = 1; hole <= 18; ++hole) {
    Score[hole]->setText(text(round.HoleScores[static_cast<std::size_t>(hole - 1)]));
    Putts[hole]->setText(text(round.HolePutts[static_cast<std::size_t>(hole - 1)]));
  }
  for (QLineEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn, PuttsTotal}) sum->setText(kZero);
  AdjScore->setText(text(round.AdjustedScore));
  const QString indexAtEntry = text(round.IndexAtEntry);
  IndexField->setText(indexAtEntry != kZero ? indexAtEntry : indexText);
  rules_ = fw::ui::App().Rules;
  CourseHandicapField->setText(text(round.CourseHdcp));
  storedRoundPrepared_ = true;
  // Shown already: the caption and the preselection follow the new round.
  if (isVisible()) FormShow();
  return true;
}

bool TScoreForm::PrepareNextGroupRound(const QString& golferName, const QString& indexText,
                                       const QString& date, const QString& course) {
  if (!MayDiscardRound()) return false;
  roundTouched_ = false;
  GolferName->setText(golferName);
  // The date as typed for the golfer before, in the order of the settings
  // now.
  const fw::DateOrder typedIn = std::exchange(dateOrder_, fw::ui::App().Order);
  DateField->setText(DateInOrder(date, typedIn, dateOrder_));
  CourseName2->setText(course);
  CoursePicked->setText(course.isEmpty() ? kZero : kOne);
  AddingGroup->setText(kOne);
  IndexField->setText(indexText);
  rules_ = fw::ui::App().Rules;
  // The adjusted score must use this golfer's course handicap, not the one of
  // the golfer before.
  const int listed = course.isEmpty() ? 0 : FirstCourseIgnoringCase(course);
  if (listed > 0)
    CourseHandicapField->setText(CourseHandicapFor(listed));
  else
    CourseHandicapField->clear();
  storedRoundPrepared_ = false;
  // Shown already: the caption follows the new golfer and the holes are cleared.
  if (isVisible()) FormShow();
  return true;
}

std::pair<QString, QString> TScoreForm::DateAndCourse() const {
  return {DateField->text(), CourseName2->text()};
}

fw::TScoreRec TScoreForm::Round() const {
  fw::TScoreRec round;
  const std::string date = fw::NormaliseTypedDate(Text(DateField), dateOrder_);
  round.Date = date.empty() ? std::string("99999999") : fw::DisplayDateToStored(date, dateOrder_);
  round.CourseName = CourseInFields();
  round.TotalScore = Text(ScoreTotal);
  round.Rating = Text(RatingField);
  round.Slope = Text(SlopeField);
  round.Comment = FromQt(CommentField->toPlainText());
  round.HoleScores = HoleTextsOf(Score);
  round.HolePutts = HoleTextsOf(Putts);
  round.AdjustedScore = Text(AdjScore);
  // A golfer without an index ("NH") has none to keep: the fields' number for
  // nothing entered, which every reader of the score file takes.
  auto number = [](const QLineEdit* field) {
    return fw::IsNoIndexText(Text(field)) ? std::string(fw::kNothingEntered) : Text(field);
  };
  round.IndexAtEntry = number(IndexField);
  round.CourseHdcp = number(CourseHandicapField);
  return round;
}

void TScoreForm::FormShow() {
  setWindowTitle(QStringLiteral("Enter Score - ") + GolferName->text());
  const bool keepRound = std::exchange(storedRoundPrepared_, false);
  if (CourseName2->text().isEmpty()) {
    if (!keepRound) FieldReset();
    CoursePicked->setText(kZero);
    return;
  }
  const int course = FirstCourseIgnoringCase(CourseName2->text());
  if (course == 0) return;  // the activation that follows reports it
  const fw::CourseShown texts = fw::CourseShownOf(Courses[course]);
  std::optional<QString> handicap;
  if (CourseHandicapField->text().trimmed().isEmpty()) handicap = CourseHandicapFor(course);
  if (AddingGroup->text() == kOne) {
    FieldReset();
    Score[1]->setFocus();
  } else {
    CourseField->setFocus();
  }
  SelectCourse(course);
  ShowCourse(texts);
  if (handicap) CourseHandicapField->setText(*handicap);
}

void TScoreForm::FormActivate() {
  fw::ui::UiMessenger messenger;
  // A course confirmed in the course edit dialog opened from here.
  TCourseForm* dialog = TCourseForm::Instance();
  std::optional<TCourseEdit> confirmed;
  if (dialog) confirmed = dialog->TakeConfirmed(this);
  const bool added = confirmed.has_value();
  std::string addedName;
  if (added) {
    addedName = fw::CutAtNul(confirmed->Course.Name);
    AddCourse(*confirmed, messenger);
  }

  LoadCourses(messenger);

  if (added || !CourseName2->text().isEmpty()) {
    const int course = LastCourseNamed(added ? addedName : Text(CourseName2));
    if (course > 0) {
      const fw::CourseShown texts = fw::CourseShownOf(Courses[course]);
      std::optional<QString> handicap;
      // A newly added course is a new pick; a preselected course keeps the
      // course handicap the opener gave unless there is none.
      if (added || CourseHandicapField->text().trimmed().isEmpty())
        handicap = CourseHandicapFor(course);
      ShowCourse(texts);
      CoursePicked->setText(kOne);
      SelectCourse(course);
      if (handicap) CourseHandicapField->setText(*handicap);
    } else {
      fw::ui::Inform(kCourseNotFound);
    }
  }

  ScoreSum(true);
  ScoreSum(false);
  PuttSums(true);
  PuttSums(false);
  Differential();
  SetPuttTabStops();
  CourseField->setFocus();
}

void TScoreForm::AddCourse(const TCourseEdit& edit, fw::Messenger& messenger) {
  // The course list and the hole list as they stand on disk, so that courses
  // saved meanwhile in course maintenance are kept; an open course
  // maintenance window is told.
  const fw::TCourseRec& course = edit.Course;
  const fw::WorkFolder& folder = fw::ui::App().folder;
  fw::CourseTable courses;
  fw::FileSnapshot seen;
  fw::LoadCourseList(folder, courses, messenger, &seen);
  fw::HoleTable holes;
  fw::FileSnapshot holesSeen;
  fw::LoadHoleList(folder, holes, &holesSeen);
  // The list is written sorted by name, with the new course last, as this
  // window holds it.
  fw::SortCourseList(courses);
  if (courses.Full() || seen.Partial()) {
    fw::ui::Warn(QString::fromLatin1(fw::kCourseLimitWarning));
    return;
  }
  const fw::FileSnapshot before = seen;
  courses.Append(course);
  const fw::HoleTable holesBefore = holes;
  fw::SetStrokeIndexes(holes, fw::CutAtNul(course.Name), edit.StrokeIndexes);
  fw::SaveCourseList(folder, courses, seen);
  if (!std::ranges::equal(holes, holesBefore)) fw::SaveHoleList(folder, holes, holesSeen);
  emit fw::ui::Events().CourseAdded(course, before, seen);
}

void TScoreForm::FormHide() {
  SetPuttTabStops();
}

bool TScoreForm::FormCloseQuery() {
  // The close box throws the round away as Cancel does: not without asking.
  // The marker stays as it was.
  return MayDiscardRound();
}

// ---- Courses ----

void TScoreForm::LoadCourses(fw::Messenger& messenger) {
  // Into a table of its own, so that a file that cannot be read leaves the
  // list and the table as they were.
  fw::CourseTable fresh;
  fw::LoadCourseList(fw::ui::App().folder, fresh, messenger);
  fw::SortCourseList(fresh);
  Courses = std::move(fresh);
  FillCourseField();
  // The stroke indexes count under WHS only: under the program's own rules a
  // hole list that cannot be read is not in the way.
  try {
    fw::LoadHoleList(fw::ui::App().folder, Holes);
  } catch (const fw::UserError& error) {
    Holes.Clear();
    if (fw::ui::App().Rules == fw::HandicapRules::kWhs) fw::ui::ReportError(error);
  }
}

void TScoreForm::FillCourseField() {
  QSignalBlocker block(CourseField);
  CourseField->clear();
  for (const fw::TCourseRec& course : Courses)
    CourseField->addItem(ToQt(fw::CutAtNul(course.Name)));
  // Adding to an empty list selects its first entry; no course is chosen yet.
  CourseField->setCurrentIndex(-1);
  shownCourse_ = -1;
}

int TScoreForm::FirstCourseIgnoringCase(const QString& name) const {
  for (int i = 1; i <= Courses.Count(); ++i)
    if (ToQt(fw::CutAtNul(Courses[i].Name)).compare(name, Qt::CaseInsensitive) == 0) return i;
  return 0;
}

int TScoreForm::LastCourseNamed(const std::string& name) const {
  for (int i = Courses.Count(); i >= 1; --i)
    if (fw::CutAtNul(Courses[i].Name) == name) return i;
  return 0;
}

void TScoreForm::ShowCourse(const fw::CourseShown& figures) {
  RatingField->setText(ToQt(figures.Rating));
  SlopeField->setText(ToQt(figures.Slope));
  for (int hole = 1; hole <= 18; ++hole)
    Par[hole]->setText(ToQt(figures.Pars[static_cast<std::size_t>(hole - 1)]));
  ParTotal->setText(ToQt(figures.ParTotal));
  ParOut->setText(ToQt(figures.ParOut));
  ParIn->setText(ToQt(figures.ParIn));
}

void TScoreForm::SelectCourse(int course) {
  CourseField->setCurrentIndex(course - 1);
  shownCourse_ = course - 1;
  // The last picked course, which the next activation selects again.
  CourseName2->setText(ToQt(fw::CutAtNul(Courses[course].Name)));
}

QString TScoreForm::CourseHandicapFor(int course) const {
  fw::EntryRules rules = RulesFor(fw::CutAtNul(Courses[course].Name));
  rules.Rating = fw::CutAtNul(Courses[course].Rating);
  rules.ParTotal = fw::CutAtNul(Courses[course].ParTotal);
  const std::optional<int> handicap =
      fw::EntryCourseHandicap(Text(IndexField), Courses[course].Slope, rules);
  return handicap ? QString::number(*handicap) : QString::fromLatin1(fw::kNoIndexText);
}

std::string TScoreForm::CourseInFields() const {
  if (CourseField->currentIndex() >= 0) return FromQt(CourseField->currentText());
  return CoursePicked->text() == kOne ? Text(CourseName2) : std::string();
}

fw::EntryRules TScoreForm::RulesFor(const std::string& courseName) const {
  fw::EntryRules rules;
  rules.Rules = rules_;
  rules.HasIndex = !fw::IsNoIndexText(Text(IndexField));
  rules.StrokeIndex = fw::StrokeIndexesOf(Holes, courseName);
  return rules;
}

void TScoreForm::FieldReset() {
  RatingField->setText(QStringLiteral("0.0"));
  SlopeField->setText(kZero);
  for (int hole = 1; hole <= 18; ++hole) {
    Par[hole]->clear();
    Score[hole]->setText(kZero);
    Putts[hole]->setText(kZero);
  }
  for (QLineEdit* par : {ParOut, ParIn, ParTotal}) par->clear();
  for (QLineEdit* sum : {ScoreOut, ScoreIn, PuttsOut, PuttsIn}) sum->setText(kZero);
  for (QLineEdit* result : {ScoreTotal, PuttsTotal, AdjScore, ScoreDiff}) result->clear();
  CommentField->clear();
}

void TScoreForm::CourseFieldClick() {
  const int course = CourseField->currentIndex() + 1;
  if (course < 1 || course > Courses.Count()) return;
  fw::CourseShown texts;
  QString handicap;
  try {
    texts = fw::CourseShownOf(Courses[course]);
    handicap = CourseHandicapFor(course);
  } catch (...) {
    // The list goes on showing the course whose values are in the fields.
    CourseField->setCurrentIndex(shownCourse_);
    throw;
  }
  ShowCourse(texts);
  CoursePicked->setText(kOne);
  SelectCourse(course);
  CourseHandicapField->setText(handicap);
}

// ---- Sums, adjusted score and differential ----

fw::HoleTexts TScoreForm::HoleTextsOf(const std::array<QLineEdit*, 19>& fields) const {
  fw::HoleTexts texts;
  for (int hole = 1; hole <= 18; ++hole)
    texts[static_cast<std::size_t>(hole - 1)] = Text(fields[static_cast<std::size_t>(hole)]);
  return texts;
}

void TScoreForm::ScoreSum(bool front) {
  const fw::HoleTexts holes = HoleTextsOf(Score);
  (front ? ScoreOut : ScoreIn)->setText(QString::number(fw::NineTotal(holes, front ? 1 : 10)));
}

void TScoreForm::PuttSums(bool front) {
  const fw::HoleTexts putts = HoleTextsOf(Putts);
  (front ? PuttsOut : PuttsIn)->setText(QString::number(fw::NineTotal(putts, front ? 1 : 10)));
  const long long total =
      static_cast<long long>(fw::StrToInt(Text(PuttsOut))) + fw::StrToInt(Text(PuttsIn));
  PuttsTotal->setText(ToQt(fw::IntToStr(total)));
}

void TScoreForm::TotalsAfterHole() {
  const long long total =
      static_cast<long long>(fw::StrToInt(Text(ScoreOut))) + fw::StrToInt(Text(ScoreIn));
  ScoreTotal->setText(ToQt(fw::IntToStr(total)));
  AdjustedScore();
  Differential();
}

void TScoreForm::AdjustedScore() {
  AdjScore->setText(
      ToQt(fw::EntryAdjustedScore(Text(ScoreTotal), HoleTextsOf(Score), HoleTextsOf(Par),
                                  Text(CourseHandicapField), RulesFor(CourseInFields()))));
}

void TScoreForm::Differential() {
  // The rule the score list and the index follow for the stored round.
  const std::string total = Text(ScoreTotal);
  const std::string adjusted = Text(AdjScore);
  const std::string rating = Text(RatingField);
  const std::string slope = Text(SlopeField);
  ScoreDiff->setText(ToQt(fw::DifferentialText({total, adjusted, rating, slope}, rules_)));
}

void TScoreForm::ScoreExit(int hole) {
  // A round entered as a total only: from a first hole left at 0 straight to
  // the total.
  if (hole == 1 && Score[1]->text() == kZero) {
    ScoreTotal->setFocus(Qt::TabFocusReason);
    return;
  }
  ScoreSum(hole <= 9);
  TotalsAfterHole();
}

void TScoreForm::PuttsExit(int hole) {
  PuttSums(hole <= 9);
}

void TScoreForm::ScoreTotalExit() {
  AdjustedScore();
  Differential();
}

void TScoreForm::AdjScoreExit() {
  Differential();
}

// ---- Keys, date and comment ----

bool TScoreForm::NumberKey(QLineEdit* field, QKeyEvent* key,
                           const std::function<QWidget*()>& enterTarget) {
  if (IsUpKey(key) || IsDownKey(key)) {
    // Never below 0, nor past what the field, and the score file, can hold.
    field->setText(ToQt(fw::SteppedNumber(Text(field), IsUpKey(key),
                                          static_cast<std::size_t>(field->maxLength()))));
    roundTouched_ = true;
    return true;
  }
  if (IsEnter(key) && enterTarget) {
    enterTarget()->setFocus(Qt::TabFocusReason);
    return true;
  }
  return false;
}

bool TScoreForm::DateKey(QKeyEvent* key) {
  // In yyyy-mm-dd the dash is the date's own separator: it is typed while the
  // date is not whole yet, and moves the date once it is.
  const bool dashTyped = dateOrder_ == fw::DateOrder::kYearMonthDay &&
                         key->text() == QStringLiteral("-") &&
                         fw::NormaliseTypedDate(Text(DateField), dateOrder_).empty();
  if (!dashTyped && (IsUpKey(key) || IsDownKey(key))) {
    // A text that is no date stays as typed, for OK to name it.
    const std::string moved = IsUpKey(key) ? fw::DayLater(Text(DateField), dateOrder_)
                                           : fw::DayEarlier(Text(DateField), dateOrder_);
    if (!moved.empty()) DateField->setText(ToQt(moved));
    roundTouched_ = true;
    return true;
  }
  if (IsEnter(key)) {
    SkipPuttsChkBox->setFocus(Qt::TabFocusReason);
    return true;
  }
  return false;
}

void TScoreForm::DateFieldExit() {
  // A text that cannot be read as a date stays as typed: OK refuses it by name.
  const std::string date = fw::NormaliseTypedDate(Text(DateField), dateOrder_);
  if (!date.empty()) DateField->setText(ToQt(date));
}

void TScoreForm::CleanComment() {
  // The comment is stored as one field of one line: line breaks and other
  // control characters become blanks, tildes and characters the files cannot
  // hold are refused, and it keeps to its 100 characters. What is refused or
  // cut is said at the field.
  const QString text = CommentField->toPlainText();
  const int cursor = CommentField->textCursor().position();
  QString clean;
  QString refusal;
  int position = 0;
  for (int i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    const QString refused = fw::ui::RefusalOf(fw::ui::FreeText(), QString(c));
    if (!refused.isEmpty()) {
      if (refusal.isEmpty()) refusal = refused;
      continue;
    }
    if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
      c = QLatin1Char(' ');
    clean += c;
    if (i < cursor) ++position;
  }
  if (clean.size() > kCommentRoom) {
    // What was just typed or pasted, before the cursor, does not fit.
    const int excess = static_cast<int>(clean.size()) - kCommentRoom;
    const int from = std::max(0, position - excess);
    clean.remove(from, excess);
    position = from;
    refusal += (refusal.isEmpty() ? QString() : QStringLiteral("\n")) + kCommentCut;
  }
  if (clean == text) return;
  {
    QSignalBlocker block(CommentField);
    CommentField->setPlainText(clean);
    QTextCursor moved = CommentField->textCursor();
    moved.setPosition(std::min(position, static_cast<int>(clean.size())));
    CommentField->setTextCursor(moved);
  }
  // Only what the user types or pastes is answered; a stored comment the
  // program fills in is cleaned quietly.
  if (!refusal.isEmpty() && CommentField->hasFocus()) fw::ui::ShowRefusal(CommentField, refusal);
}

void TScoreForm::SkipPuttsChkBoxClick() {
  SetPuttTabStops();
}

void TScoreForm::SetPuttTabStops() {
  const Qt::FocusPolicy policy = SkipPuttsChkBox->isChecked() ? Qt::ClickFocus : Qt::StrongFocus;
  for (int hole = 1; hole <= 18; ++hole) Putts[hole]->setFocusPolicy(policy);
}

// ---- Leaving the window ----

void TScoreForm::FocusAfterCheck(QWidget* field) {
  // The field being edited has been left already (FinishEditing): moving on
  // does not run its exit handler, and its error, a second time.
  checkingRound_ = true;
  field->setFocus(Qt::OtherFocusReason);
  checkingRound_ = false;
}

bool TScoreForm::NumbersConvert() {
  // In the order the user meets them: the holes and putts in tab order, then
  // the sums, which may be typed into too. Each is converted as the sums and
  // the adjusted score convert it; the totals may still be empty.
  std::vector<QLineEdit*> fields;
  for (int hole = 1; hole <= 18; ++hole) {
    fields.push_back(Score[hole]);
    fields.push_back(Putts[hole]);
  }
  fields.insert(fields.end(), {ScoreOut, ScoreIn, ScoreTotal, PuttsOut, PuttsIn, PuttsTotal});
  for (QLineEdit* field : fields) {
    const std::string text = Text(field);
    if (text.empty() && (field == ScoreTotal || field == PuttsTotal)) continue;
    try {
      fw::StrToInt(text);
    } catch (const fw::ConversionError& error) {
      fw::ui::ReportError(error);
      FocusAfterCheck(field);
      return false;
    }
  }
  return true;
}

bool TScoreForm::DateIsReal() {
  // No date at all (cleared, or a stored round without one) is stored as the
  // missing date; anything else must be a day of the calendar.
  const QString shown = DateField->text();
  if (shown.isEmpty() || shown == ToQt(fw::MissingDateShown(dateOrder_))) return true;
  if (fw::IsCalendarDate(fw::NormaliseTypedDate(FromQt(shown), dateOrder_), dateOrder_))
    return true;
  fw::ui::Inform(kNotADate.arg(shown));
  FocusAfterCheck(DateField);
  return false;
}

bool TScoreForm::PartlyEnteredAccepted() {
  // A round typed hole by hole with holes still at 0; a round entered as a
  // total only has every hole at 0 and is not asked about.
  const std::vector<int> missing = fw::HolesWithoutScore(HoleTextsOf(Score));
  if (missing.empty()) return true;
  if (fw::ui::AskYesNo(ToQt(fw::HolesWithoutScoreQuestion(missing)))) return true;
  FocusAfterCheck(Score[static_cast<std::size_t>(missing.front())]);
  return false;
}

bool TScoreForm::RoundCanBeStored(bool courseRequired) {
  // The field being edited is left first, so that its sums are in the round.
  // An error there waits until the fields have been checked in order, so that
  // the first field that cannot be read is the one named.
  std::exception_ptr leaving;
  try {
    FinishEditing();
  } catch (...) {
    leaving = std::current_exception();
  }
  if (courseRequired && CoursePicked->text() == kZero) {
    fw::ui::Inform(kPickACourse);
    FocusAfterCheck(CourseField);
    return false;
  }
  if (!NumbersConvert()) return false;
  if (leaving) std::rethrow_exception(leaving);
  return DateIsReal() && PartlyEnteredAccepted();
}

void TScoreForm::ConfirmRound(bool courseRequired) {
  if (!RoundCanBeStored(courseRequired)) return;
  if (taker_) {
    bool taken = false;
    try {
      taken = taker_(Round());
    } catch (const fw::UserError& error) {
      fw::ui::MessageRequest request;
      request.text = ToQt(error.what());
      request.kind = fw::ui::MsgKind::kError;
      request.informativeText = kRoundKept;
      fw::ui::ShowMessage(request);
    }
    // The taker has said why it took nothing; the round stays to be
    // confirmed again or cancelled.
    if (!taken) return;
  }
  roundTouched_ = false;
  // A round handed to its taker is taken; "1" is left only for an opener
  // that reads the marker itself.
  OkPressed->setText(taker_ ? kZero : kOne);
  taker_ = nullptr;
  close();
}

void TScoreForm::OKButtonClick() {
  ConfirmRound(true);
}

void TScoreForm::SaveExit1Click() {
  // Without the course check of the OK button.
  ConfirmRound(false);
}

void TScoreForm::CancelButtonClick() {
  if (!MayDiscardRound()) return;
  roundTouched_ = false;
  OkPressed->setText(kZero);
  close();
}

void TScoreForm::Exit1Click() {
  CancelButtonClick();
}

void TScoreForm::AddCourseButtonClick() {
  if (Courses.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kCourseLimitWarning));
    return;
  }
  CourseName2->setText(CourseField->currentText());
  EditCourses1Click();
}

void TScoreForm::EditCourses1Click() {
  if (Courses.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kCourseLimitWarning));
    return;
  }
  TCourseForm* dialog = TCourseForm::Instance();
  if (!dialog) return;
  // A clean dialog: empty name, rating and slope, every par 0.
  dialog->ClearCourse();
  dialog->ShowFor(this);
}

void TScoreForm::AboutFairwick1Click() {
  if (fw::ui::App().showAbout) fw::ui::App().showAbout(this);
}

TScoreForm* TScoreForm::Instance() {
  return SharedInstance();
}

void TScoreForm::SetInstance(TScoreForm* instance) {
  SharedInstance() = instance;
}
