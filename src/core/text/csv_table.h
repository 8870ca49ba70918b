#pragma once
// A table of data read from a CSV file, as spreadsheets export it: quoted cells may hold the
// separator, doubled quotes and line breaks. The file is UTF-8 (with or without its byte order mark)
// when it is valid UTF-8, else Windows-1252; the separator is ';' when the header line holds more of
// them than commas outside quotes, else ','.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct CsvTable {
  std::vector<std::string> header;             // the first line's cells, UTF-8
  std::vector<std::vector<std::string>> rows;  // the data lines; a row may hold fewer cells than the header
};

CsvTable readCsv(std::string_view bytes);

}  // namespace orvane
