#pragma once
// The score entry window: one round typed hole by hole (or as a total), with
// the sums, the adjusted gross score and the differential kept up to date,
// under the handicap rules in force when the round was prepared. One
// instance lives for the whole run. The window that opens it prepares it for a
// round and shows it with ShowFor, handing it a RoundTaker: OK hands the round
// to the taker, which stores it, and the window closes only when that worked.
// A round that cannot be stored (a full disk, a file changed or renamed
// meanwhile) stays here to be confirmed again or cancelled knowingly.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "data/courselist.h"
#include "data/dateorder.h"
#include "data/holelist.h"
#include "data/scorefile.h"
#include "handicap/handicaprules.h"
#include "scores/roundentry.h"
#include "ui/fwform.h"

class QAction;
struct TCourseEdit;
class QGridLayout;
class QVBoxLayout;
class QKeyEvent;

// The controls of TScoreForm, by the names tools and tests find them by.
struct TScoreFormControls {
  QComboBox* CourseField = nullptr;
  QLineEdit* DateField = nullptr;
  QCheckBox* SkipPuttsChkBox = nullptr;
  QLineEdit* RatingField = nullptr;
  QLineEdit* SlopeField = nullptr;
  QLineEdit* IndexField = nullptr;
  std::array<QLineEdit*, 19> Par{};  // Par[1] to Par[18]
  QLineEdit* ParOut = nullptr;
  QLineEdit* ParIn = nullptr;
  QLineEdit* ParTotal = nullptr;
  std::array<QLineEdit*, 19> Score{};  // Score[1] to Score[18]
  QLineEdit* ScoreOut = nullptr;
  QLineEdit* ScoreIn = nullptr;
  QLineEdit* ScoreTotal = nullptr;
  std::array<QLineEdit*, 19> Putts{};  // Putts[1] to Putts[18]
  QLineEdit* PuttsOut = nullptr;
  QLineEdit* PuttsIn = nullptr;
  QLineEdit* PuttsTotal = nullptr;
  QLineEdit* AdjScore = nullptr;
  QLineEdit* ScoreDiff = nullptr;
  QPlainTextEdit* CommentField = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* AddCourseButton = nullptr;
  QLineEdit* GolferName = nullptr;           // hidden
  QLineEdit* CourseName2 = nullptr;          // hidden
  QLineEdit* CoursePicked = nullptr;         // hidden, "1" or "0"
  QLineEdit* OkPressed = nullptr;            // hidden, "1" or "0"
  QLineEdit* AddingGroup = nullptr;          // hidden, "1" or "0"
  QLineEdit* CourseHandicapField = nullptr;  // hidden
  QCheckBox* AddMode = nullptr;              // hidden
  QAction* SaveExit1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* EditCourses1 = nullptr;
  QAction* Help2 = nullptr;
  QAction* AboutFairwick1 = nullptr;
};

class TScoreForm : public fw::ui::FwForm, private TScoreFormControls {
  Q_OBJECT
 public:
  // Stores or takes over a confirmed round; false (after telling the user why)
  // when it could not, and the round stays in the window. Errors it raises are
  // shown and count as false.
  using RoundTaker = std::function<bool(const fw::TScoreRec&)>;

  explicit TScoreForm(QWidget* parent = nullptr);

  // The one instance of the run, made hidden at start-up; nullptr before.
  static TScoreForm* Instance();
  static void SetInstance(TScoreForm* instance);

  // Read access to the controls, for tests; other windows use the typed calls.
  const TScoreFormControls& Ui() const { return *this; }

  fw::CourseTable Courses;
  // The stroke indexes of the courses, loaded with them.
  fw::HoleTable Holes;

  // Each Prepare... first asks "Discard this round?" when the window is shown
  // with a round typed into it; they return false (and change nothing) when
  // the user keeps that round.
  // Prepares a new round for a golfer: golfer name, today's date, no course
  // chosen, CourseName2 empty, CoursePicked "0", AddingGroup "0" and the index.
  bool PrepareNewRound(const QString& golferName, const QString& indexText);
  // Prepares the change of a stored round (the score list's Modify).
  bool PrepareStoredRound(const QString& golferName, const QString& indexText,
                          const fw::TScoreRec& round);
  // Prepares the round of the first golfer of a group: a new round, with the
  // holes cleared when a course is picked and the results empty.
  bool PrepareFirstGroupRound(const QString& golferName, const QString& indexText);
  // Prepares the round of the next golfer of a group: the date (as this window
  // showed it for the golfer before) and the course of the golfer before are
  // kept, the holes are cleared when the window is shown, and the course
  // handicap is this golfer's own for that course. An empty course leaves the
  // course to be picked.
  bool PrepareNextGroupRound(const QString& golferName, const QString& indexText,
                             const QString& date, const QString& course);
  // The date as this window shows it and the course of the round in the
  // window, which the next golfer of a group takes over.
  std::pair<QString, QString> DateAndCourse() const;

  // Shows the prepared round for `opener`, which `taker` stores when it is
  // confirmed.
  void ShowFor(fw::ui::FormBase* opener, RoundTaker taker);
  // The round in the fields as a score record: the date in stored form, every
  // text cut to its room in the score file.
  fw::TScoreRec Round() const;
  // True when something of the round has been typed since it was prepared.
  bool RoundTouched() const { return roundTouched_; }

  void FormShow() override;
  void FormActivate() override;
  void FormHide() override;
  bool FormCloseQuery() override;
  void CourseFieldClick();
  void ScoreExit(int hole);  // Score1Exit .. Score18Exit
  void PuttsExit(int hole);  // Putts1Exit .. Putts18Exit
  void ScoreTotalExit();
  void AdjScoreExit();
  void DateFieldExit();
  void SkipPuttsChkBoxClick();
  void OKButtonClick();
  void SaveExit1Click();
  void CancelButtonClick();
  void Exit1Click();
  void AddCourseButtonClick();
  void EditCourses1Click();
  void AboutFairwick1Click();

 private:
  // The controls, in fwscorelayout.cpp.
  void BuildControls();
  QGridLayout* BuildCourseRows(QWidget* client);
  QGridLayout* BuildHoleGrid(QWidget* client);
  QVBoxLayout* BuildResults(QWidget* client);
  void BuildHiddenFields(QWidget* client);
  void SetTabOrder();
  void BuildMenu();
  void ConnectHandlers();
  // Exit handler of a field, also run by Save/Exit for the field being edited.
  void OnFieldExit(QWidget* field, std::function<void()> handler);
  bool NumberKey(QLineEdit* field, QKeyEvent* key, const std::function<QWidget*()>& enterTarget);
  bool DateKey(QKeyEvent* key);
  void CleanComment();
  // False when the user keeps a typed round rather than discard it.
  bool MayDiscardRound();
  // Hands the round to the taker and closes on success.
  void ConfirmRound(bool courseRequired);
  // The checks before the round is reported confirmed (OK, Save/Exit): the
  // course when required, every number the round is computed with, the date,
  // and holes left without a score. A failed check names the field and puts
  // the focus there; false keeps the window open with the round as it is.
  bool RoundCanBeStored(bool courseRequired);
  bool NumbersConvert();
  bool DateIsReal();
  bool PartlyEnteredAccepted();
  void FocusAfterCheck(QWidget* field);

  void LoadCourses(fw::Messenger& messenger);
  // Adds a course confirmed in the course edit dialog to the course list, and
  // its stroke indexes to the hole list.
  void AddCourse(const TCourseEdit& edit, fw::Messenger& messenger);
  void FillCourseField();
  // Position (from 1) of the course with that name, or 0: the first ignoring
  // letter case, or the last with exactly that name.
  int FirstCourseIgnoringCase(const QString& name) const;
  int LastCourseNamed(const std::string& name) const;
  void ShowCourse(const fw::CourseShown& figures);
  void SelectCourse(int course);
  // The course handicap on the course at that position (from 1) of the index
  // shown, as the hidden field holds it: a whole number, or "NH" for a golfer
  // without an index under WHS.
  QString CourseHandicapFor(int course) const;
  // The name of the course whose figures are in the fields: the one chosen,
  // or a stored round's course no longer listed; "" when none.
  std::string CourseInFields() const;
  // What the round's course handicap and adjusted score are computed by: the
  // rules it was prepared under, whether the golfer has an index, and the
  // stroke indexes of the course of that name.
  fw::EntryRules RulesFor(const std::string& courseName) const;
  void FieldReset();

  fw::HoleTexts HoleTextsOf(const std::array<QLineEdit*, 19>& fields) const;
  void ScoreSum(bool front);
  void PuttSums(bool front);
  void TotalsAfterHole();
  void AdjustedScore();
  void Differential();
  void SetPuttTabStops();

  // Set by PrepareStoredRound: the next FormShow keeps the round in the
  // fields even when it names no course.
  bool storedRoundPrepared_ = false;
  // The order DateField is typed and shown in: the settings' order when the
  // round was prepared. A change of the settings meanwhile is taken up by the
  // next round, so that a date on show is never read in another order.
  fw::DateOrder dateOrder_ = fw::DateOrder::kMonthDayYear;
  // Entry of CourseField whose course is in the fields (-1 none).
  int shownCourse_ = -1;
  // Set while a failed check moves the focus to the field it names.
  bool checkingRound_ = false;
  // Set by anything the user types into the round; cleared when a round is
  // prepared and when it has been taken.
  bool roundTouched_ = false;
  // Set by Enter in the comment: the next character typed there comes after
  // a blank.
  bool blankBeforeNext_ = false;

  RoundTaker taker_;
  // The rules in force when the round was prepared, those its index was
  // computed under: the round's figures follow them to the end, whatever
  // Preferences say meanwhile.
  fw::HandicapRules rules_ = fw::HandicapRules::kFairwick;
};
