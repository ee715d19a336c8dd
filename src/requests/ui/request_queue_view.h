#pragma once

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vn {

// The stored requests of the current list: the list, the chosen one's text, "Pre - Process",
// "Delete" and "Exit".
class RequestQueueView : public QWidget {
    Q_OBJECT
public:
    explicit RequestQueueView(QWidget* parent = nullptr);
    // Lists the keys, nothing chosen.
    void showKeys(const QStringList& keys);
    // The chosen request's text; "Pre - Process" and "Delete" offered.
    void showChosen(const QString& text);

signals:
    void chosen(const QString& key);
    void preProcessClicked(const QString& key);
    void deleteClicked(const QString& key);
    void exitClicked();

private:
    QString chosenKey() const;

    QListWidget* m_keys = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_preProcess = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace vn
