#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// The languages the program speaks. File formats never depend on it.
enum class Language { Japanese, English };

// Every text a user reads, by what it names. Names begin with the place the text shows up
// (Type, Summary, Field, Range, Resolution, Period, Status, Readout, Menu, Export, Paste, Read,
// and the window's Label, Button, Column, Title, Ask, Settings, Filter), then say what it is. The
// order here is the order of the rows in text_table.cpp.
enum class TextId {
    // Function types in the list, the type combos and command-line listings.
    TypeConstant,
    TypeSlope,
    TypeRectangle,
    TypeTriangle,
    TypeSine,
    TypeExponential,
    TypeRandom,
    TypeSum,

    // One-line parameter summaries of the element list; arguments are formatted numbers.
    SummaryConstant,
    SummarySlope,
    SummaryRectangle, // rectangle and triangle share it
    SummarySine,
    SummaryExponential,
    SummaryRandom,
    SummarySum,

    // Parameter dialog field labels; {1} is the range's unit label ("[V]").
    FieldConstantValue,
    FieldHoldTime,
    FieldStartValue,
    FieldEndValue,
    FieldRampTime,
    FieldValueA,
    FieldValueB,
    FieldTimeA,
    FieldTimeB,
    FieldRepetitions,
    FieldBaseValue,
    FieldAmplitude,
    FieldPeriod,
    FieldInitialPhase,
    FieldTotalTime,
    FieldFinalValue,
    FieldTimeConstant,
    FieldRmsAmplitude,
    FieldSeed,
    FieldDuration,

    // Output ranges by code.
    RangeBipolar10V,
    RangeBipolar100mV,
    RangeCurrentInternal,
    RangeCurrentExternal,
    RangeBipolar32V,

    // Resolutions (sample interval / time budget) by code.
    Resolution10ms,
    Resolution100ms,
    Resolution1s,
    Resolution1ms,

    // Display periods by list position.
    Period100ms,
    Period1s,
    Period5s,
    Period10s,
    Period30s,
    Period1min,
    Period5min,
    Period10min,
    Period30min,
    Period1h,
    Period2h,
    Period6h,
    Period24h,

    // Status bar parts.
    StatusUntitled,
    StatusModified,     // {1} file name
    StatusTotalTime,    // {1} seconds
    StatusTimeOfMax,    // {1} seconds, {2} the resolution's maximum
    StatusCounts,       // {1} elements, {2} samples
    StatusClipped,      // {1} element numbers, {2} clipped samples
    StatusMoreElements, // {1} the first element numbers, of more than are listed

    // The chart's cursor readout where there is no sample.
    ReadoutNoSignal,

    // The language submenu of the Help menu; each name is written so its own readers find it.
    MenuLanguage,
    MenuJapanese,
    MenuEnglish,

    // The menu bar, its menus and the element list's right-click menu; "\t" leads the shortcut.
    MenuFile,
    MenuEdit,
    MenuGenerate,
    MenuHelp,
    MenuExportCsv,
    MenuSaveOver,
    MenuSaveSettings,
    MenuLoadSettings,
    MenuExit,
    MenuUndo,
    MenuRedo,
    MenuCut,
    MenuCopy,
    MenuPaste,
    MenuDuplicate,
    MenuMoveUp,
    MenuMoveDown,
    MenuSelectAll,
    MenuContents,
    MenuAbout,
    MenuInsert,
    MenuEditElement,
    MenuDelete,
    MenuRepeat,
    MenuCopyChart,
    MenuOpenReference,
    MenuCloseReference,
    MenuSaveChartPicture,
    MenuStaircase,
    MenuSineSweep,
    MenuFormula,
    MenuEngineStart,
    MenuDips,

    // The main window's labels, buttons and list column headers.
    LabelOutputRange,
    LabelResolution,
    LabelDisplayPeriod,
    ButtonAppend,
    ButtonInsert,
    ButtonEdit,
    ButtonDelete,
    ColumnNumber,
    ColumnType,
    ColumnTime,
    ColumnParameters,

    // The parameter dialog's title, labels and button.
    DialogParameters,
    LabelWaveformType,
    LabelSubWaveformA,
    LabelSubWaveformB,
    ButtonCancel,

    // What became of a CSV export.
    ExportWritten,
    ExportCannotOpen,
    ExportWriteFailed,
    ExportNothingToExport,
    ExportChooseRangeAndResolution,
    ExportNonFiniteValue,
    ExportBadTime,

    // A paste the list refused: {1} line number, {2} what the line should hold.
    PasteRefused,

    // What a line of a settings file or of pasted elements should have held, where it did not;
    // {1} is the number the rule names (for the header, the header line).
    ReadLongLine,
    ReadHeader,
    ReadVersion,
    ReadRangeCode,
    ReadResolutionCode,
    ReadElementCount,
    ReadFunction,
    ReadSubFunctionA,
    ReadSubFunctionB,
    ReadParameter,
    ReadKeptWhenSaved,
    ReadFiniteTime,
    ReadSamplesFit,
    ReadElementLimit,
    ReadByteLimit,
    ReadRecoveryHeader,
    ReadRecoveryVersion,
    ReadRecoveryTime,
    ReadRecoverySaved,
    ReadRecoveryFile,
    ReadRecoveryEnd,
    ReadRecoverySize,
    // Where a read text went wrong and what should have stood there: {1} line, {2} expectation.
    ReadProblemAtLine,
    // {1} is what the line should have held, where the text ends instead.
    ReadFileEnded,
    ReadTextEnded,

    // The main window's title and the about box. The title is the program's name in both
    // languages: scripts and tests find the window by it.
    WindowTitle,
    AboutVersion, // {1} the version number

    // Titles of message boxes.
    TitleError,
    TitleConfirm,
    TitleExit,
    TitleWritten,
    TitleLoaded,

    // Questions before something is thrown away.
    AskExit,
    AskSaveChanges,
    AskRangeChange,
    AskResolutionChange,
    AskReplaceDocument,
    AskTypeChange,

    // What became of a command on the list or on a settings file.
    BudgetExceeded,
    SettingsWritten,
    SettingsCannotOpen,
    SettingsWriteFailed,
    SettingsNothingToSave,
    SettingsInvalid,
    SettingsLoaded,
    SettingsNotChosen,

    // The file dialogs' filter names.
    FilterSettingsFiles,
    FilterCsvFiles,
    FilterPngFiles,
    FilterReferenceFiles,
    // What became of the chart as a picture: {1} the file.
    PictureNotCopied,
    PictureNotWritten,
    PictureWritten,
    // Recovery copies of unsaved work.
    RecoveryQuestion,          // {1} the document's file name, {2} the copy's time
    RecoveryUnreadable,        // {1} the copy's path
    StatusRecoveryUnavailable, // the copies' folder cannot be written
    // What the import of a point file refused, and where: {1} line number, {2} the refusal.
    ImportAtLine,
    ImportCannotOpen,
    ImportTooLarge,
    ImportTooManyRows,
    ImportNoNumbers,
    ImportTooFewColumns,
    ImportNotANumber,
    ImportNotFinite,
    ImportTimeBackwards,
    ImportNeedsTimeStep,
    ImportNoRange,
    ImportNoResolution,
    ImportBadSetting,
    ImportOverflow,
    ImportHugeValue,
    ImportTooShort,
    ImportTooLong, // {1} seconds the data lasts, {2} the resolution's maximum
    // The import's summary, a line each: {1} a count, or a number and {2} the unit or maximum.
    ImportSummaryPoints,
    ImportSummaryElements,
    ImportSummaryDeviation,
    ImportSummaryDuration,
    ImportSummaryClipped,
    // The import dialog: its title, labels ({1} the range's unit label), choices and messages.
    ImportMenuItem,
    ImportDialogTitle,
    ImportFileLabel,
    ImportBrowse,
    ImportTimeColumn,
    ImportValueColumn,
    ImportNoTimeColumn,
    ImportColumn,      // {1} column number
    ImportNamedColumn, // {1} column number, {2} its name in the header
    ImportShapeLabel,
    ImportLinear,
    ImportSteps,
    ImportTolerance,
    ImportGain,
    ImportOffset,
    ImportTimeScale,
    ImportTimeStep,
    ImportRangeLabel,
    ImportResolutionLabel,
    ImportDocumentCodes, // {1} range, {2} resolution
    ImportOk,
    ImportCancel,
    ImportFileFilter,
    ImportPastedText,
    ImportFieldNotNumber, // {1} the field's label
    ImportNoRoom,         // {1} seconds of the data, {2} seconds left in the document
    // Measurements in the status bar: {1} start, {2} end, {3} seconds, {4} min, {5} max,
    // {6} mean, {7} RMS, {8} the range's unit; of the selected elements or the whole signal.
    StatusStatsSelection,
    StatusStatsWhole,
    // The signal against a reference: {1} the largest difference, {2} the unit, {3} its time.
    StatusReferenceDifference,
    StatusReferenceNoOverlap,
    // Generators: the dialog, the names of the generators, their fields ({1} the range's unit
    // label), what they refuse and why, and where in a formula.
    GenerateDialogTitle,
    GenerateKindLabel,
    GenerateStaircase,
    GenerateSineSweep,
    GenerateFormula,
    GenerateEngineStart,
    GenerateDips,
    GenerateRepeat,
    GenerateFrom,
    GenerateTo,
    GenerateSteps,
    GenerateDwell,
    GenerateRamp,
    GenerateUpDown,
    GenerateCycles,
    GenerateFromFrequency,
    GenerateToFrequency,
    GenerateDuration,
    GenerateAmplitude,
    GenerateOffset,
    GenerateLogarithmic,
    GenerateTolerance,
    GenerateExpression,
    GenerateSupply,
    GenerateLowLevel,
    GenerateCrankLevel,
    GenerateFall,
    GenerateLowTime,
    GenerateRise1,
    GenerateCrankTime,
    GenerateRise2,
    GeneratePause,
    GenerateRipple,
    GenerateRippleFrequency,
    GenerateNominal,
    GenerateTestLevels,
    GenerateDipDurations,
    GenerateRepeats,
    GenerateInterval,
    GenerateRepeatCount,
    GenerateFieldProblem,
    GenerateNotANumber,
    GenerateNotPositive,
    GenerateBelowMinimum,
    GenerateAboveMaximum,
    GenerateShorterThanSample,
    GenerateFrequencyTooHigh,
    GenerateNoValues,
    GenerateAtColumn,
    GenerateExpectedValue,
    GenerateExpectedOperator,
    GenerateExpectedOpen,
    GenerateExpectedClose,
    GenerateExpectedComma,
    GenerateBadCharacter,
    GenerateUnknownName,
    GenerateArgumentCount,
    GenerateFormulaTooLong,
    GenerateFormulaTooDeep,
    GenerateNotFinite,
    GenerateHugeValue,

    Count_ // not a text: the number of ids
};

inline constexpr std::size_t TextCount = static_cast<std::size_t>(TextId::Count_);

// The text (UTF-8) of an id in a language; empty only for Count_ and ids outside the table.
std::string_view text(TextId id, Language language);

// How many numbered arguments ("{1}", "{2}", ...) the id's texts take; 0 for plain texts.
int argumentCount(TextId id);

// The id's text with each "{n}" replaced by the n-th argument, in whatever order the language
// puts them. A "{n}" without an argument stays as it is, so a missing one shows rather than hides.
std::string formatText(TextId id, Language language, std::initializer_list<std::string_view> args);
