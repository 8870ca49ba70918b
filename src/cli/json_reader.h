#pragma once
// A small reader of JSON for the commands that take a description as input. Strings are UTF-8;
// numbers are kept as doubles.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane::cli {

struct JsonValue;
using JsonArray = std::vector<JsonValue>;
using JsonObject = std::map<std::string, JsonValue, std::less<>>;

struct JsonValue {
  std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> data;

  bool isNull() const { return std::holds_alternative<std::nullptr_t>(data); }
  const bool* boolean() const { return std::get_if<bool>(&data); }
  const double* number() const { return std::get_if<double>(&data); }
  const std::string* string() const { return std::get_if<std::string>(&data); }
  const JsonArray* array() const { return std::get_if<JsonArray>(&data); }
  const JsonObject* object() const { return std::get_if<JsonObject>(&data); }
};

struct JsonParse {
  JsonValue value;
  std::string error;  // empty on success: "line L, column C: what was wrong" otherwise
};

/// The one value `text` holds, with nothing but blanks around it.
JsonParse parseJson(std::string_view text);

}  // namespace orvane::cli
