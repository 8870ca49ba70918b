#include "card/merge_fields.h"

#include <algorithm>
#include <string_view>

namespace orvane {

namespace {

constexpr std::string_view fieldOpening = "\xC2\xAB";  // «
constexpr std::string_view fieldClosing = "\xC2\xBB";  // »

class RowFiller {
 public:
  RowFiller(const MergeRow& row, std::vector<MissingField>& missing) : row_(row), missing_(missing) {}

  // `text` with its fields filled; `lineBreaks` says whether a cell's line breaks may stay.
  std::string fill(std::string_view text, bool lineBreaks) {
    std::string out;
    std::size_t from = 0;
    while (true) {
      const std::size_t open = text.find(fieldOpening, from);
      const std::size_t close =
          open == std::string_view::npos ? open : text.find(fieldClosing, open + fieldOpening.size());
      if (close == std::string_view::npos) break;
      out += text.substr(from, open - from);
      const std::size_t nameStart = open + fieldOpening.size();
      const std::string value = cell(text.substr(nameStart, close - nameStart));
      out += lineBreaks ? value : withoutLineBreaks(value);
      from = close + fieldClosing.size();
    }
    out += text.substr(from);
    return out;
  }

 private:
  std::string cell(std::string_view name) {
    const auto column = std::ranges::find(row_.header, name);
    const auto index = static_cast<std::size_t>(column - row_.header.begin());
    if (column != row_.header.end() && index < row_.cells.size()) return row_.cells[index];
    const MissingField field{row_.number, std::string(name)};
    if (std::ranges::find(missing_, field) == missing_.end()) missing_.push_back(field);
    return {};
  }

  // A run of a frame's text holds no paragraph break: the cell's lines are joined by spaces.
  static std::string withoutLineBreaks(std::string text) {
    std::ranges::replace(text, '\r', ' ');
    std::ranges::replace(text, '\n', ' ');
    return text;
  }

  const MergeRow& row_;
  std::vector<MissingField>& missing_;
};

}  // namespace

CardModel mergedCard(const CardModel& card, const MergeRow& row, std::vector<MissingField>& missing) {
  CardModel merged = card;
  RowFiller filler(row, missing);
  for (FrameModel& frame : merged.frames)
    for (Paragraph& paragraph : frame.text.paragraphs()) {
      // Built again so that a field filled with nothing leaves no empty run.
      std::vector<TextRun> runs;
      for (const TextRun& run : paragraph.runs) appendRun(runs, {filler.fill(run.text, false), run.format});
      paragraph.runs = std::move(runs);
    }
  Contact& contact = merged.contact.contact;
  for (std::string* field :
       {&contact.givenName, &contact.familyName, &contact.title, &contact.organisation,
        &contact.telephones[0], &contact.telephones[1], &contact.email, &contact.website, &contact.address})
    *field = filler.fill(*field, true);
  return merged;
}

}  // namespace orvane
