#include "reports/fwreport.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <utility>

#include "reports/fw2choic.h"
#include "reports/qtprintdevice.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwprintdialog.h"

namespace fw::ui {
namespace {

// A PDF is written into a file of its own beside its final name and moved
// there only when the job ended and the file is whole, so a job that fails
// half-way (a full disk) leaves no half-written file, and an older file of that
// name stays as it was.
class PdfFileDevice final : public fw::PrintDevice {
 public:
  PdfFileDevice(QPrinter& printer, QString finalName)
      : printer_(printer), finalName_(std::move(finalName)) {
    const QFileInfo target(finalName_);
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX.tmp"));
    part.setAutoRemove(false);
    if (!part.open()) Fail(part.errorString());
    partName_ = part.fileName();
    part.close();
    printer_.setOutputFileName(partName_);
    inner_ = std::make_unique<QtPrintDevice>(printer_);
  }
  ~PdfFileDevice() override {
    inner_.reset();
    if (!partName_.isEmpty()) QFile::remove(partName_);
    printer_.setOutputFileName(finalName_);
  }

  void BeginDoc() override {
    try {
      inner_->BeginDoc();
    } catch (const fw::PrintError&) {
      Fail(QStringLiteral("it cannot be opened for writing"));
    }
  }
  void EndDoc() override {
    inner_->EndDoc();
    inner_.reset();
    // The PDF writer does not report a write that failed: look at what
    // arrived on disk before it replaces anything.
    QFile part(partName_);
    if (!part.open(QIODevice::ReadOnly)) Fail(part.errorString());
    const qint64 size = part.size();
    if (size == 0) Fail(QStringLiteral("the file came out empty; the disk may be full"));
    part.seek(std::max<qint64>(0, size - 32));
    if (!part.read(32).contains("%%EOF"))
      Fail(QStringLiteral("the file came out incomplete; the disk may be full"));
    if (::fsync(part.handle()) != 0) Fail(QString::fromLocal8Bit(std::strerror(errno)));
    part.close();
    if (::rename(QFile::encodeName(partName_).constData(),
                 QFile::encodeName(finalName_).constData()) != 0)
      Fail(QString::fromLocal8Bit(std::strerror(errno)));
    partName_.clear();
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
  void DrawGuide(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override {
    inner_->DrawGuide(x, y, width, height);
  }

 private:
  [[noreturn]] void Fail(const QString& reason) const {
    throw fw::PrintError(FromQt(QStringLiteral("%1 was not written: %2. An older file of that name "
                                               "is as it was.")
                                    .arg(QFileInfo(finalName_).fileName(), reason)));
  }

  QPrinter& printer_;
  QString finalName_;
  QString partName_;
  std::unique_ptr<QtPrintDevice> inner_;
};

// The device that prints on the printer as its dialog left it: into a PDF
// file, whole or not at all, or on the printer itself.
std::unique_ptr<fw::PrintDevice> PrinterDevice(QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    return std::make_unique<PdfFileDevice>(printer, printer.outputFileName());
  return std::make_unique<QtPrintDevice>(printer);
}

// Qt's preview records the pages through a picture engine of its own; when
// the user prints from the preview, the printer draws with its own engine.
bool DrawsForPreview(const QPrinter& printer) {
  const QPaintEngine* engine = printer.paintEngine();
  return engine != nullptr && engine->type() == QPaintEngine::Picture;
}

}  // namespace

WindowReportOutput::WindowReportOutput(QWidget* caller, QString pdfName)
    : caller_(caller), pdfName_(std::move(pdfName)), printer_(QPrinter::HighResolution) {}

WindowReportOutput::~WindowReportOutput() = default;

int WindowReportOutput::AskPrinterOrFile(const std::string& question) {
  TTwoChoiceDlg dialog(caller_);
  dialog.Ask(QString::fromLatin1(fw::kPrinterOrFileCaption), ToQt(question),
             QString::fromLatin1(fw::kPrinterChoiceCaption),
             QString::fromLatin1(fw::kFileChoiceCaption),
             QString::fromLatin1(fw::kPreviewChoiceCaption));
  return ShowTwoChoices(dialog);
}

void WindowReportOutput::OfferPdf() {
  const QString pdfPath =
      QString::fromStdString((App().folder.Dir() / pdfName_.toStdString()).string());
  printer_.setDocName(pdfName_);
  // Without a printer the dialog offers only a PDF file: name it after the
  // report, in the working folder.
  if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setOutputFileName(pdfPath);
}

std::unique_ptr<fw::PrintDevice> WindowReportOutput::ChoosePrinter() {
  OfferPdf();
  if (!RunPrintDialog(printer_, caller_)) return nullptr;
  return PrinterDevice(printer_);
}

bool WindowReportOutput::ShowPreview(const fw::PagePainter& pages) {
  OfferPdf();
  // Errors may not travel through Qt's signals: the first one is kept, stops
  // all further drawing, and is thrown once the preview has closed.
  std::exception_ptr failure;
  auto paint = [&pages, &failure](QPrinter& target) {
    if (failure) return;
    try {
      if (DrawsForPreview(target)) {
        QtPrintDevice screen(target, QtPrintDevice::Guides::kShown);
        pages(screen);
      } else {
        const std::unique_ptr<fw::PrintDevice> paper = PrinterDevice(target);
        pages(*paper);
      }
    } catch (...) {
      failure = std::current_exception();
    }
  };
  const bool printed = RunPrintPreview(PreviewRequest{printer_, caller_, pages, paint});
  if (failure) std::rethrow_exception(failure);
  return printed;
}

fw::ReportResult RunReport(QWidget* caller, const fw::ReportDestination& destination,
                           const QString& pdfName,
                           const std::function<fw::ReportLines()>& buildLines) {
  WindowReportOutput output(caller, pdfName);
  UiMessenger messenger;
  return fw::OutputReport(destination, output, messenger, App().folder, buildLines);
}

}  // namespace fw::ui
