#include "reports/fwreport.h"

#include <QFile>
#include <utility>

#include "reports/fw2choic.h"
#include "reports/qtprintdevice.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwprintdialog.h"

namespace fw::ui {
namespace {

// A PDF is written beside its final name and moved there only when the job
// ended, so a job that fails half-way leaves no half-written file, and an
// older file of that name stays as it was.
class PdfFileDevice final : public fw::PrintDevice {
 public:
  PdfFileDevice(QPrinter& printer, QString finalName)
      : printer_(printer), finalName_(std::move(finalName)), partName_(finalName_ + ".part") {
    QFile::remove(partName_);
    printer_.setOutputFileName(partName_);
    inner_ = std::make_unique<QtPrintDevice>(printer_);
  }
  ~PdfFileDevice() override {
    inner_.reset();
    QFile::remove(partName_);
    printer_.setOutputFileName(finalName_);
  }

  void BeginDoc() override { inner_->BeginDoc(); }
  void EndDoc() override {
    inner_->EndDoc();
    inner_.reset();
    QFile::remove(finalName_);
    if (!QFile::rename(partName_, finalName_))
      throw fw::PrintError("The file \"" + FromQt(finalName_) + "\" could not be written.");
  }
  void NewPage() override { inner_->NewPage(); }
  void SetFont(const std::string& name, std::uint16_t points, fw::FontStyle style) override {
    inner_->SetFont(name, points, style);
  }
  fw::DeviceTextMetrics TextMetrics() const override { return inner_->TextMetrics(); }
  std::int32_t PixelsPerInchX() const override { return inner_->PixelsPerInchX(); }
  std::int32_t PixelsPerInchY() const override { return inner_->PixelsPerInchY(); }
  fw::DevicePixels PhysicalSize() const override { return inner_->PhysicalSize(); }
  fw::DevicePixels PrintingOffset() const override { return inner_->PrintingOffset(); }
  fw::DevicePixels PrintableSize() const override { return inner_->PrintableSize(); }
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override {
    inner_->DrawText(x, y, text);
  }

 private:
  QPrinter& printer_;
  QString finalName_;
  QString partName_;
  std::unique_ptr<QtPrintDevice> inner_;
};

}  // namespace

WindowReportOutput::WindowReportOutput(QWidget* caller, QString pdfName)
    : caller_(caller), pdfName_(std::move(pdfName)), printer_(QPrinter::HighResolution) {}

WindowReportOutput::~WindowReportOutput() = default;

int WindowReportOutput::AskPrinterOrFile(const std::string& question) {
  TTwoChoiceDlg dialog(caller_);
  dialog.Ask(QString::fromLatin1(fw::kPrinterOrFileCaption), ToQt(question),
             QString::fromLatin1(fw::kPrinterChoiceCaption),
             QString::fromLatin1(fw::kFileChoiceCaption));
  return ShowTwoChoices(dialog);
}

std::unique_ptr<fw::PrintDevice> WindowReportOutput::ChoosePrinter() {
  const QString pdfPath =
      QString::fromStdString((App().folder.Dir() / pdfName_.toStdString()).string());
  printer_.setDocName(pdfName_);
  // Without a printer the dialog offers only a PDF file: name it after the
  // report, in the working folder.
  if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setOutputFileName(pdfPath);
  if (!RunPrintDialog(printer_, caller_)) return nullptr;
  if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
    return std::make_unique<PdfFileDevice>(printer_, printer_.outputFileName());
  return std::make_unique<QtPrintDevice>(printer_);
}

fw::ReportResult RunReport(QWidget* caller, const fw::ReportDestination& destination,
                           const QString& pdfName,
                           const std::function<fw::ReportLines()>& buildLines) {
  WindowReportOutput output(caller, pdfName);
  UiMessenger messenger;
  return fw::OutputReport(destination, output, messenger, App().folder, buildLines);
}

}  // namespace fw::ui
