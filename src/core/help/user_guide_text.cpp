// The text of the user guide, in the editor's own French.
#include "help/user_guide.h"

namespace orvane {

const std::vector<std::string_view>& guideMainLines() {
  static const std::vector<std::string_view> lines{
      "AIDE DU PROGRAMME D'EDITION DE CARTES DE VISITE ET DE MINI-CV : ORVANE 1.95",
      "",
      "UTILISATION :",
      "Utiliser un traitement de texte tel que notepad pour créer le contenu et le formatage",
      "des textes des cadres 1 et 2, puis les sauvegarder au format RTF ou TXT ; les charger ensuite",
      "par le menu \"éléments\" > \"Texte_1\" ou \"Texte_2\" > \"charger\".",
      "Ajouter une icone (fichier *.ico ou *.bmp) par \"éléments\" > \"Icone\" et un motif de fond",
      "(fichier *.bmp) par \"éléments\" > \"Motif\" ; pour retirer l'icone ou le motif, choisir le",
      "bouton \"annuler\" de la boîte de sélection de fichier.",
      "Le motif est répété en mosaïque ou étiré à la taille de la carte selon sa taille par rapport",
      "à celle de la carte et selon l'état de la case à cocher du motif.",
      "Le bouton \"voir carte\" affiche la carte ; le menu \"fichier\" imprime une planche de cartes",
      "identiques en couleurs ou en noir et blanc.",
      "Les paramêtres de la carte sont sauvegardés dans un fichier d'extension \".ov1\" (\".ov4\" pour",
      "le mini-cv) ; c'est un fichier texte qu'un éditeur de texte tel que notepad peut modifier.",
      "Lorsqu'un fichier existant est modifié sans être remplacé, le nouveau fichier reçoit un nom",
      "indicé 1, 2, 3... ou une extension indicée de \"ov2\" à \"ov10\".",
      "Le bouton \"appliquer\" a pour effet de mettre à jour l'affichage avec les éléments chargés. "
      "L'icone par défaut est éliminée.",
      "",
      "POSITION DES ELEMENTS :",
      "CADRE 1 = cadre en haut de la carte : le texte y est centré",
      "CADRE 2 = cadre en bas de la carte : le texte y est justifié à droite",
      "ICONE  = image de format *.bmp ou *.ico à gauche du cadre 1",
      "MOTIF  = image de format *.bmp de fond de la carte ; motif et couleur de fond sont exclusifs "
      "l'un de l'autre.",
      "",
      "NOUVEAUTES DE LA VERSION 2.0 :",
      "- transparence des zones de texte et de l'icone de la carte (cases T1 et T2) ;",
      "- boutons de remise à zéro dans la carte et dans le mini-cv.",
      "NOUVEAUTES DE LA VERSION 1.95 :",
      "- contenus des textes et noms de fichiers en Unicode.",
      "",
      "PARMIS LES NOUVEAUTES DES VERSIONS 1.6, 1.7, 1.8, 1.9 :",
      "1 - fichiers paramêtres \"*.ov1\" pour la carte et \"*.ov4\" pour le mini-cv ;",
      "2 - textes sur plusieurs lignes préparés avec un éditeur de texte simple ;",
      "3 - cadres déplaçables latéralement ;",
      "4 - impression des icones \"*.ico\" et \"*.bmp\" ;",
      "5 - alignement du cadre 2 et audit des paramêtres de la carte ;",
      "6 - correction de défauts ;",
      "7 - aide contextuelle par la touche \"F1\" ;",
      "8 - case à cocher du motif à trois états ;",
      "9 - contrôles avant impression ;",
      "10 - exportation du mini-cv au format HTML.",
      "",
      "PROBLEMES COURANTS :",
      "1 - Le texte d'un cadre est illisible : il a été sauvegardé au format Word ; le sauvegarder",
      "    au format RTF ou TXT.",
      "2 - La résolution d'écran conseillée est de 800x600 au moins.",
      "3 - L'icone affichée au démarrage se retire avec le bouton \"appliquer\".",
      "4 - Avec l'impression noir et blanc, les images en couleurs sont imprimées en noir et blanc.",
      "5 - Certaines imprimantes n'impriment pas le motif de fond de la carte.",
      "6 - Les fichiers paramêtres des versions 1.5 et 1.6 ne sont plus compatibles.",
      "7 - Les blancs supprimés à l'écran par les commandes d'alignement sont tout de même imprimés.",
      "8 - La couleur initiale de la carte est imprimée comme une absence de couleur (blanc).",
      "9 - Le formatage RTF apparaît en clair lorsqu'un fichier \".txt\" est choisi à la place du",
      "    fichier \".rtf\".",
      "",
      "MINI-CV : ",
      "1 - L'alignement des champs se règle par le menu des polices de caractères.",
      "2 - Pour afficher le champ du site web, retirer un des champs de téléphone.",
      "3 - Les zones sur plusieurs lignes ne sont pas imprimées : voir le fichier d'aide.",
      "4 - Des champs sont déplacés après une impression : utiliser la commande",
      "    \"polices caractères>attributs\".",
      "\r\n",
      "MESSAGES REPERTORIES",
  };
  return lines;
}

const std::vector<std::string_view>& guideConfigurationLines() {
  static const std::vector<std::string_view> lines{
      "",
      "CONFIGURATION MINIMALE :",
      "Système d'exploitation : Windows 2000",
      "Processeur : Pentium ",
      "Mémoire : 64 Mo",
      "Ecran et carte graphique supportant résolution minimale de 800x600",
      "Imprimante : noir et blanc ou couleur",
      "",
  };
  return lines;
}

const std::vector<GuideMessage>& guideMessages() {
  static const std::vector<GuideMessage> messages{
      {10,
       {"Message 10 :", "Absence d'imprimante installée : ", "Résolution : installation d'une imprimante"}},
      {100,
       {"Message 100 :", "Erreur de dimensionnement",
        "Résolution : un élément de la carte déborde sur un autre ou sur les limites de la carte",
        "Le message d'avertissement indique l'élément concerné : revoir sa position et ses dimensions"}},
      {200,
       {"Message 200 :", "Fichier déjà présent sur le disque",
        "Résolution : en choisissant de modifier le fichier il sera remplacé par le nouveau.",
        "En choisissant de ne pas modifier le fichier : un nouveau fichier sera créé avec une extension "
        "indicée : ov2,ov3,..ov10",
        "Si il y a un problème de suppression de l'ancien fichier, ou de reprise de son nom, le nouveau "
        "fichier aura",
        "une extension indicée"}},
      {210,
       {"Message 210 :", "Extension non standard",
        "Les extensions standard sont \"ov1\" pour les fichiers paramêtres de la carte et \"ov4\" pour ceux "
        "du mini-cv"}},
      {300,
       {"Message 300 :", "Taille de police insuffisante",
        "Il s'agit d'un conseil de présentation : en principe l'en-tête du cadre1 ne doit pas avoir un "
        "texte plus petit que le cadre 2"}},
      {310,
       {"Message 310 :", "Le cadre 1 déborde sur l'icone.",
        "Résolution : diminuez la longueur du cadre 1 ou déplacez à gauche l'icone."}},
      {400,
       {"Message 400 : ", "Erreur survenue lors de la prise en compte de nouveaux paramêtres graphiques",
        "Résolution : essayez de nouveaux paramêtres ou de nouveaux éléments graphiques"}},
      {500,
       {"Message 500 :",
        "Avertissement sur la possibilité qu'une police de texte ait un aspect écran/papier différent  "}},
  };
  return messages;
}

}  // namespace orvane
