#include "scores/fwsgroup.h"

#include <QEvent>
#include <QMenuBar>
#include <QPalette>
#include <algorithm>
#include <tuple>

#include "data/limitmessages.h"
#include "handicap/handicapindex.h"
#include "scores/fwscore.h"
#include "scores/roundstore.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::ToQt;

namespace {

// The strip below the list that holds the buttons.
constexpr int kButtonStrip = 26;
constexpr int kButtonGap = 8;

}  // namespace

TGroupOfScoresForm::TGroupOfScoresForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GroupOfScoresForm"));
  setWindowTitle(QStringLiteral("Add A Group Of Scores"));

  client_ = NewClientArea();
  client_->setAutoFillBackground(true);
  QPalette white = client_->palette();
  white.setColor(QPalette::Window, Qt::white);
  client_->setPalette(white);
  GolferListBox = fw::ui::NamedList(client_, "GolferListBox");
  GolferListBox->setAccessibleName(QStringLiteral("Golfers"));
  AddAScoreButton = fw::ui::NamedButton(client_, "AddAScoreButton", QStringLiteral("Add a Score"));
  ExitButton = fw::ui::NamedButton(client_, "ExitButton", QStringLiteral("Exit"));
  client_->installEventFilter(this);

  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("&Exit"), [this] { ExitButtonClick(); });
  QMenu* activities = AddMenu("Activities1", QStringLiteral("&Activities"));
  AddaScore1 = AddMenuItem(activities, "AddaScore1", QStringLiteral("&Add a Score"),
                           [this] { AddAScore(); });

  OnClick(AddAScoreButton, [this] { AddAScore(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });
  OnDoubleClick(GolferListBox, [this] { AddAScore(); });

  // Creation steps.
  UsePlacement("GroupOfScoresForm", {383, 116, 112, 547});
  LoadGolfers();
  GroupMode = Mode::kNone;
  GroupCount = 0;
  // Selected at once too, for a platform that does not activate a newly
  // shown window.
  SelectGroupGolfer();
}

bool TGroupOfScoresForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) LayOutClientArea();
  return FwForm::eventFilter(watched, event);
}

void TGroupOfScoresForm::LayOutClientArea() {
  const int width = client_->width();
  const int listHeight = std::max(0, client_->height() - kButtonStrip);
  GolferListBox->setGeometry(0, 0, width, listHeight);
  const int buttonHeight = std::min(AddAScoreButton->sizeHint().height(), kButtonStrip - 2);
  const int top = listHeight + (kButtonStrip - buttonHeight) / 2;
  int left = kButtonGap;
  for (QPushButton* button : {AddAScoreButton, ExitButton}) {
    const int buttonWidth = std::max(button->sizeHint().width(), 90);
    button->setGeometry(left, top, buttonWidth, buttonHeight);
    left += buttonWidth + kButtonGap;
  }
}

void TGroupOfScoresForm::SelectGroupGolfer() {
  fw::ui::SelectLine(GolferListBox, GroupGolfer);
}

void TGroupOfScoresForm::KeepDateAndCourse() {
  TScoreForm* entry = TScoreForm::Instance();
  if (!entry || entry->Opener() != this) return;
  std::tie(keptDate_, keptCourse_) = entry->DateAndCourse();
}

void TGroupOfScoresForm::LoadGolfers() {
  const std::string served = GroupGolfer >= 1 && GroupGolfer <= Golfers.Count()
                                 ? Golfers[GroupGolfer].ShortName.str()
                                 : std::string();
  fw::ui::LoadSortedGolfers(Golfers, GolfersSeen);
  GolferListBox->clear();
  for (const fw::TGolferRec& golfer : Golfers) GolferListBox->addItem(ToQt(golfer.LongName));
  if (served.empty()) return;
  GroupGolfer = 0;
  for (int i = 1; i <= Golfers.Count(); ++i)
    if (Golfers[i].ShortName == served) GroupGolfer = i;
}

void TGroupOfScoresForm::FormActivate() {
  KeepDateAndCourse();
  // Golfers added, renamed or deleted meanwhile are offered as they are now.
  if (!App().folder.Unchanged(fw::kGolferListFile, GolfersSeen)) LoadGolfers();
  SelectGroupGolfer();
}

void TGroupOfScoresForm::AddAScore() {
  const QList<QListWidgetItem*> selected = GolferListBox->selectedItems();
  TScoreForm* entry = TScoreForm::Instance();
  if (selected.isEmpty() || !entry) return;
  const int line = GolferListBox->row(selected.first()) + 1;
  if (line < 1 || line > Golfers.Count()) return;
  GroupGolfer = line;
  const fw::TGolferRec golfer = Golfers[line];
  fw::LoadScoreFile(App().folder, fw::ScoreFileName(golfer.ShortName), Scores);
  fw::SortScores(Scores);
  if (Scores.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kScoreLimitWarning));
    return;
  }
  fw::NoIndexOutput none;
  fw::IndexOptions options = fw::ui::IndexOptionsNow();
  const fw::IndexResult index =
      fw::ComputeIndex(Scores, {golfer.LongName.str(), golfer.Sex}, none, options);
  const QString name = ToQt(golfer.LongName);
  const QString indexText = ToQt(fw::FormatIndexOrNh(index));

  if (GroupCount == 0) {
    // The first golfer of the group: today, no course.
    if (!entry->PrepareFirstGroupRound(name, indexText)) return;
  } else {
    KeepDateAndCourse();
    if (!entry->PrepareNextGroupRound(name, indexText, keptDate_, keptCourse_)) return;
  }
  GroupMode = Mode::kAdding;
  ++GroupCount;
  std::tie(keptDate_, keptCourse_) = entry->DateAndCourse();
  // The round is stored for this golfer, in his file as it is when the round
  // is confirmed.
  entry->ShowFor(this, [golfer](const fw::TScoreRec& round) {
    return fw::ui::StoreConfirmedRound(golfer, round);
  });
}

void TGroupOfScoresForm::FormClose() {
  // Closing by the close box is the same as Exit: a round still being entered
  // is no longer taken over by this window.
  GroupMode = Mode::kNone;
  if (TScoreForm* entry = TScoreForm::Instance(); entry && entry->Opener() == this)
    entry->SetOpener(nullptr);
  Golfers.Clear();
  Scores.Clear();
}

void TGroupOfScoresForm::ExitButtonClick() {
  close();
}
