#pragma once

#include "interchange/import/import_mapping.h"
#include "interchange/panels/import_text_state.h"
#include "interchange/text/import_text.h"

#include <memory>
#include <optional>

namespace vn {

class DefinitionCache;
class ImportRun;
class Session;

// The rules of window 11's text import view: a text file of the current list is read, cut by a
// field method, its numbered fields are mapped by clicks onto header and page text fields, and
// each line becomes a record, all at once or line by line. The view draws state() after each call.
class ImportTextPanel {
public:
    ImportTextPanel(Session& session, PanelHost& host);
    ~ImportTextPanel();

    const ImportTextState& state() const { return m_state; }

    // Starts afresh on the current list; false, saying so, when there is none.
    [[nodiscard]] bool open();

    // How an entry box was left: by the Enter key (the focus moves on) or by the focus.
    enum class Leave { Enter, Focus };

    void selectFile(const QString& path);
    void chooseMethod(FieldMethod method);
    void enterSize(const QString& text, Leave how);
    void enterDelimiter(const QString& text, Leave how);
    void enterSeparator(const QString& text, Leave how);
    void split();

    void selectField(int number);
    // A header or page box clicked: maps the selected import field there, or unmaps the box.
    void clickBox(FieldRef target);
    void showPage(int page);
    void clearMapping();
    void saveMapping();

    void chooseProcess(ProcessMethod method);
    void start();
    void accept();
    void skip();
    void stop();  // "Stop/Return": ends a run; records imported stay
    void help();
    void cancel() { m_work.cancel(); }

    // Map files: the field method's settings and the mapping, written and read back.
    void saveMapFile(const QString& path);
    void openMapFile(const QString& path);

private:
    CutSettings enteredSettings() const;
    void requestFocus(ImportFocus focus);
    void takeMethodEntry(QString& stored, const QString& text, bool valid, Leave how, ImportFocus own, bool beep);
    void showLine(const QString& text);
    void loadFile(const QString& path, TextFileLines lines);
    std::optional<QList<ImportRecord>> readAndCut(const CutSettings& settings, std::optional<TextCharset> charset);
    void useSplit(const CutSettings& settings, const QList<ImportRecord>& records);
    void fillImportFields(const QStringList& pieces);
    void mappingChanged();
    void refreshMapping();
    void refreshEnabling();
    void runAutomatically();
    void showRunRecord();
    void moveOn();
    void finishRun();
    void tellProblem(const QString& path, const TextProblem& problem);

    Session& m_session;
    std::shared_ptr<const DefinitionCache> m_definitions;
    ImportTextState m_state;
    TextFileLines m_lines;
    std::optional<CutSettings> m_split;  // the settings the import fields were split with
    int m_skip = 0;                      // heading lines a map file says to pass over
    std::optional<TextCharset> m_charset;
    ImportMapping m_mapping;
    bool m_saved = false;
    std::unique_ptr<ImportRun> m_run;  // a line-by-line run under way
    int m_next = 0;
    PanelWork m_work;
};

}  // namespace vn
