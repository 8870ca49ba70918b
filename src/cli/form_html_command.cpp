// form-html: a form described in JSON, converted to an HTML page as the editor's converter writes it.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>
#include <stdexcept>

#include "cli/command_table.h"
#include "cli/json_reader.h"
#include "cli/json_writer.h"
#include "cli/screen_services.h"
#include "html/form2html.h"
#include "services/non_interactive_prompter.h"
#include "text/field_text.h"
#include "text/line_file.h"

namespace orvane::cli {

namespace {

using minicv::Control;
using minicv::ControlKind;

// A fault of the description, reported on one line.
struct BadForm : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const std::map<std::string, ControlKind, std::less<>> kinds{
    {"panel", ControlKind::Panel},
    {"groupbox", ControlKind::GroupBox},
    {"radiogroup", ControlKind::RadioGroup},
    {"label", ControlKind::Label},
    {"edit", ControlKind::Edit},
    {"memo", ControlKind::Memo},
    {"checkbox", ControlKind::CheckBox},
    {"radio", ControlKind::RadioButton},
    {"combobox", ControlKind::ComboBox},
    {"listbox", ControlKind::ListBox},
    {"button", ControlKind::Button},
    {"image", ControlKind::Image},
};

const std::map<std::string, html::THBrowserFamily, std::less<>> families{
    {"bfDefault", html::THBrowserFamily::bfDefault},
    {"bfIE3", html::THBrowserFamily::bfIE3},
    {"bfIE4", html::THBrowserFamily::bfIE4},
    {"bfIE5up", html::THBrowserFamily::bfIE5up},
    {"bfNS3", html::THBrowserFamily::bfNS3},
    {"bfNS4", html::THBrowserFamily::bfNS4},
    {"bfNS5up", html::THBrowserFamily::bfNS5up},
    {"bfOpera", html::THBrowserFamily::bfOpera},
    {"bfChrome", html::THBrowserFamily::bfChrome},
    {"bfSafari", html::THBrowserFamily::bfSafari},
    {"bfOtherUnknownBrowser", html::THBrowserFamily::bfOtherUnknownBrowser},
};

// The controls lie within a million pixels of their container's corner and are no larger than that.
constexpr int largest = html::largestExtent;
constexpr int largestFontSize = 1000;

std::string wholeNumberFrom(int least, int most) {
  return "a whole number from " + std::to_string(least) + " to " + std::to_string(most) + " is expected";
}

// Reads the members of one JSON object, naming the object in every complaint.
class Members {
 public:
  Members(const nlohmann::json& value, std::string where) : object_(value), where_(std::move(where)) {
    if (!value.is_object()) throw BadForm(where_ + ": an object is expected");
  }
  const nlohmann::json& object() const { return object_; }
  const nlohmann::json* find(std::string_view key) const {
    const auto found = object_.find(key);
    return found == object_.end() || found->is_null() ? nullptr : &*found;
  }
  void text(std::string_view key, std::string& out) const {
    if (const nlohmann::json* v = find(key))
      out = need(*v, v->is_string(), key, "a string").get<std::string>();
  }
  void flag(std::string_view key, bool& out) const {
    if (const nlohmann::json* v = find(key))
      out = need(*v, v->is_boolean(), key, "true or false").get<bool>();
  }
  template <typename Integer>
  void integer(std::string_view key, Integer& out) const {
    const nlohmann::json* v = find(key);
    if (!v) return;
    const double number = need(*v, v->is_number(), key, "an integer").get<double>();
    if (number != std::floor(number) || std::abs(number) > 1e9)
      throw BadForm(where_ + "." + std::string(key) + ": an integer is expected");
    out = static_cast<Integer>(number);
  }
  // A size or a position: a whole number from `least` to `most`, and nothing else.
  template <typename Integer>
  void bounded(std::string_view key, Integer& out, int least, int most) const {
    std::int64_t number = out;
    integer(key, number);
    if (number < least || number > most)
      throw BadForm(where_ + "." + std::string(key) + ": " + wholeNumberFrom(least, most) + ", not " +
                    std::to_string(number));
    out = static_cast<Integer>(number);
  }
  void colour(std::string_view key, Colour& out) const {
    const nlohmann::json* v = find(key);
    if (!v) return;
    if (v->is_string()) {
      const std::string& s = v->get_ref<const std::string&>();
      // Exactly six hexadecimal digits: a sign or a blank that a number parser would let through is no
      // colour.
      const bool hex = s.size() == 7 && s[0] == '#' && std::all_of(s.begin() + 1, s.end(), [](char c) {
                         return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                       });
      if (!hex)
        throw BadForm(where_ + "." + std::string(key) + ": a colour \"#RRGGBB\" is expected, not \"" + s +
                      "\"");
      const unsigned long value = std::stoul(s.substr(1), nullptr, 16);
      out = rgb(static_cast<int>(value >> 16), static_cast<int>(value >> 8), static_cast<int>(value));
      return;
    }
    std::int64_t number = -1;
    integer(key, number);
    if (number < 0 || number > 0xFFFFFF)
      throw BadForm(where_ + "." + std::string(key) + ": a colour is expected");
    out = static_cast<Colour>(number);
  }
  std::vector<std::string> strings(std::string_view key) const {
    std::vector<std::string> result;
    if (const nlohmann::json* v = find(key))
      for (const nlohmann::json& item : need(*v, v->is_array(), key, "an array of strings"))
        result.push_back(need(item, item.is_string(), key, "an array of strings").get<std::string>());
    return result;
  }
  const std::string& where() const { return where_; }

 private:
  // `value`, when it is of the type expected.
  const nlohmann::json& need(const nlohmann::json& value, bool expected, std::string_view key,
                             const char* what) const {
    if (!expected) throw BadForm(where_ + "." + std::string(key) + ": " + what + " is expected");
    return value;
  }
  const nlohmann::json& object_;
  std::string where_;
};

void readFont(const Members& members, FontSpec& font) {
  const nlohmann::json* value = members.find("font");
  if (!value) return;
  const Members f(*value, members.where() + ".font");
  f.text("name", font.name);
  f.bounded("size", font.size, 1, largestFontSize);
  f.colour("color", font.colour);
  f.flag("bold", font.style.bold);
  f.flag("italic", font.style.italic);
  f.flag("underline", font.style.underline);
}

// The element's name and the object of its attribute values, which stays within the document read.
using AttributeValues = std::vector<std::pair<std::string, const nlohmann::json*>>;

void readAttributes(const Members& members, const std::string& element, AttributeValues& attributes) {
  if (const nlohmann::json* value = members.find("attributes"))
    attributes.emplace_back(element, &Members(*value, members.where() + ".attributes").object());
}

void readControls(const Members& parentMembers, std::string_view key, minicv::ControlTree& tree,
                  minicv::ControlId parent, AttributeValues& attributes) {
  const nlohmann::json* controls = parentMembers.find(key);
  if (!controls) return;
  if (!controls->is_array()) throw BadForm(parentMembers.where() + ": an array of controls is expected");
  for (std::size_t i = 0; i < controls->size(); ++i) {
    const Members m((*controls)[i],
                    parentMembers.where() + "." + std::string(key) + "[" + std::to_string(i) + "]");
    std::string kind;
    m.text("kind", kind);
    const auto found = kinds.find(kind);
    if (found == kinds.end()) throw BadForm(m.where() + ": unknown kind \"" + kind + "\"");
    Control control;
    control.kind = found->second;
    control.parent = parent;
    m.text("name", control.name);
    if (control.name.empty()) throw BadForm(m.where() + ": a name is expected");
    m.bounded("left", control.left, -largest, largest);
    m.bounded("top", control.top, -largest, largest);
    m.bounded("width", control.width, 0, largest);
    m.bounded("height", control.height, 0, largest);
    m.flag("visible", control.visible);
    m.flag("enabled", control.enabled);
    m.text("text", control.text);
    m.text("hint", control.hint);
    readFont(m, control.font);
    m.colour("color", control.colour);
    m.flag("checked", control.checked);
    control.items = m.strings("items");
    m.integer("itemIndex", control.itemIndex);
    m.bounded("columns", control.columns, 1, largest);
    control.lines = m.strings("lines");
    m.bounded("maxLength", control.maxLength, 0, largest);
    m.flag("password", control.password);
    const std::string name = control.name;
    const minicv::ControlId id = tree.add(std::move(control));
    readAttributes(m, name, attributes);
    readControls(m, "children", tree, id, attributes);
  }
}

void setProperties(const Members& m, html::TWHForm2HTML& converter) {
  for (const auto& [key, value] : m.object().items()) {
    if (key == "AlternateFonts")
      m.text(key, converter.AlternateFonts);
    else if (key == "BGColor")
      m.text(key, converter.BGColor);
    else if (key == "ChunkOnly")
      m.flag(key, converter.ChunkOnly);
    else if (key == "SetFonts")
      m.flag(key, converter.SetFonts);
    else if (key == "QualifiedNames")
      m.flag(key, converter.QualifiedNames);
    else if (key == "PhotoSrc")
      m.text(key, converter.PhotoSrc);
    else if (key == "BrowserFamily") {
      std::string family;
      m.text(key, family);
      const auto found = families.find(family);
      if (found == families.end())
        throw BadForm(m.where() + ".BrowserFamily: unknown family \"" + family + "\"");
      converter.BrowserFamily = found->second;
    } else {
      throw BadForm(m.where() + ": unknown property \"" + key + "\"");
    }
  }
}

void setAttributes(html::THElement& element, const std::string& name, const nlohmann::json& values) {
  for (const auto& [key, value] : values.items()) {
    html::THAttribute* attribute = element.attributes.Find(key);
    if (!attribute) throw BadForm(name + ": no attribute \"" + key + "\"");
    if (!value.is_string()) throw BadForm(name + "." + key + ": a string is expected");
    const std::string& text = value.get_ref<const std::string&>();
    // A text that is no number at all stops the rendering that reads it, with its own message.
    if (const auto number = tryParseInteger(text);
        number && attribute->kind() == html::AttributeKind::akInteger && (*number < 0 || *number > largest))
      throw BadForm(name + "." + key + ": " + wholeNumberFrom(0, largest) + ", not \"" + text + "\"");
    attribute->SetValue(text);
  }
}

int convert(const nlohmann::json& document, const std::string& out, TextMetrics& metrics) {
  const Members top(document, "form description");
  minicv::ControlTree tree;
  Control window;
  window.kind = ControlKind::Window;
  window.name = "Form1";
  AttributeValues attributes;
  const nlohmann::json* formAttributes = nullptr;
  if (const nlohmann::json* form = top.find("form")) {
    const Members m(*form, "form");
    m.text("caption", window.text);
    m.colour("color", window.colour);
    readFont(m, window.font);
    if (const nlohmann::json* values = m.find("attributes"))
      formAttributes = &Members(*values, "form.attributes").object();
  }
  const minicv::ControlId owner = tree.add(window);
  readControls(top, "controls", tree, owner, attributes);

  NonInteractivePrompter prompter;
  html::TWHForm2HTML converter(tree, owner, metrics, prompter);
  if (const nlohmann::json* properties = top.find("converter"))
    setProperties(Members(*properties, "converter"), converter);
  if (formAttributes) setAttributes(converter.Attributes(), "form", *formAttributes);
  for (const auto& [name, values] : attributes) {
    html::THControl* element = converter.FindByName(name);
    if (!element) throw BadForm(name + ": not converted (its kind holds no fields here)");
    setAttributes(*element, name, *values);
  }
  converter.ExportFName = out;
  if (!converter.ExportToFile())
    return usageError(prompter.shown.empty() ? out + ": not written" : prompter.shown.back().text);
  JsonWriter json;
  json.beginObject();
  json.field("file", out);
  json.key("messages");
  json.beginArray();
  for (const std::string& message : prompter.texts()) json.value(message);
  json.endArray();
  json.endObject();
  std::cout << json.text() << '\n';
  return 0;
}

}  // namespace

int formHtmlCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("form-html"));
  if (const auto problem = outputOverInput(args[0], args[1])) return usageError(*problem);
  const auto bytes = readFileBytes(args[0]);
  if (!bytes) return usageError(args[0] + ": cannot be read");
  const JsonParse parsed = parseJson(*bytes);
  if (!parsed.error.empty()) return usageError(args[0] + ": " + parsed.error);
  return withScreenServices([&](const ScreenServices& screen) {
    try {
      return convert(parsed.value, args[1], screen.metrics);
    } catch (const std::exception& error) {
      // A fault of the description, or an attribute that should hold a number and does not.
      return usageError(args[0] + ": " + error.what());
    }
  });
}

}  // namespace orvane::cli
