#include "text/line_reader.h"

#include <limits>

#include "text/cp1252.h"
#include "text/line_file.h"

namespace orvane {

LineReader::LineReader(const std::filesystem::path& path) {
  if (!isReadableRegularFile(path, std::numeric_limits<std::uintmax_t>::max())) return;
  open_ = file_.open(path, std::ios::in | std::ios::binary) != nullptr;
}

std::optional<std::string> LineReader::next() {
  using Traits = std::filebuf::traits_type;
  if (!open_ || Traits::eq_int_type(file_.sgetc(), Traits::eof())) return std::nullopt;
  std::string line;
  for (auto c = file_.sbumpc(); !Traits::eq_int_type(c, Traits::eof()); c = file_.sbumpc()) {
    const char byte = Traits::to_char_type(c);
    if (byte == '\n') break;
    if (byte == '\r') {
      if (Traits::eq_int_type(file_.sgetc(), Traits::to_int_type('\n'))) file_.sbumpc();
      break;
    }
    // The rest of an over-long line is passed over, never kept.
    if (line.size() < maxLineBytes) line.push_back(byte);
  }
  return cp1252ToUtf8(line);
}

}  // namespace orvane
