#pragma once
// "simple", "bi-version" and "tri-version" of "charger CV": choosing one to three files into the
// loaded-CV list and loading them into the editor.

#include "minicv/cv_file_load.h"

namespace orvane::minicv {

/// Removes the empty slots of the loaded-CV list, keeping the order of the names; returns how many
/// names it holds.
int compactLoadedFiles(CvSheet& sheet);

/// Chooses up to `count` files into the loaded-CV list (messages 149, 121, 150, 147); false when the
/// user ended the command.
bool chooseCvFiles(CvSheet& sheet, CvFileSession& session, int count, const CvFileServices& services);

/// "simple" (`count` 1): the chosen file loaded asking about each problem. "bi-version" and
/// "tri-version" (`count` 2 or 3): every held name loaded, stopping a file at its first problem, and
/// message 148 when fewer than `count` loaded. The last file loaded stays in the editor and captions
/// its window with its name without extension. Returns the number of files loaded.
int loadCvCommand(CvSheet& sheet, CvFileSession& session, int count, const CvFileServices& services);

}  // namespace orvane::minicv
