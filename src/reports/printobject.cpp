#include "reports/printobject.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fw {

std::int32_t TPrintObject::ToPixels(float inches, std::int32_t resolution) {
  // The product stays a single; its fraction is cut off.
  const float product = inches * static_cast<float>(resolution);
  constexpr float kLimit = 2147483520.0f;  // the largest single below 2^31
  if (!(product < kLimit)) return product > 0.0f ? std::numeric_limits<std::int32_t>::max() : 0;
  if (product <= -kLimit) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(product);
}

float TPrintObject::ToInches(std::int32_t pixels, std::int32_t resolution) {
  if (resolution == 0) return 0.0f;
  return static_cast<float>(pixels) / static_cast<float>(resolution);
}

void TPrintObject::ReadDeviceMetrics() {
  const DeviceTextMetrics metrics = device_.TextMetrics();
  lineHeightPixels_ = metrics.Height + metrics.ExternalLeading;
  verticalResolution_ = device_.PixelsPerInchY();
  horizontalResolution_ = device_.PixelsPerInchX();

  const DevicePixels offset = device_.PrintingOffset();
  leftBorder_ = offset.X;
  topBorder_ = offset.Y;

  const DevicePixels physical = device_.PhysicalSize();
  physicalWidth_ = physical.X;
  physicalHeight_ = physical.Y;
  pageWidth_ = ToInches(physicalWidth_, horizontalResolution_);
  pageHeight_ = ToInches(physicalHeight_, verticalResolution_);

  const DevicePixels printable = device_.PrintableSize();
  rightBorder_ = physicalWidth_ - leftBorder_ - printable.X;
  bottomBorder_ = physicalHeight_ - topBorder_ - printable.Y;

  topMargin_ = std::max(topMargin_, topBorder_);
  bottomMargin_ = std::max(bottomMargin_, bottomBorder_);
  leftMargin_ = std::max(leftMargin_, leftBorder_);
  rightMargin_ = std::max(rightMargin_, rightBorder_);
}

void TPrintObject::BeginJob() {
  device_.BeginDoc();
  autoPageBreak_ = true;
  ReadDeviceMetrics();
  SetMargins(
      ToInches(topBorder_, verticalResolution_), ToInches(bottomBorder_, verticalResolution_),
      ToInches(leftBorder_, horizontalResolution_), ToInches(rightBorder_, horizontalResolution_));
  currentLine_ = 0.0f;
}

void TPrintObject::SetMargins(float top, float bottom, float left, float right) {
  const float leftBorder = ToInches(leftBorder_, horizontalResolution_);
  const float rightBorder = ToInches(rightBorder_, horizontalResolution_);
  const float topBorder = ToInches(topBorder_, verticalResolution_);
  const float bottomBorder = ToInches(bottomBorder_, verticalResolution_);

  if (left + right >= pageWidth_) {
    left = leftBorder;
    right = rightBorder;
  }
  if (!(left > 0.0f)) left = leftBorder;
  if (!(right > 0.0f)) right = rightBorder;

  if (top + bottom >= pageHeight_) {
    top = topBorder;
    bottom = bottomBorder;
  }
  if (!(top > 0.0f)) top = topBorder;
  if (!(bottom > 0.0f)) bottom = bottomBorder;

  topMargin_ = std::max(ToPixels(top, verticalResolution_), topBorder_);
  bottomMargin_ = std::max(ToPixels(bottom, verticalResolution_), bottomBorder_);
  leftMargin_ = std::max(ToPixels(left, horizontalResolution_), leftBorder_);
  rightMargin_ = std::max(ToPixels(right, horizontalResolution_), rightBorder_);
}

void TPrintObject::SetDetailArea(float top, float bottom) {
  detailTop_ = top;
  detailBottom_ = bottom;
  currentLine_ = top - LineHeightInches();
}

void TPrintObject::SetFont(const std::string& name, std::uint16_t points, FontStyle style) {
  device_.SetFont(name, points, style);
  ReadDeviceMetrics();
}

void TPrintObject::RestartAtDetailTop() {
  currentLine_ = detailTop_;
}

void TPrintObject::PlaceText(const std::string& text, float x, float y) {
  std::int32_t h = x >= 0.0f ? ToPixels(x, horizontalResolution_) : leftMargin_;
  h = std::max(h, leftBorder_);

  std::int32_t v;
  if (y > -0.01f) {
    v = std::max(ToPixels(y, verticalResolution_), topBorder_);
    if (v > physicalHeight_) v = physicalHeight_ - bottomBorder_;
    currentLine_ = y;
  } else if (y == NextLine) {
    if (autoPageBreak_ && LineLeavesPage(currentLine_ + LineHeightInches())) NextPage();
    const float lineHeight = LineHeightInches();
    v = ToPixels(currentLine_ + lineHeight, verticalResolution_);
    currentLine_ += lineHeight;
  } else if (y == SameLine) {
    v = ToPixels(currentLine_, verticalResolution_);
  } else {
    return;
  }

  if (!text.empty()) device_.DrawText(h - leftBorder_, v - topBorder_, text);
}

void TPrintObject::SetTabStop(int n, float position, float width) {
  if (n < 1 || n > kTabStops) return;
  tabStops_[static_cast<std::size_t>(n - 1)] = TabStop{position, width};
}

float TPrintObject::TabStopPosition(int n) const {
  if (n < 1 || n > kTabStops) return 0.0f;
  return tabStops_[static_cast<std::size_t>(n - 1)].Position;
}

void TPrintObject::PlaceTextAtTab(int n, const std::string& text, float y) {
  PlaceText(text, TabStopPosition(n), y);
}

void TPrintObject::PlaceGuide(float left, float top, float width, float height) {
  device_.DrawGuide(ToPixels(left, horizontalResolution_) - leftBorder_,
                    ToPixels(top, verticalResolution_) - topBorder_,
                    ToPixels(width, horizontalResolution_), ToPixels(height, verticalResolution_));
}

bool TPrintObject::LineLeavesPage(float top) const {
  if (top > detailBottom_) return true;
  // A sheet shorter than the detail area (a page turned to landscape, a small
  // paper size) ends the page where its printable area ends, so that no line
  // is cut off the paper; a band too short for one line keeps the area's rule.
  const float lineHeight = LineHeightInches();
  const float printableBottom = ToInches(physicalHeight_ - bottomBorder_, verticalResolution_);
  return printableBottom >= detailTop_ + lineHeight && top + lineHeight > printableBottom;
}

void TPrintObject::NextPage() {
  currentLine_ = detailTop_ - LineHeightInches();
  device_.NewPage();
}

float TPrintObject::LineHeightInches() const {
  // The line height is taken as a 16-bit unsigned count.
  const auto pixels = static_cast<std::uint16_t>(lineHeightPixels_);
  return ToInches(pixels, verticalResolution_);
}

void TPrintObject::EndJob() {
  device_.EndDoc();
}

}  // namespace fw
