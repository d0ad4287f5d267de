#include "reports/reportoutput.h"

#include <cstdio>

#include "data/textutil.h"
#include "reports/printobject.h"

namespace fw {
namespace {

constexpr float kReportMargin = 0.5f;
constexpr float kDetailTop = 1.0f;
constexpr float kDetailBottom = 10.0f;
constexpr const char* kReportFont = "Courier";
constexpr std::uint16_t kReportFontPoints = 12;

}  // namespace

void InsertRulesLine(ReportLines& lines, HandicapRules rules) {
  if (rules != HandicapRules::kWhs) return;
  lines.insert(lines.empty() ? lines.end() : lines.begin() + 1, kWhsRulesLine);
}

std::string FormatReportDate(const ReportDate& date, DateOrder order) {
  return DateText(date.Year, date.Month, date.Day, order, date.Separator);
}

ReportDestination HandicapListDestination() {
  return {"Output handicap list to the printer or to a file?", "hdcplist.fwo",
          "Handicap file \"HDCPLIST.FWO\" created."};
}

ReportDestination GolfHistoryDestination(std::string_view shortName) {
  std::string file = CutAtNul(shortName) + ".fwo";
  return {"Output scores to the printer or to a file?", file,
          "Score file \"" + file + "\" created."};
}

ReportDestination CourseHandicapDestination(std::string_view shortName) {
  std::string file = std::string(shortName) + ".fwh";
  return {"Output handicap list to the printer or to a file?", file,
          "Handicap file \"" + file + "\" created."};
}

ReportResult OutputReport(const ReportDestination& destination, ReportOutputChoice& choice,
                          Messenger& messenger, const WorkFolder& folder,
                          const std::function<ReportLines()>& buildLines) {
  const int answer = choice.AskPrinterOrFile(destination.Question);
  if (answer == kChoosePrinter) {
    std::unique_ptr<PrintDevice> printer = choice.ChoosePrinter();
    if (!printer) return ReportResult::kNothing;
    const ReportLines lines = buildLines();
    PrintReportLines(*printer, lines);
    printer.reset();
    messenger.ShowMessage(kPrintingCompleted);
    return ReportResult::kPrinted;
  }
  if (answer == kChoosePreview) {
    const ReportLines lines = buildLines();
    if (!choice.ShowPreview([&lines](PrintDevice& device) { PrintReportLines(device, lines); }))
      return ReportResult::kNothing;
    messenger.ShowMessage(kPrintingCompleted);
    return ReportResult::kPrinted;
  }
  if (answer == kChooseFile) {
    const ReportLines lines = buildLines();
    folder.Replace(destination.FileName, ReportFileBytes(lines));
    messenger.ShowMessage(destination.FileMessage);
    return ReportResult::kFiled;
  }
  return ReportResult::kNothing;
}

void PrintReportLines(PrintDevice& device, const ReportLines& lines) {
  TPrintObject engine(device);
  engine.BeginJob();
  engine.SetMargins(kReportMargin, kReportMargin, kReportMargin, kReportMargin);
  engine.SetDetailArea(kDetailTop, kDetailBottom);
  engine.SetFont(kReportFont, kReportFontPoints, FontStyle{});
  engine.RestartAtDetailTop();
  bool first = true;
  for (const std::string& line : lines) {
    engine.PlaceText(line, -1.0f, first ? kDetailTop : TPrintObject::NextLine);
    first = false;
  }
  engine.EndJob();
}

std::string ReportFileBytes(const ReportLines& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace fw
