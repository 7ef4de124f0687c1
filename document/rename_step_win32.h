// The step of the Windows writer that renames the finished temporary file over the target. Tests
// put another in its place to report what a network share or a filter driver (a sync client, a
// virus scanner) may report: an error after the rename took place. Only Windows code includes
// this header.
#pragma once

#include <string>

#include "common/wide_text_win32.h"

namespace tbr {

// Renames the open file to target, replacing a file there only when `replace`. Returns 0 or the
// system's error.
using RenameStep = DWORD (*)(HANDLE file, const std::wstring& target, bool replace);

// The system's rename, which the writer uses unless a test set another step.
DWORD RenameOver(HANDLE file, const std::wstring& target, bool replace);

// Makes `step` (nullptr: RenameOver) the writer's rename; returns the one it used before.
RenameStep SetRenameStep(RenameStep step);

}  // namespace tbr
