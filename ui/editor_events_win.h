#pragma once

#include "ui/canvas_window_win.h"
#include "ui/element_list_win.h"

#include <windows.h>

struct EditorWindow;

// Where the element list and the chart report the user's doings: each report becomes a change of
// the editor's selection or a command, and the one refresh shows it.
class EditorEvents final : public ElementListEvents, public ChartEvents {
  public:
    explicit EditorEvents(EditorWindow& editor) : editor_(editor) {}

    void onListSelectionChanged(RowRange rows, bool selected) override;
    void onListKey(WORD key) override;
    void onListRowActivated(int row) override;

    void onChartElementClicked(int element, bool add) override;
    void onChartElementDoubleClicked(int element) override;
    void onChartPeriodChanged(int position) override;
    void onChartReadoutChanged(std::string_view text) override;

  private:
    EditorWindow& editor_;
};
