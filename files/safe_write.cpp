#include "files/safe_write.h"

#include "files/replace_file.h"

#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Deeper chains than this are loops, as the systems themselves judge them.
constexpr int MaxLinkDepth = 40;
constexpr int TemporaryNameAttempts = 16;

// The file a save really changes: the end of a chain of symbolic links (possibly missing).
fs::path finalTarget(fs::path path) {
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path link = fs::read_symlink(path, error);
        if (error)
            return path;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

constexpr std::string_view TemporaryPrefix = ".qz57-";
constexpr std::string_view TemporarySuffix = ".tmp";
constexpr std::size_t TemporaryDigits = 12;

std::string temporaryName(std::mt19937& random) {
    constexpr char Digits[] = "0123456789abcdef";
    std::string name(TemporaryPrefix);
    for (std::size_t i = 0; i < TemporaryDigits; ++i)
        name += Digits[random() % 16];
    return name.append(TemporarySuffix);
}

WriteResult writeThroughTemporary(const fs::path& target, std::string_view bytes) {
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        const fs::path temporary = folder / temporaryName(random);
        const WriteResult result = writeNewFile(temporary, bytes);
        std::error_code error;
        if (result == WriteResult::CannotOpen) {
            if (fs::exists(fs::symlink_status(temporary, error)))
                continue; // a name taken by chance: draw another
            return result;
        }
        if (result == WriteResult::Written) {
            // The saved file keeps the access rights the old one had.
            const fs::file_status old = fs::status(target, error);
            if (!error && fs::exists(old))
                fs::permissions(temporary, old.permissions(), error);
            if (replaceFile(temporary, target))
                return WriteResult::Written;
        }
        fs::remove(temporary, error);
        return WriteResult::WriteFailed;
    }
    return WriteResult::CannotOpen;
}

} // namespace

WriteResult writeFileSafely(const fs::path& path, std::string_view bytes) {
    const fs::path target = finalTarget(path);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status))
        return WriteResult::CannotOpen;
    if (fs::exists(status) && !fs::is_regular_file(status))
        return writeIntoExisting(target, bytes);
    if (isReadOnlyFile(target))
        return WriteResult::CannotOpen;
    return writeThroughTemporary(target, bytes);
}

bool isWriteTemporaryName(std::string_view name) {
    if (name.size() != TemporaryPrefix.size() + TemporaryDigits + TemporarySuffix.size() ||
        !name.starts_with(TemporaryPrefix) || !name.ends_with(TemporarySuffix))
        return false;
    const std::string_view digits = name.substr(TemporaryPrefix.size(), TemporaryDigits);
    return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}
