#pragma once
// A print device with metrics the test chooses that records what is drawn,
// page by page.

#include <string>
#include <vector>

#include "reports/printdevice.h"

namespace fwtest {

class RecordingDevice : public fw::PrintDevice {
 public:
  struct Drawn {
    int Page = 0;  // from 1
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Text;
    std::string Font;  // name and points, such as "Courier 12"
    bool operator==(const Drawn&) const = default;
  };
  struct Guide {
    int Page, X, Y, Width, Height;
    bool operator==(const Guide&) const = default;
  };

  // Geometry and metrics; the defaults are a letter sheet at 600 pixels per
  // inch with a quarter inch unprintable all round and a 0.2-inch line.
  std::int32_t ResolutionX = 600;
  std::int32_t ResolutionY = 600;
  fw::DevicePixels Physical{5100, 6600};
  fw::DevicePixels Offset{150, 150};
  fw::DevicePixels Printable{4800, 6300};
  // Line height per font name; fonts not listed get DefaultMetrics.
  fw::DeviceTextMetrics DefaultMetrics{100, 20};
  std::vector<std::pair<std::string, fw::DeviceTextMetrics>> FontMetrics;

  void BeginDoc() override {
    ++begun;
    page = 1;
  }
  void EndDoc() override { ++ended; }
  void NewPage() override { ++page; }
  void SetFont(const std::string& name, std::uint16_t points, fw::FontStyle) override {
    font = name + " " + std::to_string(points);
    fontName = name;
  }
  fw::DeviceTextMetrics TextMetrics() const override {
    for (const auto& [name, metrics] : FontMetrics)
      if (name == fontName) return metrics;
    return DefaultMetrics;
  }
  std::int32_t PixelsPerInchX() const override { return ResolutionX; }
  std::int32_t PixelsPerInchY() const override { return ResolutionY; }
  fw::DevicePixels PhysicalSize() const override { return Physical; }
  fw::DevicePixels PrintingOffset() const override { return Offset; }
  fw::DevicePixels PrintableSize() const override { return Printable; }
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override {
    drawn.push_back({page, x, y, text, font});
  }
  void DrawGuide(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override {
    guides.push_back({page, x, y, width, height});
  }
  std::vector<Guide> guides;

  std::vector<Drawn> drawn;
  int begun = 0;
  int ended = 0;
  int page = 0;
  std::string font;
  std::string fontName;
};

}  // namespace fwtest
