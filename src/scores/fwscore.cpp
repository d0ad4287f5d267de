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
#include <exception>
#include <optional>

#include "courses/fwcourse.h"
#include "data/convert.h"
#include "data/limitmessages.h"
#include "data/textutil.h"
#include "handicap/coursehandicap.h"
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
// The date a stored round without one is shown with.
const QString kNoDateShown = QStringLiteral("99/99/9999");
constexpr int kHoleWidth = 30;
constexpr int kSumWidth = 38;
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

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(alignment);
  return label;
}

// A number field of the hole grid: digits only.
QLineEdit* NumberField(QWidget* parent, const QString& name, int width) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  fw::ui::RestrictInput(field, 32767, fw::ui::WholeNumber());
  field->setFixedWidth(width);
  field->setAlignment(Qt::AlignCenter);
  return field;
}

QLineEdit* ShownField(QWidget* parent, const char* name, int width) {
  QLineEdit* field = fw::ui::ReadOnlyField(parent, name);
  field->setFixedWidth(width);
  return field;
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
  DateField->setText(fw::ui::TodayText());
  FieldReset();
  fw::ui::Guarded([this] {
    fw::ui::UiMessenger messenger;
    LoadCourses(messenger);
  });
}

void TScoreForm::BuildControls() {
  QWidget* client = NewClientArea();

  // Course, date and the course's ratings.
  CourseField = new QComboBox(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setEditable(false);
  CourseField->setMinimumWidth(260);
  CourseField->setMaxVisibleItems(20);
  DateField = new QLineEdit(client);
  DateField->setObjectName(QStringLiteral("DateField"));
  DateField->setFixedWidth(100);
  SkipPuttsChkBox = new QCheckBox(QStringLiteral("Skip Entering Putts"), client);
  SkipPuttsChkBox->setObjectName(QStringLiteral("SkipPuttsChkBox"));
  RatingField = ShownField(client, "RatingField", 60);
  SlopeField = ShownField(client, "SlopeField", 60);
  IndexField = ShownField(client, "IndexField", 60);

  auto* top = new QGridLayout;
  top->setHorizontalSpacing(8);
  top->addWidget(NewLabel(client, QStringLiteral("CourseLabel"), QStringLiteral("Course:")), 0, 0);
  top->addWidget(CourseField, 0, 1, 1, 2);
  top->addWidget(NewLabel(client, QStringLiteral("DateLabel"), QStringLiteral("Date:")), 1, 0);
  top->addWidget(DateField, 1, 1);
  top->addWidget(SkipPuttsChkBox, 2, 1, 1, 2);
  top->setColumnMinimumWidth(3, 40);
  top->addWidget(NewLabel(client, QStringLiteral("RatingLabel"), QStringLiteral("Course Rating:")),
                 0, 4);
  top->addWidget(RatingField, 0, 5);
  top->addWidget(NewLabel(client, QStringLiteral("SlopeLabel"), QStringLiteral("Slope Rating:")), 1,
                 4);
  top->addWidget(SlopeField, 1, 5);
  top->addWidget(NewLabel(client, QStringLiteral("IndexLabel"), QStringLiteral("Golfer's Index:")),
                 2, 4);
  top->addWidget(IndexField, 2, 5);
  top->setColumnStretch(2, 1);
  top->setColumnStretch(6, 1);

  // The hole grid: holes 1 to 9, OUT, holes 10 to 18, IN, Total; rows of
  // pars, scores and putts.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(4);
  const Qt::Alignment centre = Qt::AlignCenter;
  grid->addWidget(NewLabel(client, QStringLiteral("HoleLabel"), QStringLiteral("Hole:")), 0, 0);
  grid->addWidget(NewLabel(client, QStringLiteral("ParLabel"), QStringLiteral("Par:")), 1, 0);
  grid->addWidget(NewLabel(client, QStringLiteral("ScoreLabel"), QStringLiteral("Score:")), 2, 0);
  grid->addWidget(NewLabel(client, QStringLiteral("PuttsLabel"), QStringLiteral("Putts:")), 3, 0);
  auto column = [](int hole) { return hole <= 9 ? hole : hole + 1; };
  for (int hole = 1; hole <= 18; ++hole) {
    const QByteArray par = "Par" + QByteArray::number(hole);
    Par[hole] = ShownField(client, par.constData(), kHoleWidth);
    Par[hole]->setAlignment(centre);
    // A hole keeps two digits in the score file.
    Score[hole] = NumberField(client, QStringLiteral("Score%1").arg(hole), kHoleWidth);
    Putts[hole] = NumberField(client, QStringLiteral("Putts%1").arg(hole), kHoleWidth);
    Score[hole]->setMaxLength(static_cast<int>(fw::kHoleRoom));
    Putts[hole]->setMaxLength(static_cast<int>(fw::kHoleRoom));
    grid->addWidget(
        NewLabel(client, QStringLiteral("HoleLabel%1").arg(hole), QString::number(hole), centre), 0,
        column(hole));
    grid->addWidget(Par[hole], 1, column(hole));
    grid->addWidget(Score[hole], 2, column(hole));
    grid->addWidget(Putts[hole], 3, column(hole));
  }
  auto sumColumn = [&](int col, const QString& labelName, const QString& caption, QLineEdit* par,
                       QLineEdit* score, QLineEdit* putts) {
    grid->addWidget(NewLabel(client, labelName, caption, centre), 0, col);
    par->setAlignment(centre);
    grid->addWidget(par, 1, col);
    grid->addWidget(score, 2, col);
    grid->addWidget(putts, 3, col);
    grid->setColumnMinimumWidth(col, kSumWidth + 6);
  };
  ParOut = ShownField(client, "ParOut", kSumWidth);
  ParIn = ShownField(client, "ParIn", kSumWidth);
  ParTotal = ShownField(client, "ParTotal", kSumWidth);
  ScoreOut = NumberField(client, QStringLiteral("ScoreOut"), kSumWidth);
  ScoreIn = NumberField(client, QStringLiteral("ScoreIn"), kSumWidth);
  ScoreTotal = NumberField(client, QStringLiteral("ScoreTotal"), kSumWidth);
  PuttsOut = NumberField(client, QStringLiteral("PuttsOut"), kSumWidth);
  PuttsIn = NumberField(client, QStringLiteral("PuttsIn"), kSumWidth);
  PuttsTotal = NumberField(client, QStringLiteral("PuttsTotal"), kSumWidth);
  sumColumn(10, QStringLiteral("OutLabel"), QStringLiteral("OUT"), ParOut, ScoreOut, PuttsOut);
  sumColumn(20, QStringLiteral("InLabel"), QStringLiteral("IN"), ParIn, ScoreIn, PuttsIn);
  sumColumn(21, QStringLiteral("TotalLabel"), QStringLiteral("Total"), ParTotal, ScoreTotal,
            PuttsTotal);
  // The sums may be typed into (a round entered as a total) but the tab key
  // passes them by.
  for (QLineEdit* sum : {ScoreOut, ScoreIn, ScoreTotal, PuttsOut, PuttsIn, PuttsTotal})
    sum->setFocusPolicy(Qt::ClickFocus);
  grid->setColumnStretch(22, 1);

  // Results and the comment.
  AdjScore = ShownField(client, "AdjScore", 60);
  ScoreDiff = ShownField(client, "ScoreDiff", 60);
  auto* results = new QHBoxLayout;
  results->addWidget(
      NewLabel(client, QStringLiteral("AdjScoreLabel"), QStringLiteral("Adjusted Gross Score:")));
  results->addWidget(AdjScore);
  results->addSpacing(30);
  results->addWidget(
      NewLabel(client, QStringLiteral("ScoreDiffLabel"), QStringLiteral("Score Differential:")));
  results->addWidget(ScoreDiff);
  results->addStretch(1);

  CommentField = new QPlainTextEdit(client);
  CommentField->setObjectName(QStringLiteral("CommentField"));
  CommentField->setTabChangesFocus(true);
  CommentField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  CommentField->setFixedHeight(3 * CommentField->fontMetrics().lineSpacing() + 12);
  auto* comment = new QHBoxLayout;
  QLabel* commentLabel = NewLabel(client, QStringLiteral("CommentLabel"),
                                  QStringLiteral("Comments:"), Qt::AlignLeft | Qt::AlignTop);
  comment->addWidget(commentLabel, 0, Qt::AlignTop);
  comment->addWidget(CommentField, 1);

  OKButton = new QPushButton(QStringLiteral("OK"), client);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  CancelButton = new QPushButton(QStringLiteral("Cancel"), client);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  AddCourseButton = new QPushButton(QStringLiteral("Add Course"), client);
  AddCourseButton->setObjectName(QStringLiteral("AddCourseButton"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {OKButton, CancelButton, AddCourseButton}) {
    button->setMinimumWidth(90);
    buttons->addWidget(button);
    buttons->addSpacing(12);
  }
  buttons->addStretch(1);

  // Values that travel between this window and the one that opened it.
  GolferName = fw::ui::HiddenField(client, "GolferName");
  CourseName2 = fw::ui::HiddenField(client, "CourseName2");
  CoursePicked = fw::ui::HiddenField(client, "CoursePicked", kZero);
  OkPressed = fw::ui::HiddenField(client, "OkPressed", kZero);
  AddingGroup = fw::ui::HiddenField(client, "AddingGroup", kZero);
  CourseHandicapField = fw::ui::HiddenField(client, "CourseHandicapField");
  AddMode = new QCheckBox(client);
  AddMode->setObjectName(QStringLiteral("AddMode"));
  AddMode->setEnabled(false);
  AddMode->hide();

  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(top);
  layout->addSpacing(16);
  layout->addLayout(grid);
  layout->addSpacing(12);
  layout->addLayout(results);
  layout->addSpacing(8);
  layout->addLayout(comment);
  layout->addStretch(1);
  layout->addSpacing(8);
  layout->addLayout(buttons);

  QWidget* previous = CourseField;
  auto chain = [&previous](QWidget* next) {
    setTabOrder(previous, next);
    previous = next;
  };
  chain(DateField);
  chain(SkipPuttsChkBox);
  for (int hole = 1; hole <= 18; ++hole) {
    chain(Score[hole]);
    chain(Putts[hole]);
  }
  chain(OKButton);
  chain(CancelButton);
  chain(AddCourseButton);
  chain(CommentField);

  QMenuBar* menu = menuBar();
  menu->setObjectName(QStringLiteral("MainMenu1"));
  QMenu* file = menu->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  SaveExit1 = AddMenuItem(file, "SaveExit1", QStringLiteral("&Save/Exit"), {});
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), {});
  QMenu* edit = menu->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  EditCourses1 = AddMenuItem(edit, "EditCourses1", QStringLiteral("&Add A Course"), {});
  QMenu* help = menu->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  Help2 = AddMenuItem(help, "Help2", QStringLiteral("&Help"), {});
  AboutFairwick1 = AddMenuItem(help, "AboutFairwick1", QStringLiteral("&About Fairwick"), {});
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
  exitHandlers_.emplace_back(field, handler);
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
  DateField->setText(fw::ui::TodayText());
  CourseField->setCurrentIndex(-1);
  shownCourse_ = -1;
  CourseName2->clear();
  CoursePicked->setText(kZero);
  AddingGroup->setText(kZero);
  IndexField->setText(indexText);
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
  DateField->setText(ToQt(fw::StoredDateToDisplay(round.Date)));
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
  DateField->setText(date);
  CourseName2->setText(course);
  CoursePicked->setText(course.isEmpty() ? kZero : kOne);
  AddingGroup->setText(kOne);
  IndexField->setText(indexText);
  // Equitable Stroke Control must use this golfer's course handicap, not the
  // one of the golfer before.
  const int listed = course.isEmpty() ? 0 : FirstCourseIgnoringCase(course);
  if (listed > 0)
    CourseHandicapField->setText(QString::number(CourseHandicapFor(listed)));
  else
    CourseHandicapField->clear();
  storedRoundPrepared_ = false;
  // Shown already: the caption follows the new golfer and the holes are cleared.
  if (isVisible()) FormShow();
  return true;
}

fw::TScoreRec TScoreForm::Round() const {
  fw::TScoreRec round;
  const std::string date = fw::NormaliseTypedDate(Text(DateField));
  round.Date = date.empty() ? std::string("99999999") : fw::DisplayDateToStored(date);
  if (CourseField->currentIndex() >= 0)
    round.CourseName = FromQt(CourseField->currentText());
  else if (CoursePicked->text() == kOne)
    round.CourseName = Text(CourseName2);  // a stored round's course no longer listed
  round.TotalScore = Text(ScoreTotal);
  round.Rating = Text(RatingField);
  round.Slope = Text(SlopeField);
  round.Comment = FromQt(CommentField->toPlainText());
  round.HoleScores = HoleTextsOf(Score);
  round.HolePutts = HoleTextsOf(Putts);
  round.AdjustedScore = Text(AdjScore);
  round.IndexAtEntry = Text(IndexField);
  round.CourseHdcp = Text(CourseHandicapField);
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
  const CourseTexts texts = CourseLoadTexts(course);
  std::optional<int> handicap;
  if (CourseHandicapField->text().trimmed().isEmpty()) handicap = CourseHandicapFor(course);
  if (AddingGroup->text() == kOne) {
    FieldReset();
    Score[1]->setFocus();
  } else {
    CourseField->setFocus();
  }
  SelectCourse(course);
  ShowCourse(texts);
  if (handicap) CourseHandicapField->setText(QString::number(*handicap));
}

void TScoreForm::FormActivate() {
  fw::ui::UiMessenger messenger;
  // A course confirmed in the course edit dialog opened from here.
  TCourseForm* dialog = TCourseForm::Instance();
  std::optional<fw::TCourseRec> confirmed;
  if (dialog) confirmed = dialog->TakeConfirmed(this);
  const bool added = confirmed.has_value();
  std::string addedName;
  if (added) {
    addedName = fw::CutAtNul(confirmed->Name);
    AddCourse(*confirmed, messenger);
  }

  LoadCourses(messenger);

  if (added || !CourseName2->text().isEmpty()) {
    const int course = LastCourseNamed(added ? addedName : Text(CourseName2));
    if (course > 0) {
      const CourseTexts texts = CourseLoadTexts(course);
      std::optional<int> handicap;
      // A newly added course is a new pick; a preselected course keeps the
      // course handicap the opener gave unless there is none.
      if (added || CourseHandicapField->text().trimmed().isEmpty())
        handicap = CourseHandicapFor(course);
      ShowCourse(texts);
      CoursePicked->setText(kOne);
      SelectCourse(course);
      if (handicap) CourseHandicapField->setText(QString::number(*handicap));
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

void TScoreForm::AddCourse(const fw::TCourseRec& course, fw::Messenger& messenger) {
  // The course list as it stands on disk, so that courses saved meanwhile in
  // course maintenance are kept; an open course maintenance window is told.
  const fw::WorkFolder& folder = fw::ui::App().folder;
  fw::CourseTable courses;
  fw::FileSnapshot seen;
  fw::LoadCourseList(folder, courses, messenger, &seen);
  // The list is written sorted by name, with the new course last, as this
  // window holds it.
  fw::SortCourseList(courses);
  if (courses.Full() || seen.Partial()) {
    fw::ui::Warn(QString::fromLatin1(fw::kCourseLimitWarning));
    return;
  }
  const fw::FileSnapshot before = seen;
  courses.Append(course);
  fw::SaveCourseList(folder, courses, seen);
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

TScoreForm::CourseTexts TScoreForm::CourseLoadTexts(int course) const {
  const fw::TCourseRec& rec = Courses[course];
  CourseTexts texts;
  const std::string rating = fw::CutAtNul(rec.Rating);
  texts.rating = rating.empty() ? QStringLiteral("0.0") : ToQt(rating);
  const std::string slope = fw::CutAtNul(rec.Slope);
  texts.slope = slope.empty() ? kZero : ToQt(slope);
  fw::HoleTexts pars;
  for (int hole = 1; hole <= 18; ++hole) {
    std::string par = fw::CutAtNul(rec.Pars[static_cast<std::size_t>(hole - 1)]);
    if (par.empty()) par = "0";
    texts.pars[static_cast<std::size_t>(hole)] = ToQt(par);
    pars[static_cast<std::size_t>(hole - 1)] = par;
  }
  texts.parTotal = ToQt(fw::CutAtNul(rec.ParTotal));
  texts.parOut = QString::number(fw::NineTotal(pars, 1));
  texts.parIn = QString::number(fw::NineTotal(pars, 10));
  return texts;
}

void TScoreForm::ShowCourse(const CourseTexts& texts) {
  RatingField->setText(texts.rating);
  SlopeField->setText(texts.slope);
  for (int hole = 1; hole <= 18; ++hole)
    Par[hole]->setText(texts.pars[static_cast<std::size_t>(hole)]);
  ParTotal->setText(texts.parTotal);
  ParOut->setText(texts.parOut);
  ParIn->setText(texts.parIn);
}

void TScoreForm::SelectCourse(int course) {
  CourseField->setCurrentIndex(course - 1);
  shownCourse_ = course - 1;
  // The last picked course, which the next activation selects again.
  CourseName2->setText(ToQt(fw::CutAtNul(Courses[course].Name)));
}

int TScoreForm::CourseHandicapFor(int course) const {
  const std::string index = fw::TrimBlanks(Text(IndexField));
  const std::string slope = fw::TrimBlanks(fw::CutAtNul(Courses[course].Slope));
  if (index.empty() || slope.empty()) return 0;
  return fw::CourseHandicapOf(fw::StrToFloat(index), fw::StrToFloat(slope));
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
  CourseTexts texts;
  int handicap = 0;
  try {
    texts = CourseLoadTexts(course);
    handicap = CourseHandicapFor(course);
  } catch (...) {
    // The list goes on showing the course whose values are in the fields.
    CourseField->setCurrentIndex(shownCourse_);
    throw;
  }
  ShowCourse(texts);
  CoursePicked->setText(kOne);
  SelectCourse(course);
  CourseHandicapField->setText(QString::number(handicap));
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
  fw::HoleTexts pars = HoleTextsOf(Par);
  // No course yet: a hole without a par is never reduced.
  for (fw::HoleText& par : pars)
    if (par.empty()) par = "0";
  // No course handicap yet counts as 0 (double bogey).
  const std::string handicapText = fw::TrimBlanks(Text(CourseHandicapField));
  const int handicap = handicapText.empty() ? 0 : fw::StrToInt(handicapText);
  AdjScore->setText(
      ToQt(fw::AdjustGrossScore(Text(ScoreTotal), HoleTextsOf(Score), pars, handicap)));
}

void TScoreForm::Differential() {
  // The rule the score list and the index follow for the stored round.
  const std::string total = Text(ScoreTotal);
  const std::string adjusted = Text(AdjScore);
  const std::string rating = Text(RatingField);
  const std::string slope = Text(SlopeField);
  ScoreDiff->setText(
      ToQt(fw::DifferentialText({total, adjusted, rating, slope}, fw::ui::App().Rules)));
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
    const std::string text = fw::TrimBlanks(Text(field));
    const long long value = text.empty() ? 0 : fw::StrToInt(text);
    // A score or putt count is never negative: "-" stops at 0 (a value
    // already below it, from a stored round, is left as it is).
    long long next = value + 1;
    if (IsDownKey(key)) next = value > 0 ? value - 1 : value;
    // Nor does "+" go past what the field, and the score file, can hold.
    if (fw::IntToStr(next).size() > static_cast<std::size_t>(field->maxLength())) next = value;
    field->setText(ToQt(fw::IntToStr(next)));
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
  if (IsUpKey(key) || IsDownKey(key)) {
    // A text that is no date stays as typed, for OK to name it.
    const std::string moved =
        IsUpKey(key) ? fw::DayLater(Text(DateField)) : fw::DayEarlier(Text(DateField));
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
  const std::string date = fw::NormaliseTypedDate(Text(DateField));
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

void TScoreForm::FinishEditing() {
  // A menu item does not take the focus: the field being edited is left here,
  // so that its sums are in the round.
  QWidget* focused = focusWidget();
  for (const auto& [field, handler] : exitHandlers_)
    if (field == focused) handler();
}

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
  if (shown.isEmpty() || shown == kNoDateShown) return true;
  if (fw::IsCalendarDate(fw::NormaliseTypedDate(FromQt(shown)))) return true;
  fw::ui::Inform(kNotADate.arg(shown));
  FocusAfterCheck(DateField);
  return false;
}

bool TScoreForm::PartlyEnteredAccepted() {
  // A round typed hole by hole with holes still at 0; a round entered as a
  // total only has every hole at 0 and is not asked about.
  QStringList missing;
  for (int hole = 1; hole <= 18; ++hole)
    if (fw::StrToInt(Text(Score[hole])) == 0) missing << QString::number(hole);
  if (missing.isEmpty() || missing.size() == 18) return true;
  const QString question =
      missing.size() == 1
          ? QStringLiteral("Hole %1 has no score. Store this round anyway?").arg(missing.first())
          : QStringLiteral("Holes %1 have no score. Store this round anyway?")
                .arg(missing.join(QStringLiteral(", ")));
  if (fw::ui::AskYesNo(question)) return true;
  FocusAfterCheck(Score[missing.first().toInt()]);
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
