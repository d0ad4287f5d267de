#include "ui/fwprintdialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <utility>

namespace fw::ui {
namespace {

PrintDialogHandler& Handler() {
  static PrintDialogHandler handler;
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

}  // namespace fw::ui
