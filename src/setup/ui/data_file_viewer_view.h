#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vn {

class ChoiceList;
class DataFileViewer;
class PasswordBox;
class Prompter;

// "Data File Viewer": the table files, the grid with its navigator, the counts, the write
// password and the key search.
class DataFileViewerView : public QWidget {
    Q_OBJECT
public:
    DataFileViewerView(DataFileViewer& viewer, Prompter& prompter, QWidget* parent = nullptr);
    void open();

signals:
    void closed();

private:
    QWidget* buildFiles();
    QWidget* buildGrid();
    QWidget* buildNavigator();
    QWidget* buildSearch();
    QPushButton* addButton(QWidget* parent, const QString& caption, const char* objectName);
    void connectSteps();
    template <typename Step>
    void act(Step&& step);
    void choose(int row);
    void moveTo(int row);
    void step(int delta);
    void render();

    DataFileViewer& m_viewer;
    Prompter& m_prompter;
    ChoiceList* m_files = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_first = nullptr;
    QPushButton* m_prior = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_last = nullptr;
    QList<QPushButton*> m_writing;  // delete, edit, post, cancel, refresh
    QLabel* m_recordCount = nullptr;
    QLabel* m_fieldCount = nullptr;
    PasswordBox* m_password = nullptr;
    QGroupBox* m_searchGroup = nullptr;
    QLineEdit* m_searchText = nullptr;
    QPushButton* m_findFirst = nullptr;
    QPushButton* m_exit = nullptr;
};

}  // namespace vn
