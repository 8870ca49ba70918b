#include "render/cv_page.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "render/printed_lines.h"
#include "text/rounding.h"

namespace orvane {

using minicv::Control;
using minicv::ControlId;
using minicv::ControlKind;
using minicv::ControlTree;

CvPageSlots cvPageSlots(int numberPerPage, bool portrait) {
  const int across = portrait ? 2 : 3;
  if (numberPerPage <= 0) return {across, across};
  if (numberPerPage == 1) return {across, 1};
  return {numberPerPage, numberPerPage};
}

double cvPageScale(const PrinterMeasurements& printer, int extraLeft, int slotCount) {
  const double printableWidth = printer.printableWidthMm / 25.4 * printer.resolution.horizontal;
  return (printableWidth - extraLeft) / (std::max(slotCount, 1) * cvSlotWidth);
}

Colour frameOutlineColour(Colour frame) {
  const int red = redOf(frame);
  const int green = greenOf(frame);
  const int blue = blueOf(frame);
  if (red == green && green == blue) return rgb(0x80, 0x80, 0x80);
  if (red == blue) return rgb(0x88, 0x00, 0x88);
  if (red == green) return rgb(0x88, 0x88, 0x00);
  if (green == blue) return rgb(0x00, 0x88, 0x88);
  if (red > green && red > blue) return rgb(0xFF, 0, 0);
  if (green > blue) return rgb(0, 0x80, 0);
  return rgb(0, 0, 0xFF);
}

int widenedLabelWidth(double captionWidth) {
  // Printer fonts run wider than the screen's: the narrower the caption, the more room it is given.
  const double factor = captionWidth <= 50    ? 1.25
                        : captionWidth <= 100 ? 1.15
                        : captionWidth <= 200 ? 1.10
                                              : 1.05;
  return roundToInt(captionWidth * factor);
}

namespace {

constexpr Colour white = rgb(255, 255, 255);
constexpr Colour black = 0;
constexpr Colour silver = rgb(0xC0, 0xC0, 0xC0);
constexpr int columnGap = 10;           // sheet pixels between a printed label and the field column after it
constexpr int photoGap = 2;             // sheet pixels between the personal details and the photo
constexpr int fieldTextRoom = 1 << 20;  // a field never breaks its line

// Drawn in this order; the element filter decides whether each prints.
constexpr std::array<std::string_view, 5> topLevelParts = {"GroupBox1", "GroupBox2", "GroupBox4",
                                                           "radiogroup1", "zImage1"};

bool outlinedWhenNested(const Control& frame) {
  return frame.name == "radiogroup2" || frame.name == "GroupBox10";
}

ParagraphAlignment paragraphAlignment(minicv::CaptionAlignment alignment) {
  switch (alignment) {
    case minicv::CaptionAlignment::Centre:
      return ParagraphAlignment::Centre;
    case minicv::CaptionAlignment::Right:
      return ParagraphAlignment::Right;
    case minicv::CaptionAlignment::Left:
      break;
  }
  return ParagraphAlignment::Left;
}

}  // namespace

TextBox cvZoneTextBox(int width, int dotsPerInch) { return frameTextBox(width, dotsPerInch); }

std::vector<DisplayLine> cvZoneLines(const Control& zone, TextMetrics& screen, int dotsPerInch) {
  const RichText text =
      zone.kind == ControlKind::Memo ? RichText::fromLines(zone.lines, zone.font) : zone.richText;
  return screen.displayLines(text, cvZoneTextBox(zone.width, dotsPerInch));
}

FontSpec cvLineFont(const Paragraph& paragraph, const FontSpec& fallback) {
  for (const TextRun& run : paragraph.runs)
    if (run.text.find_first_not_of(" \t") != std::string::npos) return run.format;
  return paragraph.runs.empty() ? fallback : paragraph.runs.front().format;
}

std::string cvParagraphText(const Paragraph& paragraph) {
  std::string text;
  for (const TextRun& run : paragraph.runs) text += run.text;
  return text;
}

Point cvSheetOrigin(const ControlTree& sheet, ControlId id) {
  Point origin;
  for (; id != minicv::noControl && sheet.at(id).name != "Panel1"; id = sheet.at(id).parent) {
    origin.x += sheet.at(id).left;
    origin.y += sheet.at(id).top;
  }
  return origin;
}

namespace {

// The screen's measures, each text's lines laid out once for all the copies of a page that show it.
class RememberedLayouts : public TextMetrics {
 public:
  explicit RememberedLayouts(TextMetrics& screen) : screen_(screen) {}

  FontMeasures measure(const std::string& text, const FontSpec& font) override {
    return screen_.measure(text, font);
  }

  std::vector<DisplayLine> displayLines(const RichText& text, const TextBox& box) override {
    for (const LaidOutText& known : laidOut_)
      if (known.box == box && known.text == text) return known.lines;
    laidOut_.push_back({text, box, screen_.displayLines(text, box)});
    return laidOut_.back().lines;
  }

 private:
  struct LaidOutText {
    RichText text;
    TextBox box;
    std::vector<DisplayLine> lines;
  };
  TextMetrics& screen_;
  std::vector<LaidOutText> laidOut_;
};

class CvPagePainter {
 public:
  CvPagePainter(ControlTree& sheet, Canvas& canvas, PictureService& pictures, TextMetrics& screen,
                const CvPageSettings& settings, double scale)
      : sheet_(sheet),
        canvas_(canvas),
        pictures_(pictures),
        screen_(screen),
        settings_(settings),
        k_(scale) {}

  void startCopy(int copy) { slotShift_ = (copy - 1) * cvSlotWidth; }

  bool drawPart(ControlId id, const CvElementFilter& printable) {
    const Control& control = sheet_.at(id);
    if (!control.visible || !printable(control)) return true;
    if (control.name == "GroupBox1") layOutPersonalDetails(id, printable);
    if (control.isContainer()) return drawFrame(id, printable);
    switch (control.kind) {
      case ControlKind::Label:
        return drawLabel(id);
      case ControlKind::Edit:
        return drawField(control);
      case ControlKind::RichEdit:
      case ControlKind::Memo:
        return drawZone(control);
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
        return drawChoice(control);
      case ControlKind::Image:
        return drawPicture(control);
      default:
        return true;
    }
  }

  bool drawSignature(int copy) {
    const ControlId panel = sheet_.find("Panel1");
    const int panelBottom = panel == minicv::noControl ? 0 : sheet_.at(panel).top + sheet_.at(panel).height;
    const int s = settings_.screenResolution;
    const int pageExtent = settings_.portrait ? settings_.printer.pageWidth : settings_.printer.pageHeight;
    const int x = roundToInt(k_ * 55 * s / 485) + roundToInt(k_ * (copy - 1) * cvSlotWidth);
    const int y = std::min(pageExtent, roundToInt(k_ * panelBottom)) - roundToInt(k_ * 300 * s / 600);
    return canvas_.drawUpwardText({x, y}, "Orvane-Brevanel : " + settings_.dateTime,
                                  FontSpec{"Times New Roman", 8, {}, black});
  }

  bool zoneFirstLineFailed() const { return zoneFirstLineFailed_; }

  /// The personal-details labels measured in the printer font, the field columns moved clear of them
  /// and the right edge of the frame's content found, which the photo keeps clear of.
  void layOutPersonalDetails(ControlId frame, const CvElementFilter& printable) {
    std::vector<Control*> fields;
    std::vector<Control*> labels;
    for (ControlId id : sheet_.children(frame)) {
      Control& control = sheet_.at(id);
      if (!control.visible || !printable(control)) continue;
      if (control.kind == ControlKind::Edit) fields.push_back(&control);
      if (control.kind == ControlKind::Label) labels.push_back(&control);
    }
    auto first = [](const std::vector<Control*>& controls, auto predicate) -> Control* {
      const auto found = std::ranges::find_if(controls, [&](const Control* c) { return predicate(*c); });
      return found == controls.end() ? nullptr : *found;
    };
    // The untagged rows first: one field column, clear of every label.
    int column = 0;
    for (const Control* field : fields)
      if (field->tag == 0) column = std::max(column, field->left);
    for (Control* label : labels) {
      if (label->tag != 0) continue;
      column = std::max(column, widenToPrintedCaption(*label) + columnGap);
    }
    int contentRight = 0;
    for (Control* field : fields) {
      if (field->tag > 0) continue;  // the age row's second half is placed below
      field->left = column;
      contentRight = std::max(contentRight, field->left + field->width);
    }
    // Then the age row: the nationality label after the age field, its field after the label.
    const Control* age = first(fields, [](const Control& c) { return c.tag < 0; });
    Control* nationalityLabel = first(labels, [](const Control& c) { return c.tag > 0; });
    Control* nationalityField = first(fields, [](const Control& c) { return c.tag > 0; });
    if (age) contentRight = roundToInt(1.05 * (age->left + age->width));
    if (nationalityLabel) {
      nationalityLabel->left = std::max(nationalityLabel->left, age ? contentRight : 0);
      const int labelRight = widenToPrintedCaption(*nationalityLabel);
      if (nationalityField) nationalityField->left = std::max(nationalityField->left, labelRight + columnGap);
    }
    if (nationalityField)
      contentRight = roundToInt(1.025 * (nationalityField->left + nationalityField->width));
    contentRight_ = sheetOrigin(frame).x + contentRight;
  }

 private:
  bool inColour() const { return settings_.printMode == PrintMode::InColour; }

  /// The control's top-left corner on the sheet: its position added to its parents' up to the sheet.
  Point sheetOrigin(ControlId id) const { return cvSheetOrigin(sheet_, id); }

  int dotsX(double sheetX) const { return roundToInt(k_ * (sheetX + slotShift_)) + settings_.extraLeft; }
  int dotsY(double sheetY) const { return roundToInt(k_ * sheetY) + settings_.extraTop; }
  int dots(double length) const { return roundToInt(k_ * length); }

  // A copy stays in its slot: what the printed columns push past the slot's right edge is cut there
  // rather than drawn over the next copy.
  Rect insideSlot(Rect rect) const {
    rect.right = std::min(rect.right, dotsX(cvSlotWidth));
    return rect;
  }

  Rect placed(ControlId id) const {
    const Point origin = sheetOrigin(id);
    const Control& control = sheet_.at(id);
    return insideSlot(
        Rect::fromSize(dotsX(origin.x), dotsY(origin.y), dots(control.width), dots(control.height)));
  }

  ControlId idOf(const Control& control) const { return sheet_.find(control.name); }

  bool drawFrame(ControlId id, const CvElementFilter& printable) {
    bool ok = true;
    for (ControlId child : sheet_.children(id)) ok = drawPart(child, printable) && ok;
    const Control& frame = sheet_.at(id);
    const Rect rect = placed(id);
    const bool topLevel = std::ranges::find(topLevelParts, frame.name) != topLevelParts.end();
    if (settings_.showFrames && (topLevel || outlinedWhenNested(frame)))
      ok = canvas_.outlineRectangle(rect, {frameOutlineColour(frame.colour), PenStyle::Solid}) && ok;
    if (!frame.text.empty() && frame.kind != ControlKind::Panel)
      ok = canvas_.drawRichText(rect, RichText::fromPlainText(frame.text, frame.font)) && ok;
    return ok;
  }

  /// Gives the label its printed width and returns its right edge, in sheet pixels.
  int widenToPrintedCaption(Control& label) {
    label.width = widenedLabelWidth(canvas_.measureText(label.text, label.font).width / k_);
    return label.left + label.width;
  }

  bool drawLabel(ControlId id) {
    Control& label = sheet_.at(id);
    const TextSize caption = canvas_.measureText(label.text, label.font);
    widenToPrintedCaption(label);
    Rect rect = placed(id);
    rect.bottom = std::max(rect.bottom, rect.top + roundToInt(1.5 * caption.height));
    bool ok = true;
    if (!label.transparent) ok = canvas_.fillRectangle(rect, inColour() ? label.colour : silver);
    RichText text = RichText::fromPlainText(label.text, label.font);
    text.setAlignment(paragraphAlignment(label.alignment));
    rect.left += dots(2);
    return canvas_.drawRichText(rect, text) && ok;
  }

  bool drawField(const Control& field) {
    const Rect rect = placed(idOf(field));
    bool ok = true;
    if (field.singleBorder || field.colour != white) {
      if (field.colour != white) ok = canvas_.fillRectangle(rect, inColour() ? field.colour : white);
      ok = canvas_.outlineRectangle(rect, {field.singleBorder ? black : field.colour, PenStyle::Solid}) && ok;
    }
    // The field shows its text on one line, 2 pixels in and centred in its height as the screen's line
    // edit does; on paper its glyphs scale with the field, so that what shows in it prints whole.
    const TextBox oneLine{fieldTextRoom, 2, 0, 0, fieldTextRoom, settings_.screenResolution};
    const std::vector<DisplayLine> lines =
        screen_.displayLines(RichText::fromPlainText(field.text, field.font), oneLine);
    if (lines.empty()) return ok;
    const DisplayLine& line = lines.front();
    const Point origin{rect.left, rect.top + roundToInt(k_ * (field.height - line.height) / 2)};
    return drawDisplayLine(canvas_, line, {origin, k_, k_, rect, false}) && ok;
  }

  // The zone prints the lines it displays on the screen, each at its scaled place, cut at the zone's
  // printed rectangle as the screen cuts them at the zone's edge.
  bool drawZone(const Control& zone) {
    const Rect rect = placed(idOf(zone));
    bool ok = true;
    if (zone.singleBorder) {
      ok = canvas_.outlineRectangle(rect, {black, PenStyle::Solid});
    } else if (inColour()) {
      ok = canvas_.fillRectangle(rect, zone.colour);
    } else {
      ok = canvas_.outlineRectangle(rect, {white, PenStyle::Solid});
    }
    const PrintedTextBox box{{rect.left, rect.top}, k_, k_, rect, !inColour()};
    const std::vector<DisplayLine> lines = cvZoneLines(zone, screen_, settings_.screenResolution);
    for (std::size_t index = 0; index < lines.size(); ++index) {
      if (!lineShows(lines[index], box)) continue;
      const bool drawn = drawDisplayLine(canvas_, lines[index], box);
      if (!drawn && index == 0) zoneFirstLineFailed_ = true;
      ok = drawn && ok;
    }
    return ok;
  }

  bool drawChoice(const Control& choice) {
    const Rect rect = placed(idOf(choice));
    const int side = std::min(dots(12), rect.height());
    const int boxTop = rect.top + (rect.height() - side) / 2;
    const Rect box = choice.captionLeft ? Rect::fromSize(rect.right - side, boxTop, side, side)
                                        : Rect::fromSize(rect.left, boxTop, side, side);
    const Rect caption = choice.captionLeft ? Rect{rect.left, rect.top, box.left - dots(4), rect.bottom}
                                            : Rect{box.right + dots(4), rect.top, rect.right, rect.bottom};
    const bool round = choice.kind == ControlKind::RadioButton;
    const Pen pen{black, PenStyle::Solid};
    bool ok = round ? canvas_.drawEllipse(box, pen, std::nullopt) : canvas_.outlineRectangle(box, pen);
    if (choice.checked) {
      const int inset = std::max(1, side / 4);
      const Rect mark{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
      ok = (round ? canvas_.drawEllipse(mark, pen, black) : canvas_.fillRectangle(mark, black)) && ok;
    }
    return canvas_.drawTextLine(caption, choice.text, choice.font, TextAlignment::Left) && ok;
  }

  bool drawPicture(const Control& image) {
    if (image.picturePath.empty()) return true;
    const std::optional<Image> picture = pictures_.readBitmap(image.picturePath);
    if (!picture) return false;
    const Point origin = sheetOrigin(idOf(image));
    // The photo stands right of the personal details when their printed columns reach past it, as far
    // as its slot leaves room for it.
    int left = origin.x;
    if (image.name == "zImage1" && contentRight_ + photoGap > left)
      left = std::max(left, std::min(contentRight_ + photoGap, cvSlotWidth - image.width));
    Rect rect =
        insideSlot(Rect::fromSize(dotsX(left), dotsY(origin.y), dots(image.width), dots(image.height)));
    if (image.centre && !image.stretch) {
      const int width = std::min(rect.width(), dots(picture->width()));
      const int height = std::min(rect.height(), dots(picture->height()));
      rect = Rect::fromSize(rect.left + (rect.width() - width) / 2, rect.top + (rect.height() - height) / 2,
                            width, height);
    }
    return canvas_.drawImage(rect, *picture);
  }

  ControlTree& sheet_;
  Canvas& canvas_;
  PictureService& pictures_;
  RememberedLayouts screen_;
  const CvPageSettings& settings_;
  double k_;
  int slotShift_ = 0;
  int contentRight_ = 0;  // the personal details' printed right edge, in sheet pixels
  bool zoneFirstLineFailed_ = false;
};

}  // namespace

CvPageResult drawCvPage(ControlTree& sheet, Canvas& canvas, PictureService& pictures, TextMetrics& screen,
                        const CvPageSettings& settings, const CvElementFilter& printable,
                        const CvCopyHook& beforeCopy) {
  const CvPageSlots layout = cvPageSlots(settings.numberPerPage, settings.portrait);
  CvPagePainter painter(sheet, canvas, pictures, screen, settings,
                        cvPageScale(settings.printer, settings.extraLeft, layout.slotCount));
  bool ok = true;
  for (int copy = 1; copy <= layout.copies; ++copy) {
    painter.startCopy(copy);
    if (settings.showSignature) ok = painter.drawSignature(copy) && ok;
    if (beforeCopy) beforeCopy(copy);
    for (std::string_view part : topLevelParts) {
      const ControlId id = sheet.find(part);
      if (id != minicv::noControl) ok = painter.drawPart(id, printable) && ok;
    }
  }
  return {ok, painter.zoneFirstLineFailed()};
}

}  // namespace orvane
