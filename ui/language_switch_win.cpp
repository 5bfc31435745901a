#include "ui/language_switch_win.h"

#include "ui/app_state_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/language_win.h"
#include "ui/main_controls_win.h"
#include "ui/menu_texts_win.h"
#include "ui/text_win.h"
#include "ui/ui_font_win.h"

namespace {

// The window's width follows the language's layout; its height, the status bar included, stays.
void FitWindowToLanguage(const EditorWindow& editor) {
    RECT frame{};
    GetWindowRect(editor.window, &frame);
    SetWindowPos(editor.window, nullptr, 0, 0, MainWindowSize(editor.dpi, editor.language).cx,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    editor.controls.statusBar.fitToParent();
}

} // namespace

void SwitchLanguage(EditorWindow& editor, Language language) {
    RememberLanguage(language);
    if (language == editor.language)
        return;
    editor.language = language;
    editor.chart.language = language;
    // The controls take the new font before the old one goes.
    ScopedFont font = CreateUiFont(editor.dpi, language);
    ShowControlLanguage(editor.window, editor.controls, font.get(), editor.dpi, language);
    editor.font = std::move(font);
    SetWindowTextW(editor.window, Widen(text(TextId::WindowTitle, language)).c_str());
    FitWindowToLanguage(editor);
    if (HMENU bar = GetMenu(editor.window)) {
        ShowMenuBarTexts(bar, language);
        DrawMenuBar(editor.window);
    }
    Refresh(editor, DocumentPart | SelectionPart | FilePart);
}
