#pragma once

#include "requests/queue/target_change.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vn {

// A stored request's conditions, "Fields:" beside "Targets:", and the new target of the one
// chosen, typed or picked; "Replace Target", "Process" and "Return".
class TargetChangeView : public QWidget {
    Q_OBJECT
public:
    explicit TargetChangeView(QWidget* parent = nullptr);
    void render(const QString& name, const TargetChangeState& state);

signals:
    void rowChosen(int row);
    void targetTyped(const QString& text);
    void entryPicked(int entry);
    void replaceClicked();
    void processClicked();
    void returnClicked();

private:
    QWidget* buildTargets();
    QWidget* buildNewTarget();

    QLabel* m_name = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QListWidget* m_fields = nullptr;
    QListWidget* m_targets = nullptr;
    QLabel* m_editCaption = nullptr;
    QLineEdit* m_edit = nullptr;
    QLabel* m_listCaption = nullptr;
    QListWidget* m_entries = nullptr;
    QPushButton* m_replace = nullptr;
    int m_drawnRow = -2;
};

}  // namespace vn
