#include "scores/roundstore.h"

#include "data/limitmessages.h"
#include "ui/appstate.h"
#include "ui/dataevents.h"
#include "ui/fwcodec.h"
#include "ui/fwmessage.h"

namespace fw::ui {

void TellRoundOverLimit() {
  Inform(QString::fromLatin1(kOverLimitNews));
  Inform(QString::fromLatin1(kOverLimitReminder));
}

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
    TellRoundOverLimit();
    return false;
  }
  emit Events().RoundStored(ToQt(fileName), round, stored.Before, stored.After);
  return true;
}

}  // namespace fw::ui
