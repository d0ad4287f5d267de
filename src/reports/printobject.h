#pragma once
// TPrintObject, the page engine of the reports: single lines of text placed on
// the printer at positions in inches, advancing by the height of the current
// font and breaking pages at the bottom of a detail band. Positions are
// measured from the top-left corner of the sheet; the engine keeps the
// device's unprintable borders out of the callers' arithmetic. Everything is
// computed in single precision, inches to pixels by truncation.

#include <array>
#include <cstdint>
#include <string>

#include "reports/printdevice.h"

namespace fw {

class TPrintObject {
 public:
  // Vertical position codes of PlaceText; any negative horizontal position
  // means the left margin.
  static constexpr float NextLine = -1.0f;
  static constexpr float SameLine = -2.0f;
  static constexpr int kTabStops = 20;

  // Every field zero; nothing is asked of the device yet.
  explicit TPrintObject(PrintDevice& device) : device_(device) {}
  TPrintObject(const TPrintObject&) = delete;
  TPrintObject& operator=(const TPrintObject&) = delete;

  // Starts the document, switches the automatic page break on, reads the
  // device and sets the margins to the borders; CurrentLine 0.
  void BeginJob();
  // Margins in inches from the paper edges; a pair that leaves no room, or a
  // value not above 0, falls back to the borders; none is below its border.
  void SetMargins(float top, float bottom, float left, float right);
  // The band in which lines advance and pages break; the next NextLine text
  // lands at `top`.
  void SetDetailArea(float top, float bottom);
  void SetFont(const std::string& name, std::uint16_t points, FontStyle style);
  // CurrentLine = detail top, so the next NextLine text lands one line below it.
  void RestartAtDetailTop();
  // Draws the text at x (inches, or negative for the left margin) and y
  // (inches when above -0.01, or NextLine / SameLine). An empty text draws
  // nothing but moves CurrentLine all the same. Other codes at or below -0.01
  // are no positions: nothing is drawn and nothing moves.
  void PlaceText(const std::string& text, float x, float y);
  // Tab stops 1 to 20; other numbers are ignored.
  void SetTabStop(int n, float position, float width);
  void PlaceTextAtTab(int n, const std::string& text, float y);
  // Outlines a rectangle given in inches from the top-left corner of the
  // sheet, as a guide that only a preview shows (PrintDevice::DrawGuide).
  // CurrentLine does not move.
  void PlaceGuide(float left, float top, float width, float height);
  void NextPage();
  // Switches the break before a NextLine text below the detail bottom (or one
  // that would run off a shorter sheet) on or off; BeginJob switches it on.
  void SetAutoPageBreak(bool on) { autoPageBreak_ = on; }
  float LineHeightInches() const;
  // Ends the document; the last page is ejected.
  void EndJob();

  // The state, for the reports and the tests.
  float CurrentLine() const { return currentLine_; }
  float DetailTop() const { return detailTop_; }
  float DetailBottom() const { return detailBottom_; }
  float PageWidth() const { return pageWidth_; }
  float PageHeight() const { return pageHeight_; }
  bool AutoPageBreak() const { return autoPageBreak_; }
  std::int32_t TopMargin() const { return topMargin_; }
  std::int32_t BottomMargin() const { return bottomMargin_; }
  std::int32_t LeftMargin() const { return leftMargin_; }
  std::int32_t RightMargin() const { return rightMargin_; }
  std::int32_t LeftBorder() const { return leftBorder_; }
  std::int32_t RightBorder() const { return rightBorder_; }
  std::int32_t TopBorder() const { return topBorder_; }
  std::int32_t BottomBorder() const { return bottomBorder_; }
  float TabStopPosition(int n) const;

 private:
  struct TabStop {
    float Position = 0.0f;
    float Width = 0.0f;  // kept for the callers; placement never reads it
  };

  void ReadDeviceMetrics();
  // True when a line whose top is at `top` (inches) belongs on the next page.
  bool LineLeavesPage(float top) const;

  static std::int32_t ToPixels(float inches, std::int32_t resolution);
  static float ToInches(std::int32_t pixels, std::int32_t resolution);

  PrintDevice& device_;

  std::int32_t topMargin_ = 0;
  std::int32_t bottomMargin_ = 0;
  std::int32_t leftMargin_ = 0;
  std::int32_t rightMargin_ = 0;
  std::int32_t verticalResolution_ = 0;
  std::int32_t horizontalResolution_ = 0;
  std::int32_t physicalWidth_ = 0;
  std::int32_t physicalHeight_ = 0;
  float pageHeight_ = 0.0f;
  float pageWidth_ = 0.0f;
  std::int32_t leftBorder_ = 0;
  std::int32_t rightBorder_ = 0;
  std::int32_t topBorder_ = 0;
  std::int32_t bottomBorder_ = 0;
  float detailTop_ = 0.0f;
  float detailBottom_ = 0.0f;
  float currentLine_ = 0.0f;
  bool autoPageBreak_ = false;
  std::int32_t lineHeightPixels_ = 0;  // cell height + external leading
  std::array<TabStop, kTabStops> tabStops_{};
};

}  // namespace fw
