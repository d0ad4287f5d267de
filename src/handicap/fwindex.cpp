#include "handicap/fwindex.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/fwcodec.h"

using fw::ui::ToQt;

namespace {

// The longest explanation line: line A for a 40-character name with the count
// of valid rounds, exactly 80 characters.
const QString kWidestLine = QStringLiteral(
    "200 scores on file for Bartholomew Alexander Worthington-Smythe.  (19 are valid)");

}  // namespace

TIndexForm::TIndexForm(QWidget* parent) : FwDialog(parent) {
  setObjectName(QStringLiteral("IndexForm"));
  setWindowTitle(QStringLiteral("Current Index"));

  QWidget* client = NewClientArea();
  auto* outer = new QVBoxLayout(client);

  // The explanation sits on a white panel, one borderless line under the other.
  auto* panel = new QWidget(client);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::Base, Qt::white);
  panel->setPalette(white);
  auto* lines = new QVBoxLayout(panel);
  lines->setSpacing(0);
  for (int k = 1; k <= 14; ++k) {
    auto* field = new QLineEdit(panel);
    field->setObjectName(QStringLiteral("Field%1").arg(k));
    field->setAccessibleName(QStringLiteral("Explanation line %1").arg(k));
    field->setReadOnly(true);
    field->setFrame(false);
    field->setPalette(white);
    lines->addWidget(field);
    Field[static_cast<std::size_t>(k)] = field;
  }
  outer->addWidget(panel);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  OkButton = new QPushButton(QStringLiteral("OK"), client);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  CancelButton = new QPushButton(QStringLiteral("Cancel"), client);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);
  buttons->addStretch();
  outer->addLayout(buttons);

  OnClick(OkButton, [this] { OkButtonClick(); });
  OnClick(CancelButton, [this] { CancelButtonClick(); });
  // Enter and Escape leave the dialog as its two buttons do.
  SetDefaultButton(OkButton);
  CancelOnEscape(CancelButton);

  // Wide enough for the longest line of the explanation.
  const int textWidth = QFontMetrics(Field[1]->font()).horizontalAdvance(kWidestLine);
  const int margins = outer->contentsMargins().left() + outer->contentsMargins().right() +
                      lines->contentsMargins().left() + lines->contentsMargins().right();
  const int fieldPadding = 16;  // a line edit's own text margins and cursor room
  setFixedSize(textWidth + margins + fieldPadding, client->sizeHint().height());
  CentreOnFirstShow();
}

void TIndexForm::SetLines(const fw::IndexDialogFields& lines) {
  for (int k = 1; k <= 14; ++k) {
    QLineEdit* field = Field[static_cast<std::size_t>(k)];
    field->setText(ToQt(lines.Field[static_cast<std::size_t>(k - 1)]));
    field->setCursorPosition(0);
  }
}

void TIndexForm::OkButtonClick() {
  close();
}

void TIndexForm::CancelButtonClick() {
  close();
}
