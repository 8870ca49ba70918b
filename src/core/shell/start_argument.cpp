#include "shell/start_argument.h"

#include <algorithm>
#include <cctype>

namespace orvane {

StartKind classifyStartArguments(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return StartKind::StartCard;
  if (arguments.size() > 1) return StartKind::Unknown;
  const std::string& path = arguments.front();
  const auto dot = path.rfind('.');
  if (dot == std::string::npos) return StartKind::Unknown;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "ov1") return StartKind::CardFile;
  if (extension == "ov4") return StartKind::MiniCvFile;
  return StartKind::Unknown;
}

}  // namespace orvane
