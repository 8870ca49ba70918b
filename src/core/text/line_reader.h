#pragma once
// Reads a line file one line at a time, keeping no more of each line than our files can hold, so
// that a reader which needs a few lines holds a few lines whatever the file is.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace orvane {

class LineReader {
 public:
  /// Opens the file at `path`; anything but a regular file (a folder, a pipe that would wait for a
  /// writer, a device that never ends) or a file that cannot be opened reads as not open. Its size is
  /// no matter: no more than a line is held at a time.
  explicit LineReader(const std::filesystem::path& path);

  bool isOpen() const { return open_; }
  /// The next line in UTF-8, cut at maxLineBytes bytes of the file; nothing past the end. Lines end
  /// with CR LF, LF or a lone CR, as splitLines takes them.
  std::optional<std::string> next();

 private:
  std::filebuf file_;
  bool open_ = false;
};

}  // namespace orvane
