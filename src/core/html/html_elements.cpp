#include "html/html_elements.h"

#include "html/form2html.h"
#include "html/placer.h"

namespace orvane::html {

using minicv::ControlKind;

namespace {

THAttribute& addText(THElement& element, std::string name, std::string hint, bool html = true) {
  THAttribute& attribute = element.attributes.Add(std::move(name), std::move(hint), AttributeKind::akText);
  if (!html) attribute.SetFlag(afHTML, false);
  return attribute;
}

THAttribute& addOption(THElement& element, std::string name, std::string hint) {
  THAttribute& attribute = element.attributes.Add(std::move(name), std::move(hint), AttributeKind::akBoolean);
  attribute.SetFlag(afHTML, false);
  return attribute;
}

THAttribute& addInteger(THElement& element, std::string name, std::string hint) {
  return element.attributes.Add(std::move(name), std::move(hint), AttributeKind::akInteger);
}

THAttribute& addChoice(THElement& element, std::string name, std::string hint,
                       std::vector<std::string> choices, bool html = true) {
  THAttribute& attribute = element.attributes.Add(std::move(name), std::move(hint), AttributeKind::akChoice);
  attribute.choices = std::move(choices);
  if (!html) attribute.SetFlag(afHTML, false);
  return attribute;
}

// A static default the attribute starts with: its value too, so that it counts as the default.
void startWith(THAttribute& attribute, const std::string& value) {
  attribute.SetDefault(value);
  attribute.SetValue(value);
}

void setShown(THAttribute& attribute, bool shown) {
  attribute.SetFlag(afSuppressed, !shown);
  attribute.SetFlag(afApplicable, shown);
}

// The option hooks run once with their first value, so that the flags start as the value says.
void watch(THAttribute& option, std::function<void(bool)> apply) {
  option.onChange = [apply](THAttribute& self) { apply(self.AsBoolean()); };
  apply(option.AsBoolean());
}

void addAnchorAttributes(THElement& element) {
  THAttribute& href =
      addText(element, "Href", "the anchor's target address, used when AsAnchor is true", false);
  THAttribute& type = addChoice(element, "WHAnchorType", "chunk mode only",
                                {"GO", "GOR", "HIDE", "HIDER", "HREF", "JUMP", "JUMPR"}, false);
  addText(element, "WHAnchorMacro", "chunk mode only", false);
  THAttribute& asAnchor =
      addOption(element, "AsAnchor",
                "TWHForm2HTML option. Specifies whether the element will create an HTML anchor or not.");
  watch(asAnchor, [&href, &type](bool on) {
    setShown(href, on);
    type.SetFlag(afApplicable, on);
  });
}

std::string memoText(const minicv::Control& control) {
  std::string text;
  if (control.kind == ControlKind::RichEdit) {
    for (const auto& paragraph : control.richText.paragraphs()) {
      for (const auto& run : paragraph.runs) text += run.text;
      text += "\r\n";
    }
  } else {
    for (const std::string& line : control.lines) text += line + "\r\n";
  }
  return text;
}

}  // namespace

std::optional<ElementClass> ElementClassFor(const minicv::Control& control) {
  switch (control.kind) {
    case ControlKind::Window:
      return ElementClass::THForm;
    case ControlKind::GroupBox:
      return ElementClass::THGroupBox;
    case ControlKind::Panel:
      return ElementClass::THPanel;
    // A radio group draws its own items: it is a field, not a frame of further controls.
    case ControlKind::RadioGroup:
      return ElementClass::THRadioGroup;
    case ControlKind::Label:
      return ElementClass::THLabel;
    case ControlKind::Memo:
    case ControlKind::RichEdit:
      return ElementClass::THMemo;
    case ControlKind::Edit:
      return ElementClass::THEdit;
    case ControlKind::CheckBox:
      return ElementClass::THCheckBox;
    case ControlKind::RadioButton:
      return ElementClass::THRadio;
    case ControlKind::ComboBox:
      return ElementClass::THComboBox;
    case ControlKind::ListBox:
      return ElementClass::THListBox;
    case ControlKind::Button:
      return ElementClass::THButton;
    case ControlKind::Image:
      return ElementClass::THImage;
  }
  return std::nullopt;
}

bool isContainerClass(ElementClass elementClass) {
  return elementClass == ElementClass::THContainer || elementClass == ElementClass::THForm ||
         elementClass == ElementClass::THPanel || elementClass == ElementClass::THGroupBox;
}

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

std::string withoutAmpersands(std::string_view caption) {
  std::string result;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      result += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      result += '&';
      ++i;
    }
  }
  return result;
}

THElement::THElement() {
  addText(*this, "BeforeElement", "TWHForm2HTML option. Let's you insert some HTML code before the element.",
          false);
  addText(*this, "AfterElement", "TWHForm2HTML option. Let's you insert some HTML code after the element.",
          false);
}

THFormElement::THFormElement() {
  addText(*this, "ExtraAttributes",
          "Let's you insert additional HTML attributes such as JavaScript handlers.")
      .SetFlag(afRaw, true);
  addText(*this, "Action", "HTML <FORM> Action. The address the form is sent to.");
  addText(*this, "Enctype", "HTML <FORM> Enctype.");
  addChoice(*this, "Method", "HTML <FORM> Method. The possible values are \"get\" and \"post\".",
            {"post", "get"});
  for (const char* name : {"WHAction", "WHTargetPageID", "WHCbk"})
    addText(*this, name, "chunk mode only", false);
}

THControl::THControl(TWHForm2HTML& owner, ElementClass elementClass, minicv::ControlId control)
    : owner_(owner), class_(elementClass), control_(control) {
  addOwnAttributes();
}

THControl::~THControl() = default;

const minicv::Control& THControl::source() const { return owner_.tree().at(control_); }

std::string THControl::qualifiedName() const {
  return parent ? parent->qualifiedName() + "_" + source().name : source().name;
}

std::string THControl::DefaultName() const {
  // Every radio button of one container gets one name, so that they form one group in the page.
  if (class_ == ElementClass::THRadio)
    return owner_.QualifiedNames && parent ? parent->qualifiedName() + "_Radio" : "Radio";
  return owner_.QualifiedNames ? qualifiedName() : source().name;
}

THControl* THControl::FindByName(std::string_view name) {
  if (sameTextIgnoringCase(GetName(), name)) return this;
  for (auto& child : children) {
    if (sameTextIgnoringCase(child->GetName(), name)) return child.get();
    if (child->isContainer())
      if (THControl* found = child->FindByName(name)) return found;
  }
  return nullptr;
}

void THControl::SetKept(bool flag) {
  kept = flag;
  if (!flag)
    for (auto& child : children) child->SetKept(false);
}

void THControl::addOwnAttributes() {
  const bool hasExtra = class_ != ElementClass::THLabel && !isContainer();
  if (hasExtra)
    addText(*this, "ExtraAttributes",
            "Let's you insert additional HTML attributes such as JavaScript handlers.")
        .SetFlag(afRaw, true);
  const bool named = class_ != ElementClass::THLabel && !isContainer();
  if (named)
    addText(*this, "Name", "HTML element's name. Symbolic name used in transferring the output.")
        .onGetDefault = [this](std::string& value) { value = DefaultName(); };
  const bool anchored = class_ == ElementClass::THLabel || class_ == ElementClass::THCheckBox ||
                        class_ == ElementClass::THRadio || class_ == ElementClass::THImage;
  if (anchored) addAnchorAttributes(*this);

  auto live = [this](std::function<std::string(const minicv::Control&)> value) {
    return [this, value](std::string& result) { result = value(source()); };
  };
  switch (class_) {
    case ElementClass::THEdit:
      addInteger(
          *this, "Maxlength",
          "HTML <INPUT> Maxlength. Sets the number of characters which may be typed. Unlimited if empty.")
          .onGetDefault =
          live([](const minicv::Control& c) { return c.maxLength ? std::to_string(c.maxLength) : ""; });
      addInteger(*this, "Size", "HTML <INPUT> Size. Sets the element's width in characters.").onGetDefault =
          live([this](const minicv::Control& c) {
            return std::to_string(editSizeFor(c.width, owner_.sizes()));
          });
      addText(*this, "Type",
              "HTML <INPUT> Type, \"text\" or \"password\" depending on property 'PasswordChar'.")
          .onGetDefault = live([](const minicv::Control& c) { return c.password ? "password" : "text"; });
      addText(*this, "Value", "HTML <INPUT> Value. Sets the initial displayed value.").onGetDefault =
          live([](const minicv::Control& c) { return c.text; });
      break;
    case ElementClass::THMemo:
      addInteger(*this, "Cols", "HTML <TEXTAREA> Cols. Sets the element's width in characters.")
          .onGetDefault = live(
          [this](const minicv::Control& c) { return std::to_string(memoColsFor(c.width, owner_.sizes())); });
      addInteger(*this, "Rows", "HTML <TEXTAREA> Rows. Sets the number of rows that will be displayed.")
          .onGetDefault = live(
          [this](const minicv::Control& c) { return std::to_string(memoRowsFor(c.height, owner_.sizes())); });
      addText(*this, "Text", "HTML <TEXTAREA> initially displayed text.", false).onGetDefault =
          live(memoText);
      startWith(addChoice(*this, "Wrap",
                          "HTML <TEXTAREA> Wrap attribute. The possible values are \"Off\", \"Virtual\" and "
                          "\"Physical\".",
                          {"Off", "Virtual", "Physical"}),
                "Physical");
      break;
    case ElementClass::THCheckBox:
    case ElementClass::THRadio: {
      THAttribute& checked = attributes.Add(
          "Checked", "HTML <INPUT> Checked. Determines the initial state of the checkbox or radio button.",
          AttributeKind::akBoolean);
      checked.onGetDefault = live([](const minicv::Control& c) { return c.checked ? "True" : "False"; });
      const bool box = class_ == ElementClass::THCheckBox;
      startWith(addText(*this, "Type", "HTML <INPUT> Type."), box ? "checkbox" : "radio");
      THAttribute& value = addText(*this, "Value", "HTML <INPUT> Value.");
      if (box)
        startWith(value, "YES");
      else
        value.onGetDefault = live([](const minicv::Control& c) { return c.name; });
      break;
    }
    case ElementClass::THComboBox:
    case ElementClass::THListBox: {
      THAttribute& size =
          addInteger(*this, "Size", "HTML <SELECT> Size. Specifies the number of visible items.");
      if (class_ == ElementClass::THComboBox) {
        startWith(size, "1");
        break;
      }
      size.onGetDefault = live([this](const minicv::Control& c) {
        return std::to_string(listBoxRowsFor(c.height, owner_.sizes()));
      });
      attributes
          .Add("Multiple", "HTML <SELECT> Multiple. If True, the user can select more than one option.",
               AttributeKind::akBoolean)
          .onGetDefault = live([](const minicv::Control& c) { return c.multiSelect ? "True" : "False"; });
      break;
    }
    case ElementClass::THButton: {
      THAttribute& type = addChoice(
          *this, "Type",
          "HTML <INPUT> Type. If AsImage is true, use \"image\".  Otherwise, use \"submit\" or \"reset\".",
          {});
      THAttribute& value = addText(*this, "Value", "HTML <INPUT> Value. Specifies the button's caption.");
      value.onGetDefault = live([](const minicv::Control& c) { return withoutAmpersands(c.text); });
      THAttribute& src = addText(*this, "Src",
                                 "HTML <INPUT> Src. Defines the source file for the image when the attribute "
                                 "Type is set to \"image\".");
      THAttribute& alt = addText(*this, "Alt", "HTML Alt tag. This is defaulted based on the Hint property.");
      alt.onGetDefault = live([](const minicv::Control& c) { return c.hint; });
      THAttribute& asImage =
          addOption(*this, "AsImage",
                    "TWHForm2HTML option. Specifies whether the button is to be rendered as an image.");
      watch(asImage, [&type, &value, &src, &alt](bool on) {
        type.SetDefault(on ? "image" : "submit");
        type.choices = on ? std::vector<std::string>{"image"} : std::vector<std::string>{"submit", "reset"};
        type.SetFlag(afApplicable, !on);
        setShown(src, on);
        setShown(alt, on);
        setShown(value, !on);
        type.SetValue(type.GetDefault());
      });
      break;
    }
    case ElementClass::THImage: {
      THAttribute& type = addText(*this, "Type", "HTML <INPUT> Type. Only used if AsButton is False.");
      startWith(type, "image");
      addText(*this, "Alt", "HTML Alt Value. Specifies the alternate string for the image.").onGetDefault =
          live([](const minicv::Control& c) { return c.hint; });
      addInteger(*this, "Height", "HTML Height attribute. Sets the height of the image in pixels.")
          .onGetDefault = live([](const minicv::Control& c) { return std::to_string(c.height); });
      addInteger(*this, "Width", "HTML Width attribute. Sets the width of the image in pixels.")
          .onGetDefault = live([](const minicv::Control& c) { return std::to_string(c.width); });
      addText(*this, "Src", "HTML <INPUT> or <IMG> Src. Defines the source file for the image.");
      THAttribute& asButton = addOption(
          *this, "AsButton",
          "TWHForm2HTML option. Specifies whether the image will act as a button (<INPUT Type=\"image\">).");
      startWith(asButton, "True");
      THAttribute& asAnchor = attributes["AsAnchor"];
      THAttribute& name = attributes["Name"];
      watch(asButton, [&type, &asAnchor, &name](bool on) {
        type.SetFlag(afSuppressed, !on);
        if (on) asAnchor.SetValue("False");
        asAnchor.SetFlag(afApplicable, !on);
        setShown(name, on);
      });
      break;
    }
    case ElementClass::THForm: {
      addOption(*this, "Border",
                "TWHForm2HTML option. If True, the form is rendered with a border around it.");
      THAttribute& background =
          addText(*this, "CaptionBGColor",
                  "TWHForm2HTML option. Let's you specify the background color of the title bar.", false);
      startWith(background, "Navy");
      THAttribute& colour =
          addText(*this, "CaptionColor",
                  "TWHForm2HTML option. Let's you specify the text color of the caption.", false);
      startWith(colour, "White");
      background.SetFlag(afColor, true);
      colour.SetFlag(afColor, true);
      THAttribute& show = addOption(
          *this, "ShowCaption",
          "TWHForm2HTML option. If True, the form is rendered with a title bar and a border around it.");
      watch(show, [&background, &colour](bool on) {
        background.SetFlag(afApplicable, on);
        colour.SetFlag(afApplicable, on);
      });
      break;
    }
    case ElementClass::THPanel: {
      THAttribute& border = addInteger(
          *this, "Border",
          "TWHForm2HTML option. If greater then 0, the panel is rendered with a border around it.");
      border.SetFlag(afHTML, false);
      border.onGetDefault = live([](const minicv::Control& c) {
        return std::to_string((c.bevelOuter ? c.bevelWidth : 0) + (c.bevelInner ? c.bevelWidth : 0));
      });
      break;
    }
    default:
      break;
  }
}

}  // namespace orvane::html
