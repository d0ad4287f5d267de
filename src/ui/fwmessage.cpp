#include "ui/fwmessage.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <cstdio>
#include <cstdlib>

#include "ui/fwcodec.h"

namespace fw::ui {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

// The room a window frame takes beside its title: the window's icon and the
// buttons to minimise, maximise and close it, with their spacing.
constexpr int kTitleFrameRoom = 120;

// QMessageBox sizes itself to its text and leaves the window manager little
// more than that for the title, which a short message then cuts ("Fairwic…
// indows"). A spacer across the bottom of the box's grid keeps it wide enough
// for its title in a bold face, as title bars mostly show it. Added last, as
// setting the texts and buttons may lay the box out anew.
void KeepTitleReadable(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  QFont bold = box.font();
  bold.setBold(true);
  const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleFrameRoom;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

MsgAnswer ShowRealBox(const MessageRequest& request) {
  QMessageBox box(QApplication::activeWindow());
  box.setText(request.text);
  if (!request.informativeText.isEmpty()) box.setInformativeText(request.informativeText);
  QAbstractButton* reload = nullptr;
  QAbstractButton* keepEditing = nullptr;
  QAbstractButton* carryOn = nullptr;
  QAbstractButton* quit = nullptr;
  switch (request.kind) {
    case MsgKind::kInformation:
      box.setWindowTitle(QApplication::applicationName());
      break;
    case MsgKind::kWarning:
      box.setIcon(QMessageBox::Warning);
      box.setWindowTitle(QStringLiteral("Warning"));
      break;
    case MsgKind::kError:
      box.setIcon(QMessageBox::Critical);
      box.setWindowTitle(QStringLiteral("Error"));
      break;
    case MsgKind::kConfirmation:
      box.setIcon(QMessageBox::Question);
      box.setWindowTitle(QStringLiteral("Confirm"));
      break;
  }
  switch (request.buttons) {
    case MsgButtons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MsgButtons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MsgButtons::kReloadKeepEditing:
      reload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
      keepEditing = box.addButton(QStringLiteral("Keep Editing"), QMessageBox::RejectRole);
      box.setDefaultButton(qobject_cast<QPushButton*>(keepEditing));
      box.setEscapeButton(keepEditing);
      break;
    case MsgButtons::kContinueQuit:
      carryOn = box.addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
      quit = box.addButton(QStringLiteral("Quit"), QMessageBox::RejectRole);
      box.setDefaultButton(qobject_cast<QPushButton*>(quit));
      box.setEscapeButton(quit);
      break;
  }
  KeepTitleReadable(box);
  box.exec();
  if (reload || carryOn) {
    if (box.clickedButton() == reload) return MsgAnswer::kReload;
    if (box.clickedButton() == carryOn) return MsgAnswer::kContinue;
    return reload ? MsgAnswer::kKeepEditing : MsgAnswer::kQuit;
  }
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return MsgAnswer::kYes;
    case QMessageBox::No:
      return MsgAnswer::kNo;
    case QMessageBox::Cancel:
      return MsgAnswer::kCancel;
    case QMessageBox::Ok:
      return MsgAnswer::kOk;
    default:
      break;
  }
  if (request.buttons == MsgButtons::kYesNoCancel) return MsgAnswer::kCancel;
  if (request.buttons == MsgButtons::kYesNo) return MsgAnswer::kNo;
  return MsgAnswer::kOk;
}

}  // namespace

MsgAnswer ShowMessage(const QString& text, MsgKind kind, MsgButtons buttons) {
  return ShowMessage(MessageRequest{text, kind, buttons, {}});
}

MsgAnswer ShowMessage(const MessageRequest& request) {
  if (Handler()) return Handler()(request);
  return ShowRealBox(request);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

void ReportError(const std::exception& error) {
  ShowMessage(ToQt(error.what()), MsgKind::kError);
}

void ReportFault(const char* what) {
  std::fprintf(stderr, "fairwick: a fault in the program: %s\n", what);
  std::fflush(stderr);
  MessageRequest request;
  request.text = QStringLiteral(
      "Fairwick has met a fault in its own program and must close. Nothing more is saved: "
      "changes not saved yet are lost, the files keep what was last saved.");
  request.kind = MsgKind::kError;
  request.informativeText =
      QStringLiteral("The details were written to standard error: ") + QString::fromLocal8Bit(what);
  ShowMessage(request);
  EndAfterFault()(kFaultExitCode);
}

std::function<void(int)>& EndAfterFault() {
  static std::function<void(int)> end = [](int code) { std::_Exit(code); };
  return end;
}

void UiMessenger::ShowMessage(const std::string& text) {
  Inform(ToQt(text));
}

void UiMessenger::ShowMessageWithAdvice(const std::string& text, const std::string& advice) {
  fw::ui::ShowMessage(
      MessageRequest{ToQt(text), MsgKind::kInformation, MsgButtons::kOk, ToQt(advice)});
}

}  // namespace fw::ui
