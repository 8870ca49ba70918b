#pragma once
// The catalogue's data: per language, one column of plain texts and one of sentence patterns, each an
// array indexed directly by id. The entries are written as (id, value) lists and turned into the
// arrays at compile time, so that a repeated or out-of-range id stops the build.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace orvane::catalogue::tables {

/// Ids run from 1 to this value; index 0 is never used.
inline constexpr int kLastId = 1325;

template <typename Value>
struct Entry {
  int id;
  Value value;
};

/// One column: the address of the value stored for each id, or nullptr when the id has none.
template <typename Value>
using Column = std::array<const Value*, kLastId + 1>;

template <typename Value, std::size_t N>
consteval Column<Value> indexById(const Entry<Value> (&entries)[N]) {
  Column<Value> column{};
  for (const Entry<Value>& entry : entries) {
    if (entry.id < 1 || entry.id > kLastId) throw "catalogue id out of range";
    if (column[entry.id] != nullptr) throw "catalogue id listed twice";
    column[entry.id] = &entry.value;
  }
  return column;
}

/// A sentence built as lead + first + afterFirst, then + second + afterSecond for the patterns that
/// have a second slot.
struct Pattern {
  std::string_view lead;
  std::string_view afterFirst = {};
  std::optional<std::string_view> afterSecond = std::nullopt;
};

using TextColumn = Column<std::string_view>;
using PatternColumn = Column<Pattern>;

extern const TextColumn frenchTexts;
extern const TextColumn englishTexts;
extern const TextColumn germanTexts;

extern const PatternColumn frenchPatterns;
extern const PatternColumn englishPatterns;
extern const PatternColumn germanPatterns;

}  // namespace orvane::catalogue::tables
