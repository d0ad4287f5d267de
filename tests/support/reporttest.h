#pragma once
// A fixture for report windows: the printer-or-file question and the print
// dialog are answered by the test, and what they were asked is kept.

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStringList>
#include <string>

#include "reports/fw2choic.h"
#include "support/uitest.h"
#include "ui/fwprintdialog.h"

namespace fwtest {

class ReportSeamTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    fw::ui::SetTwoChoiceHandler([this](const TTwoChoiceDlg& dialog) {
      questions << dialog.Ui().MemoField->text();
      return choice;
    });
    fw::ui::SetPrintDialogHandler([this](QPrinter& printer, QWidget*) {
      offeredPdf = printer.outputFileName();
      if (confirmPrint)
        printer.setOutputFileName(QString::fromStdString((folder.Path() / pdf).string()));
      return confirmPrint;
    });
    // Qt's own preview widget asks for the pages; confirmed, it prints them.
    fw::ui::SetPrintPreviewHandler([this](const fw::ui::PreviewRequest& request) {
      offeredPdf = request.printer.outputFileName();
      QPrintPreviewWidget preview(&request.printer);
      QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                       [&request](QPrinter* printer) { request.paint(*printer); });
      preview.updatePreview();
      previewPages = preview.pageCount();
      request.printer.setOutputFileName(QString::fromStdString((folder.Path() / pdf).string()));
      if (confirmPrint) preview.print();
      return confirmPrint;
    });
  }
  void TearDown() override {
    fw::ui::SetTwoChoiceHandler({});
    fw::ui::SetPrintDialogHandler({});
    fw::ui::SetPrintPreviewHandler({});
    UiTest::TearDown();
  }

  int choice = -1;              // the answer to the printer-or-file question
  bool confirmPrint = false;    // whether the print dialog (or preview) prints
  int previewPages = 0;         // the pages the last preview showed
  std::string pdf = "out.pdf";  // the PDF a confirmed dialog prints to
  QString offeredPdf;           // the file the print dialog offered
  QStringList questions;        // the printer-or-file questions asked
};

}  // namespace fwtest
