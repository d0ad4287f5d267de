#include "golfers/fwgname.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>

#include "data/scorefile.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

using namespace fw::ui;

namespace {

constexpr int kShortNameLength = 8;
constexpr int kLongNameLength = 40;
// Beyond try 999 a candidate would no longer fit in 8 characters.
constexpr int kLastTry = 999;

std::string ScoreFileOf(const QString& shortName) {
  return fw::ScoreFileName(FromQt(shortName));
}

}  // namespace

namespace {
QPointer<TGNameForm>& SharedInstance() {
  static QPointer<TGNameForm> instance;
  return instance;
}
}  // namespace

TGNameForm::TGNameForm(QWidget* parent) : FwDialog(parent) {
  setObjectName(QStringLiteral("GNameForm"));
  setWindowTitle(QStringLiteral("Golfer Name"));

  QWidget* client = NewClientArea();

  Label1 = new QLabel(QStringLiteral("Long Name"), client);
  Label1->setObjectName(QStringLiteral("Label1"));
  LongName = new QLineEdit(client);
  LongName->setObjectName(QStringLiteral("LongName"));
  LongName->setToolTip(QStringLiteral("Long name for Golfer"));
  // The golfer list separates its fields with tildes.
  RestrictInput(LongName, kLongNameLength, FreeText());
  Label1->setBuddy(LongName);

  Label2 = new QLabel(QStringLiteral("Short Name"), client);
  Label2->setObjectName(QStringLiteral("Label2"));
  ShortName = new QLineEdit(client);
  ShortName->setObjectName(QStringLiteral("ShortName"));
  ShortName->setToolTip(QStringLiteral("8 character name used for Golfer file"));
  InputRule shortName = Capitals();
  shortName.onlyChars = kShortNameChars;
  shortName.why =
      QStringLiteral("A short name holds only the letters A to Z, digits, \"-\" and \"_\".");
  RestrictInput(ShortName, kShortNameLength, shortName);
  ShortName->setMaximumWidth(
      ShortName->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWW")) + 16);
  Label2->setBuddy(ShortName);

  SexRadio =
      new FwRadioGroup(QString(), {QStringLiteral("Male"), QStringLiteral("Female")}, client);
  SexRadio->setObjectName(QStringLiteral("SexRadio"));
  SexRadio->SetItemIndex(0);

  Label3 = new QLabel(
      QStringLiteral("Note: The Short Name is used to name the file that holds the golfer's "
                     "scores.  Each golfer must have a unique Short Name value."),
      client);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);

  OKButton = new QPushButton(QStringLiteral("OK"), client);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  CancelButton = new QPushButton(QStringLiteral("Cancel"), client);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  OkPressed = HiddenField(client, "OkPressed", QStringLiteral("0"));

  auto* names = new QGridLayout;
  names->addWidget(Label1, 0, 0);
  names->addWidget(LongName, 0, 1, 1, 2);
  names->addWidget(Label2, 1, 0);
  names->addWidget(ShortName, 1, 1);
  names->setColumnStretch(2, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(names, 1);
  top->addSpacing(12);
  top->addWidget(SexRadio, 0, Qt::AlignTop);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(client);
  layout->addLayout(top);
  layout->addStretch(1);
  layout->addWidget(Label3);
  layout->addStretch(1);
  layout->addLayout(buttons);

  OnExit(LongName, [this] { LongNameExit(); });
  OnExit(ShortName, [this] { ShortNameExit(); });
  OnClick(OKButton, [this] { OKButtonClick(); });
  OnClick(CancelButton, [this] { CancelButtonClick(); });

  // Enter confirms (OK leaves the field being edited first, so its exit
  // handler runs), wherever the focus is; Escape cancels.
  SetDefaultButton(OKButton);
  CancelOnEscape(CancelButton);

  setFixedSize(472, 214);
  CentreOnFirstShow();
}

void TGNameForm::FormShow() {
  refocusShortName_ = false;
}

void TGNameForm::FormActivate() {
  if (refocusShortName_) {
    refocusShortName_ = false;
    ShortName->setFocus(Qt::OtherFocusReason);
    return;
  }
  LongName->setFocus(Qt::OtherFocusReason);
}

QString TGNameForm::BaseShortName(const QString& longName) {
  QString base = longName.left(kShortNameLength);
  for (QChar& c : base) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    if (!kShortNameChars.contains(c)) c = QLatin1Char('_');
  }
  return base;
}

void TGNameForm::Fill(Mode mode, const fw::TGolferRec& golfer, std::vector<fw::TGolferRec> others) {
  DialogMode = mode;
  others_ = std::move(others);
  LongName->setText(mode == Mode::kAdd ? QString() : ToQt(golfer.LongName));
  ShortName->setText(mode == Mode::kAdd ? QString() : ToQt(golfer.ShortName));
  SexRadio->SetItemIndex(mode == Mode::kAdd ? 0 : golfer.Sex);
  // A marker left over by a window that is gone must not count as an answer.
  OkPressed->setText(QStringLiteral("0"));
}

void TGNameForm::Withdraw() {
  SetOpener(nullptr);
  OkPressed->setText(QStringLiteral("0"));
  hide();
}

std::optional<fw::TGolferRec> TGNameForm::TakeConfirmed(const fw::ui::FormBase* opener) {
  if (!opener || Opener() != opener || OkPressed->text() != QStringLiteral("1"))
    return std::nullopt;
  OkPressed->setText(QStringLiteral("0"));
  fw::TGolferRec golfer;
  golfer.LongName = FromQt(LongName->text());
  golfer.ShortName = FromQt(ShortName->text());
  golfer.Sex = SexRadio->ItemIndex();
  return golfer;
}

const fw::TGolferRec* TGNameForm::OtherGolferNamed(const QString& shortName) const {
  for (const fw::TGolferRec& other : others_)
    if (ToQt(other.ShortName).compare(shortName, Qt::CaseInsensitive) == 0) return &other;
  return nullptr;
}

QString TGNameForm::FreeShortName(const QString& base) {
  return FreeShortName(base, {});
}

QString TGNameForm::FreeShortName(const QString& base, const std::vector<fw::TGolferRec>& others) {
  const fw::WorkFolder& folder = App().folder;
  auto taken = [&](const QString& name) {
    for (const fw::TGolferRec& other : others)
      if (ToQt(other.ShortName).compare(name, Qt::CaseInsensitive) == 0) return true;
    return folder.Exists(ScoreFileOf(name));
  };
  QString candidate = base;
  for (int n = 1; taken(candidate); ++n) {
    if (n > kLastTry) return {};
    // Room for the number: 7 characters of the base before 1-9, 6 before
    // 10-99, 5 before 100-999.
    int keep = n < 10 ? 7 : n < 100 ? 6 : 5;
    candidate = base.left(keep) + QString::number(n);
  }
  return candidate;
}

void TGNameForm::LongNameExit() {
  if (!ShortName->text().isEmpty()) return;
  QString base = BaseShortName(LongName->text());
  // Nothing typed gives nothing to derive.
  if (base.isEmpty()) return;
  if (DialogMode == Mode::kEdit) {
    ShortName->setText(base);
    return;
  }
  ShortName->setText(FreeShortName(base, others_));
}

void TGNameForm::ShortNameExit() {
  if (LongName->text().isEmpty()) LongName->setText(ShortName->text());
}

void TGNameForm::RefuseShortName(const QString& text) {
  refocusShortName_ = true;
  Inform(text);
  ShortName->setFocus(Qt::OtherFocusReason);
}

bool TGNameForm::ConfirmExistingFile(const QString& fileName) {
  refocusShortName_ = true;
  bool yes = AskYesNo(QStringLiteral("A golfer score file with the same name \"") + fileName +
                          QStringLiteral("\" already exists.  Use it for this golfer?"),
                      MsgKind::kWarning);
  if (yes) {
    refocusShortName_ = false;
  } else {
    ShortName->setFocus(Qt::OtherFocusReason);
  }
  return yes;
}

void TGNameForm::OKButtonClick() {
  FinishEditing();
  const QString shortName = ShortName->text();
  if (shortName.isEmpty()) {
    RefuseShortName(QStringLiteral("You must enter a value in the short name field."));
    return;
  }
  for (QChar c : shortName) {
    if (!kShortNameChars.contains(c)) {
      RefuseShortName(
          QStringLiteral("The short golfer name can only contain the letters A - Z, numbers, "
                         "dashes and underlines."));
      return;
    }
  }
  // Deleting either of two golfers that shared a score file would delete the
  // other's rounds.
  if (const fw::TGolferRec* other = OtherGolferNamed(shortName)) {
    RefuseShortName(QStringLiteral("The short name %1 is already used by %2. Each golfer must "
                                   "have a unique Short Name value.")
                        .arg(shortName, ToQt(other->LongName)));
    return;
  }
  if (DialogMode == Mode::kAdd) {
    const std::string fileName = ScoreFileOf(shortName);
    if (!App().folder.Exists(fileName)) {
      // A file that cannot be created stops here with the system's text.
      App().folder.CreateIfMissing(fileName);
    } else if (!ConfirmExistingFile(ToQt(fileName))) {
      return;
    }
  }
  OkPressed->setText(QStringLiteral("1"));
  hide();
}

void TGNameForm::CancelButtonClick() {
  OkPressed->setText(QStringLiteral("0"));
  hide();
}

TGNameForm* TGNameForm::Instance() {
  return SharedInstance();
}

void TGNameForm::SetInstance(TGNameForm* instance) {
  SharedInstance() = instance;
}
