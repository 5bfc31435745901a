#pragma once

#include <windows.h>

void CreateMainControls(HWND parent);
void RefreshElementList();
void UpdateButtonStates();
int SelectedIndex();

void OnDisplayPeriodChanged();
void OnOutputRangeChanged();
void OnResolutionChanged();

void OnAppendButton();
void OnEditButton();
void OnInsertButton();
void OnDeleteButton();
