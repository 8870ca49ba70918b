#pragma once
// What a query dialog gives back to its caller, by the way the dialog ended.

#include <string>

namespace orvane {

enum class QueryEnding { Confirmed, Cancelled, Other };

/// The caller's result after a query: the last confirmed answer when "ok" ended it; the text being
/// typed when it was cancelled ("annuler", Escape or the close box), so a cancel still answers;
/// `previous` unchanged for any other ending.
std::string queryAnswer(QueryEnding ending, const std::string& lastConfirmed, const std::string& typed,
                        const std::string& previous);

}  // namespace orvane
