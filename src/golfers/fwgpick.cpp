#include "golfers/fwgpick.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "data/limitmessages.h"
#include "data/textutil.h"
#include "golfers/fwgolfer.h"
#include "golfers/fwimport.h"
#include "golfers/fwprogress.h"
#include "handicap/fwindex.h"
#include "handicap/handicapindex.h"
#include "reports/fwhndicp.h"
#include "reports/fwprthdp.h"
#include "reports/fwreport.h"
#include "reports/golfhistory.h"
#include "scores/fwscore.h"
#include "scores/fwsgroup.h"
#include "scores/roundstore.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::FromQt;
using fw::ui::ToQt;

int TGPickForm::SelectedGolfer = 0;

namespace {

fw::IndexGolfer IndexGolferOf(const fw::TGolferRec& golfer) {
  return {golfer.LongName.str(), golfer.Sex};
}

}  // namespace

TGPickForm::TGPickForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GPickForm"));
  setWindowTitle(QStringLiteral("Golfer List"));

  QWidget* client = NewClientArea();
  auto* columns = new QHBoxLayout(client);

  GolferListBox = fw::ui::NamedList(client, "GolferListBox");
  GolferListBox->setAccessibleName(QStringLiteral("Golfers"));
  columns->addWidget(GolferListBox, 1);

  auto* side = new QVBoxLayout;
  AddAScoreButton = fw::ui::NamedButton(client, "AddAScoreButton", QStringLiteral("Add a Score"));
  AddGroupButton =
      fw::ui::NamedButton(client, "AddGroupButton", QStringLiteral("Add Group of Scores"));
  EditScoresButton =
      fw::ui::NamedButton(client, "EditScoresButton", QStringLiteral("Edit/View Scores"));
  IndexButton = fw::ui::NamedButton(client, "IndexButton", QStringLiteral("Calculate Index"));
  HandicapButton = fw::ui::NamedButton(client, "HandicapButton", QStringLiteral("Course Handicap"));
  PrintScoresButton =
      fw::ui::NamedButton(client, "PrintScoresButton", QStringLiteral("Print Scores"));
  PrintHandicapButton =
      fw::ui::NamedButton(client, "PrintHandicapButton", QStringLiteral("Print Handicaps"));
  ProgressButton = fw::ui::NamedButton(client, "ProgressButton", QStringLiteral("Progress"));
  ExitButton = fw::ui::NamedButton(client, "ExitButton", QStringLiteral("Exit"));
  for (QPushButton* button :
       {AddAScoreButton, AddGroupButton, EditScoresButton, IndexButton, HandicapButton,
        PrintScoresButton, PrintHandicapButton, ProgressButton, ExitButton})
    side->addWidget(button);
  side->addStretch();
  chkUseMaxIndex = new QCheckBox(QStringLiteral("Use Maximum Index Rule"), client);
  chkUseMaxIndex->setObjectName(QStringLiteral("chkUseMaxIndex"));
  side->addWidget(chkUseMaxIndex);
  Label1 = new QLabel(QStringLiteral("(36.4 for men, 40.4 for women)"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  side->addWidget(Label1);
  columns->addLayout(side);

  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("&Exit"), [this] { ExitButtonClick(); });
  QMenu* activities = AddMenu("Activities1", QStringLiteral("&Activities"));
  AddaScore1 = AddMenuItem(activities, "AddaScore1", QStringLiteral("&Add a Score"),
                           [this] { AddAScore(); });
  AddaGroupofScores1 =
      AddMenuItem(activities, "AddaGroupofScores1", QStringLiteral("Add a &Group of Scores"),
                  [this] { AddGroupOfScores(); });
  EditViewScores1 = AddMenuItem(activities, "EditViewScores1", QStringLiteral("&Edit/View Scores"),
                                [this] { EditScores(); });
  activities->addSeparator()->setObjectName(QStringLiteral("N1"));
  CalculateIndex1 = AddMenuItem(activities, "CalculateIndex1", QStringLiteral("Calculate &Index"),
                                [this] { CalculateIndex(); });
  CalculateHandicap1 =
      AddMenuItem(activities, "CalculateHandicap1", QStringLiteral("Calculate &Handicap"),
                  [this] { CourseHandicap(); });
  activities->addSeparator()->setObjectName(QStringLiteral("N2"));
  PrintScores1 = AddMenuItem(activities, "PrintScores1", QStringLiteral("Print &Scores"),
                             [this] { PrintScores(); });
  PrintHandicaps1 = AddMenuItem(activities, "PrintHandicaps1", QStringLiteral("Print Ha&ndicaps"),
                                [this] { PrintHandicaps(); });
  activities->addSeparator()->setObjectName(QStringLiteral("N3"));
  Progress1 =
      AddMenuItem(activities, "Progress1", QStringLiteral("&Progress"), [this] { Progress(); });
  ExportRounds1 = AddMenuItem(activities, "ExportRounds1", QStringLiteral("E&xport Rounds..."),
                              [this] { ExportRounds(); });
  // "&I" is Calculate Index's already.
  ImportRounds1 = AddMenuItem(activities, "ImportRounds1", QStringLiteral("I&mport Rounds..."),
                              [this] { ImportRounds(); });

  OnClick(AddAScoreButton, [this] { AddAScore(); });
  OnClick(AddGroupButton, [this] { AddGroupOfScores(); });
  OnClick(EditScoresButton, [this] { EditScores(); });
  OnClick(IndexButton, [this] { CalculateIndex(); });
  OnClick(HandicapButton, [this] { CourseHandicap(); });
  OnClick(PrintScoresButton, [this] { PrintScores(); });
  OnClick(PrintHandicapButton, [this] { PrintHandicaps(); });
  OnClick(ProgressButton, [this] { Progress(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });
  OnDoubleClick(GolferListBox, [this] { EditScores(); });

  // Creation steps.
  UsePlacement("GPickForm", {385, 113, 103, 572});
  chkUseMaxIndex->setChecked(App().UseMaxIndex);
  FollowRules();
  connect(&fw::ui::Events(), &fw::ui::DataEvents::SettingsChanged, this, &TGPickForm::FollowRules);
  LoadGolfers();
  ActivityMode = Activity::kNone;
  // Selected at once too, so that the list has its line even on a platform
  // that does not activate a newly shown window.
  SelectRememberedGolfer();
}

void TGPickForm::FollowRules() {
  const bool whs = App().Rules == fw::HandicapRules::kWhs;
  const QString why = whs ? QStringLiteral(
                                "Under the World Handicap System the maximum index is 54.0 for "
                                "everyone; this rule does not apply.")
                          : QString();
  for (QWidget* widget : {static_cast<QWidget*>(chkUseMaxIndex), static_cast<QWidget*>(Label1)}) {
    widget->setEnabled(!whs);
    widget->setToolTip(why);
  }
}

void TGPickForm::SelectRememberedGolfer() {
  fw::ui::SelectLine(GolferListBox, SelectedGolfer);
}

void TGPickForm::LoadGolfers() {
  const std::string selected = SelectedGolfer >= 1 && SelectedGolfer <= Golfers.Count()
                                   ? Golfers[SelectedGolfer].ShortName.str()
                                   : std::string();
  fw::ui::LoadSortedGolfers(Golfers, GolfersSeen);
  GolferListBox->clear();
  for (const fw::TGolferRec& golfer : Golfers) GolferListBox->addItem(ToQt(golfer.LongName));
  if (selected.empty()) return;
  for (int i = 1; i <= Golfers.Count(); ++i)
    if (Golfers[i].ShortName == selected) SelectedGolfer = i;
}

void TGPickForm::FormActivate() {
  // Golfers added, renamed or deleted meanwhile in golfer maintenance, or by
  // another copy, are offered as they are now.
  if (!App().folder.Unchanged(fw::kGolferListFile, GolfersSeen)) LoadGolfers();
  SelectRememberedGolfer();
}

void TGPickForm::FormClose() {
  App().UseMaxIndex = chkUseMaxIndex->isChecked();
  fw::ui::Settings().WriteFlag("Settings", "UseMaxIndex", App().UseMaxIndex);
}

bool TGPickForm::SettleUnsavedChanges() {
  FormClose();
  return true;
}

const fw::TGolferRec* TGPickForm::StartActivity(bool selectsGolfer) {
  const QList<QListWidgetItem*> selected = GolferListBox->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const int line = GolferListBox->row(selected.first()) + 1;
  if (line < 1 || line > Golfers.Count()) return nullptr;
  App().UseMaxIndex = chkUseMaxIndex->isChecked();
  if (selectsGolfer) SelectedGolfer = line;
  return &Golfers[line];
}

void TGPickForm::LoadScoresOf(const fw::TGolferRec& golfer) {
  fw::LoadScoreFile(App().folder, fw::ScoreFileName(golfer.ShortName), Scores);
  fw::SortScores(Scores);
}

void TGPickForm::AddAScore() {
  const fw::TGolferRec* golfer = StartActivity(true);
  TScoreForm* entry = TScoreForm::Instance();
  if (!golfer || !entry) return;
  ActivityMode = Activity::kAddScore;
  LoadScoresOf(*golfer);
  if (Scores.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kScoreLimitWarning) +
                 QString::fromLatin1(fw::kDoNotDeleteThose));
    return;
  }
  fw::NoIndexOutput none;
  const fw::IndexResult index =
      fw::ComputeIndex(Scores, IndexGolferOf(*golfer), none, fw::ui::IndexOptionsNow());
  if (!entry->PrepareNewRound(ToQt(golfer->LongName), ToQt(fw::FormatIndexOrNh(index)))) return;
  // The round is stored for the golfer it was begun for, in his file as it is
  // when the round is confirmed, whatever this window does in between.
  entry->ShowFor(this, [golfer = *golfer](const fw::TScoreRec& round) {
    return fw::ui::StoreConfirmedRound(golfer, round);
  });
}

void TGPickForm::AddGroupOfScores() {
  // The group window works on the whole golfer list, whatever is selected
  // here. A round still being entered after Add a Score stays this window's
  // until the group window shows the score entry window itself.
  App().UseMaxIndex = chkUseMaxIndex->isChecked();
  ActivityMode = Activity::kAddGroup;
  auto* group = new TGroupOfScoresForm;
  group->setAttribute(Qt::WA_DeleteOnClose);
  group->ShowFor(this);
}

void TGPickForm::EditScores() {
  const fw::TGolferRec* golfer = StartActivity(true);
  TGolferForm* scoreList = TGolferForm::Instance();
  if (!golfer || !scoreList) return;
  if (!scoreList->ShowGolfer(ToQt(fw::ScoreFileName(golfer->ShortName)), ToQt(golfer->LongName),
                             golfer->Sex, this))
    return;
  ActivityMode = Activity::kEditScores;
}

void TGPickForm::CalculateIndex() {
  const fw::TGolferRec* golfer = StartActivity(true);
  if (!golfer) return;
  ActivityMode = Activity::kCalculateIndex;
  LoadScoresOf(*golfer);
  fw::IndexDialogFields lines;
  fw::ComputeIndex(Scores, IndexGolferOf(*golfer), lines, fw::ui::IndexOptionsNow());
  auto* dialog = new TIndexForm;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->SetLines(lines);
  dialog->ShowFor(this);
}

void TGPickForm::CourseHandicap() {
  const fw::TGolferRec* golfer = StartActivity(true);
  if (!golfer) return;
  ActivityMode = Activity::kCourseHandicap;
  LoadScoresOf(*golfer);
  fw::NoIndexOutput none;
  const fw::IndexResult index =
      fw::ComputeIndex(Scores, IndexGolferOf(*golfer), none, fw::ui::IndexOptionsNow());
  auto* window = new THandicapForm;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->ShowGolfer(ToQt(golfer->LongName), ToQt(fw::CutAtNul(golfer->ShortName)),
                     ToQt(fw::FormatIndexOrNh(index)), this);
}

void TGPickForm::PrintScores() {
  const fw::TGolferRec* chosen = StartActivity(true);
  if (!chosen) return;
  const fw::TGolferRec golfer = *chosen;
  const std::string shortName = fw::CutAtNul(golfer.ShortName);
  fw::ui::RunReport(this, fw::GolfHistoryDestination(shortName), ToQt(shortName + ".pdf"),
                    [this, &golfer] {
                      LoadScoresOf(golfer);
                      return fw::GolfHistoryLines(Scores, golfer, fw::ui::IndexOptionsNow());
                    });
}

void TGPickForm::PrintHandicaps() {
  // The dialog works on the whole golfer list, whatever is selected here.
  App().UseMaxIndex = chkUseMaxIndex->isChecked();
  auto* dialog = new TPrintHandicapsDlg;
  if (!dialog->Loaded()) {
    delete dialog;
    return;
  }
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->ShowFor(this);
}

void TGPickForm::Progress() {
  const fw::TGolferRec* golfer = StartActivity(true);
  if (!golfer) return;
  LoadScoresOf(*golfer);
  TProgressForm::Open(ToQt(golfer->LongName), golfer->Sex, ToQt(fw::CutAtNul(golfer->ShortName)),
                      Scores, this);
}

void TGPickForm::ExportRounds() {
  const fw::TGolferRec* golfer = StartActivity(true);
  if (!golfer) return;
  LoadScoresOf(*golfer);
  fw::ui::ExportGolferRounds(this, IndexGolferOf(*golfer), golfer->ShortName.str(), Scores);
}

void TGPickForm::ImportRounds() {
  const fw::TGolferRec* golfer = StartActivity(true);
  if (!golfer) return;
  fw::ui::ImportRounds(*golfer, this);
}

void TGPickForm::ExitButtonClick() {
  close();
}
