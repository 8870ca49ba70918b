#pragma once
// The message catalogue: every language-dependent text by numeric id, in French, English and German.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/language.h"

namespace orvane::catalogue {

/// The column key of a language code ('!' for "fr", ',' for "en", '1' for "de"); exact, case-sensitive.
std::optional<char> language_key(std::string_view language);

/// Assigns the plain text of `id` in `language` to `out`; leaves `out` untouched when there is none.
void message_text(Language language, int id, std::string& out);

/// Assigns the sentence of pattern `id` built around `first` and `second` to `out`; leaves `out`
/// untouched when the pattern is missing.
void message_format(Language language, int id, std::string_view first, std::string_view second,
                    std::string& out);

/// The plain text of `id`, or an empty string when there is none (for callers that build captions).
std::string text(Language language, int id);

/// The formatted text of `id`, or an empty string when there is none.
std::string format(Language language, int id, std::string_view first, std::string_view second = {});

/// "fichier :" + path + " non accessible" in `language`: a file that cannot be read.
std::string fileNotAccessible(Language language, std::string_view path);

/// The plain text of `id`, or nothing when the entry is missing; unlike text(), tells a missing entry
/// from an empty one.
std::optional<std::string_view> find_text(Language language, int id);

/// The formatted text of `id`, or nothing when the pattern is missing. A pattern with one slot ignores
/// `second`.
std::optional<std::string> find_format(Language language, int id, std::string_view first,
                                       std::string_view second);

}  // namespace orvane::catalogue
