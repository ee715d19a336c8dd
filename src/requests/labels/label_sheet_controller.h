#pragma once

#include "platform/printing/printout.h"
#include "requests/labels/label_content.h"
#include "requests/labels/label_paging.h"
#include "requests/labels/label_run.h"
#include "requests/labels/label_sheet.h"

#include <QRect>
#include <functional>
#include <optional>

namespace vn {

class Prompter;
class RecordAccess;

// One position of the sheet picture as the window draws it.
struct LabelCellView {
    int position = 1;
    QRect rect;
    bool present = true;  // white; absent is grey
    LabelLines lines;     // the label previewed there
};

// Everything window 10 shows.
struct LabelSheetView {
    QStringList stocks;  // the Labe rows that could be read, in key order
    int chosen = -1;
    QString count, grid, size;  // the chosen type's three descriptions
    QSize picture;
    QList<LabelCellView> cells;  // positions 1 to the stock's count
    int previewFontSize = 8;
    bool marking = false;  // the cells can be marked present or absent
    bool printerEnabled = false;
    bool processEnabled = false;
    bool priorEnabled = false;
    bool nextEnabled = false;
    QString labels = QStringLiteral("Labels:  ");
    QString pages = QStringLiteral("Page(s):  ");
    QString page = QStringLiteral("Page:  ");
};

// What the window does for the controller: print a printout, go back to the request builder.
struct LabelSheetHooks {
    std::function<void(const Printout&)> print;
    std::function<void()> leave;
};

// The rules of window 10: the label sheet types, the marks of the first sheet, the screen
// preview page by page, printing and the label file. Read and write failures are told through
// the prompter; the window stays usable.
class LabelSheetController {
public:
    LabelSheetController(RecordAccess& access, Prompter& prompter, QString filesFolder, LabelSheetHooks hooks);

    // A label run from the request builder: the types are read again and the last one used is
    // chosen; the first sheet starts full.
    void open(const LabelRun& run, const LabelSetup& setup);
    void chooseStock(int index);
    void toggle(int position);
    void fullSheet();
    void emptySheet();
    void process();
    void priorPage();
    void nextPage();

    const LabelSheetView& view() const { return m_view; }

private:
    void showStock();
    void showPage();
    void clearPreview();
    // The run's labels, read once; null when they could not be read (the reason was told).
    const QList<LabelLines>* labels();
    bool canMark() const { return m_stock && m_run.output != LabelOutput::Screen; }
    void showMarks();

    RecordAccess& m_access;
    Prompter& m_prompter;
    QString m_filesFolder;
    LabelSheetHooks m_hooks;
    LabelRun m_run;
    LabelSetup m_setup;
    QList<LabelStock> m_stocks;
    std::optional<LabelStock> m_stock;
    LabelSheet m_sheet;
    std::optional<QList<LabelLines>> m_labels;
    std::optional<LabelPaging> m_paging;  // once the preview has been processed
    LabelSheetView m_view;
};

}  // namespace vn
