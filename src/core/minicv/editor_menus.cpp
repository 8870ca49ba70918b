#include "minicv/editor_menus.h"

#include <array>

#include "catalogue/catalogue.h"

namespace orvane::minicv {

namespace {

using enum EditorMenu;

constexpr EditorMenuItem item(std::string_view name, EditorMenu menu, std::string_view parent, int message) {
  return {name, menu, parent, message, {}, false};
}

constexpr EditorMenuItem fixed(std::string_view name, std::string_view parent, std::string_view caption) {
  return {name, Main, parent, 0, caption, false};
}

constexpr EditorMenuItem submenu(std::string_view name, std::string_view parent, int message,
                                 std::string_view caption = {}) {
  return {name, Main, parent, message, caption, true};
}

// The code-page items and the load variants never had a catalogue entry: they read the same in
// every interface language.
constexpr std::array kItems{
    item("chargerphoto1", Main, "", 50),
    submenu("policecaractres1", "", 51),
    submenu("charset1", "policecaractres1", 0, "charset"),
    fixed("normal1", "charset1", "normal"),
    fixed("esteuropen1", "charset1", "est européen"),
    fixed("cyrillique1", "charset1", "cyrillique"),
    fixed("baltique1", "charset1", "baltique"),
    item("attributs1", Main, "policecaractres1", 77),
    item("defaut1", Main, "policecaractres1", 78),
    item("styleslection1", Main, "", 52),
    item("titresdescadres1", Main, "", 53),
    item("style1", Main, "", 54),
    submenu("alignement", "", 73),
    item("cadre11", Main, "alignement", 70),
    item("cadre21", Main, "alignement", 71),
    item("cadre1cadre21", Main, "alignement", 72),
    item("sauvegarder1", Main, "", 55),
    submenu("chargertexte1", "", 56),
    fixed("mono1", "chargertexte1", "simple"),
    fixed("double1", "chargertexte1", "bi-version"),
    fixed("triple1", "chargertexte1", "tri-version"),
    item("rpertoiredetravail1", Main, "chargertexte1", 79),
    item("imprimante1", Main, "", 57),
    item("impressionnoiretblanc1", Main, "", 58),
    item("impressioncouleur1", Main, "", 59),
    item("couleur1", Main, "", 60),
    submenu("options1", "", 61),
    item("signature1", Main, "options1", 64),
    item("cadres1", Main, "options1", 86),
    item("marges1", Main, "options1", 65),
    fixed("browser1", "options1", "browser"),
    item("modeverbeux1", Main, "options1", 179),
    submenu("language1", "", 62),
    item("franais1", Main, "language1", 66),
    item("anglais1", Main, "language1", 67),
    item("allemand1", Main, "language1", 68),
    item("associationdesfichiers1", Main, "", 69),
    item("toutquitter1", Main, "", 63),
    item("browse1", Html, "", 82),
    item("export1", Html, "", 83),
    item("exportpathname1", Html, "", 84),
    item("facteuragrandissement1", Html, "", 85),
    item("impression1", Tests, "", 80),
    item("synchronicit1", Tests, "", 81),
};

}  // namespace

std::span<const EditorMenuItem> editorMenuItems() { return kItems; }

const EditorMenuItem* findEditorMenuItem(std::string_view name) {
  for (const EditorMenuItem& candidate : kItems)
    if (candidate.name == name) return &candidate;
  return nullptr;
}

std::string editorMenuCaption(const EditorMenuItem& item, Language language) {
  if (item.message == 0) return std::string(item.fixedCaption);
  return catalogue::text(language, item.message);
}

std::string verboseModeCaption(bool verbose, Language language) {
  return catalogue::text(language, 179) + (verbose ? "-" : "+");
}

}  // namespace orvane::minicv
