#include "data/roundcsv.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "data/convert.h"
#include "data/cp1252.h"
#include "data/csv.h"
#include "data/placeholders.h"
#include "data/textutil.h"

namespace fw {
namespace {

// What a column holds, for the checks of the import.
enum class Kind { kDate, kText, kWhole, kDecimal };

// One field of the score record as a column of the file.
struct Column {
  std::string Name;
  Kind Type = Kind::kText;
  std::size_t Room = 0;
  std::string_view (*Get)(const TScoreRec&, std::size_t hole) = nullptr;
  void (*Set)(TScoreRec&, std::size_t hole, std::string_view) = nullptr;
  std::size_t Hole = 0;           // for the hole and putt columns
  const char* Default = nullptr;  // when the file may lack the column
};

// A column over one field of the record; the lambdas capture nothing, so they
// become the plain function pointers of Column.
template <auto Member>
Column FieldColumn(std::string name, Kind kind, const char* def = nullptr) {
  using Text = std::remove_cvref_t<decltype(std::declval<TScoreRec&>().*Member)>;
  return Column{std::move(name),
                kind,
                Text::kRoom,
                [](const TScoreRec& r, std::size_t) { return (r.*Member).view(); },
                [](TScoreRec& r, std::size_t, std::string_view t) { r.*Member = t; },
                0,
                def};
}

// The score record's fields in the file's order, Differential and Used by
// index excepted: those are computed, not stored. The first kLeadColumns
// stand before them in an export, the rest after.
std::vector<Column> RecordColumns() {
  std::vector<Column> columns = {
      FieldColumn<&TScoreRec::Date>("Date", Kind::kDate),
      FieldColumn<&TScoreRec::CourseName>("Course", Kind::kText),
      FieldColumn<&TScoreRec::Rating>("Rating", Kind::kDecimal),
      FieldColumn<&TScoreRec::Slope>("Slope", Kind::kWhole),
  };
  for (std::size_t h = 0; h < 18; ++h)
    columns.push_back(Column{
        "Hole " + std::to_string(h + 1), Kind::kWhole, kHoleRoom,
        [](const TScoreRec& r, std::size_t i) { return r.HoleScores[i].view(); },
        [](TScoreRec& r, std::size_t i, std::string_view t) { r.HoleScores[i] = t; }, h, nullptr});
  for (std::size_t h = 0; h < 18; ++h)
    columns.push_back(Column{
        "Putts " + std::to_string(h + 1), Kind::kWhole, kHoleRoom,
        [](const TScoreRec& r, std::size_t i) { return r.HolePutts[i].view(); },
        [](TScoreRec& r, std::size_t i, std::string_view t) { r.HolePutts[i] = t; }, h, nullptr});
  columns.push_back(FieldColumn<&TScoreRec::TotalScore>("Total", Kind::kWhole));
  columns.push_back(FieldColumn<&TScoreRec::AdjustedScore>("Adjusted", Kind::kWhole));
  columns.push_back(FieldColumn<&TScoreRec::Comment>("Comment", Kind::kText, ""));
  columns.push_back(FieldColumn<&TScoreRec::IndexAtEntry>("Index at entry", Kind::kDecimal, "0"));
  columns.push_back(
      FieldColumn<&TScoreRec::CourseHdcp>("Course handicap at entry", Kind::kWhole, "0"));
  return columns;
}

const std::vector<Column>& Columns() {
  static const std::vector<Column> columns = RecordColumns();
  return columns;
}
constexpr std::size_t kLeadColumns = 4 + 36 + 2;  // Date to Adjusted

constexpr std::string_view kDifferentialColumn = "Differential";
constexpr std::string_view kUsedColumn = "Used by index";
constexpr std::string_view kGolferColumn = "Golfer";
constexpr std::string_view kShortNameColumn = "Short name";

// yyyymmdd as yyyy-mm-dd, the missing date as nothing; a stored date of
// another shape as it is, for the import to name.
std::string ExportDate(std::string_view stored) {
  if (IsMissingDate(stored)) return "";
  if (stored.size() != 8 || stored.find_first_not_of("0123456789") != std::string_view::npos)
    return Cp1252ToUtf8(stored);
  std::string date(stored.substr(0, 4));
  date += '-';
  date += stored.substr(4, 2);
  date += '-';
  date += stored.substr(6, 2);
  return date;
}

std::vector<std::string> Header(bool club) {
  std::vector<std::string> names;
  if (club) names = {std::string(kGolferColumn), std::string(kShortNameColumn)};
  for (std::size_t c = 0; c < Columns().size(); ++c) {
    if (c == kLeadColumns) {
      names.emplace_back(kDifferentialColumn);
      names.emplace_back(kUsedColumn);
    }
    names.push_back(Columns()[c].Name);
  }
  return names;
}

// The rows of a golfer's rounds, each after `lead` (the golfer's names in the
// club's file).
void AppendRounds(std::string& out, const std::vector<std::string>& lead, const ScoreTable& scores,
                  std::span<const RoundFigures> figures) {
  if (figures.size() != static_cast<std::size_t>(scores.Count()))
    throw std::invalid_argument("one RoundFigures per round is needed");
  std::size_t k = 0;
  for (const TScoreRec& rec : scores) {
    std::vector<std::string> row = lead;
    for (std::size_t c = 0; c < Columns().size(); ++c) {
      const Column& column = Columns()[c];
      if (c == kLeadColumns) {
        row.push_back(TrimBlanks(figures[k].Differential));
        row.emplace_back(figures[k].UsedByIndex ? "yes" : "no");
      }
      const std::string_view text = column.Get(rec, column.Hole);
      row.push_back(column.Type == Kind::kDate ? ExportDate(text) : Cp1252ToUtf8(text));
    }
    AppendCsvRecord(out, row);
    ++k;
  }
}

// Column names match ignoring case and the blanks around them.
bool SameColumnName(std::string_view a, std::string_view b) {
  return SameTextIgnoringCase(TrimBlanks(a), TrimBlanks(b));
}

// yyyy-mm-dd of a real calendar day as yyyymmdd; nothing for anything else.
std::optional<std::string> ImportDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  std::string digits = std::string(text.substr(0, 4)) + std::string(text.substr(5, 2)) +
                       std::string(text.substr(8, 2));
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const int year = std::stoi(digits.substr(0, 4));
  const int month = std::stoi(digits.substr(4, 2));
  const int day = std::stoi(digits.substr(6, 2));
  if (year < 1 || !IsCalendarDay(year, month, day)) return std::nullopt;
  return digits;
}

// A row's value for one column as the score file stores it; raises
// ConversionError saying what is wrong with it.
std::string ImportField(const Column& column, std::string_view cell) {
  std::string text = Utf8ToCp1252(cell);
  if (column.Type == Kind::kDate) {
    if (text.empty()) return std::string(kMissingDate);
    if (auto date = ImportDate(text)) return *date;
    throw ConversionError("'" + text + "' is not a calendar date of the form yyyy-mm-dd");
  }
  if (text.find('~') != std::string::npos)
    throw ConversionError("it holds a tilde (~), which separates the fields of the score file");
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
    throw ConversionError("it holds a line break");
  if (text.size() > column.Room)
    throw ConversionError("it holds " + std::to_string(text.size()) + " characters; the " +
                          "score file has room for " + std::to_string(column.Room));
  if (!text.empty() && !IsUnsetFill(text)) {
    if (column.Type == Kind::kWhole) StrToInt(text);
    if (column.Type == Kind::kDecimal) StrToFloat(text);
  }
  return text;
}

using RoundKey = std::tuple<std::string, std::string, std::string>;

RoundKey KeyOf(const TScoreRec& rec) {
  return {rec.Date.str(), rec.CourseName.str(), rec.TotalScore.str()};
}

}  // namespace

std::string GolferRoundsCsv(const ScoreTable& scores, std::span<const RoundFigures> figures) {
  std::string out;
  AppendCsvRecord(out, Header(false));
  AppendRounds(out, {}, scores, figures);
  return out;
}

ClubRoundsCsv::ClubRoundsCsv() {
  AppendCsvRecord(text_, Header(true));
}

void ClubRoundsCsv::Add(const TGolferRec& golfer, const ScoreTable& scores,
                        std::span<const RoundFigures> figures) {
  AppendRounds(text_, {Cp1252ToUtf8(golfer.LongName), Cp1252ToUtf8(golfer.ShortName)}, scores,
               figures);
}

ImportPlan PlanRoundImport(std::string_view csv, const ScoreTable& stored) {
  const std::vector<CsvRecord> records = ParseCsv(csv);
  if (records.empty()) throw ConversionError("The file is empty: it has no header row.");
  const CsvRecord& header = records.front();
  if (!header.problem.empty())
    throw ConversionError("The header row (line " + std::to_string(header.line) +
                          ") cannot be read: " + header.problem + ".");
  auto find = [&](std::string_view name) -> std::optional<std::size_t> {
    std::optional<std::size_t> at;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
      if (!SameColumnName(header.fields[i], name)) continue;
      if (at)
        throw ConversionError("The file has two columns named \"" + std::string(name) + "\".");
      at = i;
    }
    return at;
  };
  if (find(kShortNameColumn))
    throw ConversionError(
        "The file holds the rounds of a whole club (it has a \"Short name\" column). Import the "
        "file of one golfer's rounds.");
  // Where each column of the record stands in the file; nothing for a column
  // the file may leave out.
  std::vector<std::optional<std::size_t>> at;
  for (const Column& column : Columns()) {
    at.push_back(find(column.Name));
    if (!at.back() && !column.Default)
      throw ConversionError("The file has no column \"" + column.Name + "\".");
  }

  ImportPlan plan;
  std::map<RoundKey, int> known;  // line of the file, 0 for a stored round
  for (const TScoreRec& rec : stored) known.emplace(KeyOf(rec), 0);
  const std::size_t room = static_cast<std::size_t>(stored.kLimit - stored.Count());

  for (std::size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& row = records[r];
    if (!row.problem.empty()) {
      plan.Refused.push_back({row.line, "the line cannot be read: " + row.problem});
      continue;
    }
    if (row.fields.size() != header.fields.size()) {
      plan.Refused.push_back({row.line, "the line has " + std::to_string(row.fields.size()) +
                                            " fields where the header has " +
                                            std::to_string(header.fields.size())});
      continue;
    }
    TScoreRec rec = InitScoreRec();
    std::string reason;
    for (std::size_t c = 0; c < Columns().size() && reason.empty(); ++c) {
      const Column& column = Columns()[c];
      try {
        const std::string text = at[c] ? ImportField(column, row.fields[*at[c]]) : column.Default;
        column.Set(rec, column.Hole, text);
      } catch (const ConversionError& e) {
        reason = column.Name + ": " + e.what();
      }
    }
    if (!reason.empty()) {
      plan.Refused.push_back({row.line, reason});
      continue;
    }
    auto [it, added] = known.emplace(KeyOf(rec), row.line);
    if (!added) {
      plan.Skipped.push_back({row.line, it->second});
      continue;
    }
    if (plan.Add.size() >= room) {
      known.erase(it);
      plan.Refused.push_back({row.line, "the golfer would have more than " +
                                            std::to_string(stored.kLimit) + " rounds"});
      continue;
    }
    plan.Add.push_back({row.line, rec});
  }
  return plan;
}

ScoreTable ApplyRoundImport(const ScoreTable& stored, const ImportPlan& plan) {
  ScoreTable scores = stored;
  for (const ImportedRound& round : plan.Add) scores.Append(round.Round);
  SortScores(scores);
  return scores;
}

}  // namespace fw
