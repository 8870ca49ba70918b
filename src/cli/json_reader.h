#pragma once
// JSON read through nlohmann-json by the commands that take a description as input, a fault told by
// its line and column.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace orvane::cli {

struct JsonParse {
  nlohmann::json value;
  std::string error;  // empty on success: "line L, column C: what was wrong" otherwise
};

/// The one value `text` holds, with nothing but blanks around it; strings are UTF-8.
JsonParse parseJson(std::string_view text);

}  // namespace orvane::cli
