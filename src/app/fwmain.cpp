#include "app/fwmain.h"

#include <QApplication>
#include <QMenuBar>
#include <QProcess>

#include "app/fwabout.h"
#include "app/fwpictures.h"
#include "app/fwprefs.h"
#include "courses/fwcmaint.h"
#include "data/backup.h"
#include "fwversion.h"
#include "golfers/fwgmaint.h"
#include "golfers/fwgpick.h"
#include "golfers/fwimport.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwfiledialog.h"
#include "ui/fwmessage.h"

using namespace fw::ui;

namespace {

QPushButton* LauncherButton(QWidget* parent, const char* name, const QString& caption, int top) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(303, top, 120, 40);
  return button;
}

const QString kNoBackups = QStringLiteral(
    "This copy of Fairwick was built without libzip: it cannot make or restore "
    "backups.");

// Where backups are offered: beside the club folder, not inside it.
QString BesideTheClub() {
  return PathText(App().folder.Dir().parent_path());
}

// "golfers.fwc, courses.fwc and 3 score files".
QString NamesOf(const std::vector<std::string>& names) {
  QStringList listed;
  int scoreFiles = 0;
  for (const std::string& name : names) {
    if (QString::fromStdString(name).endsWith(QLatin1String(fw::kBackupExtension),
                                              Qt::CaseInsensitive))
      ++scoreFiles;
    else
      listed << QString::fromStdString(name);
  }
  if (scoreFiles > 0)
    listed << (scoreFiles == 1 ? QStringLiteral("1 score file")
                               : QStringLiteral("%1 score files").arg(scoreFiles));
  if (listed.size() < 2) return listed.join(QString());
  const QString last = listed.takeLast();
  return listed.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

// Opens a window made anew at each click, without waiting for it.
template <class Window>
Window* OpenNew() {
  auto* window = new Window;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

// Brings the open window to the front, or opens a new one.
template <class Window>
void OpenOnce(QPointer<FwForm>& open) {
  if (open && open->isVisible()) {
    if (open->isMinimized()) open->showNormal();
    open->raise();
    open->activateWindow();
    return;
  }
  open = OpenNew<Window>();
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : FwForm(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Fairwick for Windows"));

  QWidget* client = NewClientArea();
  client->setAutoFillBackground(true);
  QPalette white = client->palette();
  white.setColor(QPalette::Window, Qt::white);
  client->setPalette(white);

  Image1 = new ClickableLabel(client);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(63, 69, 161, 201);
  Image1->setPixmap(FairwickPicture(QSize(161, 201)));
  connect(Image1, &ClickableLabel::clicked, this, [this] { Guarded([this] { Image1Click(); }); });

  Label1 = new QLabel(QStringLiteral("Fairwick for Windows"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont titleFont(QStringLiteral("Times New Roman"));
  titleFont.setPixelSize(27);
  titleFont.setBold(true);
  Label1->setFont(titleFont);
  Label1->setGeometry(97, 28, 265, 31);
  Label1->adjustSize();

  EditGolferButton = LauncherButton(client, "EditGolferButton", QStringLiteral("Edit Golfers"), 75);
  EditCoursesButton =
      LauncherButton(client, "EditCoursesButton", QStringLiteral("Edit Courses"), 120);
  EnterScoresButton =
      LauncherButton(client, "EnterScoresButton", QStringLiteral("Enter Scores"), 165);
  ExitButton = LauncherButton(client, "ExitButton", QStringLiteral("Exit"), 210);
  OnClick(EditGolferButton, [this] { EditGolferButtonClick(); });
  OnClick(EditCoursesButton, [this] { EditCoursesButtonClick(); });
  OnClick(EnterScoresButton, [this] { EnterScoresButtonClick(); });
  OnClick(ExitButton, [this] { ExitButtonClick(); });

  VersionField = new QLineEdit(client);
  VersionField->setObjectName(QStringLiteral("VersionField"));
  VersionField->setAccessibleName(QStringLiteral("Version"));
  VersionField->setReadOnly(true);
  VersionField->setFrame(false);
  VersionField->setFocusPolicy(Qt::NoFocus);
  QFont smallFont(QStringLiteral("Small Fonts"));
  smallFont.setPixelSize(9);
  VersionField->setFont(smallFont);
  VersionField->setGeometry(189, 280, 82, 17);
  VersionField->setPalette(white);

  QMenu* file = AddMenu("File1", QStringLiteral("&File"));
  file->setToolTipsVisible(true);
  BackUpClub1 = AddMenuItem(file, "BackUpClub1", QStringLiteral("&Back Up Club..."),
                            [this] { BackUpClub1Click(); });
  RestoreClub1 = AddMenuItem(file, "RestoreClub1", QStringLiteral("&Restore Club..."),
                             [this] { RestoreClub1Click(); });
  if (!fw::CanBackUp()) {
    for (QAction* item : {BackUpClub1, RestoreClub1}) {
      item->setEnabled(false);
      item->setToolTip(kNoBackups);
    }
  }
  ExportClub1 = AddMenuItem(file, "ExportClub1", QStringLiteral("Export &Club..."),
                            [this] { ExportClub1Click(); });
  file->addSeparator()->setObjectName(QStringLiteral("N2"));
  Exit1 = AddMenuItem(file, "Exit1", QStringLiteral("E&xit"), [this] { Exit1Click(); });
  QMenu* edit = AddMenu("Edit1", QStringLiteral("&Edit"));
  EditGolfers1 = AddMenuItem(edit, "EditGolfers1", QStringLiteral("Edit &Golfers"),
                             [this] { EditGolferButtonClick(); });
  EditCourses1 = AddMenuItem(edit, "EditCourses1", QStringLiteral("Edit &Courses"),
                             [this] { EditCoursesButtonClick(); });
  edit->addSeparator()->setObjectName(QStringLiteral("N1"));
  EnterScores1 = AddMenuItem(edit, "EnterScores1", QStringLiteral("Enter &Scores"),
                             [this] { EnterScoresButtonClick(); });
  edit->addSeparator()->setObjectName(QStringLiteral("N2"));
  Preferences1 = AddMenuItem(edit, "Preferences1", QStringLiteral("&Preferences..."),
                             [this] { Preferences1Click(); });
  QMenu* help = AddMenu("Help1", QStringLiteral("&Help"));
  Help2 = AddMenuItem(help, "Help2", QStringLiteral("&Help"), [this] { Help2Click(); });
  AboutFairwick1 = AddMenuItem(help, "AboutFairwick1", QStringLiteral("&About Fairwick"),
                               [this] { Image1Click(); });

  // Creation steps.
  AppState& app = App();
  UsePlacement("MainForm", {353, 146, 113, 472}, /*skipWhenExiting=*/false);
  app.UseMaxIndex = Settings().ReadFlag("Settings", "UseMaxIndex", true);
  app.Rules = fw::ReadHandicapRules(Settings());
  app.Order = fw::ReadDateOrder(Settings());
  app.ProgramExiting = false;
  app.VersionText = QLatin1String(fw::kVersionText);
  app.VersionDate = QLatin1String(fw::kVersionDate);
  VersionField->setText((QStringLiteral("Version ") + app.VersionText).left(38));
  StartCopyIn = [](const QString& folder) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, folder);
  };
}

void TMainForm::EditGolferButtonClick() {
  OpenOnce<TGMaintForm>(golferMaintenance_);
}

void TMainForm::EditCoursesButtonClick() {
  OpenOnce<TCMaintForm>(courseMaintenance_);
}

void TMainForm::EnterScoresButtonClick() {
  OpenNew<TGPickForm>();
}

void TMainForm::Image1Click() {
  TAboutBox box(this);
  box.exec();
}

void TMainForm::Preferences1Click() {
  if (preferences_ && preferences_->isVisible()) {
    preferences_->raise();
    preferences_->activateWindow();
    return;
  }
  auto* dialog = new TPreferencesDlg;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  preferences_ = dialog;
  dialog->ShowFor(this);
}

bool TMainForm::SettleOpenWindows() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<FwForm*>(widget);
    if (form && form != this && form->isVisible() && !form->SettleUnsavedChanges()) return false;
  }
  return true;
}

void TMainForm::ExitButtonClick() {
  if (!SettleOpenWindows()) return;
  // Set before anything closes, so that no working window rewrites its
  // stored placement while the program ends.
  App().ProgramExiting = true;
  App().exitProgram(0);
}

void TMainForm::Exit1Click() {
  if (!SettleOpenWindows()) return;
  App().exitProgram(0);
}

bool TMainForm::FormCloseQuery() {
  if (!SettleOpenWindows()) return false;
  App().exitProgram(0);
  return true;
}

void TMainForm::BackUpClub1Click() {
  const QDate today = App().today();
  const QString proposed =
      BesideTheClub() + QLatin1Char('/') +
      QString::fromStdString(fw::DefaultBackupName(today.year(), today.month(), today.day()));
  const QString zip = AskSaveFileName(this, QStringLiteral("Back Up Club"), proposed,
                                      QStringLiteral("Backups (*.zip)"), QStringLiteral("zip"));
  if (zip.isEmpty()) return;
  const std::vector<std::string> names = fw::BackupClub(App().folder, LocalPath(zip));
  Inform(QStringLiteral("The club was backed up to ") + zip + QStringLiteral(": ") +
         NamesOf(names) + QLatin1Char('.'));
}

void TMainForm::RestoreClub1Click() {
  const QString zip = AskOpenFileName(this, QStringLiteral("Restore Club - Choose the Backup"),
                                      BesideTheClub(), QStringLiteral("Backups (*.zip)"));
  if (zip.isEmpty()) return;
  const QString folder =
      AskFolder(this, QStringLiteral("Restore Club - Choose an Empty Folder to Restore Into"),
                BesideTheClub());
  if (folder.isEmpty()) return;
  const std::vector<std::string> names = fw::RestoreClub(LocalPath(zip), LocalPath(folder));
  if (!AskYesNo(QStringLiteral("The backup ") + zip + QStringLiteral(" was restored into ") +
                folder + QStringLiteral(": ") + NamesOf(names) +
                QStringLiteral(".\n\nOpen the restored club now?")))
    return;
  if (!StartCopyIn(folder))
    Warn(QStringLiteral("Fairwick could not be started in ") + folder +
         QStringLiteral(". Start it there yourself to work on the restored club."));
}

void TMainForm::ExportClub1Click() {
  fw::ui::ExportClubRounds(this);
}
