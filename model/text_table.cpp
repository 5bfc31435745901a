#include "model/texts.h"

#include <array>

namespace {

struct TextRow {
    TextId id;
    int arguments; // the numbered arguments both texts take
    std::string_view japanese;
    std::string_view english;
};

// One row per id, in the order of the enum.
constexpr std::array<TextRow, TextCount> Rows{{
    {TextId::TypeConstant, 0, "固定値", "Constant"},
    {TextId::TypeSlope, 0, "スロープ", "Slope"},
    {TextId::TypeRectangle, 0, "矩形波", "Rectangle"},
    {TextId::TypeTriangle, 0, "三角波", "Triangle"},
    {TextId::TypeSine, 0, "正弦波", "Sine"},
    {TextId::TypeExponential, 0, "飽和/減衰", "Exponential"},
    {TextId::TypeRandom, 0, "ランダム", "Random"},
    {TextId::TypeSum, 0, "合成", "Sum"},

    {TextId::SummaryConstant, 2, "値={1}, 期間={2}秒", "value={1}, duration={2} s"},
    {TextId::SummarySlope, 3, "始点={1}, 終点={2}, 期間={3}秒",
     "start={1}, end={2}, duration={3} s"},
    {TextId::SummaryRectangle, 5, "値A={1}, 値B={2}, 期間A={3}秒, 期間B={4}秒, x{5}回",
     "value A={1}, value B={2}, duration A={3} s, duration B={4} s, x{5}"},
    {TextId::SummarySine, 5, "基値={1}, 振幅={2}, 周期={3}秒, 初期位相={4}°, 総時間{5}秒",
     "base={1}, amplitude={2}, period={3} s, phase={4}°, total={5} s"},
    {TextId::SummaryExponential, 4, "始点={1}, 終点={2}, 時定数={3}秒, 総時間{4}秒",
     "start={1}, end={2}, time constant={3} s, total={4} s"},
    {TextId::SummaryRandom, 4, "基値={1}, 振幅={2}, シード={3}, 期間{4}秒",
     "base={1}, amplitude={2}, seed={3}, duration={4} s"},
    {TextId::SummarySum, 2, "関数A={1}, 関数B={2}", "function A={1}, function B={2}"},

    {TextId::FieldConstantValue, 1, "固定値{1}", "Value {1}"},
    {TextId::FieldHoldTime, 0, "保持時間[秒]", "Hold time [s]"},
    {TextId::FieldStartValue, 1, "開始値{1}", "Start value {1}"},
    {TextId::FieldEndValue, 1, "終了値{1}", "End value {1}"},
    {TextId::FieldRampTime, 0, "変化時間[秒]", "Ramp time [s]"},
    {TextId::FieldValueA, 1, "出力値A{1}", "Value A {1}"},
    {TextId::FieldValueB, 1, "出力値B{1}", "Value B {1}"},
    {TextId::FieldTimeA, 0, "時間A[秒]", "Time A [s]"},
    {TextId::FieldTimeB, 0, "時間B[秒]", "Time B [s]"},
    {TextId::FieldRepetitions, 0, "繰返回数", "Repetitions"},
    {TextId::FieldBaseValue, 1, "基本値{1}", "Base value {1}"},
    {TextId::FieldAmplitude, 1, "振幅{1}", "Amplitude {1}"},
    {TextId::FieldPeriod, 0, "周期[秒]", "Period [s]"},
    {TextId::FieldInitialPhase, 0, "初期位相[°]", "Phase [°]"},
    {TextId::FieldTotalTime, 0, "総時間[秒]", "Total time [s]"},
    {TextId::FieldFinalValue, 1, "漸近値{1}", "Final value {1}"},
    {TextId::FieldTimeConstant, 0, "時定数[秒]", "Time constant [s]"},
    {TextId::FieldRmsAmplitude, 1, "振幅(RMS){1}", "RMS {1}"},
    {TextId::FieldSeed, 0, "シード", "Seed"},
    {TextId::FieldDuration, 0, "期間[秒]", "Duration [s]"},

    {TextId::RangeBipolar10V, 0, "±10V", "±10 V"},
    {TextId::RangeBipolar100mV, 0, "±100mV", "±100 mV"},
    {TextId::RangeCurrentInternal, 0, "0-20mA (内部電源)", "0-20 mA (internal supply)"},
    {TextId::RangeCurrentExternal, 0, "0-20mA (外部電源)", "0-20 mA (external supply)"},
    {TextId::RangeBipolar32V, 0, "±32V", "±32 V"},

    {TextId::Resolution10ms, 0, "10m秒 / 15分", "10 ms / 15 min"},
    {TextId::Resolution100ms, 0, "100m秒 / 2時間", "100 ms / 2 h"},
    {TextId::Resolution1s, 0, "1秒 / 24時間", "1 s / 24 h"},
    {TextId::Resolution1ms, 0, "1m秒 / 90秒", "1 ms / 90 s"},

    {TextId::Period100ms, 0, "100m秒", "100 ms"},
    {TextId::Period1s, 0, "1秒", "1 s"},
    {TextId::Period5s, 0, "5秒", "5 s"},
    {TextId::Period10s, 0, "10秒", "10 s"},
    {TextId::Period30s, 0, "30秒", "30 s"},
    {TextId::Period1min, 0, "1分", "1 min"},
    {TextId::Period5min, 0, "5分", "5 min"},
    {TextId::Period10min, 0, "10分", "10 min"},
    {TextId::Period30min, 0, "30分", "30 min"},
    {TextId::Period1h, 0, "1時間", "1 h"},
    {TextId::Period2h, 0, "2時間", "2 h"},
    {TextId::Period6h, 0, "6時間", "6 h"},
    {TextId::Period24h, 0, "24時間", "24 h"},

    {TextId::StatusUntitled, 0, "無題", "Untitled"},
    {TextId::StatusModified, 1, "{1} (変更あり)", "{1} (modified)"},
    {TextId::StatusTotalTime, 1, "{1} 秒", "{1} s"},
    {TextId::StatusTimeOfMax, 2, "{1} 秒 / {2} 秒", "{1} s / {2} s"},
    {TextId::StatusCounts, 2, "{1} 要素 / {2} 点", "Elements: {1} / samples: {2}"},
    {TextId::StatusClipped, 2, "範囲外: 要素 {1} ({2} 点)",
     "Out of range: elements {1} (samples: {2})"},

    {TextId::ReadoutNoSignal, 0, "信号なし", "No signal"},

    {TextId::MenuLanguage, 0, "言語 (Language)", "&Language (言語)"},
    {TextId::MenuJapanese, 0, "日本語", "日本語"},
    {TextId::MenuEnglish, 0, "English", "&English"},

    {TextId::MenuFile, 0, "ファイル", "&File"},
    {TextId::MenuEdit, 0, "編集", "&Edit"},
    {TextId::MenuHelp, 0, "ヘルプ", "&Help"},
    {TextId::MenuExportCsv, 0, "CSVファイル出力", "&Export CSV...\tCtrl+E"},
    {TextId::MenuSaveOver, 0, "上書き保存\tCtrl+S", "&Save\tCtrl+S"},
    {TextId::MenuSaveSettings, 0, "設定保存", "Save settings &as..."},
    {TextId::MenuLoadSettings, 0, "設定読込", "&Open settings...\tCtrl+O"},
    {TextId::MenuExit, 0, "終了", "E&xit"},
    {TextId::MenuUndo, 0, "元に戻す\tCtrl+Z", "&Undo\tCtrl+Z"},
    {TextId::MenuRedo, 0, "やり直し\tCtrl+Y", "&Redo\tCtrl+Y"},
    {TextId::MenuCut, 0, "切り取り\tCtrl+X", "Cu&t\tCtrl+X"},
    {TextId::MenuCopy, 0, "コピー\tCtrl+C", "&Copy\tCtrl+C"},
    {TextId::MenuPaste, 0, "貼り付け\tCtrl+V", "&Paste\tCtrl+V"},
    {TextId::MenuDuplicate, 0, "複製\tCtrl+D", "&Duplicate\tCtrl+D"},
    {TextId::MenuMoveUp, 0, "上へ移動\tAlt+↑", "Move &up\tAlt+Up"},
    {TextId::MenuMoveDown, 0, "下へ移動\tAlt+↓", "Move do&wn\tAlt+Down"},
    {TextId::MenuSelectAll, 0, "すべて選択\tCtrl+A", "Select &all\tCtrl+A"},
    {TextId::MenuContents, 0, "使用方法", "&Contents\tF1"},
    {TextId::MenuAbout, 0, "バージョン情報", "&About"},
    {TextId::MenuInsert, 0, "挿入", "&Insert"},
    {TextId::MenuEditElement, 0, "編集", "&Edit"},
    {TextId::MenuDelete, 0, "削除", "&Delete"},

    {TextId::LabelOutputRange, 0, "出力レンジ", "Output range"},
    {TextId::LabelResolution, 0, "分解能/最大時間", "Resolution / max time"},
    {TextId::LabelDisplayPeriod, 0, "表示期間", "Display period"},
    {TextId::ButtonAppend, 0, "末尾に追加", "Append"},
    {TextId::ButtonInsert, 0, "挿入", "Insert"},
    {TextId::ButtonEdit, 0, "編集", "Edit"},
    {TextId::ButtonDelete, 0, "削除", "Delete"},
    {TextId::ColumnNumber, 0, "番号", "No."},
    {TextId::ColumnType, 0, "タイプ", "Type"},
    {TextId::ColumnTime, 0, "時間", "Time"},
    {TextId::ColumnParameters, 0, "パラメータ", "Parameters"},

    {TextId::DialogParameters, 0, "パラメータ編集", "Parameters"},
    {TextId::LabelWaveformType, 0, "波形タイプ:", "Waveform type:"},
    {TextId::LabelSubWaveformA, 0, "サブ波形A:", "Sub-waveform A:"},
    {TextId::LabelSubWaveformB, 0, "サブ波形B:", "Sub-waveform B:"},
    {TextId::ButtonCancel, 0, "キャンセル", "Cancel"},

    {TextId::ExportWritten, 0,
     "CSVファイルを書き出しました。\r\n"
     "再現出力を実行するには、SDカード内の指定フォルダに格納する必要があります。",
     "The CSV file has been written.\r\n"
     "To replay it, copy it into the designated folder on the SD card."},
    {TextId::ExportCannotOpen, 0, "ファイルを開けませんでした。", "The file could not be opened."},
    {TextId::ExportWriteFailed, 0, "ファイルの書き込みに失敗しました。",
     "The file could not be written."},
    {TextId::ExportNothingToExport, 0, "出力できるデータがありません。",
     "There is no data to export."},
    {TextId::ExportChooseRangeAndResolution, 0, "出力レンジと分解能を選択してください。",
     "Choose the output range and the resolution."},
    {TextId::ExportNonFiniteValue, 0, "数値として表せない値を含むため出力できません。",
     "The signal cannot be exported: it holds a value that is not a finite number."},
    {TextId::ExportBadTime, 0, "負の時間または逆行する時間を含むため出力できません。",
     "The signal cannot be exported: it holds a negative time or one that runs backwards."},

    {TextId::PasteRefused, 2, "貼り付けできる要素がありません。({1} 行目: expected {2})",
     "There are no elements to paste. (line {1}: expected {2})"},
}};

constexpr bool rowsInEnumOrder() {
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (static_cast<std::size_t>(Rows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsInEnumOrder(), "every TextId has its row, in the order of the enum");

const TextRow* rowOf(TextId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < Rows.size() ? &Rows[index] : nullptr;
}

// The number of a "{n}" starting at text[at] (n from 1 to 9), or 0 when none starts there.
int placeholderAt(std::string_view text, std::size_t at) {
    if (at + 2 >= text.size() || text[at] != '{' || text[at + 2] != '}')
        return 0;
    const char digit = text[at + 1];
    return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

} // namespace

std::string_view text(TextId id, Language language) {
    const TextRow* row = rowOf(id);
    if (row == nullptr)
        return {};
    return language == Language::English ? row->english : row->japanese;
}

int argumentCount(TextId id) {
    const TextRow* row = rowOf(id);
    return row == nullptr ? 0 : row->arguments;
}

std::string formatText(TextId id, Language language, std::initializer_list<std::string_view> args) {
    const std::string_view format = text(id, language);
    std::string out;
    out.reserve(format.size() + 16 * args.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const int n = placeholderAt(format, i);
        if (n == 0 || static_cast<std::size_t>(n) > args.size()) {
            out += format[i];
            continue;
        }
        out += *(args.begin() + (n - 1));
        i += 2;
    }
    return out;
}
