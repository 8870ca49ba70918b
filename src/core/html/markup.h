#pragma once
// The markup of every element kind, the fonts and colours it carries, and the sizes the converter
// estimates for the table layout.

#include <optional>
#include <string>
#include <string_view>

#include "colour.h"
#include "font.h"
#include "html/html_elements.h"

namespace orvane::html {

/// "#RRGGBB" in upper-case hexadecimal.
std::string HTMLColor(Colour colour);
/// The HTML font size (1 to 7) of a point size, and back.
int HTMLSize(int points);
int PointSize(int htmlSize);
/// `text` with "&", "<", ">" and '"' written as character references, so that a field's text
/// never becomes markup.
std::string escapeHtml(std::string_view text);

/// The FONT tag (with B, I and U) the element's text is written in; `colour` replaces its own.
std::string FontOpen(const THControl& element, const std::optional<std::string>& colour);
/// Width and height of `text` as the page will show it.
std::pair<int, int> MeasureText(const THControl& element, const std::string& text);
/// " BGColor=\"...\"" for the page and its tables, or nothing.
std::string BGColorAttr(const TWHForm2HTML& converter);
/// The element's HTML attributes, each preceded by a blank.
std::string AttrList(const THElement& element);
/// The attribute's value as an integer; throws std::runtime_error when it holds none.
int integerValue(const THAttribute& attribute);

/// The element's markup, as the cell of the layout table holds it.
std::string Render(THControl& element);
/// Estimated width and height of the element in the page, in pixels.
std::pair<int, int> GetSize(THControl& element);

}  // namespace orvane::html
