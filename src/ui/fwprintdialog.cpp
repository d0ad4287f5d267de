#include "ui/fwprintdialog.h"

#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
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
  // Tall enough for a whole page to be read at the start.
  const QScreen* screen =
      request.parent ? request.parent->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect area = screen->availableGeometry();
    dialog.resize(area.width() * 3 / 5, area.height() * 9 / 10);
  }
  // The preview closes itself as accepted once it has printed.
  return dialog.exec() == QDialog::Accepted;
}

PrintPreviewHandler SetPrintPreviewHandler(PrintPreviewHandler handler) {
  return std::exchange(PreviewHandler(), std::move(handler));
}

}  // namespace fw::ui
