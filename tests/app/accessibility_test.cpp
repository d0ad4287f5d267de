// Every input of every window has a name a screen reader says.

#include <QAccessible>
#include <memory>

#include "app/fwmain.h"
#include "app/fwprefs.h"
#include "courses/fwcmaint.h"
#include "courses/fwcourse.h"
#include "golfers/fwgmaint.h"
#include "golfers/fwgname.h"
#include "golfers/fwgolfer.h"
#include "golfers/fwgpick.h"
#include "golfers/fwimport.h"
#include "golfers/fwprogress.h"
#include "handicap/fwindex.h"
#include "reports/fwcrddet.h"
#include "reports/fwhndicp.h"
#include "reports/fwprthdp.h"
#include "scores/fwscore.h"
#include "scores/fwsgroup.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

// The accessible name; for a combo box, which Qt names by its entry under
// Linux, the label it is "labelled by", which a screen reader says for it.
QString SpokenName(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  if (!qobject_cast<QComboBox*>(control)) return face->text(QAccessible::Name);
  const auto labels = face->relations(QAccessible::Label);
  return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

template <class Window>
QWidget* New() {
  return new Window;
}

TEST_F(UiTest, EveryInputOfEveryWindowHasASpokenName) {
  for (auto make : {New<TMainForm>, New<TAboutBox>, New<TGPickForm>, New<TGMaintForm>,
                    New<TGNameForm>, New<TGolferForm>, New<TProgressForm>, New<TCMaintForm>,
                    New<TCourseForm>, New<TScoreForm>, New<TGroupOfScoresForm>, New<TIndexForm>,
                    New<THandicapForm>, New<TPrintHandicapsDlg>, New<TPrintHdcpDetails>,
                    New<fw::ui::THelpForm>, New<TPreferencesDlg>, New<TImportPreviewDlg>}) {
    std::unique_ptr<QWidget> window(make());
    for (QWidget* control : window->findChildren<QWidget*>()) {
      auto* button = qobject_cast<QAbstractButton*>(control);
      // Hidden marker fields carry values between windows; nobody hears them.
      if (!control->isVisibleTo(window.get()) ||
          !(qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QAbstractScrollArea*>(control) || (button && button->isCheckable())))
        continue;
      EXPECT_NE(SpokenName(control).trimmed(), "")
          << window->objectName().toStdString() << "." << control->objectName().toStdString();
    }
  }
  TScoreForm entry;
  EXPECT_EQ(SpokenName(entry.Ui().Score[7]), "Hole 7 score");
  EXPECT_EQ(SpokenName(entry.Ui().Putts[7]), "Hole 7 putts");
}

}  // namespace
}  // namespace fwtest
