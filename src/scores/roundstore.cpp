#include "scores/roundstore.h"

#include "ui/appstate.h"
#include "ui/dataevents.h"
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

bool StoreConfirmedRound(const TGolferRec& golfer, const TScoreRec& round) {
  const std::string fileName = ScoreFileName(golfer.ShortName);
  ScoreTable scores;
  StoredRound stored;
  try {
    stored = StoreRound(App().folder, fileName, round, scores);
  } catch (const MissingFileError&) {
    throw FileError(fileName + ", the score file of " + golfer.LongName.str() +
                    ", was not found: the golfer may have been renamed or deleted meanwhile.");
  }
  if (!stored.Stored) {
    Inform(kOverLimitNews);
    Inform(kOverLimitReminder);
    return false;
  }
  emit Events().RoundStored(ToQt(fileName), round, stored.Before, stored.After);
  return true;
}

}  // namespace fw::ui
