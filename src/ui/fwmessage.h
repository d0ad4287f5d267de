#pragma once
// Every message box of the program goes through ShowMessage. The running
// program shows a real QMessageBox; tests install a handler that records the
// text and gives the answer.

#include <QString>
#include <exception>
#include <functional>

#include "data/messenger.h"
#include "data/usererror.h"

namespace fw::ui {

enum class MsgKind { kInformation, kWarning, kError, kConfirmation };
// kReloadKeepEditing: "Reload" and "Keep Editing" (answers kReload and
// kKeepEditing); kContinueQuit: "Continue" and "Quit" (kContinue, kQuit).
enum class MsgButtons { kOk, kYesNo, kYesNoCancel, kReloadKeepEditing, kContinueQuit };
enum class MsgAnswer { kOk, kYes, kNo, kCancel, kReload, kKeepEditing, kContinue, kQuit };

struct MessageRequest {
  QString text;
  MsgKind kind = MsgKind::kInformation;
  MsgButtons buttons = MsgButtons::kOk;
  // Said below the text, in a smaller hand: what to do about it.
  QString informativeText;
};

using MessageHandler = std::function<MsgAnswer(const MessageRequest&)>;

// Shows the message and returns the button pressed. Closing a box without a
// button answers Cancel for Yes/No/Cancel, No for Yes/No, Keep Editing for
// Reload/Keep Editing, Quit for Continue/Quit and Ok for OK.
MsgAnswer ShowMessage(const QString& text, MsgKind kind = MsgKind::kInformation,
                      MsgButtons buttons = MsgButtons::kOk);
MsgAnswer ShowMessage(const MessageRequest& request);

// Replaces the way messages are shown (an empty handler restores the real
// message boxes); returns the previous handler.
MessageHandler SetMessageHandler(MessageHandler handler);

// A plain message with OK.
inline void Inform(const QString& text) {
  ShowMessage(text);
}
// A warning with one OK button.
inline void Warn(const QString& text) {
  ShowMessage(text, MsgKind::kWarning);
}
// A confirmation with Yes and No; true for Yes.
inline bool AskYesNo(const QString& text, MsgKind kind = MsgKind::kConfirmation) {
  return ShowMessage(text, kind, MsgButtons::kYesNo) == MsgAnswer::kYes;
}
// A confirmation with Yes, No and Cancel.
inline MsgAnswer AskYesNoCancel(const QString& text) {
  return ShowMessage(text, MsgKind::kConfirmation, MsgButtons::kYesNoCancel);
}

// Shows an error that reached an event handler: its text in an error box.
void ReportError(const std::exception& error);

// A fault of the program itself, not something the user can mend (an index
// out of range, a table overfilled): no ordinary message the user cannot act
// on, and no going on in an unknown state. Says that Fairwick must close,
// writes the details to standard error and ends the program with a non-zero
// exit code at once, saving nothing more.
void ReportFault(const char* what);
inline constexpr int kFaultExitCode = 70;
// How the program ends after a fault; tests replace it.
std::function<void(int)>& EndAfterFault();

// Runs an event handler. An error the user can mend (a conversion, a file, a
// printer) is shown with its text and the handler simply ends, leaving the
// window open; anything else is a fault of the program (ReportFault).
template <class F>
void Guarded(F&& handler) {
  try {
    handler();
  } catch (const UserError& e) {
    ReportError(e);
  } catch (const std::exception& e) {
    ReportFault(e.what());
  } catch (...) {
    ReportFault("an exception of unknown type");
  }
}

// The data routines' messages, shown as plain message boxes.
class UiMessenger final : public Messenger {
 public:
  void ShowMessage(const std::string& text) override;
  // The advice is the box's informative text.
  void ShowMessageWithAdvice(const std::string& text, const std::string& advice) override;
};

}  // namespace fw::ui
