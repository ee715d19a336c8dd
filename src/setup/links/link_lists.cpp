#include "setup/links/link_lists.h"

#include "platform/prompter.h"
#include "setup/links/match_text.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

#include <algorithm>

namespace vn {

namespace {

constexpr int kCodeLength = 3;
constexpr int kTitleField = 1;

// The current list changes: the loaded definitions belong to another list now.
void makeCurrent(Session& session, const QString& code) {
    if (session.currentListCode.compare(code, Qt::CaseInsensitive) != 0) session.definitions.reset();
    session.currentListCode = code;
    if (session.access.FindRecord(kListSlot, code))
        session.currentListTitle = session.access.GetFieldText(kListSlot, kTitleField);
}

}  // namespace

QString linkSummary(const LinkCounts& counts) {
    return QStringLiteral("Links added: %1.  Rows skipped: %2.").arg(counts.added).arg(counts.skipped);
}

LinkLists::LinkLists(Session& session) : m_session(session) {}

void LinkLists::open() {
    m_screen = LinkScreen{};
    m_screen.primaryEntries = ListEntries(m_session);
}

void LinkLists::choosePrimary(int row) {
    if (row < 0 || row >= m_screen.primaryEntries.size()) return;
    m_screen.primary = row;
    const QString code = primaryCode();
    makeCurrent(m_session, code);
    m_screen.secondaryEntries.clear();
    for (const QString& entry : m_screen.primaryEntries)
        if (LowerCaseText(entry.left(kCodeLength)) != LowerCaseText(code)) m_screen.secondaryEntries << entry;
    m_screen.secondarySelected = QList<bool>(m_screen.secondaryEntries.size(), false);
    m_screen.secondaryShown = true;
    m_screen.clearEnabled = true;
    updateEnabling();
}

void LinkLists::selectNone() {
    m_screen.secondarySelected.fill(false);
    updateEnabling();
}

void LinkLists::selectAll() {
    m_screen.secondarySelected.fill(true);
    updateEnabling();
}

void LinkLists::toggleSecondary(int row) {
    if (row < 0 || row >= m_screen.secondarySelected.size()) return;
    m_screen.secondarySelected[row] = !m_screen.secondarySelected[row];
    updateEnabling();
}

void LinkLists::chooseCondition(int condition) {
    if (condition < 1 || condition > kMatchConditionCount) return;
    m_screen.condition = condition;
    updateEnabling();
}

void LinkLists::process(const LinkStep& step) {
    if (!m_screen.processEnabled) return;
    m_screen.gaugeValue = 0;
    const LinkRequest request{primaryCode(), selectedCodes(), m_screen.condition};
    const LinkCounts counts = runLinks(m_session.access, request, [&](qint64 done, qint64 total) {
        m_screen.gaugeMaximum = total;
        m_screen.gaugeValue = done;
        if (step) step(done, total);
    });
    m_session.prompter.information(linkSummary(counts));
}

void LinkLists::clearLinks() {
    if (!m_screen.clearEnabled) return;
    clearListLinks(m_session.access, primaryCode());
    m_screen.clearEnabled = false;
}

void LinkLists::updateEnabling() {
    const QList<bool>& s = m_screen.secondarySelected;
    const bool any = std::find(s.cbegin(), s.cend(), true) != s.cend();
    const bool every = std::find(s.cbegin(), s.cend(), false) == s.cend();
    m_screen.noneEnabled = any;
    m_screen.allEnabled = m_screen.secondaryShown && !every;
    m_screen.processEnabled = any && m_screen.condition > 0;
}

QString LinkLists::primaryCode() const {
    return m_screen.primary < 0 ? QString() : m_screen.primaryEntries.at(m_screen.primary).left(kCodeLength);
}

QStringList LinkLists::selectedCodes() const {
    QStringList codes;
    for (int n = 0; n < m_screen.secondaryEntries.size(); ++n)
        if (m_screen.secondarySelected.at(n)) codes << m_screen.secondaryEntries.at(n).left(kCodeLength);
    return codes;
}

}  // namespace vn
