#pragma once
// How a report reaches the user: the printer-or-file question, then the same
// lines either on the printer through the page engine or in a report file in
// the working folder, then a completion message.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dateorder.h"
#include "data/messenger.h"
#include "data/workfolder.h"
#include "handicap/handicapindex.h"
#include "reports/printdevice.h"

namespace fw {

// The lines of a report, without line ends; an empty text is a blank line.
using ReportLines = std::vector<std::string>;

// Collects lines handed to it, such as ComputeIndex's explanation.
class ReportLineCollector final : public LinePrinter {
 public:
  explicit ReportLineCollector(ReportLines& lines) : lines_(lines) {}
  void PrintLine(const std::string& line) override { lines_.push_back(line); }

 private:
  ReportLines& lines_;
};

// Under WHS every report names the rules in the line after its first heading
// line, so that no paper can be taken for one made under the other rules.
inline constexpr const char* kWhsRulesLine = "Handicap rules: World Handicap System";
// Puts kWhsRulesLine after the first line under WHS; changes nothing under
// the program's own rules.
void InsertRulesLine(ReportLines& lines, HandicapRules rules);

// Today's date for the report headings, with the system's date separator.
struct ReportDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  char Separator = '/';
};

// Where the reports get today's date from; the windows library reads the
// system clock and the locale's date separator, tests give a fixed day.
class ReportClock {
 public:
  virtual ~ReportClock() = default;
  virtual ReportDate Today() const = 0;
};

// The date as the report headings show it in `order`: "mm/dd/yyyy" or
// "dd/mm/yyyy" with the date's separator in place of the slash, or
// "yyyy-mm-dd" whatever the separator.
std::string FormatReportDate(const ReportDate& date, DateOrder order = DateOrder::kMonthDayYear);

// What tells one report's output from another's.
struct ReportDestination {
  std::string Question;     // the text of the printer-or-file question
  std::string FileName;     // the report file in the working folder
  std::string FileMessage;  // shown once the file is written
};

ReportDestination HandicapListDestination();
ReportDestination GolfHistoryDestination(std::string_view shortName);
ReportDestination CourseHandicapDestination(std::string_view shortName);

inline constexpr const char* kPrinterOrFileCaption = "Printer or File";
inline constexpr const char* kPrinterChoiceCaption = "Printer";
inline constexpr const char* kFileChoiceCaption = "File";
inline constexpr const char* kPreviewChoiceCaption = "Preview";
inline constexpr const char* kPrintingCompleted = "Printing completed.";
inline constexpr int kChoosePrinter = 1;
inline constexpr int kChooseFile = 2;
inline constexpr int kChoosePreview = 3;

// The windows' part of the output: the question, the print dialog and the
// print preview.
class ReportOutputChoice {
 public:
  virtual ~ReportOutputChoice() = default;
  // Asks the question in a new TTwoChoiceDlg captioned kPrinterOrFileCaption,
  // with kPrinterChoiceCaption on Button1, kFileChoiceCaption on Button2 and
  // kPreviewChoiceCaption on Button3, and returns its ChoiceResult:
  // kChoosePrinter, kChooseFile, kChoosePreview, or anything else to give up.
  virtual int AskPrinterOrFile(const std::string& question) = 0;
  // Shows the calling window's print dialog; the chosen printer, or nullptr
  // when the dialog was not confirmed.
  virtual std::unique_ptr<PrintDevice> ChoosePrinter() = 0;
  // Shows the pages in a print preview, laid out for the printer (a PDF page
  // when there is none); the user pages through them and may print them from
  // there through a print dialog. True when they were printed.
  virtual bool ShowPreview(const PagePainter& pages) = 0;
};

enum class ReportResult { kNothing, kPrinted, kFiled };

// The output procedure shared by the handicap list, the golf history and the
// course handicap printout. Asks; for the printer shows the print dialog; then
// builds the lines (only now, so a report given up reads nothing) and sends
// them to the engine, shows them in the preview (whose pages are the engine's
// own) or replaces the report file with them atomically; then shows
// kPrintingCompleted or the destination's file message. A preview closed
// without printing ends the report silently. A conversion or file error while
// building or writing propagates to the caller, who shows it: nothing has
// been printed then, the previous report file is as it was, and no completion
// message is shown.
ReportResult OutputReport(const ReportDestination& destination, ReportOutputChoice& choice,
                          Messenger& messenger, const WorkFolder& folder,
                          const std::function<ReportLines()>& buildLines);

// The engine set up as every report uses it (margins 0.5 inch, detail band
// 1.0 to 10.0 inches, 12-point Courier), the first line at 1.0 inch and every
// further one on the next line, pages breaking below 10.0 inches.
void PrintReportLines(PrintDevice& device, const ReportLines& lines);

// The bytes of a report file: every line ended by CR LF.
std::string ReportFileBytes(const ReportLines& lines);

}  // namespace fw
