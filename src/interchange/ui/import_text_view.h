#pragma once

#include "exchange/ui/panel_parts.h"
#include "interchange/panels/import_text_panel.h"

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vn {

class ChoiceGroup;
class LeavingEdit;
class TargetBoxGrid;

// Window 11's text import view; its rules are ImportTextPanel's.
class ImportTextView : public PanelView {
    Q_OBJECT
public:
    // The files the view asks for, and how: an open dialog, or a save dialog for map files.
    enum class FileRole { TextFile, OpenMap, SaveMap };
    using FileChooser = std::function<QString(FileRole)>;

    ImportTextView(Session& session, std::function<void()> close, QWidget* parent = nullptr);

    // Starts afresh on the current list; false, told, when there is none.
    bool open();
    // Tests answer the file dialogs through this.
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

private:
    void reopen() override {}
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

    QWidget* buildFileColumn();
    QWidget* buildFieldsColumn();
    QWidget* buildMappingColumn();
    QWidget* buildPreviewRow();
    void renderFileColumn(const ImportTextState& s);
    void renderFields(const ImportTextState& s);
    void renderMapping(const ImportTextState& s);
    void applyFocus(const ImportTextState& s);
    void clickTarget(const QList<TargetBox>& boxes, int index);
    void act(const std::function<void()>& action);
    void onLeaving(LeavingEdit* edit, void (ImportTextPanel::*enter)(const QString&, ImportTextPanel::Leave));
    QString chooseFile(FileRole role);

    Session& m_session;
    ImportTextPanel m_panel;
    std::function<void()> m_close;
    FileChooser m_chooseFile;
    int m_focusSeen = 0;

    QLabel* m_listCode = nullptr;
    QLabel* m_listTitle = nullptr;
    QLabel* m_fileName = nullptr;
    ChoiceGroup* m_methods = nullptr;
    QWidget* m_sizeGroup = nullptr;
    QLineEdit* m_size = nullptr;
    LeavingEdit* m_sizeLeaving = nullptr;
    QWidget* m_delimitersGroup = nullptr;
    QLineEdit* m_delimiter = nullptr;
    QLineEdit* m_separator = nullptr;
    LeavingEdit* m_delimiterLeaving = nullptr;
    LeavingEdit* m_separatorLeaving = nullptr;
    QPushButton* m_split = nullptr;
    ChoiceGroup* m_process = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_accept = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_help = nullptr;
    QTreeWidget* m_fields = nullptr;
    TargetBoxGrid* m_header = nullptr;
    TargetBoxGrid* m_page = nullptr;
    std::array<QPushButton*, 6> m_pageButtons{};
    QPushButton* m_clear = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_saveMap = nullptr;
    QPushButton* m_openMap = nullptr;
    QLineEdit* m_preview = nullptr;
    QLabel* m_counter = nullptr;
};

}  // namespace vn
