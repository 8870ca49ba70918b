#pragma once
// The element tree the converter keeps beside the source controls: one element per converted control,
// each with its attributes, containers with their children in the source's order.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/control_tree.h"
#include "html/html_attributes.h"

namespace orvane::html {

class TWHForm2HTML;
class THPlacer;

/// The class of an element, after the control it wraps.
enum class ElementClass {
  THLabel,
  THEdit,
  THMemo,
  THCheckBox,
  THRadio,
  THComboBox,
  THListBox,
  THButton,
  THImage,
  THRadioGroup,
  THContainer,
  THForm,
  THPanel,
  THGroupBox,
};

/// The element class for `control`; nothing for a kind the converter does not convert.
std::optional<ElementClass> ElementClassFor(const minicv::Control& control);
bool isContainerClass(ElementClass elementClass);

/// Any element: its attributes, with BeforeElement and AfterElement.
class THElement {
 public:
  THElement();
  virtual ~THElement() = default;
  THElement(const THElement&) = delete;
  THElement& operator=(const THElement&) = delete;

  virtual std::string GetName() const = 0;

  THAttributes attributes;
};

/// The HTML form itself.
class THFormElement : public THElement {
 public:
  THFormElement();
  std::string GetName() const override { return "<FORM>..</FORM>"; }
};

/// One source control and its place in the page.
class THControl : public THElement {
 public:
  THControl(TWHForm2HTML& owner, ElementClass elementClass, minicv::ControlId control);
  ~THControl() override;

  std::string GetName() const override { return source().name; }

  TWHForm2HTML& owner() const { return owner_; }
  ElementClass elementClass() const { return class_; }
  minicv::ControlId control() const { return control_; }
  const minicv::Control& source() const;
  bool isContainer() const { return isContainerClass(class_); }
  /// Live elements are written as form fields; a disabled control that holds no children as text.
  bool live() const { return source().enabled || isContainer(); }

  std::string DefaultName() const;
  /// Name prefixed by the names of its parents, joined by "_"; the root's is its own name.
  std::string qualifiedName() const;
  /// This container or the first element under it of that name (compared without regard to case).
  THControl* FindByName(std::string_view name);
  /// Clearing the flag clears it in every descendant too.
  void SetKept(bool kept);

  THControl* parent = nullptr;
  std::vector<std::unique_ptr<THControl>> children;
  std::unique_ptr<THPlacer> placer;  // built on demand, dropped by Prepare
  bool kept = false;
  bool rendered = false;
  bool rightAligned = false;
  int startColumn = 0;
  int columnSpan = 1;
  int startRow = 0;
  int rowSpan = 1;

 private:
  void addOwnAttributes();

  TWHForm2HTML& owner_;
  ElementClass class_;
  minicv::ControlId control_;
};

/// Names and keywords of the page compare without regard to ASCII case.
bool sameTextIgnoringCase(std::string_view a, std::string_view b);

/// The control's caption without its accelerator markers: a lone "&" goes, "&&" stands for "&".
std::string withoutAmpersands(std::string_view caption);

}  // namespace orvane::html
