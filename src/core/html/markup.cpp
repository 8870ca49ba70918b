#include "html/markup.h"

#include <stdexcept>

#include "html/form2html.h"
#include "html/placer.h"
#include "services/text_metrics.h"
#include "text/field_text.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane::html {

namespace {

using EC = ElementClass;

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

std::string value(const THElement& element, std::string_view name) {
  return element.attributes[name].GetValue();
}
bool option(const THElement& element, std::string_view name) { return element.attributes[name].AsBoolean(); }

std::string before(const THElement& element) {
  const std::string text = value(element, "BeforeElement");
  return text.empty() ? text : text + "\n";
}
std::string after(const THElement& element) {
  const std::string text = value(element, "AfterElement");
  return text.empty() ? text : "\n" + text;
}

std::string caption(const THControl& element) { return escapeHtml(withoutAmpersands(element.source().text)); }

const FontSpec& fontOf(const THControl& element) {
  const EC c = element.elementClass();
  return c == EC::THLabel || c == EC::THCheckBox || c == EC::THRadio ? element.source().font
                                                                     : element.owner().ownerControl().font;
}

// A label's or a box's caption, as an anchor when the element asks for one.
std::string captionMarkup(const THControl& element) {
  std::string markup = FontOpen(element, std::nullopt);
  if (!option(element, "AsAnchor")) return markup + caption(element);
  return markup + "<A Href=\"" + escapeHtml(value(element, "Href")) + "\">" + caption(element) + "</A>";
}

std::string openTag(const THControl& element) {
  switch (element.elementClass()) {
    case EC::THEdit:
    case EC::THCheckBox:
    case EC::THRadio:
    case EC::THButton:
      return "<INPUT";
    case EC::THMemo:
      return "<TEXTAREA";
    case EC::THComboBox:
    case EC::THListBox:
      return "<SELECT";
    case EC::THImage: {
      if (option(element, "AsButton") || !option(element, "AsAnchor")) return "<IMG";
      const std::string href = value(element, "Href");
      return "<A" + (href.empty() ? std::string() : " Href=\"" + escapeHtml(href) + "\"") + "><IMG";
    }
    default:
      return {};
  }
}

std::string closeTag(const THControl& element) {
  switch (element.elementClass()) {
    case EC::THMemo:
      return "</TEXTAREA>";
    case EC::THComboBox:
    case EC::THListBox:
      return "</SELECT>";
    case EC::THImage:
      return option(element, "AsAnchor") && !option(element, "AsButton") ? "</A>" : "";
    default:
      return {};
  }
}

struct ListItem {
  std::string text;
  std::string value;
};

ListItem listItem(const std::string& item) {
  const auto equals = item.find('=');
  if (equals == std::string::npos) return {item, item};
  return {trimmed(item.substr(0, equals)), trimmed(item.substr(equals + 1))};
}

// The first item with the longest text, and the width a browser gives the list for it.
std::pair<int, int> longestItem(const THControl& element) {
  const BrowserSizes& sizes = element.owner().sizes();
  int longest = -1;
  int length = 0;
  const auto& items = element.source().items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int itemLength = utf8Length(listItem(items[i]).text);
    if (longest < 0 || itemLength > length) {
      longest = static_cast<int>(i);
      length = itemLength;
    }
  }
  int width = sizes.listBaseWidth;
  if (length > sizes.listCharsInBase)
    width += roundToInt((length - sizes.listCharsInBase) * sizes.listPxPerChar);
  return {longest, width};
}

// The options of a combo box; the longest is padded so that the list is as wide as the control.
std::string optionList(const THControl& element) {
  const BrowserSizes& sizes = element.owner().sizes();
  const minicv::Control& control = element.source();
  const auto [longest, width] = longestItem(element);
  std::string list = "\n";
  for (std::size_t i = 0; i < control.items.size(); ++i) {
    const ListItem item = listItem(control.items[i]);
    list += "<OPTION" + std::string(static_cast<int>(i) == control.itemIndex ? " Selected" : "") +
            " Value=\"" + escapeHtml(item.value) + "\">" + escapeHtml(item.text);
    if (static_cast<int>(i) == longest && control.width - width > 0) {
      const int p = roundToInt((control.width - width) / sizes.listPxPerChar) + 1;
      for (int n = roundToInt(p * 1.2); n > 0; --n) list += "&nbsp;";
    }
    list += "\n";
  }
  return list;
}

int captionHeight(const THControl& element) {
  return MeasureText(element, withoutAmpersands(element.source().text)).second;
}

// The captioned frame of a radio group or a group box around `inner`.
std::string captionedFrame(const THControl& element, const std::string& inner) {
  const std::string background = BGColorAttr(element.owner());
  return "<TABLE" + background + " Border=\"1\" Cellspacing=\"0\" Cellpadding=\"0\">\n<TR><TD Height=\"" +
         std::to_string(captionHeight(element) + 2) + "\" Valign=\"middle\">" +
         FontOpen(element, std::nullopt) + "&nbsp;" + caption(element) + "</TD>\n<TR><TD>" + inner +
         "</TD></TR></TABLE>";
}

std::string radioItem(const THControl& element, int index) {
  const minicv::Control& control = element.source();
  if (index >= static_cast<int>(control.items.size())) return {};
  const std::string text = escapeHtml(control.items[static_cast<std::size_t>(index)]);
  return "<INPUT Type=\"radio\"" + std::string(index == control.itemIndex ? " Checked" : "") +
         AttrList(element) + " Value=\"" + text + "\">" + FontOpen(element, std::nullopt) + text;
}

// The radio items run down the columns, as the control shows them.
std::string radioTable(const THControl& element) {
  const minicv::Control& control = element.source();
  const int columns = std::max(control.columns, 1);
  const int count = static_cast<int>(control.items.size());
  const int rows = ceilDiv(count, columns);
  std::string table = "<TABLE" + BGColorAttr(element.owner()) + " Cellspacing=\"0\" Cellpadding=\"0\">\n";
  if (rows > 0) {
    // A group smaller than its caption and border gives its cells no room, never a negative size.
    const std::string height =
        std::to_string(std::max(control.height - (captionHeight(element) + 2), 0) / rows);
    const std::string width = std::to_string(std::max(control.width - 4, 0) / columns);
    int written = 0;
    for (int j = 0; written < count; ++j) {
      table += "<TR><TD Height=\"" + height + "\" Width=\"" + width + "\">" + radioItem(element, j) + "</TD>";
      ++written;
      for (int k = 1; k < columns && written < count; ++k, ++written)
        table += "\n<TD Width=\"" + width + "\">" + radioItem(element, k * rows + j) + "</TD>";
      table += "</TR>\n";
    }
  }
  return table + "</TABLE>\n";
}

std::string layoutTable(THControl& container) {
  if (!container.placer) container.placer = std::make_unique<THPlacer>(container);
  return container.placer->layoutTable();
}

std::string panelFrame(THControl& element) {
  const int border = integerValue(element.attributes["Border"]);
  if (border <= 0) return layoutTable(element);
  const int written = border + (bordersOneWider(element.owner().BrowserFamily) ? 1 : 0);
  return "<TABLE" + BGColorAttr(element.owner()) + " Border=\"" + std::to_string(written) +
         "\" Cellspacing=\"0\" Cellpadding=\"0\">\n<TR><TD>\n" + layoutTable(element) + "</TD></TR></TABLE>";
}

std::string formFrame(THControl& element) {
  TWHForm2HTML& converter = element.owner();
  const bool showCaption = option(element, "ShowCaption");
  if (!showCaption && !option(element, "Border")) return layoutTable(element);
  const std::string captionBackground = value(element, "CaptionBGColor");
  const std::string background = showCaption && !captionBackground.empty()
                                     ? " BGColor=\"" + escapeHtml(captionBackground) + "\""
                                     : BGColorAttr(converter);
  std::string frame = "<TABLE" + background + " Border=\"3\" Cellspacing=\"0\" Cellpadding=\"0\">\n";
  if (showCaption)
    frame += "<TR><TD Height=\"" + std::to_string(captionHeight(element) + 7) + "\" VAlign=\"middle\">" +
             FontOpen(element, value(element, "CaptionColor")) + "<B>&nbsp;" +
             escapeHtml(converter.ownerControl().text) + "</TD>\n";
  std::string inner = BGColorAttr(converter);
  if (inner.empty() && showCaption && bordersOneWider(converter.BrowserFamily)) inner = " BGColor=\"White\"";
  return frame + "<TR><TD>\n<TABLE" + inner + " Cellspacing=\"0\" Cellpadding=\"0\"> <TR><TD>\n" +
         layoutTable(element) + "</TD></TR></TABLE></TD></TR></TABLE>\n";
}

// What a disabled edit, button or image shows as text: the control's own text.
bool showsWindowText(EC c) { return c == EC::THEdit || c == EC::THButton || c == EC::THImage; }

std::string content(THControl& element) {
  const EC c = element.elementClass();
  if (!element.live() && showsWindowText(c)) return escapeHtml(element.source().text);
  switch (c) {
    case EC::THLabel:
    case EC::THCheckBox:
    case EC::THRadio:
      return captionMarkup(element);
    case EC::THMemo:
      return escapeHtml(value(element, "Text"));
    case EC::THComboBox:
      return optionList(element);
    case EC::THListBox:
      return "\n";
    case EC::THRadioGroup:
      return captionedFrame(element, radioTable(element));
    case EC::THGroupBox:
      return captionedFrame(element, layoutTable(element));
    case EC::THPanel:
      return panelFrame(element);
    case EC::THForm:
      return formFrame(element);
    case EC::THContainer:
      return layoutTable(element);
    default:
      return {};
  }
}

std::string controlRule(THControl& element) {
  const std::string open = openTag(element);
  return before(element) + open + AttrList(element) + (open.empty() ? "" : ">") + content(element) +
         closeTag(element) + after(element);
}

// Width of a button showing `text`, as the browser draws its caption.
int buttonWidth(const THControl& element, const std::string& text) {
  const BrowserSizes& sizes = element.owner().sizes();
  const FontSpec font{"Times New Roman", static_cast<std::int16_t>(sizes.buttonFontSize), {}, 0};
  const int a = std::max(element.owner().metrics().measure(text, font).width, sizes.buttonMinTextWidth);
  return a + roundToInt(a * sizes.buttonFactor) + sizes.buttonPadding;
}

// `text` with `blanks` blanks around it, one more in front than behind when they are odd in number.
std::string withBlanks(const std::string& text, int blanks) {
  const int front = blanks - blanks / 2;
  return std::string(static_cast<std::size_t>(front), ' ') + text +
         std::string(static_cast<std::size_t>(blanks / 2), ' ');
}

// The caption padded with blanks, in front and behind in turn, until the button is as wide as the
// control, and with at most as many blanks as the control has pixels. A blank never narrows the text,
// so the fewest blanks that reach the width are found by halving, not one blank at a time.
std::string paddedCaption(const THControl& element) {
  const THAttribute& value = element.attributes["Value"];
  std::string text = withoutAmpersands(value.GetValue());
  if (text.empty()) text = withoutAmpersands(value.GetDefault());
  const int width = element.source().width;
  int fewest = 0;
  for (int most = std::max(width, 0); fewest < most;) {
    const int middle = fewest + (most - fewest) / 2;
    if (buttonWidth(element, withBlanks(text, middle)) < width)
      fewest = middle + 1;
    else
      most = middle;
  }
  return withBlanks(text, fewest);
}

std::string renderButton(THControl& element) {
  if (element.attributes["AsImage"].AsBoolean()) return controlRule(element);
  THAttribute& value = element.attributes["Value"];
  const bool wasDefault = value.isDefault();
  const std::string stored = value.GetValue();
  value.SetValue(paddedCaption(element));
  std::string markup = controlRule(element);
  value.SetValue(wasDefault ? value.GetDefault() : stored);
  return markup;
}

// A base size and a number of steps of `step` pixels, cut to the size the page lays out.
int stepped(int base, long long steps, int step) { return boundedExtent(base + steps * step); }

std::pair<int, int> captionedSize(const THControl& element, int boxWidth, int boxHeight) {
  const auto [w, h] = MeasureText(element, element.source().text);
  return {boxWidth + w, std::max(boxHeight, h)};
}

}  // namespace

std::string HTMLColor(Colour colour) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text = "#";
  for (int component : {redOf(colour), greenOf(colour), blueOf(colour)}) {
    text += digits[component >> 4];
    text += digits[component & 15];
  }
  return text;
}

int HTMLSize(int points) {
  if (points < 10) return 1;
  if (points < 12) return 2;
  if (points < 14) return 3;
  if (points < 18) return 4;
  if (points < 24) return 5;
  if (points < 36) return 6;
  return 7;
}

int PointSize(int htmlSize) {
  switch (htmlSize) {
    case 1:
      return 8;
    case 2:
      return 10;
    case 3:
      return 12;
    case 4:
      return 14;
    case 5:
      return 18;
    case 6:
      return 24;
    default:
      return 36;
  }
}

std::string escapeHtml(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '"':
        result += "&quot;";
        break;
      default:
        result += c;
    }
  }
  return result;
}

std::string FontOpen(const THControl& element, const std::optional<std::string>& colour) {
  const TWHForm2HTML& converter = element.owner();
  if (!converter.SetFonts) return colour ? "<FONT Color=\"" + escapeHtml(*colour) + "\">" : "";
  const FontSpec& font = fontOf(element);
  std::string faces = font.name;
  const std::string alternates = trimmed(converter.AlternateFonts);
  if (!alternates.empty()) faces += (alternates.front() == ',' ? "" : ",") + alternates;
  std::string tag = "<FONT Face=\"" + escapeHtml(faces) + "\" Size=\"" + std::to_string(HTMLSize(font.size)) +
                    "\" Color=\"" + escapeHtml(colour ? *colour : HTMLColor(font.colour)) + "\">";
  if (font.style.bold) tag += "<B>";
  if (font.style.italic) tag += "<I>";
  if (font.style.underline) tag += "<U>";
  return tag;
}

std::pair<int, int> MeasureText(const THControl& element, const std::string& text) {
  FontSpec font{"Times New Roman", 12, {}, 0};
  if (element.owner().SetFonts) {
    font = fontOf(element);
    font.size = static_cast<std::int16_t>(PointSize(HTMLSize(font.size)));
  }
  const FontMeasures measures = element.owner().metrics().measure(text, font);
  return {measures.width, measures.height};
}

std::string BGColorAttr(const TWHForm2HTML& converter) {
  std::string colour = converter.BGColor;
  if (sameTextIgnoringCase(colour, "[None]")) colour.clear();
  if (sameTextIgnoringCase(colour, "[Same]")) colour = HTMLColor(converter.ownerControl().colour);
  return colour.empty() ? colour : " BGColor=\"" + escapeHtml(colour) + "\"";
}

std::string AttrList(const THElement& element) {
  std::string list;
  for (int i = 0; i < element.attributes.Count(); ++i) {
    const THAttribute& attribute = element.attributes.Items(i);
    if (attribute.hasFlag(afSuppressed) || !attribute.hasFlag(afHTML)) continue;
    if (attribute.kind() == AttributeKind::akBoolean) {
      if (attribute.AsBoolean()) list += " " + attribute.name();
      continue;
    }
    const std::string text = attribute.GetValue();
    if (text.empty()) continue;
    // Extra attributes are markup on purpose; every other value is the user's text.
    list += attribute.hasFlag(afRaw) ? " " + text : " " + attribute.name() + "=\"" + escapeHtml(text) + "\"";
  }
  return list;
}

int integerValue(const THAttribute& attribute) {
  const std::string text = attribute.GetValue();
  if (const auto number = tryParseInteger(text)) return *number;
  throw std::runtime_error("'" + text + "' is not a valid integer value");
}

std::string Render(THControl& element) {
  const EC c = element.elementClass();
  if (c == EC::THLabel) return captionMarkup(element);
  if (!element.live())
    return before(element) + FontOpen(element, std::nullopt) + content(element) +
           value(element, "AfterElement");
  switch (c) {
    case EC::THImage:
      if (option(element, "AsButton"))
        return "<IMG SRC=\"" + escapeHtml(element.owner().PhotoSrc) + "\"" + AttrList(element) + ">";
      return controlRule(element);
    case EC::THRadioGroup:
      return before(element) + content(element) + after(element);
    case EC::THButton:
      return renderButton(element);
    default:
      return controlRule(element);
  }
}

std::pair<int, int> GetSize(THControl& element) {
  const EC c = element.elementClass();
  const minicv::Control& control = element.source();
  const BrowserSizes& sizes = element.owner().sizes();
  if (!element.live() && c != EC::THImage && c != EC::THLabel)
    return MeasureText(element, showsWindowText(c) ? control.text : content(element));
  switch (c) {
    case EC::THLabel:
      return MeasureText(element, control.text);
    case EC::THEdit: {
      const int size = std::max(integerValue(element.attributes["Size"]), sizes.editMinSize);
      return {stepped(sizes.editBaseWidth, size - sizes.editMinSize, sizes.editPxPerChar), sizes.editHeight};
    }
    case EC::THMemo:
      return {stepped(sizes.memoBaseWidth, integerValue(element.attributes["Cols"]), sizes.memoPxPerCol),
              stepped(sizes.memoBaseHeight, integerValue(element.attributes["Rows"]), sizes.memoPxPerRow)};
    case EC::THCheckBox:
    case EC::THRadio:
      return captionedSize(element, sizes.checkWidth, sizes.checkHeight);
    case EC::THComboBox:
      return {std::max(longestItem(element).second, control.width), sizes.comboHeight};
    case EC::THListBox:
      return {
          std::max(longestItem(element).second, control.width),
          stepped(sizes.listBoxBaseHeight, integerValue(element.attributes["Size"]), sizes.listBoxPxPerRow)};
    case EC::THButton:
      if (option(element, "AsImage")) return {control.width, control.height};
      return {std::max(buttonWidth(element, value(element, "Value")), control.width), sizes.buttonHeight};
    case EC::THImage:
    case EC::THRadioGroup:
    case EC::THGroupBox:
      return {control.width, control.height};
    default: {
      if (!element.placer) element.placer = std::make_unique<THPlacer>(element);
      const long long border = c == EC::THPanel ? integerValue(element.attributes["Border"]) : 0;
      return {stepped(element.placer->columns() * 4, border, 2),
              stepped(element.placer->rows() * 4, border, 2)};
    }
  }
}

}  // namespace orvane::html
