#include "reports/printobject.h"

#include <gtest/gtest.h>

#include "reports/recordingdevice.h"
#include "reports/reportoutput.h"

namespace fw {
namespace {

using fwtest::RecordingDevice;
constexpr float kNext = TPrintObject::NextLine;
constexpr float kSame = TPrintObject::SameLine;

// Borders of 120 (left), 90 (top), 180 (right) and 210 (bottom) pixels on a
// letter sheet at 600 pixels per inch.
RecordingDevice UnevenBorders() {
  RecordingDevice d;
  d.Offset = {120, 90};
  d.Printable = {4800, 6300};
  return d;
}

TEST(PrintObjectTest, PlacesTextOnTheSheetInInches) {
  RecordingDevice device = UnevenBorders();
  TPrintObject p(device);
  p.BeginJob();
  p.SetMargins(0.5f, 0.5f, 0.5f, 0.5f);  // left margin 300 pixels
  p.SetTabStop(3, 2.0f, 1.0f);
  p.SetTabStop(4, -1.0f, 1.0f);
  struct Case {
    const char* what;
    float x, y;
    std::int32_t drawnX, drawnY;  // on the surface, borders taken off
    float currentLine;
  };
  const Case cases[] = {
      {"x 0 is the left border, not the margin", 0.0f, 2.0f, 0, 1110, 2.0f},
      {"a negative x is the left margin", -1.0f, 2.0f, 180, 1110, 2.0f},
      {"x inside the border is raised to it", 0.1f, 2.0f, 0, 1110, 2.0f},
      {"x in inches, truncated", 1.2345f, 2.0f, 620, 1110, 2.0f},
      {"y 0 is the top border", 1.0f, 0.0f, 480, 0, 0.0f},
      {"y below the sheet is its last printable pixel", 1.0f, 12.0f, 480, 6300, 12.0f},
  };
  for (const Case& c : cases) {
    device.drawn.clear();
    p.PlaceText("T", c.x, c.y);
    ASSERT_EQ(device.drawn.size(), 1u) << c.what;
    EXPECT_EQ(device.drawn[0].X, c.drawnX) << c.what;
    EXPECT_EQ(device.drawn[0].Y, c.drawnY) << c.what;
    EXPECT_FLOAT_EQ(p.CurrentLine(), c.currentLine) << c.what;
  }

  // Tab stops give the horizontal position; a negative stop is the margin.
  device.drawn.clear();
  p.PlaceTextAtTab(3, "tab", 3.0f);
  p.PlaceTextAtTab(4, "margin", 3.0f);
  ASSERT_EQ(device.drawn.size(), 2u);
  EXPECT_EQ(device.drawn[0].X, 1200 - 120);
  EXPECT_EQ(device.drawn[1].X, 300 - 120);

  // A code that is no position draws nothing and moves nothing.
  device.drawn.clear();
  p.PlaceText("T", -1.0f, -0.5f);
  EXPECT_TRUE(device.drawn.empty());
  EXPECT_FLOAT_EQ(p.CurrentLine(), 3.0f);
}

TEST(PrintObjectTest, LinesAdvanceFromTheDetailTopByTheCurrentFont) {
  RecordingDevice device;  // 0.2-inch lines; "Big" has 0.4-inch lines
  device.Offset = {0, 0};
  device.Printable = device.Physical;
  device.FontMetrics = {{"Big", {200, 40}}};
  TPrintObject p(device);
  p.BeginJob();
  p.SetDetailArea(1.0f, 10.0f);
  p.PlaceText("first", -1.0f, kNext);  // right after the detail area: at its top
  p.PlaceText("over", -1.0f, kSame);   // overprints it
  p.PlaceText("", -1.0f, kNext);       // a blank line: nothing drawn, one line down
  p.PlaceText("third", -1.0f, kNext);
  p.SetFont("Big", 12, FontStyle{});
  p.PlaceText("big", -1.0f, kNext);
  p.RestartAtDetailTop();
  p.PlaceText("restart", -1.0f, kNext);  // one (big) line below the top

  std::vector<std::pair<std::string, std::int32_t>> got;
  for (const auto& d : device.drawn) got.emplace_back(d.Text, d.Y);
  const std::vector<std::pair<std::string, std::int32_t>> want = {
      {"first", 600}, {"over", 600}, {"third", 840}, {"big", 1080}, {"restart", 840}};
  EXPECT_EQ(got, want);
  EXPECT_EQ(device.drawn[3].Font, "Big 12");
}

TEST(PrintObjectTest, MarginsFallBackToTheBorders) {
  struct Case {
    const char* what;
    bool zeroBorders;
    float top, bottom, left, right;
    std::int32_t wantTop, wantBottom, wantLeft, wantRight;
  };
  const Case cases[] = {
      {"as requested", false, 0.5f, 0.5f, 0.5f, 0.5f, 300, 300, 300, 300},
      {"left and right wider than the sheet", false, 0.5f, 0.5f, 5.0f, 4.0f, 300, 300, 120, 180},
      {"top and bottom taller than the sheet", false, 6.0f, 5.0f, 1.0f, 1.0f, 90, 210, 600, 600},
      {"zero and negative values", false, 0.0f, -1.0f, 0.0f, -0.5f, 90, 210, 120, 180},
      {"inside the borders: raised to them", false, 0.1f, 0.1f, 0.1f, 0.1f, 90, 210, 120, 180},
      {"zero borders keep the request", true, 0.1f, 0.25f, 0.05f, 1.5f, 60, 150, 30, 900},
  };
  for (const Case& c : cases) {
    RecordingDevice device = UnevenBorders();
    if (c.zeroBorders) {
      device.Offset = {0, 0};
      device.Printable = device.Physical;
    }
    TPrintObject p(device);
    p.BeginJob();
    // BeginJob starts from the borders.
    EXPECT_EQ(p.LeftMargin(), p.LeftBorder()) << c.what;
    EXPECT_EQ(p.BottomMargin(), p.BottomBorder()) << c.what;
    p.SetMargins(c.top, c.bottom, c.left, c.right);
    EXPECT_EQ(p.TopMargin(), c.wantTop) << c.what;
    EXPECT_EQ(p.BottomMargin(), c.wantBottom) << c.what;
    EXPECT_EQ(p.LeftMargin(), c.wantLeft) << c.what;
    EXPECT_EQ(p.RightMargin(), c.wantRight) << c.what;
  }
}

TEST(PrintObjectTest, ReportPagesBreakBelowTenInches) {
  // Line 1 at 1.0 inch, then one line height further each, added up in single
  // precision; a line whose top would pass 10.0 inches opens the next page at
  // 1.0 inch, one whose top is on 10.0 stays.
  struct Case {
    const char* what;
    std::int32_t cellHeight;  // plus 20 pixels of leading, at 600 per inch
    std::size_t onFirstPage;
    std::int32_t lastTop;  // in pixels from the top of the sheet
  };
  const Case cases[] = {
      // 45 additions of 0.2 give 9.9999952: the line "at 10.0" stays, at pixel
      // 5999; the one at 10.2 goes over.
      {"0.2-inch lines", 100, 46, 5999},
      // 54 additions of 1/6 give exactly 10.0: on the bottom, still on the page.
      {"1/6-inch lines", 80, 55, 6000},
  };
  for (const Case& c : cases) {
    RecordingDevice device;  // borders of 150 pixels
    device.DefaultMetrics = {c.cellHeight, 20};
    ReportLines lines;
    for (std::size_t i = 1; i <= c.onFirstPage + 2; ++i)
      lines.push_back("line " + std::to_string(i));
    PrintReportLines(device, lines);

    EXPECT_EQ(device.begun, 1) << c.what;
    EXPECT_EQ(device.ended, 1) << c.what;
    ASSERT_EQ(device.drawn.size(), lines.size()) << c.what;
    EXPECT_EQ(device.drawn[0].Font, "Courier 12") << c.what;
    for (std::size_t i = 0; i < c.onFirstPage; ++i) {
      EXPECT_EQ(device.drawn[i].Page, 1) << c.what << ": " << device.drawn[i].Text;
      EXPECT_EQ(device.drawn[i].X, 300 - 150) << c.what << ": " << device.drawn[i].Text;
    }
    EXPECT_EQ(device.drawn[0].Y, 600 - 150) << c.what;
    EXPECT_EQ(device.drawn[c.onFirstPage - 1].Y, c.lastTop - 150) << c.what;
    EXPECT_EQ(device.drawn[c.onFirstPage].Page, 2) << c.what;
    EXPECT_EQ(device.drawn[c.onFirstPage].Y, 600 - 150) << c.what;
    EXPECT_EQ(device.drawn[c.onFirstPage + 1].Page, 2) << c.what;
    EXPECT_EQ(device.drawn[c.onFirstPage + 1].Y, device.drawn[1].Y) << c.what;
  }
}

TEST(PrintObjectTest, ReportPagesBreakWhereAShorterSheetEnds) {
  // A letter sheet turned to landscape is 8.5 inches tall, its printable area
  // ends at 8.25: 0.2-inch lines from 1.0 fill it to the line at 8.0, and the
  // next opens page 2 instead of falling off the paper.
  RecordingDevice device;
  device.Physical = {6600, 5100};
  device.Printable = {6300, 4800};
  ReportLines lines;
  for (int i = 1; i <= 40; ++i) lines.push_back("line " + std::to_string(i));
  PrintReportLines(device, lines);
  ASSERT_EQ(device.drawn.size(), lines.size());
  EXPECT_EQ(device.drawn[35].Page, 1);
  EXPECT_EQ(device.drawn[36].Page, 2);
  EXPECT_EQ(device.drawn[36].Y, 600 - 150);
  for (const RecordingDevice::Drawn& line : device.drawn)
    EXPECT_LE(line.Y + 120, 4800) << line.Text;
}

TEST(PrintObjectTest, PageBreakSwitchedOffKeepsLinesOnTheSheet) {
  // 0.2-inch lines from 9.75 inches in a band ending at 10.0: with the break
  // on, the line at 10.15 opens page 2; switched off it stays on page 1,
  // below the band.
  for (const bool on : {true, false}) {
    RecordingDevice device;  // borders of 150 pixels, 0.2-inch lines
    TPrintObject engine(device);
    engine.BeginJob();
    EXPECT_TRUE(engine.AutoPageBreak());
    engine.SetDetailArea(1.0f, 10.0f);
    engine.SetAutoPageBreak(on);
    engine.PlaceText("a", -1.0f, 9.75f);
    engine.PlaceText("b", -1.0f, kNext);
    engine.PlaceText("c", -1.0f, kNext);
    ASSERT_EQ(device.drawn.size(), 3u);
    EXPECT_EQ(device.drawn[1].Page, 1) << on;
    EXPECT_EQ(device.drawn[2].Page, on ? 2 : 1) << on;
    if (on)
      EXPECT_EQ(device.drawn[2].Y, 600 - 150);
    else
      EXPECT_GT(device.drawn[2].Y, 6000 - 150);
  }
}

}  // namespace
}  // namespace fw
