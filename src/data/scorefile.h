#pragma once
// A golfer's score file (short name + ".fwp"): one round a line, 45 fields
// (43 in older files), newest round first.

#include <array>
#include <string>
#include <string_view>

#include "data/fixedtext.h"
#include "data/messenger.h"
#include "data/table.h"
#include "data/workfolder.h"

namespace fw {

inline constexpr std::size_t kDateRoom = 8;
inline constexpr std::size_t kScoreCourseRoom = 30;
inline constexpr std::size_t kTotalScoreRoom = 3;
inline constexpr std::size_t kScoreRatingRoom = 4;
inline constexpr std::size_t kScoreSlopeRoom = 3;
inline constexpr std::size_t kCommentRoom = 100;
inline constexpr std::size_t kHoleRoom = 2;
inline constexpr std::size_t kAdjustedRoom = 3;
inline constexpr std::size_t kIndexAtEntryRoom = 4;
inline constexpr std::size_t kCourseHdcpRoom = 2;

using HoleText = FixedText<kHoleRoom>;
using HoleTexts = std::array<HoleText, 18>;

// One round. Each field holds at most its room (see FixedText): a longer text
// assigned to it is cut, as the file would cut it.
struct TScoreRec {
  FixedText<kDateRoom> Date;  // yyyymmdd, "99999999" when missing
  FixedText<kScoreCourseRoom> CourseName;
  FixedText<kTotalScoreRoom> TotalScore;
  FixedText<kScoreRatingRoom> Rating;
  FixedText<kScoreSlopeRoom> Slope;
  FixedText<kCommentRoom> Comment;
  HoleTexts HoleScores;
  HoleTexts HolePutts;
  FixedText<kAdjustedRoom> AdjustedScore;
  FixedText<kIndexAtEntryRoom> IndexAtEntry;
  FixedText<kCourseHdcpRoom> CourseHdcp;

  bool operator==(const TScoreRec&) const = default;
};

// A golfer's score table holds at most 200 rounds; MaxScores names that limit.
using ScoreTable = Table<TScoreRec, 200>;
inline constexpr int MaxScores = ScoreTable::kLimit;

// Which placeholders a window's records start from: the score list window
// starts AdjustedScore at "0" instead of "XXX".
enum class ScorePlaceholders { kStandard, kScoreList };

// Placeholders: date "99999999", thirty X, "XXX", "XXXX", "XXX", empty comment,
// every hole and putt "0", AdjustedScore "XXX" (or "0"), IndexAtEntry and
// CourseHdcp "0".
TScoreRec InitScoreRec(ScorePlaceholders kind = ScorePlaceholders::kStandard);

// The score file name of a golfer: short name + ".fwp".
std::string ScoreFileName(std::string_view shortName);

// Parses the bytes of a score file into the table (cleared first), stopping at
// MaxScores rounds. Returns the number of rounds the file holds.
int ParseScoreFile(std::string_view bytes, ScoreTable& scores,
                   ScorePlaceholders kind = ScorePlaceholders::kStandard);

// Reads the score file `fileName` into the table. Throws FileError when it is
// missing (MissingFileError) or unreadable, when it is no data file
// (NotADataFileError: a folder, a named pipe, UTF-16 text), or when the name is
// unsafe.
void LoadScoreFile(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                   ScorePlaceholders kind = ScorePlaceholders::kStandard);
// The same, remembering in `seen` what was read, for SaveScoreFile. A file of
// more than MaxScores rounds loads its first MaxScores and is marked partial.
void LoadScoreFile(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                   FileSnapshot& seen, ScorePlaceholders kind = ScorePlaceholders::kStandard);

// The score list window's load. A missing file shows
// "Error: Golfer score file \"<fileName>\" not found.", one that is no data
// file shows why (NotADataFileError), and one that exists but cannot be read
// shows "Error: Golfer score file \"<fileName>\" cannot be read: <the
// system's text>."; each returns false with an empty table.
bool LoadScoreFileOrReport(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                           Messenger& messenger, FileSnapshot* seen = nullptr,
                           ScorePlaceholders kind = ScorePlaceholders::kScoreList);

// Newest first by Date, with the exchange sort's order of equal dates.
void SortScores(ScoreTable& scores);

// The bytes SaveScoreFile writes for the table.
std::string FormatScoreFile(const ScoreTable& scores);

// Replaces the score file `fileName` with the table, atomically, when it is
// still what `seen` says was read (FileChangedError otherwise; see
// WorkFolder::ReplaceIfUnchanged); `seen` then holds what was written.
void SaveScoreFile(const WorkFolder& folder, std::string_view fileName, const ScoreTable& scores,
                   FileSnapshot& seen);

// What storing one round did: whether it was stored, and the score file as it
// was read just before and as it was written, so that a window showing the
// same file can tell whether it held exactly what was there before.
struct StoredRound {
  bool Stored = false;
  FileSnapshot Before;
  FileSnapshot After;
};

// Stores a confirmed round in a golfer's score file as it stands on disk (other
// rounds may have been added since the round was begun): reads the file into
// `scores`, appends the round unless the file already holds MaxScores rounds,
// sorts newest first and saves. Throws FileError when the file cannot be read
// or written (nothing is stored then).
StoredRound StoreRound(const WorkFolder& folder, std::string_view fileName, const TScoreRec& round,
                       ScoreTable& scores);

}  // namespace fw
