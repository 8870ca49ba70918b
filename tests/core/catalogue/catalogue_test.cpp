#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::catalogue {
namespace {

constexpr std::string_view kLanguages[] = {"fr", "en", "de"};
constexpr int kLastId = 1325;

// The tests name languages by their codes, which read better in failure messages.
Language of(std::string_view code) { return languageOfCode(code).value(); }

std::vector<int> ids_of(std::string_view language) {
  std::vector<int> ids;
  for (int id = -1; id <= kLastId + 10; ++id) {
    if (find_text(of(language), id)) ids.push_back(id);
  }
  return ids;
}

TEST(CatalogueLanguage, OnlyTheExactThreeCodesHaveAKeyAndALanguage) {
  EXPECT_EQ(language_key("fr"), '!');
  EXPECT_EQ(language_key("en"), ',');
  EXPECT_EQ(language_key("de"), '1');
  EXPECT_EQ(languageOfCode("fr"), Language::French);
  EXPECT_EQ(languageOfCode("en"), Language::English);
  EXPECT_EQ(languageOfCode("de"), Language::German);
  for (std::string_view code : {"FR", "", "fr ", " fr", "f", "fra", "it", "xx"}) {
    EXPECT_EQ(language_key(code), std::nullopt) << '"' << code << '"';
    EXPECT_EQ(languageOfCode(code), std::nullopt) << '"' << code << '"';
  }
}

TEST(CatalogueLookup, MissingEntryLeavesTheStringAsItWas) {
  for (std::string_view language : kLanguages) {
    for (int id : {-5, 0, 87, 163, 1085, 1086, 1172, 5000}) {
      std::string out = "before";
      message_text(of(language), id, out);
      message_format(of(language), id, "a", "b", out);
      EXPECT_EQ(out, "before") << language << ' ' << id;
    }
    std::string out = "before";
    message_format(of(language), 1139, "400", "", out);  // exists only as a plain text
    message_format(of(language), 1143, "a", "b", out);
    EXPECT_EQ(out, "before") << language;
  }
}

TEST(CatalogueLookup, EmptyEntriesAssignAnEmptyText) {
  for (std::string_view language : kLanguages) {
    for (int id : {37, 122}) {
      std::string out = "before";
      message_text(of(language), id, out);
      EXPECT_EQ(out, "") << language << ' ' << id;
      EXPECT_EQ(find_text(of(language), id), "");
    }
  }
}

TEST(CatalogueLookup, SaveEntriesWithoutTextKeepThePreviousOne) {
  // The main window relabels its three save entries through one string: 1084, then 1085 and 1086.
  for (auto [language, expected] : {std::pair{"fr", "Sauvegarder"}, {"en", "Save"}, {"de", "Speichern"}}) {
    std::string caption;
    std::vector<std::string> captions;
    for (int id : {1084, 1085, 1086}) {
      message_text(of(language), id, caption);
      captions.push_back(caption);
    }
    EXPECT_EQ(captions, std::vector<std::string>(3, expected)) << language;
  }
}

TEST(CatalogueLookup, LeftEdgePlusCaptionIsFrenchOnly) {
  EXPECT_EQ(text(of("fr"), 1026), "bord gauche + ");
  for (std::string_view language : {"en", "de"}) {
    std::string out = "left + ";
    message_text(of(language), 1026, out);
    EXPECT_EQ(out, "left + ");
  }
}

TEST(CatalogueLookup, ConveniencesGiveAnEmptyTextWhenNothingIsFound) {
  EXPECT_EQ(text(of("en"), 1085), "");
  EXPECT_EQ(format(of("de"), 1139, "400"), "");
  EXPECT_EQ(text(of("de"), 1084), "Speichern");
  EXPECT_EQ(format(of("en"), 1141, "310"), "Warning 310");
}

TEST(CatalogueData, TranslationsCoverExactlyTheFrenchIds) {
  std::vector<int> expected = ids_of("fr");
  EXPECT_EQ(expected.size(), 346u);
  EXPECT_EQ(expected.front(), 1);
  EXPECT_EQ(expected.back(), kLastId);
  std::erase(expected, 1026);
  EXPECT_EQ(ids_of("en"), expected);
  EXPECT_EQ(ids_of("de"), expected);
}

struct Shape {
  std::size_t leadingBlanks, trailingBlanks;
  long markers, separators;
  bool endsWithColon;
  bool operator==(const Shape&) const = default;
};

void PrintTo(const Shape& shape, std::ostream* os) {
  *os << "{blanks " << shape.leadingBlanks << '/' << shape.trailingBlanks << ", '&' " << shape.markers
      << ", '|' " << shape.separators << (shape.endsWithColon ? ", ends with ':'}" : "}");
}

// What callers rely on when they join pieces or show menus: blanks at both ends, accelerator markers,
// file-filter separators and a closing colon before an inserted value.
Shape shape_of(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  const std::size_t last = text.find_last_not_of(' ');
  const std::string_view core = first == std::string_view::npos ? "" : text.substr(first, last - first + 1);
  return {first == std::string_view::npos ? text.size() : first,
          last == std::string_view::npos ? 0 : text.size() - last - 1, std::ranges::count(text, '&'),
          std::ranges::count(text, '|'), core.ends_with(':')};
}

TEST(CatalogueData, TranslationsKeepBlanksMarkersAndSeparators) {
  for (int id : ids_of("fr")) {
    if (id == 1026 || id == 1055) continue;  // 1055's fixed translations carry no marker
    const Shape french = shape_of(*find_text(of("fr"), id));
    for (std::string_view language : {"en", "de"}) {
      EXPECT_EQ(shape_of(*find_text(of(language), id)), french) << language << ' ' << id;
    }
  }
}

TEST(CatalogueData, ListCaptionsStayDistinctAndParsable) {
  for (std::string_view language : kLanguages) {
    // Offsets are read after the first blank of items such as "width -5".
    for (int id : {1022, 1028, 1029, 1030}) {
      EXPECT_EQ(format(of(language), id, " ", "").find(' '), format(of(language), id, "", "").size()) << id;
    }
    // The format, orientation and alignment lists are compared by their item texts.
    for (const std::vector<int>& list :
         {std::vector{1027, 1132, 1133, 1134, 1135, 1136}, std::vector{1031, 76, 75},
          std::vector{1017, 1024, 1012, 1013, 1014}}) {
      std::set<std::string> items;
      for (int id : list) items.insert(text(of(language), id));
      EXPECT_EQ(items.size(), list.size()) << language << ' ' << list.front();
    }
  }
}

TEST(CatalogueData, QuotedTextsAreExact) {
  const struct {
    std::string_view language;
    int id;
    std::string_view expected;
  } cases[] = {
      {"fr", 1143,
       "Ce fichier existe déjà voulez-vous le modifier (oui : l'ancien fichier sera écrasé ; "
       "non : le nouveau fichier aura un nom dérivé du fichier existant avec un indice 1,2,3 ...) ?"},
      {"en", 1143,
       "This file already exists do you want to modify it (yes : the old file will be overwritten ; "
       "no : the new file will have a name derived from the existing file with an index 1,2,3 ...) ?"},
      {"de", 1143,
       "Diese Datei existiert bereits wollen Sie sie aendern (ja : die alte Datei wird ueberschrieben ; "
       "nein : die neue Datei erhaelt einen von der bestehenden Datei abgeleiteten Namen mit einem Index "
       "1,2,3 ...) ?"},
      {"fr", 1131, "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10"},
      {"en", 1131, "No printer defined, you will not be able to launch printing - Warning 10"},
      {"de", 1131, "Kein Drucker gewaehlt, Sie werden kein Druck starten koennen - Warnung 10"},
      {"fr", 41, "fichiers mini-cv|*.ov4|fichiers texte|*.txt|fichiers non définis|*.*"},
      {"en", 41, "mini-cv files|*.ov4|text files|*.txt|files of undefined type|*.*"},
      {"de", 41, "\"Mini-cv\" Daten|*.ov4|Text Daten|*.txt|sonstige Daten|*.*"},
      {"fr", 106,
       "Orvane : anomalie fichier. Vérifier le contenu du fichier : "
       "chaque paramêtre doit être précédé de \":\""},
      {"fr", 116, "Test d'impression terminé pour les paramêtres en cours :  "},
      {"fr", 38, "Langue :            niveau :"},
      {"fr", 1139, "Orvane - erreur "},
      {"en", 1139, "Orvane - error "},
      {"de", 1139, "Orvane - Fehler "},
      {"de", 66, "Franzoesich"},
      {"de", 1067, "Franzoesisch"},
      {"en", 1055, "About"},
      {"de", 1044, "RAHMEN 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(text(of(c.language), c.id), c.expected) << c.language << ' ' << c.id;
}

TEST(CatalogueFormat, EveryPatternInEveryLanguage) {
  const struct {
    std::string_view language;
    int id;
    std::string_view first, second, expected;
  } cases[] = {
      {"fr", 1022, " + ", "", "hauteur + "},
      {"en", 1022, " ", "", "height "},
      {"de", 1022, "+", "", "Hoehe+"},
      {"fr", 1025, " ", "", "bord gauche "},
      {"en", 1025, " ", "", "left "},
      {"de", 1025, " ", "", "links "},
      {"fr", 1028, " ", "", "marge "},
      {"en", 1028, "+", "", "margin+"},
      {"de", 1028, " + ", "", "Rand + "},
      {"fr", 1029, " + ", "", "largeur + "},
      {"en", 1029, " + ", "", "width + "},
      {"de", 1029, " + ", "", "Breite + "},
      {"fr", 1030, " ", "", "longueur "},
      {"en", 1030, " ", "", "length "},
      {"de", 1030, " ", "", "Laenge "},
      {"fr", 1052, " +", "", "accès carte +"},
      {"en", 1052, " -", "", "card access -"},
      {"de", 1052, " +", "", "Karte-Zugang +"},
      {"fr", 1138, "1", "14",
       "Conseil 1 : choisissez une taille de police d'en-tête de cadre 1 au moins égale à : 14 - "
       "Avertissement 300"},
      {"en", 1138, "1", "14",
       "Advice 1 : select a header font size in frame 1 of at least :14 - Warning 300"},
      {"de", 1138, "1", "14",
       "Ratschlag 1 : waehlen Sie eine Typographie-Groesse der Kopfzeile des Rahmens 1 von wenigstens : 14 - "
       "Warnung 300"},
      {"fr", 1140, "2", "35",
       "Conseil 2 : diminuez la longueur du cadre 1 d'au moins :35 - Avertissement 310"},
      {"en", 1140, "2", "35", "Advice 2 : decrease the length of the frame 1 of at least :35 - Warning 310"},
      {"de", 1140, "2", "35",
       "Ratschlag 2 : verkuerzen Sie die Laenge des Rahmens 1 von wenigstens : 35 - Warnung 310"},
      {"fr", 1141, "310", "", "Avertissement 310"},
      {"en", 1141, "310", "", "Warning 310"},
      {"de", 1141, "310", "", "Warnung 310"},
      {"fr", 1142, "400", "", "Opération non supportée par le système - Erreur 400"},
      {"en", 1142, "400", "", "Operation not allowed by the system - Error 400"},
      {"de", 1142, "400", "", "das System ertraegt nicht diese Operation - Fehler 400"},
      {"fr", 1144, "\"ov4\"", "Mini-CV",
       "L'extension de fichier n'est pas \"ov4\" , l'extension standard permettant de reconnaitre "
       "les fichiers Mini-CV , voulez-vous conserver ce nom de fichier ?"},
      {"en", 1144, "\"txt\"", "texte",
       "The file extension is not \"txt\", the standart extension allowing to recognise the texte files , "
       "do you want to keep this file name ?"},
      {"de", 1144, "\"ov4\"", "Mini-CV",
       "Die Datei-Erweiterung ist nicht \"ov4\", die standarte Datei-Erweiterung, die die Erkennung "
       "der Datei  Mini-CV  erlaubt, wollen Sie dieser Namen behalten ?"},
      {"fr", 1146, "1", "", "Position du cadre 1 recalculée automatiquement"},
      {"en", 1146, "2", "", "Frame position 2 automaticly recalculated"},
      {"de", 1146, "1", "", "Stellung des Rahmens 1 automatisch umgerechnet"},
      {"fr", 1148, "1", "", "Cadre 1 redimensionné automatiquement"},
      {"en", 1148, "1", "", "Frame 1 automaticly redimensioned"},
      {"de", 1148, "2", "", "Rahmen 2 automatisch abgemesst"},
  };
  for (const auto& c : cases) {
    std::string out = "before";
    message_format(of(c.language), c.id, c.first, c.second, out);
    EXPECT_EQ(out, c.expected) << c.language << ' ' << c.id;
  }
}

TEST(CatalogueFormat, OneSlotPatternsIgnoreTheSecondArgument) {
  EXPECT_EQ(format(of("fr"), 1141, "310", "extra"), "Avertissement 310");
  EXPECT_EQ(format(of("de"), 1146, "1", "extra"), "Stellung des Rahmens 1 automatisch umgerechnet");
}

TEST(CatalogueFormat, PlainAndFormattedTablesAreIndependent) {
  EXPECT_EQ(text(of("fr"), 1052), "accès carte ");
  EXPECT_EQ(format(of("fr"), 1052, ""), "accès carte");
  EXPECT_EQ(text(of("fr"), 1141), "");
  EXPECT_EQ(format(of("fr"), 1, "x"), "");
}

}  // namespace
}  // namespace orvane::catalogue
