#pragma once
// A report run from a window: the printer-or-file question in a new
// TTwoChoiceDlg, the print dialog, then the same lines on paper or in the
// report file, and the completion message.

#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>

#include "reports/reportoutput.h"

class QWidget;

namespace fw::ui {

// The windows' answers to the output procedure's questions. The printer
// lives as long as this object, so the device it hands out must not outlive it.
class WindowReportOutput final : public fw::ReportOutputChoice {
 public:
  // `pdfName` is the file offered in the working folder when the printer
  // chosen is a PDF file.
  WindowReportOutput(QWidget* caller, QString pdfName);
  ~WindowReportOutput() override;

  int AskPrinterOrFile(const std::string& question) override;
  std::unique_ptr<fw::PrintDevice> ChoosePrinter() override;

  QPrinter& Printer() { return printer_; }

 private:
  QWidget* caller_;
  QString pdfName_;
  QPrinter printer_;
};

// Runs the output procedure for a report of `caller`. Errors (a conversion,
// a file or a printer that fails) propagate to the caller's handler, which
// shows them; the previous report file is then as it was and no PDF is left
// half-written.
fw::ReportResult RunReport(QWidget* caller, const fw::ReportDestination& destination,
                           const QString& pdfName,
                           const std::function<fw::ReportLines()>& buildLines);

}  // namespace fw::ui
