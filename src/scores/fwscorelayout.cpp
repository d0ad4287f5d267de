// The score entry window's controls and their layout: the course, the date
// and the course's figures; the grid of the holes' pars, scores and putts with
// their sums; the results, the comment and the buttons; the tab order and the
// menu. What the controls do is in fwscore.cpp.

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <utility>

#include "scores/fwscore.h"
#include "ui/fwcodec.h"
#include "ui/fwwidgets.h"

namespace {

const QString kZero = QStringLiteral("0");
constexpr int kHoleWidth = 30;
constexpr int kSumWidth = 38;

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

// The names a screen reader says: the label beside a field, and for the
// fields of the hole grid, which stand under a hole number and beside a row
// caption, names of their own ("Hole 7 score").
void NameFields(TScoreForm& form) {
  const TScoreFormControls& ui = form.Ui();
  fw::ui::SetBuddies(&form, {{"CourseLabel", ui.CourseField},
                             {"DateLabel", ui.DateField},
                             {"RatingLabel", ui.RatingField},
                             {"SlopeLabel", ui.SlopeField},
                             {"IndexLabel", ui.IndexField},
                             {"AdjScoreLabel", ui.AdjScore},
                             {"ScoreDiffLabel", ui.ScoreDiff},
                             {"CommentLabel", ui.CommentField}});
  for (int hole = 1; hole <= 18; ++hole) {
    ui.Par[hole]->setAccessibleName(QStringLiteral("Par of hole %1").arg(hole));
    ui.Score[hole]->setAccessibleName(QStringLiteral("Hole %1 score").arg(hole));
    ui.Putts[hole]->setAccessibleName(QStringLiteral("Hole %1 putts").arg(hole));
  }
  const std::pair<QLineEdit*, const char*> sums[] = {
      {ui.ParOut, "Par out"},     {ui.ParIn, "Par in"},     {ui.ParTotal, "Total par"},
      {ui.ScoreOut, "Score out"}, {ui.ScoreIn, "Score in"}, {ui.ScoreTotal, "Total score"},
      {ui.PuttsOut, "Putts out"}, {ui.PuttsIn, "Putts in"}, {ui.PuttsTotal, "Total putts"}};
  for (const auto& [field, name] : sums) field->setAccessibleName(QLatin1String(name));
}

}  // namespace

void TScoreForm::BuildControls() {
  QWidget* client = NewClientArea();
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addLayout(BuildCourseRows(client));
  layout->addSpacing(16);
  layout->addLayout(BuildHoleGrid(client));
  layout->addSpacing(12);
  layout->addLayout(BuildResults(client));
  BuildHiddenFields(client);
  NameFields(*this);
  SetTabOrder();
  BuildMenu();
}

QGridLayout* TScoreForm::BuildCourseRows(QWidget* client) {
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
  return top;
}

QGridLayout* TScoreForm::BuildHoleGrid(QWidget* client) {
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
  return grid;
}

QVBoxLayout* TScoreForm::BuildResults(QWidget* client) {
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
  auto* bottom = new QVBoxLayout;
  bottom->addLayout(results);
  bottom->addSpacing(8);
  bottom->addLayout(comment);
  bottom->addStretch(1);
  bottom->addSpacing(8);
  bottom->addLayout(buttons);
  return bottom;
}

void TScoreForm::BuildHiddenFields(QWidget* client) {
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
}

void TScoreForm::SetTabOrder() {
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
}

void TScoreForm::BuildMenu() {
  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  SaveExit1 = AddMenuItem(file, "SaveExit1", QStringLiteral("&Save/Exit"), {});
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), {});
  QMenu* edit = AddMenu("Edit1", QStringLiteral("&Edit"));
  EditCourses1 = AddMenuItem(edit, "EditCourses1", QStringLiteral("&Add A Course"), {});
  QMenu* help = AddMenu("Help1", QStringLiteral("&Help"));
  Help2 = AddMenuItem(help, "Help2", QStringLiteral("&Help"), {});
  AboutFairwick1 = AddMenuItem(help, "AboutFairwick1", QStringLiteral("&About Fairwick"), {});
}
