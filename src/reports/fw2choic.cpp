#include "reports/fw2choic.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "ui/fwform.h"

TTwoChoiceDlg::TTwoChoiceDlg(QWidget* parent) : QDialog(parent, fw::ui::FwForm::kDialogFrame) {
  setObjectName(QStringLiteral("TwoChoiceDlg"));
  setFixedSize(349, 147);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Panel1->setAutoFillBackground(true);
  QPalette white = Panel1->palette();
  white.setColor(QPalette::Window, Qt::white);
  Panel1->setPalette(white);

  MemoField = new QLabel(Panel1);
  MemoField->setObjectName(QStringLiteral("MemoField"));
  MemoField->setAlignment(Qt::AlignCenter);
  MemoField->setWordWrap(true);
  MemoField->setTextFormat(Qt::PlainText);
  QFont bold = MemoField->font();
  bold.setBold(true);
  MemoField->setFont(bold);
  QPalette navy = MemoField->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  MemoField->setPalette(navy);

  auto button = [this](const char* name, const QString& caption, int result) {
    auto* b = new QPushButton(caption, Panel1);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, result] {
      ChoiceResult = result;
      done(result == -1 ? Rejected : Accepted);
    });
    return b;
  };
  Button1 = button("Button1", {}, 1);
  Button2 = button("Button2", {}, 2);
  Button3 = button("Button3", {}, 3);
  CancelButton = button("CancelButton", QStringLiteral("Cancel"), -1);
  // Escape and the close box end the dialog as Cancel does.
  connect(this, &QDialog::rejected, this, [this] {
    if (ChoiceResult < 1 || ChoiceResult > 3) ChoiceResult = -1;
  });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {Button1, Button2, Button3, CancelButton}) {
    // The buttons share the dialog's width evenly, four of them too.
    b->setSizePolicy(QSizePolicy::Ignored, b->sizePolicy().verticalPolicy());
    buttons->addWidget(b);
  }
  Button3->hide();
  auto* panel = new QVBoxLayout(Panel1);
  panel->addWidget(MemoField, 1);
  panel->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel1);
}

void TTwoChoiceDlg::Ask(const QString& caption, const QString& question, const QString& first,
                        const QString& second, const QString& third) {
  setWindowTitle(caption);
  MemoField->setText(question);
  Button1->setText(first);
  Button2->setText(second);
  Button3->setText(third);
  Button3->setVisible(!third.isEmpty());
  ChoiceResult = -1;
  Button1->setFocus();
}

void TTwoChoiceDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  fw::ui::CentreOnScreen(this);
}

namespace fw::ui {
namespace {

TwoChoiceHandler& Handler() {
  static TwoChoiceHandler handler;
  return handler;
}

}  // namespace

int ShowTwoChoices(TTwoChoiceDlg& dialog) {
  if (Handler()) return dialog.ChoiceResult = Handler()(dialog);
  dialog.exec();
  return dialog.ChoiceResult;
}

TwoChoiceHandler SetTwoChoiceHandler(TwoChoiceHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

}  // namespace fw::ui
