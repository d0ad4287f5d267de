#pragma once
// A Messenger that remembers what it was asked to show.

#include <string>
#include <vector>

#include "data/messenger.h"

namespace fwtest {

class RecordingMessenger : public fw::Messenger {
 public:
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

}  // namespace fwtest
