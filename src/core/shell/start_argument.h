#pragma once
// What the command line asks the program to open.

#include <string>
#include <vector>

namespace orvane {

enum class StartKind { StartCard, CardFile, MiniCvFile, Unknown };

/// No argument starts the card editor with the start card; one argument is classified by the text
/// after its last dot, case-insensitively (".ov1" card, ".ov4" mini-CV); anything else is unknown.
StartKind classifyStartArguments(const std::vector<std::string>& arguments);

}  // namespace orvane
