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
    {TextId::StatusMoreElements, 1, "{1}, …", "{1}, …"},

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

    {TextId::PasteRefused, 2, "貼り付けできる要素がありません。({1} 行目: {2})",
     "There are no elements to paste. (line {1}: expected {2})"},

    {TextId::ReadLongLine, 1, "1 行は {1} 文字までです", "a line of at most {1} characters"},
    {TextId::ReadHeader, 1, "先頭行に \"{1}\" が必要です", "the header \"{1}\""},
    {TextId::ReadVersion, 1, "VER とバージョン {1} 以下が必要です",
     "VER and a version of {1} or less"},
    {TextId::ReadRangeCode, 1, "OUTRANGE とレンジコード 0～{1} が必要です",
     "OUTRANGE and a range code 0 to {1}"},
    {TextId::ReadResolutionCode, 1, "RESOLUTION と分解能コード 0～{1} が必要です",
     "RESOLUTION and a resolution code 0 to {1}"},
    {TextId::ReadElementCount, 0, "ELEMENTS と 1 以上の要素数が必要です",
     "ELEMENTS and an element count of 1 or more"},
    {TextId::ReadFunction, 0, "FUNC とキーワード FUNC_CONST～FUNC_SUM が必要です",
     "FUNC and a keyword FUNC_CONST to FUNC_SUM"},
    {TextId::ReadSubFunctionA, 0, "SUBFUNC とキーワード FUNC_CONST～FUNC_EXPO (関数 A) が必要です",
     "SUBFUNC and a keyword FUNC_CONST to FUNC_EXPO (function A)"},
    {TextId::ReadSubFunctionB, 0,
     "SUBFUNC とキーワード FUNC_CONST～FUNC_RANDOM (関数 B) が必要です",
     "SUBFUNC and a keyword FUNC_CONST to FUNC_RANDOM (function B)"},
    {TextId::ReadParameter, 1, "PAR{1} と有限の数値 (パラメータ {1}) が必要です",
     "PAR{1} and a finite number (parameter {1})"},
    {TextId::ReadKeptWhenSaved, 0, "保存すると値が変わるパラメータがあります",
     "parameters that keep their value when saved"},
    {TextId::ReadFiniteTime, 0, "パラメータから求めた時間が有限ではありません",
     "an element whose parameters give a finite time"},
    {TextId::ReadSamplesFit, 1, "サンプルが {1} 点に収まりません",
     "elements whose samples fit in {1} points"},
    {TextId::ReadElementLimit, 1, "要素は {1} 個までです", "at most {1} elements"},
    {TextId::ReadByteLimit, 1, "要素のテキストは {1} バイトまでです",
     "at most {1} bytes of elements"},
    {TextId::ReadRecoveryHeader, 0, "復元用コピーの先頭行が必要です",
     "the header of a recovery copy"},
    {TextId::ReadRecoveryVersion, 1, "VER とバージョン {1} が必要です", "VER and the version {1}"},
    {TextId::ReadRecoveryTime, 0, "TIME と 1970 年からの秒数が必要です",
     "TIME and the seconds since 1970"},
    {TextId::ReadRecoverySaved, 0, "SAVED と 0 または 1 が必要です", "SAVED and 0 or 1"},
    {TextId::ReadRecoveryFile, 0, "FILE と設定ファイルのパスが必要です",
     "FILE and the settings file's path"},
    {TextId::ReadRecoveryEnd, 0, "設定の直後に終了行が必要です (コピーが途中で切れています)",
     "the end line right after the settings (the copy is cut short)"},
    {TextId::ReadRecoverySize, 1, "{1} MiB までのコピーが必要です", "a copy of at most {1} MiB"},
    {TextId::ReadProblemAtLine, 2, "({1} 行目: {2})", "(line {1}: expected {2})"},
    {TextId::ReadFileEnded, 1, "{1} (その前でファイルが終わっています)",
     "{1} (the file ends before it)"},
    {TextId::ReadTextEnded, 1, "{1} (その前でテキストが終わっています)",
     "{1} (the text ends before it)"},

    {TextId::WindowTitle, 0, "QZ-570 series Singal Editor", "QZ-570 series Singal Editor"},
    {TextId::AboutVersion, 1, "バージョン {1}", "Version {1}"},

    {TextId::TitleError, 0, "エラー", "Error"},
    {TextId::TitleConfirm, 0, "確認", "Confirm"},
    {TextId::TitleExit, 0, "終了確認", "Exit"},
    {TextId::TitleWritten, 0, "出力完了", "Written"},
    {TextId::TitleLoaded, 0, "読込完了", "Loaded"},

    {TextId::AskExit, 0, "保存していないデータは失われますがよろしいですか?",
     "Unsaved data will be lost. Exit anyway?"},
    {TextId::AskSaveChanges, 0, "変更を保存しますか?", "Save changes?"},
    {TextId::AskRangeChange, 0, "レンジを変更すると編集中のデータが失われますがよろしいですか?",
     "Changing the range discards the elements being edited. Continue?"},
    {TextId::AskResolutionChange, 0,
     "分解能を変更すると編集中のデータが失われますがよろしいですか?",
     "Changing the resolution discards the elements being edited. Continue?"},
    {TextId::AskReplaceDocument, 0, "現在編集中のデータは失われますがよろしいですか?",
     "The elements being edited will be lost. Continue?"},
    {TextId::AskTypeChange, 0, "タイプを変更すると入力数値が失われますがよろしいですか?",
     "Changing the type discards the values entered. Continue?"},

    {TextId::BudgetExceeded, 0, "現在の設定における総時間制限を超過していますので追加できません。",
     "This would exceed the maximum total time of the current resolution, so it cannot be "
     "added."},
    {TextId::SettingsWritten, 0, "波形設定ファイルを書き出しました。",
     "The settings file has been written."},
    {TextId::SettingsCannotOpen, 0, "ファイルを開けませんでした。",
     "The file could not be opened."},
    {TextId::SettingsWriteFailed, 0, "ファイルの書き込みに失敗しました。",
     "The file could not be written."},
    {TextId::SettingsNothingToSave, 0, "出力できるデータがありません。",
     "There is no data to save."},
    {TextId::SettingsInvalid, 0, "波形設定ファイルの内容が不正です。",
     "The settings file is not valid."},
    {TextId::SettingsLoaded, 0, "波形設定ファイルを読み込みました。",
     "The settings file has been loaded."},
    {TextId::SettingsNotChosen, 0, "波形設定ファイル読み込みエラー", "No settings file was read."},

    {TextId::FilterSettingsFiles, 0, "DAT files(*.dat)", "Settings files (*.dat)"},
    {TextId::FilterCsvFiles, 0, "CSV files(*.csv)", "CSV files (*.csv)"},
    {TextId::RecoveryQuestion, 2,
     "前回、保存されていない変更がありました。復元しますか?\n\nファイル: {1}\n時刻: {2}",
     "There were unsaved changes last time. Restore them?\n\nFile: {1}\nTime: {2}"},
    {TextId::RecoveryUnreadable, 1,
     "復元用のファイルを読み込めませんでした。使わないように名前を変えました。\n{1}",
     "A recovery file could not be read; it was renamed so that it is not offered again.\n{1}"},
    {TextId::StatusRecoveryUnavailable, 0, "復元用の保存ができません",
     "Cannot keep a recovery copy"},
    {TextId::ImportAtLine, 2, "{1} 行目: {2}", "line {1}: {2}"},
    {TextId::ImportCannotOpen, 0, "ファイルを開けませんでした。", "cannot open the file"},
    {TextId::ImportTooLarge, 0, "256 MiB を超えるファイルは取り込めません。",
     "the file is larger than 256 MiB"},
    {TextId::ImportTooManyRows, 0, "10,000,000 行を超えるデータは取り込めません。",
     "more than 10,000,000 rows"},
    {TextId::ImportNoNumbers, 0, "数値の行がありません。", "no row of numbers"},
    {TextId::ImportTooFewColumns, 0, "列が足りません。", "the row has too few columns"},
    {TextId::ImportNotANumber, 0, "数値または時刻ではありません。", "not a number or a time"},
    {TextId::ImportNotFinite, 0, "有限の数値ではありません (NaN または無限大)。",
     "not a finite number"},
    {TextId::ImportTimeBackwards, 0, "時刻が前の行より前です。",
     "the time is earlier than the one before"},
    {TextId::ImportNeedsTimeStep, 0, "時刻のない値には時間間隔が必要です。",
     "values without times need a time step"},
    {TextId::ImportNoRange, 0, "出力レンジを選択してください。", "no output range"},
    {TextId::ImportNoResolution, 0, "分解能を選択してください。", "no resolution"},
    {TextId::ImportBadSetting, 0, "許容誤差、倍率、オフセット、時間倍率に使えない値があります。",
     "the tolerance, gain, offset or time scale is not usable"},
    {TextId::ImportOverflow, 0, "倍率、オフセット、時間倍率をかけると数値として表せません。",
     "the value or time is beyond what a number holds after the gain, offset or time scale"},
    {TextId::ImportHugeValue, 0, "倍率とオフセットをかけた値が 1e12 を超えます。",
     "the value is beyond 1e12 after the gain and offset"},
    {TextId::ImportTooShort, 0, "取込データが1サンプル間隔より短くなります。",
     "the points last less than one sample interval"},
    {TextId::ImportTooLong, 2, "取込データは {1} 秒あり、分解能の最大時間 {2} 秒を超えます。",
     "the data lasts {1} s, more than the resolution's maximum time of {2} s"},
    {TextId::ImportSummaryPoints, 1, "読込点数: {1}", "points read: {1}"},
    {TextId::ImportSummaryElements, 1, "作成要素数: {1}", "elements made: {1}"},
    {TextId::ImportSummaryDeviation, 2, "最大誤差: {1} {2}", "largest deviation: {1} {2}"},
    {TextId::ImportSummaryDuration, 2, "時間: {1} 秒 / 最大 {2} 秒", "duration: {1} s of {2} s"},
    {TextId::ImportSummaryClipped, 1, "範囲外のサンプル: {1}", "clipped samples: {1}"},
    {TextId::ImportMenuItem, 0, "波形データ取込...\tCtrl+I", "Import waveform data...\tCtrl+I"},
    {TextId::ImportDialogTitle, 0, "波形データ取込", "Import waveform data"},
    {TextId::ImportFileLabel, 0, "ファイル", "File"},
    {TextId::ImportBrowse, 0, "参照...", "Browse..."},
    {TextId::ImportTimeColumn, 0, "時刻列", "Time column"},
    {TextId::ImportValueColumn, 0, "値列", "Value column"},
    {TextId::ImportNoTimeColumn, 0, "なし", "None"},
    {TextId::ImportColumn, 1, "{1}列", "column {1}"},
    {TextId::ImportNamedColumn, 2, "{1}: {2}", "{1}: {2}"},
    {TextId::ImportShapeLabel, 0, "直線/階段", "Linear/steps"},
    {TextId::ImportLinear, 0, "直線", "Linear"},
    {TextId::ImportSteps, 0, "階段", "Steps"},
    {TextId::ImportTolerance, 1, "許容誤差{1}", "Tolerance {1}"},
    {TextId::ImportGain, 0, "倍率", "Gain"},
    {TextId::ImportOffset, 1, "オフセット{1}", "Offset {1}"},
    {TextId::ImportTimeScale, 0, "時間倍率", "Time scale"},
    {TextId::ImportTimeStep, 0, "時間間隔[秒]", "Time step [s]"},
    {TextId::ImportRangeLabel, 0, "出力レンジ", "Output range"},
    {TextId::ImportResolutionLabel, 0, "分解能", "Resolution"},
    {TextId::ImportDocumentCodes, 2, "現在の設定を使います: {1}, {2}",
     "The document's settings: {1}, {2}"},
    {TextId::ImportOk, 0, "OK", "OK"},
    {TextId::ImportCancel, 0, "キャンセル", "Cancel"},
    {TextId::ImportFileFilter, 0, "波形データ (*.csv;*.txt;*.pwl)",
     "Waveform data (*.csv;*.txt;*.pwl)"},
    {TextId::ImportPastedText, 0, "(貼り付けたデータ)", "(pasted data)"},
    {TextId::ImportFieldNotNumber, 1, "{1} が数値ではありません。", "{1} is not a number."},
    {TextId::ImportNoRoom, 2, "取込データ {1} 秒は残りの時間 {2} 秒に入りません。",
     "the data's {1} s do not fit the {2} s left in the document"},
    {TextId::GenerateMenuItem, 0, "信号生成...", "Generate..."},
    {TextId::GenerateDialogTitle, 0, "信号生成", "Generate"},
    {TextId::GenerateKindLabel, 0, "生成方法", "Generator"},
    {TextId::GenerateStaircase, 0, "階段", "Staircase"},
    {TextId::GenerateSineSweep, 0, "掃引正弦波", "Sine sweep"},
    {TextId::GenerateFormula, 0, "数式", "Formula"},
    {TextId::GenerateEngineStart, 0, "始動波形", "Engine start"},
    {TextId::GenerateDips, 0, "ディップと瞬停", "Dips and interruptions"},
    {TextId::GenerateRepeat, 0, "繰り返し", "Repeat"},
    {TextId::GenerateFrom, 1, "開始値{1}", "From {1}"},
    {TextId::GenerateTo, 1, "終了値{1}", "To {1}"},
    {TextId::GenerateSteps, 0, "段数", "Levels"},
    {TextId::GenerateDwell, 0, "保持時間[秒]", "Dwell [s]"},
    {TextId::GenerateRamp, 0, "遷移時間[秒]", "Ramp [s]"},
    {TextId::GenerateUpDown, 0, "往復 (上昇と下降)", "Up and down"},
    {TextId::GenerateCycles, 0, "繰り返し回数", "Cycles"},
    {TextId::GenerateFromFrequency, 0, "開始周波数[Hz]", "Start frequency [Hz]"},
    {TextId::GenerateToFrequency, 0, "終了周波数[Hz]", "End frequency [Hz]"},
    {TextId::GenerateDuration, 0, "時間[秒]", "Duration [s]"},
    {TextId::GenerateAmplitude, 1, "振幅{1}", "Amplitude {1}"},
    {TextId::GenerateOffset, 1, "オフセット{1}", "Offset {1}"},
    {TextId::GenerateLogarithmic, 0, "対数掃引", "Logarithmic"},
    {TextId::GenerateTolerance, 1, "許容誤差{1}", "Tolerance {1}"},
    {TextId::GenerateExpression, 0, "数式 f(t)", "Formula f(t)"},
    {TextId::GenerateSupply, 1, "電源レベル{1}", "Supply level {1}"},
    {TextId::GenerateLowLevel, 1, "最低レベル{1}", "Lowest level {1}"},
    {TextId::GenerateCrankLevel, 1, "クランキングレベル{1}", "Cranking level {1}"},
    {TextId::GenerateFall, 0, "降下時間[秒]", "Fall [s]"},
    {TextId::GenerateLowTime, 0, "最低レベル保持時間[秒]", "Low hold [s]"},
    {TextId::GenerateRise1, 0, "上昇時間1[秒]", "Rise 1 [s]"},
    {TextId::GenerateCrankTime, 0, "クランキング時間[秒]", "Cranking time [s]"},
    {TextId::GenerateRise2, 0, "上昇時間2[秒]", "Rise 2 [s]"},
    {TextId::GeneratePause, 0, "休止時間[秒]", "Pause [s]"},
    {TextId::GenerateRipple, 1, "リップル振幅{1}", "Ripple amplitude {1}"},
    {TextId::GenerateRippleFrequency, 0, "リップル周波数[Hz]", "Ripple frequency [Hz]"},
    {TextId::GenerateNominal, 1, "公称値{1}", "Nominal level {1}"},
    {TextId::GenerateTestLevels, 0, "試験レベル[%] (カンマ区切り)",
     "Test levels [%] (comma separated)"},
    {TextId::GenerateDipDurations, 0, "継続時間[秒] (カンマ区切り)",
     "Durations [s] (comma separated)"},
    {TextId::GenerateRepeats, 0, "各試験の回数", "Repeats"},
    {TextId::GenerateInterval, 0, "間隔[秒]", "Interval [s]"},
    {TextId::GenerateRepeatCount, 0, "回数 (元を含む)", "Count (with the original)"},
    {TextId::GenerateFieldProblem, 2, "{1}: {2}", "{1}: {2}"},
    {TextId::GenerateNotANumber, 0, "数値ではありません", "not a usable number"},
    {TextId::GenerateNotPositive, 0, "0 より大きくしてください", "must be more than 0"},
    {TextId::GenerateBelowMinimum, 1, "{1} 以上にしてください", "must be at least {1}"},
    {TextId::GenerateAboveMaximum, 1, "{1} 以下にしてください", "must be at most {1}"},
    {TextId::GenerateShorterThanSample, 1, "サンプル間隔に丸めると {1} 秒より短くなります",
     "shorter than {1} s once rounded to the sample interval"},
    {TextId::GenerateFrequencyTooHigh, 1, "サンプリング周波数の 1/4 ({1} Hz) を超えています",
     "above a quarter of the sample rate ({1} Hz)"},
    {TextId::GenerateNoValues, 0, "値がありません", "no value given"},
    {TextId::GenerateAtColumn, 2, "{1} 文字目: {2}", "column {1}: {2}"},
    {TextId::GenerateExpectedValue, 0, "数値、名前または '(' が必要です",
     "a number, a name or '(' expected"},
    {TextId::GenerateExpectedOperator, 0, "演算子または式の終わりが必要です",
     "an operator or the end expected"},
    {TextId::GenerateExpectedOpen, 0, "'(' が必要です", "'(' expected"},
    {TextId::GenerateExpectedClose, 0, "')' が必要です", "')' expected"},
    {TextId::GenerateExpectedComma, 0, "',' が必要です", "',' expected"},
    {TextId::GenerateBadCharacter, 0, "数式に使えない文字です", "a character formulas do not use"},
    {TextId::GenerateUnknownName, 1, "'{1}' という名前はありません", "unknown name '{1}'"},
    {TextId::GenerateArgumentCount, 2, "{1} の引数は {2} 個です", "{1} takes {2} arguments"},
    {TextId::GenerateFormulaTooLong, 1, "数式が {1} 文字を超えています",
     "the formula is longer than {1} characters"},
    {TextId::GenerateFormulaTooDeep, 1, "括弧の入れ子が {1} 段を超えています",
     "parentheses nested deeper than {1} levels"},
    {TextId::GenerateNotFinite, 1, "{1} 秒で値が有限の数になりません",
     "the value at {1} s is not a finite number"},
    {TextId::GenerateHugeValue, 1, "{1} 秒で値が大きすぎます", "the value at {1} s is too large"},
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
