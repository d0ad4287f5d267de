#pragma once
// A Messenger that remembers what it was asked to show.

#include <string>
#include <vector>

#include "data/messenger.h"

namespace fwtest {

class RecordingMessenger : public fw::Messenger {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  void ShowMessageWithAdvice(const std::string& text, const std::string& given) override {
    shown.push_back(text);
    advice.push_back(given);
  }
  std::vector<std::string> shown;
  std::vector<std::string> advice;  // of the messages shown with advice
};

}  // namespace fwtest
