#include "reports/qtprintdevice.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/fwcodec.h"

namespace fw::ui {
namespace {

std::int32_t Pixels(qreal value) {
  return static_cast<std::int32_t>(qRound(value));
}

}  // namespace

QFont PrinterFont(const QString& family, int points, fw::FontStyle style) {
  QFont font(family);
  font.setPointSize(points);
  font.setBold(style.Bold);
  font.setItalic(style.Italic);
  font.setUnderline(style.Underline);
  font.setStrikeOut(style.StrikeOut);
  if (family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) {
    // Wherever Courier itself is missing, a typewriter face of its metrics
    // (Nimbus Mono PS, Courier Prime, ...) stands in for it.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  return font;
}

QtPrintDevice::QtPrintDevice(QPrinter& printer, Guides guides)
    : printer_(printer), guides_(guides) {}

QtPrintDevice::~QtPrintDevice() {
  if (painter_.isActive()) {
    printer_.abort();
    if (painter_.isActive()) painter_.end();
  }
}

void QtPrintDevice::BeginDoc() {
  if (!painter_.begin(&printer_)) throw fw::PrintError("The printer could not start printing.");
  painter_.setFont(font_);
}

void QtPrintDevice::EndDoc() {
  if (painter_.isActive()) painter_.end();
}

void QtPrintDevice::NewPage() {
  if (!printer_.newPage()) throw fw::PrintError("The printer could not start a new page.");
}

void QtPrintDevice::SetFont(const std::string& name, std::uint16_t points, fw::FontStyle style) {
  font_ = PrinterFont(ToQt(name), points, style);
  if (painter_.isActive()) painter_.setFont(font_);
}

fw::DeviceTextMetrics QtPrintDevice::TextMetrics() const {
  const QFontMetrics metrics(font_, &printer_);
  // Qt may report a negative leading for fonts whose lines overlap; the engine
  // only ever adds leading between lines.
  return {metrics.height(), std::max(0, metrics.leading())};
}

std::int32_t QtPrintDevice::PixelsPerInchX() const {
  return printer_.logicalDpiX();
}

std::int32_t QtPrintDevice::PixelsPerInchY() const {
  return printer_.logicalDpiY();
}

fw::DevicePixels QtPrintDevice::PhysicalSize() const {
  const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
  return {Pixels(paper.width()), Pixels(paper.height())};
}

fw::DevicePixels QtPrintDevice::PrintingOffset() const {
  const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
  return {Pixels(page.left() - paper.left()), Pixels(page.top() - paper.top())};
}

fw::DevicePixels QtPrintDevice::PrintableSize() const {
  const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
  return {Pixels(page.width()), Pixels(page.height())};
}

void QtPrintDevice::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  // QPainter places text on its baseline; the engine gives the cell's top.
  const QFontMetrics metrics(font_, &printer_);
  painter_.drawText(QPoint(x, y + metrics.ascent()), ToQt(text));
}

void QtPrintDevice::DrawGuide(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
  if (guides_ != Guides::kShown || !painter_.isActive()) return;
  painter_.save();
  // A cosmetic pen stays one screen pixel wide at every zoom of the preview.
  QPen pen(QColor(170, 170, 170), 0, Qt::DashLine);
  pen.setCosmetic(true);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRect(x, y, width, height));
  painter_.restore();
}

QFontInfo QtPrintDevice::ResolvedFont() const {
  return QFontInfo(QFont(font_, &printer_));
}

}  // namespace fw::ui
