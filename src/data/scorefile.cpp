#include "data/scorefile.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <type_traits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "data/placeholders.h"
#include "data/recordtext.h"
#include "data/textutil.h"

namespace fw {
namespace {

constexpr int kScoreFields = 45;
constexpr int kCommentField = 6;

// One entry of the score line's table: a field of the record, or the run of
// 18 fields of an array (the hole scores, the putts), with the placeholder it
// keeps when its line does not close it, in the standard records and in the
// score list window's. The room is the record field's own.
template <auto Member>
struct ScoreField {
  std::string_view Standard;
  std::string_view ScoreList;

  constexpr std::string_view Placeholder(ScorePlaceholders kind) const {
    return kind == ScorePlaceholders::kScoreList ? ScoreList : Standard;
  }
};
template <auto Member>
constexpr ScoreField<Member> Field(std::string_view placeholder) {
  return {placeholder, placeholder};
}

// The fields of a score line in the file's order: everything the reader,
// the writer and InitScoreRec know of them.
constexpr std::tuple kScoreLine{
    Field<&TScoreRec::Date>(kMissingDate),
    Field<&TScoreRec::CourseName>(UnsetFill(kScoreCourseRoom)),
    Field<&TScoreRec::TotalScore>(UnsetFill(kTotalScoreRoom)),
    Field<&TScoreRec::Rating>(UnsetFill(kScoreRatingRoom)),
    Field<&TScoreRec::Slope>(UnsetFill(kScoreSlopeRoom)),
    Field<&TScoreRec::Comment>(""),
    Field<&TScoreRec::HoleScores>(kNothingEntered),
    Field<&TScoreRec::HolePutts>(kNothingEntered),
    ScoreField<&TScoreRec::AdjustedScore>{UnsetFill(kAdjustedRoom), kNothingEntered},
    Field<&TScoreRec::IndexAtEntry>(kNothingEntered),
    Field<&TScoreRec::CourseHdcp>(kNothingEntered),
};

template <class T>
concept OneField = requires {
  std::remove_cvref_t<T>::kRoom;
};

template <class Rec, auto Member, class Fn>
constexpr void VisitField(Rec& rec, const ScoreField<Member>& entry, int& n, Fn& fn) {
  auto& member = rec.*Member;
  if constexpr (OneField<decltype(member)>) {
    fn(n++, member, entry);
  } else {
    for (auto& text : member) fn(n++, text, entry);
  }
}

// Calls fn(n, text, entry) for the fields of a score line in their order, n
// from 1 to 45: the record's text of the field (the record may be const) and
// its entry of kScoreLine.
template <class Rec, class Fn>
constexpr void ForEachField(Rec& rec, Fn&& fn) {
  int n = 1;
  std::apply([&](const auto&... entry) { (VisitField(rec, entry, n, fn), ...); }, kScoreLine);
}

// How many fields of the line an entry of kScoreLine stands for.
template <auto Member>
constexpr int FieldsIn(const ScoreField<Member>&) {
  using Text = std::remove_cvref_t<decltype(std::declval<TScoreRec&>().*Member)>;
  if constexpr (OneField<Text>)
    return 1;
  else
    return static_cast<int>(std::tuple_size_v<Text>);
}
template <auto Member>
constexpr auto MemberOf(const ScoreField<Member>&) {
  return Member;
}

// Where field n (from 1) stands in kScoreLine: the entry and the place in it.
struct FieldPlace {
  std::size_t Entry = 0;
  std::size_t Offset = 0;
};
constexpr FieldPlace PlaceOf(int n) {
  FieldPlace place;
  int first = 1;
  std::apply(
      [&](const auto&... entry) {
        std::size_t e = 0;
        ((n >= first && n < first + FieldsIn(entry)
              ? void(place = FieldPlace{e, static_cast<std::size_t>(n - first)})
              : void(),
          first += FieldsIn(entry), ++e),
         ...);
      },
      kScoreLine);
  return place;
}
static_assert(std::apply([](const auto&... entry) { return (FieldsIn(entry) + ...); },
                         kScoreLine) == kScoreFields);

// Field n (1 to 45) of the record, found at compile time.
template <int n, class Rec>
auto& FieldOf(Rec& rec) {
  constexpr FieldPlace place = PlaceOf(n);
  auto& member = rec.*MemberOf(std::get<place.Entry>(kScoreLine));
  if constexpr (OneField<decltype(member)>)
    return member;
  else
    return member[place.Offset];
}

// The date as collected: six digits are widened to eight ("19" before a first
// character of '7' or later, else "20"); any length other than eight is a
// missing date.
void StoreDate(FixedText<kDateRoom>& dst, std::string_view collected, bool mayHoldNul) {
  const void* nul = mayHoldNul ? std::memchr(collected.data(), '\0', collected.size()) : nullptr;
  if (nul)
    collected = collected.substr(
        0, static_cast<std::size_t>(static_cast<const char*>(nul) - collected.data()));
  if (collected.size() == 6) {
    char wide[8] = {'2', '0'};
    if (static_cast<unsigned char>(collected[0]) >= '7') wide[0] = '1', wide[1] = '9';
    std::memcpy(wide + 2, collected.data(), 6);
    dst.AssignFitted(wide, 8);
  } else if (collected.size() == 8) {
    dst.AssignFitted(collected.data(), 8);
  } else {
    dst.AssignFitted(kMissingDate.data(), kMissingDate.size());
  }
}

// What one pass over a line finds: where it ends, where its first tildes are
// and whether a NUL stands before the last of them.
struct LineScan {
  std::uint32_t tilde[kScoreFields];
  int closed = 0;  // tildes found, at most kScoreFields
  bool hasNul = false;
  std::size_t size = 0;  // the line's length, without its end
};

// Scans one line of the file from p, one pass over its bytes, sixteen at a time
// where SSE2 is there. A line ends at its first CR or LF, as LineCursor reads
// lines (a CR LF is taken together by the caller). NULs after the last field
// counted change nothing, so they are not looked for.
void ScanLine(const char* p, const char* end, LineScan& scan) {
  const std::size_t avail = static_cast<std::size_t>(end - p);
  std::size_t base = 0;
#if defined(__SSE2__)
  const __m128i tildes = _mm_set1_epi8('~');
  const __m128i crs = _mm_set1_epi8('\r');
  const __m128i lfs = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  auto maskOf = [](__m128i eq) { return static_cast<std::uint32_t>(_mm_movemask_epi8(eq)); };
  for (; base + 16 <= avail; base += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + base));
    const std::uint32_t ends =
        maskOf(_mm_or_si128(_mm_cmpeq_epi8(block, crs), _mm_cmpeq_epi8(block, lfs)));
    if (scan.closed >= kScoreFields && !ends) continue;
    // Only the bytes before the line's end count.
    const std::uint32_t inLine = ends ? (ends & (0u - ends)) - 1 : 0xFFFFu;
    std::uint32_t tildeMask = maskOf(_mm_cmpeq_epi8(block, tildes)) & inLine;
    if (maskOf(_mm_cmpeq_epi8(block, zero)) & inLine) scan.hasNul = true;
    while (tildeMask && scan.closed < kScoreFields) {
      scan.tilde[scan.closed++] = static_cast<std::uint32_t>(base + std::countr_zero(tildeMask));
      tildeMask &= tildeMask - 1;
    }
    if (ends) {
      scan.size = base + static_cast<std::size_t>(std::countr_zero(ends));
      return;
    }
  }
#endif
  // What is left (all of it without SSE2), a byte at a time.
  for (; base < avail; ++base) {
    const char c = p[base];
    if (c == '\r' || c == '\n') break;
    if (scan.closed == kScoreFields) continue;
    if (c == '\0') scan.hasNul = true;
    if (c == '~') scan.tilde[scan.closed++] = static_cast<std::uint32_t>(base);
  }
  scan.size = base;
}

// Fields 2 to 45 of the usual line: all 45 fields closed, no NUL, and at least
// the largest room of the file after the line's end, so every field is copied
// as one block of its room's size. Unrolled over the fields.
template <std::size_t... k>
void ParseWholeLine(const char* begin, const std::uint32_t* tilde, TScoreRec& rec,
                    std::index_sequence<k...>) {
  const char* from = begin + tilde[0] + 1;
  auto field = [&](auto& dst, std::uint32_t stop) {
    constexpr std::size_t room = std::remove_reference_t<decltype(dst)>::kRoom;
    const std::size_t size = static_cast<std::size_t>(begin + stop - from);
    dst.AssignFromBlock(from, size < room ? size : room);
    from = begin + stop + 1;
  };
  (field(FieldOf<static_cast<int>(k) + 2>(rec), tilde[k + 1]), ...);
}

// One line into a record, split by the data files' splitter. Fields closed by
// their tilde take the collected text, the others their placeholder; a line
// ending inside the comment keeps the comment collected so far.
void ParseAnyLine(std::string_view line, TScoreRec& rec, ScorePlaceholders kind) {
  std::array<std::string_view, kScoreFields> texts;
  const TildeFields found = ScanTildeFields(
      line, kScoreFields, [&](int n, std::string_view text) { texts[n - 1] = text; });
  ForEachField(rec, [&](int n, auto& dst, const auto& entry) {
    if (n == 1 && found.Closed >= 1)
      StoreDate(rec.Date, texts[0], true);
    else if (n <= found.Closed)
      dst = texts[n - 1];
    else if (n == kCommentField && found.Closed == kCommentField - 1)
      dst = found.Open;
    else
      dst = entry.Placeholder(kind);
  });
}

// One line into a record; the line starts at `begin`, the file ends at
// `readEnd`.
void ParseScoreLine(const char* begin, const char* readEnd, const LineScan& scan, TScoreRec& rec,
                    ScorePlaceholders kind) {
  // No field has more room than the comment.
  if (scan.closed == kScoreFields && !scan.hasNul &&
      readEnd - (begin + scan.size) >= static_cast<std::ptrdiff_t>(kCommentRoom)) {
    StoreDate(rec.Date, std::string_view(begin, scan.tilde[0]), false);
    ParseWholeLine(begin, scan.tilde, rec, std::make_index_sequence<kScoreFields - 1>());
    return;
  }
  ParseAnyLine(std::string_view(begin, scan.size), rec, kind);
}

// Big-endian packing of a text of at most 8 bytes without NUL: comparing the
// numbers compares the texts byte by byte, a shorter beginning being less.
std::uint64_t PackKey(std::string_view key) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i)
    v = (v << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return v;
}

}  // namespace

TScoreRec InitScoreRec(ScorePlaceholders kind) {
  TScoreRec rec;
  ForEachField(rec, [&](int, auto& dst, const auto& entry) { dst = entry.Placeholder(kind); });
  return rec;
}

std::string ScoreFileName(std::string_view shortName) {
  return std::string(shortName) + ".fwp";
}

int ParseScoreFile(std::string_view bytes, ScoreTable& scores, ScorePlaceholders kind) {
  // Records already in the table are overwritten rather than rebuilt: every
  // field is set, so the result is the same as starting from an empty table.
  int reusable = scores.Count();
  int count = 0;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  // Every line counts as a round, an empty one too (it keeps the placeholders);
  // a file ending with a line end has no empty line after it.
  while (count < scores.kLimit && p < end) {
    ++count;
    TScoreRec& rec = count <= reusable ? scores[count] : scores.Append(TScoreRec{});
    LineScan scan;
    ScanLine(p, end, scan);
    ParseScoreLine(p, end, scan, rec, kind);
    const char* lineEnd = p + scan.size;
    if (lineEnd == end)
      p = end;
    else
      p = lineEnd + (lineEnd[0] == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
  }
  scores.Truncate(count);
  return count + CountLines(std::string_view(p, static_cast<std::size_t>(end - p)));
}

void LoadScoreFile(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                   ScorePlaceholders kind) {
  FileSnapshot seen;
  LoadScoreFile(folder, fileName, scores, seen, kind);
}

void LoadScoreFile(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                   FileSnapshot& seen, ScorePlaceholders kind) {
  std::string bytes;
  try {
    bytes = folder.ReadText(fileName, seen);
  } catch (const FileError&) {
    scores.Clear();
    throw;
  }
  const int rounds = ParseScoreFile(bytes, scores, kind);
  if (rounds > scores.kLimit) seen.MarkPartial(rounds, scores, "rounds");
}

bool LoadScoreFileOrReport(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                           Messenger& messenger, FileSnapshot* seen, ScorePlaceholders kind) {
  FileSnapshot read;
  if (seen) *seen = FileSnapshot();
  try {
    WorkFolder::CheckSafeName(fileName);
  } catch (const FileError& e) {
    scores.Clear();
    messenger.ShowMessage(e.what());
    return false;
  }
  try {
    LoadScoreFile(folder, fileName, scores, read, kind);
    if (seen) *seen = std::move(read);
    return true;
  } catch (const MissingFileError&) {
    messenger.ShowMessage("Error: Golfer score file \"" + std::string(fileName) + "\" not found.");
  } catch (const NotADataFileError& e) {
    messenger.ShowMessage(e.what());
  } catch (const FileError& e) {
    messenger.ShowMessage("Error: Golfer score file \"" + std::string(fileName) +
                          "\" cannot be read: " + e.what() + ".");
  }
  scores.Clear();
  return false;
}

void SortScores(ScoreTable& scores) {
  const int n = scores.Count();
  if (n < 2) return;
  // A date holds at most eight characters and no NUL, so it packs into a key.
  static_assert(kDateRoom <= 8);
  std::uint64_t keys[ScoreTable::kLimit];
  int order[ScoreTable::kLimit];  // the record (from 1) that goes to position k + 1
  for (int k = 0; k < n; ++k) {
    order[k] = k + 1;
    keys[k] = PackKey(scores[k + 1].Date);
  }
  // Newest first is the data files' ExchangeSort over the table read from its
  // end (its position k is the table's n + 1 - k): step for step the sort that
  // has always ordered the rounds, for i from 1 and j from i + 1, exchanging
  // when date i is less than date j. It runs over the keys; the records then
  // move once each.
  const auto at = [n](int k) { return static_cast<std::size_t>(n - k); };
  bool exchanged = false;
  ExchangeSort(
      n, [&](int i, int j) { return keys[at(i)] < keys[at(j)]; },
      [&](int i, int j) {
        std::swap(keys[at(i)], keys[at(j)]);
        std::swap(order[at(i)], order[at(j)]);
        exchanged = true;
      });
  if (!exchanged) return;
  // Position k + 1 receives the record now at order[k]: follow each cycle of
  // the permutation with one record held aside.
  bool placed[ScoreTable::kLimit] = {};
  for (int s = 0; s < n; ++s) {
    if (placed[s] || order[s] == s + 1) continue;
    TScoreRec held = std::move(scores[s + 1]);
    int cur = s;
    for (;;) {
      placed[cur] = true;
      int from = order[cur] - 1;
      if (from == s) {
        scores[cur + 1] = std::move(held);
        break;
      }
      scores[cur + 1] = std::move(scores[from + 1]);
      cur = from;
    }
  }
}

std::string FormatScoreFile(const ScoreTable& scores) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(scores.Count()) * 160);
  for (const TScoreRec& rec : scores) {
    ForEachField(rec, [&](int, const auto& text, const auto&) {
      AppendField(bytes, text, std::remove_cvref_t<decltype(text)>::kRoom);
    });
    bytes += kLineEnd;
  }
  return bytes;
}

void SaveScoreFile(const WorkFolder& folder, std::string_view fileName, const ScoreTable& scores,
                   FileSnapshot& seen) {
  folder.ReplaceIfUnchanged(fileName, FormatScoreFile(scores), seen);
}

StoredRound StoreRound(const WorkFolder& folder, std::string_view fileName, const TScoreRec& round,
                       ScoreTable& scores) {
  StoredRound result;
  LoadScoreFile(folder, fileName, scores, result.Before);
  if (scores.Full()) return result;
  SortScores(scores);
  scores.Append(round);
  SortScores(scores);
  result.After = result.Before;
  SaveScoreFile(folder, fileName, scores, result.After);
  result.Stored = true;
  return result;
}

}  // namespace fw
