#include "html/links.h"

#include "text/field_text.h"

namespace orvane::html {

namespace {

// A string is quoted with its quotes doubled; a control character goes outside the quotes as "#"
// and its code, so that each entry stays on its line.
std::string quoted(std::string_view text) {
  if (text.empty()) return "''";
  std::string result;
  bool open = false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32) {
      if (open) result += '\'';
      open = false;
      result += '#' + std::to_string(byte);
      continue;
    }
    if (!open) result += '\'';
    open = true;
    result += c == '\'' ? "''" : std::string(1, c);
  }
  if (open) result += '\'';
  return result;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool atEnd() {
    skipBlanks();
    return at_ >= text_.size();
  }
  bool take(char c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool peekString() {
    skipBlanks();
    return at_ < text_.size() && (text_[at_] == '\'' || text_[at_] == '#');
  }
  /// A string made of quoted pieces and "#" codes; nothing when malformed.
  std::optional<std::string> string() {
    std::string result;
    while (at_ < text_.size() && (text_[at_] == '\'' || text_[at_] == '#')) {
      if (text_[at_] == '#') {
        std::size_t end = ++at_;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        const auto code = tryParseInteger(text_.substr(at_, end - at_));
        if (!code || *code < 0 || *code > 255) return std::nullopt;
        result += static_cast<char>(*code);
        at_ = end;
        continue;
      }
      for (++at_;; ++at_) {
        if (at_ >= text_.size()) return std::nullopt;
        if (text_[at_] != '\'') {
          result += text_[at_];
        } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '\'') {
          result += '\'';
          ++at_;
        } else {
          ++at_;
          break;
        }
      }
    }
    return result;
  }

 private:
  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\r' || text_[at_] == '\n' || text_[at_] == '\t'))
      ++at_;
  }
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::string writeLinksText(const std::vector<LinksEntry>& entries) {
  std::string text = "(";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    text += (i == 0 ? "" : "\n ") + quoted(entries[i].name) + " (";
    for (std::size_t p = 0; p < entries[i].pairs.size(); ++p)
      text +=
          (p == 0 ? "" : " ") + quoted(entries[i].pairs[p].first) + " " + quoted(entries[i].pairs[p].second);
    text += ")";
  }
  return text + ")\n";
}

std::optional<THExtStoredList> readLinksText(std::string_view text) {
  Reader reader(text);
  THExtStoredList records;
  if (!reader.take('(')) return std::nullopt;
  while (!reader.take(')')) {
    if (!reader.peekString()) return std::nullopt;
    auto name = reader.string();
    if (!name || !reader.take('(')) return std::nullopt;
    records.push_back({0, *name, {}});
    while (!reader.take(')')) {
      if (!reader.peekString()) return std::nullopt;
      auto pairName = reader.string();
      if (!pairName || !reader.peekString()) return std::nullopt;
      auto value = reader.string();
      if (!value) return std::nullopt;
      records.push_back({1, *pairName, *value});
    }
  }
  if (!reader.atEnd()) return std::nullopt;
  return records;
}

}  // namespace orvane::html
