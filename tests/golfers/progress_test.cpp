#include "golfers/fwprogress.h"
#include "golfers/progresschart.h"

#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <cstdlib>

#include "handicap/rounds.h"
#include "support/uitest.h"
#include "ui/fwfiledialog.h"
#include "ui/fwprintdialog.h"

namespace fwtest {
namespace {

// The pixel at a point of the chart is `want`, give or take the smoothing of
// edges.
void ExpectColourAt(const QImage& image, QPointF at, const QColor& want, const char* what) {
  const QColor got = image.pixelColor(at.toPoint());
  EXPECT_LE(std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                std::abs(got.blue() - want.blue()),
            60)
      << what << " at " << at.x() << "," << at.y() << ": " << got.name().toStdString();
}

TEST(ProgressChartTest, PointsLineAndUsedMarksAreWhereTheLayoutPutsThem) {
  fw::ProgressSeries series;
  series.Indexes = {{100, false, 36.4}, {200, true, 12.0}, {300, true, 10.0}, {400, true, 8.0}};
  series.Rounds = {{100, 20.0, false}, {200, 6.0, true}, {300, 25.0, false}, {400, 15.0, false}};
  const QImage image =
      fw::ui::RenderProgressChart(series, {QStringLiteral("Pat Jones")}, {800, 500});
  QImage probe(image.size(), image.format());
  QPainter painter(&probe);
  const fw::ui::ProgressChartLayout layout =
      fw::ui::LayOutProgressChart(painter, image.rect(), series);
  painter.end();

  ExpectColourAt(image, layout.At(100, 20.0), fw::ui::kChartRoundColor, "first round");
  ExpectColourAt(image, layout.At(400, 15.0), fw::ui::kChartRoundColor, "last round");
  ExpectColourAt(image, layout.At(200, 6.0), fw::ui::kChartUsedColor, "used round");
  ExpectColourAt(image, layout.At(200, 12.0), fw::ui::kChartIndexColor, "first index");
  ExpectColourAt(image, layout.At(250, 11.0), fw::ui::kChartIndexColor, "index line");
  ExpectColourAt(image, layout.At(400, 8.0), fw::ui::kChartIndexColor, "index now");
  // The axes: days and values both labelled, the points inside the plot.
  EXPECT_GE(layout.dayLabels.size(), 3u);
  EXPECT_LE(layout.low, 6.0);
  EXPECT_GE(layout.high, 25.0);
  ExpectColourAt(image, QPointF(layout.plot.left(), layout.plot.center().y()), Qt::black, "axis");

  // Nothing to draw: the message in the middle, no marks.
  const QImage empty = fw::ui::RenderProgressChart({}, {QStringLiteral("Pat Jones")}, {800, 500});
  int dark = 0;
  for (int y = 230; y < 270; ++y)
    for (int x = 300; x < 500; ++x) dark += qGray(empty.pixel(x, y)) < 128;
  EXPECT_GT(dark, 20);
  int marks = 0;
  for (int y = 0; y < empty.height(); ++y)
    for (int x = 0; x < empty.width(); ++x)
      marks += empty.pixelColor(x, y) == fw::ui::kChartIndexColor ||
               empty.pixelColor(x, y) == fw::ui::kChartUsedColor;
  EXPECT_EQ(marks, 0);
}

class ProgressFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::ui::App().today = [] { return QDate(2003, 1, 10); };
    fw::ui::SetPrintDialogHandler([this](QPrinter& printer, QWidget*) {
      if (printTo.empty()) return false;
      printer.setOutputFileName(At(printTo));
      return true;
    });
    fw::ui::SetFileDialogHandler([this](const fw::ui::FileQuestion& question) {
      offered = question.proposed;
      return pngName.empty() ? QString() : At(pngName);
    });
  }
  void TearDown() override {
    fw::ui::SetPrintDialogHandler({});
    fw::ui::SetFileDialogHandler({});
    UiTest::TearDown();
  }

  QString At(const std::string& name) const { return fw::ui::PathText(folder.Path() / name); }

  std::string printTo;  // the PDF a confirmed print dialog prints to; empty declines
  std::string pngName;  // the answer to the PNG file question; empty cancels
  QString offered;      // the file the question offered
};

TEST_F(ProgressFormTest, ShowsAGolferAndPrintsAndSavesTheChart) {
  // 22 rounds in late 2002, 3 in 1999; the newest entered hole by hole.
  fw::ScoreTable scores;
  for (int p = 1; p <= 22; ++p) scores.Append(RoundWithDifferential(p, 10.0 + p % 7));
  for (const char* date : {"19990610", "19990605", "19990601"})
    scores.Append(MakeRound(date, "95", "70.0", "113"));
  scores[1].HoleScores.fill("5");
  fw::CourseTable courses;
  QPointer<TProgressForm> form = new TProgressForm;
  form->ShowGolfer("Pat Jones", 0, "PJONES", scores, courses);
  ASSERT_TRUE(WaitActive(form));

  EXPECT_EQ(form->Ui().ChartView->Series().Rounds.size(), 20u);
  const std::pair<const char*, std::size_t> ranges[] = {
      {"Last year", 22}, {"All rounds", 25}, {"Last 20 rounds", 20}};
  for (const auto& [range, rounds] : ranges) {
    form->Ui().RangeField->setCurrentText(range);
    EXPECT_EQ(form->Ui().ChartView->Series().Rounds.size(), rounds) << range;
  }
  const QString stats = form->Ui().StatsView->toPlainText();
  EXPECT_TRUE(stats.contains("  All rounds            90.6  (25 rounds)")) << stats.toStdString();
  EXPECT_EQ(form->Ui().CourseField->currentText(), "Oak Hills");
  EXPECT_TRUE(stats.contains("Average on each hole of Oak Hills (1 round)"));
  // The figures are read whole, without scrolling sideways.
  QApplication::processEvents();
  EXPECT_EQ(form->Ui().StatsView->horizontalScrollBar()->maximum(), 0);

  // Print: declined, then to a PDF.
  Click(form->Ui().PrintButton);
  EXPECT_FALSE(folder.Has("chart.pdf"));
  printTo = "chart.pdf";
  Click(form->Ui().PrintButton);
  ASSERT_TRUE(folder.Has("chart.pdf"));
  EXPECT_EQ(folder.Read("chart.pdf").substr(0, 5), "%PDF-");

  // Save as PNG: cancelled, then saved with ".png" added, nothing left beside it.
  Click(form->Ui().SavePngButton);
  EXPECT_EQ(offered, At("PJONES-progress.png"));
  pngName = "progress";
  Click(form->Ui().SavePngButton);
  EXPECT_FALSE(QImage(At("progress.png")).isNull());
  for (const std::string& name : folder.Names()) EXPECT_FALSE(fw::WorkFolder::IsTempName(name));

  pngName = "missing/progress.png";
  Click(form->Ui().SavePngButton);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(form->isVisible());

  Click(form->Ui().CloseButton);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(form.isNull());
}

}  // namespace
}  // namespace fwtest
