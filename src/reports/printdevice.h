#pragma once
// What the page engine needs of a printer: its resolution and geometry, the
// metrics of the current font, and drawing text at a pixel position. The
// windows library implements it over a QPrinter; tests record what is drawn.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "data/usererror.h"

namespace fw {

// A print job that could not be started or carried on. what() is the text
// shown to the user.
class PrintError : public UserError {
 public:
  using UserError::UserError;
};

// A set of font styles.
struct FontStyle {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const FontStyle&) const = default;
};

// Metrics of the current font, in device pixels.
struct DeviceTextMetrics {
  std::int32_t Height = 0;           // character cell height
  std::int32_t ExternalLeading = 0;  // space the font asks for between lines
};

// A pair of device pixel counts: a size or an offset.
struct DevicePixels {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // Starts the document (the first page is open afterwards); throws PrintError
  // when the printer refuses.
  virtual void BeginDoc() = 0;
  // Ends the document; the last page is ejected.
  virtual void EndDoc() = 0;
  virtual void NewPage() = 0;

  // Sets the font for the texts drawn from now on. The name is Windows-1252.
  virtual void SetFont(const std::string& name, std::uint16_t points, FontStyle style) = 0;
  virtual DeviceTextMetrics TextMetrics() const = 0;

  // Pixels per inch along x and along y.
  virtual std::int32_t PixelsPerInchX() const = 0;
  virtual std::int32_t PixelsPerInchY() const = 0;
  // The whole sheet, in pixels.
  virtual DevicePixels PhysicalSize() const = 0;
  // The unprintable left and top border: where the drawing surface begins.
  virtual DevicePixels PrintingOffset() const = 0;
  // The drawing surface, in pixels.
  virtual DevicePixels PrintableSize() const = 0;

  // Draws Windows-1252 text with the top-left corner of its first character
  // cell at (x, y) of the drawing surface, in the current font.
  virtual void DrawText(std::int32_t x, std::int32_t y, const std::string& text) = 0;
  // Outlines a rectangle whose top-left corner is at (x, y) of the drawing
  // surface: a faint guide for the eye, such as the edges of a card on its
  // sheet. Only a preview on the screen shows it; paper never gets it.
  virtual void DrawGuide(std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height) = 0;
};

// Draws a document's pages on a device; the same pages on paper and on the
// screen.
using PagePainter = std::function<void(PrintDevice&)>;

}  // namespace fw
