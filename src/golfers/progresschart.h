#pragma once
// The progress chart: a golfer's index over time as a line, the differential
// of each round as a point, the rounds of today's index marked. It is drawn
// with QPainter alone, so the window, the printer and a PNG file all get the
// same picture.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

#include "data/dateorder.h"
#include "reports/progressstats.h"

class QPainter;

namespace fw::ui {

struct ProgressChartText {
  QString title;                                       // the first line, such as the golfer's name
  QString empty = QStringLiteral("No rounds yet");     // shown instead of an empty chart
  fw::DateOrder order = fw::DateOrder::kMonthDayYear;  // of the dates written on the chart
};

// The colours differ in lightness as well as in hue, and the marks differ in
// shape (a line, circles, diamonds), so the chart reads in black-and-white
// print too.
inline const QColor kChartIndexColor{25, 70, 160};     // dark blue line
inline const QColor kChartRoundColor{185, 185, 185};   // light grey circles
inline const QColor kChartRoundEdgeColor{90, 90, 90};  // their outline
inline const QColor kChartUsedColor{232, 89, 12};      // orange diamonds, outlined black
inline const QColor kChartGridColor{222, 222, 222};
inline const QColor kChartBackground{255, 255, 255};

// Where a chart drawn into an area puts its plot, and the days and values
// that the plot spans.
struct ProgressChartLayout {
  QRectF plot;
  int firstDay = 0;   // at plot.left()
  int lastDay = 1;    // at plot.right()
  double low = 0.0;   // at plot.bottom()
  double high = 1.0;  // at plot.top()
  std::vector<double> valueTicks;
  std::vector<int> dayTicks;
  std::vector<QString> dayLabels;  // one for each day tick
  double unit = 1.0;               // device pixels for one pixel of a 96 dpi screen

  // The point of a day and a value in device coordinates.
  QPointF At(int day, double value) const;
};

// The layout PaintProgressChart uses for this painter's device and area;
// dates of the day labels in `order`.
ProgressChartLayout LayOutProgressChart(QPainter& painter, const QRect& area,
                                        const fw::ProgressSeries& series,
                                        fw::DateOrder order = fw::DateOrder::kMonthDayYear);

// Draws the chart into `area`: title, the index trend, a legend, axes with
// date and value labels, the index line, the round points and the marks of
// the rounds used; `text.empty` in the middle when there is nothing to draw.
void PaintProgressChart(QPainter& painter, const QRect& area, const fw::ProgressSeries& series,
                        const ProgressChartText& text);

// The chart drawn into an image of that size.
QImage RenderProgressChart(const fw::ProgressSeries& series, const ProgressChartText& text,
                           QSize size);

// A widget that shows the chart at its own size.
class ProgressChartView : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressChartView(QWidget* parent = nullptr);

  void SetSeries(fw::ProgressSeries series, ProgressChartText text);
  const fw::ProgressSeries& Series() const { return series_; }
  const ProgressChartText& Text() const { return text_; }

  QSize sizeHint() const override { return {560, 360}; }
  QSize minimumSizeHint() const override { return {320, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  fw::ProgressSeries series_;
  ProgressChartText text_;
};

}  // namespace fw::ui
