#pragma once
// Comma-separated values as RFC 4180 has them, the form spreadsheets exchange
// tables in: records of fields separated by commas, ended by CR LF; a field
// holding a comma, a double quote or a line break is written in double quotes,
// with each double quote inside doubled. The texts are the caller's bytes (the
// exports use UTF-8).

#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Appends one record: the fields separated by commas, each quoted when it
// holds a comma, a double quote, CR or LF, then CR LF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

// One record read back, with the line of the file it starts on (from 1) for
// messages. A record the reader cannot take whole says why in `problem` (then
// its fields are those read up to the fault).
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
  std::string problem;
};

// The records of a CSV text. A UTF-8 byte order mark at the start is skipped.
// Records may end with CR LF, LF or a lone CR; a quoted field keeps the line
// breaks, commas and (undoubled) quotes it holds. A line with nothing on it is
// no record, and a final line end does not start one. A quoted field that is
// never closed takes the rest of the text and is a problem of its record; so
// is text between a closing quote and the next comma, or a quote inside an
// unquoted field.
std::vector<CsvRecord> ParseCsv(std::string_view text);

}  // namespace fw
