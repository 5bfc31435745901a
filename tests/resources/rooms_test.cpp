// The Windows program's rooms (a .cpp with its header in ui/) call downward only: followed from
// any room, the includes between rooms never lead back to it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Rooms = std::map<std::string, std::set<std::string>>;

// Which rooms each room's two files include.
Rooms roomIncludes() {
    Rooms rooms;
    const std::regex include(R"re(#include "ui/(\w+)\.h")re");
    for (const fs::directory_entry& entry : fs::directory_iterator(QZ57_SOURCE_DIR "/ui")) {
        const std::string room = entry.path().stem().string();
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::set<std::string>& included = rooms[room];
        for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
            if ((*it)[1] != room)
                included.insert((*it)[1]);
        }
    }
    return rooms;
}

// A path of includes that comes back to where it started, or none.
std::vector<std::string> firstLoop(const Rooms& rooms) {
    std::map<std::string, int> state; // 1 on the path being followed, 2 done
    std::vector<std::string> path;
    std::function<bool(const std::string&)> follow = [&](const std::string& room) {
        state[room] = 1;
        path.push_back(room);
        const auto found = rooms.find(room);
        for (const std::string& next :
             found == rooms.end() ? std::set<std::string>{} : found->second) {
            if (state[next] == 1) {
                path.push_back(next);
                return true;
            }
            if (state[next] == 0 && follow(next))
                return true;
        }
        state[room] = 2;
        path.pop_back();
        return false;
    };
    for (const auto& [room, included] : rooms) {
        if (state[room] == 0 && follow(room))
            return path;
    }
    return {};
}

} // namespace

TEST(Rooms, TheIncludesBetweenTheWindowsRoomsFormNoLoop) {
    const Rooms rooms = roomIncludes();
    ASSERT_GT(rooms.size(), 20u);
    const std::vector<std::string> loop = firstLoop(rooms);
    std::string shown;
    for (const std::string& room : loop)
        shown += room + " > ";
    EXPECT_TRUE(loop.empty()) << shown;
}

TEST(Rooms, ALoopIsFound) {
    EXPECT_EQ(firstLoop({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}),
              (std::vector<std::string>{"a", "b", "c", "a"}));
    EXPECT_TRUE(firstLoop({{"a", {"b", "c"}}, {"b", {"c"}}, {"c", {}}}).empty());
}
