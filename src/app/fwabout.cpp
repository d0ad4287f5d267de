#include "app/fwabout.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "app/fwpictures.h"
#include "ui/appstate.h"
#include "ui/fwform.h"

namespace {
QPointer<TAboutBox>& SharedInstance() {
  static QPointer<TAboutBox> instance;
  return instance;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(341, 253);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);

  auto* picture = new QLabel(panel);
  picture->setObjectName(QStringLiteral("ProgramIcon"));
  picture->setPixmap(fw::ui::FairwickPicture(QSize(64, 80)));

  auto* product = new QLabel(QStringLiteral("Fairwick for Windows"), panel);
  product->setObjectName(QStringLiteral("ProductName"));
  QFont productFont(QStringLiteral("MS Sans Serif"));
  productFont.setPixelSize(16);
  productFont.setBold(true);
  product->setFont(productFont);

  auto* versionLabel = new QLabel(QStringLiteral("Version"), panel);
  versionLabel->setObjectName(QStringLiteral("Version"));
  VersionField = new QLineEdit(panel);
  VersionField->setObjectName(QStringLiteral("VersionField"));
  VersionField->setReadOnly(true);
  VersionField->setFrame(false);
  VersionField->setFocusPolicy(Qt::NoFocus);
  versionLabel->setBuddy(VersionField);

  auto* versionRow = new QHBoxLayout;
  versionRow->addWidget(versionLabel);
  versionRow->addWidget(VersionField, 1);
  auto* text = new QVBoxLayout;
  text->addWidget(product);
  text->addLayout(versionRow);
  text->addStretch();
  auto* panelLayout = new QHBoxLayout(panel);
  panelLayout->addWidget(picture, 0, Qt::AlignTop);
  panelLayout->addLayout(text, 1);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addWidget(OKButton, 0, Qt::AlignHCenter);
}

void TAboutBox::FormActivate() {
  VersionField->setText(fw::ui::App().VersionText + QStringLiteral(" - ") +
                        fw::ui::App().VersionDate);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fw::ui::CentreOnScreen(this);
  // Offscreen and window-manager-less platforms may never activate the box.
  FormActivate();
}

void TAboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void UseAboutBox() {
  fw::ui::App().showAbout = [](QWidget* parent) {
    TAboutBox box(parent);
    box.exec();
  };
}

TAboutBox* TAboutBox::Instance() {
  return SharedInstance();
}

void TAboutBox::SetInstance(TAboutBox* instance) {
  SharedInstance() = instance;
}
