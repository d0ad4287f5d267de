#include "reports/reportoutput.h"

#include <gtest/gtest.h>

#include "data/convert.h"
#include "data/recordingmessenger.h"
#include "reports/reportsupport.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

using fwtest::RecordingMessenger;
using fwtest::ScriptedChoice;
using fwtest::TempFolder;
using Strings = std::vector<std::string>;

TEST(ReportOutputTest, PrinterAndFileGetTheSameLinesAndTheirMessages) {
  const std::string jose = "Jos\351 N\372\361ez";
  const ReportLines lines = {"FIRST LINE", "", "third: " + jose};
  const ReportDestination history = GolfHistoryDestination(std::string("jsmith\0XY", 9));
  EXPECT_EQ(history.Question, "Output scores to the printer or to a file?");
  EXPECT_EQ(history.FileName, "jsmith.fwo");

  TempFolder dir;
  const WorkFolder folder(dir.Path());
  {
    ScriptedChoice choice;
    RecordingMessenger messenger;
    EXPECT_EQ(OutputReport(history, choice, messenger, folder, [&] { return lines; }),
              ReportResult::kFiled);
    EXPECT_EQ(choice.questions, Strings{history.Question});
    EXPECT_EQ(choice.printDialogs, 0);
    EXPECT_EQ(dir.Read("jsmith.fwo"), "FIRST LINE\r\n\r\nthird: " + jose + "\r\n");
    EXPECT_EQ(messenger.shown, Strings{"Score file \"jsmith.fwo\" created."});
  }
  {
    ScriptedChoice choice;
    choice.answer = kChoosePrinter;
    RecordingMessenger messenger;
    EXPECT_EQ(OutputReport(history, choice, messenger, folder, [&] { return lines; }),
              ReportResult::kPrinted);
    EXPECT_EQ(choice.DrawnTexts(), (Strings{"FIRST LINE", "third: " + jose}));
    ASSERT_EQ(choice.drawn.size(), 2u);
    EXPECT_EQ(choice.drawn[1].Y - choice.drawn[0].Y, 2 * 120);  // the blank line between
    EXPECT_EQ(choice.begun, 1);
    EXPECT_EQ(choice.ended, 1);
    EXPECT_EQ(messenger.shown, Strings{"Printing completed."});
    // The preview shows the printed pages, three of them, and prints them from there.
    ReportLines long_(100, "line");
    OutputReport(history, choice, messenger, folder, [&] { return long_; });
    choice.answer = kChoosePreview;
    choice.printFromPreview = true;
    const std::vector<fwtest::RecordingDevice::Drawn> printed = choice.drawn;
    EXPECT_EQ(OutputReport(history, choice, messenger, folder, [&] { return long_; }),
              ReportResult::kPrinted);
    EXPECT_EQ(printed.back().Page, 3);
    EXPECT_EQ(choice.previewed, printed);
    EXPECT_EQ(choice.drawn, printed);
    EXPECT_EQ(messenger.shown, Strings(3, "Printing completed."));
  }

  const ReportDestination list = HandicapListDestination();
  EXPECT_EQ(list.Question, "Output handicap list to the printer or to a file?");
  EXPECT_EQ(list.FileName, "hdcplist.fwo");
  EXPECT_EQ(list.FileMessage, "Handicap file \"HDCPLIST.FWO\" created.");
  const ReportDestination one = CourseHandicapDestination("PJONES");
  EXPECT_EQ(one.Question, "Output handicap list to the printer or to a file?");
  EXPECT_EQ(one.FileName, "PJONES.fwh");
  EXPECT_EQ(one.FileMessage, "Handicap file \"PJONES.fwh\" created.");
}

TEST(ReportOutputTest, GivingUpOrStoppingLeavesNoOutputAndNoMessage) {
  enum class Stop { kNone, kConversion, kFileInTheWay };
  struct Case {
    const char* what;
    int answer;
    bool confirmPrinter;
    Stop stop;
    bool builds;
  };
  const Case cases[] = {
      {"question cancelled", -1, true, Stop::kNone, false},
      {"question closed by its frame", 0, true, Stop::kNone, false},
      {"print dialog not confirmed", kChoosePrinter, false, Stop::kNone, false},
      {"preview closed without printing", kChoosePreview, false, Stop::kNone, true},
      {"conversion error on the way to the preview", kChoosePreview, true, Stop::kConversion, true},
      {"conversion error on the way to the printer", kChoosePrinter, true, Stop::kConversion, true},
      {"conversion error on the way to the file", kChooseFile, true, Stop::kConversion, true},
      {"the file cannot be replaced", kChooseFile, true, Stop::kFileInTheWay, true},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    const WorkFolder folder(dir.Path());
    if (c.stop == Stop::kFileInTheWay)
      dir.MakeDir("hdcplist.fwo");
    else
      dir.Write("hdcplist.fwo", "previous list\r\n");
    ScriptedChoice choice;
    choice.answer = c.answer;
    choice.confirmPrinter = choice.printFromPreview = c.confirmPrinter;
    RecordingMessenger messenger;
    int built = 0;
    auto build = [&] {
      ++built;
      if (c.stop == Stop::kConversion) StrToFloat("12x");
      return ReportLines{"new list"};
    };
    const ReportDestination list = HandicapListDestination();
    switch (c.stop) {
      case Stop::kNone:
        EXPECT_EQ(OutputReport(list, choice, messenger, folder, build), ReportResult::kNothing)
            << c.what;
        break;
      case Stop::kConversion:
        EXPECT_THROW(OutputReport(list, choice, messenger, folder, build), ConversionError)
            << c.what;
        break;
      case Stop::kFileInTheWay:
        EXPECT_THROW(OutputReport(list, choice, messenger, folder, build), FileError) << c.what;
        break;
    }
    EXPECT_EQ(built, c.builds ? 1 : 0) << c.what;
    EXPECT_TRUE(messenger.shown.empty()) << c.what;
    EXPECT_EQ(choice.begun, 0) << c.what;
    EXPECT_TRUE(choice.drawn.empty()) << c.what;
    if (c.stop != Stop::kFileInTheWay) {
      EXPECT_EQ(dir.Read("hdcplist.fwo"), "previous list\r\n") << c.what;
    }
    EXPECT_EQ(dir.Names().size(), 1u) << c.what << ": no temporary file is left";
  }
}

}  // namespace
}  // namespace fw
