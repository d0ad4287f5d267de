#include "golfers/fwprogress.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "data/outfile.h"
#include "data/workfolder.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwfiledialog.h"
#include "ui/fwmessage.h"
#include "ui/fwprintdialog.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::FromQt;
using fw::ui::ToQt;

namespace {

// The entries of RangeField, in the order of the range they choose.
constexpr fw::ProgressRange kRanges[] = {
    fw::ProgressRange::kLast20Rounds, fw::ProgressRange::kLastYear, fw::ProgressRange::kAllRounds};

// The size of the saved image, in pixels of a 96 dpi screen.
constexpr QSize kPngSize(1200, 720);

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << ToQt(line);
  return text.join(QLatin1Char('\n'));
}

}  // namespace

TProgressForm::TProgressForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("ProgressForm"));
  setWindowTitle(QStringLiteral("Progress"));
  setAttribute(Qt::WA_DeleteOnClose);

  QWidget* client = NewClientArea();
  auto* columns = new QHBoxLayout;

  auto* left = new QVBoxLayout;
  auto* range = new QHBoxLayout;
  RangeLabel = new QLabel(QStringLiteral("Show:"), client);
  RangeLabel->setObjectName(QStringLiteral("RangeLabel"));
  RangeField = new QComboBox(client);
  RangeField->setObjectName(QStringLiteral("RangeField"));
  RangeField->addItems({QStringLiteral("Last 20 rounds"), QStringLiteral("Last year"),
                        QStringLiteral("All rounds")});
  RangeLabel->setBuddy(RangeField);
  range->addWidget(RangeLabel);
  range->addWidget(RangeField);
  range->addStretch();
  left->addLayout(range);
  ChartView = new fw::ui::ProgressChartView(client);
  left->addWidget(ChartView, 1);
  columns->addLayout(left, 3);

  auto* right = new QVBoxLayout;
  auto* course = new QHBoxLayout;
  CourseLabel = new QLabel(QStringLiteral("Hole averages on:"), client);
  CourseLabel->setObjectName(QStringLiteral("CourseLabel"));
  CourseField = new QComboBox(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setMaxVisibleItems(20);
  CourseLabel->setBuddy(CourseField);
  course->addWidget(CourseLabel);
  course->addWidget(CourseField, 1);
  right->addLayout(course);
  StatsView = new QPlainTextEdit(client);
  StatsView->setObjectName(QStringLiteral("StatsView"));
  StatsView->setAccessibleName(QStringLiteral("Statistics"));
  StatsView->setReadOnly(true);
  StatsView->setLineWrapMode(QPlainTextEdit::NoWrap);
  StatsView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  right->addWidget(StatsView, 1);
  columns->addLayout(right, 2);

  auto* buttons = new QHBoxLayout;
  PrintButton = fw::ui::NamedButton(client, "PrintButton", QStringLiteral("&Print"));
  SavePngButton = fw::ui::NamedButton(client, "SavePngButton", QStringLiteral("&Save as PNG..."));
  CloseButton = fw::ui::NamedButton(client, "CloseButton", QStringLiteral("&Close"));
  buttons->addStretch();
  for (QPushButton* button : {PrintButton, SavePngButton, CloseButton}) buttons->addWidget(button);

  auto* rows = new QVBoxLayout(client);
  rows->addLayout(columns, 1);
  rows->addLayout(buttons);

  OnClick(PrintButton, [this] { PrintButtonClick(); });
  OnClick(SavePngButton, [this] { SavePngButtonClick(); });
  OnClick(CloseButton, [this] { CloseButtonClick(); });
  connect(RangeField, &QComboBox::currentIndexChanged, this,
          [this] { fw::ui::Guarded([this] { RangeFieldChange(); }); });
  connect(CourseField, &QComboBox::currentIndexChanged, this,
          [this] { fw::ui::Guarded([this] { CourseFieldChange(); }); });
  CancelOnEscape(CloseButton);

  UsePlacement("ProgressForm", {600, 120, 90, 960});
}

void TProgressForm::ShowGolfer(const QString& longName, int sex, const QString& shortName,
                               const fw::ScoreTable& scores, const fw::CourseTable& courses,
                               fw::ui::FwForm* opener) {
  longName_ = longName;
  shortName_ = shortName;
  scores_ = scores;
  courses_ = courses;
  setWindowTitle(QStringLiteral("Progress - ") + longName);
  series_ = {};
  statsLines_.clear();
  std::vector<std::string> played;
  // A round whose numbers cannot be read is reported; the window then shows
  // what was made before it.
  fw::ui::Guarded([&] {
    fw::IndexOptions options = fw::ui::IndexOptionsNow();
    series_ = fw::BuildProgressSeries(scores_, {FromQt(longName), sex == 1 ? 1 : 0}, options);
    statsLines_ =
        fw::ProgressStatsLines(fw::ComputeProgressStats(scores_, courses_), options.Order);
    played = fw::HoleByHoleCourses(scores_, courses_);
  });
  {
    const QSignalBlocker quiet(CourseField);
    CourseField->clear();
    for (const std::string& name : played) CourseField->addItem(ToQt(name));
    CourseField->setEnabled(!played.empty());
  }
  fw::ui::Guarded([this] {
    RangeFieldChange();
    CourseFieldChange();
  });
  ShowFor(opener);
}

TProgressForm* TProgressForm::Open(const QString& longName, int sex, const QString& shortName,
                                   const fw::ScoreTable& scores, fw::ui::FwForm* opener) {
  fw::CourseTable courses;
  fw::ui::UiMessenger messenger;
  fw::LoadCourseList(App().folder, courses, messenger);
  auto* form = new TProgressForm;
  form->ShowGolfer(longName, sex, shortName, scores, courses, opener);
  return form;
}

fw::ui::ProgressChartText TProgressForm::ChartText() const {
  fw::ui::ProgressChartText text;
  text.title = longName_;
  text.order = App().Order;
  if (!series_.Empty() &&
      kRanges[std::max(0, RangeField->currentIndex())] == fw::ProgressRange::kLastYear)
    text.empty = QStringLiteral("No rounds in the last year");
  return text;
}

void TProgressForm::RangeFieldChange() {
  const int choice = std::max(0, RangeField->currentIndex());
  const QDate today = App().today();
  const int day =
      fw::DayOfStoredDate(FromQt(today.toString(QStringLiteral("yyyyMMdd")))).value_or(0);
  ChartView->SetSeries(fw::FilterProgress(series_, kRanges[choice], day), ChartText());
}

void TProgressForm::CourseFieldChange() {
  std::vector<std::string> lines = statsLines_;
  lines.emplace_back();
  if (CourseField->currentIndex() < 0) {
    lines.emplace_back("No rounds entered hole by hole");
  } else {
    const std::vector<std::string> holes = fw::HoleAverageLines(
        fw::HoleAveragesOn(scores_, FromQt(CourseField->currentText()), courses_));
    lines.insert(lines.end(), holes.begin(), holes.end());
  }
  StatsView->setPlainText(JoinLines(lines));
  // The figures are read whole, without scrolling sideways: the panel is made
  // wide enough for its widest line, within half the screen.
  int widest = 0;
  for (const std::string& line : lines)
    widest = std::max(widest, StatsView->fontMetrics().horizontalAdvance(ToQt(line)));
  const int chrome = 2 * StatsView->frameWidth() +
                     2 * static_cast<int>(StatsView->document()->documentMargin()) +
                     StatsView->verticalScrollBar()->sizeHint().width() + 4;
  int limit = 1 << 14;
  if (const QScreen* shown = screen()) limit = shown->availableGeometry().width() / 2;
  StatsView->setMinimumWidth(std::min(widest + chrome, limit));
}

void TProgressForm::PrintButtonClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(shortName_ + QStringLiteral("-progress"));
  printer.setPageOrientation(QPageLayout::Landscape);
  // Without a printer the dialog offers only a PDF file: name it after the
  // golfer, in the working folder.
  if (printer.outputFormat() == QPrinter::PdfFormat)
    printer.setOutputFileName(fw::ui::InClubFolder(shortName_ + QStringLiteral("-progress.pdf")));
  if (!fw::ui::RunPrintDialog(printer, this)) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    fw::ui::Inform(QStringLiteral("The printer could not start printing."));
    return;
  }
  const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  fw::ui::PaintProgressChart(painter, page, ChartView->Series(), ChartView->Text());
  painter.end();
}

void TProgressForm::SavePngButtonClick() {
  const QString path =
      fw::ui::AskSaveFileName(this, QStringLiteral("Save Chart as PNG"),
                              fw::ui::InClubFolder(shortName_ + QStringLiteral("-progress.png")),
                              QStringLiteral("PNG images (*.png)"), QStringLiteral("png"));
  if (path.isEmpty()) return;
  fw::ui::SavePngFile(fw::ui::RenderProgressChart(ChartView->Series(), ChartView->Text(), kPngSize),
                      path);
}

void TProgressForm::CloseButtonClick() {
  close();
}

namespace fw::ui {

void SavePngFile(const QImage& image, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    throw fw::FileError("The chart could not be made into a PNG image.");
  fw::ReplaceOutsideFile(
      LocalPath(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace fw::ui
