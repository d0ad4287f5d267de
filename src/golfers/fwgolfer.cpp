#include "golfers/fwgolfer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QVBoxLayout>

#include "data/convert.h"
#include "data/limitmessages.h"
#include "data/textutil.h"
#include "golfers/fwimport.h"
#include "golfers/fwprogress.h"
#include "handicap/fwindex.h"
#include "handicap/handicapindex.h"
#include "handicap/scoreeval.h"
#include "reports/fwhndicp.h"
#include "scores/fwscore.h"
#include "scores/roundstore.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::FromQt;
using fw::ui::ToQt;

namespace {

const QString kSaveQuestion = QStringLiteral("Save changes made to scores?");

// Blanks in front of the date of a list line: the mark, a blank, three
// characters of position and a blank. The column header starts there.
constexpr int kDateColumn = 6;

}  // namespace

namespace {
QPointer<TGolferForm>& SharedInstance() {
  static QPointer<TGolferForm> instance;
  return instance;
}
}  // namespace

TGolferForm::TGolferForm(QWidget* parent) : FwForm(parent) {
  setObjectName(QStringLiteral("GolferForm"));
  setWindowTitle(QStringLiteral("Golfer"));

  QWidget* client = NewClientArea();
  auto* rows = new QVBoxLayout(client);

  GolferName = fw::ui::HiddenField(client, "GolferName");
  GolferSex = fw::ui::HiddenField(client, "GolferSex");

  auto* top = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("Scores for "), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  GolferName2 = fw::ui::ReadOnlyField(client, "GolferName2");
  Label2 = new QLabel(QStringLiteral("Index:"), client);
  Label2->setObjectName(QStringLiteral("Label2"));
  IndexField = fw::ui::ReadOnlyField(client, "IndexField");
  Label1->setBuddy(GolferName2);
  Label2->setBuddy(IndexField);
  IndexField->setMaximumWidth(IndexField->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              16);
  top->addWidget(Label1);
  top->addWidget(GolferName2, 1);
  top->addSpacing(20);
  top->addWidget(Label2);
  top->addWidget(IndexField);
  rows->addLayout(top);

  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  Label3 = new QLabel(QStringLiteral("Date       Score AGS  Rating Slope  Diff  Course"), client);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(fixed);
  ScoresListBox = fw::ui::NamedList(client, "ScoresListBox");
  ScoresListBox->setAccessibleName(QStringLiteral("Scores"));
  ScoresListBox->setFont(fixed);
  // The header starts where the dates of the list lines start.
  const int textMargin =
      ScoresListBox->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ScoresListBox) + 1;
  Label3->setIndent(ScoresListBox->frameWidth() + textMargin +
                    QFontMetrics(fixed).horizontalAdvance(QString(kDateColumn, QLatin1Char(' '))));
  rows->addWidget(Label3);
  rows->addWidget(ScoresListBox, 1);
  Label4 = new QLabel(QStringLiteral("* = Used to calculate index   I = Incomplete score"), client);
  Label4->setObjectName(QStringLiteral("Label4"));
  rows->addWidget(Label4);

  auto* buttons = new QHBoxLayout;
  AddButton = fw::ui::NamedButton(client, "AddButton", QStringLiteral("Add A Score"));
  ModifyButton = fw::ui::NamedButton(client, "ModifyButton", QStringLiteral("Modify Score"));
  DeleteButton = fw::ui::NamedButton(client, "DeleteButton", QStringLiteral("Delete Score"));
  SaveButton = fw::ui::NamedButton(client, "SaveButton", QStringLiteral("Save"));
  ProgressButton = fw::ui::NamedButton(client, "ProgressButton", QStringLiteral("Progress"));
  ExitButton = fw::ui::NamedButton(client, "ExitButton", QStringLiteral("Exit"));
  for (QPushButton* button :
       {AddButton, ModifyButton, DeleteButton, SaveButton, ProgressButton, ExitButton})
    buttons->addWidget(button);
  rows->addLayout(buttons);

  menuBar()->setObjectName(QStringLiteral("GolferMenu"));
  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  // "x" is Exit's already.
  ExportRounds1 = AddMenuItem(file, "ExportRounds1", QStringLiteral("&Export Rounds..."),
                              [this] { ExportRounds1Click(); });
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), [this] { Exit1Click(); });
  QMenu* calculate = AddMenu("Calculate1", QStringLiteral("&Calculate"));
  Index1 = AddMenuItem(calculate, "Index1", QStringLiteral("&Index"), [this] { Index1Click(); });
  Handicap1 = AddMenuItem(calculate, "Handicap1", QStringLiteral("&Handicap"),
                          [this] { Handicap1Click(); });
  Progress1 = AddMenuItem(calculate, "Progress1", QStringLiteral("&Progress"),
                          [this] { ProgressButtonClick(); });

  OnClick(AddButton, [this] { AddButtonClick(); });
  OnClick(ModifyButton, [this] { ModifyButtonClick(); });
  OnClick(DeleteButton, [this] { DeleteButtonClick(); });
  OnClick(SaveButton, [this] { SaveButtonClick(); });
  OnClick(ProgressButton, [this] { ProgressButtonClick(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });
  OnDoubleClick(ScoresListBox, [this] { ModifyButtonClick(); });

  // Creation steps.
  UsePlacement("GolferForm", {422, 83, 103, 634});
  ScoresChanged = false;
  SaveButton->setEnabled(false);
  connect(&fw::ui::Events(), &fw::ui::DataEvents::RoundStored, this,
          &TGolferForm::RoundStoredElsewhere);
  // The index, the marks and the differentials under the rules now chosen.
  connect(&fw::ui::Events(), &fw::ui::DataEvents::SettingsChanged, this, [this] {
    if (isVisible()) fw::ui::Guarded([this] { Refresh(SelectedPosition()); });
  });
  connect(&fw::ui::Events(), &fw::ui::DataEvents::ScoreFileReplaced, this,
          &TGolferForm::ScoreFileReplaced);
}

QString TGolferForm::ScoreLine(const fw::TScoreRec& round, int n, bool used) {
  std::string line;
  line += used ? '*' : (fw::IsCompleteScore(round) ? ' ' : 'I');
  line += ' ';
  line += fw::PadRight(fw::IntToStr(n), 3);
  line += ' ';
  line += fw::StoredDateToDisplay(round.Date, App().Order);
  line += "  " + fw::PadLeft(round.TotalScore, 3);
  line += "  " + fw::PadLeft(round.AdjustedScore, 3);
  line += "  " + fw::PadRight(round.Rating, 4);
  line += "   " + fw::PadRight(round.Slope, 3);
  line += "   " + fw::RoundDifferentialText(round, App().Rules);
  // The course name padded to 30 and cut to its first 25 characters.
  line += "   " + fw::PadRight(round.CourseName, 25);
  return ToQt(line);
}

bool TGolferForm::ShowGolfer(const QString& fileName, const QString& longName, int sex,
                             fw::ui::FwForm* opener) {
  const QString sexText = sex == 1 ? QStringLiteral("1") : QStringLiteral("0");
  if (!isVisible()) {
    GolferName->setText(fileName);
    GolferName2->setText(longName);
    GolferSex->setText(sexText);
    ShowFor(opener);  // the showing loads the file
    // The list is filled on activation; a platform that does not activate a
    // newly shown window at once still gets it filled now.
    if (!isActiveWindow()) RunFormActivate();
    return true;
  }
  const bool sameGolfer = GolferName->text().compare(fileName, Qt::CaseInsensitive) == 0 &&
                          GolferName2->text() == longName;
  if (sameGolfer) {
    ShowFor(opener);
    return true;
  }
  // The rounds on show belong to another golfer: settle them before they are
  // replaced, so that they are never saved under the new file name.
  if (!SettleUnsavedChanges()) return false;
  GolferName->setText(fileName);
  GolferName2->setText(longName);
  GolferSex->setText(sexText);
  LoadGolfer();
  ShowFor(opener);
  RunFormActivate();
  return true;
}

void TGolferForm::LoadGolfer() {
  setWindowTitle(QStringLiteral("Golfer - ") + GolferName2->text());
  ScoresListBox->clear();
  IndexField->clear();
  fw::ui::UiMessenger messenger;
  const std::string fileName = FromQt(GolferName->text());
  fw::LoadScoreFileOrReport(App().folder, fileName, Scores, messenger, &ScoresSeen);
  fw::ui::TellPartialLoad(fileName, ScoresSeen);
  fw::SortScores(Scores);
  ScoresChanged = false;
  SaveButton->setEnabled(false);
  EditedScore = -1;
}

void TGolferForm::RoundStoredElsewhere(const QString& fileName, const fw::TScoreRec& round,
                                       const fw::FileSnapshot& before,
                                       const fw::FileSnapshot& after) {
  if (!isVisible() || GolferName->text().compare(fileName, Qt::CaseInsensitive) != 0) return;
  // A window that had read something else, or holds part of the file, keeps
  // what it has: its save says that the file has changed.
  if (!ScoresSeen.SameFileAs(before) || ScoresSeen.Partial()) return;
  const int pending = EditedScore;  // a round sent for changing is still expected back
  if (!ScoresChanged) {
    LoadGolfer();
    EditedScore = pending;
    Refresh(-1);
    return;
  }
  if (Scores.Full()) return;
  // The round changed in the score entry window keeps its place in the table.
  const std::optional<fw::TScoreRec> edited =
      pending > 0 && pending <= Scores.Count() ? std::optional(Scores[pending]) : std::nullopt;
  Scores.Append(round);
  fw::SortScores(Scores);
  ScoresSeen = after;
  if (edited) {
    for (int i = 1; i <= Scores.Count(); ++i)
      if (Scores[i] == *edited) {
        EditedScore = i;
        break;
      }
  }
  Refresh(SelectedPosition());
}

void TGolferForm::ScoreFileReplaced(const QString& fileName, const fw::FileSnapshot& before,
                                    const fw::FileSnapshot&) {
  if (!isVisible() || GolferName->text().compare(fileName, Qt::CaseInsensitive) != 0) return;
  if (ScoresChanged || EditedScore != -1 || !ScoresSeen.SameFileAs(before) || ScoresSeen.Partial())
    return;
  LoadGolfer();
  Refresh(-1);
}

void TGolferForm::FormShow() {
  LoadGolfer();
}

void TGolferForm::Refresh(int select) {
  fw::NoIndexOutput none;
  fw::IndexOptions options = fw::ui::IndexOptionsNow();
  options.ScoreListLineA = true;
  const fw::IndexResult index = fw::ComputeIndex(
      Scores, {FromQt(GolferName2->text()), GolferSex->text() == QStringLiteral("1") ? 1 : 0}, none,
      options);
  // Every line is built before the list changes: a round whose numbers cannot
  // be read leaves the list as it was.
  QStringList lines;
  for (int n = 1; n <= Scores.Count(); ++n) {
    bool used = false;
    for (int k = 0; k < index.N; ++k)
      used = used || index.UsedScores[static_cast<std::size_t>(k)] == n;
    lines << ScoreLine(Scores[n], n, used);
  }
  IndexField->setText(ToQt(fw::TrimBlanks(fw::FormatIndexOrNh(index, 5))));
  ScoresListBox->clear();
  ScoresListBox->addItems(lines);
  if (select < 1) select = 1;
  if (select <= ScoresListBox->count()) {
    ScoresListBox->setCurrentRow(select - 1);
    ScoresListBox->item(select - 1)->setSelected(true);
  }
}

void TGolferForm::FormActivate() {
  // The line of the round just taken, else the one pending a change (the
  // first line when nothing is pending).
  Refresh(afterTake_ != 0 ? std::exchange(afterTake_, 0) : EditedScore);
}

bool TGolferForm::TakeRound(const fw::TScoreRec& round) {
  // A round confirmed with nothing pending here (its change was already
  // taken, or another golfer has been loaded since) is not stored.
  if (EditedScore == 0) {
    if (Scores.Full()) {
      fw::ui::TellRoundOverLimit();
      return false;
    }
    EditedScore = -1;
    Scores.Append(round);
    afterTake_ = -1;
  } else if (EditedScore > 0 && EditedScore <= Scores.Count()) {
    fw::TScoreRec changed = round;
    changed.IndexAtEntry = Scores[EditedScore].IndexAtEntry;
    Scores[EditedScore] = changed;
    afterTake_ = EditedScore;
    EditedScore = -1;
  } else {
    return true;
  }
  fw::SortScores(Scores);
  ScoresChanged = true;
  SaveButton->setEnabled(true);
  return true;
}

int TGolferForm::SelectedPosition() const {
  const QList<QListWidgetItem*> selected = ScoresListBox->selectedItems();
  if (selected.isEmpty()) return 0;
  const int p = ScoresListBox->row(selected.first()) + 1;
  return p <= Scores.Count() ? p : 0;
}

void TGolferForm::AddButtonClick() {
  TScoreForm* entry = TScoreForm::Instance();
  if (!entry) return;
  if (Scores.Full()) {
    fw::ui::Warn(QString::fromLatin1(fw::kScoreLimitWarning));
    return;
  }
  if (!entry->PrepareNewRound(GolferName2->text(), IndexField->text())) return;
  EditedScore = 0;
  entry->ShowFor(this, [this](const fw::TScoreRec& round) { return TakeRound(round); });
}

void TGolferForm::ModifyButtonClick() {
  TScoreForm* entry = TScoreForm::Instance();
  const int p = SelectedPosition();
  if (!entry || p == 0) return;
  if (!entry->PrepareStoredRound(GolferName2->text(), IndexField->text(), Scores[p])) return;
  EditedScore = p;
  entry->ShowFor(this, [this](const fw::TScoreRec& round) { return TakeRound(round); });
}

void TGolferForm::DeleteButtonClick() {
  const int p = SelectedPosition();
  if (p == 0) return;
  if (!fw::ui::AskYesNo(QStringLiteral("Are you sure you want to delete this score?"))) return;
  Scores.Delete(p);
  ScoresChanged = true;
  SaveButton->setEnabled(true);
  // A change pending for a round that moved up follows it; one pending for the
  // deleted round has nothing left to change.
  if (EditedScore == p)
    EditedScore = -1;
  else if (EditedScore > p)
    --EditedScore;
  Refresh(p);
}

void TGolferForm::SaveButtonClick() {
  SaveChanges();
}

bool TGolferForm::SaveChanges() {
  return SaveOrOfferReload(
      [this] {
        fw::SaveScoreFile(App().folder, FromQt(GolferName->text()), Scores, ScoresSeen);
        ScoresChanged = false;
        SaveButton->setEnabled(false);
      },
      [this] {
        LoadGolfer();
        Refresh(-1);
      });
}

bool TGolferForm::SettleUnsavedChanges() {
  return !ScoresChanged || AskToSaveChanges(kSaveQuestion, [this] { return SaveChanges(); });
}

bool TGolferForm::FormCloseQuery() {
  return SettleUnsavedChanges();
}

void TGolferForm::FormClose() {
  ScoresChanged = false;
  SaveButton->setEnabled(false);
}

void TGolferForm::ExitButtonClick() {
  close();
}

void TGolferForm::Exit1Click() {
  // Like the Exit button and the close box: unsaved rounds are asked about.
  ExitButtonClick();
}

void TGolferForm::Index1Click() {
  fw::IndexDialogFields lines;
  fw::IndexOptions options = fw::ui::IndexOptionsNow();
  options.ScoreListLineA = true;
  fw::ComputeIndex(Scores,
                   {FromQt(GolferName2->text()), GolferSex->text() == QStringLiteral("1") ? 1 : 0},
                   lines, options);
  auto* dialog = new TIndexForm;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->SetLines(lines);
  dialog->ShowFor(this);
}

void TGolferForm::Handicap1Click() {
  const QString fileName = GolferName->text();
  auto* window = new THandicapForm;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->ShowGolfer(GolferName2->text(), fileName.left(fileName.indexOf(QLatin1Char('.'))),
                     IndexField->text(), this);
}

fw::IndexGolfer TGolferForm::GolferShown() const {
  return {FromQt(GolferName2->text()), GolferSex->text() == QStringLiteral("1") ? 1 : 0};
}

void TGolferForm::ProgressButtonClick() {
  const fw::IndexGolfer golfer = GolferShown();
  TProgressForm::Open(GolferName2->text(), golfer.Sex, ShortNameShown(), Scores, this);
}

void TGolferForm::ExportRounds1Click() {
  fw::ui::ExportGolferRounds(this, GolferShown(), FromQt(ShortNameShown()), Scores);
}

QString TGolferForm::ShortNameShown() const {
  const QString fileName = GolferName->text();
  return fileName.left(fileName.indexOf(QLatin1Char('.')));
}

TGolferForm* TGolferForm::Instance() {
  return SharedInstance();
}

void TGolferForm::SetInstance(TGolferForm* instance) {
  SharedInstance() = instance;
}
