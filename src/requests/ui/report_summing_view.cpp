#include "requests/ui/report_summing_view.h"

#include "platform/ui/named_button.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vn {

namespace {

// A list entry: the print order (one digit after a space), the page and the caption.
QString breakEntry(const PrintField& field) {
    return QStringLiteral("%1   %2   %3").arg(field.printOrder, 2).arg(field.field.page).arg(field.caption);
}

QListWidget* breakList(const char* caption, const char* name, QWidget* parent, QGridLayout* layout, int column) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    label->setBuddy(list);
    layout->addWidget(label, 0, column);
    layout->addWidget(new QLabel(QStringLiteral("Print Order   Page (0 = Header)   Field Name"), parent), 1, column);
    layout->addWidget(list, 2, column, 2, 1);
    return list;
}

void fill(QListWidget* list, QList<FieldRef>& fields, const QList<PrintField>& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    fields.clear();
    for (const PrintField& p : entries) {
        list->addItem(breakEntry(p));
        fields << p.field;
    }
}

}  // namespace

ReportSummingView::ReportSummingView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("reportSummingView"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("SQL Report Summing Operations..."), this);
    title->setObjectName(QStringLiteral("summingTitle"));
    layout->addWidget(title);
    layout->addWidget(buildTotals());
    layout->addWidget(buildModes());
    layout->addWidget(buildBreaks(), 1);
    m_process = namedButton(QStringLiteral("Process My Request"), "processSummingButton", this);
    layout->addWidget(m_process, 0, Qt::AlignLeft);
    connect(m_process, &QPushButton::clicked, this, &ReportSummingView::processClicked);
}

QWidget* ReportSummingView::buildTotals() {
    auto* group = new QGroupBox(QStringLiteral("Numeric Fields Found For Report Printing..."), this);
    group->setObjectName(QStringLiteral("numericFieldsGroup"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Print Vertical (Column) Totals for:"), group));
    m_columns = new QScrollArea(group);  // up to 20 columns
    m_columns->setObjectName(QStringLiteral("sumColumns"));
    m_columns->setWidgetResizable(true);
    layout->addWidget(m_columns);
    auto* row = new QHBoxLayout;
    QPushButton* none = namedButton(QStringLiteral("None"), "noTotalsButton", group);
    QPushButton* all = namedButton(QStringLiteral("All"), "allTotalsButton", group);
    row->addWidget(none);
    row->addWidget(all);
    row->addStretch(1);
    layout->addLayout(row);
    connect(none, &QPushButton::clicked, this, [this] { emit allTotalsClicked(false); });
    connect(all, &QPushButton::clicked, this, [this] { emit allTotalsClicked(true); });
    return group;
}

QWidget* ReportSummingView::buildModes() {
    auto* modes = new QWidget(this);
    auto* layout = new QVBoxLayout(modes);
    layout->setContentsMargins(0, 0, 0, 0);
    m_full = new QRadioButton(QStringLiteral("Full Report (Prints all data in report)"), modes);
    m_full->setObjectName(QStringLiteral("fullReportRadio"));
    m_sumsOnly = new QRadioButton(
        QStringLiteral("Sums Only  (Prints only subtotals and totals and  the value of the breaking field upon subtotal)"), modes);
    m_sumsOnly->setObjectName(QStringLiteral("sumsOnlyRadio"));
    layout->addWidget(m_full);
    layout->addWidget(m_sumsOnly);
    connect(m_full, &QRadioButton::clicked, this, [this] { emit modeChosen(SummingMode::FullReport); });
    connect(m_sumsOnly, &QRadioButton::clicked, this, [this] { emit modeChosen(SummingMode::SumsOnly); });
    return modes;
}

QWidget* ReportSummingView::buildBreaks() {
    auto* group = new QGroupBox(QStringLiteral("Print Subtotals Upon Changing Selected Form Field(s) Values:"), this);
    group->setObjectName(QStringLiteral("subtotalGroup"));
    auto* layout = new QGridLayout(group);
    m_available = breakList("Available Field(s)...", "availableBreakList", group, layout, 0);
    m_select = namedButton(QStringLiteral(">>>"), "selectBreakButton", group);
    m_unselect = namedButton(QStringLiteral("<<<"), "unselectBreakButton", group);
    layout->addWidget(m_select, 2, 1);
    layout->addWidget(m_unselect, 3, 1);
    m_selected = breakList("Selected Field(s)...", "selectedBreakList", group, layout, 2);
    auto* note = new QLabel(QStringLiteral("Note: Fields selected for subtotal breaking should in general be fields that "
                                           "have been selected as primary or secondary sorts."),
                            group);
    note->setWordWrap(true);
    layout->addWidget(note, 4, 0, 1, 3);
    // A move button waits for a click into its list.
    connect(m_available, &QListWidget::itemClicked, m_select, [this] { m_select->setEnabled(true); });
    connect(m_selected, &QListWidget::itemClicked, m_unselect, [this] { m_unselect->setEnabled(true); });
    connect(m_select, &QPushButton::clicked, this, [this] {
        const int row = m_available->currentRow();
        if (row >= 0 && row < m_availableFields.size()) emit breakSelected(m_availableFields[row]);
    });
    connect(m_unselect, &QPushButton::clicked, this, [this] {
        const int row = m_selected->currentRow();
        if (row >= 0 && row < m_selectedFields.size()) emit breakUnselected(m_selectedFields[row]);
    });
    return group;
}

void ReportSummingView::render(const ReportChoicesState& state) {
    fillColumns(state);
    m_full->setChecked(state.summingMode == SummingMode::FullReport);
    m_sumsOnly->setChecked(state.summingMode == SummingMode::SumsOnly);
    fill(m_available, m_availableFields, state.availableBreaks);
    fill(m_selected, m_selectedFields, state.selectedBreaks);
    m_select->setEnabled(false);
    m_unselect->setEnabled(false);
    m_process->setEnabled(state.summingProcessEnabled);
}

// One row per column: its print order, its page and its totals box. The rows are made again
// only for other columns; the old ones may hold the box being clicked, so they go later.
void ReportSummingView::fillColumns(const ReportChoicesState& state) {
    QList<FieldRef> fields;
    for (const SumColumn& column : state.sumColumns) fields << column.field;
    if (fields != m_columnFields || m_totals.isEmpty() != state.sumColumns.isEmpty()) {
        m_columnFields = fields;
        buildColumns(state);
    }
    for (qsizetype i = 0; i < m_totals.size() && i < state.sumColumns.size(); ++i) {
        const QSignalBlocker quiet(m_totals[i]);
        m_totals[i]->setChecked(state.sumColumns[i].totals);
    }
}

void ReportSummingView::buildColumns(const ReportChoicesState& state) {
    if (QWidget* old = m_columns->takeWidget()) old->deleteLater();
    m_totals.clear();
    const QList<PrintField> printed = state.availableBreaks + state.selectedBreaks;
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->addWidget(new QLabel(QStringLiteral("Print Order"), rows), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Page"), rows), 0, 1);
    for (qsizetype i = 0; i < state.sumColumns.size(); ++i) {
        const SumColumn& column = state.sumColumns[i];
        int order = 0;
        for (const PrintField& p : printed)
            if (p.field == column.field) order = p.printOrder;
        const int r = int(i + 1);
        grid->addWidget(new QLabel(QString::number(order), rows), r, 0);
        grid->addWidget(new QLabel(QString::number(column.field.page), rows), r, 1);
        auto* box = new QCheckBox(column.caption, rows);
        box->setObjectName(QStringLiteral("totals%1Check").arg(i + 1));
        connect(box, &QCheckBox::toggled, this, [this, i] { emit totalsClicked(i); });
        grid->addWidget(box, r, 2);
        m_totals << box;
    }
    grid->setColumnStretch(3, 1);
    m_columns->setWidget(rows);
}

}  // namespace vn
