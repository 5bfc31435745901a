#pragma once

#include "model/document_view.h"
#include "model/row_selection.h"
#include "model/signal_document.h"
#include "ui/main_layout.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

// What the element list tells its owner: what the user did in it. A change of the selection comes
// once per change, as a run of rows, however many rows it touched.
class ElementListEvents {
  public:
    virtual void onListSelectionChanged(RowRange rows, bool selected) = 0;
    virtual void onListKey(WORD key) = 0;
    virtual void onListRowActivated(int row) = 0; // a double-click on a row
  protected:
    ~ElementListEvents() = default;
};

// The element list view: the one place that sends it LVM_* messages. Its rows are owner data:
// the control keeps no texts and asks for each cell it shows, so a refresh costs the same at
// any length of the list. It shows the document and the selection it is given, and reports the
// user's changes; the editor holds the selection.
class ElementListView {
  public:
    // Creates the list view with its columns; false when it cannot be created.
    bool create(HWND parent, int id, HFONT font, int dpi, Language language);

    // Shows the column headers and the rows' texts in the language, in font.
    void showLanguage(Language language, HFONT font);

    HWND window() const { return window_; }

    // Shows the rows of a document as view describes them, in the list's language; doc and view
    // stay the caller's and must live until the next call. The list keeps its scroll position.
    void showRows(const SignalDocument& doc, const DocumentView& view);

    // Makes the control's selection this one in a few messages, not one per row, and reports
    // none of it back.
    void showSelection(const RowSelection& selection);

    // Scrolls the list until row shows.
    void reveal(int row) const;

    // Where a menu for row opens from the keyboard: below the row, in screen coordinates.
    POINT pointBelowRow(int row) const;

    // Takes a message from the message loop before it is dispatched: input to the list that
    // makes the control select one row alone.
    void beforeUserInput(const MSG& message);

    // What the list view reports to its parent; the result is the notification's.
    LRESULT onNotify(NMHDR& header, ElementListEvents& events);

  private:
    void unselectAllFirst();
    void setState(int row, UINT state, UINT mask) const;
    // Unselects every row, in one message or, in a long list, by emptying it for a moment.
    void unselectAll() const;
    void selectAllBefore(int end) const;
    // Selects (state LVIS_SELECTED) or unselects every row of runs, one message per row.
    void setRuns(const RowSelection& runs, UINT state) const;
    void provideCellText(LVITEMW& item);
    LRESULT onCustomDraw(NMLVCUSTOMDRAW& draw) const;
    void takeUserChange(RowRange rows, bool selected, ElementListEvents& events);

    HWND window_ = nullptr;
    Language language_ = Language::Japanese;
    const SignalDocument* doc_ = nullptr;
    const DocumentView* view_ = nullptr;
    int rowCount_ = 0;
    RowSelection shown_;      // what the control has selected
    bool shownStale_ = false; // the control may hold another selection than shown_
    bool pushing_ = false;    // the selection is set by program: not the user's change
    // The texts of the row asked for last (-1: none), one per column; the list view reads a
    // cell's text after its request returns, so they stay until another row is asked for.
    int textRow_ = -1;
    std::array<std::wstring, ListColumnCount> rowTexts_;
};
