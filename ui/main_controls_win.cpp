// Before <windows.h>: the chart arithmetic names the scroll requests like its macros.
#include "canvas/view_scroll.h"

#include "ui/main_controls_win.h"

#include "model/synthesis.h"
#include "ui/app_state_win.h"
#include "ui/param_dialog_win.h"

void CreateMainControls(HWND) {
    RefreshElementList();
    UpdateButtonStates();
}

void RefreshElementList() {
    rebuildSamples(Document.elements, Document.sampleInterval, OutputTrace->points);
    setView(MainCanvas->canvas, 0, MainCanvas->canvas.displaySpan, 0, *MainCanvas);
}

void UpdateButtonStates() {}

int SelectedIndex() {
    return -1;
}

void OnDisplayPeriodChanged() {}

void OnOutputRangeChanged() {}

void OnResolutionChanged() {}

void OnAppendButton() {
    OpenParamDialog(ParamDialogMode::Append, MainWindow);
}

void OnEditButton() {}

void OnInsertButton() {}

void OnDeleteButton() {}
