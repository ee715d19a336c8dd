#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vn {

// "Selection Options for": the entries of the text field being edited, shown beside the page in
// place of "Record Options...".
class SelectionPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SelectionPanel(QWidget* parent = nullptr);

    void showEntries(const QString& caption, const QStringList& entries, bool locked);
    QListWidget* list() const { return m_list; }

signals:
    void chosen(const QString& entry);
    void clearRequested();
    void exitRequested();

private:
    QLineEdit* m_field = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_lockedNote = nullptr;
};

}  // namespace vn
