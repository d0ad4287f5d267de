#include "data/scorefile.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

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
void StoreDate(FixedText<kDateRoom>& dst, std::string_view collected) {
  const void* nul = std::memchr(collected.data(), '\0', collected.size());
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

// Positions of the first `max` tildes of the line, found eight bytes at a time;
// returns how many there are.
int FindTildes(std::string_view line, std::uint32_t* at, int max) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
  const char* p = line.data();
  std::size_t size = line.size();
  int found = 0;
  std::size_t base = 0;
  for (; base + 8 <= size; base += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + base, 8);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    std::uint64_t x = word ^ (kOnes * '~');  // a tilde becomes a zero byte
    // Exactly the high bit of every zero byte, without carries between bytes.
    std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);
    while (zero) {
      at[found++] = static_cast<std::uint32_t>(base + (std::countr_zero(zero) >> 3));
      if (found == max) return found;
      zero &= zero - 1;
    }
  }
  for (; base < size; ++base) {
    if (p[base] != '~') continue;
    at[found++] = static_cast<std::uint32_t>(base);
    if (found == max) break;
  }
  return found;
}

// One line into a record. Fields closed by their tilde take the collected text,
// the others their placeholder; a line ending inside the comment keeps the
// comment collected so far.
void ParseScoreLine(std::string_view line, TScoreRec& rec, int kindIndex) {
  std::uint32_t tilde[kScoreFields];
  const int closed = FindTildes(line, tilde, kScoreFields);
  // Without a NUL in the line every field is simply its first `room` bytes.
  const bool hasNul = std::memchr(line.data(), '\0', line.size()) != nullptr;
  std::size_t start = 0;
  ForEachField(rec, [&](int field, auto& dst) {
    if (field <= closed) {
      const std::size_t stop = tilde[field - 1];
      const std::string_view text = line.substr(start, stop - start);
      start = stop + 1;
      if (field == 1) {
        StoreDate(rec.Date, text);
      } else if (hasNul) {
        dst.assign(text);
      } else {
        constexpr std::size_t room = std::remove_reference_t<decltype(dst)>::kRoom;
        dst.AssignFitted(text.data(), text.size() < room ? text.size() : room);
      }
    } else if (field == kCommentField && field == closed + 1) {
      dst.assign(line.substr(start));
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

void ParseScoreFile(std::string_view bytes, ScoreTable& scores, ScorePlaceholders kind) {
  int kindIndex = kind == ScorePlaceholders::kScoreList ? 1 : 0;
  // Records already in the table are overwritten rather than rebuilt: every
  // field is set, so the result is the same as starting from an empty table.
  int reusable = scores.Count();
  int count = 0;
  LineCursor lines(bytes);
  std::string_view line;
  // Every line counts as a round, an empty one too (it keeps the placeholders).
  while (count < MaxScores && lines.Next(line)) {
    ++count;
    TScoreRec& rec = count <= reusable ? scores[count] : scores.Append(TScoreRec{});
    ParseScoreLine(line, rec, kindIndex);
  }
  scores.Truncate(count);
}

void LoadScoreFile(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                   ScorePlaceholders kind) {
  std::string bytes;
  try {
    bytes = folder.ReadText(fileName);
  } catch (const FileError&) {
    scores.Clear();
    throw;
  }
  ParseScoreFile(bytes, scores, kind);
}

bool LoadScoreFileOrReport(const WorkFolder& folder, std::string_view fileName, ScoreTable& scores,
                           Messenger& messenger, ScorePlaceholders kind) {
  try {
    WorkFolder::CheckSafeName(fileName);
  } catch (const FileError& e) {
    scores.Clear();
    messenger.ShowMessage(e.what());
    return false;
  }
  try {
    LoadScoreFile(folder, fileName, scores, kind);
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

void SaveScoreFile(const WorkFolder& folder, std::string_view fileName, const ScoreTable& scores) {
  folder.Replace(fileName, FormatScoreFile(scores));
}

}  // namespace fw
