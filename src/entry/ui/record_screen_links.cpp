// The record screen's links to the sibling products: "Select Linked Header Record", a linked
// page field's selection view and "Update Linked Records".
#include "entry/ui/record_screen.h"

#include "lists/definitions/definition_cache.h"
#include "entry/session/entry_session.h"
#include "entry/ui/field_checker.h"
#include "entry/ui/header_link_view.h"
#include "entry/ui/linked_field_view.h"
#include "entry/ui/page_form.h"
#include "platform/prompter.h"
#include "store/engine/store_error.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vn {

void RecordScreen::addLinkButtons(QWidget* box, QVBoxLayout* layout) {
    m_linkHeaderButton = new QPushButton(QStringLiteral("Select Linked Header Record"), box);
    m_linkHeaderButton->setObjectName(QStringLiteral("linkHeaderButton"));
    m_updateLinkedButton = new QPushButton(QStringLiteral("Update Linked Records"), box);
    m_updateLinkedButton->setObjectName(QStringLiteral("updateLinkedButton"));
    layout->addWidget(m_linkHeaderButton);
    layout->addWidget(m_updateLinkedButton);
    connect(m_linkHeaderButton, &QPushButton::clicked, this, [this] { openHeaderLink(); });
    connect(m_updateLinkedButton, &QPushButton::clicked, this, [this] { updateLinkedRecords(); });
}

void RecordScreen::refreshLinkButtons() {
    m_linkHeaderButton->setEnabled(m_session.headerLinkOffered());
    m_updateLinkedButton->setEnabled(m_session.updateLinkedEnabled());
}

// A value typed into another box is checked and kept before the view takes the screen.
void RecordScreen::openHeaderLink() {
    if (!m_checker->flush()) return;
    if (m_headerLink->start()) m_modes->setCurrentWidget(m_headerLink);
}

// Entering the box opens the view once the focus has settled.
void RecordScreen::openLinkedField(int column) {
    if (m_returningFromLink) return;
    const int page = m_session.currentPage();
    QTimer::singleShot(0, this, [this, column, page] {
        if (m_session.currentPage() != page || !m_page->textFields().contains(column) || !m_checker->flush()) return;
        m_linkedField->start(m_session.definitions().definition(page, m_page->textFields().value(column)));
        m_modes->setCurrentWidget(m_linkedField);
    });
}

void RecordScreen::backFromLink(bool changed) {
    m_modes->setCurrentWidget(m_body);
    if (changed) {
        showHeader();
        const int page = m_session.currentPage();
        m_page->showValues([this, page](int column) { return m_session.value(page, column); });
    }
    refreshLinkButtons();
}

void RecordScreen::updateLinkedRecords() {
    try {
        const auto count = m_session.updateLinkedRecords();
        if (count)
            m_prompter.information(
                QStringLiteral("Linked records updated: %1.  Skipped: %2.").arg(count->updated).arg(count->skipped));
    } catch (const StoreError& e) {
        m_prompter.error(e.message());
    }
}

}  // namespace vn
