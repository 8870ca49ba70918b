#pragma once
// The résumé of a mini-CV as a JSON Resume document (schema 1.0.0), and back.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "minicv/resume.h"

namespace orvane::cli {

/// The document for `resume`: only the members that have a value, in the schema's order.
nlohmann::ordered_json resumeDocument(const minicv::Resume& resume);

/// The résumé `document` holds. Every member the résumé has no place for, or whose value is not of
/// the schema's type (a date that is no ISO date too), is added to `dropped` by its path, e.g.
/// "basics.summary", "work[0].highlights", "skills".
minicv::Resume resumeOfDocument(const nlohmann::json& document, std::vector<std::string>& dropped);

}  // namespace orvane::cli
