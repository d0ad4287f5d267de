#include "reports/fwhndicp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <utility>

#include "reports/coursehandicapreport.h"
#include "reports/fwreport.h"
#include "reports/qtreportclock.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::FromQt;
using fw::ui::ToQt;

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A result line: read-only text without a frame on the window's background.
QLineEdit* ResultLine(QWidget* parent, const char* name) {
  QLineEdit* line = fw::ui::ReadOnlyField(parent, name);
  line->setFrame(false);
  return line;
}

}  // namespace

THandicapForm::THandicapForm(QWidget* parent) : FwForm(parent, kDialogFrame) {
  setObjectName(QStringLiteral("HandicapForm"));
  setWindowTitle(QStringLiteral("Course Handicap"));
  // Nothing is kept once the window is closed, by OK or by its frame.
  setAttribute(Qt::WA_DeleteOnClose);

  QWidget* client = NewClientArea();
  client->setAutoFillBackground(true);
  QPalette silver = client->palette();
  silver.setColor(QPalette::Window, QColor(192, 192, 192));
  client->setPalette(silver);

  CourseLabel = NamedLabel(client, "CourseLabel", QStringLiteral("Course:"));
  CourseField = new QComboBox(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setEditable(false);
  CourseField->setMaxVisibleItems(20);
  Label2 = NamedLabel(client, "Label2", QStringLiteral("Course Rating:"));
  RatingField = fw::ui::ReadOnlyField(client, "RatingField");
  Label3 = NamedLabel(client, "Label3", QStringLiteral("Slope Rating:"));
  SlopeField = fw::ui::ReadOnlyField(client, "SlopeField");
  Label1 = NamedLabel(client, "Label1", QStringLiteral("Par:"));
  ParField = fw::ui::ReadOnlyField(client, "ParField");
  Label4 = NamedLabel(client, "Label4", QStringLiteral("Index:"));
  IndexField = fw::ui::ReadOnlyField(client, "IndexField");
  GolferName = fw::ui::HiddenField(client, "GolferName");
  GolferShortName = fw::ui::HiddenField(client, "GolferShortName");
  Hdcp1 = ResultLine(client, "Hdcp1");
  Hdcp2 = ResultLine(client, "Hdcp2");
  // The names a screen reader says.
  CourseLabel->setBuddy(CourseField);
  Label2->setBuddy(RatingField);
  Label3->setBuddy(SlopeField);
  Label1->setBuddy(ParField);
  Label4->setBuddy(IndexField);
  Hdcp1->setAccessibleName(QStringLiteral("Course handicap"));
  Hdcp2->setAccessibleName(QStringLiteral("Predicted score"));
  OKButton = fw::ui::NamedButton(client, "OKButton", QStringLiteral("OK"));
  PrintButton = fw::ui::NamedButton(client, "PrintButton", QStringLiteral("Print"));

  auto* outer = new QVBoxLayout(client);
  auto* course = new QHBoxLayout;
  course->addWidget(CourseLabel);
  course->addWidget(CourseField, 1);
  outer->addLayout(course);
  auto* figures = new QGridLayout;
  int row = 0;
  for (auto [label, field] : {std::pair{Label2, RatingField}, std::pair{Label3, SlopeField},
                              std::pair{Label1, ParField}, std::pair{Label4, IndexField}}) {
    field->setFixedWidth(80);
    figures->addWidget(label, row, 0);
    figures->addWidget(field, row, 1);
    ++row;
  }
  figures->setColumnStretch(2, 1);
  outer->addLayout(figures);
  outer->addStretch();
  outer->addWidget(Hdcp1);
  outer->addWidget(Hdcp2);
  outer->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(PrintButton);
  buttons->addStretch();
  outer->addLayout(buttons);

  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), [this] { OKButtonClick(); });
  QMenu* help = AddMenu("Help1", QStringLiteral("&Help"));
  Help2 = AddMenuItem(help, "Help2", QStringLiteral("&Help"), [this] { Help2Click(); });
  AboutFairwick1 = AddMenuItem(help, "AboutFairwick1", QStringLiteral("&About Fairwick"),
                               [this] { AboutFairwick1Click(); });

  OnClick(OKButton, [this] { OKButtonClick(); });
  OnClick(PrintButton, [this] { PrintButtonClick(); });
  // Keyboard choices count as picks too, as the mouse's do.
  connect(CourseField, &QComboBox::activated, this,
          [this] { fw::ui::Guarded([this] { CourseFieldClick(); }); });
  CancelOnEscape(OKButton);

  const int menuHeight = menuBar()->sizeHint().height();
  setFixedSize(sizeHint().expandedTo(QSize(498, 327 + menuHeight)));
  CentreOnFirstShow();

  // Creation: the course list, whose first loading seeds it from the sample.
  fw::ui::Guarded([this] { LoadCourses(); });
  CourseChosen = false;
  Rules = App().Rules;
}

void THandicapForm::LoadCourses() {
  const QString shown = CourseField->currentIndex() >= 0 ? CourseField->currentText() : QString();
  fw::ui::LoadSortedCourseSummaries(Courses, CoursesSeen);
  CourseField->clear();
  for (const fw::TCourseSummary& c : Courses) CourseField->addItem(ToQt(c.Name));
  CourseField->setCurrentIndex(shown.isEmpty() ? -1 : CourseField->findText(shown));
}

void THandicapForm::FormActivate() {
  if (!App().folder.Unchanged(fw::kCourseListFile, CoursesSeen)) LoadCourses();
  setWindowTitle(QStringLiteral("Course Handicap - ") + GolferName->text());
  if (CourseField->currentIndex() < 0) Hdcp1->setText(QStringLiteral("Please select a course."));
}

void THandicapForm::CourseFieldClick() {
  const int c = CourseField->currentIndex() + 1;
  if (c < 1 || c > Courses.Count()) return;
  const fw::TCourseSummary& course = Courses[c];
  RatingField->setText(ToQt(course.Rating));
  SlopeField->setText(ToQt(course.Slope));
  ParField->setText(ToQt(course.ParTotal));
  // A conversion error leaves the result lines and CourseChosen as they were.
  const fw::CourseHandicapTexts texts = fw::CourseHandicapTextsFor(
      FromQt(GolferName->text()), FromQt(IndexField->text()), course, Rules);
  Hdcp1->setText(ToQt(texts.Hdcp1));
  Hdcp1->setCursorPosition(0);
  Hdcp2->setText(ToQt(texts.Hdcp2));
  Hdcp2->setCursorPosition(0);
  CourseChosen = true;
}

void THandicapForm::ShowGolfer(const QString& longName, const QString& shortName,
                               const QString& index, fw::ui::FormBase* opener) {
  GolferName->setText(longName);
  GolferShortName->setText(shortName);
  IndexField->setText(index);
  ShowFor(opener);
}

void THandicapForm::OKButtonClick() {
  close();
}

void THandicapForm::PrintButtonClick() {
  if (!CourseChosen) {
    fw::ui::Inform(QStringLiteral("You must select a course first."));
    return;
  }
  const std::string shortName = FromQt(GolferShortName->text());
  fw::ui::RunReport(
      this, fw::CourseHandicapDestination(shortName), ToQt(shortName + "-handicap.pdf"), [this] {
        const fw::TCourseSummary& course = Courses[CourseField->currentIndex() + 1];
        // Under the rules of the index shown, with dates in the order the settings hold.
        return fw::CourseHandicapLines(fw::ui::QtReportClock(App().today).Today(),
                                       FromQt(GolferName->text()), FromQt(IndexField->text()),
                                       course, FromQt(Hdcp1->text()), FromQt(Hdcp2->text()), Rules,
                                       App().Order);
      });
}

void THandicapForm::AboutFairwick1Click() {
  if (App().showAbout) App().showAbout(this);
}
