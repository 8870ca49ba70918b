#include "catalogue/catalogue.h"

#include <array>
#include <utility>

#include "catalogue/catalogue_tables.h"

namespace orvane::catalogue {
namespace {

struct LanguageColumns {
  Language language;
  std::string_view code;
  char key;
  const tables::TextColumn* texts;
  const tables::PatternColumn* patterns;
};

// Searched in this order; the first code equal to the caller's wins.
constexpr std::array<LanguageColumns, 3> kLanguages{{
    {Language::French, "fr", '!', &tables::frenchTexts, &tables::frenchPatterns},
    {Language::English, "en", ',', &tables::englishTexts, &tables::englishPatterns},
    {Language::German, "de", '1', &tables::germanTexts, &tables::germanPatterns},
}};

const LanguageColumns* find_language(std::string_view code) {
  for (const LanguageColumns& language : kLanguages) {
    if (language.code == code) return &language;
  }
  return nullptr;
}

const LanguageColumns& columnsOf(Language language) {
  for (const LanguageColumns& columns : kLanguages) {
    if (columns.language == language) return columns;
  }
  return kLanguages.front();
}

/// The entry of `id` in one of `language`'s columns, or nullptr.
template <typename Value>
const Value* find_entry(Language language, int id, const tables::Column<Value>* LanguageColumns::*column) {
  if (id < 1 || id > tables::kLastId) return nullptr;
  return (*(columnsOf(language).*column))[id];
}

}  // namespace

std::optional<char> language_key(std::string_view language) {
  const LanguageColumns* found = find_language(language);
  if (found == nullptr) return std::nullopt;
  return found->key;
}

std::optional<std::string_view> find_text(Language language, int id) {
  const std::string_view* entry = find_entry(language, id, &LanguageColumns::texts);
  if (entry == nullptr) return std::nullopt;
  return *entry;
}

std::optional<std::string> find_format(Language language, int id, std::string_view first,
                                       std::string_view second) {
  const tables::Pattern* pattern = find_entry(language, id, &LanguageColumns::patterns);
  if (pattern == nullptr) return std::nullopt;
  std::string sentence;
  sentence.append(pattern->lead).append(first).append(pattern->afterFirst);
  if (pattern->afterSecond) sentence.append(second).append(*pattern->afterSecond);
  return sentence;
}

void message_text(Language language, int id, std::string& out) {
  if (const auto found = find_text(language, id)) out.assign(*found);
}

void message_format(Language language, int id, std::string_view first, std::string_view second,
                    std::string& out) {
  if (auto found = find_format(language, id, first, second)) out = std::move(*found);
}

std::string text(Language language, int id) { return std::string(find_text(language, id).value_or("")); }

std::string format(Language language, int id, std::string_view first, std::string_view second) {
  return find_format(language, id, first, second).value_or("");
}

std::string fileNotAccessible(Language language, std::string_view path) {
  constexpr int filePrefix = 140;
  constexpr int notAccessible = 141;
  return text(language, filePrefix) + std::string(path) + text(language, notAccessible);
}

}  // namespace orvane::catalogue

namespace orvane {

std::optional<Language> languageOfCode(std::string_view code) {
  const catalogue::LanguageColumns* found = catalogue::find_language(code);
  if (found == nullptr) return std::nullopt;
  return found->language;
}

std::string_view languageCode(Language language) { return catalogue::columnsOf(language).code; }

}  // namespace orvane
