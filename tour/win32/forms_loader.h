#pragma once

#include <memory>
#include <string>

#include "tour/core/adopted_form.h"

namespace tour::win32 {

// The reader of the files --form names on this platform: the dialog templates in a program's
// resources (.exe or .dll), each a form named "<file>#<number>" or "<file>#<NAME>". Each file's
// dialogs are skinned in a worker process of their own (tour/win32/dialog_worker.h), so that a
// dialog that faults takes only that process down.
std::unique_ptr<FormsLoader> makeFormsLoader();

// The dialogs of the file at `path` (UTF-8) as forms skinned in this process: the worker's.
LoadedFile loadDialogsHere(const std::string& path);

}  // namespace tour::win32
