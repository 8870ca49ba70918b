#pragma once
// The user's own adjustments of the sheet: horizontal alignment shifts of the field columns, and the
// width and height percentages that scale the editor.

#include <string_view>

#include "minicv/cv_sheet.h"
#include "services/prompter.h"

namespace orvane::minicv {

enum class AlignmentFrame { PersonalDetails, ContactDetails, Both };

/// The message that asks for a shift, and the caption of each frame's question.
inline constexpr int shiftQuestionId = 178;
int shiftCaptionId(AlignmentFrame frame);

/// Shifts the field column of `frame` by the whole number `answer` holds; an empty answer, "0" or an
/// answer that is not a whole number changes nothing. True when the fields moved.
bool shiftAlignment(CvSheet& sheet, AlignmentFrame frame, std::string_view answer);

/// The values of the width and height percentage lists; any other percentage is refused.
inline constexpr int smallestPercentage = 95;
inline constexpr int largestPercentage = 105;

/// The width percentage `percent` chosen: recorded, added to the cumulative percentage and, while that
/// stays within 75 to 150, the editor's controls scaled horizontally by it. A percentage outside the
/// list changes nothing.
void chooseWidthPercentage(CvSheet& sheet, int percent, Prompter& prompter);
/// The height percentage `percent` chosen: recorded and, while the window stays between 0.75 and 1.3
/// times its opening height, the window's height scaled by it and the window re-centred. A percentage
/// outside the list changes nothing.
void chooseHeightPercentage(CvSheet& sheet, int percent, Prompter& prompter);

}  // namespace orvane::minicv
