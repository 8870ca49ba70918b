#include "cardfile/frame_text_file.h"

namespace orvane {

TextKind frameTextKind(int number) { return number == 1 ? TextKind::Frame1 : TextKind::Frame2; }

std::string frameTextFileName(int number, std::string_view companionBase) {
  std::string name = "C";
  name += std::to_string(number);
  return name.append(companionBase).append(".rtf");
}

std::string recordedFrameTextPath(int number, std::string_view companionBase) {
  std::string path = ".\\";
  path += elementFolder;
  path += '\\';
  return path + frameTextFileName(number, companionBase);
}

}  // namespace orvane
