#include "shell/size_warning.h"

#include "card/drawable_length.h"
#include "catalogue/catalogue.h"

namespace orvane {

namespace {
constexpr int messageDimensionProblem = 1149;
}  // namespace

std::string refusedSizeWarning(Language language) {
  return catalogue::text(language, messageDimensionProblem) + "\r\nInformation 110";
}

SizeWarning setSideOrWarn(int& length, long long value, Language language) {
  if (setDrawableLength(length, value)) return std::nullopt;
  return refusedSizeWarning(language);
}

}  // namespace orvane
