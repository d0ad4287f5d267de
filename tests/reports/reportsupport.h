#pragma once
// The windows' side of the report output, scripted for tests: the answer to
// the printer-or-file question, whether the print dialog is confirmed, and a
// recording printer whose drawing survives the report.

#include <memory>
#include <string>
#include <vector>

#include "reports/recordingdevice.h"
#include "reports/reportoutput.h"

namespace fwtest {

class ScriptedChoice : public fw::ReportOutputChoice {
 public:
  // A recording device that hands what it drew to the test when released.
  class Printer : public RecordingDevice {
   public:
    explicit Printer(ScriptedChoice& owner) : owner_(owner) {}
    ~Printer() override {
      owner_.drawn = drawn;
      owner_.begun = begun;
      owner_.ended = ended;
    }

   private:
    ScriptedChoice& owner_;
  };

  int AskPrinterOrFile(const std::string& question) override {
    questions.push_back(question);
    return answer;
  }
  std::unique_ptr<fw::PrintDevice> ChoosePrinter() override {
    ++printDialogs;
    if (!confirmPrinter) return nullptr;
    return std::make_unique<Printer>(*this);
  }
  // Records the preview's pages; printed from the preview, they go to the printer.
  bool ShowPreview(const fw::PagePainter& pages) override {
    RecordingDevice screen;
    pages(screen);
    previewed = screen.drawn;
    if (!printFromPreview) return false;
    Printer paper(*this);
    pages(paper);
    return true;
  }

  // The texts drawn on paper, in order.
  std::vector<std::string> DrawnTexts() const {
    std::vector<std::string> texts;
    for (const auto& d : drawn) texts.push_back(d.Text);
    return texts;
  }

  int answer = fw::kChooseFile;
  bool confirmPrinter = true;
  bool printFromPreview = false;
  std::vector<RecordingDevice::Drawn> previewed;
  std::vector<std::string> questions;
  int printDialogs = 0;
  std::vector<RecordingDevice::Drawn> drawn;
  int begun = 0;
  int ended = 0;
};

// A score file line: date, course, total, rating, slope, no comment, every
// hole and putt "0", the adjusted score, index and course handicap "0".
inline std::string ScoreLine(const std::string& date, const std::string& course,
                             const std::string& total, const std::string& rating,
                             const std::string& slope, const std::string& adjusted) {
  std::string line = date + "~" + course + "~" + total + "~" + rating + "~" + slope + "~~";
  for (int i = 0; i < 36; ++i) line += "0~";
  return line + adjusted + "~0~0~\r\n";
}

}  // namespace fwtest
