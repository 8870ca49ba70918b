#pragma once
// Tells the desktop which program opens a kind of file.

#include <string>

namespace orvane {

/// One file type tied to the program: its extension, the class it belongs to and what opens it.
struct FileTypeRegistration {
  std::string extension;    // ".OV1"
  std::string className;    // "Orvane_carte"
  std::string description;  // the type's name as the desktop shows it
  std::string programPath;  // full path of the program file
  int iconIndex = 0;        // icon of the program file's own resources
};

class FileAssociationService {
 public:
  virtual ~FileAssociationService() = default;
  /// Registers `type`, overwriting an earlier registration; false when the desktop refused a step
  /// (the steps before it stay done).
  virtual bool registerFileType(const FileTypeRegistration& type) = 0;
};

}  // namespace orvane
