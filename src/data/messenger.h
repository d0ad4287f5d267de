#pragma once
// How the data routines tell the user something without opening a window
// themselves: the windows library implements this with a message box.

#include <string>

namespace fw {

class Messenger {
 public:
  virtual ~Messenger() = default;
  // Shows a plain message with an OK button and returns when it is dismissed.
  virtual void ShowMessage(const std::string& text) = 0;
  // The same with, set apart below the message, what the user can do about
  // it. A messenger without room for the advice shows the message alone.
  virtual void ShowMessageWithAdvice(const std::string& text, const std::string& /*advice*/) {
    ShowMessage(text);
  }
};

}  // namespace fw
