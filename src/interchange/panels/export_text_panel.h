#pragma once

#include "exchange/panels/panel_work.h"
#include "interchange/export/field_order.h"
#include "interchange/panels/export_choices.h"
#include "interchange/panels/export_page_boxes.h"

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace vn {

class DefinitionCache;
class LineByLineExport;
class Session;

struct ExportTextState {
    QString listCode;
    QString listTitle;
    ExportPageBoxes boxes;  // the shown page
    QString pageCaption;    // "Page One Fields..."
    std::array<bool, 6> pageButtons{};  // the defined pages: page 1 always
    ExportChoices choices;
    bool processEnabled = false;
    bool acceptEnabled = false;
    bool skipEnabled = false;
    bool fileOpen = false;
    QString textLine;
    bool textLineShowsRecord = false;  // "Current Text Line..." rather than "Text Line..."
    ExportFocus focus = ExportFocus::None;  // where the last action put the focus
    Gauge gauge;
};

// The rules of the export view for text files (and CSV and workbooks): the header and page boxes
// of the current list, the field order they build, the method, mode and option, and the runs.
class ExportTextPanel {
public:
    static constexpr const char* kCannotCreate =
        "Export File can not be created!  Contact your Varnedo State Program Supporter.";
    static constexpr const char* kNoList = "No data list is open.  Choose one with \"Select List Form\" first.";

    ExportTextPanel(Session& session, PanelHost& host);
    ~ExportTextPanel();

    const ExportTextState& state() const { return m_state; }
    const FieldOrder& order() const { return m_order; }
    std::optional<int> orderNumber(FieldRef field) const { return m_order.numberOf(field); }
    // Where the last action wants the keyboard focus, once.
    ExportFocus takeFocus() { return std::exchange(m_state.focus, ExportFocus::None); }

    // "Export To Text File": false, saying so, without a current list.
    bool open();
    void showPage(int page);

    void toggleHeader(int column);  // 1-15
    void toggleBox(FieldRef field);  // a box of the shown page
    void toggleCell(int row, int column);
    void exportAllOnPage();
    void clearOrder();

    void chooseMethod(ExportMethod method);
    void editSize(const QString& text);
    void leaveSize();
    void enterSize();
    void editDelimiter(const QString& text);
    void leaveDelimiter();
    void enterDelimiter();
    void editSeparator(const QString& text);
    void leaveSeparator();
    void enterSeparator();
    void chooseMode(ExportMode mode);
    void chooseOption(SelectionOutput option);
    void chooseCharset(TextCharset charset);
    void setByteOrderMark(bool on);
    void setGuardFormulas(bool on);

    // The text file's place: the exchange folder's export.vnd. CSV and workbooks go where the
    // user chooses (suggestedPath first).
    QString textFilePath() const;
    bool asksForPath() const { return !m_state.choices.writesTextFile(); }
    QString suggestedPath() const;
    void process(const QString& chosenPath = {});

    // Layout files keep the field order and the method, size, delimiters, character set and
    // selection-list option. A file that cannot be written or read is told, naming it (and the
    // line); nothing changes then. Opening is refused while a line-by-line run is open.
    QString suggestedLayoutPath() const;
    void saveLayout(const QString& path);
    void openLayout(const QString& path);
    void acceptRecord();
    void skipRecord();
    // "Return": a line-by-line run ends, its accepted lines kept.
    void leaveView();
    void cancel() { m_work.cancel(); }

private:
    void choose(const OrderEntry& entry);
    void toggle(const OrderEntry& entry);
    void editText(QString ExportChoices::*edit, const QString& text);
    QString exchangePath(const QString& name) const;
    void changed();
    void rebuildPreview();
    ExportPlan plan(const QString& path) const;
    void runAutomatically(const ExportPlan& plan);
    void startLineByLine(const ExportPlan& plan);
    void offerNext();
    void finishLineByLine(bool tell);
    void closeFile();
    void tellCannotCreate(const QString& failure);
    void tellDone(const QString& path, const ExportSummary& summary);

    Session& m_session;
    PanelHost& m_host;
    std::shared_ptr<const DefinitionCache> m_definitions;
    FieldOrder m_order;
    ExportTextState m_state;
    bool m_armed = false;  // a run disables "Process / Create File" until the next change
    QString m_path;        // the open file's
    std::unique_ptr<LineByLineExport> m_lineRun;
    PanelWork m_work;
};

}  // namespace vn
