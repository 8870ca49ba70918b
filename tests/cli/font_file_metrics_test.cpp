// The command-line tool measures text from the font files where it can do so exactly as Qt does; this
// compares the two on every family this machine has, with the sizes, styles and texts of the sheets.
#include "fonts/font_file_metrics.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <set>

#include "qt/qt_text_metrics.h"

namespace orvane {
namespace {

std::set<std::string> installedFamilies() {
  FcPattern* all = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, all, objects);
  std::set<std::string> families;
  for (int i = 0; fonts && i < fonts->nfont; ++i) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
      families.insert(reinterpret_cast<const char*>(family));
  }
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(all);
  return families;
}

TEST(FontFileMetrics, MeasuresAsQtWhereverItMeasures) {
  std::set<std::string> families = installedFamilies();
  // Names the card and mini-CV files use that fontconfig stands in for, and one nobody has.
  for (const char* name : {"Arial", "Times New Roman", "Courier New", "MS Sans Serif", "Verdana",
                           "Comic Sans MS", "No Such Family"})
    families.insert(name);
  const std::vector<std::string> texts{"Nom",
                                       "Adresse :",
                                       "Téléphone portable",
                                       "AVATAR To Wa",
                                       "fi fl office",
                                       "Curriculum vitæ — Été 2026",
                                       "1234567890 € %",
                                       "iiiiiiiiii",
                                       "Loisirs et centres d'intérêt",
                                       "",
                                       "a\tb",
                                       "日本"};
  QtTextMetrics qt;
  FontFileMetrics files(ORVANE_FONT_FILES_MODULE);
  int measured = 0;
  int declined = 0;
  for (const std::string& family : families)
    for (const int size : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 36, 72})
      for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
          const FontSpec font{family, static_cast<std::int16_t>(size), {bold, italic, false, false}, 0};
          for (const std::string& text : texts) {
            const std::optional<FontMeasures> fromFiles = files.tryMeasure(text, font);
            if (!fromFiles) {
              ++declined;
              continue;
            }
            ++measured;
            const FontMeasures fromQt = qt.measure(text, font);
            ASSERT_EQ(*fromFiles, fromQt) << family << " " << size << (bold ? " bold" : "")
                                          << (italic ? " italic" : "") << ": \"" << text << "\"";
          }
        }
  RecordProperty("measured", measured);
  RecordProperty("declined", declined);
  // The fonts every machine of ours installs are measured here, not all declined.
  EXPECT_GT(measured, declined / 4) << measured << " measured, " << declined << " declined";
  EXPECT_TRUE(files.tryMeasure("Nom", {"DejaVu Sans", 10, {}, 0}));
  EXPECT_TRUE(files.tryMeasure("Nom", {"Arial", 10, {true, false, false, false}, 0}));
}

TEST(FontFileMetrics, HandsOverWhatOnlyQtCanDo) {
  FontFileMetrics files(ORVANE_FONT_FILES_MODULE);
  EXPECT_FALSE(files.tryMeasure("a\tb", {"DejaVu Sans", 10, {}, 0}));
  EXPECT_FALSE(files.tryMeasure("Nom", {"", 10, {}, 0}));
  EXPECT_FALSE(files.tryMeasure("Nom", {"DejaVu Sans", 0, {}, 0}));
  EXPECT_THROW(files.measure("a\tb", {"DejaVu Sans", 10, {}, 0}), NeedsQt);
  EXPECT_THROW(files.displayLines(RichText::fromPlainText("Nom", {"DejaVu Sans", 10, {}, 0}), {}), NeedsQt);
  EXPECT_FALSE(
      FontFileMetrics("/nonexistent/orvane-cli-fonts.so").tryMeasure("Nom", {"DejaVu Sans", 10, {}, 0}));
  qputenv("QT_FONT_DPI", "120");
  EXPECT_FALSE(FontFileMetrics(ORVANE_FONT_FILES_MODULE).tryMeasure("Nom", {"DejaVu Sans", 10, {}, 0}));
  qunsetenv("QT_FONT_DPI");
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
  // The measures the command-line tool's Qt takes: the offscreen screen as it starts it.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"})
    qunsetenv(scaling);
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
