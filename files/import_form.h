// The import dialog without its window: what its fields hold, what they make of the points and
// what it shows, so that every rule of the dialog is tested natively.
#pragma once

#include "files/point_reader.h"
#include "model/point_import.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <optional>
#include <string>
#include <vector>

struct ImportForm {
    std::string text; // what is imported: a file's bytes or pasted text
    int timeColumn = DefaultColumn;
    int valueColumn = DefaultColumn;
    ImportShape shape = ImportShape::Linear;
    // The number fields as typed.
    std::string tolerance = "0";
    std::string gain = "1";
    std::string offset = "0";
    std::string timeScale = "1";
    std::string timeStep;
    // The document's range and resolution, or the ones chosen in the dialog while it has none.
    int rangeCode = -1;
    int resolutionCode = -1;
    bool offersCodes = false;
    double usedTime = 0.0; // seconds the document's elements already take
};

// The form for a text: steps for a replay file and lines otherwise, and while the document has no
// range or resolution the ones the points suggest.
ImportForm startImportForm(std::string text, const SignalDocument& doc);

// What the form makes: the points read, the elements when they can be made, the summary or the
// refusal (a line each), and the columns for the combos: one per column of the first row of
// numbers ("1: time" with the header's name, "1列" without), read with the first two columns
// when the chosen ones refuse the text. The time column combo offers "なし" before them.
struct ImportPreview {
    PointReadResult read;
    std::optional<PointReadOptions> readWith; // how read was read; none before a read
    ImportResult made;
    std::vector<std::string> lines;
    std::vector<std::string> columns;
    bool ok = false;
};

// A preview of the same text that was read with the same columns and time step hands on its
// points: a change of gain, offset, scale, tolerance, shape, range or resolution does not read a
// long text again.
ImportPreview previewImport(const ImportForm& form, Language language, ImportPreview earlier = {});

// What a dialog that makes elements shows of them: the document's range and resolution where
// they are not offered, then the lines, each ending in CR LF as a static control breaks them.
std::string summaryText(const std::vector<std::string>& lines, bool offersCodes, int rangeCode,
                        int resolutionCode, Language language);

// Whether elements of this summary fit the time the document's elements leave of the
// resolution's maximum; when they do not, a line in lines says so.
bool fitsTheTimeLeft(const ImportSummary& summary, double usedTime, int resolutionCode,
                     Language language, std::vector<std::string>& lines);

// Whether pasted text that is not element text is points to import instead: two or more columns
// of numbers, as a spreadsheet puts them on the clipboard.
bool isPointColumns(std::string_view text);

// A number field: a decimal number, blanks around it allowed; none otherwise.
std::optional<double> fieldNumber(std::string_view text);

// Numbers separated by commas, each as fieldNumber reads it; none when any is not one.
std::optional<std::vector<double>> fieldNumbers(std::string_view text);
