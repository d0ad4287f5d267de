#include "golfers/progresschart.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "data/convert.h"
#include "data/textutil.h"
#include "ui/fwcodec.h"

namespace fw::ui {
namespace {

// Julian day of 1 January 1970, the day numbers' day 0.
constexpr qint64 kJulianDayOfDay0 = 2440588;

QDate DateOfDay(int day) {
  return QDate::fromJulianDay(kJulianDayOfDay0 + day);
}
int DayOfDate(QDate date) {
  return static_cast<int>(date.toJulianDay() - kJulianDayOfDay0);
}

// The month names of the date labels, the same in every locale.
const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString DisplayDate(int day, fw::DateOrder order) {
  const QDate date = DateOfDay(day);
  return ToQt(fw::DateText(date.year(), date.month(), date.day(), order));
}

QString OneDecimal(double value) {
  return ToQt(fw::TrimBlanks(fw::FormatFixed(value, 0, 1)));
}

QFont ChartFont(QPainter& painter, double points, bool bold) {
  QFont font = painter.font();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Day ticks: every `step` days, at month starts every `step` months, or at
// year starts every `step` years.
enum class TickKind { kDays, kMonths, kYears };
struct TickStep {
  TickKind kind;
  int step;
};
constexpr TickStep kTickSteps[] = {
    {TickKind::kDays, 1},   {TickKind::kDays, 2},    {TickKind::kDays, 7},   {TickKind::kDays, 14},
    {TickKind::kMonths, 1}, {TickKind::kMonths, 2},  {TickKind::kMonths, 3}, {TickKind::kMonths, 6},
    {TickKind::kYears, 1},  {TickKind::kYears, 2},   {TickKind::kYears, 5},  {TickKind::kYears, 10},
    {TickKind::kYears, 25}, {TickKind::kYears, 100},
};
// More ticks than this never fit; counting stops there.
constexpr std::size_t kMostTicks = 400;

void DayTicks(TickStep tick, int first, int last, fw::DateOrder order, std::vector<int>& days,
              std::vector<QString>& labels) {
  days.clear();
  labels.clear();
  QDate date;
  const QDate start = DateOfDay(first);
  switch (tick.kind) {
    case TickKind::kDays:
      date = DateOfDay(first + (tick.step - first % tick.step) % tick.step);
      break;
    case TickKind::kMonths:
      date = QDate(start.year(), start.month(), 1);
      while (date < start || (date.month() - 1) % tick.step != 0) date = date.addMonths(1);
      break;
    case TickKind::kYears:
      date = QDate(start.year(), 1, 1);
      while (date < start || date.year() % tick.step != 0) date = date.addYears(1);
      break;
  }
  for (; date.isValid() && DayOfDate(date) <= last && days.size() <= kMostTicks;) {
    days.push_back(DayOfDate(date));
    switch (tick.kind) {
      case TickKind::kDays:
        labels.push_back(DisplayDate(days.back(), order));
        date = date.addDays(tick.step);
        break;
      case TickKind::kMonths:
        labels.push_back(QString::fromLatin1(kMonthNames[date.month() - 1]) + QLatin1Char(' ') +
                         QString::number(date.year()));
        date = date.addMonths(tick.step);
        break;
      case TickKind::kYears:
        labels.push_back(QString::number(date.year()));
        date = date.addYears(tick.step);
        break;
    }
  }
}

// 1, 2 or 5 times a power of ten, the smallest at least `raw`.
double NiceStep(double raw) {
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double nice : {1.0, 2.0, 5.0, 10.0})
    if (nice * power >= raw - 1e-9) return nice * power;
  return 10.0 * power;
}

bool NothingToDraw(const fw::ProgressSeries& series) {
  return series.Rounds.empty() &&
         std::none_of(series.Indexes.begin(), series.Indexes.end(),
                      [](const fw::ProgressIndexPoint& p) { return p.HasIndex; });
}

// "Index 14.2, down 1.3 since 03/01/2023" over the index points shown.
QString TrendText(const fw::ProgressSeries& series, fw::DateOrder order) {
  const fw::ProgressIndexPoint* first = nullptr;
  const fw::ProgressIndexPoint* last = nullptr;
  for (const fw::ProgressIndexPoint& p : series.Indexes) {
    if (!p.HasIndex) continue;
    if (!first) first = &p;
    last = &p;
  }
  if (!last) return QStringLiteral("No index yet: too few rounds");
  QString text = QStringLiteral("Index ") + OneDecimal(last->Index);
  if (first == last) return text;
  const long long tenths =
      fw::RoundHalfEven(last->Index * 10) - fw::RoundHalfEven(first->Index * 10);
  const QString since = QStringLiteral(" since ") + DisplayDate(first->Day, order);
  if (tenths == 0) return text + QStringLiteral(", unchanged") + since;
  return text + (tenths < 0 ? QStringLiteral(", down ") : QStringLiteral(", up ")) +
         OneDecimal(static_cast<double>(std::llabs(tenths)) / 10.0) + since;
}

// The marks, shared by the plot and the legend.
void DrawRoundMark(QPainter& painter, QPointF at, double unit) {
  painter.setPen(QPen(kChartRoundEdgeColor, unit));
  painter.setBrush(kChartRoundColor);
  painter.drawEllipse(at, 3.5 * unit, 3.5 * unit);
}

void DrawUsedMark(QPainter& painter, QPointF at, double unit) {
  const double r = 5.5 * unit;
  const QPointF corners[] = {at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r),
                             at + QPointF(-r, 0)};
  painter.setPen(QPen(Qt::black, unit));
  painter.setBrush(kChartUsedColor);
  painter.drawPolygon(corners, 4);
}

QPen IndexPen(double unit) {
  return QPen(kChartIndexColor, 2.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

constexpr double kLabelPoints = 8.0;
constexpr double kTitlePoints = 10.5;

}  // namespace

QPointF ProgressChartLayout::At(int day, double value) const {
  const double x = plot.left() + plot.width() * (day - firstDay) / std::max(1, lastDay - firstDay);
  const double y = plot.bottom() - plot.height() * (value - low) / std::max(1e-9, high - low);
  return {x, y};
}

ProgressChartLayout LayOutProgressChart(QPainter& painter, const QRect& area,
                                        const fw::ProgressSeries& series, fw::DateOrder order) {
  ProgressChartLayout layout;
  layout.unit = painter.device() ? painter.device()->logicalDpiY() / 96.0 : 1.0;
  const double u = layout.unit;
  const QFontMetricsF labels(ChartFont(painter, kLabelPoints, false), painter.device());
  const QFontMetricsF title(ChartFont(painter, kTitlePoints, true), painter.device());

  // The days and values the points span, with a little room around them.
  std::vector<double> values;
  int first = 0;
  int last = 0;
  bool any = false;
  auto take = [&](int day, double value) {
    first = any ? std::min(first, day) : day;
    last = any ? std::max(last, day) : day;
    any = true;
    values.push_back(value);
  };
  for (const fw::ProgressIndexPoint& p : series.Indexes)
    if (p.HasIndex) take(p.Day, p.Index);
  for (const fw::ProgressRoundPoint& p : series.Rounds) take(p.Day, p.Differential);
  const int dayRoom = std::max(1, (last - first) / 30);
  layout.firstDay = first - dayRoom;
  layout.lastDay = last + dayRoom;

  const double margin = 10 * u;
  const double top = area.top() + margin + title.height() + 4 * u + labels.height() * 1.5 + 10 * u;
  const double bottom = area.bottom() - margin - labels.height() - 6 * u;

  double low = values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
  double high = values.empty() ? 1.0 : *std::max_element(values.begin(), values.end());
  const double room = std::max(0.5, (high - low) * 0.05);
  low -= room;
  high += room;
  const double ticksWanted = std::clamp((bottom - top) / (labels.height() * 2.5), 2.0, 8.0);
  const double step = NiceStep((high - low) / ticksWanted);
  layout.low = std::floor(low / step) * step;
  layout.high = std::ceil(high / step) * step;
  double widest = 0;
  const long steps = std::lround((layout.high - layout.low) / step);
  for (long i = 0; i <= steps; ++i) {
    const double v = layout.low + static_cast<double>(i) * step;
    const double tick = std::abs(v) < step / 2 ? 0.0 : v;
    layout.valueTicks.push_back(tick);
    widest = std::max(
        widest,
        labels.horizontalAdvance(step < 1 ? OneDecimal(tick) : QString::number(std::lround(tick))));
  }

  const double left = area.left() + margin + widest + 8 * u;
  const double right = area.right() - margin - labels.horizontalAdvance(QStringLiteral("0000")) / 2;
  // Whole pixels, so that the axes and grid lines are drawn sharp.
  layout.plot =
      QRectF(QPointF(std::round(left), std::round(top)),
             QPointF(std::round(std::max(left + 1, right)), std::round(std::max(top + 1, bottom))));

  // The finest date ticks whose labels fit side by side.
  for (const TickStep& tick : kTickSteps) {
    DayTicks(tick, layout.firstDay, layout.lastDay, order, layout.dayTicks, layout.dayLabels);
    double needed = 0;
    for (const QString& label : layout.dayLabels)
      needed += labels.horizontalAdvance(label) + 16 * u;
    if (layout.dayTicks.size() <= kMostTicks && needed <= layout.plot.width()) break;
  }
  return layout;
}

void PaintProgressChart(QPainter& painter, const QRect& area, const fw::ProgressSeries& series,
                        const ProgressChartText& text) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, kChartBackground);
  const ProgressChartLayout layout = LayOutProgressChart(painter, area, series, text.order);
  const double u = layout.unit;
  const QFont labelFont = ChartFont(painter, kLabelPoints, false);
  const QFont titleFont = ChartFont(painter, kTitlePoints, true);
  const QFontMetricsF labels(labelFont, painter.device());
  const QFontMetricsF titles(titleFont, painter.device());
  const double margin = 10 * u;

  painter.setPen(Qt::black);
  painter.setFont(titleFont);
  const QRectF titleLine(area.left() + margin, area.top() + margin, area.width() - 2 * margin,
                         titles.height());
  painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, text.title);
  if (NothingToDraw(series)) {
    painter.setFont(ChartFont(painter, kTitlePoints, false));
    painter.drawText(area, Qt::AlignCenter, text.empty);
    painter.restore();
    return;
  }

  // The trend under the title, the legend on its right; where the two do not
  // fit side by side, the legend moves up beside the title.
  painter.setFont(labelFont);
  const QRectF trendLine(titleLine.left(), titleLine.bottom() + 4 * u, titleLine.width(),
                         labels.height());
  const QString trend = TrendText(series, text.order);
  painter.drawText(trendLine, Qt::AlignLeft | Qt::AlignVCenter, trend);
  const QString names[] = {QStringLiteral("Index"), QStringLiteral("Differential"),
                           QStringLiteral("Used for today's index")};
  const double symbol = 18 * u;
  double legendWidth = 0;
  for (const QString& name : names) legendWidth += labels.horizontalAdvance(name) + symbol + 18 * u;
  const bool besideTrend =
      labels.horizontalAdvance(trend) + 12 * u + legendWidth <= trendLine.width();
  const QRectF legendLine = besideTrend ? trendLine : titleLine;
  const double baseline = legendLine.center().y() - labels.height() / 2 + labels.ascent();
  double x = legendLine.right();
  for (int i = 2; i >= 0; --i) {
    x -= labels.horizontalAdvance(names[i]);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, baseline), names[i]);

    x -= symbol + 4 * u;
    const QPointF mid(x + symbol / 2, legendLine.center().y());
    if (i == 0) {
      painter.setPen(IndexPen(u));
      painter.drawLine(QPointF(x, mid.y()), QPointF(x + symbol, mid.y()));
    } else if (i == 1) {
      DrawRoundMark(painter, mid, u);
    } else {
      DrawUsedMark(painter, mid, u);
    }
    x -= 14 * u;
  }

  // Grid, axes and their labels, sharp on whole pixels.
  const QRectF plot = layout.plot;
  painter.setRenderHint(QPainter::Antialiasing, false);
  const bool tenths =
      layout.valueTicks.size() > 1 && layout.valueTicks[1] - layout.valueTicks[0] < 1;
  painter.setFont(labelFont);
  for (double v : layout.valueTicks) {
    const double y = layout.At(layout.firstDay, v).y();
    painter.setPen(QPen(kChartGridColor, u));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    const QString label = tenths ? OneDecimal(v) : QString::number(std::lround(v));
    painter.drawText(QRectF(area.left(), y - labels.height() / 2, plot.left() - 6 * u - area.left(),
                            labels.height()),
                     Qt::AlignRight | Qt::AlignVCenter, label);
  }
  for (std::size_t i = 0; i < layout.dayTicks.size(); ++i) {
    const double tx = layout.At(layout.dayTicks[i], layout.low).x();
    painter.setPen(QPen(kChartGridColor, u));
    painter.drawLine(QPointF(tx, plot.top()), QPointF(tx, plot.bottom()));
    painter.setPen(QPen(Qt::black, u));
    painter.drawLine(QPointF(tx, plot.bottom()), QPointF(tx, plot.bottom() + 4 * u));
    const double w = labels.horizontalAdvance(layout.dayLabels[i]);
    const double lx =
        std::max(static_cast<double>(area.left()), std::min(tx - w / 2, area.right() - w));
    painter.drawText(QPointF(lx, plot.bottom() + 6 * u + labels.ascent()), layout.dayLabels[i]);
  }
  painter.setPen(QPen(Qt::black, u));
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());

  painter.setRenderHint(QPainter::Antialiasing);

  // The index line, broken where there was no index yet.
  QPainterPath line;
  bool drawing = false;
  const fw::ProgressIndexPoint* current = nullptr;
  for (const fw::ProgressIndexPoint& p : series.Indexes) {
    if (!p.HasIndex) {
      drawing = false;
      continue;
    }
    const QPointF at = layout.At(p.Day, p.Index);
    if (drawing)
      line.lineTo(at);
    else
      line.moveTo(at);
    drawing = true;
    current = &p;
  }
  painter.setPen(IndexPen(u));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(line);

  // The rounds; the used ones last, over the others.
  for (const fw::ProgressRoundPoint& p : series.Rounds)
    if (!p.Used) DrawRoundMark(painter, layout.At(p.Day, p.Differential), u);
  for (const fw::ProgressRoundPoint& p : series.Rounds)
    if (p.Used) DrawUsedMark(painter, layout.At(p.Day, p.Differential), u);

  // The index held now, as a dot with its value.
  if (current) {
    const QPointF at = layout.At(current->Day, current->Index);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kChartIndexColor);
    painter.drawEllipse(at, 4 * u, 4 * u);
    painter.setPen(kChartIndexColor);
    painter.setFont(ChartFont(painter, kLabelPoints, true));
    const QString value = OneDecimal(current->Index);
    const double w = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(value);
    const double lx = std::min(at.x() + 6 * u, plot.right() - w);
    painter.drawText(QPointF(lx, at.y() - 6 * u), value);
  }
  painter.restore();
}

QImage RenderProgressChart(const fw::ProgressSeries& series, const ProgressChartText& text,
                           QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(kChartBackground);
  QPainter painter(&image);
  PaintProgressChart(painter, image.rect(), series, text);
  return image;
}

ProgressChartView::ProgressChartView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChartView"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ProgressChartView::SetSeries(fw::ProgressSeries series, ProgressChartText text) {
  series_ = std::move(series);
  text_ = std::move(text);
  update();
}

void ProgressChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintProgressChart(painter, rect(), series_, text_);
}

}  // namespace fw::ui
