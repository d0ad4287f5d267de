#include "ui/fwprintdialog.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

namespace fw::ui {
namespace {

PrintDialogHandler& Handler() {
  static PrintDialogHandler handler;
  return handler;
}

PrintPreviewHandler& PreviewHandler() {
  static PrintPreviewHandler handler;
  return handler;
}

}  // namespace

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  if (Handler()) return Handler()(printer, parent);
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

bool RunPrintPreview(const PreviewRequest& request) {
  if (PreviewHandler()) return PreviewHandler()(request);
  QPrintPreviewDialog dialog(&request.printer, request.parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&request](QPrinter* printer) { request.paint(*printer); });
  // The preview closes itself as accepted once it has printed.
  return dialog.exec() == QDialog::Accepted;
}

PrintPreviewHandler SetPrintPreviewHandler(PrintPreviewHandler handler) {
  return std::exchange(PreviewHandler(), std::move(handler));
}

}  // namespace fw::ui
