// The committed bitmaps, the icon and the resource script fit what the program loads: the
// parameter dialog shows 24-bit bitmaps of fixed sizes, the window class needs 16- and 32-pixel
// icons, and every picture id must name the bitmap of its own waveform.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::string SourceDir = QZ57_SOURCE_DIR;

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t le16(const std::vector<unsigned char>& b, size_t at) {
    return at + 2 <= b.size() ? b[at] | b[at + 1] << 8 : 0;
}

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return at + 4 <= b.size() ? le16(b, at) | le16(b, at + 2) << 16 : 0;
}

struct Picture {
    int id;
    int width;
};

// The Japanese sketches, then the same ones with English words.
const Picture Pictures[] = {{150, 348}, {151, 348}, {152, 348}, {153, 348}, {154, 348},
                            {155, 349}, {156, 348}, {160, 348}, {161, 348}, {162, 348},
                            {163, 348}, {164, 348}, {165, 349}, {166, 348}};

TEST(Pictures, AreUncompressedTrueColourBitmapsOfTheDialogSize) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.id);
        std::vector<unsigned char> b =
            readBytes(SourceDir + "/resources/pictures/" + std::to_string(p.id) + ".bmp");
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le32(b, 2), b.size());
        EXPECT_EQ(le32(b, 14), 40u); // BITMAPINFOHEADER, what every resource compiler takes
        EXPECT_EQ(static_cast<int32_t>(le32(b, 18)), p.width);
        EXPECT_EQ(static_cast<int32_t>(le32(b, 22)), 230); // positive: rows stored bottom-up
        EXPECT_EQ(le16(b, 26), 1u);
        EXPECT_EQ(le16(b, 28), 24u);
        EXPECT_EQ(le32(b, 30), 0u); // BI_RGB
        EXPECT_EQ(le32(b, 46), 0u); // no colour table
        const size_t stride = (p.width * 3 + 3) / 4 * 4;
        EXPECT_EQ(le32(b, 10) + stride * 230, b.size());
    }
}

TEST(Pictures, ShowARedCurveAndBlueMarksOnWhite) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.id);
        std::vector<unsigned char> b =
            readBytes(SourceDir + "/resources/pictures/" + std::to_string(p.id) + ".bmp");
        ASSERT_GE(b.size(), 54u);
        const size_t stride = (p.width * 3 + 3) / 4 * 4;
        ASSERT_EQ(le32(b, 10) + stride * 230, b.size());
        int white = 0, red = 0, blue = 0, black = 0;
        for (size_t row = 0; row < 230; ++row) {
            for (size_t at = le32(b, 10) + row * stride, x = 0; x < size_t(p.width); ++x, at += 3) {
                const int blueByte = b[at], green = b[at + 1], redByte = b[at + 2];
                white += blueByte > 240 && green > 240 && redByte > 240;
                red += redByte > 200 && green < 60 && blueByte < 60;
                blue += blueByte > 200 && green < 60 && redByte < 60;
                black += blueByte < 60 && green < 60 && redByte < 60;
            }
        }
        EXPECT_GT(white, 348 * 230 / 2);
        EXPECT_GT(red, 250);   // the curve
        EXPECT_GT(blue, 250);  // dimension marks and their words
        EXPECT_GT(black, 800); // the two axes
    }
}

TEST(Icon, HoldsSixteenAndThirtyTwoPixelImages) {
    std::vector<unsigned char> b = readBytes(SourceDir + "/resources/QZ57editor.ico");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u); // icon, not cursor
    const uint32_t count = le16(b, 4);
    bool has16 = false, has32 = false;
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        ASSERT_LE(entry + 16, b.size());
        const uint32_t width = b[entry] == 0 ? 256 : b[entry];
        const uint32_t height = b[entry + 1] == 0 ? 256 : b[entry + 1];
        const uint32_t size = le32(b, entry + 8), offset = le32(b, entry + 12);
        ASSERT_LE(static_cast<uint64_t>(offset) + size, b.size());
        // The image itself is a DIB whose height counts the colour rows and the mask rows.
        EXPECT_EQ(le32(b, offset), 40u);
        EXPECT_EQ(le32(b, offset + 4), width);
        EXPECT_EQ(le32(b, offset + 8), 2 * height);
        has16 = has16 || (width == 16 && height == 16);
        has32 = has32 || (width == 32 && height == 32);
    }
    EXPECT_TRUE(has16);
    EXPECT_TRUE(has32);
}

// The numeric ids of resource.h, by name.
std::map<std::string, int> resourceIds() {
    std::map<std::string, int> ids;
    const std::string header = readText(SourceDir + "/resources/resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
    for (auto it = std::sregex_iterator(header.begin(), header.end(), define);
         it != std::sregex_iterator(); ++it)
        ids[(*it)[1]] = std::stoi((*it)[2]);
    return ids;
}

TEST(ResourceScript, BuildsEachPictureUnderItsOwnId) {
    const std::map<std::string, int> ids = resourceIds();
    const std::string rc = readText(SourceDir + "/resources/QZ57editor.rc");
    const std::regex bitmap(R"re((\w+)\s+BITMAP\s+"pictures/(\d+)\.bmp")re");
    std::map<int, int> fileById;
    for (auto it = std::sregex_iterator(rc.begin(), rc.end(), bitmap); it != std::sregex_iterator();
         ++it) {
        const auto id = ids.find((*it)[1]);
        ASSERT_NE(id, ids.end()) << (*it)[1];
        fileById[id->second] = std::stoi((*it)[2]);
    }
    ASSERT_EQ(fileById.size(), std::size(Pictures));
    for (const Picture& p : Pictures)
        EXPECT_EQ(fileById[p.id], p.id);
    EXPECT_NE(rc.find(R"(CONTROL "#150", IDC_PICTURE, "Static")"), std::string::npos);
}

TEST(ResourceScript, DeclaresUtf8AndIsValidUtf8) {
    const std::string rc = readText(SourceDir + "/resources/QZ57editor.rc");
    EXPECT_NE(rc.find("#pragma code_page(65001)"), std::string::npos);
    size_t i = 0;
    while (i < rc.size()) {
        const unsigned char c = rc[i];
        const int extra = c < 0x80         ? 0
                          : (c >> 5) == 6  ? 1
                          : (c >> 4) == 14 ? 2
                          : (c >> 3) == 30 ? 3
                                           : -1;
        ASSERT_GE(extra, 0) << "at byte " << i;
        for (int k = 1; k <= extra; ++k)
            ASSERT_TRUE(i + k < rc.size() && (static_cast<unsigned char>(rc[i + k]) >> 6) == 2)
                << "at byte " << i;
        i += 1 + extra;
    }
}

TEST(ResourceScript, MenuHoldsItsCommandsInOrder) {
    const std::map<std::string, int> ids = resourceIds();
    const std::string rc = readText(SourceDir + "/resources/QZ57editor.rc");
    const std::regex item(R"re(MENUITEM\s+"([^"]*)",\s*(\w+))re");
    std::vector<std::pair<std::string, int>> items;
    for (auto it = std::sregex_iterator(rc.begin(), rc.end(), item); it != std::sregex_iterator();
         ++it)
        items.emplace_back((*it)[1], ids.at((*it)[2]));
    const std::vector<std::pair<std::string, int>> editing = {
        {"切り取り\\tCtrl+X", 112}, {"コピー\\tCtrl+C", 113},      {"貼り付け\\tCtrl+V", 114},
        {"複製\\tCtrl+D", 115},     {"繰り返し...\\tCtrl+R", 119}, {"上へ移動\\tAlt+↑", 116},
        {"下へ移動\\tAlt+↓", 117},  {"すべて選択\\tCtrl+A", 118}};
    std::vector<std::pair<std::string, int>> expected = {
        {"CSVファイル出力", 101},   {"上書き保存\\tCtrl+S", 106},        {"設定保存", 102},
        {"設定読込", 103},          {"波形データ取込...\\tCtrl+I", 107}, {"参照波形を開く...", 108},
        {"参照波形を閉じる", 109},  {"グラフを画像で保存...", 123},      {"終了", 100},
        {"元に戻す\\tCtrl+Z", 110}, {"やり直し\\tCtrl+Y", 111}};
    expected.insert(expected.end(), editing.begin(), editing.end());
    expected.insert(expected.end(), {{"グラフをコピー\\tCtrl+Shift+C", 122},
                                     {"階段...", 130},
                                     {"掃引正弦波...", 131},
                                     {"数式...", 132},
                                     {"始動波形...", 133},
                                     {"ディップと瞬停...", 134},
                                     {"使用方法", 104},
                                     {"バージョン情報", 105}});
    // The list's right-click menu: the edit buttons, then the same element commands.
    expected.insert(expected.end(), {{"挿入", 502}, {"編集", 501}, {"削除", 503}});
    expected.insert(expected.end(), editing.begin(), editing.end());
    EXPECT_EQ(items, expected);
}

} // namespace
