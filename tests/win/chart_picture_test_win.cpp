// Edit > Copy chart and File > Save chart as picture: the chart as a picture of its own size.
#include "tests/win/win_test_support_win.h"

#include "resources/resource.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <wincodec.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

SIZE ChartSize() {
    RECT client{};
    GetClientRect(Editor().chart.canvasWindow, &client);
    return {client.right, client.bottom};
}

// The size a PNG file decodes to, read back through the Windows Imaging Component.
SIZE DecodedSize(const fs::path& file) {
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    UINT width = 0;
    UINT height = 0;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(file.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)))
        frame->GetSize(&width, &height);
    for (IUnknown* object : std::initializer_list<IUnknown*>{frame, decoder, factory}) {
        if (object != nullptr)
            object->Release();
    }
    CoUninitialize();
    return {static_cast<LONG>(width), static_cast<LONG>(height)};
}

class ChartPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenMainWindow();
        ShowTestDocument({{makeElement(FUNC_SIN, {0, 5, 2, 0, 10})}, 0, 0, 0.01});
        folder_ =
            fs::temp_directory_path() / ("qz57 picture " + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        CloseMainWindow();
        fs::remove_all(folder_);
    }
    static void Command(int id) { SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    fs::path folder_;
};

} // namespace

TEST_F(ChartPictureTest, CopyPutsTheChartOnTheClipboardAsABitmapOfItsSize) {
    Command(IDM_COPY_CHART);
    ASSERT_TRUE(OpenClipboard(Editor().window));
    HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(data, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, ChartSize().cx);
    EXPECT_EQ(header->biHeight, ChartSize().cy);
    EXPECT_EQ(header->biBitCount, 24);
    // Black ground, white frame and labels, the trace's colour: more than one colour shows.
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(header + 1);
    std::set<std::uint32_t> colours;
    const std::size_t stride = (static_cast<std::size_t>(header->biWidth) * 3 + 3) & ~3u;
    for (std::size_t i = 0; i + 3 <= stride * static_cast<std::size_t>(header->biHeight); i += 3)
        colours.insert(pixels[i] | pixels[i + 1] << 8 | pixels[i + 2] << 16);
    EXPECT_GE(colours.size(), 3u);
    GlobalUnlock(data);
    CloseClipboard();
}

TEST_F(ChartPictureTest, SaveWritesAPngOfTheChartsSize) {
    const fs::path file = folder_ / L"グラフ.png";
    DialogAnswerer answerer({ChooseFile(file), PressButton(IDOK)});
    Command(IDM_SAVE_CHART_PICTURE);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "グラフの画像を書き出しました。");
    const SIZE decoded = DecodedSize(file);
    EXPECT_EQ(decoded.cx, ChartSize().cx);
    EXPECT_EQ(decoded.cy, ChartSize().cy);
}

TEST_F(ChartPictureTest, AFileThatCannotBeWrittenIsNamedAndLeftAsItWas) {
    const fs::path file = folder_ / "missing" / "chart.png";
    DialogAnswerer answerer({ChooseFile(file), PressButton(IDOK)});
    Command(IDM_SAVE_CHART_PICTURE);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "エラー");
    EXPECT_NE(seen[1].text.find("chart.png"), std::string::npos) << seen[1].text;
    EXPECT_FALSE(fs::exists(file));
}
