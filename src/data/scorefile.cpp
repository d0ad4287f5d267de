#include "data/scorefile.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "data/recordtext.h"
#include "data/textutil.h"

namespace fw {
namespace {

constexpr int kScoreFields = 45;
constexpr int kCommentField = 6;
constexpr std::string_view kMissingDate = "99999999";
constexpr std::string_view kCourseNamePlaceholder = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";
static_assert(kCourseNamePlaceholder.size() == kScoreCourseRoom);

// Calls fn(n, field) for the fields of a score line in their order, n from 1
// to 45; the record may be const.
template <class Rec, class Fn>
void ForEachField(Rec& rec, Fn&& fn) {
  fn(1, rec.Date);
  fn(2, rec.CourseName);
  fn(3, rec.TotalScore);
  fn(4, rec.Rating);
  fn(5, rec.Slope);
  fn(6, rec.Comment);
  for (int h = 0; h < 18; ++h) fn(7 + h, rec.HoleScores[static_cast<std::size_t>(h)]);
  for (int h = 0; h < 18; ++h) fn(25 + h, rec.HolePutts[static_cast<std::size_t>(h)]);
  fn(43, rec.AdjustedScore);
  fn(44, rec.IndexAtEntry);
  fn(45, rec.CourseHdcp);
}

// Field n (1 to 45) of the record, chosen at compile time.
template <int n, class Rec>
auto& FieldOf(Rec& rec) {
  if constexpr (n == 1)
    return rec.Date;
  else if constexpr (n == 2)
    return rec.CourseName;
  else if constexpr (n == 3)
    return rec.TotalScore;
  else if constexpr (n == 4)
    return rec.Rating;
  else if constexpr (n == 5)
    return rec.Slope;
  else if constexpr (n == 6)
    return rec.Comment;
  else if constexpr (n <= 24)
    return rec.HoleScores[n - 7];
  else if constexpr (n <= 42)
    return rec.HolePutts[n - 25];
  else if constexpr (n == 43)
    return rec.AdjustedScore;
  else if constexpr (n == 44)
    return rec.IndexAtEntry;
  else
    return rec.CourseHdcp;
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

constexpr std::size_t RoomOf(int field) {
  switch (field) {
    case 1:
      return kDateRoom;
    case 2:
      return kScoreCourseRoom;
    case 3:
      return kTotalScoreRoom;
    case 4:
      return kScoreRatingRoom;
    case 5:
      return kScoreSlopeRoom;
    case 6:
      return kCommentRoom;
    case 43:
      return kAdjustedRoom;
    case 44:
      return kIndexAtEntryRoom;
    case 45:
      return kCourseHdcpRoom;
    default:
      return kHoleRoom;
  }
}

constexpr std::string_view PlaceholderOf(int field, ScorePlaceholders kind) {
  switch (field) {
    case 1:
      return kMissingDate;
    case 2:
      return kCourseNamePlaceholder;
    case 3:
      return "XXX";
    case 4:
      return "XXXX";
    case 5:
      return "XXX";
    case 6:
      return "";
    case 43:
      return kind == ScorePlaceholders::kScoreList ? "0" : "XXX";
    default:
      return "0";  // holes, putts, index and course handicap at entry
  }
}

// Room and placeholders (standard, score list) of each field.
struct FieldTable {
  std::size_t room[kScoreFields + 1] = {};
  std::string_view placeholder[2][kScoreFields + 1] = {};
  constexpr FieldTable() {
    for (int f = 1; f <= kScoreFields; ++f) {
      room[f] = RoomOf(f);
      placeholder[0][f] = PlaceholderOf(f, ScorePlaceholders::kStandard);
      placeholder[1][f] = PlaceholderOf(f, ScorePlaceholders::kScoreList);
    }
  }
};
constexpr FieldTable kFields;

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

// One line into a record. Fields closed by their tilde take the collected text,
// the others their placeholder; a line ending inside the comment keeps the
// comment collected so far. The line starts at `begin`; the file ends at
// `readEnd`.
void ParseScoreLine(const char* begin, const char* readEnd, const LineScan& scan, TScoreRec& rec,
                    int kindIndex) {
  const int closed = scan.closed;
  // No field has more room than the comment.
  if (closed == kScoreFields && !scan.hasNul &&
      readEnd - (begin + scan.size) >= static_cast<std::ptrdiff_t>(kCommentRoom)) {
    StoreDate(rec.Date, std::string_view(begin, scan.tilde[0]), false);
    ParseWholeLine(begin, scan.tilde, rec, std::make_index_sequence<kScoreFields - 1>());
    return;
  }
  const char* from = begin;  // where the next field starts
  ForEachField(rec, [&](int field, auto& dst) {
    if (field <= closed) {
      const char* const stop = begin + scan.tilde[field - 1];
      const std::size_t size = static_cast<std::size_t>(stop - from);
      const char* const text = from;
      from = stop + 1;
      if (field == 1) {
        StoreDate(rec.Date, std::string_view(text, size), scan.hasNul);
      } else if (scan.hasNul) {
        dst.assign(std::string_view(text, size));
      } else {
        constexpr std::size_t room = std::remove_reference_t<decltype(dst)>::kRoom;
        const std::size_t n = size < room ? size : room;
        if (readEnd - text >= static_cast<std::ptrdiff_t>(room))
          dst.AssignFromBlock(text, n);
        else
          dst.AssignFitted(text, n);
      }
    } else if (field == kCommentField && field == closed + 1) {
      dst.assign(std::string_view(from, static_cast<std::size_t>(begin + scan.size - from)));
    } else {
      const std::string_view placeholder = kFields.placeholder[kindIndex][field];
      dst.AssignFitted(placeholder.data(), placeholder.size());
    }
  });
}

// Big-endian packing of a text of at most 8 bytes without NUL: comparing the
// numbers compares the texts byte by byte, a shorter beginning being less.
std::uint64_t PackKey(std::string_view key) {
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < 8; ++i)
    v = (v << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return v;
}

// The exchange sort of the dates, kept step for step (it fixes the order of
// equal dates), run over keys and positions; returns false when it exchanged
// nothing.
template <class Key>
bool ExchangeSortDescending(Key* keys, int* order, int n) {
  // An order already newest first is never changed by the sort.
  bool sorted = true;
  for (int k = 0; k + 1 < n && sorted; ++k) sorted = !(keys[k] < keys[k + 1]);
  if (sorted) return false;
  for (int i = 0; i + 1 < n; ++i) {
    // Record i as it stands after each exchange of the inner loop.
    Key key = keys[i];
    int at = order[i];
    for (int j = i + 1; j < n; ++j) {
      if (key < keys[j]) {
        std::swap(key, keys[j]);
        std::swap(at, order[j]);
      }
    }
    keys[i] = key;
    order[i] = at;
  }
  return true;
}

}  // namespace

TScoreRec InitScoreRec(ScorePlaceholders kind) {
  TScoreRec rec;
  const int kindIndex = kind == ScorePlaceholders::kScoreList ? 1 : 0;
  ForEachField(rec, [&](int field, auto& dst) { dst = kFields.placeholder[kindIndex][field]; });
  return rec;
}

std::string ScoreFileName(std::string_view shortName) {
  return std::string(shortName) + ".fwp";
}

int ParseScoreFile(std::string_view bytes, ScoreTable& scores, ScorePlaceholders kind) {
  int kindIndex = kind == ScorePlaceholders::kScoreList ? 1 : 0;
  // Records already in the table are overwritten rather than rebuilt: every
  // field is set, so the result is the same as starting from an empty table.
  int reusable = scores.Count();
  int count = 0;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  // Every line counts as a round, an empty one too (it keeps the placeholders);
  // a file ending with a line end has no empty line after it.
  while (count < MaxScores && p < end) {
    ++count;
    TScoreRec& rec = count <= reusable ? scores[count] : scores.Append(TScoreRec{});
    LineScan scan;
    ScanLine(p, end, scan);
    ParseScoreLine(p, end, scan, rec, kindIndex);
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
  if (rounds > MaxScores) seen.MarkPartial(rounds, MaxScores, "rounds");
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
  int n = scores.Count();
  if (n < 2) return;
  // A date holds at most eight characters and no NUL, so it packs into a key.
  static_assert(kDateRoom <= 8);
  int order[MaxScores];
  std::uint64_t keys[MaxScores];
  for (int k = 0; k < n; ++k) {
    order[k] = k + 1;
    keys[k] = PackKey(scores[k + 1].Date);
  }
  if (!ExchangeSortDescending(keys, order, n)) return;
  // Position k + 1 receives the record now at order[k]: follow each cycle of
  // the permutation with one record held aside.
  bool placed[MaxScores] = {};
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
    ForEachField(
        rec, [&](int field, const auto& text) { AppendField(bytes, text, kFields.room[field]); });
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
