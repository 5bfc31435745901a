// Tells the end-to-end driver where the editor's windows are, so that its clicks land where a
// user would click. It runs beside the editor on the same display and answers one snapshot per
// line "list" read from standard input, ending each snapshot with a line ".". It only looks: it
// sends no input and changes nothing.
//
// Snapshot lines, fields separated by TAB, texts in UTF-8 with line breaks shown as "\n":
//   W hwnd thread left top right bottom clientLeft clientTop focus class title
//   C owner hwnd id left top right bottom visible enabled class text
//   L hwnd count itemHeight topIndex selection          (a combo box's drop-down list)
//   V hwnd count itemHeight firstSelected               (a list view)
// Rectangles are in screen pixels.

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    std::string flat;
    for (char c : out) {
        if (c == '\r')
            continue;
        if (c == '\n')
            flat += "\\n";
        else if (c == '\t')
            flat += ' ';
        else
            flat += c;
    }
    return flat;
}

// The text the window would show; asked through the window itself, since the editor's process
// owns it. A hung window yields an empty text rather than a hung probe.
std::wstring WindowText(HWND window) {
    wchar_t buffer[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer),
                             reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &copied))
        return {};
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return buffer;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 1000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::string Number(LONG_PTR n) {
    return std::to_string(n);
}

std::string Handle(HWND window) {
    return Number(reinterpret_cast<LONG_PTR>(window));
}

std::string RectText(const RECT& r) {
    return Number(r.left) + "\t" + Number(r.top) + "\t" + Number(r.right) + "\t" + Number(r.bottom);
}

void Emit(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

void DescribeComboList(HWND list) {
    Emit("L\t" + Handle(list) + "\t" + Number(Ask(list, LB_GETCOUNT, 0, 0)) + "\t" +
         Number(Ask(list, LB_GETITEMHEIGHT, 0, 0)) + "\t" +
         Number(Ask(list, LB_GETTOPINDEX, 0, 0)) + "\t" + Number(Ask(list, LB_GETCURSEL, 0, 0)));
}

// The height of one report row: the view's height for two rows less that for one.
void DescribeListView(HWND list) {
    const LRESULT one = Ask(list, LVM_APPROXIMATEVIEWRECT, 1, MAKELPARAM(-1, -1));
    const LRESULT two = Ask(list, LVM_APPROXIMATEVIEWRECT, 2, MAKELPARAM(-1, -1));
    Emit("V\t" + Handle(list) + "\t" + Number(Ask(list, LVM_GETITEMCOUNT, 0, 0)) + "\t" +
         Number(HIWORD(two) - HIWORD(one)) + "\t" +
         Number(Ask(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
}

struct ChildWalk {
    HWND owner;
    std::vector<HWND> lists;
};

BOOL CALLBACK DescribeChild(HWND child, LPARAM context) {
    auto& walk = *reinterpret_cast<ChildWalk*>(context);
    RECT r{};
    GetWindowRect(child, &r);
    const std::wstring className = ClassOf(child);
    Emit("C\t" + Handle(walk.owner) + "\t" + Handle(child) + "\t" + Number(GetDlgCtrlID(child)) +
         "\t" + RectText(r) + "\t" + (IsWindowVisible(child) ? "1" : "0") + "\t" +
         (IsWindowEnabled(child) ? "1" : "0") + "\t" + Utf8(className) + "\t" +
         Utf8(WindowText(child)));
    if (className == L"SysListView32")
        walk.lists.push_back(child);
    return TRUE;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM) {
    if (!IsWindowVisible(window))
        return TRUE;
    RECT r{};
    GetWindowRect(window, &r);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    HWND focus = GetGUIThreadInfo(thread, &gui) ? gui.hwndFocus : nullptr;
    const std::wstring className = ClassOf(window);
    Emit("W\t" + Handle(window) + "\t" + Number(thread) + "\t" + RectText(r) + "\t" +
         Number(origin.x) + "\t" + Number(origin.y) + "\t" + Handle(focus) + "\t" +
         Utf8(className) + "\t" + Utf8(WindowText(window)));
    if (className == L"ComboLBox")
        DescribeComboList(window);
    ChildWalk walk{window, {}};
    EnumChildWindows(window, DescribeChild, reinterpret_cast<LPARAM>(&walk));
    for (HWND list : walk.lists)
        DescribeListView(list);
    return TRUE;
}

} // namespace

int main() {
    char command[64];
    while (std::fgets(command, sizeof command, stdin) != nullptr) {
        if (std::string(command).rfind("list", 0) == 0)
            EnumWindows(DescribeTopLevel, 0);
        Emit(".");
        std::fflush(stdout);
    }
    return 0;
}
