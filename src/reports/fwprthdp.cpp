#include "reports/fwprthdp.h"

#include <QKeyEvent>
#include <iterator>
#include <memory>

#include "data/textutil.h"
#include "handicap/handicapindex.h"
#include "reports/fwcrddet.h"
#include "reports/fwreport.h"
#include "reports/handicapcards.h"
#include "reports/handicaplist.h"
#include "reports/qtreportclock.h"
#include "reports/reportoutput.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwfiledialog.h"
#include "ui/fwmessage.h"
#include "ui/fwwidgets.h"

using fw::ui::App;
using fw::ui::ToQt;

namespace {

const QString kNoCourse = QStringLiteral("You must select a course first.");
const QString kNoGolfer = QStringLiteral("You must select at least one golfer.");
const QString kCardsSent = QStringLiteral("Handicap cards have been sent to the printer.");

// Each line of the two lists carries the golfer's place in the golfer table,
// so that two golfers of one name stay apart.
constexpr int kPlaceRole = Qt::UserRole;

int PlaceOf(const QListWidgetItem* line) {
  return line->data(kPlaceRole).toInt();
}

QListWidget* MultiSelectList(QWidget* parent, const char* name) {
  QListWidget* list = fw::ui::NamedList(parent, name);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setSortingEnabled(false);
  return list;
}

}  // namespace

TPrintHandicapsDlg::TPrintHandicapsDlg(QWidget* parent) : FwDialog(parent) {
  setObjectName(QStringLiteral("PrintHandicapsDlg"));
  setWindowTitle(QStringLiteral("Print Handicaps Dialog"));

  QWidget* client = NewClientArea();

  Label1 = new QLabel(QStringLiteral("Select Course:"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 8, 200, 16);
  CourseField = new QComboBox(client);
  CourseField->setObjectName(QStringLiteral("CourseField"));
  CourseField->setEditable(false);
  CourseField->setGeometry(8, 26, 326, 24);
  Label1->setBuddy(CourseField);

  SrcLabel = new QLabel(QStringLiteral("Golfer List:"), client);
  SrcLabel->setObjectName(QStringLiteral("SrcLabel"));
  SrcLabel->setGeometry(8, 58, 140, 16);
  GolferListBox = MultiSelectList(client, "GolferListBox");
  GolferListBox->setAccessibleName(QStringLiteral("Golfer List"));
  GolferListBox->setGeometry(8, 76, 140, 196);

  DstLabel = new QLabel(QStringLiteral("Golfers-to-Print List:"), client);
  DstLabel->setObjectName(QStringLiteral("DstLabel"));
  DstLabel->setGeometry(194, 58, 140, 16);
  PrintListBox = MultiSelectList(client, "PrintListBox");
  PrintListBox->setAccessibleName(QStringLiteral("Golfers-to-Print List"));
  PrintListBox->setGeometry(194, 76, 140, 196);

  IncludeBtn = fw::ui::NamedButton(client, "IncludeBtn", QStringLiteral(">"));
  IncAllBtn = fw::ui::NamedButton(client, "IncAllBtn", QStringLiteral(">>"));
  ExcludeBtn = fw::ui::NamedButton(client, "ExcludeBtn", QStringLiteral("<"));
  ExAllBtn = fw::ui::NamedButton(client, "ExAllBtn", QStringLiteral("<<"));
  int top = 100;
  for (QPushButton* button : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) {
    button->setGeometry(156, top, 30, 26);
    top += 34;
  }
  ExcludeBtn->setEnabled(false);
  ExAllBtn->setEnabled(false);
  // Said by a screen reader in place of the arrows.
  IncludeBtn->setAccessibleName(QStringLiteral("Include"));
  IncAllBtn->setAccessibleName(QStringLiteral("Include all"));
  ExcludeBtn->setAccessibleName(QStringLiteral("Exclude"));
  ExAllBtn->setAccessibleName(QStringLiteral("Exclude all"));

  PrintListButton = fw::ui::NamedButton(client, "PrintListButton", QStringLiteral("Print List"));
  PrintCardsButton = fw::ui::NamedButton(client, "PrintCardsButton", QStringLiteral("Print Cards"));
  ExportListButton = fw::ui::NamedButton(client, "ExportListButton", QStringLiteral("Export List"));
  ExitButton = fw::ui::NamedButton(client, "ExitButton", QStringLiteral("Exit"));
  int left = 8;
  for (QPushButton* button : {PrintListButton, PrintCardsButton, ExportListButton, ExitButton}) {
    button->setGeometry(left, 284, 78, 28);
    left += 82;
  }
  // The tab key reads the dialog left to right: the golfer list, the arrows
  // between the lists, the list to print, then the buttons under them.
  QWidget* order[] = {CourseField, GolferListBox, IncludeBtn,      IncAllBtn,        ExcludeBtn,
                      ExAllBtn,    PrintListBox,  PrintListButton, PrintCardsButton, ExitButton};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(CourseField, &QComboBox::activated, this, [this] { CourseFieldClick(); });
  OnKeyPress(CourseField, [this](QKeyEvent*) {
    CourseFieldClick();
    return false;
  });
  OnClick(IncludeBtn, [this] { IncludeBtnClick(); });
  OnClick(IncAllBtn, [this] { IncAllBtnClick(); });
  OnClick(ExcludeBtn, [this] { ExcludeBtnClick(); });
  OnClick(ExAllBtn, [this] { ExcAllBtnClick(); });
  OnDoubleClick(GolferListBox, [this] { IncludeBtnClick(); });
  OnDoubleClick(PrintListBox, [this] { ExcludeBtnClick(); });
  OnClick(PrintListButton, [this] { PrintListButtonClick(); });
  OnClick(PrintCardsButton, [this] { PrintCardsButtonClick(); });
  OnClick(ExportListButton, [this] { ExportListButtonClick(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });
  CancelOnEscape(ExitButton);

  setFixedSize(342, 320);
  CentreOnFirstShow();

  try {
    LoadCourses();
    LoadGolfers();
  } catch (const fw::UserError& error) {
    fw::ui::ReportError(error);
    return;
  }
  // No course is selected until the user picks one.
  CourseChosen = false;
  loaded_ = true;
}

void TPrintHandicapsDlg::LoadCourses() {
  const int chosen = CourseField->currentIndex();
  const QString name = chosen >= 0 ? CourseField->currentText() : QString();
  fw::ui::LoadSortedCourseSummaries(Courses, CoursesSeen);
  CourseField->clear();
  for (const fw::TCourseSummary& course : Courses) CourseField->addItem(ToQt(course.Name));
  CourseField->setCurrentIndex(name.isEmpty() ? -1 : CourseField->findText(name));
  if (CourseField->currentIndex() < 0) CourseChosen = false;
}

void TPrintHandicapsDlg::LoadGolfers() {
  // The golfers chosen so far, by short name, in the print list's order.
  std::vector<std::string> chosen;
  for (const int place : PrintListPlaces()) chosen.push_back(Golfers[place].ShortName.str());
  fw::ui::LoadSortedGolfers(Golfers, GolfersSeen);
  GolferListBox->clear();
  PrintListBox->clear();
  auto lineFor = [this](int place) {
    auto* line = new QListWidgetItem(ToQt(fw::CutAtNul(Golfers[place].LongName)));
    line->setData(kPlaceRole, place);
    return line;
  };
  std::vector<bool> printed(static_cast<std::size_t>(Golfers.Count()) + 1, false);
  for (const std::string& shortName : chosen)
    for (int place = 1; place <= Golfers.Count(); ++place)
      if (!printed[static_cast<std::size_t>(place)] && Golfers[place].ShortName == shortName) {
        printed[static_cast<std::size_t>(place)] = true;
        PrintListBox->addItem(lineFor(place));
        break;
      }
  for (int place = 1; place <= Golfers.Count(); ++place)
    if (!printed[static_cast<std::size_t>(place)]) GolferListBox->addItem(lineFor(place));
  SetButtons();
}

void TPrintHandicapsDlg::FormActivate() {
  // Golfers or courses changed meanwhile (golfer or course maintenance, score
  // entry's Add Course, another copy) are offered as they are now.
  if (!App().folder.Unchanged(fw::kCourseListFile, CoursesSeen)) LoadCourses();
  if (!App().folder.Unchanged(fw::kGolferListFile, GolfersSeen)) LoadGolfers();
}

void TPrintHandicapsDlg::CourseFieldClick() {
  CourseChosen = true;
}

std::vector<int> TPrintHandicapsDlg::PrintListPlaces() const {
  std::vector<int> places;
  places.reserve(static_cast<std::size_t>(PrintListBox->count()));
  for (int row = 0; row < PrintListBox->count(); ++row)
    places.push_back(PlaceOf(PrintListBox->item(row)));
  return places;
}

void TPrintHandicapsDlg::AddLine(QListWidget* list, QListWidgetItem* line) {
  if (list == PrintListBox) {
    list->addItem(line);
    return;
  }
  // The golfer list keeps the golfer table's order, which is the order of the
  // places.
  int row = 0;
  while (row < list->count() && PlaceOf(list->item(row)) < PlaceOf(line)) ++row;
  list->insertItem(row, line);
}

void TPrintHandicapsDlg::MoveSelected(QListWidget* source, QListWidget* destination) {
  for (int row = source->count() - 1; row >= 0; --row) {
    if (!source->item(row)->isSelected()) continue;
    QListWidgetItem* line = source->takeItem(row);
    line->setSelected(false);
    AddLine(destination, line);
  }
}

int TPrintHandicapsDlg::GetFirstSelection(const QListWidget* list) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) return row;
  return -1;
}

void TPrintHandicapsDlg::SetItem(QListWidget* list, int index) {
  list->setFocus();
  const int last = list->count() - 1;
  if (index == -1) index = 0;
  if (index > last) index = last;
  // An empty list has nothing to select.
  if (index >= 0) {
    list->setCurrentRow(index, QItemSelectionModel::NoUpdate);
    list->item(index)->setSelected(true);
  }
  SetButtons();
}

void TPrintHandicapsDlg::SetButtons() {
  const bool golfersLeft = GolferListBox->count() > 0;
  const bool golfersChosen = PrintListBox->count() > 0;
  IncludeBtn->setEnabled(golfersLeft);
  IncAllBtn->setEnabled(golfersLeft);
  ExcludeBtn->setEnabled(golfersChosen);
  ExAllBtn->setEnabled(golfersChosen);
}

void TPrintHandicapsDlg::IncludeBtnClick() {
  const int index = GetFirstSelection(GolferListBox);
  MoveSelected(GolferListBox, PrintListBox);
  SetItem(GolferListBox, index);
}

void TPrintHandicapsDlg::ExcludeBtnClick() {
  const int index = GetFirstSelection(PrintListBox);
  MoveSelected(PrintListBox, GolferListBox);
  SetItem(PrintListBox, index);
}

void TPrintHandicapsDlg::IncAllBtnClick() {
  while (GolferListBox->count() > 0) {
    QListWidgetItem* line = GolferListBox->takeItem(0);
    line->setSelected(false);
    AddLine(PrintListBox, line);
  }
  SetItem(GolferListBox, 0);
}

void TPrintHandicapsDlg::ExcAllBtnClick() {
  while (PrintListBox->count() > 0) {
    QListWidgetItem* line = PrintListBox->takeItem(0);
    line->setSelected(false);
    AddLine(GolferListBox, line);
  }
  SetItem(PrintListBox, 0);
}

void TPrintHandicapsDlg::PrintListButtonClick() {
  PrintHandicapList();
}

bool TPrintHandicapsDlg::CanPrint() {
  // A key press marks the course as chosen even when nothing is selected yet.
  const int course = CourseField->currentIndex();
  if (!CourseChosen || course < 0 || course >= Courses.Count()) {
    fw::ui::Inform(kNoCourse);
    return false;
  }
  if (PrintListBox->count() == 0) {
    fw::ui::Inform(kNoGolfer);
    return false;
  }
  return true;
}

void TPrintHandicapsDlg::PrintHandicapList() {
  if (!CanPrint()) return;
  const fw::TCourseSummary chosen = Courses[CourseField->currentIndex() + 1];
  const std::vector<int> places = PrintListPlaces();
  fw::ui::RunReport(this, fw::HandicapListDestination(), QStringLiteral("hdcplist.pdf"),
                    [this, &chosen, &places] {
                      fw::IndexOptions options = fw::ui::IndexOptionsNow();
                      const fw::ReportDate today = fw::ui::QtReportClock(App().today).Today();
                      return fw::HandicapListLines(App().folder, Golfers, places, chosen, today,
                                                   options, Scores);
                    });
}

void TPrintHandicapsDlg::PrintCardsButtonClick() {
  PrintHandicapCards();
}

void TPrintHandicapsDlg::PrintHandicapCards() {
  if (!CanPrint()) return;
  CardsOnFirstSheet = fw::kCardsPerSheet;
  {
    TPrintHdcpDetails details(this);
    const int count = fw::ui::ShowCardDetails(details);
    if (count == fw::ui::kCardDetailsCancelled) {
      // Cancel, Escape or the close box: no cards at all.
      CardsOnFirstSheet = -1;
      return;
    }
    CardsOnFirstSheet = count;
  }
  const fw::TCourseSummary chosen = Courses[CourseField->currentIndex() + 1];
  const std::vector<int> places = PrintListPlaces();
  fw::IndexOptions options = fw::ui::IndexOptionsNow();
  const fw::ReportDate today = fw::ui::QtReportClock(App().today).Today();
  // Every card is worked out before the preview opens, so a score file that
  // cannot be read shows and prints nothing.
  const std::vector<fw::HandicapCard> cards = fw::HandicapCards(
      App().folder, Golfers, places, chosen, today, options, Scores, CardsOnFirstSheet, UsedScores);
  // Cards always go to the printer, from the preview that shows where each
  // falls on its sheet; a PDF printer offers cards.pdf.
  fw::ui::WindowReportOutput output(this, QStringLiteral("cards.pdf"));
  if (!output.ShowPreview(
          [&cards](fw::PrintDevice& device) { fw::PrintHandicapCards(device, cards); }))
    return;
  fw::ui::Inform(kCardsSent);
}

void TPrintHandicapsDlg::ExportListButtonClick() {
  if (!CanPrint()) return;
  const fw::TCourseSummary chosen = Courses[CourseField->currentIndex() + 1];
  const std::vector<int> places = PrintListPlaces();
  fw::ui::ExportCsvFile(
      this, QStringLiteral("Export Handicap List"), QStringLiteral("hdcplist.csv"),
      QStringLiteral("Handicap list"), [&] {
        return fw::HandicapListCsv(fw::HandicapListRows(App().folder, Golfers, places, chosen,
                                                        fw::ui::IndexOptionsNow(), Scores));
      });
}

void TPrintHandicapsDlg::ExitButtonClick() {
  Scores.Clear();
  close();
}
