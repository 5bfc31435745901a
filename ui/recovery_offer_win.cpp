#include "ui/recovery_offer_win.h"

#include "files/read_problem.h"
#include "model/recovery_choice.h"
#include "model/texts.h"
#include "ui/message_box_win.h"
#include "ui/recovery_store_win.h"
#include "ui/text_win.h"

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::string Question(const RecoveryCopy& copy, Language language) {
    const std::string file = copy.file.empty() ? std::string(text(TextId::StatusUntitled, language))
                                               : Narrow(copy.file.native());
    return formatText(TextId::RecoveryQuestion, language, {file, Narrow(LocalTimeText(copy.time))});
}

void ReportUnreadable(HWND owner, Language language, const std::filesystem::path& path,
                      const SettingsReadResult& read) {
    std::string message = formatText(TextId::RecoveryUnreadable, language, {Narrow(path.native())});
    if (read.problem != ReadProblem::None)
        message.append("\n").append(problemAtLineText(read, language));
    ShowError(owner, language, message);
}

} // namespace

bool OfferRecovery(HWND owner, Language language, bool ask, const RestoreCopy& restore) {
    const std::vector<FoundCopy> found = FindRecoveryCopies();
    std::vector<RecoveryCandidate> candidates;
    for (const FoundCopy& copy : found) {
        candidates.push_back(copy.candidate);
    }
    for (const std::size_t index : copiesToOffer(candidates)) {
        const std::filesystem::path& path = found[index].path;
        // Held while the copy is offered: another start now leaves it alone.
        RecoveryLock offering;
        if (!offering.take(path)) {
            continue;
        }
        RecoveryCopy copy;
        if (const SettingsReadResult read = ReadRecoveryFile(path, copy); !read.ok()) {
            ReportUnreadable(owner, language, path, read);
            SetAsideRecoveryCopy(path);
            continue;
        }
        if (ask &&
            ShowMessage(owner, Question(copy, language), text(TextId::TitleConfirm, language),
                        MB_YESNO | MB_ICONQUESTION) == IDNO) {
            DeleteRecoveryCopy(path);
            return false;
        }
        if (restore(copy)) {
            DeleteRecoveryCopy(path);
        }
        return true;
    }
    return false;
}

bool StartWithRecovery(HWND window, Language language, const wchar_t* commandLine,
                       const RestoreCopy& restore) {
    // Windows restarts a program only once it has run for a minute, so a program that fails at
    // its start is not started again and again.
    RegisterApplicationRestart(RecoverArgument, 0);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    const bool restarted =
        arguments != nullptr && count > 1 && lstrcmpiW(arguments[1], RecoverArgument) == 0;
    LocalFree(arguments);
    return OfferRecovery(window, language, !restarted, restore);
}
