#pragma once
// A report run from a window: the printer-or-file question in a new
// TTwoChoiceDlg, the print dialog or the print preview, then the same lines on
// paper, on the screen or in the report file, and the completion message.

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
  // Qt's print preview over this object's printer (the default printer, or a
  // PDF page when there is none). Its pages are drawn by `pages` on a device
  // over the preview's printer, with the guides shown; printing from the
  // preview draws them again on the printer, a PDF file whole or not at all.
  // An error while drawing is thrown once the preview has closed.
  bool ShowPreview(const fw::PagePainter& pages) override;

  QPrinter& Printer() { return printer_; }

 private:
  // Names the document after the report and, for a PDF printer, offers the
  // PDF file in the working folder.
  void OfferPdf();

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
