#pragma once

#include <QListWidget>

namespace vn {

// A list whose entries are chosen by a click or by Enter or Space on the current entry.
class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent = nullptr);
    void setEntries(const QStringList& entries);  // keeps the list as it is when nothing changed

signals:
    void chosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vn
