#include "ui/fwcodec.h"

#include <QLineEdit>
#include <QToolTip>

#include "data/cp1252.h"

namespace fw::ui {
namespace {

// The byte of a character, or -1 when the code page has none.
int ByteOf(QChar c) {
  return fw::Cp1252Byte(c.unicode());
}

}  // namespace

QString ToQt(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char b : bytes) out.append(QChar(fw::Cp1252Character(b)));
  return out;
}

std::string FromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    int b = ByteOf(c);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  }
  return out;
}

bool IsCp1252(QChar c) {
  return ByteOf(c) >= 0;
}

QString RefusalOf(const InputRule& rule, const QString& input) {
  bool pointSeen = false;
  for (QChar c : input) {
    QString shown = QStringLiteral("\"%1\"").arg(c);
    if (!IsCp1252(c))
      return shown + QStringLiteral(
                         " cannot be stored: Fairwick's files hold only "
                         "Windows-1252 characters.");
    if (rule.noTilde && c == QLatin1Char('~'))
      return shown + QStringLiteral(
                         " cannot be used: Fairwick's files use it to separate "
                         "their fields.");
    bool point = rule.onePoint && c == QLatin1Char('.');
    if (point && pointSeen) return QStringLiteral("A number holds only one decimal point.");
    pointSeen = pointSeen || point;
    if (!point && !rule.onlyChars.isEmpty() && !rule.onlyChars.contains(c)) {
      QString text = shown + QStringLiteral(" cannot be typed here.");
      if (!rule.why.isEmpty()) text += QLatin1Char(' ') + rule.why;
      return text;
    }
  }
  return {};
}

InputRule FreeText() {
  InputRule rule;
  rule.noTilde = true;
  return rule;
}

InputRule Capitals() {
  InputRule rule = FreeText();
  rule.upperCase = true;
  return rule;
}

InputRule WholeNumber() {
  InputRule rule = FreeText();
  rule.onlyChars = QStringLiteral("0123456789");
  rule.why = QStringLiteral("Only whole numbers can be typed here.");
  return rule;
}

InputRule DecimalNumber() {
  InputRule rule = WholeNumber();
  rule.onePoint = true;
  rule.why = QStringLiteral("Only digits and one decimal point can be typed here.");
  return rule;
}

InputValidator::InputValidator(InputRule rule, QObject* parent)
    : QValidator(parent), rule_(std::move(rule)) {}

QValidator::State InputValidator::validate(QString& input, int&) const {
  if (rule_.upperCase) input = input.toUpper();
  QString refusal = RefusalOf(rule_, input);
  if (refusal.isEmpty()) return Acceptable;
  // Only what the user types or pastes is answered; a text the program puts
  // into the field is shown as it is.
  auto* field = qobject_cast<QWidget*>(parent());
  if (field && field->hasFocus()) ShowRefusal(field, refusal);
  return Invalid;
}

void ShowRefusal(QWidget* field, const QString& text) {
  QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

void RestrictInput(QLineEdit* field, int maxLength, InputRule rule) {
  field->setMaxLength(maxLength);
  field->setValidator(new InputValidator(std::move(rule), field));
}

}  // namespace fw::ui
