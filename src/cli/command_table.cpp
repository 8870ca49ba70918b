#include "cli/command_table.h"

#include <algorithm>
#include <array>

namespace orvane::cli {

namespace {

constexpr std::array catalogueHelp{
    ArgumentHelp{"LANG", "The language: fr, en or de."},
    ArgumentHelp{"ID", "The message id, an integer."},
    ArgumentHelp{"--format A [B]", "Prints the formatted message built around the texts A and B instead."},
};
constexpr std::array<ArgumentHelp, 0> startCardHelp{};
constexpr std::array cardDumpHelp{
    ArgumentHelp{"FILE.ov1", "The card file to load; its frame texts are read from its element folder."},
};
constexpr std::array cardSaveHelp{
    ArgumentHelp{"IN.ov1", "The card file to load."},
    ArgumentHelp{"OUT.ov1",
                 "The card file to write; the frame texts go to its element folder when it exists. A name "
                 "the file cannot record for its frame texts (a line break, bytes that are not UTF-8, "
                 "characters outside Windows-1252, too long a name) is refused."},
};
constexpr std::array rtfDumpHelp{
    ArgumentHelp{"FILE.rtf", "The RTF file to read."},
};
constexpr std::array rtfWriteHelp{
    ArgumentHelp{"IN.rtf", "The RTF file to read."},
    ArgumentHelp{"OUT.rtf", "The companion file to write, its header patched to UTF-8; never IN.rtf itself."},
};
constexpr std::array cardMergeHelp{
    ArgumentHelp{"FILE.ov1",
                 "The card file whose frame texts and contact hold fields written \u00abNAME\u00bb."},
    ArgumentHelp{
        "DATA.csv",
        "The rows that fill the fields, NAME being a cell of its header line: quoted cells may hold "
        "separators and line breaks; ',' or ';' separates cells; UTF-8 (with or without a byte order "
        "mark), else Windows-1252."},
    ArgumentHelp{"OUT.pdf", "The PDF file to write: one sheet per row; never FILE.ov1 or DATA.csv."},
    ArgumentHelp{"--mixed", "Gives consecutive rows to consecutive cards instead, the pages filled in turn."},
    ArgumentHelp{"--template ID", "The card stock to print on, as for card-sheet."},
    ArgumentHelp{"output",
                 "{\"rows\": N, \"pages\": N, \"missing\": [{\"row\", \"field\"}]}: the data rows, the "
                 "pages written and, once per row and field, each field the row left empty (no such column, "
                 "or a row short of it; rows count from 1)."},
};

constexpr std::array cardSheetHelp{
    ArgumentHelp{"FILE.ov1", "The card file to print."},
    ArgumentHelp{"OUT.pdf", "The PDF file to write; never FILE.ov1 itself."},
    ArgumentHelp{"--bw", "Prints in black and white instead of colour."},
    ArgumentHelp{"--dpi N", "The printer resolution, from 72 to 2400 dots per inch (600 when not given)."},
    ArgumentHelp{"--test-print", "Prints the test sheet instead of the cards."},
    ArgumentHelp{"--template ID",
                 "The card stock to print on (see templates); the sheet of twelve, a4-3x4-orvane, when not "
                 "given. Page size and orientation follow it; a card larger than its cells is refused."},
    ArgumentHelp{"--offset-x MM, --offset-y MM",
                 "Moves every card by MM millimetres, from -10 to 10, right and down; 0 when not given (a "
                 "PDF file has no printer calibration)."},
    ArgumentHelp{
        "--scale PCT",
        "Scales positions and cards by PCT percent, from 95 to 105, from the paper's top-left corner."},
};
constexpr std::array cardPngHelp{
    ArgumentHelp{"FILE.ov1", "The card file to draw."},
    ArgumentHelp{"OUT.png", "The PNG file to write; never FILE.ov1 itself."},
};
constexpr std::array cardPdfHelp{
    ArgumentHelp{"FILE.ov1", "The card file to draw, at its physical size: its pixels at its resolution."},
    ArgumentHelp{"OUT.pdf", "The PDF file to write, one page; never FILE.ov1 itself."},
    ArgumentHelp{"--bleed MM",
                 "The bleed around the card, from 0 to 5 millimetres (3 when not given), into which the "
                 "card's background colour or pattern runs on; the texts and the icon keep their place."},
    ArgumentHelp{
        "--crop-marks",
        "Adds crop marks 5 mm long on the lines of the card's edges, starting 1 mm outside the bleed."},
    ArgumentHelp{"boxes",
                 "The page's TrimBox is the card, its BleedBox the card and the bleed, its MediaBox the "
                 "BleedBox and the room the crop marks take; the fonts are embedded."},
};

constexpr std::array cardEditHelp{
    ArgumentHelp{"IN.ov1", "The card file to edit, loaded as the load command of the editor loads it."},
    ArgumentHelp{"OUT.ov1",
                 "The card file to write, with its frame texts, as the save command writes it; "
                 "a name card-save refuses is refused."},
    ArgumentHelp{"--lang fr|en|de", "The interface language the list texts and the messages are in (fr)."},
    ArgumentHelp{"CONTROL=TEXT",
                 "A step: TEXT as typed in or chosen from CONTROL and confirmed; steps run in order."},
    ArgumentHelp{"frameN.width|length|left|top",
                 "Frame 1 or 2 size and position lists (\"largeur + 7\", \"+7\", \"bord gauche -3\")."},
    ArgumentHelp{"frameN.align, frame2.place",
                 "Text alignment and frame 2 placement (\"gauche\", \"centré\")."},
    ArgumentHelp{"frameN.transparent", "T1 or T2: 1 or 0; usable over a pattern only."},
    ArgumentHelp{"card.width|length|spacing",
                 "Card size lists and the spacing list (\"largeur+10\", \"15\"); a card or icon side "
                 "below 1 or above 4000 is refused and left as it was, with frame 1's warning line."},
    ArgumentHelp{"card.format|orientation", "Standard format (\"grand\") and orientation (\"horizontal\")."},
    ArgumentHelp{"card.reset-width|reset-length", "The reset boxes: 1 or 0."},
    ArgumentHelp{"card.fit-a4", "\"ajustement A4\": 1 presses it."},
    ArgumentHelp{"card.pattern-mode", "\"MOTIF \": 0 unchecked, 1 checked, 2 grayed."},
    ArgumentHelp{"card.fill-style", "\"STYLE\": 1 or 0."},
    ArgumentHelp{"icon.width|length|margin|top", "Icon size and position lists (\"marge + 3\")."},
    ArgumentHelp{"icon.reset-margin|reset-top", "The icon's reset boxes: 1 or 0."},
    ArgumentHelp{
        "contact.file=PATH.vcf",
        "The card's contact read from a vCard file; it is saved as element/Q<base>.vcf beside OUT.ov1."},
    ArgumentHelp{"contact.qr", "Shows the contact as a QR code on the card: 1 or 0."},
    ArgumentHelp{"contact.qr-left|qr-top|qr-size",
                 "The QR code's place and side in pixels, as the icon's (the side from 29)."},
};
constexpr std::array cardVcardHelp{
    ArgumentHelp{"FILE.ov1",
                 "The card file whose contact is printed, read from element/Q<base>.vcf beside it; exits 1 "
                 "when the card has no contact."},
    ArgumentHelp{"output",
                 "The vCard 4.0 in UTF-8, lines ended by CR LF and folded at 75 octets: the bytes the card's "
                 "QR code encodes."},
};

// The mini-CV sheet's steps, shared by cv-layout and cv-check.
constexpr std::array cvLayoutHelp{
    ArgumentHelp{"--lang fr|en|de", "The language the sheet is captioned in and the messages are in (fr)."},
    ArgumentHelp{"element.N=0|1|2",
                 "A click on element box N (0-15) that leaves it in that state; 2 is the grey state of 8."},
    ArgumentHelp{"zone.K=TEXT", "The text of zone K (1-4); \\t stands for a tab and \\n between lines."},
    ArgumentHelp{"field.NAME=TEXT", "The text of the field NAME (Edit1, Edit17...)."},
    ArgumentHelp{"formfont=NAME,SIZE[,biu]",
                 "A new form font (bold, italic, underline); the frames are laid out again."},
    ArgumentHelp{"defaut", "Puts the default font and the first field columns back."},
    ArgumentHelp{"align.etatcivil|coordonnees|both=D",
                 "Shifts the field column of the frame(s) by D pixels."},
    ArgumentHelp{"width=P, height=P", "Chooses the width or height percentage P, from 95 to 105."},
    ArgumentHelp{"lang=fr|en|de", "Captions the sheet in another language."},
};

// The mini-CV file commands.
constexpr std::array cvDumpHelp{
    ArgumentHelp{
        "FILE.ov4",
        "The mini-CV file to load, as the editor's \"simple\" load does with every question answered "
        "OK; its zone files and photo are found beside it."},
};
constexpr std::array cvSaveHelp{
    ArgumentHelp{"IN.ov4", "The mini-CV file to load, as cv-dump loads it."},
    ArgumentHelp{"OUT.ov4",
                 "The mini-CV file to write; its zone files go to the element folder beside it, "
                 "which is made when missing. A name the file cannot record for its zone files is "
                 "refused, as card-save refuses one."},
};

// The printer commands.
constexpr std::array<ArgumentHelp, 0> printersHelp{};
constexpr std::array cardAuditHelp{
    ArgumentHelp{"FILE.ov1", "The card file to check."},
    ArgumentHelp{"--printer NAME",
                 "The printer to check against (see printers); the PDF printer when not given."},
    ArgumentHelp{"advice",
                 "Each finding: its number, its id (300 header sizes, 310 the icon over frame 1, "
                 "1117 blanks around frame 1's text, 500 a font the printer substitutes) and its text."},
    ArgumentHelp{"--template ID",
                 "The card stock the card is to be printed on (see templates): a card smaller than its "
                 "cells gets advice 320."},
    ArgumentHelp{"messages", "Every message the audit shows, in order."},
};

constexpr std::array<ArgumentHelp, 4> templatesHelp{
    ArgumentHelp{"output",
                 "A JSON array of {\"id\", \"name\", \"paper\": [w, h], \"card\": [w, h], \"columns\", "
                 "\"rows\", \"origin\": [x, y], \"pitch\": [dx, dy], \"source\"}, lengths in millimetres "
                 "from the paper's top-left corner; a template file skipped is told on stderr, one line "
                 "naming the file."},
    ArgumentHelp{"id",
                 "Lower-case, from the geometry: paper (a4, letter, or WxHmm), columns x rows, card size "
                 "(85x54 in mm, 3.5x2in in inches): a4-2x5-85x54; \"-2\", \"-3\"... when taken already."},
    ArgumentHelp{"a4-3x4-orvane",
                 "The sheet of twelve: cards at their own size and spacing from 5 mm margins, turned with "
                 "the card; its card and pitch are null."},
    ArgumentHelp{"source",
                 "built-in, shipped (inside the program), user (the templates folder of the settings' "
                 "folder, ~/.config/Brevanel/Orvane/templates) or system (the business cards of the "
                 "label template database; ORVANE_SYSTEM_TEMPLATES names another folder, empty for none)."},
};
constexpr std::array cardCalibrationHelp{
    ArgumentHelp{"OUT.pdf",
                 "The calibration page to write: crosses 20 mm from each corner and at the centre, two "
                 "150 mm rulers with millimetre ticks, the printer's name and the date."},
    ArgumentHelp{"--template ID", "The paper of that card stock (A4 when not given)."},
};
constexpr std::array cardPrintHelp{
    ArgumentHelp{"FILE.ov1", "The card file to print."},
    ArgumentHelp{"--printer NAME",
                 "A printer the printers command lists, or pdf:OUT.pdf to write a PDF file."},
    ArgumentHelp{"--copies N", "How many copies, from 1 to 999 (1 when not given); each copy is one page."},
    ArgumentHelp{"--bw", "Prints in black and white instead of colour."},
    ArgumentHelp{"--test", "Prints the test print: one card, in colour unless --bw is given."},
    ArgumentHelp{"--template ID",
                 "The card stock to print on (see templates); the sheet of twelve, a4-3x4-orvane, when not "
                 "given. Page size and orientation follow it; a card larger than its cells is refused."},
    ArgumentHelp{"--offset-x MM, --offset-y MM",
                 "Moves every card by MM millimetres, from -10 to 10, right and down; an option not given "
                 "takes the printer's stored calibration (none for the PDF printer)."},
    ArgumentHelp{
        "--scale PCT",
        "Scales positions and cards by PCT percent, from 95 to 105, from the paper's top-left corner."},
    ArgumentHelp{"job",
                 "The printer is told the colour mode (colour, or monochrome with --bw), A4 paper and the "
                 "card's page orientation. Exits 2 with the reason when the printer refuses the document "
                 "(a queue that does not accept jobs) or has already abandoned the job."},
};

constexpr std::array bmpCheckHelp{
    ArgumentHelp{
        "PATH",
        "A BMP file, or a folder whose .bmp files (any case, not in sub-folders) are checked by name."},
    ArgumentHelp{"--repair",
                 "Sets both size fields of each repairable file from its dimensions, without asking; nothing "
                 "is written without it."},
    ArgumentHelp{"--no-backup", "Repairs without first copying each file to \"old_\" + its name."},
    ArgumentHelp{
        "output",
        "One JSON object per file and line: path, code (0 unchanged, 1 repaired, 9 repair failed, 199 "
        "not a bitmap or too damaged), valid, reason, fileSize and imageSize as read, "
        "expectedFileSize and expectedImageSize (null where the dimensions imply none; the image sizes "
        "null for an OS/2 bitmap, which has no such field), backup. A write-protected file is not "
        "repaired (code 9). Exits 1 when a repair failed, after every file is checked."},
};

constexpr std::array formHtmlHelp{
    ArgumentHelp{"FORM.json",
                 "The form: {\"converter\": {...}, \"form\": {...}, \"controls\": [...]}; absent keys take "
                 "the defaults."},
    ArgumentHelp{"OUT.html",
                 "The page to write, in Windows-1252, never FORM.json itself; the messages shown are printed "
                 "as JSON."},
    ArgumentHelp{"converter",
                 "AlternateFonts, BGColor (\"[None]\", \"[Same]\" or a colour), BrowserFamily (bfDefault, "
                 "bfIE3 ... bfChrome, bfSafari, bfOtherUnknownBrowser), ChunkOnly, SetFonts, "
                 "QualifiedNames (true/false), PhotoSrc."},
    ArgumentHelp{"form", "caption, color, font, and attributes of the FORM element ({\"Action\": \"...\"})."},
    ArgumentHelp{"controls[]",
                 "kind: panel, groupbox, radiogroup, label, edit, memo, checkbox, radio, combobox, "
                 "listbox, button or image; name; left, top (-1000000 to 1000000), width, height (0 to "
                 "1000000); visible, enabled; text, hint; color; checked; items, itemIndex, columns (1 to "
                 "1000000); lines; maxLength (0 to 1000000), password; attributes {NAME: VALUE}, a number "
                 "attribute (Size, Cols, Rows, Border, ...) from 0 to 1000000; children [...] (panels "
                 "and group boxes)."},
    ArgumentHelp{"font",
                 "{\"name\", \"size\" (points, 1 to 1000), \"color\", \"bold\", \"italic\", \"underline\"}."},
    ArgumentHelp{"color", "An integer 0xBBGGRR (red in the low byte) or \"#RRGGBB\"."},
};

// The mini-CV print commands.
constexpr std::array cvSheetHelp{
    ArgumentHelp{"FILE.ov4", "The mini-CV file to print, loaded as cv-dump loads it."},
    ArgumentHelp{"OUT.pdf", "The PDF file the page(s) are written to, as the PDF printer receives them."},
    ArgumentHelp{"--bw", "Prints in black and white instead of colour."},
    ArgumentHelp{"--orientation vertical|horizontal",
                 "The page orientation chosen in the editor (horizontal when not given)."},
    ArgumentHelp{"--per-page N",
                 "The number per page chosen: 1 to 3 across a horizontal page, 1 or 2 a vertical one."},
    ArgumentHelp{"--no-signature", "Leaves out the signature line."},
    ArgumentHelp{"--no-frames", "Leaves out the frames' outlines."},
    ArgumentHelp{"--with FILE2.ov4 [FILE3.ov4]",
                 "Prints the bi- or tri-version: the files side by side, one in each slot of the page."},
    ArgumentHelp{"job",
                 "The page is written in shades of grey with --bw; exits 2 when the file cannot be "
                 "written."},
};
constexpr std::array cvTestPrintHelp{
    ArgumentHelp{"FILE.ov4", "The mini-CV file to measure, loaded as cv-dump loads it."},
    ArgumentHelp{"--orientation vertical|horizontal", "As for cv-sheet."},
    ArgumentHelp{"--per-page N", "As for cv-sheet."},
    ArgumentHelp{"--printer NAME",
                 "The printer measured against (see printers); the PDF printer when not given. The "
                 "document begun for the measuring is dropped: nothing reaches the printer."},
    ArgumentHelp{"report", "The lines of the report the test print ends with."},
    ArgumentHelp{"outOfBounds", "How many frames and zone lines pass the page."},
    ArgumentHelp{"messages", "Every message shown, the out-of-bounds ones first, each answered OK."},
};

constexpr std::array cvHtmlHelp{
    ArgumentHelp{"FILE.ov4", "The mini-CV file to load, as cv-dump loads it."},
    ArgumentHelp{"OUT.html",
                 "The page to write, in Windows-1252, as the editor's \"exporter\" writes it, never "
                 "FILE.ov4 itself; the factor used and the messages shown are printed as JSON."},
    ArgumentHelp{"--factor X",
                 "The enlargement factor, as the editor's question takes it: 1.5 when not given or outside "
                 "1.1 to 2.0, 1.1 when X is not a decimal number (with a point)."},
};

constexpr std::array cvToJsonHelp{
    ArgumentHelp{"FILE.ov4",
                 "The mini-CV file to export, loaded as cv-dump loads it; the messages the load shows, "
                 "each answered OK, are written on stderr."},
    ArgumentHelp{"OUT.json",
                 "The JSON Resume document (schema 1.0.0) to write: basics (name, email, phone, url, "
                 "location), languages from zone 1 (language<TAB>fluency), education from zone 2 "
                 "(title<TAB>dates<TAB>qualification), work from zone 3 (company<TAB>dates<TAB>position), "
                 "interests from zone 4 (one a line or separated by commas); dates are ISO dates or two "
                 "joined by \"-\"."},
    ArgumentHelp{"dropped",
                 "Printed as JSON: what the document has no place for, e.g. \"age\", \"work[1].dates\" "
                 "(dates that are no ISO dates)."},
};

constexpr std::array cvFromJsonHelp{
    ArgumentHelp{"IN.json", "The JSON Resume document to import, mapped as cv-to-json exports."},
    ArgumentHelp{"OUT.ov4",
                 "The new mini-CV file to write; its zone files go to the element folder beside it, "
                 "which is made when missing."},
    ArgumentHelp{"dropped",
                 "Printed as JSON: every part of the document the mini-CV cannot hold, by its path, "
                 "e.g. \"basics.summary\", \"skills\", \"work[10]\" (past the ten entries a zone "
                 "shows)."},
};

constexpr std::array table{
    Command{"catalogue", "LANG ID [--format A [B]]",
            "Prints one message of the catalogue; exits 1 when it has no such message.", catalogueHelp},
    Command{"start-card", "", "Prints the start card's parameters as JSON.", startCardHelp},
    Command{"card-dump", "FILE.ov1",
            "Loads a card file and prints the card and the messages the load showed as JSON.", cardDumpHelp},
    Command{"card-save", "IN.ov1 OUT.ov1",
            "Loads a card file and saves it again under another name, as the editor would.", cardSaveHelp},
    Command{"rtf-dump", "FILE.rtf", "Prints the rich-text document an RTF file holds as JSON.", rtfDumpHelp},
    Command{"rtf-write", "IN.rtf OUT.rtf",
            "Reads an RTF file and writes it again as the editor writes its companion files.", rtfWriteHelp},
    Command{
        "card-sheet",
        "FILE.ov1 OUT.pdf [--bw] [--dpi N] [--test-print] [--template ID] [--offset-x MM] [--offset-y MM] "
        "[--scale PCT]",
        "Prints the sheet of cards of a card file on an A4 page or a card stock, into a PDF file.",
        cardSheetHelp},
    Command{"card-merge", "FILE.ov1 DATA.csv OUT.pdf [--mixed] [--template ID]",
            "Prints the cards of a team into one PDF file: the card's fields filled by each row of a CSV "
            "file; prints a JSON report.",
            cardMergeHelp},
    Command{"card-pdf", "FILE.ov1 OUT.pdf [--bleed MM] [--crop-marks]",
            "Draws a card for a print shop into a PDF file: one page at the card's size with a bleed.",
            cardPdfHelp},
    Command{"card-edit", "IN.ov1 OUT.ov1 [--lang fr|en|de] CONTROL=TEXT...",
            "Edits a card file through the rules of the main window's controls and saves it; prints the "
            "messages, the frames' warning lines and the card as JSON.",
            cardEditHelp},
    Command{"card-vcard", "FILE.ov1", "Prints the vCard of a card's contact.", cardVcardHelp},
    Command{"card-png", "FILE.ov1 OUT.png", "Draws a card as its window shows it, into a PNG file.",
            cardPngHelp},
    Command{"cv-layout", "[--lang fr|en|de] STEP...",
            "Opens a new mini-CV sheet, applies the steps in order and prints every control's place, the "
            "element states and the messages as JSON.",
            cvLayoutHelp},
    Command{"cv-check", "[--lang fr|en|de] [STEP...]",
            "Runs the text-zone check on the mini-CV sheet the steps make and prints each zone's result "
            "and tab schema as JSON.",
            cvLayoutHelp},
    Command{"printers", "",
            "Lists the system's printers and the PDF printer (pdf:) with their measurements as JSON.",
            printersHelp},
    Command{"card-audit", "FILE.ov1 [--printer NAME] [--template ID]",
            "Audits a card before printing and prints the advice and the messages as JSON.", cardAuditHelp},
    Command{"card-print",
            "FILE.ov1 --printer NAME [--copies N] [--bw] [--test] [--template ID] [--offset-x MM] "
            "[--offset-y MM] [--scale PCT]",
            "Prints the sheet of cards of a card file on a printer and prints the page count as JSON.",
            cardPrintHelp},
    Command{"templates", "", "Lists the card-stock templates the sheets can be printed on as JSON.",
            templatesHelp},
    Command{"card-calibration", "OUT.pdf [--template ID]",
            "Writes the printer calibration page into a PDF file.", cardCalibrationHelp},
    Command{"bmp-check", "[--repair] [--no-backup] PATH...",
            "Checks the two size fields of BMP files against their dimensions, and repairs them on request; "
            "prints one JSON object per file.",
            bmpCheckHelp},
    Command{"form-html", "FORM.json OUT.html",
            "Converts a form described in JSON into an HTML page holding one form laid out in a table.",
            formHtmlHelp},
    Command{"cv-dump", "FILE.ov4",
            "Loads a mini-CV file and prints the sheet as cv-layout does, the file's lines 1 to 35 as read "
            "(\"fields\"), the zones' plain texts and the messages as JSON.",
            cvDumpHelp},
    Command{"cv-save", "IN.ov4 OUT.ov4",
            "Loads a mini-CV file and saves it again under another name, with its zone files.", cvSaveHelp},
    Command{"cv-sheet",
            "FILE.ov4 OUT.pdf [--bw] [--orientation vertical|horizontal] [--per-page N] [--no-signature] "
            "[--no-frames] [--with FILE2.ov4 [FILE3.ov4]]",
            "Prints a mini-CV through the PDF printer into a PDF file, as the editor's colour or black and "
            "white print does.",
            cvSheetHelp},
    Command{"cv-test-print", "FILE.ov4 [--orientation vertical|horizontal] [--per-page N] [--printer NAME]",
            "Runs the editor's test print of a mini-CV on a printer (the PDF printer when none is named) and "
            "prints its report and messages as JSON.",
            cvTestPrintHelp},
    Command{"cv-html", "FILE.ov4 OUT.html [--factor X]",
            "Loads a mini-CV file and exports it as an HTML page holding one form, enlarged by X.",
            cvHtmlHelp},
    Command{"cv-to-json", "FILE.ov4 OUT.json",
            "Loads a mini-CV file, exports it as a JSON Resume document and prints what it left out as "
            "JSON.",
            cvToJsonHelp},
    Command{"cv-from-json", "IN.json OUT.ov4",
            "Makes a new mini-CV file of a JSON Resume document and prints what it could not hold as "
            "JSON {\"dropped\": [...]}.",
            cvFromJsonHelp},
};

// Lines of names and sentences, the sentences lined up after the longest name.
template <typename Item, typename Name>
std::string alignedLines(std::span<const Item> items, Name name, std::string_view (*sentence)(const Item&)) {
  std::size_t width = 0;
  for (const Item& item : items) width = std::max(width, name(item).size());
  std::string lines;
  for (const Item& item : items) {
    const std::string itemName(name(item));
    lines +=
        "  " + itemName + std::string(width - itemName.size() + 2, ' ') + std::string(sentence(item)) + '\n';
  }
  return lines;
}

constexpr std::array programOptions{
    ArgumentHelp{"--help", "Prints this help; COMMAND --help prints the help of one command."},
    ArgumentHelp{"--version", "Prints the version of orvane-cli."},
};

std::string_view argumentName(const ArgumentHelp& help) { return help.name; }
std::string_view argumentSentence(const ArgumentHelp& help) { return help.sentence; }
std::string_view commandName(const Command& command) { return command.name; }
std::string_view commandSummary(const Command& command) { return command.summary; }

}  // namespace

std::span<const Command> commands() { return table; }

const Command* findCommand(std::string_view name) {
  const auto found = std::ranges::find(table, name, &Command::name);
  return found == table.end() ? nullptr : &*found;
}

std::string usageLine(std::string_view name) {
  std::string line = "usage: orvane-cli " + std::string(name);
  if (const Command* command = findCommand(name); command && !command->arguments.empty())
    line += " " + std::string(command->arguments);
  return line;
}

std::string commandHelp(const Command& command) {
  std::string help = usageLine(command.name) + "\n" + std::string(command.summary) + "\n";
  if (!command.argumentHelp.empty())
    help += "\n" + alignedLines(command.argumentHelp, argumentName, argumentSentence);
  return help;
}

std::string programHelp() {
  return "usage: orvane-cli COMMAND [ARGS...]\n"
         "Runs the card editor's core without a window: each command reads or writes files and prints JSON "
         "or one line on stderr.\n\ncommands:\n" +
         alignedLines(commands(), commandName, commandSummary) + "\noptions:\n" +
         alignedLines(std::span<const ArgumentHelp>(programOptions), argumentName, argumentSentence);
}

std::string programUsage() {
  std::string names;
  for (const Command& command : table) names += (names.empty() ? "" : ", ") + std::string(command.name);
  return "usage: orvane-cli COMMAND [ARGS...] (commands: " + names + "; --help for more)";
}

}  // namespace orvane::cli
