#pragma once
// The one place where the core's Windows-1252 bytes meet Qt's QString, and the
// input rules that keep typed text inside what the data files can hold.

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace fw::ui {

// Windows-1252 bytes to text. The five bytes the code page leaves undefined
// map to the control characters of the same value.
QString ToQt(std::string_view bytes);

// Text to Windows-1252 bytes; a character the code page lacks becomes '?'.
std::string FromQt(const QString& text);

// True when the character has a Windows-1252 byte.
bool IsCp1252(QChar c);

// What an edit field accepts besides "any Windows-1252 character".
struct InputRule {
  bool noTilde = false;    // the data files separate fields with '~'
  bool upperCase = false;  // letters are turned into capitals while typing
  QString onlyChars;       // when not empty, only these characters are accepted
  bool onePoint = false;   // at most one '.' (a decimal number of onlyChars digits)
  QString why;             // said when a character outside onlyChars is refused
};

// Why the rule refuses `input`, naming the first character it refuses; empty
// when the rule accepts it.
QString RefusalOf(const InputRule& rule, const QString& input);

// Refuses characters outside Windows-1252 and those the rule excludes; turns
// letters into capitals when the rule asks for it. A refused character is not
// dropped silently: a tool tip at the field names it and says why.
class InputValidator : public QValidator {
 public:
  InputValidator(InputRule rule, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  InputRule rule_;
};

// The rules of the program's fields.
InputRule FreeText();       // any text the files can hold
InputRule Capitals();       // the same, in capitals
InputRule WholeNumber();    // digits only
InputRule DecimalNumber();  // digits and one decimal point

// Tells the user at the field why what was typed or pasted was refused.
void ShowRefusal(QWidget* field, const QString& text);

// Installs an InputValidator on the field and limits its length to `maxLength`
// characters (each is one byte in the files).
void RestrictInput(QLineEdit* field, int maxLength, InputRule rule = {});

// The characters a short name may hold: A-Z, 0-9, '-', '_'.
inline const QString kShortNameChars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_");

}  // namespace fw::ui
