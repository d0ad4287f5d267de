#include "golfers/fwimport.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <utility>

#include "data/textutil.h"
#include "help/fwhelp.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwfiledialog.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::ToQt;

namespace {

// A golfer's export of 200 rounds is some 40 KB; a file far beyond that is no
// file of rounds, and is not read into memory.
constexpr std::size_t kMaxCsvBytes = 16u << 20;

const QString kCsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");

// The figures of each round under the options every index is computed with
// now; `scores` is sorted newest first.
std::vector<fw::RoundFigures> FiguresNow(const fw::ScoreTable& scores,
                                         const fw::IndexGolfer& golfer) {
  fw::ScoreTable counted = scores;
  fw::NoIndexOutput none;
  return fw::RoundFiguresOf(scores,
                            fw::ComputeIndex(counted, golfer, none, fw::ui::IndexOptionsNow()));
}

// The golfer's score file, sorted newest first, with what was read of it.
fw::ScoreTable LoadSorted(const fw::TGolferRec& golfer, fw::FileSnapshot& seen) {
  const std::string fileName = fw::ScoreFileName(golfer.ShortName);
  fw::ScoreTable scores;
  try {
    fw::LoadScoreFile(App().folder, fileName, scores, seen);
  } catch (const fw::MissingFileError&) {
    throw fw::FileError(fileName + ", the score file of " + fw::CutAtNul(golfer.LongName) +
                        ", was not found.");
  }
  fw::ui::TellPartialLoad(fileName, seen);
  fw::SortScores(scores);
  return scores;
}

QString Rounds(std::size_t n) {
  return n == 1 ? QStringLiteral("1 round") : QStringLiteral("%1 rounds").arg(n);
}

QString LineText(int line) {
  return QStringLiteral("Line %1: ").arg(line);
}

QListWidget* FixedPitchList(QWidget* parent, const char* name) {
  QListWidget* list = fw::ui::NamedList(parent, name);
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setSelectionMode(QAbstractItemView::NoSelection);
  return list;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

namespace fw::ui {

void ExportGolferRounds(QWidget* parent, const fw::IndexGolfer& golfer,
                        const std::string& shortName, const fw::ScoreTable& scores) {
  ExportCsvFile(parent, QStringLiteral("Export Rounds - ") + ToQt(golfer.LongName),
                ToQt(fw::CutAtNul(shortName)) + QStringLiteral(".csv"), QStringLiteral("Rounds"),
                [&] { return fw::GolferRoundsCsv(scores, FiguresNow(scores, golfer)); });
}

void ExportClubRounds(QWidget* parent) {
  ExportCsvFile(
      parent, QStringLiteral("Export Club"), QStringLiteral("club.csv"), QStringLiteral("Rounds"),
      [] {
        fw::GolferTable golfers;
        fw::FileSnapshot listSeen;
        fw::LoadGolferList(App().folder, golfers, &listSeen);
        TellPartialLoad(fw::kGolferListFile, listSeen);
        fw::SortGolferList(golfers);
        fw::ClubRoundsCsv csv;
        for (const fw::TGolferRec& golfer : golfers) {
          fw::FileSnapshot seen;
          const fw::ScoreTable scores = LoadSorted(golfer, seen);
          csv.Add(golfer, scores, FiguresNow(scores, {fw::CutAtNul(golfer.LongName), golfer.Sex}));
        }
        return csv.Text();
      });
}

void ImportRounds(const fw::TGolferRec& golfer, FwForm* opener) {
  const QString path = AskOpenFileName(
      opener, QStringLiteral("Import Rounds - ") + ToQt(fw::CutAtNul(golfer.LongName)),
      PathText(App().folder.Dir()), kCsvFilter);
  if (path.isEmpty()) return;
  const std::string csv = ReadChosenFile(path, kMaxCsvBytes);
  fw::FileSnapshot seen;
  fw::ScoreTable stored = LoadSorted(golfer, seen);
  fw::ImportPlan plan = fw::PlanRoundImport(csv, stored);
  auto* preview = new TImportPreviewDlg;
  preview->setAttribute(Qt::WA_DeleteOnClose);
  preview->ShowPlan(golfer, path, std::move(stored), std::move(seen), std::move(plan), opener);
}

}  // namespace fw::ui

TImportPreviewDlg::TImportPreviewDlg(QWidget* parent) : FwDialog(parent) {
  setObjectName(QStringLiteral("ImportPreviewDlg"));
  setWindowTitle(QStringLiteral("Import Rounds"));

  QWidget* client = NewClientArea();
  auto* rows = new QVBoxLayout(client);
  SummaryLabel = NamedLabel(client, "SummaryLabel", {});
  SummaryLabel->setWordWrap(true);
  AddLabel = NamedLabel(client, "AddLabel", QStringLiteral("Rounds to add:"));
  AddListBox = FixedPitchList(client, "AddListBox");
  SkippedLabel = NamedLabel(client, "SkippedLabel", QStringLiteral("Skipped:"));
  SkippedListBox = FixedPitchList(client, "SkippedListBox");
  RefusedLabel = NamedLabel(client, "RefusedLabel", QStringLiteral("Refused:"));
  RefusedListBox = FixedPitchList(client, "RefusedListBox");
  // A label does not name a list for a screen reader; the lists carry names of their own.
  AddListBox->setAccessibleName(QStringLiteral("Rounds to add"));
  SkippedListBox->setAccessibleName(QStringLiteral("Skipped rows"));
  RefusedListBox->setAccessibleName(QStringLiteral("Refused rows"));
  rows->addWidget(SummaryLabel);

  rows->addWidget(AddLabel);
  rows->addWidget(AddListBox, 3);
  rows->addWidget(SkippedLabel);
  rows->addWidget(SkippedListBox, 1);
  rows->addWidget(RefusedLabel);
  rows->addWidget(RefusedListBox, 1);

  auto* buttons = new QHBoxLayout;
  ImportButton = fw::ui::NamedButton(client, "ImportButton", QStringLiteral("&Import"));
  CancelButton = fw::ui::NamedButton(client, "CancelButton", QStringLiteral("Cancel"));
  buttons->addStretch();
  buttons->addWidget(ImportButton);
  buttons->addWidget(CancelButton);
  rows->addLayout(buttons);

  OnClick(ImportButton, [this] { ImportButtonClick(); });
  OnClick(CancelButton, [this] { CancelButtonClick(); });
  CancelOnEscape(CancelButton);
  SetDefaultButton(ImportButton);

  resize(620, 520);
  CentreOnFirstShow();
}

void TImportPreviewDlg::ShowPlan(const fw::TGolferRec& golfer, const QString& csvPath,
                                 fw::ScoreTable stored, fw::FileSnapshot seen, fw::ImportPlan plan,
                                 fw::ui::FormBase* opener) {
  golfer_ = golfer;
  fileName_ = fw::ScoreFileName(golfer.ShortName);
  stored_ = std::move(stored);
  seen_ = std::move(seen);
  plan_ = std::move(plan);
  setWindowTitle(QStringLiteral("Import Rounds - ") + ToQt(fw::CutAtNul(golfer.LongName)));

  const fw::DateOrder order = App().Order;
  AddListBox->clear();
  for (const fw::ImportedRound& added : plan_.Add)
    AddListBox->addItem(ToQt(fw::StoredDateToDisplay(added.Round.Date, order) + "  " +
                             fw::PadRight(fw::CutAtNul(added.Round.CourseName), 30) + "  " +
                             fw::PadLeft(fw::CutAtNul(added.Round.TotalScore), 3)));
  SkippedListBox->clear();
  for (const fw::SkippedRow& skipped : plan_.Skipped)
    SkippedListBox->addItem(
        LineText(skipped.Line) +
        (skipped.EarlierLine == 0
             ? QStringLiteral("already stored")
             : QStringLiteral("the same round as line %1").arg(skipped.EarlierLine)));
  RefusedListBox->clear();
  for (const fw::RefusedRow& refused : plan_.Refused)
    RefusedListBox->addItem(LineText(refused.Line) + ToQt(refused.Reason));

  QString summary = QFileInfo(csvPath).fileName() + QStringLiteral(": ") +
                    Rounds(plan_.Add.size()) + QStringLiteral(" to add to ") + ToQt(fileName_) +
                    QStringLiteral(", ") + QString::number(plan_.Skipped.size()) +
                    QStringLiteral(" skipped, ") + QString::number(plan_.Refused.size()) +
                    QStringLiteral(" refused.");
  if (plan_.Add.empty()) summary += QStringLiteral(" There is nothing to import.");
  SummaryLabel->setText(summary);
  ImportButton->setEnabled(!plan_.Add.empty());
  ShowFor(opener);
}

void TImportPreviewDlg::ImportButtonClick() {
  if (plan_.Add.empty()) return;
  const fw::ScoreTable scores = fw::ApplyRoundImport(stored_, plan_);
  const fw::FileSnapshot before = seen_;
  try {
    fw::SaveScoreFile(App().folder, fileName_, scores, seen_);
  } catch (const fw::FileChangedError&) {
    // The plan was made against the file as it was: what it skips and what
    // fits under the limit may be otherwise now.
    fw::ui::Warn(ToQt(fileName_) +
                 QStringLiteral(" was changed elsewhere after it was read for this import, so "
                                "nothing was imported. Import the file again to see what it "
                                "adds now."));
    close();
    return;
  }
  emit fw::ui::Events().ScoreFileReplaced(ToQt(fileName_), before, seen_);
  fw::ui::Inform(Rounds(plan_.Add.size()) + QStringLiteral(" added to the scores of ") +
                 ToQt(fw::CutAtNul(golfer_.LongName)) + QStringLiteral(" (") + ToQt(fileName_) +
                 QStringLiteral(")."));
  close();
}

void TImportPreviewDlg::CancelButtonClick() {
  close();
}

QString TImportPreviewDlg::HelpSection() const {
  return QString::fromLatin1(fw::ui::help::kExportImport);
}
