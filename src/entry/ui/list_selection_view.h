#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vn {

class Session;

// "Select Data List": the lists, the chosen list's facts and the list-level buttons.
class ListSelectionView : public QWidget {
    Q_OBJECT
public:
    ListSelectionView(Session& session, QWidget* parent = nullptr);
    void refresh();

signals:
    void currentListChanged();  // chosen, or removed with its form
    void openListRequested();

private:
    void choose();
    void enableListButtons(bool enabled);
    void download();
    void processDownload();
    void showWebButtons(bool download, bool process);

    Session& m_session;
    QListWidget* m_lists = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_deleteData = nullptr;
    QPushButton* m_deleteList = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_process = nullptr;
    QProgressBar* m_gauge = nullptr;  // over the downloaded file's lines
};

}  // namespace vn
