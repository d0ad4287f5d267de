#include "golfers/fwgmaint.h"

#include <algorithm>
#include <cctype>

#include "data/scorefile.h"
#include "golfers/fwgname.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

using namespace fw::ui;

namespace {

const QString kLimitMessage = QStringLiteral(
    "You have reached the maximum allowed number of golfers.  If possible, delete some golfers "
    "that are inactive.  Then, you can enter more new ones.");

// The program-wide limit, never more than the table holds.
int GolferLimit() {
  return std::min(App().MaxGolfers, fw::GolferTable::kLimit);
}

// True when the two short names name the same score file: file names are
// matched without regard to case.
bool SameFile(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

// Position (from 1) of the golfer of that short name: the same spelling first,
// else one whose short name names the same score file; 0 when none. Golfers
// are told apart by their short names, since long names may repeat.
int PositionOf(const fw::GolferTable& golfers, std::string_view shortName) {
  for (int i = 1; i <= golfers.Count(); ++i)
    if (golfers[i].ShortName == shortName) return i;
  for (int i = 1; i <= golfers.Count(); ++i)
    if (SameFile(golfers[i].ShortName, shortName)) return i;
  return 0;
}

}  // namespace

TGMaintForm::TGMaintForm(QWidget* parent)
    : FwMaintForm(parent, "GolferListBox", QStringLiteral("Golfer"),
                  QStringLiteral("Save changes made to golfers?")) {
  setObjectName(QStringLiteral("GMaintForm"));
  setWindowTitle(QStringLiteral("Golfer Maintenance"));

  UsePlacement("GMaintForm", {383, 122, 115, 552});

  // A golfer list that cannot be read stops the opening (the error is shown by
  // the caller): a window holding part of the list could save over the rest.
  fw::LoadGolferList(App().folder, Golfers);
  FillList(0);
  SetChanged(false);
}

void TGMaintForm::FillList(int line) {
  fw::SortGolferList(Golfers);
  QStringList names;
  for (const fw::TGolferRec& golfer : Golfers) names << ToQt(golfer.LongName);
  FillLines(names, line);
}

bool TGMaintForm::NameDialogOpenHere() const {
  TGNameForm* dialog = App().GNameForm;
  return dialog && dialog->Opener() == this && dialog->isVisible();
}

void TGMaintForm::AddButtonClick() {
  if (Golfers.Count() >= GolferLimit()) {
    Warn(kLimitMessage);
    return;
  }
  TGNameForm* dialog = App().GNameForm;
  EditedGolfer = 0;
  dialog->LongName->clear();
  dialog->ShortName->clear();
  dialog->SexRadio->SetItemIndex(0);
  dialog->DialogMode = TGNameForm::Mode::kAdd;
  // A marker left over by a window that is gone must not count as an answer.
  dialog->OkPressed->setText(QStringLiteral("0"));
  awaitingNameDialog_ = true;
  dialog->ShowFor(this);
}

void TGMaintForm::ModifyButtonClick() {
  int p = SelectedLine();
  if (p == 0) return;
  const fw::TGolferRec& golfer = Golfers[p];
  TGNameForm* dialog = App().GNameForm;
  EditedGolfer = p;
  dialog->LongName->setText(ToQt(golfer.LongName));
  dialog->ShortName->setText(ToQt(golfer.ShortName));
  dialog->SexRadio->SetItemIndex(golfer.Sex);
  dialog->DialogMode = TGNameForm::Mode::kEdit;
  dialog->OkPressed->setText(QStringLiteral("0"));
  awaitingNameDialog_ = true;
  dialog->ShowFor(this);
}

void TGMaintForm::FormActivate() {
  // Only the return from the name dialog this window opened matters here; any
  // other activation leaves the list and its selection as the user left them.
  TGNameForm* dialog = App().GNameForm;
  if (!awaitingNameDialog_ || !dialog || dialog->Opener() != this) return;
  bool confirmed = dialog->OkPressed->text() == QStringLiteral("1");
  if (!confirmed && dialog->isVisible()) return;  // not answered yet
  // Cleared before anything else, so that an activation caused by a message
  // shown below finds nothing left to do.
  awaitingNameDialog_ = false;
  if (confirmed) {
    dialog->OkPressed->setText(QStringLiteral("0"));
    TakeNameDialogResult();
  }
  FillList(EditedGolfer);
}

void TGMaintForm::TakeNameDialogResult() {
  TGNameForm* dialog = App().GNameForm;
  std::string longName = FromQt(dialog->LongName->text()).substr(0, fw::kLongNameRoom);
  std::string shortName = FromQt(dialog->ShortName->text()).substr(0, fw::kShortNameRoom);
  int sex = dialog->SexRadio->ItemIndex();

  if (EditedGolfer != 0) {
    if (EditedGolfer > Golfers.Count()) return;
    if (Golfers[EditedGolfer].ShortName != shortName)
      shortName = RenameScoreFile(EditedGolfer, shortName);
    fw::TGolferRec& golfer = Golfers[EditedGolfer];
    golfer.LongName = longName;
    golfer.ShortName = shortName;
    // A sex code the dialog cannot show (a hand-edited file) stays as it was.
    if (sex >= 0) golfer.Sex = sex;
  } else {
    if (Golfers.Count() >= GolferLimit()) {
      Warn(kLimitMessage);
      return;
    }
    Golfers.Append(fw::TGolferRec{longName, shortName, std::max(sex, 0)});
    EditedGolfer = Golfers.Count();
  }
  SetChanged(true);
}

void TGMaintForm::RecordInSavedList(const std::function<bool(fw::GolferTable&)>& change) {
  const fw::WorkFolder& folder = App().folder;
  // Without a list file the golfers are those of the score files present,
  // which follow every change by themselves.
  if (!folder.Exists(fw::kGolferListFile)) return;
  fw::GolferTable saved;
  fw::LoadGolferList(folder, saved);
  // Written in the order read; the save also creates an empty score file for
  // any golfer of the list that has none.
  if (change(saved)) fw::SaveGolferList(folder, saved);
}

std::string TGMaintForm::RenameScoreFile(int index, const std::string& wanted) {
  const fw::WorkFolder& folder = App().folder;
  std::string old = Golfers[index].ShortName.str();
  std::string from = fw::ScoreFileName(old);
  std::string to = fw::ScoreFileName(wanted);
  // The new file keeps the lower-case extension; an existing file of the new
  // name, in any case, is never replaced. A golfer without a score file has
  // nothing to carry over, but must not take over another golfer's file.
  bool hadFile = folder.Exists(from);
  bool moved = hadFile ? folder.Rename(from, to) : !folder.Exists(to);
  if (!moved) {
    Inform(QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name."));
    App().GNameForm->ShortName->setText(ToQt(old));
    return old;
  }
  // The golfer list file takes the new short name at once, whatever becomes
  // of this window's other changes, so that it never names a file that is
  // gone. When that fails the score file gets its old name back.
  try {
    RecordInSavedList([&](fw::GolferTable& saved) {
      int i = PositionOf(saved, old);
      if (i == 0) return false;  // added here and not saved yet
      saved[i].ShortName = wanted;
      return true;
    });
  } catch (const std::exception& error) {
    if (hadFile) folder.Rename(to, from);
    ReportError(error);
    App().GNameForm->ShortName->setText(ToQt(old));
    return old;
  }
  return wanted;
}

void TGMaintForm::DeleteButtonClick() {
  int p = SelectedLine();
  if (p == 0) return;
  // The dialog may be changing this very golfer; finish that first.
  if (NameDialogOpenHere()) {
    App().GNameForm->raise();
    App().GNameForm->activateWindow();
    return;
  }
  const std::string shortName = Golfers[p].ShortName.str();
  const std::string fileName = fw::ScoreFileName(shortName);
  if (!AskYesNo(
          QStringLiteral("Are you sure you want to delete this golfer along with score file \"") +
          ToQt(fileName) + QStringLiteral("\"?")))
    return;
  // The golfer leaves the golfer list file at once, whatever becomes of this
  // window's other changes, and before his score file goes: when the list
  // cannot be read or written nothing is deleted, and a score file that
  // cannot be deleted is left over without a golfer naming it.
  bool stillNamed = false;
  RecordInSavedList([&](fw::GolferTable& saved) {
    int i = PositionOf(saved, shortName);
    if (i == 0) return false;  // added here and not saved yet
    saved.Delete(i);
    stillNamed = PositionOf(saved, shortName) != 0;
    return true;
  });
  Golfers.Delete(p);
  RemoveLine(p);
  SetChanged(true);
  // A score file that another golfer names too holds his rounds as well. A
  // name that cannot name a file in the folder has no file to delete.
  stillNamed = stillNamed || PositionOf(Golfers, shortName) != 0;
  if (!stillNamed && App().folder.Exists(fileName)) App().folder.Remove(fileName);
}

void TGMaintForm::SaveButtonClick() {
  fw::SaveGolferList(App().folder, Golfers);
  SetChanged(false);
}

void TGMaintForm::FormClose() {
  // The name dialog works for this window only; it goes when the window goes.
  if (NameDialogOpenHere()) {
    TGNameForm* dialog = App().GNameForm;
    dialog->SetOpener(nullptr);
    dialog->OkPressed->setText(QStringLiteral("0"));
    dialog->hide();
  }
  awaitingNameDialog_ = false;
}
