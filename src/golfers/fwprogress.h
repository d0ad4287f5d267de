#pragma once
// The progress window: a golfer's index over time in a chart, beside figures
// about his rounds and the average on each hole of a chosen course. The chart
// is printed, or saved as a PNG file, as it is drawn on the screen. Openers
// make a new one and call ShowGolfer, or call Open; the window deletes itself
// when it closes.

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "data/courselist.h"
#include "data/scorefile.h"
#include "golfers/progresschart.h"
#include "reports/progressstats.h"
#include "ui/fwform.h"

// The controls of TProgressForm, by the names tools and tests find them by.
struct TProgressFormControls {
  QLabel* RangeLabel = nullptr;
  QComboBox* RangeField = nullptr;  // "Last 20 rounds", "Last year", "All rounds"
  fw::ui::ProgressChartView* ChartView = nullptr;
  QLabel* CourseLabel = nullptr;
  QComboBox* CourseField = nullptr;     // the courses of the hole-by-hole rounds
  QPlainTextEdit* StatsView = nullptr;  // the figures, in a fixed-pitch font
  QPushButton* PrintButton = nullptr;
  QPushButton* SavePngButton = nullptr;
  QPushButton* CloseButton = nullptr;
};

class TProgressForm : public fw::ui::FwForm, private TProgressFormControls {
  Q_OBJECT
 public:
  explicit TProgressForm(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TProgressFormControls& Ui() const { return *this; }

  // Shows the progress of a golfer (sex 0 man, 1 woman) from his rounds,
  // sorted newest first, with the pars of `courses`. The index after each day
  // is replayed under the options every index is computed with now (the rules,
  // the order of dates, the maximum index option). `shortName` names the files the
  // chart is offered as. Shown without blocking `opener`.
  void ShowGolfer(const QString& longName, int sex, const QString& shortName,
                  const fw::ScoreTable& scores, const fw::CourseTable& courses,
                  fw::ui::FwForm* opener = nullptr);

  // A new window showing the golfer's rounds (sorted newest first) with the
  // pars of the course list, which it loads.
  static TProgressForm* Open(const QString& longName, int sex, const QString& shortName,
                             const fw::ScoreTable& scores, fw::ui::FwForm* opener);

  void RangeFieldChange();
  void CourseFieldChange();
  void PrintButtonClick();
  void SavePngButtonClick();
  void CloseButtonClick();

 private:
  fw::ui::ProgressChartText ChartText() const;

  QString longName_;
  QString shortName_;
  fw::ScoreTable scores_;
  fw::CourseTable courses_;
  fw::ProgressSeries series_;  // every round; RangeField picks what is shown
  std::vector<std::string> statsLines_;
};

namespace fw::ui {

// Writes the image as a PNG file, replacing `path` atomically. Throws
// FileError when it cannot be written; an older file then stays as it was.
void SavePngFile(const QImage& image, const QString& path);

}  // namespace fw::ui
