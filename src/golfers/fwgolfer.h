#pragma once
// The golfer score list: all rounds of one golfer, newest first, with the used
// ("*") and incomplete ("I") marks. One instance lives for the whole run; the
// golfer list window fills GolferName, GolferName2 and GolferSex and shows it.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "data/scorefile.h"
#include "handicap/handicapindex.h"
#include "ui/fwform.h"

class QAction;

// The controls of TGolferForm, by the names tools and tests find them by.
struct TGolferFormControls {
  QLabel* Label1 = nullptr;          // "Scores for "
  QLabel* Label2 = nullptr;          // "Index:"
  QLineEdit* GolferName = nullptr;   // hidden: the score file name
  QLineEdit* GolferName2 = nullptr;  // the golfer's long name
  QLineEdit* GolferSex = nullptr;    // hidden: "0" or "1"
  QLineEdit* IndexField = nullptr;
  QLabel* Label3 = nullptr;
  QListWidget* ScoresListBox = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* ModifyButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* SaveButton = nullptr;
  QPushButton* ProgressButton = nullptr;
  QPushButton* ExitButton = nullptr;
  QAction* ExportRounds1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Index1 = nullptr;
  QAction* Handicap1 = nullptr;
  QAction* Progress1 = nullptr;
};

class TGolferForm : public fw::ui::FwForm, private TGolferFormControls {
  Q_OBJECT
 public:
  explicit TGolferForm(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TGolferForm* Instance();
  static void SetInstance(TGolferForm* instance);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TGolferFormControls& Ui() const { return *this; }

  fw::ScoreTable Scores;
  // What this window read of the score file, for the check before a save.
  fw::FileSnapshot ScoresSeen;
  int EditedScore = -1;  // position being changed; 0 while adding; -1 nothing pending
  bool ScoresChanged = false;

  // Shows the rounds of another golfer. When the window is already visible
  // with unsaved changes, asks first; returns false when the user cancels.
  bool ShowGolfer(const QString& fileName, const QString& longName, int sex,
                  fw::ui::FwForm* opener);

  // A round was stored in `fileName` by another window. When it is the file on
  // show and this window held exactly what the file held before, the round
  // joins the list (sorted in), so that the next Save keeps it; with nothing
  // unsaved here the file is simply shown again.
  void RoundStoredElsewhere(const QString& fileName, const fw::TScoreRec& round,
                            const fw::FileSnapshot& before, const fw::FileSnapshot& after);
  // `fileName` was written anew elsewhere (rounds imported). When it is the
  // file on show, this window held exactly what it held before and nothing is
  // unsaved or pending here, the file is shown again; otherwise the window
  // keeps what it has, and its save says that the file has changed.
  void ScoreFileReplaced(const QString& fileName, const fw::FileSnapshot& before,
                         const fw::FileSnapshot& after);

  void FormShow() override;
  void FormActivate() override;
  // Takes a round confirmed in the score entry window: a new one (EditedScore
  // 0) joins the table, a changed one replaces the round sent for changing.
  bool TakeRound(const fw::TScoreRec& round);
  bool FormCloseQuery() override;
  void FormClose() override;
  bool SettleUnsavedChanges() override;
  void AddButtonClick();
  void ModifyButtonClick();
  void DeleteButtonClick();
  void SaveButtonClick();
  void ExitButtonClick();
  void Exit1Click();
  void Index1Click();
  void Handicap1Click();
  // The progress window and the CSV export of the rounds on show, unsaved
  // changes included.
  void ProgressButtonClick();
  void ExportRounds1Click();

  // The list line of the round at position `n` (1 = newest): mark, position,
  // date, total, adjusted score, rating, slope, differential and course.
  static QString ScoreLine(const fw::TScoreRec& round, int n, bool used);

 private:
  // Loads the file named in GolferName as a fresh showing does.
  void LoadGolfer();
  // Recomputes the index, rebuilds the list and selects line `select` (from
  // 1; the first line when below 1, none when beyond the end).
  void Refresh(int select);
  // Position (from 1) of the selected line; 0 when no line is selected.
  int SelectedPosition() const;
  // Writes the score file; false when the file changed on disk meanwhile and
  // nothing was written.
  bool SaveChanges();
  // The golfer on show, and his short name (the score file's name without
  // ".fwp").
  fw::IndexGolfer GolferShown() const;
  QString ShortNameShown() const;

  // The line to select at the next activation after a round was taken: the
  // changed round's position, -1 for the first line after an addition.
  int afterTake_ = 0;
};
