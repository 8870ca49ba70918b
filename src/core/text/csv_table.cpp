#include "text/csv_table.h"

#include "text/cp1252.h"
#include "text/utf8.h"

namespace orvane {

namespace {

std::string decodeText(std::string_view bytes) {
  if (bytes.starts_with(utf8ByteOrderMark)) bytes.remove_prefix(utf8ByteOrderMark.size());
  return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

// Counted on the first line only (a quoted cell may span lines), outside quotes.
char separatorOf(std::string_view text) {
  int commas = 0;
  int semicolons = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    if (c == ',') ++commas;
    if (c == ';') ++semicolons;
  }
  return semicolons > commas ? ';' : ',';
}

// Splits the text into records of cells; CR LF, LF and a lone CR end a record outside quotes.
std::vector<std::vector<std::string>> splitRecords(std::string_view text, char separator) {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string cell;
  bool quoted = false;
  bool recordStarted = false;
  const auto endRecord = [&] {
    record.push_back(std::move(cell));
    cell.clear();
    records.push_back(std::move(record));
    record.clear();
    recordStarted = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRecord();
      continue;
    }
    recordStarted = true;
    if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      record.push_back(std::move(cell));
      cell.clear();
    } else {
      cell += c;
    }
  }
  if (recordStarted || quoted) endRecord();
  return records;
}

bool isBlank(const std::vector<std::string>& record) { return record.size() == 1 && record[0].empty(); }

}  // namespace

CsvTable readCsv(std::string_view bytes) {
  const std::string text = decodeText(bytes);
  std::vector<std::vector<std::string>> records = splitRecords(text, separatorOf(text));
  CsvTable table;
  if (records.empty()) return table;
  table.header = std::move(records.front());
  // Blank lines carry no row: a file ended by an empty line is not one row longer.
  for (std::size_t i = 1; i < records.size(); ++i)
    if (!isBlank(records[i])) table.rows.push_back(std::move(records[i]));
  return table;
}

}  // namespace orvane
