#pragma once
// Ties the program's two file types to the program, so that opening such a file from the desktop
// starts it with the file.

#include <string>
#include <vector>

#include "catalogue/language.h"
#include "services/file_association_service.h"
#include "services/prompter.h"

namespace orvane {

enum class AssociatedFile { Card, MiniCv };

/// One class key and the text of its default value.
struct AssociationEntry {
  std::string key;
  std::string value;
  bool operator==(const AssociationEntry&) const = default;
};

/// The file type of `kind`, opened by the program at `programPath`.
FileTypeRegistration fileTypeRegistration(AssociatedFile kind, const std::string& programPath);

/// The class keys of `type`, in the order they are written.
std::vector<AssociationEntry> classEntries(const FileTypeRegistration& type);

/// Registers `kind` for the program at `programPath`; success is reported in `language`, a refusal
/// ends silently.
void associateFiles(AssociatedFile kind, const std::string& programPath, FileAssociationService& association,
                    Prompter& prompter, Language language);

}  // namespace orvane
