#include "settings/file_association.h"

#include "catalogue/catalogue.h"

namespace orvane {

namespace {
constexpr int messageCardFilesAssociated = 153;
constexpr int messageMiniCvFilesAssociated = 152;

std::string quoted(const std::string& text) { return '"' + text + '"'; }
}  // namespace

FileTypeRegistration fileTypeRegistration(AssociatedFile kind, const std::string& programPath) {
  if (kind == AssociatedFile::Card)
    return {".OV1", "Orvane_carte", "Présentation de carte Orvane", programPath, 3};
  return {".OV4", "Orvane_mini-cv", "Contenu pour mini-cv Orvane", programPath, 1};
}

std::vector<AssociationEntry> classEntries(const FileTypeRegistration& type) {
  const std::string classKey = "\\" + type.className;
  // Both paths are quoted: unquoted, a blank in either splits the command line, and the program,
  // which takes exactly one argument, would then open nothing.
  return {{"\\" + type.extension, type.className},
          {classKey, type.description},
          {classKey + "\\Shell\\open\\command", quoted(type.programPath) + " " + quoted("%1")},
          {classKey + "\\DefaultIcon", type.programPath + "," + std::to_string(type.iconIndex)}};
}

void associateFiles(AssociatedFile kind, const std::string& programPath, FileAssociationService& association,
                    Prompter& prompter, Language language) {
  if (!association.registerFileType(fileTypeRegistration(kind, programPath))) return;
  const int message =
      kind == AssociatedFile::Card ? messageCardFilesAssociated : messageMiniCvFilesAssociated;
  prompter.show(MessageKind::Information, catalogue::text(language, message), Buttons::Ok);
}

}  // namespace orvane
