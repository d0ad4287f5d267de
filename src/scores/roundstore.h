#pragma once
// Storing a round confirmed in the score entry window into the score file of
// the golfer it was entered for, as the golfer list and the group window do.

#include <QString>

#include "data/golferlist.h"
#include "data/scorefile.h"

namespace fw::ui {

// The warning of the score list and the group window when a golfer's file
// already holds the most rounds a golfer may have.
extern const QString kScoreLimitWarning;

// Reads the golfer's score file again into `scores` (rounds may have been
// added elsewhere while the round was being entered), appends the round, sorts
// the table newest first and rewrites the file. A file already at the limit
// takes nothing: the two "Bad News!" messages are shown instead. A score list
// showing the golfer is told, so that it does not save over the round.
// Returns whether the round was stored.
bool StoreConfirmedRound(const TGolferRec& golfer, const TScoreRec& round, ScoreTable& scores);

}  // namespace fw::ui
