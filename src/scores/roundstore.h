#pragma once
// Storing a round confirmed in the score entry window into the score file of
// the golfer it was entered for, as the golfer list and the group window do.

#include <QString>

#include "data/golferlist.h"
#include "data/scorefile.h"

namespace fw::ui {

// The two "Bad News!" messages: a round came back for a file that is full.
void TellRoundOverLimit();

// Stores the round in the golfer's score file as it stands on disk (rounds may
// have been added elsewhere while it was being entered): appended, sorted
// newest first, saved. A file already at the limit takes nothing: the two "Bad
// News!" messages are shown instead and false returned. Windows of this copy
// that hold the same file are told (see DataEvents::RoundStored). Throws
// FileError when the file cannot be read or written; nothing is stored then.
bool StoreConfirmedRound(const TGolferRec& golfer, const TScoreRec& round);

}  // namespace fw::ui
