#include "model/tables.h"
#include "resources/resource.h"
#include "tests/win/win_test_support_win.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/param_dialog_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr char DialogTitle[] = "パラメータ編集";
constexpr UINT TickMs = 5;

// Opens the dialog with the main window's button for the mode (insert and edit act on the
// selected row) and runs the script once it shows. The script ends the dialog (OK, cancel or
// close box); the button's command returns then, the result applied.
void RunDialog(ParamDialogMode mode, DialogScript script) {
    const int button = mode == ParamDialogMode::Insert ? IDC_INSERT
                       : mode == ParamDialogMode::Edit ? IDC_EDIT
                                                       : IDC_APPEND;
    ASSERT_TRUE(RunInDialog(
        DialogTitle,
        [button] { SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); },
        std::move(script)));
}

// A message box the dialog opens, answered from its own modal loop.
struct BoxAnswer {
    int button = IDOK;
    UINT_PTR timer = 0;
    int seenCount = 0;
    HWND last = nullptr; // answered already, perhaps not gone yet
    std::string title;
    std::string text;
};

BoxAnswer* Answer = nullptr;

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindDialogBox(DialogTitle, true);
    if (Answer == nullptr || box == nullptr || box == Answer->last)
        return;
    Answer->last = box;
    ++Answer->seenCount;
    Answer->title = WindowText(box);
    Answer->text = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(Answer->button, BN_CLICKED), 0);
}

// Answers every message box with `button` while alive, and tells what it saw.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(int button) {
        answer_.button = button;
        Answer = &answer_;
        answer_.timer = SetTimer(nullptr, 0, TickMs, AnswerBox);
    }
    ~BoxAnswerer() {
        KillTimer(nullptr, answer_.timer);
        Answer = nullptr;
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const BoxAnswer& seen() const { return answer_; }

  private:
    BoxAnswer answer_;
};

HWND Control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

std::string Text(HWND dialog, int id) {
    return WindowText(Control(dialog, id));
}

std::string FieldText(HWND dialog, int field) {
    return Text(dialog, IDC_FIELD_FIRST + field);
}

std::string LabelText(HWND dialog, int field) {
    return Text(dialog, IDC_FIELD_LABEL_FIRST + field);
}

bool Shown(HWND dialog, int id) {
    return IsWindowVisible(Control(dialog, id)) != FALSE;
}

int Selection(HWND dialog, int combo) {
    return static_cast<int>(SendDlgItemMessageW(dialog, combo, CB_GETCURSEL, 0, 0));
}

std::string SelectedName(HWND dialog, int combo) {
    const int entry = Selection(dialog, combo);
    if (entry < 0)
        return {};
    wchar_t name[64] = {};
    SendDlgItemMessageW(dialog, combo, CB_GETLBTEXT, static_cast<WPARAM>(entry),
                        reinterpret_cast<LPARAM>(name));
    return Narrow(name);
}

// The user picks an entry of a combo: the selection moves and the dialog is told.
void Choose(HWND dialog, int combo, int entry) {
    SendDlgItemMessageW(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Control(dialog, combo)));
}

void ChooseType(HWND dialog, FuncType type) {
    Choose(dialog, IDC_TYPE, type - 1);
}

// The user types into a field and moves on to another control.
void Enter(HWND dialog, int field, std::string_view text) {
    HWND edit = Control(dialog, IDC_FIELD_FIRST + field);
    SetFocus(edit);
    SetWindowTextW(edit, Widen(text).c_str());
    SetFocus(Control(dialog, IDC_TYPE));
}

std::vector<std::string> FieldTexts(HWND dialog, int first, int count) {
    std::vector<std::string> texts;
    for (int field = first; field < first + count; ++field)
        texts.push_back(FieldText(dialog, field));
    return texts;
}

// Shown fields of a column, counted from its top.
int ShownFields(HWND dialog, int column) {
    int shown = 0;
    for (int slot = 0; slot < 10; ++slot) {
        const int field = column * 10 + slot;
        const bool edit = Shown(dialog, IDC_FIELD_FIRST + field);
        EXPECT_EQ(edit, Shown(dialog, IDC_FIELD_LABEL_FIRST + field)) << field;
        shown += edit ? 1 : 0;
    }
    return shown;
}

void Click(HWND dialog, int button) {
    SendMessageW(Control(dialog, button), BM_CLICK, 0, 0);
}

// Hands what was posted to the dialog as its modal loop does.
void LetDialogRun(HWND dialog) {
    for (int round = 0; round < 10; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageW(dialog, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        Sleep(TickMs);
    }
}

SIZE PictureSize(HWND dialog) {
    const auto bitmap = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0)
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

std::string PictureBits(HWND dialog) {
    const auto bitmap = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog, IDC_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    std::string bits(static_cast<size_t>(info.bmWidthBytes) * static_cast<size_t>(info.bmHeight),
                     '\0');
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    return bits;
}

// Every bitmap that goes into the picture control or comes out of it, wherever it came from
// (the dialog template loads one of its own).
std::set<HGDIOBJ> PicturesSeen;

LRESULT CALLBACK WatchPictures(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call.message == STM_SETIMAGE &&
        GetDlgCtrlID(call.hwnd) == IDC_PICTURE) {
        PicturesSeen.insert(reinterpret_cast<HGDIOBJ>(call.lParam));
        PicturesSeen.insert(reinterpret_cast<HGDIOBJ>(call.lResult));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int LivePictures() {
    return static_cast<int>(
        std::count_if(PicturesSeen.begin(), PicturesSeen.end(), [](HGDIOBJ bitmap) {
            return bitmap != nullptr && GetObjectType(bitmap) == OBJ_BITMAP;
        }));
}

SignalElement Element(FuncType type, std::vector<double> values) {
    SignalElement element;
    element.type = type;
    element.paramCount = paramCountOf(type);
    for (size_t slot = 0; slot < values.size(); ++slot)
        element.params[slot] = values[slot];
    element.duration = elementDuration(element);
    return element;
}

// What a list reader takes from an element: the dialog leaves slots that no one reads for the
// element's type as the last use left them.
SignalElement ReadParts(const SignalElement& element) {
    SignalElement parts;
    parts.type = element.type;
    parts.paramCount = element.paramCount;
    parts.duration = element.duration;
    if (element.type == FUNC_SUM) {
        parts.subTypeA = element.subTypeA;
        parts.subTypeB = element.subTypeB;
        parts.subParamCountA = element.subParamCountA;
        parts.subParamCountB = element.subParamCountB;
        std::copy_n(element.subParamsA.begin(), element.subParamCountA, parts.subParamsA.begin());
        std::copy_n(element.subParamsB.begin(), element.subParamCountB, parts.subParamsB.begin());
    } else {
        std::copy_n(element.params.begin(), element.paramCount, parts.params.begin());
    }
    return parts;
}

ElementList ReadParts(const ElementList& elements) {
    ElementList parts;
    for (const SignalElement& element : elements)
        parts.push_back(ReadParts(element));
    return parts;
}

class ParamDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        // "±10V" with "10m秒 / 15分" unless a test chooses otherwise.
        ShowTestDocument({{}, 0, 0, 0.01});
    }
    void TearDown() override { CloseMainWindow(); }

    void UseElements(std::vector<SignalElement> elements) { ShowTestElements(std::move(elements)); }

    void SelectRow(int row) {
        ::SelectRow(row);
        ASSERT_EQ(SelectedIndex(), row);
    }
};

using Texts = std::vector<std::string>;

} // namespace

TEST_F(ParamDialogTest, NewDialogShowsOnlyTheTypeChoice) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        EXPECT_EQ(WindowText(dialog), DialogTitle);
        EXPECT_EQ(Selection(dialog, IDC_TYPE), -1);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TYPE, CB_GETCOUNT, 0, 0), 8);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SUBTYPE_A, CB_GETCOUNT, 0, 0), 6);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SUBTYPE_B, CB_GETCOUNT, 0, 0), 7);
        EXPECT_TRUE(Shown(dialog, IDC_TYPE_LABEL));
        EXPECT_TRUE(Shown(dialog, IDC_TYPE));
        EXPECT_FALSE(Shown(dialog, IDC_SUBTYPE_A));
        EXPECT_FALSE(Shown(dialog, IDC_SUBTYPE_B_LABEL));
        EXPECT_EQ(ShownFields(dialog, 0), 0);
        EXPECT_EQ(ShownFields(dialog, 1), 0);
        EXPECT_FALSE(Shown(dialog, IDC_PICTURE));
        EXPECT_TRUE(Shown(dialog, IDC_PARAM_OK));
        EXPECT_TRUE(Shown(dialog, IDC_PARAM_CANCEL));
        // OK without a type is ignored.
        Click(dialog, IDC_PARAM_OK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDC_PARAM_CANCEL);
    });
    EXPECT_TRUE(Editor().model.document().elements.empty());
}

TEST_F(ParamDialogTest, ConstantFieldsAreClampedAndRoundedOnLeaving) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_CONST);
        EXPECT_EQ(ShownFields(dialog, 0), 2);
        EXPECT_EQ(ShownFields(dialog, 1), 0);
        EXPECT_EQ(LabelText(dialog, 0), "固定値[V]");
        EXPECT_EQ(LabelText(dialog, 1), "保持時間[秒]");
        EXPECT_EQ(FieldTexts(dialog, 0, 2), (Texts{"0.0000", "10.00"}));
        Enter(dialog, 0, "12.3456");
        EXPECT_EQ(FieldText(dialog, 0), "10.0000");
        Enter(dialog, 1, "0.004");
        EXPECT_EQ(FieldText(dialog, 1), "0.01");
        Enter(dialog, 1, "abc");
        EXPECT_EQ(FieldText(dialog, 1), "0.01");
        // Not a finite number: read as 0, then held to the field's limits.
        Enter(dialog, 0, "nan");
        EXPECT_EQ(FieldText(dialog, 0), "0.0000");
        Enter(dialog, 1, "1e999");
        EXPECT_EQ(FieldText(dialog, 1), "0.01");
        Enter(dialog, 0, "-inf");
        EXPECT_EQ(FieldText(dialog, 0), "0.0000");
        Enter(dialog, 0, "-7.5");
        Enter(dialog, 1, "12.346");
        Click(dialog, IDC_PARAM_OK);
    });
    ASSERT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_EQ(ReadParts(Editor().model.document().elements[0]), Element(FUNC_CONST, {-7.5, 12.35}));
}

TEST_F(ParamDialogTest, ValuesRoundHalfAwayFromZeroOnTheMagnitude) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_SLOPE);
        EXPECT_EQ(FieldTexts(dialog, 0, 3), (Texts{"0.0000", "5.0000", "10.00"}));
        const std::pair<const char*, const char*> cases[] = {
            {"-0.00006", "-0.0001"},
            {"2.34567", "2.3457"},
            {"-2.34567", "-2.3457"},
            {"-0.00004", "0.0000"},
        };
        for (const auto& [typed, shown] : cases) {
            Enter(dialog, 0, typed);
            EXPECT_EQ(FieldText(dialog, 0), shown) << typed;
        }
        Click(dialog, IDC_PARAM_CANCEL);
    });
    EXPECT_TRUE(Editor().model.document().elements.empty());
}

TEST_F(ParamDialogTest, SineShowsItsDefaultsAndPicture) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_SIN);
        EXPECT_EQ(ShownFields(dialog, 0), 5);
        EXPECT_EQ(FieldTexts(dialog, 0, 5), (Texts{"0.0000", "5.0000", "5.00", "0", "10.00"}));
        EXPECT_EQ(LabelText(dialog, 3), "初期位相[°]");
        EXPECT_TRUE(Shown(dialog, IDC_PICTURE));
        Click(dialog, IDC_PARAM_OK);
    });
    ASSERT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_EQ(ReadParts(Editor().model.document().elements[0]),
              Element(FUNC_SIN, {0, 5, 5, 0, 10}));
}

TEST_F(ParamDialogTest, CompositeLaysOutSlopeAndSineColumnsWithoutPicture) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_CONST);
        BoxAnswerer yes(IDYES);
        ChooseType(dialog, FUNC_SUM);
        EXPECT_EQ(yes.seen().seenCount, 1);
        EXPECT_TRUE(Shown(dialog, IDC_SUBTYPE_A_LABEL));
        EXPECT_TRUE(Shown(dialog, IDC_SUBTYPE_B_LABEL));
        EXPECT_EQ(SelectedName(dialog, IDC_SUBTYPE_A), "スロープ");
        EXPECT_EQ(SelectedName(dialog, IDC_SUBTYPE_B), "正弦波");
        EXPECT_EQ(ShownFields(dialog, 0), 3);
        EXPECT_EQ(ShownFields(dialog, 1), 5);
        EXPECT_FALSE(Shown(dialog, IDC_PICTURE));
        EXPECT_EQ(LabelText(dialog, 0), "開始値[V]");
        EXPECT_EQ(LabelText(dialog, 10), "基本値[V]");
        EXPECT_EQ(FieldTexts(dialog, 0, 3), (Texts{"0.0000", "5.0000", "10.00"}));
        EXPECT_EQ(FieldTexts(dialog, 10, 5), (Texts{"0.0000", "5.0000", "5.00", "0", "10.00"}));

        Enter(dialog, 0, "1.5");
        Enter(dialog, 11, "2.25");
        // A new sub-type replaces its own column only, and asks nothing.
        Choose(dialog, IDC_SUBTYPE_A, FUNC_CONST - 1);
        EXPECT_EQ(ShownFields(dialog, 0), 2);
        EXPECT_EQ(FieldTexts(dialog, 0, 2), (Texts{"0.0000", "10.00"}));
        EXPECT_EQ(FieldText(dialog, 11), "2.2500");
        Choose(dialog, IDC_SUBTYPE_B, FUNC_RANDOM - 1);
        EXPECT_EQ(ShownFields(dialog, 1), 4);
        EXPECT_EQ(LabelText(dialog, 11), "振幅(RMS)[V]");
        EXPECT_EQ(FieldTexts(dialog, 10, 4), (Texts{"0.0000", "2.0000", "0", "10.00"}));
        EXPECT_EQ(yes.seen().seenCount, 1);
        Enter(dialog, 1, "20");
        Click(dialog, IDC_PARAM_OK);
    });
    ASSERT_EQ(Editor().model.document().elements.size(), 1u);
    const SignalElement& sum = Editor().model.document().elements[0];
    EXPECT_EQ(sum.type, FUNC_SUM);
    EXPECT_EQ(sum.paramCount, 2);
    EXPECT_EQ(sum.subTypeA, FUNC_CONST);
    EXPECT_EQ(sum.subParamCountA, 2);
    EXPECT_EQ(sum.subTypeB, FUNC_RANDOM);
    EXPECT_EQ(sum.subParamCountB, 4);
    EXPECT_EQ(sum.subParamsA[1], 20.0);
    EXPECT_EQ(sum.subParamsB[1], 2.0);
    EXPECT_EQ(sum.duration, 20.0);
}

TEST_F(ParamDialogTest, TypeChangeAsksAndNoKeepsTypeAndNumbers) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        {
            BoxAnswerer none(IDYES);
            ChooseType(dialog, FUNC_SIN); // the first choice asks nothing
            EXPECT_EQ(none.seen().seenCount, 0);
        }
        Enter(dialog, 0, "1.25");
        Enter(dialog, 2, "7");
        {
            BoxAnswerer no(IDNO);
            ChooseType(dialog, FUNC_SLOPE);
            EXPECT_EQ(no.seen().seenCount, 1);
            EXPECT_EQ(no.seen().title, "確認");
            EXPECT_EQ(no.seen().text, "タイプを変更すると入力数値が失われますがよろしいですか?");
        }
        EXPECT_EQ(Selection(dialog, IDC_TYPE), FUNC_SIN - 1);
        EXPECT_EQ(ShownFields(dialog, 0), 5);
        EXPECT_EQ(FieldTexts(dialog, 0, 5), (Texts{"1.2500", "5.0000", "7.00", "0", "10.00"}));
        {
            BoxAnswerer yes(IDYES);
            ChooseType(dialog, FUNC_SLOPE);
            EXPECT_EQ(yes.seen().seenCount, 1);
        }
        EXPECT_EQ(Selection(dialog, IDC_TYPE), FUNC_SLOPE - 1);
        EXPECT_EQ(FieldTexts(dialog, 0, 3), (Texts{"0.0000", "5.0000", "10.00"}));
        Click(dialog, IDC_PARAM_CANCEL);
    });
    EXPECT_TRUE(Editor().model.document().elements.empty());
}

TEST_F(ParamDialogTest, EditOfCompositeShowsStoredValues) {
    SignalElement sum;
    sum.type = FUNC_SUM;
    sum.paramCount = 2;
    sum.subTypeA = FUNC_CONST;
    sum.subParamCountA = 2;
    sum.subParamsA[0] = 1.5;
    sum.subParamsA[1] = 12.25;
    sum.subTypeB = FUNC_SIN;
    sum.subParamCountB = 5;
    sum.subParamsB = {0.5, 2, 4, 90, 30};
    sum.duration = elementDuration(sum);
    UseElements({Element(FUNC_CONST, {1, 2}), sum});
    SelectRow(1);
    RunDialog(ParamDialogMode::Edit, [](HWND dialog) {
        EXPECT_EQ(SelectedName(dialog, IDC_TYPE), "合成");
        EXPECT_EQ(SelectedName(dialog, IDC_SUBTYPE_A), "固定値");
        EXPECT_EQ(SelectedName(dialog, IDC_SUBTYPE_B), "正弦波");
        EXPECT_FALSE(Shown(dialog, IDC_PICTURE));
        EXPECT_EQ(FieldTexts(dialog, 0, 2), (Texts{"1.5000", "12.25"}));
        EXPECT_EQ(FieldTexts(dialog, 10, 5), (Texts{"0.5000", "2.0000", "4.00", "90", "30.00"}));
        Enter(dialog, 1, "20");
        Click(dialog, IDC_PARAM_OK);
    });
    ASSERT_EQ(Editor().model.document().elements.size(), 2u);
    SignalElement edited = sum;
    edited.subParamsA[1] = 20;
    edited.duration = 20; // sub-function A alone
    EXPECT_EQ(ReadParts(Editor().model.document().elements[1]), edited);
}

TEST_F(ParamDialogTest, TimeBudgetRefusalKeepsDialogOpenWithValues) {
    // "1m秒 / 90秒" with 85 s already used.
    ShowTestDocument({{Element(FUNC_CONST, {1, 85})}, 0, 3, 0.001});
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_CONST);
        EXPECT_EQ(FieldText(dialog, 1), "10.000");
        Enter(dialog, 0, "2.5");
        {
            BoxAnswer seen;
            {
                BoxAnswerer ok(IDOK);
                Click(dialog, IDC_PARAM_OK);
                seen = ok.seen();
            }
            EXPECT_EQ(seen.seenCount, 1);
            EXPECT_EQ(seen.title, "エラー");
            EXPECT_EQ(seen.text,
                      "現在の設定における総時間制限を超過していますので追加できません。");
        }
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(FieldTexts(dialog, 0, 2), (Texts{"2.5000", "10.000"}));
        EXPECT_EQ(Editor().model.document().elements.size(), 1u);
        Enter(dialog, 1, "5");
        Click(dialog, IDC_PARAM_OK);
    });
    ASSERT_EQ(Editor().model.document().elements.size(), 2u);
    EXPECT_EQ(ReadParts(Editor().model.document().elements[1]), Element(FUNC_CONST, {2.5, 5}));
}

TEST_F(ParamDialogTest, InsertGoesBeforeTheSelectedRow) {
    const SignalElement first = Element(FUNC_CONST, {1, 1});
    const SignalElement second = Element(FUNC_SLOPE, {0, 2, 3});
    const SignalElement third = Element(FUNC_CONST, {3, 4});
    UseElements({first, second, third});
    SelectRow(1);
    RunDialog(ParamDialogMode::Insert, [](HWND dialog) {
        ChooseType(dialog, FUNC_CONST);
        Enter(dialog, 0, "9");
        Enter(dialog, 1, "2");
        Click(dialog, IDC_PARAM_OK);
    });
    EXPECT_EQ(ReadParts(Editor().model.document().elements),
              (ElementList{first, Element(FUNC_CONST, {9, 2}), second, third}));
}

TEST_F(ParamDialogTest, EditReplacesTheSelectedRowInPlace) {
    const SignalElement first = Element(FUNC_CONST, {1, 1});
    const SignalElement second = Element(FUNC_RECT, {-1, 1, 0.5, 0.25, 4});
    const SignalElement third = Element(FUNC_CONST, {3, 4});
    UseElements({first, second, third});
    SelectRow(1);
    RunDialog(ParamDialogMode::Edit, [](HWND dialog) {
        EXPECT_EQ(SelectedName(dialog, IDC_TYPE), "矩形波");
        EXPECT_TRUE(Shown(dialog, IDC_PICTURE));
        EXPECT_EQ(FieldTexts(dialog, 0, 5), (Texts{"-1.0000", "1.0000", "0.50", "0.25", "4"}));
        Enter(dialog, 4, "6");
        Click(dialog, IDC_PARAM_OK);
    });
    EXPECT_EQ(ReadParts(Editor().model.document().elements),
              (ElementList{first, Element(FUNC_RECT, {-1, 1, 0.5, 0.25, 6}), third}));
}

TEST_F(ParamDialogTest, EscapeAndEnterDoNothingAndCloseBoxCancels) {
    RunDialog(ParamDialogMode::Append, [](HWND dialog) {
        ChooseType(dialog, FUNC_CONST);
        HWND field = Control(dialog, IDC_FIELD_FIRST);
        SetFocus(field);
        for (const UINT key : {VK_ESCAPE, VK_RETURN}) {
            PostMessageW(field, WM_KEYDOWN, key, 1);
            PostMessageW(field, WM_KEYUP, key, 0xC0000001);
            LetDialogRun(dialog);
            EXPECT_TRUE(IsWindowVisible(dialog)) << key;
        }
        EXPECT_EQ(GetFocus(), field);
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_TRUE(Editor().model.document().elements.empty());
}

TEST_F(ParamDialogTest, CancelLeavesListAndEditedCopyUnchanged) {
    const SignalElement only = Element(FUNC_EXPO, {0, 5, 2, 8});
    UseElements({only});
    SelectRow(0);
    RunDialog(ParamDialogMode::Edit, [](HWND dialog) {
        EXPECT_EQ(FieldTexts(dialog, 0, 4), (Texts{"0.0000", "5.0000", "2.00", "8.00"}));
        Enter(dialog, 0, "3");
        Click(dialog, IDC_PARAM_CANCEL);
    });
    EXPECT_EQ(Editor().model.document().elements, (ElementList{only}));
}

TEST_F(ParamDialogTest, EveryTypeShowsItsOwnPicture) {
    std::set<std::string> pictures;
    for (FuncType type = FUNC_CONST; type <= FUNC_RANDOM; ++type) {
        RunDialog(ParamDialogMode::Append, [&](HWND dialog) {
            ChooseType(dialog, type);
            EXPECT_TRUE(Shown(dialog, IDC_PICTURE)) << type;
            const SIZE size = PictureSize(dialog);
            EXPECT_EQ(size.cx, type == FUNC_EXPO ? 349 : 348) << type;
            EXPECT_EQ(size.cy, 230) << type;
            pictures.insert(PictureBits(dialog));
            Click(dialog, IDC_PARAM_CANCEL);
        });
    }
    EXPECT_EQ(pictures.size(), 7u);
}

TEST_F(ParamDialogTest, OpeningAndClosingKeepsTheGdiObjectCount) {
    const SignalElement sum = [] {
        SignalElement element;
        element.type = FUNC_SUM;
        element.paramCount = 2;
        element.subTypeA = FUNC_SLOPE;
        element.subParamCountA = 3;
        element.subTypeB = FUNC_RANDOM;
        element.subParamCountB = 4;
        return element;
    }();
    UseElements({Element(FUNC_TRI, {0, 1, 1, 1, 2}), sum});
    SelectRow(0);
    auto cycle = [&](int round) {
        const FuncType type = FUNC_CONST + round % 8;
        if (round % 3 == 0) {
            SelectRows(round % 2, 1);
            RunDialog(ParamDialogMode::Edit,
                      [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
            return;
        }
        RunDialog(ParamDialogMode::Append, [type](HWND dialog) {
            ChooseType(dialog, type);
            Click(dialog, IDC_PARAM_CANCEL);
        });
    };
    cycle(1);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, WatchPictures, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    for (int round = 0; round < 200; ++round)
        cycle(round);
    UnhookWindowsHookEx(hook);
    // Wine counts no GDI objects; there the pictures tell: none of the bitmaps that passed
    // through the picture control outlives its dialog.
    EXPECT_GT(PicturesSeen.size(), 200u);
    EXPECT_EQ(LivePictures(), 0);
    cycle(1);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);
}
