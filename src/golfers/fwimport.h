#pragma once
// Rounds in and out of CSV files: a golfer's rounds or the whole club's
// written for spreadsheets, and rounds added to a golfer from such a file. An
// import shows its plan first in TImportPreviewDlg (the rounds to add, the rows
// skipped as stored already, the rows refused with their line and reason);
// nothing is written before the user presses Import there.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "data/golferlist.h"
#include "data/roundcsv.h"
#include "data/scorefile.h"
#include "data/workfolder.h"
#include "handicap/handicapindex.h"
#include "ui/fwform.h"

namespace fw::ui {

// Asks for a CSV file, offering "<SHORTNAME>.csv" in the club folder, and
// writes there the golfer's rounds (`scores`, sorted newest first) with each
// round's differential and whether today's index uses it, under the options
// every index is computed with now.
void ExportGolferRounds(QWidget* parent, const fw::IndexGolfer& golfer,
                        const std::string& shortName, const fw::ScoreTable& scores);

// The same for every golfer of the golfer list, each row led by the golfer's
// names, offering "club.csv". Throws FileError when a score file cannot be read.
void ExportClubRounds(QWidget* parent);

// Asks for a CSV file and plans the import of its rounds into the golfer's
// score file as it is on disk now, then shows the plan in a new preview,
// which imports on the user's word. Throws FileError when a file cannot be
// read and ConversionError when the CSV file is not a golfer's export (no
// header row, a column missing).
void ImportRounds(const fw::TGolferRec& golfer, fw::ui::FwForm* opener);

}  // namespace fw::ui

// The controls of TImportPreviewDlg, by the names tools and tests find them by.
struct TImportPreviewDlgControls {
  QLabel* SummaryLabel = nullptr;  // the file, and how many rows go where
  QLabel* AddLabel = nullptr;
  QListWidget* AddListBox = nullptr;  // date in the user's order, course, total
  QLabel* SkippedLabel = nullptr;
  QListWidget* SkippedListBox = nullptr;  // "Line 5: already stored", "... as line 2"
  QLabel* RefusedLabel = nullptr;
  QListWidget* RefusedListBox = nullptr;  // "Line 7: <the reason>"
  QPushButton* ImportButton = nullptr;    // disabled when there is nothing to add
  QPushButton* CancelButton = nullptr;
};

class TImportPreviewDlg : public fw::ui::FwDialog, private TImportPreviewDlgControls {
  Q_OBJECT
 public:
  explicit TImportPreviewDlg(QWidget* parent = nullptr);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TImportPreviewDlgControls& Ui() const { return *this; }

  // Shows what the import of `csvPath` into the golfer's score file would do:
  // `stored` and `seen` are that file as it was read, `plan` the import
  // planned against it. Shown without blocking `opener`.
  void ShowPlan(const fw::TGolferRec& golfer, const QString& csvPath, fw::ScoreTable stored,
                fw::FileSnapshot seen, fw::ImportPlan plan, fw::ui::FormBase* opener);

  // Adds the planned rounds to the score file, sorted newest first, when the
  // file is still as it was read; otherwise says so and writes nothing. Tells
  // the windows holding the file, and closes.
  void ImportButtonClick();
  void CancelButtonClick();

  QString HelpSection() const override;

 private:
  fw::TGolferRec golfer_{};
  std::string fileName_;  // the golfer's score file
  fw::ScoreTable stored_;
  fw::FileSnapshot seen_;
  fw::ImportPlan plan_;
};
