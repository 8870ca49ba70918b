// card-edit: a card file edited by script through the rules of the main window's controls, each step
// applied as the control's handler applies what a user confirmed, then saved as the save command saves.
#include <functional>
#include <iostream>
#include <map>

#include "card/frame_controls.h"
#include "cardfile/save_name.h"
#include "cli/card_json.h"
#include "cli/command_table.h"
#include "cli/loaded_card.h"
#include "cli/screen_services.h"
#include "contact/contact_file.h"
#include "shell/card_file_commands.h"
#include "shell/card_icon_controls.h"
#include "shell/card_shape_controls.h"
#include "shell/colour_font_controls.h"
#include "shell/qr_controls.h"
#include "text/field_text.h"

namespace orvane::cli {

namespace {

// Everything the main window keeps between two of its controls' events, without the window.
struct EditSession {
  EditSession(Language language, const ScreenServices& services) : loaded(language), screen(services) {
    shell.state().interfaceLanguage = language;
    orientationShown = controlList(orientationList, language).items.front();
  }

  LoadedCard loaded;
  const ScreenServices& screen;
  CardModel& card = loaded.card;
  CardEditorShell shell{card, loaded.prompter, screen.printers};  // never asks for a printer
  CardShapeState shape;
  std::string orientationShown;  // what the orientation list shows: the card size lists follow it
  std::array<FrameWarning, 2> warnings;
  RendererState renderer;
  RenderContext context{card, renderer, loaded.prompter, screen.pictures, screen.metrics, loaded.language};
};

// A step's text for a check box or a button: "1" checks or presses, "0" unchecks.
std::optional<bool> boxValue(const std::string& text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

// A step's rule: nothing when it applied, or why the control could not take the text.
using Step = std::function<std::optional<std::string>(EditSession&, const std::string&)>;

Step frameGeometry(ControlList list) {
  return [list](EditSession& session, const std::string& text) -> std::optional<std::string> {
    session.warnings[frameOfControl(list) - 1] =
        changeFrameGeometry(session.card, list, text, session.loaded.language);
    session.shell.afterControlChange(list);
    return std::nullopt;
  };
}

Step frameAlignment(int frame) {
  return [frame](EditSession& session, const std::string& text) -> std::optional<std::string> {
    alignFrameText(session.card, frame, text, session.loaded.language);
    session.shell.afterControlChange(frame == 1 ? frame1AlignmentList : frame2AlignmentList);
    return std::nullopt;
  };
}

Step frameTransparency(int frame) {
  return [frame](EditSession& session, const std::string& text) -> std::optional<std::string> {
    const auto on = boxValue(text);
    if (!on) return "takes 1 or 0";
    // T1 and T2 are usable only over a pattern the card shows.
    if (!session.context.loadPatternBitmap()) return "the card shows no pattern: transparency is not usable";
    setFrameTransparency(session.card, frame, *on, session.context);
    return std::nullopt;
  };
}

// The card and icon groups have no warning line of their own: a size they refuse shows on frame 1's,
// as in the main window.
void showSizeWarning(EditSession& session, const SizeWarning& warning) {
  if (warning) session.warnings[0] = warning;
}

Step cardSize(ControlList list) {
  return [list](EditSession& session, const std::string& text) -> std::optional<std::string> {
    showSizeWarning(
        session, changeCardSize(session.card, session.shell, list, text, session.orientationShown).warning);
    return std::nullopt;
  };
}

Step icon(ControlList list) {
  return [list](EditSession& session, const std::string& text) -> std::optional<std::string> {
    showSizeWarning(session, changeIcon(session.card, session.shell, list, text).warning);
    return std::nullopt;
  };
}

Step reset(ResetBox box) {
  return [box](EditSession& session, const std::string& text) -> std::optional<std::string> {
    const auto checked = boxValue(text);
    if (!checked) return "takes 1 or 0";
    resetToDesign(session.card, box, *checked);
    return std::nullopt;
  };
}

Step qrMeasure(ControlList list) {
  return [list](EditSession& session, const std::string& text) -> std::optional<std::string> {
    const auto pixels = tryParseInteger(text);
    if (!pixels) return "takes a whole number of pixels";
    if (setQrMeasure(session.card.contact.qr, list, *pixels, session.loaded.language))
      return "takes a size from " + std::to_string(smallestQrSize) + " to " +
             std::to_string(maxDrawableLength) + " pixels";
    return std::nullopt;
  };
}

const std::map<std::string, Step>& steps() {
  static const std::map<std::string, Step> table{
      {"frame1.width", frameGeometry(frame1WidthList)},
      {"frame1.length", frameGeometry(frame1LengthList)},
      {"frame1.left", frameGeometry(frame1LeftList)},
      {"frame1.top", frameGeometry(frame1TopList)},
      {"frame1.align", frameAlignment(1)},
      {"frame1.transparent", frameTransparency(1)},
      {"frame2.width", frameGeometry(frame2WidthList)},
      {"frame2.length", frameGeometry(frame2LengthList)},
      {"frame2.left", frameGeometry(frame2LeftList)},
      {"frame2.top", frameGeometry(frame2TopList)},
      {"frame2.align", frameAlignment(2)},
      {"frame2.transparent", frameTransparency(2)},
      {"frame2.place",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         placeFrame2(session.card, text, session.loaded.language);
         session.shell.afterControlChange(frame2PlacementList);
         return std::nullopt;
       }},
      {"card.width", cardSize(cardWidthList)},
      {"card.length", cardSize(cardLengthList)},
      {"card.format",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         chooseStandardFormat(session.shell, session.card, session.shape, text);
         return std::nullopt;
       }},
      {"card.orientation",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         session.orientationShown = text;
         showSizeWarning(session,
                         confirmOrientation(session.shell, session.card, session.shape, text).warning);
         return std::nullopt;
       }},
      {"card.spacing",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         changeSpacing(session.card, session.shell, text);
         return std::nullopt;
       }},
      {"card.reset-width", reset(ResetBox::cardWidth)},
      {"card.reset-length", reset(ResetBox::cardLength)},
      {"card.fit-a4",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         const auto pressed = boxValue(text);
         if (!pressed) return "takes 1 or 0";
         if (*pressed && !session.shape.fitA4Enabled) return "not usable after this standard format";
         if (*pressed) fitCardToA4(session.card, session.shape);
         return std::nullopt;
       }},
      {"card.pattern-mode",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         static const std::map<std::string, BoxState> states{
             {"0", BoxState::Unchecked}, {"1", BoxState::Checked}, {"2", BoxState::Grayed}};
         const auto state = states.find(text);
         if (state == states.end()) return "takes 0, 1 or 2 (unchecked, checked, grayed)";
         setPatternMode(session.card, state->second);
         return std::nullopt;
       }},
      {"card.fill-style",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         const auto checked = boxValue(text);
         if (!checked) return "takes 1 or 0";
         setFillStyle(session.card, *checked);
         return std::nullopt;
       }},
      {"icon.width", icon(iconWidthList)},
      {"icon.length", icon(iconLengthList)},
      {"icon.margin", icon(iconMarginList)},
      {"icon.top", icon(iconTopList)},
      {"icon.reset-margin", reset(ResetBox::iconMargin)},
      {"icon.reset-top", reset(ResetBox::iconTop)},
      {"contact.file",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         const VCardFileReading reading = readVCardFile(text);
         if (!reading.contact) return reading.error;
         session.card.contact.contact = *reading.contact;
         return std::nullopt;
       }},
      {"contact.qr",
       [](EditSession& session, const std::string& text) -> std::optional<std::string> {
         const auto shown = boxValue(text);
         if (!shown) return "takes 1 or 0";
         session.card.contact.qr.shown = *shown;
         return std::nullopt;
       }},
      {"contact.qr-left", qrMeasure(qrLeftList)},
      {"contact.qr-top", qrMeasure(qrTopList)},
      {"contact.qr-size", qrMeasure(qrSizeList)},
  };
  return table;
}

struct EditOptions {
  std::string input;
  std::string output;
  Language language = Language::French;
  std::vector<std::pair<std::string, std::string>> steps;  // control, text
};

// The options, or the line that tells what is wrong with them.
std::optional<std::string> parseEditOptions(const Arguments& args, EditOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lang") {
      const auto language = i + 1 < args.size() ? languageOfCode(args[++i]) : std::nullopt;
      if (!language) return "--lang takes fr, en or de";
      options.language = *language;
    } else if (files.size() < 2) {
      files.push_back(args[i]);
    } else {
      const auto equals = args[i].find('=');
      if (equals == std::string::npos) return "a step is CONTROL=TEXT: " + args[i];
      std::string control = args[i].substr(0, equals);
      if (!steps().contains(control)) return "unknown control: " + control;
      options.steps.emplace_back(std::move(control), args[i].substr(equals + 1));
    }
  }
  if (files.size() != 2) return usageLine("card-edit");
  options.input = files[0];
  options.output = files[1];
  return std::nullopt;
}

void writeWarning(JsonWriter& json, std::string_view key, const FrameWarning& warning) {
  json.key(key);
  if (warning)
    json.value(*warning);
  else
    json.null();
}

int edit(const EditOptions& options, const ScreenServices& screen) {
  EditSession session(options.language, screen);
  if (const auto failure = session.loaded.load(options.input, CardFileRequest::LoadCommand))
    return usageError(*failure);
  for (const auto& [control, text] : options.steps)
    if (const auto refused = steps().at(control)(session, text)) return usageError(control + ": " + *refused);

  const std::vector<ShownMessage>& shown = session.loaded.prompter.shown;
  const std::size_t shownBefore = shown.size();
  const SavedCardFile saved =
      saveCardFileAs(session.card, ChosenFile{options.output, false}, screenResolution,
                     session.loaded.companions, options.language, session.loaded.prompter);
  if (!saved.saved) {
    // The save tells why it refused a name in a box of its own.
    if (!saved.error.empty()) return usageError(saved.error);
    return usageError(shown.size() > shownBefore ? shown.back().text : options.output + ": not saved");
  }

  JsonWriter json;
  json.beginObject();
  json.key("messages");
  json.beginArray();
  for (const std::string& message : session.loaded.prompter.texts()) json.value(message);
  json.endArray();
  json.key("warnings");
  json.beginObject();
  writeWarning(json, "frame1", session.warnings[0]);
  writeWarning(json, "frame2", session.warnings[1]);
  json.endObject();
  json.key("card");
  writeCardDump(json, session.loaded);
  json.endObject();
  std::cout << json.text() << '\n';
  return 0;
}

}  // namespace

int cardEditCommand(const Arguments& args) {
  EditOptions options;
  if (const auto problem = parseEditOptions(args, options)) return usageError(*problem);
  // Transparency draws the frames over the pattern; the font controls measure their texts.
  return withScreenServices([&](const ScreenServices& screen) { return edit(options, screen); });
}

}  // namespace orvane::cli
