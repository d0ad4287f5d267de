#pragma once
// Reading and writing the tilde-separated lines shared by the data files.

#include <cstddef>
#include <string>
#include <string_view>

#include "data/table.h"

namespace fw {

// Walks the lines of a file's bytes. A line ends with CR LF, LF or a lone CR
// (as editors of other systems write them); a last line without an end still
// counts, and a file ending with a line end has no empty line after it.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : rest_(bytes) {}
  // The next line without its end; false when none is left.
  bool Next(std::string_view& line);
  // The bytes not walked yet.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
  // Once searched_: the next LF and the next CR without an LF after it, or
  // nullptr when none is left.
  const char* nextLf_ = nullptr;
  const char* nextCr_ = nullptr;
  bool searched_ = false;
};

// The number of lines LineCursor finds in the bytes.
int CountLines(std::string_view bytes);

// What ScanTildeFields found of a line.
struct TildeFields {
  int Closed = 0;         // fields closed by their tilde, at most the last one asked for
  std::string_view Open;  // when fewer were closed: the text of the field the line ends in
};

// The one field splitter of the data files. Calls store(field, text) for
// every field of the line closed by its tilde, fields numbered from 1, up to
// field `lastField`; what follows it is ignored. A last field that no tilde
// closes is not stored: it is returned as Open, for a file that keeps what was
// collected of it.
template <class Store>
TildeFields ScanTildeFields(std::string_view line, int lastField, Store store) {
  TildeFields found;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size() && found.Closed < lastField; ++i) {
    if (line[i] != '~') continue;
    store(++found.Closed, line.substr(start, i - start));
    start = i + 1;
  }
  if (found.Closed < lastField) found.Open = line.substr(start);
  return found;
}

// Stores a collected field value in a record: up to its first NUL, then at
// most `room` characters.
void StoreField(std::string& dst, std::string_view collected, std::size_t room);

// Appends a field and its closing tilde: the text up to its first NUL, cut to
// `room` characters, with every tilde, CR and LF turned into a blank so the
// value can neither end its field nor its line early.
void AppendField(std::string& out, std::string_view text, std::size_t room);

// The text (up to its first NUL) is less than the other, byte by byte by code;
// a text that is the beginning of the other is the lesser.
bool TextLess(std::string_view a, std::string_view b);

// Orders a table (table.h) ascending by a text of each record, TextLess, by
// the data files' ExchangeSort.
template <class Table, class KeyOf>
void SortByText(Table& table, KeyOf keyOf) {
  ExchangeSort(
      table.Count(), [&](int i, int j) { return TextLess(keyOf(table[i]), keyOf(table[j])); },
      [&](int i, int j) { table.Exchange(i, j); });
}

inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace fw
