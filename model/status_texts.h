#pragma once

#include "model/signal_document.h"
#include "model/texts.h"

#include <cstddef>
#include <filesystem>
#include <string>

// Texts of the main window's status bar, UTF-8; the examples are the Japanese ones.

// The file's name, or "無題" before the document was loaded or saved, with "(変更あり)" while
// the document differs from it.
std::string fileStatusText(const std::filesystem::path& file, bool modified, Language language);

// The list's total time against the resolution's maximum: "85.000 秒 / 90 秒"; the total alone
// until a resolution is chosen.
std::string timeStatusText(const SignalDocument& doc, Language language);

// "12 要素 / 90,001 点": the elements and the samples they make.
std::string countStatusText(std::size_t elements, int samples, Language language);
