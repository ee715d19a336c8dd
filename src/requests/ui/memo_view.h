#pragma once

#include "requests/memo/memo_entries.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vn {

// "Memo Printing...": the memos of the matched records; the selected ones are printed.
class MemoView : public QWidget {
    Q_OBJECT
public:
    explicit MemoView(QWidget* parent = nullptr);

    // Lists the entries afresh, none selected.
    void showMemos(int recordCount, QList<MemoEntry> entries, const QStringList& memoNames);

signals:
    // The selected entries in list order.
    void printClicked(const QList<MemoEntry>& chosen);
    void returnClicked();

private:
    QWidget* buildList();
    QWidget* buildSelection();
    void selectionChanged();
    QList<MemoEntry> chosen() const;

    QList<MemoEntry> m_entries;
    QLabel* m_records = nullptr;
    QLabel* m_memos = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_selected = nullptr;
    QPushButton* m_print = nullptr;
};

}  // namespace vn
