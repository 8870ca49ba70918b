// The font files' side of orvane-cli's measures, a module the program loads only for the commands that
// measure text: fontconfig finds the files, FreeType reads them and HarfBuzz shapes the text, as in Qt.
#include "fonts/font_files.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H
#include <hb-ft.h>
#include <hb.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace orvane {

namespace {

// Qt's offscreen screen, where the windows' measures are taken.
constexpr double dotsPerInch = 96;

// Qt works in 26.6 fixed point and rounds to whole pixels half up.
long toFixed(double pixels) { return std::lround(pixels * 64); }
int wholePixels(long fixed) { return static_cast<int>((fixed + 32) >> 6); }

// One font file at one pixel size, with its vertical measures in 26.6.
class SizedFace {
 public:
  SizedFace(FT_Face face, int pixelSize) : face_(face) {
    FT_Set_Char_Size(face_, pixelSize * 64, pixelSize * 64, 0, 0);
    font_ = hb_ft_font_create_referenced(face_);
    // Qt shapes with the outlines' own advances when hinting is slight.
    hb_ft_font_set_load_flags(font_, FT_LOAD_NO_HINTING);
    readVerticalMeasures(pixelSize);
  }
  ~SizedFace() {
    hb_font_destroy(font_);
    FT_Done_Face(face_);
  }
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  /// The text's advance in 26.6, or nothing when the face lacks one of its characters.
  std::optional<long> advance(const std::string& text) const {
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, text.data(), static_cast<int>(text.size()), 0, -1);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font_, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    std::optional<long> total = 0;
    for (unsigned i = 0; i < count && total; ++i) {
      FT_Fixed linear = 0;
      if (glyphs[i].codepoint == 0 ||
          FT_Get_Advance(face_, glyphs[i].codepoint, FT_LOAD_NO_HINTING, &linear) != 0) {
        total.reset();
        break;
      }
      // Qt takes each glyph's linear advance cut down to 26.6, then adds what the shaping moved
      // (kerning), which HarfBuzz gives as the difference from the glyph's plain advance.
      const long kerning = positions[i].x_advance - hb_font_get_glyph_h_advance(font_, glyphs[i].codepoint);
      *total += (linear >> 10) + kerning;
    }
    hb_buffer_destroy(buffer);
    return total;
  }

  bool usable() const { return usable_; }
  long ascent() const { return ascent_; }
  long descent() const { return descent_; }
  long leading() const { return leading_; }

 private:
  // The horizontal header's ascent, descent and gap, the OS/2 table's typographic ones when the font
  // asks for them, else its Windows ascent and descent where it has them.
  void readVerticalMeasures(int pixelSize) {
    const auto* header = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    usable_ = FT_IS_SFNT(face_) && header && face_->units_per_EM > 0;
    if (!usable_) return;
    double ascent = header->Ascender, descent = -header->Descender, gap = header->Line_Gap;
    constexpr unsigned useTypographicMeasures = 1u << 7;
    if (os2 && os2->version != 0xFFFF && (os2->fsSelection & useTypographicMeasures)) {
      ascent = os2->sTypoAscender;
      descent = -os2->sTypoDescender;
      gap = os2->sTypoLineGap;
    } else if (os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent)) {
      ascent = os2->usWinAscent;
      descent = os2->usWinDescent;
    }
    const double scale = static_cast<double>(pixelSize) / face_->units_per_EM;
    ascent_ = toFixed(ascent * scale);
    descent_ = toFixed(descent * scale);
    leading_ = toFixed(gap * scale);
  }

  FT_Face face_;
  hb_font_t* font_ = nullptr;
  bool usable_ = false;
  long ascent_ = 0, descent_ = 0, leading_ = 0;
};

struct Font {
  std::string family;
  int pointSize;
  bool bold;
  bool italic;
  auto key() const { return std::tie(family, pointSize, bold, italic); }
  bool operator<(const Font& other) const { return key() < other.key(); }
};

struct FontFiles {
  FontFiles() { FT_Init_FreeType(&freetype); }
  ~FontFiles() {
    fonts.clear();
    faces.clear();
    FT_Done_FreeType(freetype);
  }
  FontFiles(const FontFiles&) = delete;
  FontFiles& operator=(const FontFiles&) = delete;

  /// Every file Qt may take for `font`, each at the font's pixel size; empty when Qt might measure
  /// otherwise than these files say.
  const std::vector<const SizedFace*>& facesOf(const Font& font) {
    const auto found = fonts.find(font);
    if (found != fonts.end()) return found->second;
    return fonts[font] = findFaces(font);
  }

  std::vector<const SizedFace*> findFaces(const Font& font);
  const SizedFace* sizedFace(const char* file, int index, int pixelSize);

  FT_Library freetype = nullptr;
  std::map<std::tuple<std::string, int, int>, std::unique_ptr<SizedFace>> faces;
  std::map<Font, std::vector<const SizedFace*>> fonts;
};

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

Pattern makePattern(FcPattern* pattern) { return {pattern, &FcPatternDestroy}; }

int integerOf(const FcPattern* pattern, const char* object, int otherwise) {
  int value = otherwise;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

bool flagOf(const FcPattern* pattern, const char* object, bool otherwise) {
  FcBool value = otherwise;
  FcPatternGetBool(pattern, object, 0, &value);
  return value != 0;
}

// The weight and slant Qt shows without making them up: a bold face for bold, a regular or book one
// otherwise; an italic or oblique face for italic, an upright one otherwise.
bool faceIsAsAsked(FcPattern* match, const Font& font) {
  const int weight = integerOf(match, FC_WEIGHT, FC_WEIGHT_REGULAR);
  const int slant = integerOf(match, FC_SLANT, FC_SLANT_ROMAN);
  const bool weightFits =
      font.bold ? weight >= FC_WEIGHT_BOLD : weight >= FC_WEIGHT_BOOK && weight <= FC_WEIGHT_MEDIUM;
  const bool slantFits = font.italic ? slant != FC_SLANT_ROMAN : slant == FC_SLANT_ROMAN;
  FcMatrix* matrix = nullptr;
  const bool madeUp =
      flagOf(match, FC_EMBOLDEN, false) || FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch;
  return weightFits && slantFits && !madeUp;
}

const SizedFace* FontFiles::sizedFace(const char* file, int index, int pixelSize) {
  auto& face = faces[{file, index, pixelSize}];
  if (!face) {
    FT_Face opened = nullptr;
    if (FT_New_Face(freetype, file, index, &opened) != 0) return nullptr;
    face = std::make_unique<SizedFace>(opened, pixelSize);
  }
  return face->usable() ? face.get() : nullptr;
}

std::vector<const SizedFace*> FontFiles::findFaces(const Font& font) {
  if (font.family.empty() || font.pointSize <= 0) return {};
  // Qt rounds a hinted font's pixel size to a whole pixel.
  const int pixelSize = static_cast<int>(std::lround(font.pointSize * dotsPerInch / 72));
  const Pattern asked = makePattern(FcPatternCreate());
  FcPatternAddString(asked.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(font.family.c_str()));
  FcPatternAddDouble(asked.get(), FC_PIXEL_SIZE, pixelSize);
  FcPatternAddInteger(asked.get(), FC_WEIGHT, font.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(asked.get(), FC_SLANT, font.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, asked.get(), FcMatchPattern);
  FcDefaultSubstitute(asked.get());
  FcResult result = FcResultNoMatch;
  const Pattern match = makePattern(FcFontMatch(nullptr, asked.get(), &result));
  if (!match || !faceIsAsAsked(match.get(), font)) return {};
  if (!flagOf(match.get(), FC_HINTING, true) ||
      integerOf(match.get(), FC_HINT_STYLE, FC_HINT_SLIGHT) != FC_HINT_SLIGHT)
    return {};

  // Qt may take any file of the matched family and style: each must measure alike, so all are kept.
  FcChar8* family = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch) return {};
  const Pattern sameStyle = makePattern(FcPatternCreate());
  FcPatternAddString(sameStyle.get(), FC_FAMILY, family);
  for (const char* object : {FC_WEIGHT, FC_SLANT, FC_WIDTH})
    FcPatternAddInteger(sameStyle.get(), object, integerOf(match.get(), object, 0));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
  FcFontSet* files = FcFontList(nullptr, sameStyle.get(), objects);
  FcObjectSetDestroy(objects);
  std::vector<const SizedFace*> found;
  for (int i = 0; files && i < files->nfont; ++i) {
    FcChar8* path = nullptr;
    const FcPattern* file = files->fonts[i];
    const SizedFace* face =
        FcPatternGetString(file, FC_FILE, 0, &path) == FcResultMatch
            ? sizedFace(reinterpret_cast<const char*>(path), integerOf(file, FC_INDEX, 0), pixelSize)
            : nullptr;
    if (!face) {
      found.clear();
      break;
    }
    found.push_back(face);
  }
  if (files) FcFontSetDestroy(files);
  return found;
}

}  // namespace

}  // namespace orvane

extern "C" {

OrvaneFontFiles* orvane_font_files_open() {
  return reinterpret_cast<OrvaneFontFiles*>(new orvane::FontFiles);
}

void orvane_font_files_close(OrvaneFontFiles* files) { delete reinterpret_cast<orvane::FontFiles*>(files); }

int orvane_font_files_measure(OrvaneFontFiles* files, const char* text, size_t length, const char* family,
                              int pointSize, int bold, int italic, OrvaneFontMeasures* measures) {
  const std::string utf8(text, length);
  const orvane::Font font{family, pointSize, bold != 0, italic != 0};
  std::optional<OrvaneFontMeasures> agreed;
  for (const orvane::SizedFace* face : reinterpret_cast<orvane::FontFiles*>(files)->facesOf(font)) {
    const std::optional<long> advance = utf8.empty() ? 0 : face->advance(utf8);
    if (!advance) return 0;
    const int ascent = orvane::wholePixels(face->ascent());
    const OrvaneFontMeasures these{orvane::wholePixels(*advance),
                                   ascent + orvane::wholePixels(face->descent()), ascent,
                                   orvane::wholePixels(face->leading())};
    if (agreed && (agreed->width != these.width || agreed->height != these.height ||
                   agreed->ascent != these.ascent || agreed->leading != these.leading))
      return 0;
    agreed = these;
  }
  if (!agreed) return 0;
  *measures = *agreed;
  return 1;
}

}  // extern "C"
