#pragma once

#include "model/list_rows.h"
#include "model/signal_document.h"
#include "ui/combo_box_win.h"
#include "ui/element_list_win.h"
#include "ui/status_bar_win.h"

#include <windows.h>

// The main window's controls, each behind its wrapper. The list view and the buttons stay empty
// when the list view could not be created; the program runs on without them.
struct MainControls {
    ComboBox rangeCombo;
    ComboBox resolutionCombo;
    ComboBox periodCombo;
    ElementListView elementList;
    HWND appendButton = nullptr;
    HWND insertButton = nullptr;
    HWND editButton = nullptr;
    HWND deleteButton = nullptr;
    StatusBar statusBar;
    EditButtons buttonsShown; // what the buttons show, so that an unchanged state costs nothing
};

// Outer size of the main window without its status bar: 1000 × 700 at 96 dpi in Japanese, wider
// in English, scaled.
SIZE MainWindowSize(int dpi, Language language);

// Creates the labels and selection lists, the element list view, the edit buttons and the status
// bar of parent, in font at dpi, speaking the language. The display-period list shows the chart's
// start-up period.
void CreateMainControls(HWND parent, HFONT font, int dpi, Language language,
                        MainControls& controls);

// Gives the controls the language's texts, font and places; the lists keep their selections.
void ShowControlLanguage(HWND parent, MainControls& controls, HFONT font, int dpi,
                         Language language);

// Selects the entries of the document's codes without asking anything; none while a code is not
// chosen yet.
void ShowDocumentCodes(const MainControls& controls, const SignalDocument& doc);

// Enables the four edit buttons as given; nothing when they already are.
void ShowEditButtons(MainControls& controls, const EditButtons& enabled);
