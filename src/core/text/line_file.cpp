#include "text/line_file.h"

#include <array>
#include <fstream>
#include <system_error>

#include "text/cp1252.h"

namespace orvane {

namespace {

std::string encodeLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    std::string encoded = utf8ToCp1252(line);
    if (encoded.size() > maxLineBytes) encoded.resize(maxLineBytes);
    bytes += encoded;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

std::vector<std::string> splitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

bool isReadableRegularFile(const std::filesystem::path& path, std::uintmax_t largest) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return !error && size <= largest;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::uintmax_t largest) {
  if (!isReadableRegularFile(path, largest)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  // Sized to the file first: grown as it is read, a large file would sit in a buffer up to twice its
  // size, and briefly in two of them.
  std::string bytes;
  std::error_code error;
  if (const auto size = std::filesystem::file_size(path, error); !error) bytes.reserve(size);
  std::array<char, 65536> buffer;
  while (file.read(buffer.data(), buffer.size()) || file.gcount() > 0) {
    bytes.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > largest) return std::nullopt;  // grown since it was measured
  }
  if (file.bad()) return std::nullopt;
  return bytes;
}

bool writtenWhole(std::string_view line) {
  const std::string encoded = utf8ToCp1252(line);
  return line.find_first_of("\r\n") == std::string_view::npos && encoded.size() <= maxLineBytes &&
         cp1252ToUtf8(encoded) == line;
}

std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines = splitLines(*bytes);
  for (std::string& line : lines) line = cp1252ToUtf8(line);
  return lines;
}

FileStatus writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  return writeFileReplacing(path, encodeLines(lines));
}

}  // namespace orvane
