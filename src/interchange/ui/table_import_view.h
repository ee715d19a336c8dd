#pragma once

#include "exchange/ui/panel_parts.h"
#include "interchange/panels/table_import_panel.h"

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace vn {

class TargetBoxGrid;

// Window 11's Paradox, dBase and Access views, one widget shown with the kind it was opened for;
// its rules are TableImportPanel's.
class TableImportView : public PanelView {
    Q_OBJECT
public:
    // The file the find button asks for, by kind: an open dialog. Tests replace it.
    using FileChooser = std::function<QString(TableSource kind)>;

    TableImportView(Session& session, ForeignReaders readers, std::function<void()> close, QWidget* parent = nullptr);

    // Starts afresh on the current list; false, told, when there is none.
    bool open(TableSource kind);
    bool openSibling(const QString& path);
    void setReaders(ForeignReaders readers) { m_panel.setReaders(std::move(readers)); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

private:
    void reopen() override {}
    void render() override;
    void cancelWork() override { m_panel.cancel(); }

    QWidget* buildButtonColumn();
    QWidget* buildSourceColumn();
    QWidget* buildTargets();
    void renderSource(const TableImportState& s);
    void renderTargets(const TableImportState& s);
    void act(const std::function<void()>& action);
    QString chooseFile(TableSource kind);

    Session& m_session;
    TableImportPanel m_panel;
    std::function<void()> m_close;
    FileChooser m_chooseFile;
    int m_focusSeen = 0;

    QGroupBox* m_group = nullptr;
    QPushButton* m_instructions = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_return = nullptr;
    QLabel* m_fileName = nullptr;
    QLabel* m_listInfo = nullptr;
    QLabel* m_sourceCaption = nullptr;
    QListWidget* m_source = nullptr;
    QLabel* m_note = nullptr;
    TargetBoxGrid* m_header = nullptr;
    std::array<QTreeWidget*, 6> m_pages{};
};

}  // namespace vn
