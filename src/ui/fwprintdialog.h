#pragma once
// Every print dialog and print preview of the program goes through
// RunPrintDialog and RunPrintPreview. The running program shows Qt's dialogs;
// tests install handlers that confirm (after pointing the printer at a PDF
// file) or decline, and that look at the pages a preview would show.

#include <functional>

#include "reports/printdevice.h"

class QPrinter;
class QWidget;

namespace fw::ui {

// Takes the printer to set up and the window the dialog belongs to; true when
// the user confirmed.
using PrintDialogHandler = std::function<bool(QPrinter&, QWidget*)>;

// Lets the user choose and set up the printer; true when confirmed.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);

// Replaces the way print dialogs are shown (an empty handler restores the
// real dialog); returns the previous handler.
PrintDialogHandler SetPrintDialogHandler(PrintDialogHandler handler);

// A print preview to show.
struct PreviewRequest {
  // The printer the pages are laid out for, and printed on from the preview.
  QPrinter& printer;
  // The window the preview belongs to.
  QWidget* parent = nullptr;
  // The document's pages on any device, as the page engine draws them.
  fw::PagePainter pages;
  // What the preview runs whenever it needs the pages on its printer: to show
  // them, and to print them when the user prints from the preview.
  std::function<void(QPrinter&)> paint;
};

using PrintPreviewHandler = std::function<bool(const PreviewRequest&)>;

// Shows Qt's print preview, in which the user pages through the pages, zooms,
// and may print them through a print dialog; true when they were printed.
bool RunPrintPreview(const PreviewRequest& request);

// Replaces the way print previews are shown (an empty handler restores the
// real preview); returns the previous handler.
PrintPreviewHandler SetPrintPreviewHandler(PrintPreviewHandler handler);

}  // namespace fw::ui
