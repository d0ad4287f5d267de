#pragma once
// The golfer name dialog: long name, short name and sex of a new or changed
// golfer. One instance lives for the whole run; golfer maintenance fills it
// with Fill, shows it and takes the confirmed golfer back with TakeConfirmed
// when it becomes active again.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <vector>

#include "data/golferlist.h"
#include "ui/fwform.h"
#include "ui/fwwidgets.h"

// The controls of TGNameForm, by the names tools and tests find them by.
struct TGNameFormControls {
  QLabel* Label1 = nullptr;  // "Long Name"
  QLabel* Label2 = nullptr;  // "Short Name"
  QLineEdit* LongName = nullptr;
  QLineEdit* ShortName = nullptr;
  fw::ui::FwRadioGroup* SexRadio = nullptr;  // items "Male" (0) and "Female" (1)
  QLabel* Label3 = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLineEdit* OkPressed = nullptr;  // "1" after a successful OK, "0" after Cancel
};

class TGNameForm : public fw::ui::FwDialog, private TGNameFormControls {
  Q_OBJECT
 public:
  enum class Mode { kAdd, kEdit };

  explicit TGNameForm(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TGNameForm* Instance();
  static void SetInstance(TGNameForm* instance);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TGNameFormControls& Ui() const { return *this; }
  Mode DialogMode = Mode::kAdd;

  // Fills the dialog with `golfer` in `mode` (for a new golfer: empty names,
  // Male). `others` are the other golfers of the list, whose short names this
  // golfer may not take: two golfers never share one score file.
  void Fill(Mode mode, const fw::TGolferRec& golfer, std::vector<fw::TGolferRec> others);
  // The golfer confirmed here, when this dialog was last shown by `opener`;
  // OkPressed goes back to "0", so that the answer is taken once only.
  std::optional<fw::TGolferRec> TakeConfirmed(const fw::ui::FormBase* opener);
  // Hides the dialog for an opener that is going away, with no answer for anyone.
  void Withdraw();

  // Puts the short name the golfer keeps back into the field, when the change
  // to a new one could not be made.
  void KeepShortName(const QString& shortName) { ShortName->setText(shortName); }

  void FormShow() override;
  void FormActivate() override;
  void LongNameExit();
  void ShortNameExit();
  void OKButtonClick();
  void CancelButtonClick();

  // The short name derived from a long name: its first 8 characters in capitals,
  // every character a short name cannot hold turned into an underline.
  static QString BaseShortName(const QString& longName);
  // The first of BASE, BAS1 ... (up to try 999) whose score file does not exist
  // in the working folder and that none of `others` uses; empty when every try
  // is taken.
  static QString FreeShortName(const QString& base);
  static QString FreeShortName(const QString& base, const std::vector<fw::TGolferRec>& others);

 private:
  // Shows a message about the short name and leaves the focus in it.
  void RefuseShortName(const QString& text);
  // Asks the question about an existing score file; true for Yes.
  bool ConfirmExistingFile(const QString& fileName);
  // The other golfer of the list who uses this short name (any case), if one does.
  const fw::TGolferRec* OtherGolferNamed(const QString& shortName) const;

  std::vector<fw::TGolferRec> others_;

  // Set while a message about the short name is up: the activation that follows
  // it (at once or only later, depending on the window manager) must leave the
  // focus in the short name rather than move it to the long name.
  bool refocusShortName_ = false;
};
