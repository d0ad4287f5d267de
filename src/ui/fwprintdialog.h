#pragma once
// Every print dialog of the program goes through RunPrintDialog. The running
// program shows Qt's print dialog; tests install a handler that confirms (after
// pointing the printer at a PDF file) or declines.

#include <functional>

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

}  // namespace fw::ui
