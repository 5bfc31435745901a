// Which recovery copy the editor offers when it starts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A copy found in the recovery folder.
struct RecoveryCandidate {
    std::string name;        // its file name in the folder
    std::int64_t time = 0;   // when it was last written, on any clock that only goes forward
    bool ownerAlive = false; // its editor still runs (or another start is offering it)
};

// The name a copy that cannot be read is moved to, and never offered again under.
std::string setAsideName(std::string_view name);
bool isSetAside(std::string_view name);

// The copies to offer, newest first: those whose editor is gone and that were not set aside.
// A start offers only the first of them it can read; the rest wait for later starts.
std::vector<std::size_t> copiesToOffer(const std::vector<RecoveryCandidate>& found);
