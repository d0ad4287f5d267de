#include "data/csv.h"

namespace fw {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool NeedsQuotes(std::string_view field) {
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

// Reads a CSV text one record at a time, counting lines as it goes.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {
    if (text_.starts_with(kUtf8Bom)) pos_ = kUtf8Bom.size();
  }

  bool Next(CsvRecord& record) {
    // Lines with nothing on them hold no record.
    while (pos_ < text_.size() && IsLineBreak(text_[pos_])) SkipLineBreak();
    if (pos_ >= text_.size()) return false;
    record = CsvRecord{};
    record.line = line_;
    for (;;) {
      record.fields.emplace_back();
      ReadField(record.fields.back(), record);
      if (pos_ >= text_.size()) return true;
      const char c = text_[pos_];
      if (IsLineBreak(c)) {
        SkipLineBreak();
        return true;
      }
      ++pos_;  // the comma
    }
  }

 private:
  static bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

  // CR LF, LF or a lone CR: one line.
  void SkipLineBreak() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  // One field up to, not including, its comma or line break or the end.
  void ReadField(std::string& field, CsvRecord& record) {
    if (pos_ < text_.size() && text_[pos_] == '"') {
      ReadQuotedField(field, record);
    } else {
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineBreak(text_[pos_])) {
        if (text_[pos_] == '"') Fault(record, "a double quote stands inside a field not quoted");
        field += text_[pos_++];
      }
    }
  }

  void ReadQuotedField(std::string& field, CsvRecord& record) {
    ++pos_;  // the opening quote
    for (;;) {
      if (pos_ >= text_.size()) {
        Fault(record, "a quoted field is never closed");
        return;
      }
      const char c = text_[pos_];
      if (c == '"') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field += '"';
          pos_ += 2;
          continue;
        }
        ++pos_;  // the closing quote
        break;
      }
      if (IsLineBreak(c)) {
        const std::size_t start = pos_;
        SkipLineBreak();
        field += text_.substr(start, pos_ - start);
        continue;
      }
      field += c;
      ++pos_;
    }
    // Nothing may follow the closing quote but a comma or the record's end.
    if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineBreak(text_[pos_])) {
      Fault(record, "text follows the closing quote of a field");
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineBreak(text_[pos_]))
        field += text_[pos_++];
    }
  }

  // Keeps the first fault of a record.
  static void Fault(CsvRecord& record, const char* what) {
    if (record.problem.empty()) record.problem = what;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
  bool first = true;
  for (const std::string& field : fields) {
    if (!first) out += ',';
    first = false;
    if (!NeedsQuotes(field)) {
      out += field;
      continue;
    }
    out += '"';
    for (char c : field) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
}

std::vector<CsvRecord> ParseCsv(std::string_view text) {
  std::vector<CsvRecord> records;
  CsvReader reader(text);
  CsvRecord record;
  while (reader.Next(record)) records.push_back(std::move(record));
  return records;
}

}  // namespace fw
