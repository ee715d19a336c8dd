#pragma once

#include "requests/builder/builder_state.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace vn {

class QueueNameBox;

class BuilderDriver;
class ConnectorPanel;
class FieldListWidget;
class TargetPanel;

// The builder's view: the request text, "Matches...", the field list (or, after a List
// request, the records found), the target, connector and parenthesis controls, "Print List",
// "Add to SQL Request Queue List..." and the hint box.
class BuilderView : public QWidget {
    Q_OBJECT
public:
    QueueNameBox* queueBox() const { return m_queue; }
    BuilderView(BuilderDriver& drive, QWidget* parent = nullptr);
    void render(const BuilderState& state);

    // The progress of an evaluation; hidden again by finishProgress.
    void showProgress(qint64 done, qint64 total);
    void finishProgress();
    void setPrintListAvailable(bool available);

signals:
    void processClicked();
    void printListClicked();
    void continueClicked();  // back to a stored request's targets
    void matchChosen(int row);

private:
    QWidget* buildTop();
    QWidget* buildResults();
    QWidget* buildBottom();
    void renderResults(const BuilderState& state);

    BuilderDriver& m_drive;
    QLabel* m_request = nullptr;
    QLabel* m_matches = nullptr;
    QStackedWidget* m_left = nullptr;
    FieldListWidget* m_fields = nullptr;
    QWidget* m_results = nullptr;
    QListWidget* m_resultList = nullptr;
    QStringList m_drawnKeys;
    TargetPanel* m_targets = nullptr;
    ConnectorPanel* m_connectors = nullptr;
    QPushButton* m_printList = nullptr;
    QPushButton* m_continue = nullptr;
    QPlainTextEdit* m_hint = nullptr;
    QueueNameBox* m_queue = nullptr;
    QProgressBar* m_progress = nullptr;
};

}  // namespace vn
