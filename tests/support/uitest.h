#pragma once
// A fixture for window tests: a temporary working folder, the program's state
// started on it with a fixed today, message boxes answered from a queue, and
// helpers that drive controls the way a user does.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <deque>
#include <ostream>
#include <vector>

#include "app/fwabout.h"
#include "help/fwhelp.h"
#include "support/tempfolder.h"
#include "ui/appstate.h"
#include "ui/fwmessage.h"

namespace fwtest {

struct ShownMessage {
  QString text;
  fw::ui::MsgKind kind;
  fw::ui::MsgButtons buttons;
  QString informativeText;
};

// Waits until the window is the application's active window. (A dialog kept
// above its opener reads as active to the window system as soon as the
// opener does; the application learns of its own activation a moment later.)
inline bool WaitActive(QWidget* window) {
  return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 5000);
}

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::ui::StartApp(folder.Path());
    UseAboutBox();
    fw::ui::App().today = [] { return QDate(2002, 1, 10); };
    fw::ui::App().exitProgram = [this](int code) { exitCodes.push_back(code); };
    fw::ui::SetMessageHandler([this](const fw::ui::MessageRequest& request) {
      messages.push_back({request.text, request.kind, request.buttons, request.informativeText});
      if (!answers.empty()) {
        fw::ui::MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
      }
      if (request.buttons != fw::ui::MsgButtons::kOk)
        ADD_FAILURE() << "unanswered question: " << request.text.toStdString();
      return request.buttons == fw::ui::MsgButtons::kOk ? fw::ui::MsgAnswer::kOk
                                                        : fw::ui::MsgAnswer::kCancel;
    });
  }

  void TearDown() override {
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (!widget->parentWidget()) windows.emplace_back(widget);
    for (auto& window : windows)
      if (window) window->hide();
    for (auto& window : windows) delete window.data();
    QApplication::processEvents();
    fw::ui::SetMessageHandler({});
    EXPECT_TRUE(answers.empty()) << answers.size() << " queued answers were not used";
  }

  // Answers the next question.
  void Answer(fw::ui::MsgAnswer answer) { answers.push_back(answer); }

  // Texts of the messages shown so far.
  QStringList MessageTexts() const {
    QStringList texts;
    for (const auto& m : messages) texts << m.text;
    return texts;
  }

  // Shows the window and waits until it is the active window, so that focus
  // and the exit handlers of its fields work.
  static void ShowActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    ASSERT_TRUE(WaitActive(window));
  }

  // The child of `root` with that object name; fails the test when missing.
  template <class T>
  static T* Find(QObject* root, const char* name) {
    T* child = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no " << name;
    return child;
  }

  // Gives a field the focus as a user clicking into it would.
  static void Focus(QWidget* field) {
    field->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
  }

  // Focuses the field, replaces its text by typing, and leaves it with Tab.
  static void TypeAndLeave(QLineEdit* field, const QString& text) {
    Focus(field);
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
    QApplication::processEvents();
  }

  // Types any text, characters outside ASCII included, into the focused field.
  static void TypeText(QWidget* field, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(field, &release);
    }
  }

  // Clicks with the mouse, which moves the focus first as a real click does.
  static void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
  }

  // The section the manual's window shows, or "" when it is not open.
  static QString HelpShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* help = qobject_cast<fw::ui::THelpForm*>(widget); help && help->isVisible())
        return help->ShownSection();
    return {};
  }

  static void Trigger(QObject* window, const char* actionName) {
    QAction* action = Find<QAction>(window, actionName);
    if (action) action->trigger();
    QApplication::processEvents();
  }

  TempFolder folder;
  std::deque<fw::ui::MsgAnswer> answers;
  std::vector<ShownMessage> messages;
  std::vector<int> exitCodes;
};

}  // namespace fwtest
