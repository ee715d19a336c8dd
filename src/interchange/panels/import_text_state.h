#pragma once

#include "exchange/panels/panel_work.h"
#include "interchange/fields/field_ref.h"
#include "interchange/text/cut_settings.h"

#include <QList>
#include <QString>
#include <array>

namespace vn {

// A mapping check box: the header field or page text field it stands for, and the import field
// mapped to it (0: none).
struct TargetBox {
    QString caption;
    FieldRef target;
    int field = 0;
};

// A numbered piece of the split preview, marked once it is mapped to a box.
struct ImportFieldEntry {
    int number = 0;
    QString text;  // number + spaces + piece, as the list shows it
    bool marked = false;
};

enum class ProcessMethod : int { None = 0, Automatically = 1, LineByLine = 2 };

// The control the view puts the focus on next.
enum class ImportFocus { None, Size, Delimiter, Separator, Split };

// What the text import view shows; the widget draws itself from it.
struct ImportTextState {
    QString listCode;
    QString listTitle;
    QString fileName;  // the chosen file, empty before one is read

    bool methodsEnabled = false;
    FieldMethod method = FieldMethod::None;
    bool sizeShown = false;
    QString sizeText;
    bool delimitersShown = false;
    QString delimiterText;
    QString separatorText;
    bool splitEnabled = false;

    QList<ImportFieldEntry> importFields;
    int selectedField = 0;  // 0: none

    std::array<TargetBox, kHeaderFieldCount> headerBoxes;
    int shownPage = 1;
    QString pageGroupCaption;
    std::array<bool, 6> pageButtonsShown{};  // "Page 1" .. "Page 6"
    QList<TargetBox> pageBoxes;              // the shown page's text fields, at most 20
    int mappingCount = 0;

    bool mapSaveEnabled = false;  // "Save Map File...": a split and a mapping
    bool mapOpenEnabled = false;  // "Open Map File...": a text file
    bool clearEnabled = false;
    bool saveEnabled = false;
    bool processEnabled = false;  // "Process File..." and its two choices
    ProcessMethod process = ProcessMethod::None;
    bool startEnabled = false;
    bool acceptEnabled = false;  // "Accept Line" and "Skip Line"

    QString preview;
    QString counter;

    ImportFocus focus = ImportFocus::None;
    int focusRequest = 0;  // grows with every move of the focus asked for

    Gauge gauge;
};

}  // namespace vn
