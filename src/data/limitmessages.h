#pragma once
// What the user is told when a table is full: the golfer list (300 golfers), a
// golfer's score file (200 rounds) and the course list (200 courses). Every
// window that meets a limit says it in these words.

namespace fw {

inline constexpr const char* kGolferLimitWarning =
    "You have reached the maximum allowed number of golfers.  If possible, delete some golfers "
    "that are inactive.  Then, you can enter more new ones.";

inline constexpr const char* kCourseLimitWarning =
    "You have reached the maximum allowed number of courses.  If possible, delete some courses "
    "that you do not use.  Then, you can enter more new ones.";

// Before a round is begun for a golfer whose file is full (the score list and
// the group window); the golfer list adds kDoNotDeleteThose.
inline constexpr const char* kScoreLimitWarning =
    "This golfer has reached the maximum allowed number of scores for a golfer.  You must delete "
    "some old scores for this golfer before you can add any new scores.  REMEMBER: the last 20 "
    "complete scores are used to calculate the index.";
inline constexpr const char* kDoNotDeleteThose = "  You should not delete those.";

// When a round comes back for a file that is full by then: the two messages,
// in this order.
inline constexpr const char* kOverLimitNews =
    "Bad News!  The score you just entered puts you over the maximum number of scores allowed for "
    "a golfer.  It can not be saved.  You must delete some old scores for this golfer before you "
    "can enter more scores.";
inline constexpr const char* kOverLimitReminder =
    "Remember, the last 20 complete scores are used to calculate the index.";

}  // namespace fw
