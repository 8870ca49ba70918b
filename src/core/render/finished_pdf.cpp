#include "render/finished_pdf.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <string>
#include <string_view>

namespace orvane {

namespace {

// The trailer fits well within this many bytes at the end of the file.
constexpr std::streamoff trailerBytes = 1024;
constexpr std::string_view tableOffsetMarker = "startxref";
constexpr std::string_view endMarker = "%%EOF";
constexpr std::string_view tableMarker = "xref";

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The bytes of `file` from `offset` on, at most `count`; fewer when the file ends first.
std::string readAt(std::ifstream& file, std::streamoff offset, std::streamoff count) {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  file.clear();
  file.seekg(offset);
  file.read(bytes.data(), count);
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, file.gcount())));
  return bytes;
}

}  // namespace

bool isFinishedPdf(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const std::streamoff size = file.tellg();
  const std::streamoff tailStart = std::max<std::streamoff>(0, size - trailerBytes);
  std::string tail = readAt(file, tailStart, size - tailStart);
  while (!tail.empty() && isBlank(tail.back())) tail.pop_back();
  if (!tail.ends_with(endMarker)) return false;
  const std::size_t marker = tail.rfind(tableOffsetMarker);
  if (marker == std::string::npos) return false;
  std::size_t digits = marker + tableOffsetMarker.size();
  while (digits < tail.size() && isBlank(tail[digits])) ++digits;
  std::streamoff tableOffset = 0;
  const auto [end, error] = std::from_chars(tail.data() + digits, tail.data() + tail.size(), tableOffset);
  if (error != std::errc() || end == tail.data() + digits) return false;
  return tableOffset >= 0 && tableOffset < size &&
         readAt(file, tableOffset, static_cast<std::streamoff>(tableMarker.size())) == tableMarker;
}

}  // namespace orvane
