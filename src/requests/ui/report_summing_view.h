#pragma once

#include "requests/builder/report_choices.h"

#include <QWidget>

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vn {

// "SQL Report Summing Operations...": which numeric columns are totalled, the summing mode and
// the fields whose change prints a subtotal row.
class ReportSummingView : public QWidget {
    Q_OBJECT
public:
    explicit ReportSummingView(QWidget* parent = nullptr);
    void render(const ReportChoicesState& state);

signals:
    void totalsClicked(qsizetype column);
    void allTotalsClicked(bool on);
    void modeChosen(SummingMode mode);
    void breakSelected(const FieldRef& field);
    void breakUnselected(const FieldRef& field);
    void processClicked();

private:
    QWidget* buildTotals();
    QWidget* buildModes();
    QWidget* buildBreaks();
    void fillColumns(const ReportChoicesState& state);
    void buildColumns(const ReportChoicesState& state);

    QScrollArea* m_columns = nullptr;
    QRadioButton* m_full = nullptr;
    QRadioButton* m_sumsOnly = nullptr;
    QListWidget* m_available = nullptr;
    QListWidget* m_selected = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_unselect = nullptr;
    QPushButton* m_process = nullptr;
    QList<FieldRef> m_columnFields;
    QList<QCheckBox*> m_totals;
    QList<FieldRef> m_availableFields;
    QList<FieldRef> m_selectedFields;
};

}  // namespace vn
