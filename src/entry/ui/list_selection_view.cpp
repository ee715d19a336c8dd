#include "entry/ui/list_selection_view.h"

#include "entry/session/download_processor.h"
#include "entry/session/list_choice.h"
#include "entry/ui/form_printing.h"
#include "exchange/web/web_logon.h"
#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

namespace vn {

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(true);
    return b;
}

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

ListSelectionView::ListSelectionView(Session& session, QWidget* parent) : QWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("listSelectionView"));
    auto* layout = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    m_lists = new QListWidget(this);
    m_lists->setObjectName(QStringLiteral("currentListsList"));
    m_lists->setAccessibleName(QStringLiteral("Current Data Lists"));
    form->addRow(QStringLiteral("Current Data Lists..."), m_lists);
    layout->addLayout(form, 1);
    auto* facts = new QFormLayout;
    m_code = valueLabel("listCodeLabel", this);
    m_title = valueLabel("listTitleLabel", this);
    m_description = valueLabel("listDescriptionLabel", this);
    facts->addRow(QStringLiteral("Code"), m_code);
    facts->addRow(QStringLiteral("Title"), m_title);
    facts->addRow(QStringLiteral("Description"), m_description);
    m_open = button(QStringLiteral("Open List"), "openListButton", this);
    m_deleteData = button(QStringLiteral("Delete List Data"), "deleteListDataButton", this);
    m_deleteList = button(QStringLiteral("Delete Form and List"), "deleteFormAndListButton", this);
    m_print = button(QStringLiteral("Print Form"), "printFormButton", this);
    m_download = button(QStringLiteral("Download Web Based Data Collected by this Form Now."), "downloadButton", this);
    m_process = button(QStringLiteral("Process Downloaded Data"), "processDownloadButton", this);
    for (QPushButton* b : {m_open, m_deleteData, m_deleteList, m_print, m_download, m_process}) facts->addRow(b);
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("downloadGauge"));
    m_gauge->setAccessibleName(QStringLiteral("Downloaded data processed"));
    facts->addRow(m_gauge);
    layout->addLayout(facts, 1);
    connect(m_lists, &QListWidget::itemClicked, this, [this] { choose(); });
    connect(m_open, &QPushButton::clicked, this, &ListSelectionView::openListRequested);
    connect(m_deleteData, &QPushButton::clicked, this, [this] {
        try {
            DeleteListData(m_session, m_session.currentListCode);
        } catch (const StoreError& e) {
            m_session.prompter.error(e.message());
        }
        m_deleteData->setEnabled(false);
    });
    connect(m_print, &QPushButton::clicked, this, [this] { printBlankForm(m_session); });
    connect(m_download, &QPushButton::clicked, this, [this] { download(); });
    connect(m_process, &QPushButton::clicked, this, [this] { processDownload(); });
    connect(m_deleteList, &QPushButton::clicked, this, [this] {
        try {
            if (DeleteFormAndList(m_session, m_session.currentListCode)) {
                refresh();
                emit currentListChanged();
            }
        } catch (const StoreError& e) {
            m_session.prompter.error(e.message());
        }
        for (QPushButton* b : {m_deleteData, m_deleteList, m_print}) b->setEnabled(false);
    });
}

void ListSelectionView::refresh() {
    m_lists->clear();
    m_lists->addItems(ListEntries(m_session));
    m_code->clear();
    m_title->clear();
    m_description->clear();
    enableListButtons(false);
}

void ListSelectionView::enableListButtons(bool enabled) {
    m_open->setEnabled(enabled);
    m_deleteData->setEnabled(enabled);
    m_deleteList->setEnabled(enabled);
    m_print->setEnabled(enabled);
    showWebButtons(enabled, false);
}

void ListSelectionView::showWebButtons(bool download, bool process) {
    m_download->setVisible(download);
    m_download->setEnabled(download);
    m_process->setVisible(process);
    m_process->setEnabled(process);
    m_gauge->setVisible(process);
    m_gauge->reset();
}

// The logon refuses while the last download waits; either way that file can be processed next.
void ListSelectionView::download() {
    dataDownloadLogon(m_session);
    showWebButtons(true, true);
    m_download->setEnabled(false);
}

void ListSelectionView::processDownload() {
    const InstallationIdentity& id = m_session.identity;
    qint64 shown = -1;
    const auto step = [this, &shown](qint64 done, qint64 total) {
        if (done == total || done - shown >= qMax<qint64>(1, total / 200)) {
            shown = done;
            m_gauge->setMaximum(int(qMin<qint64>(total, INT_MAX)));
            m_gauge->setValue(int(qMin<qint64>(done, INT_MAX)));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return true;
    };
    try {
        const DownloadResult result = ProcessDownload(m_session.access, m_session.folders.base(), id.stateCode, id.countyCode, step);
        if (!result.fileFound) {
            m_session.prompter.beep();
            m_session.prompter.information(result.message);
            m_process->setEnabled(false);
            return;
        }
        m_session.prompter.information(downloadSummary(result));
        showWebButtons(false, false);
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

void ListSelectionView::choose() {
    QListWidgetItem* item = m_lists->currentItem();
    if (!item) return;
    try {
        const ListFacts facts = ChooseList(m_session, item->text());
        if (!facts.exists()) return;
        m_code->setText(facts.code);
        m_title->setText(facts.title);
        m_description->setText(facts.description);
        enableListButtons(true);
        emit currentListChanged();
    } catch (const StoreError& e) {
        m_session.prompter.error(e.message());
    }
}

}  // namespace vn
