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
    {1314, {"Groesse"}},
};
// clang-format on

}  // namespace

constinit const PatternColumn frenchPatterns = indexById(kFrench);
constinit const PatternColumn englishPatterns = indexById(kEnglish);
constinit const PatternColumn germanPatterns = indexById(kGerman);

}  // namespace orvane::catalogue::tables
