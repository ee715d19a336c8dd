#pragma once

#include "interchange/export/export_run.h"
#include "interchange/text/cut_settings.h"

#include <QString>

namespace vn {

// The field methods the export view offers: the text file's three, then CSV and a workbook.
enum class ExportMethod : int { None = 0, FixedLength = 1, Delimited = 2, Tab = 3, Csv = 4, Xlsx = 5 };
enum class ExportMode : int { None = 0, Automatically = 1, LineByLine = 2 };

// Where the view puts the keyboard focus after an edit was left or Enter was pressed.
enum class ExportFocus { None, Size, Delimiter, Separator, Process, Return };

// The view's method, its size, delimiter and separator, the mode and the selection-list option,
// with the rules of their edits. Everything else of the view reads whether they are complete.
struct ExportChoices {
    ExportMethod method = ExportMethod::None;
    QString sizeText;
    QString delimiterText;
    QString separatorText;
    ExportMode mode = ExportMode::None;
    bool optionChosen = false;
    SelectionOutput option = SelectionOutput::Text;
    TextCharset charset = TextCharset::Windows1252;
    bool byteOrderMark = true;  // CSV
    bool guardFormulas = true;  // CSV

    bool writesTextFile() const { return method >= ExportMethod::FixedLength && method <= ExportMethod::Tab; }
    // CSV and workbooks are written whole; the text file in either mode.
    bool runsAutomatically() const { return !writesTextFile() || mode == ExportMode::Automatically; }
    bool methodReady() const;
    bool modeReady() const { return !writesTextFile() || mode != ExportMode::None; }
    bool complete() const { return methodReady() && modeReady() && optionChosen; }

    CutSettings cutSettings() const;
    ExportFormat format() const;

    // Leaving an edit: a text the edit refuses is emptied (with a beep for the one-character
    // edits); the focus stays then. Enter applies the same rule, then moves on.
    ExportFocus leaveSize();
    ExportFocus leaveDelimiter(bool& beep);
    ExportFocus leaveSeparator(bool& beep, ExportFocus next);
};

}  // namespace vn
