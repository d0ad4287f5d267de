#include "scores/roundstore.h"

#include "golfers/fwgolfer.h"
#include "ui/appstate.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

namespace fw::ui {

const QString kScoreLimitWarning = QStringLiteral(
    "This golfer has reached the maximum allowed number of scores for a golfer.  You must delete "
    "some old scores for this golfer before you can add any new scores.  REMEMBER: the last 20 "
    "complete scores are used to calculate the index.");
namespace {

const QString kOverLimitNews = QStringLiteral(
    "Bad News!  The score you just entered puts you over the maximum number of scores allowed for "
    "a golfer.  It can not be saved.  You must delete some old scores for this golfer before you "
    "can enter more scores.");
const QString kOverLimitReminder =
    QStringLiteral("Remember, the last 20 complete scores are used to calculate the index.");

}  // namespace

bool StoreConfirmedRound(const TGolferRec& golfer, const TScoreRec& round, ScoreTable& scores) {
  const std::string fileName = ScoreFileName(golfer.ShortName);
  LoadScoreFile(App().folder, fileName, scores);
  SortScores(scores);
  if (scores.Count() >= App().MaxScores || scores.Full()) {
    Inform(kOverLimitNews);
    Inform(kOverLimitReminder);
    return false;
  }
  scores.Append(round);
  SortScores(scores);
  SaveScoreFile(App().folder, fileName, scores);
  if (TGolferForm* scoreList = App().GolferForm) scoreList->ScoreFileChanged(ToQt(fileName));
  return true;
}

}  // namespace fw::ui
