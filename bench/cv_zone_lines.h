#pragma once
// The zone text the mini-CV benchmarks fill every zone with: eleven lines whose tabs all line up, as
// a CV's columns do, so that the check compares every pair of lines and printing draws full zones.

#include <string>

#include "richtext/rich_text.h"

namespace orvane {

inline RichText elevenZoneLines() {
  std::string text;
  for (int i = 0; i < 11; ++i) text += "2019 - 2021\tSociété Durand\tdéveloppeur\n";
  text.pop_back();
  return RichText::fromPlainText(text);
}

}  // namespace orvane
