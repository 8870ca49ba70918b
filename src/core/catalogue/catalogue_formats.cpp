// Sentence patterns of the message catalogue: fixed pieces around one or two caller-supplied
// arguments. Independent of the plain texts, even where an id exists in both.
#include "catalogue/catalogue_tables.h"

namespace orvane::catalogue::tables {
namespace {

// clang-format off
constexpr Entry<Pattern> kFrench[] = {
    {1022, {"hauteur"}},
    {1025, {"bord gauche"}},
    {1028, {"marge"}},
    {1029, {"largeur"}},
    {1030, {"longueur"}},
    {1052, {"accès carte"}},
    {1138, {"Conseil ",
            " : choisissez une taille de police d'en-tête de cadre 1 au moins égale à : ",
            " - Avertissement 300"}},
    {1140, {"Conseil ", " : diminuez la longueur du cadre 1 d'au moins :", " - Avertissement 310"}},
    {1141, {"Avertissement "}},
    {1142, {"Opération non supportée par le système - Erreur "}},
    {1144, {"L'extension de fichier n'est pas ",
            " , l'extension standard permettant de reconnaitre les fichiers ",
            " , voulez-vous conserver ce nom de fichier ?"}},
    {1146, {"Position du cadre ", " recalculée automatiquement"}},
    {1148, {"Cadre ", " redimensionné automatiquement"}},
    {1241, {"La carte (", " mm) est plus grande que les cases de la feuille ",
            " : choisissez une autre feuille ou réduisez la carte."}},
    {1242, {"Modèle de feuille ignoré dans le fichier ", " : ", ""}},
    {1240, {"Conseil ", " : la carte est plus petite que les cases de la feuille choisie (",
            " mm), elle sera centrée dans chaque case - Avertissement 320"}},
    {1314, {"taille"}},
};

constexpr Entry<Pattern> kEnglish[] = {
    {1022, {"height"}},
    {1025, {"left"}},
    {1028, {"margin"}},
    {1029, {"width"}},
    {1030, {"length"}},
    {1052, {"card access"}},
    {1138, {"Advice ", " : select a header font size in frame 1 of at least :", " - Warning 300"}},
    {1140, {"Advice ", " : decrease the length of the frame 1 of at least :", " - Warning 310"}},
    {1141, {"Warning "}},
    {1142, {"Operation not allowed by the system - Error "}},
    {1144, {"The file extension is not ",
            ", the standart extension allowing to recognise the ",
            " files , do you want to keep this file name ?"}},
    {1146, {"Frame position ", " automaticly recalculated"}},
    {1148, {"Frame ", " automaticly redimensioned"}},
    {1241, {"The card (", " mm) is larger than the cells of the sheet ",
            " : choose another sheet or make the card smaller."}},
    {1242, {"Sheet template skipped in the file ", " : ", ""}},
    {1240, {"Advice ", " : the card is smaller than the cells of the chosen sheet (",
            " mm), it will be centred in each cell - Warning 320"}},
    {1314, {"size"}},
};

constexpr Entry<Pattern> kGerman[] = {
    {1022, {"Hoehe"}},
    {1025, {"links"}},
    {1028, {"Rand"}},
    {1029, {"Breite"}},
    {1030, {"Laenge"}},
    {1052, {"Karte-Zugang"}},
    {1138, {"Ratschlag ",
            " : waehlen Sie eine Typographie-Groesse der Kopfzeile des Rahmens 1 von wenigstens : ",
            " - Warnung 300"}},
    {1140, {"Ratschlag ", " : verkuerzen Sie die Laenge des Rahmens 1 von wenigstens : ", " - Warnung 310"}},
    {1141, {"Warnung "}},
    {1142, {"das System ertraegt nicht diese Operation - Fehler "}},
    {1144, {"Die Datei-Erweiterung ist nicht ",
            ", die standarte Datei-Erweiterung, die die Erkennung der Datei  ",
            "  erlaubt, wollen Sie dieser Namen behalten ?"}},
    {1146, {"Stellung des Rahmens ", " automatisch umgerechnet"}},
    {1148, {"Rahmen ", " automatisch abgemesst"}},
    {1241, {"Die Karte (", " mm) ist groesser als die Felder des Bogens ",
            " : waehlen Sie einen anderen Bogen oder verkleinern Sie die Karte."}},
    {1242, {"Bogenvorlage uebergangen in der Datei ", " : ", ""}},
    {1240, {"Ratschlag ", " : die Karte ist kleiner als die Felder des gewaehlten Bogens (",
            " mm), sie wird in jedem Feld zentriert - Warnung 320"}},
    {1314, {"Groesse"}},
};
// clang-format on

}  // namespace

constinit const PatternColumn frenchPatterns = indexById(kFrench);
constinit const PatternColumn englishPatterns = indexById(kEnglish);
constinit const PatternColumn germanPatterns = indexById(kGerman);

}  // namespace orvane::catalogue::tables
