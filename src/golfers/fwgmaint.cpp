#include "golfers/fwgmaint.h"

#include <algorithm>
#include <tuple>

#include "data/golferchanges.h"
#include "data/limitmessages.h"
#include "data/scorefile.h"
#include "golfers/fwgname.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

using namespace fw::ui;

namespace {

// Position (from 1) of the golfer of that short name, exactly as spelt; 0
// when none. Golfers are told apart by their short names, since long names
// may repeat.
int PositionOf(const fw::GolferTable& golfers, std::string_view shortName) {
  for (int i = 1; i <= golfers.Count(); ++i)
    if (golfers[i].ShortName == shortName) return i;
  return 0;
}

// The same golfers, whatever their order.
bool SameGolfers(const fw::GolferTable& a, const fw::GolferTable& b) {
  auto sorted = [](const fw::GolferTable& table) {
    std::vector<std::tuple<std::string, std::string, int>> golfers;
    for (const fw::TGolferRec& g : table)
      golfers.emplace_back(g.LongName.str(), g.ShortName.str(), g.Sex);
    std::sort(golfers.begin(), golfers.end());
    return golfers;
  };
  return a.Count() == b.Count() && sorted(a) == sorted(b);
}

}  // namespace

TGMaintForm::TGMaintForm(QWidget* parent)
    : FwMaintForm(parent, "GolferListBox", QStringLiteral("Golfer"),
                  QStringLiteral("Save changes made to golfers?")) {
  setObjectName(QStringLiteral("GMaintForm"));
  setWindowTitle(QStringLiteral("Golfer Maintenance"));
  List->setAccessibleName(QStringLiteral("Golfers"));

  UsePlacement("GMaintForm", {383, 122, 115, 552});

  // A golfer list that cannot be read stops the opening (the error is shown by
  // the caller): a window holding part of the list could save over the rest.
  fw::LoadGolferList(App().folder, Golfers, &GolfersSeen);
  TellPartialLoad(fw::kGolferListFile, GolfersSeen);
  saved_ = Golfers;
  FillList(0);
  SetChanged(false);
}

void TGMaintForm::FillList(int line) {
  fw::SortGolferList(Golfers);
  QStringList names;
  for (const fw::TGolferRec& golfer : Golfers) names << ToQt(golfer.LongName);
  FillLines(names, line);
}

void TGMaintForm::Reload() {
  const int line = SelectedLine();
  const std::string selected = line > 0 ? Golfers[line].ShortName.str() : std::string();
  fw::GolferTable fresh;
  fw::FileSnapshot seen;
  fw::LoadGolferList(App().folder, fresh, &seen);
  TellPartialLoad(fw::kGolferListFile, seen);
  Golfers = std::move(fresh);
  GolfersSeen = std::move(seen);
  saved_ = Golfers;
  fw::SortGolferList(Golfers);
  FillList(std::max(PositionOf(Golfers, selected), 1));
  SetChanged(false);
}

void TGMaintForm::UpdateChanged() {
  SetChanged(!SameGolfers(Golfers, saved_));
}

bool TGMaintForm::NameDialogOpenHere() const {
  TGNameForm* dialog = TGNameForm::Instance();
  return dialog && dialog->Opener() == this && dialog->isVisible();
}

std::vector<fw::TGolferRec> TGMaintForm::OtherGolfers(int except) const {
  std::vector<fw::TGolferRec> others;
  for (int i = 1; i <= Golfers.Count(); ++i)
    if (i != except) others.push_back(Golfers[i]);
  return others;
}

void TGMaintForm::AddButtonClick() {
  if (Golfers.Full()) {
    Warn(QString::fromLatin1(fw::kGolferLimitWarning));
    return;
  }
  TGNameForm* dialog = TGNameForm::Instance();
  EditedGolfer = 0;
  dialog->Fill(TGNameForm::Mode::kAdd, fw::TGolferRec{}, OtherGolfers(0));
  awaitingNameDialog_ = true;
  dialog->ShowFor(this);
}

void TGMaintForm::ModifyButtonClick() {
  int p = SelectedLine();
  if (p == 0) return;
  TGNameForm* dialog = TGNameForm::Instance();
  EditedGolfer = p;
  dialog->Fill(TGNameForm::Mode::kEdit, Golfers[p], OtherGolfers(p));
  awaitingNameDialog_ = true;
  dialog->ShowFor(this);
}

void TGMaintForm::FormActivate() {
  TGNameForm* dialog = TGNameForm::Instance();
  if (!awaitingNameDialog_ || !dialog || dialog->Opener() != this) {
    // Nothing of this window's own is waiting: a list changed meanwhile by
    // another window or copy is shown as it is now, unless this window holds
    // changes of its own (its save then says that the file has changed).
    if (!Changed && !App().folder.Unchanged(fw::kGolferListFile, GolfersSeen)) Reload();
    return;
  }
  const std::optional<fw::TGolferRec> confirmed = dialog->TakeConfirmed(this);
  if (!confirmed && dialog->isVisible()) return;  // not answered yet
  // Cleared before anything else, so that an activation caused by a message
  // shown below finds nothing left to do.
  awaitingNameDialog_ = false;
  if (confirmed) TakeNameDialogResult(*confirmed);
  FillList(EditedGolfer);
}

void TGMaintForm::TakeNameDialogResult(const fw::TGolferRec& confirmed) {
  std::string longName = confirmed.LongName.str();
  std::string shortName = confirmed.ShortName.str();
  const int sex = confirmed.Sex;

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
    if (Golfers.Full()) {
      Warn(QString::fromLatin1(fw::kGolferLimitWarning));
      return;
    }
    Golfers.Append(fw::TGolferRec{longName, shortName, std::max(sex, 0)});
    EditedGolfer = Golfers.Count();
  }
  UpdateChanged();
}

std::string TGMaintForm::RenameScoreFile(int index, const std::string& wanted) {
  const std::string old = Golfers[index].ShortName.str();
  bool renamed = false;
  try {
    renamed = fw::RenameGolfer(App().folder, old, wanted, GolfersSeen);
  } catch (const fw::FileError& error) {
    // The file, or the list, said why; the golfer keeps his name.
    Inform(ToQt(error.what()) +
           QStringLiteral(" The golfer keeps the short name %1.").arg(ToQt(old)));
    TGNameForm::Instance()->KeepShortName(ToQt(old));
    return old;
  }
  if (!renamed) {
    Inform(QStringLiteral("ERROR: Unable to rename golfer file!  Try a different name."));
    TGNameForm::Instance()->KeepShortName(ToQt(old));
    return old;
  }

  // The golfer list file already holds the new name.
  if (const int i = PositionOf(saved_, old)) saved_[i].ShortName = wanted;
  return wanted;
}

void TGMaintForm::DeleteButtonClick() {
  int p = SelectedLine();
  if (p == 0) return;
  // The dialog may be changing this very golfer; finish that first.
  if (NameDialogOpenHere()) {
    TGNameForm::Instance()->raise();
    TGNameForm::Instance()->activateWindow();
    return;
  }
  const std::string shortName = Golfers[p].ShortName.str();
  const std::string fileName = fw::ScoreFileName(shortName);
  if (!AskYesNo(
          QStringLiteral("Are you sure you want to delete this golfer along with score file \"") +
          ToQt(fileName) + QStringLiteral("\"?")))
    return;
  // The golfer leaves the golfer list file and his score file goes, at once,
  // whatever becomes of this window's other changes.
  fw::DeleteGolfer(App().folder, shortName, GolfersSeen);
  if (const int i = PositionOf(saved_, shortName)) saved_.Delete(i);
  Golfers.Delete(p);
  RemoveLine(p);
  UpdateChanged();
}

bool TGMaintForm::SaveChanges() {
  return SaveOrOfferReload(
      [this] {
        fw::SaveGolferList(App().folder, Golfers, GolfersSeen);
        saved_ = Golfers;
        SetChanged(false);
      },
      [this] { Reload(); });
}

void TGMaintForm::FormClose() {
  // The name dialog works for this window only; it goes when the window goes.
  if (NameDialogOpenHere()) TGNameForm::Instance()->Withdraw();

  awaitingNameDialog_ = false;
}
