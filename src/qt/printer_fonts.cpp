#include "qt/printer_fonts.h"

#include <fontconfig/fontconfig.h>

#include <QString>
#include <QStringList>
#include <memory>

namespace orvane {

namespace {

struct PatternRelease {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

QString family(const FcValue& value) { return QString::fromUtf8(reinterpret_cast<const char*>(value.u.s)); }

// The families the configuration binds as strongly as the name asked for: the name itself and the
// substitutes declared to have its metrics. Fallbacks to a generic family are bound weakly.
QStringList sameMetricFamilies(FcPattern* request) {
  QStringList families;
  FcValue value;
  FcValueBinding binding;
  for (int index = 0; FcPatternGetWithBinding(request, FC_FAMILY, index, &value, &binding) == FcResultMatch;
       ++index) {
    if (value.type == FcTypeString && binding != FcValueBindingWeak) families << family(value);
  }
  return families;
}

}  // namespace

PrinterFont printerFontOf(const std::string& name) {
  if (!FcInit()) return PrinterFont::CannotEnumerate;
  const Pattern request(FcPatternCreate());
  if (!request) return PrinterFont::CannotEnumerate;
  FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
  FcDefaultSubstitute(request.get());
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(nullptr, request.get(), &result));
  if (!match) return PrinterFont::CannotEnumerate;
  FcValue matched;
  FcBool outline = FcFalse;
  if (FcPatternGet(match.get(), FC_FAMILY, 0, &matched) != FcResultMatch || matched.type != FcTypeString ||
      FcPatternGetBool(match.get(), FC_OUTLINE, 0, &outline) != FcResultMatch || !outline)
    return PrinterFont::Substituted;
  const QString printed = family(matched);
  const QString asked = QString::fromStdString(name);
  if (!asked.isEmpty() && printed.startsWith(asked, Qt::CaseInsensitive)) return PrinterFont::Outline;
  return sameMetricFamilies(request.get()).contains(printed, Qt::CaseInsensitive) ? PrinterFont::Outline
                                                                                  : PrinterFont::Substituted;
}

}  // namespace orvane
