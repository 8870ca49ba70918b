#pragma once
// The font files module: text measured from the font files as Qt measures it on its offscreen screen.
// orvane-cli loads it only for the commands that measure text, so that the others never load
// fontconfig, FreeType or HarfBuzz; hence a plain C interface.

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OrvaneFontFiles OrvaneFontFiles;

/// Measures in screen pixels, as Qt's font metrics give them.
typedef struct OrvaneFontMeasures {
  int width;
  int height;
  int ascent;
  int leading;
} OrvaneFontMeasures;

OrvaneFontFiles* orvane_font_files_open(void);
void orvane_font_files_close(OrvaneFontFiles* files);
/// 1 with `measures` filled; 0 where Qt might measure otherwise: no family or no size, a face fontconfig
/// would make bold or slanted itself, hinting other than slight, a family whose style lies in several
/// files that do not measure alike or are not OpenType, a character the face lacks.
int orvane_font_files_measure(OrvaneFontFiles* files, const char* text, size_t length, const char* family,
                              int pointSize, int bold, int italic, OrvaneFontMeasures* measures);

#ifdef __cplusplus
}
#endif
