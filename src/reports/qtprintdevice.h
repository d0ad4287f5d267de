#pragma once
// The page engine's device on a real printer: a QPrinter drawn on through a
// QPainter. Texts arrive as Windows-1252 bytes and are shown as their
// characters. "Courier" is matched to a fixed-pitch face, so the columns of
// the reports line up.

#include <QFont>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>

#include "reports/printdevice.h"

namespace fw::ui {

class QtPrintDevice final : public fw::PrintDevice {
 public:
  // Whether the guides (DrawGuide) are drawn: on a preview's pages only.
  enum class Guides { kLeftOut, kShown };

  // Prints on `printer`, which must outlive the device (usually the printer
  // of the calling window's print dialog).
  explicit QtPrintDevice(QPrinter& printer, Guides guides = Guides::kLeftOut);
  // A job begun and not ended is aborted.
  ~QtPrintDevice() override;
  QtPrintDevice(const QtPrintDevice&) = delete;
  QtPrintDevice& operator=(const QtPrintDevice&) = delete;

  void BeginDoc() override;
  void EndDoc() override;
  void NewPage() override;
  void SetFont(const std::string& name, std::uint16_t points, fw::FontStyle style) override;
  fw::DeviceTextMetrics TextMetrics() const override;
  std::int32_t PixelsPerInchX() const override;
  std::int32_t PixelsPerInchY() const override;
  fw::DevicePixels PhysicalSize() const override;
  fw::DevicePixels PrintingOffset() const override;
  fw::DevicePixels PrintableSize() const override;
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override;
  // A thin, light grey dashed outline when the guides are shown.
  void DrawGuide(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;

  // The font as asked for, and the face the printer actually uses for it.
  const QFont& Font() const { return font_; }
  QFontInfo ResolvedFont() const;

 private:
  QPrinter& printer_;
  Guides guides_;
  QPainter painter_;
  QFont font_;
};

// The font the device uses for a name, size and style.
QFont PrinterFont(const QString& family, int points, fw::FontStyle style);

}  // namespace fw::ui
