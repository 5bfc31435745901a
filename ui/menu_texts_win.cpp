#include "ui/menu_texts_win.h"

#include "resources/resource.h"
#include "ui/language_menu_win.h"

#include <array>
#include <utility>

namespace {

constexpr std::pair<UINT, TextId> CommandTexts[] = {
    {IDM_EXPORT_CSV, TextId::MenuExportCsv},
    {IDM_SAVE_OVER, TextId::MenuSaveOver},
    {IDM_SAVE_SETTINGS, TextId::MenuSaveSettings},
    {IDM_LOAD_SETTINGS, TextId::MenuLoadSettings},
    {IDM_IMPORT, TextId::ImportMenuItem},
    {IDM_EXIT, TextId::MenuExit},
    {IDM_UNDO, TextId::MenuUndo},
    {IDM_REDO, TextId::MenuRedo},
    {IDM_CUT, TextId::MenuCut},
    {IDM_COPY, TextId::MenuCopy},
    {IDM_PASTE, TextId::MenuPaste},
    {IDM_DUPLICATE, TextId::MenuDuplicate},
    {IDM_MOVE_UP, TextId::MenuMoveUp},
    {IDM_MOVE_DOWN, TextId::MenuMoveDown},
    {IDM_SELECT_ALL, TextId::MenuSelectAll},
    {IDM_REPEAT, TextId::MenuRepeat},
    {IDM_COPY_CHART, TextId::MenuCopyChart},
    {IDM_OPEN_REFERENCE, TextId::MenuOpenReference},
    {IDM_CLOSE_REFERENCE, TextId::MenuCloseReference},
    {IDM_SAVE_CHART_PICTURE, TextId::MenuSaveChartPicture},
    {IDM_GENERATE_STAIRCASE, TextId::MenuStaircase},
    {IDM_GENERATE_SWEEP, TextId::MenuSineSweep},
    {IDM_GENERATE_FORMULA, TextId::MenuFormula},
    {IDM_GENERATE_START, TextId::MenuEngineStart},
    {IDM_GENERATE_DIPS, TextId::MenuDips},
    {IDM_HELP, TextId::MenuContents},
    {IDM_ABOUT, TextId::MenuAbout},
    {IDC_INSERT, TextId::MenuInsert},
    {IDC_EDIT, TextId::MenuEditElement},
    {IDC_DELETE, TextId::MenuDelete},
};

// The menu bar's menus from the left.
constexpr std::array<TextId, 4> MenuTitles{TextId::MenuFile, TextId::MenuEdit, TextId::MenuGenerate,
                                           TextId::MenuHelp};

} // namespace

void ShowMenuTexts(HMENU menu, Language language) {
    // By command, SetMenuItemInfo finds an item in the submenus too; a missing one is passed over.
    for (const auto& [command, id] : CommandTexts)
        SetMenuItemText(menu, command, false, text(id, language));
}

void ShowMenuBarTexts(HMENU bar, Language language) {
    for (std::size_t i = 0; i < MenuTitles.size(); ++i)
        SetMenuItemText(bar, static_cast<UINT>(i), true, text(MenuTitles[i], language));
    ShowMenuTexts(bar, language);
    if (HMENU help = GetSubMenu(bar, HelpMenuPosition))
        ShowLanguageInMenu(help, language);
}
