// The compiled resources as Windows loads them: menu texts and ids, the dialog templates with
// their font, controls and picture, the bitmaps, both icon sizes, the version and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[100] = {};
    GetMenuStringW(menu, position, text, 100, MF_BYPOSITION);
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog of the program, created modeless so that the test can look at it and close it.
struct OpenDialog {
    HWND window;
    explicit OpenDialog(int id)
        : window(CreateDialogParamW(Instance(), MAKEINTRESOURCEW(id), nullptr, PassiveDialogProc,
                                    0)) {}
    ~OpenDialog() {
        if (window)
            DestroyWindow(window);
    }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;
};

std::wstring FontFace(HWND window) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

TEST(LoadedMenu, HasTheFourPopUpsWithTheirCommandsInOrder) {
    HMENU menu = LoadMenuW(Instance(), L"TOPMENU");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(MenuText(menu, 0), L"ファイル");
    EXPECT_EQ(MenuText(menu, 1), L"編集");
    EXPECT_EQ(MenuText(menu, 2), L"生成");
    EXPECT_EQ(MenuText(menu, 3), L"ヘルプ");
    struct Item {
        int popUp;
        const wchar_t* text;
        UINT id;
    };
    const Item items[] = {{0, L"CSVファイル出力", IDM_EXPORT_CSV},
                          {0, L"上書き保存\tCtrl+S", IDM_SAVE_OVER},
                          {0, L"設定保存", IDM_SAVE_SETTINGS},
                          {0, L"設定読込", IDM_LOAD_SETTINGS},
                          {0, L"波形データ取込...\tCtrl+I", IDM_IMPORT},
                          {0, L"", 0},
                          {0, L"参照波形を開く...", IDM_OPEN_REFERENCE},
                          {0, L"参照波形を閉じる", IDM_CLOSE_REFERENCE},
                          {0, L"グラフを画像で保存...", IDM_SAVE_CHART_PICTURE},
                          {0, L"", 0},
                          {0, L"終了", IDM_EXIT},
                          {1, L"元に戻す\tCtrl+Z", IDM_UNDO},
                          {1, L"やり直し\tCtrl+Y", IDM_REDO},
                          {1, L"", 0},
                          {1, L"切り取り\tCtrl+X", IDM_CUT},
                          {1, L"コピー\tCtrl+C", IDM_COPY},
                          {1, L"貼り付け\tCtrl+V", IDM_PASTE},
                          {1, L"複製\tCtrl+D", IDM_DUPLICATE},
                          {1, L"繰り返し...\tCtrl+R", IDM_REPEAT},
                          {1, L"", 0},
                          {1, L"上へ移動\tAlt+↑", IDM_MOVE_UP},
                          {1, L"下へ移動\tAlt+↓", IDM_MOVE_DOWN},
                          {1, L"", 0},
                          {1, L"すべて選択\tCtrl+A", IDM_SELECT_ALL},
                          {1, L"", 0},
                          {1, L"グラフをコピー\tCtrl+Shift+C", IDM_COPY_CHART},
                          {2, L"階段...", IDM_GENERATE_STAIRCASE},
                          {2, L"掃引正弦波...", IDM_GENERATE_SWEEP},
                          {2, L"数式...", IDM_GENERATE_FORMULA},
                          {2, L"始動波形...", IDM_GENERATE_START},
                          {2, L"ディップと瞬停...", IDM_GENERATE_DIPS},
                          {3, L"使用方法", IDM_HELP},
                          {3, L"バージョン情報", IDM_ABOUT}};
    UINT position[4] = {0, 0, 0, 0};
    for (const Item& item : items) {
        HMENU popUp = GetSubMenu(menu, item.popUp);
        const UINT at = position[item.popUp]++;
        EXPECT_EQ(MenuText(popUp, at), item.text);
        EXPECT_EQ(GetMenuItemID(popUp, at), item.id);
    }
    for (int popUp = 0; popUp < 4; ++popUp)
        EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, popUp)), static_cast<int>(position[popUp]));
    DestroyMenu(menu);
}

TEST(LoadedAboutBox, ShowsTitleVersionPlaceholderAndTwoLines) {
    OpenDialog about(IDD_ABOUT);
    ASSERT_NE(about.window, nullptr);
    EXPECT_EQ(WindowText(about.window), L"バージョン情報");
    EXPECT_EQ(FontFace(about.window), L"ＭＳ ゴシック");
    EXPECT_EQ(WindowText(GetDlgItem(about.window, IDC_ABOUT_TITLE)), L"TAMBREL QZ57 OutputEditor");
    EXPECT_EQ(WindowText(GetDlgItem(about.window, IDC_ABOUT_VERSION)), L"バージョン");
    const std::wstring text = WindowText(GetDlgItem(about.window, IDC_ABOUT_TEXT));
    EXPECT_NE(text.find(L'\n'), std::wstring::npos);
    EXPECT_EQ(WindowText(GetDlgItem(about.window, IDC_ABOUT_OK)), L"OK");
}

TEST(LoadedParamDialog, HasEveryControlAndShowsPicture150) {
    OpenDialog dialog(IDD_PARAM);
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_EQ(WindowText(dialog.window), L"パラメータ編集");
    EXPECT_EQ(FontFace(dialog.window), L"ＭＳ ゴシック");
    std::vector<int> ids = {IDC_TYPE_LABEL,      IDC_TYPE,      IDC_SUBTYPE_A_LABEL, IDC_SUBTYPE_A,
                            IDC_SUBTYPE_B_LABEL, IDC_SUBTYPE_B, IDC_PICTURE,         IDC_PARAM_OK,
                            IDC_PARAM_CANCEL};
    for (int f = 0; f < 20; ++f) {
        ids.push_back(IDC_FIELD_LABEL_FIRST + f);
        ids.push_back(IDC_FIELD_FIRST + f);
    }
    for (int id : ids)
        EXPECT_NE(GetDlgItem(dialog.window, id), nullptr) << id;
    // The placeholders keep their trailing blank, except the tenth of each column.
    EXPECT_EQ(WindowText(GetDlgItem(dialog.window, IDC_FIELD_LABEL_FIRST)), L"パラメータ1 ");
    EXPECT_EQ(WindowText(GetDlgItem(dialog.window, IDC_FIELD_LABEL_FIRST + 9)), L"パラメータ10");
    EXPECT_EQ(WindowText(GetDlgItem(dialog.window, IDC_FIELD_LABEL_FIRST + 19)), L"パラメータ20");
    EXPECT_EQ(WindowText(GetDlgItem(dialog.window, IDC_PARAM_CANCEL)), L"キャンセル");

    auto picture = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog.window, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(picture, nullptr);
    BITMAP bitmap = {};
    ASSERT_NE(GetObjectW(picture, sizeof bitmap, &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, 348);
    EXPECT_EQ(bitmap.bmHeight, 230);
}

TEST(LoadedPictures, AreTrueColourAtTheDialogSize) {
    for (int id = IDB_PICTURE_CONST; id <= IDB_PICTURE_RANDOM; ++id) {
        SCOPED_TRACE(id);
        auto picture = static_cast<HBITMAP>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(picture, nullptr);
        DIBSECTION dib = {};
        ASSERT_EQ(GetObjectW(picture, sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, id == IDB_PICTURE_EXPO ? 349 : 348);
        EXPECT_EQ(dib.dsBm.bmHeight, 230);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
        DeleteObject(picture);
    }
}

// The icon group names its images; each must be there in its own size, not scaled from another.
TEST(LoadedIcon, GroupHoldsSixteenAndThirtyTwoPixelImages) {
    HRSRC group = FindResourceW(Instance(), L"MYICON", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto bytes = static_cast<const BYTE*>(LockResource(LoadResource(Instance(), group)));
    ASSERT_NE(bytes, nullptr);
    const int count = bytes[4] | bytes[5] << 8;
    bool has16 = false, has32 = false;
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = bytes + 6 + 14 * i; // GRPICONDIRENTRY
        has16 = has16 || (entry[0] == 16 && entry[1] == 16);
        has32 = has32 || (entry[0] == 32 && entry[1] == 32);
    }
    EXPECT_TRUE(has16);
    EXPECT_TRUE(has32);
    for (int size : {16, 32}) {
        auto icon =
            static_cast<HICON>(LoadImageW(Instance(), L"MYICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
}

TEST(LoadedVersion, IsOneTenWithTheProductName) {
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    ASSERT_NE(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(10, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    for (const wchar_t* block :
         {L"\\StringFileInfo\\041104B0\\", L"\\StringFileInfo\\040904B0\\"}) {
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(data.data(), (std::wstring(block) + L"ProductName").c_str(),
                                   reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, L"QZ57 Output Editor");
        ASSERT_TRUE(VerQueryValueW(data.data(), (std::wstring(block) + L"OriginalFilename").c_str(),
                                   reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, L"QZ57editor.exe");
    }
}

TEST(LoadedManifest, AsksForCommonControlsSixSystemDpiAndNoElevation) {
    HRSRC found =
        FindResourceW(Instance(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(
        static_cast<const char*>(LockResource(LoadResource(Instance(), found))),
        SizeofResource(Instance(), found));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">system</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    // The loader has acted on it: the process runs with the real screen dpi.
    EXPECT_TRUE(IsProcessDPIAware());
}

} // namespace
