#pragma once

#include "requests/builder/report_choices.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vn {

class QueueNameBox;

class FieldListWidget;

// The print-field view ("Select Fields to Print...") and the sort view ("Select Sort Order..."):
// the field list with order numbers beside the ticked fields, and where the report goes; for a
// mail merge, the word processor that opens its file.
class ReportChoicesView : public QWidget {
    Q_OBJECT
public:
    QueueNameBox* queueBox() const { return m_queue; }
    explicit ReportChoicesView(QWidget* parent = nullptr);
    void render(const ReportChoicesState& state, const QString& matches);

signals:
    void pageClicked(int page);
    void fieldClicked(const FieldRef& field);
    void clearClicked();
    void continueClicked();
    void processClicked();
    void selectPrinterClicked();
    void openWordProcessorClicked();
    void summingClicked();
    void screenClicked();
    void printerClicked();
    void fileClicked();
    void reSelectClicked();

private:
    QWidget* buildButtons();
    QGroupBox* buildOutput();

    QLabel* m_title = nullptr;
    QGroupBox* m_group = nullptr;
    FieldListWidget* m_fields = nullptr;
    QLabel* m_matches = nullptr;
    QPlainTextEdit* m_hint = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_continue = nullptr;
    QPushButton* m_process = nullptr;
    QPushButton* m_selectPrinter = nullptr;
    QPushButton* m_summing = nullptr;
    QPushButton* m_wordProcessor = nullptr;
    QGroupBox* m_output = nullptr;
    QueueNameBox* m_queue = nullptr;
};

}  // namespace vn
