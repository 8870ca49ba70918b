#pragma once
// A window of controls and a converter over it, with fixed font measures and recorded messages.

#include <gtest/gtest.h>

#include <string>

#include "form/control_tree.h"
#include "html/form2html.h"
#include "html/markup.h"
#include "support/scripted_services.h"

namespace orvane::html {

class FormFixture : public ::testing::Test {
 protected:
  FormFixture() {
    minicv::Control window;
    window.kind = minicv::ControlKind::Window;
    window.name = "Form1";
    window.text = "Mon CV";
    window.width = 400;
    window.height = 200;
    window.colour = rgb(0xF0, 0xF0, 0xF0);
    window.font = FontSpec{"Arial", 10, {}, rgb(0, 0, 0x80)};
    owner = tree.add(window);
  }

  minicv::ControlId add(minicv::ControlKind kind, const std::string& name, minicv::ControlId parent, int left,
                        int top, int width, int height, const std::string& text = {}) {
    minicv::Control control;
    control.kind = kind;
    control.name = name;
    control.parent = parent;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.text = text;
    return tree.add(control);
  }

  /// The converter, made on first use so that a test builds its controls first.
  TWHForm2HTML& converter() {
    if (!converter_) {
      converter_ = std::make_unique<TWHForm2HTML>(tree, owner, metrics, prompter);
      converter_->clock = [] { return std::string("07/12/2026 12:00:00"); };
    }
    return *converter_;
  }
  THControl& element(const std::string& name) {
    converter().Prepare();
    THControl* found = converter().FindByName(name);
    if (!found) throw std::out_of_range(name);
    return *found;
  }
  std::string value(const std::string& elementName, const std::string& attribute) {
    return element(elementName).attributes[attribute].GetValue();
  }

  minicv::ControlTree tree;
  minicv::ControlId owner;
  FixedTextMetrics metrics;
  ScriptedPrompter prompter;

 private:
  std::unique_ptr<TWHForm2HTML> converter_;
};

}  // namespace orvane::html
