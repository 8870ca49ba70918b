#pragma once
// The interface languages the catalogue holds.

#include <optional>
#include <string_view>

namespace orvane {

enum class Language { French, English, German };

/// The language of a code as settings and scripts write it ("fr", "en", "de"); exact, case-sensitive.
std::optional<Language> languageOfCode(std::string_view code);
/// The code of `language` as files and settings write it.
std::string_view languageCode(Language language);

}  // namespace orvane
