#pragma once
// A fixture for report windows: the printer-or-file question, the print
// dialog and the print preview are answered by the test, and what they were
// asked is kept.

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStringList>
#include <string>

#include "reports/fw2choic.h"
#include "reports/recordingdevice.h"
#include "support/uitest.h"
#include "ui/fwprintdialog.h"

namespace fwtest {

class ReportSeamTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::ui::SetTwoChoiceHandler([this](const TTwoChoiceDlg& dialog) {
      questions << dialog.MemoField->text();
      return choice;
    });
    fw::ui::SetPrintDialogHandler([this](QPrinter& printer, QWidget*) {
      offeredPdf = printer.outputFileName();
      if (confirmPrint)
        printer.setOutputFileName(QString::fromStdString((folder.Path() / pdf).string()));
      return confirmPrint;
    });
    // Qt's preview widget, the heart of the preview dialog, asks for the pages
    // on its printer; printing from it prints into the PDF.
    fw::ui::SetPrintPreviewHandler([this](const fw::ui::PreviewRequest& request) {
      offeredPdf = request.printer.outputFileName();
      QPrintPreviewWidget preview(&request.printer);
      QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                       [&request](QPrinter* printer) { request.paint(*printer); });
      preview.updatePreview();
      previewPages = preview.pageCount();
      previewed = RecordingDevice();
      request.pages(previewed);
      if (!confirmPrint) return false;
      request.printer.setOutputFileName(QString::fromStdString((folder.Path() / pdf).string()));
      preview.print();
      return true;
    });
  }
  void TearDown() override {
    fw::ui::SetTwoChoiceHandler({});
    fw::ui::SetPrintDialogHandler({});
    fw::ui::SetPrintPreviewHandler({});
    UiTest::TearDown();
  }

  int choice = -1;              // the answer to the printer-or-file question
  bool confirmPrint = false;    // whether the print dialog is confirmed, or
                                // the preview printed from
  int previewPages = 0;         // the pages the last preview showed
  RecordingDevice previewed;    // and the same pages, recorded
  std::string pdf = "out.pdf";  // the PDF a confirmed dialog prints to
  QString offeredPdf;           // the file the print dialog offered
  QStringList questions;        // the printer-or-file questions asked
};

}  // namespace fwtest
