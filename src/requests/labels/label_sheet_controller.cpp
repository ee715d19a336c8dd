#include "requests/labels/label_sheet_controller.h"

#include "platform/prompter.h"
#include "requests/labels/label_file.h"
#include "requests/labels/label_print_layout.h"
#include "store/engine/store_error.h"
#include "store/settings/parameter_reading.h"

namespace vn {

namespace {

const QString kCurrentLabel = QStringLiteral("CurLabel");

QString sizeText(const LabelStock& stock) {
    return stock.width.toString() + QStringLiteral("\"   X  ") + stock.height.toString() + u'"';
}

}  // namespace

LabelSheetController::LabelSheetController(RecordAccess& access, Prompter& prompter, QString filesFolder,
                                           LabelSheetHooks hooks)
    : m_access(access), m_prompter(prompter), m_filesFolder(std::move(filesFolder)), m_hooks(std::move(hooks)) {}

void LabelSheetController::open(const LabelRun& run, const LabelSetup& setup) {
    m_run = run;
    m_setup = setup;
    m_labels.reset();
    m_stock.reset();
    m_sheet.fill();
    m_view = LabelSheetView{};
    m_view.printerEnabled = run.output != LabelOutput::Screen;
    m_view.processEnabled = run.output == LabelOutput::File;  // the file needs no sheet type
    clearPreview();
    QString last;
    try {
        LabelStockReading reading = readLabelStocks(m_access);
        m_stocks = std::move(reading.stocks);
        if (!reading.refusals.isEmpty()) m_prompter.warning(reading.refusals.join(u'\r'));
        last = readParameter(m_access, kCurrentLabel).value;
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    for (const LabelStock& stock : std::as_const(m_stocks)) m_view.stocks << stock.name;
    if (m_stocks.isEmpty()) return;
    // A type no longer listed (or none used yet): the first one.
    chooseStock(std::max(int(m_view.stocks.indexOf(last)), 0));
}

void LabelSheetController::chooseStock(int index) {
    if (index < 0 || index >= m_stocks.size()) return;
    clearPreview();
    m_stock = m_stocks[index];
    m_view.chosen = index;
    m_sheet.setCount(m_stock->perSheet);
    try {
        writeParameterValue(m_access, kCurrentLabel, m_stock->name);
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
    showStock();
    if (m_run.output == LabelOutput::Screen) process();
}

void LabelSheetController::toggle(int position) {
    if (!canMark()) return;
    m_sheet.toggle(position);
    showMarks();
}

void LabelSheetController::fullSheet() {
    if (!canMark()) return;
    m_sheet.fill();
    showMarks();
}

void LabelSheetController::emptySheet() {
    if (!canMark()) return;
    m_sheet.clear();
    showMarks();
}

void LabelSheetController::process() {
    if (m_run.output != LabelOutput::File && !m_stock) return;
    const QList<LabelLines>* all = labels();
    if (!all) return;
    switch (m_run.output) {
    case LabelOutput::Screen:
        m_paging = LabelPaging(all->size(), m_stock->perSheet);
        showPage();
        return;
    case LabelOutput::Printer:
        if (m_hooks.print) m_hooks.print(labelPrintout(*m_stock, m_sheet, *all));
        break;
    case LabelOutput::File:
        if (!writeLabelFile(m_filesFolder, *all, m_prompter)) return;
        break;
    }
    if (m_hooks.leave) m_hooks.leave();
}

void LabelSheetController::priorPage() {
    if (!m_paging) return;
    m_paging->prior();
    showPage();
}

void LabelSheetController::nextPage() {
    if (!m_paging) return;
    m_paging->next();
    showPage();
}

void LabelSheetController::showStock() {
    const LabelStock& stock = *m_stock;
    m_view.count = QString::number(stock.perSheet);
    m_view.grid = QStringLiteral("%1  X  %2").arg(stock.across).arg(stock.down);
    m_view.size = sizeText(stock);
    m_view.picture = sheetPictureSize(stock.previewSize);
    m_view.previewFontSize = stock.screenFontSize;
    m_view.marking = m_run.output != LabelOutput::Screen;
    m_view.processEnabled = true;
    m_view.cells.clear();
    for (int position = 1; position <= stock.perSheet; ++position)
        m_view.cells.append({position, labelCellRect(stock, position), m_sheet.present(position), {}});
}

void LabelSheetController::showMarks() {
    for (LabelCellView& cell : m_view.cells) cell.present = m_sheet.present(cell.position);
}

void LabelSheetController::showPage() {
    const LabelPaging& paging = *m_paging;
    const QList<LabelLines>& all = *m_labels;
    for (LabelCellView& cell : m_view.cells)
        cell.lines = cell.position <= paging.shown() ? all[paging.first() + cell.position - 1] : LabelLines{};
    m_view.labels = paging.labelsText();
    m_view.pages = paging.pagesText();
    m_view.page = paging.pageText();
    m_view.priorEnabled = paging.priorEnabled();
    m_view.nextEnabled = paging.nextEnabled();
}

void LabelSheetController::clearPreview() {
    m_paging.reset();
    for (LabelCellView& cell : m_view.cells) cell.lines.clear();
    const LabelSheetView unprocessed;
    m_view.labels = unprocessed.labels;
    m_view.pages = unprocessed.pages;
    m_view.page = unprocessed.page;
    m_view.priorEnabled = m_view.nextEnabled = false;
}

const QList<LabelLines>* LabelSheetController::labels() {
    if (!m_labels) {
        try {
            m_labels = readLabels(m_access, m_run.keys, m_setup);
        } catch (const StoreError& e) {
            m_prompter.error(e.message());
            return nullptr;
        }
    }
    return &*m_labels;
}

}  // namespace vn
