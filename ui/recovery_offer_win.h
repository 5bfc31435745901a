// What a start does with the copies of editors that ended with unsaved changes.
#pragma once

#include "files/recovery_file.h"

#include <windows.h>

#include <functional>

// Restores a copy into the editor; true when the restored document is safe in a copy of the
// editor's own, so the old copy may go.
using RestoreCopy = std::function<bool(const RecoveryCopy&)>;

// Offers the newest copy of an ended editor, naming its file and time: Yes restores it and
// deletes the old copy, No deletes it. Copies that cannot be read are reported and set aside on
// the way. Without ask (Windows restarted the program after ending the session), the copy is
// restored without the question. True when a copy was restored.
bool OfferRecovery(HWND owner, Language language, bool ask, const RestoreCopy& restore);

// The argument Windows starts the program with after ending the session for an update.
inline constexpr wchar_t RecoverArgument[] = L"/recover";

// At the start, before anything else: asks Windows to start the program again with
// RecoverArgument when it ends the session (a restart for an update), then offers a copy, without
// the question when the command line's first argument is RecoverArgument. True when a copy was
// restored.
bool StartWithRecovery(HWND window, Language language, const wchar_t* commandLine,
                       const RestoreCopy& restore);
