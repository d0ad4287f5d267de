#pragma once
// Rounds as CSV files for spreadsheets (UTF-8, a header row, dates as
// yyyy-mm-dd), and the import of a golfer's rounds from such a file.
//
// Columns of a golfer's file: Date, Course, Rating, Slope, Hole 1 to Hole 18,
// Putts 1 to Putts 18, Total, Adjusted, Differential, Used by index, Comment,
// Index at entry, Course handicap at entry. The club's file puts Golfer and
// Short name in front. Every field of the score file is there, its text
// exactly as stored (numbers keep their dot and their form, a placeholder of
// capital X such as "XXX" stays "XXX"); only the date changes form: 20020110
// is 2002-01-10, and the missing date 99999999 is an empty cell. So a
// golfer's export imported into a golfer without rounds gives the same score
// file, byte for byte.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/golferlist.h"
#include "data/scorefile.h"

namespace fw {

// What the handicap rules make of one round; the caller computes it, so the
// files follow whichever rules the user chose.
struct RoundFigures {
  std::string Differential;  // such as "16.7"; blanks around it are dropped
  bool UsedByIndex = false;  // today's index counts the round
};

// The CSV file of one golfer's rounds, in table order; `figures` holds one
// entry per round in the same order (std::invalid_argument otherwise).
std::string GolferRoundsCsv(const ScoreTable& scores, std::span<const RoundFigures> figures);

// The CSV file of the whole club, built one golfer at a time.
class ClubRoundsCsv {
 public:
  ClubRoundsCsv();  // the header row
  // The golfer's rounds, each row led by the golfer's long and short name.
  void Add(const TGolferRec& golfer, const ScoreTable& scores,
           std::span<const RoundFigures> figures);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// A row of the file that becomes a round.
struct ImportedRound {
  int Line = 0;  // of the CSV file, from 1 (the header)
  TScoreRec Round;
};

// A row whose round is there already: its date, course and total are those of
// a stored round, or of an earlier row of the file (EarlierLine, else 0).
struct SkippedRow {
  int Line = 0;
  int EarlierLine = 0;
};

// A row that cannot become a round, and why.
struct RefusedRow {
  int Line = 0;
  std::string Reason;
};

// What an import will do, shown before anything is written.
struct ImportPlan {
  std::vector<ImportedRound> Add;  // in file order
  std::vector<SkippedRow> Skipped;
  std::vector<RefusedRow> Refused;
};

// Reads a CSV file in the export's columns (matched by the names of the header
// row, in any order and case; columns it does not know, such as Differential,
// are ignored; a file without Comment, Index at entry or Course handicap at
// entry gives "", "0" and "0") and plans the rounds to add to `stored`.
// A row is refused, with its reason, when it has another number of fields than
// the header, when a date is not a calendar date of the form yyyy-mm-dd (an
// empty one is the missing date), when a text does not fit its room in the
// score file or holds a tilde, a line break or a character outside
// Windows-1252, when a number field holds something else than a number
// (empty and the placeholder of capital X pass), and, once the golfer would
// have MaxScores rounds, for every further round.
// Reasons are Windows-1252 text, as every message of the core.
// Raises ConversionError, planning nothing, when the file has no header row,
// lacks a column (naming it), names one twice or is a club's file.
ImportPlan PlanRoundImport(std::string_view csv, const ScoreTable& stored);

// The golfer's table after the import: the stored rounds and the plan's,
// newest first (SortScores). The caller saves it.
ScoreTable ApplyRoundImport(const ScoreTable& stored, const ImportPlan& plan);

}  // namespace fw
