#include "entry/session/entry_session.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/list_fields.h"
#include "lists/siblings/linked_value_resolver.h"
#include "entry/links/head_link_fields.h"
#include "entry/links/header_link_pick.h"
#include "entry/links/header_refresh.h"
#include "entry/links/linked_values.h"
#include "lists/records/record_key.h"
#include "lists/records/record_rows.h"
#include "platform/prompter.h"
#include "shell/core/own_office.h"
#include "shell/core/session.h"
#include "store/engine/store_error.h"

#include <memory>

namespace vn {

namespace {

constexpr int kTitleField = 1;
constexpr int kFirstField = 2;
constexpr int kZipField = 15;
constexpr int kFirstChoiceColumn = 21;  // check boxes 21-60, radio groups 61-70
constexpr int kLastChoiceColumn = 70;

const QString kExitWithoutSaving = QStringLiteral(
    "Some data has been entered.  Are you sure you want to exit without saving the record?\r\rExit without saving?");
const QString kConfirmDeletion = QStringLiteral("Confirm record deletion!");

const DefinitionCache& noDefinitions() {
    static const DefinitionCache empty;
    return empty;
}

// Where this installation makes its records.
KeyOrigin originOf(const InstallationIdentity& id) {
    return {id.stateCode, ownOfficeCode(id)};
}

QString emptyValueOf(int column) {
    return column >= kFirstChoiceColumn && column <= kLastChoiceColumn ? QStringLiteral("0") : QString();
}

}  // namespace

EntrySession::EntrySession(Session& session, PendingChecks pendingChecks)
    : m_session(session), m_pendingChecks(std::move(pendingChecks)) {}

void EntrySession::refillDefinitions() {
    m_session.definitions =
        std::make_shared<const DefinitionCache>(LoadDefinitions(m_session.access, m_session.currentListCode));
    m_stamp = currentStamp();
}

EntrySession::DefinitionStamp EntrySession::currentStamp() const {
    DefinitionStamp stamp{m_session.definitions.get(), m_session.currentListCode, {}, {}};
    const int definitionSlots[] = {kFdisSlot, kTdatSlot, kHelpSlot};
    for (size_t i = 0; i < stamp.counters.size(); ++i) {
        stamp.counters[i] = m_session.access.database(definitionSlots[i]).generationOf(TableCatalogue::tableName(definitionSlots[i]));
        stamp.values[i] = *stamp.counters[i];
    }
    return stamp;
}

// Reading a list's definitions costs more than opening a record, and they change only through
// the designer, whose writes move the tables' counters.
void EntrySession::refreshDefinitions() {
    const DefinitionStamp now = currentStamp();
    if (now.cache && now.cache == m_stamp.cache && now.listCode == m_stamp.listCode &&
        now.counters == m_stamp.counters && now.values == m_stamp.values)
        return;
    refillDefinitions();
}

const DefinitionCache& EntrySession::definitions() const {
    return m_session.definitions ? *m_session.definitions : noDefinitions();
}

bool EntrySession::isPageDefined(int page) const { return definitions().definitionCount(page) > 0; }

int EntrySession::highestDefinedPage() const {
    for (int page = kPageCount; page >= 1; --page)
        if (isPageDefined(page)) return page;
    return 0;
}

QString EntrySession::pageTitle(int page) const { return definitions().pageTitle(page); }

bool EntrySession::pendingChecksPass() { return !m_pendingChecks || m_pendingChecks(); }

bool EntrySession::headerIsEmpty() const {
    for (int field = kTitleField; field <= kZipField; ++field)
        if (!m_values.header(field).trimmed().isEmpty()) return false;
    return true;
}

bool EntrySession::headerHasText() const {
    for (int field = kFirstField; field <= kZipField; ++field)
        if (!m_values.header(field).trimmed().isEmpty()) return true;
    return false;
}

void EntrySession::resetPages(int shown) {
    m_page = m_previousPage = shown;
    m_headerChanged = false;
    m_choicesChanged.fill(false);
    m_visited.fill(false);
    m_visited[shown - 1] = true;
}

bool EntrySession::startNew(bool refill) {
    if (m_session.currentListCode.isEmpty()) throw StoreError(QStringLiteral("No data list has been chosen."));
    if (!pendingChecksPass()) return false;
    leave();
    if (refill) refreshDefinitions();
    RecordAccess& access = m_session.access;
    Transaction tx(access.database(kHeadSlot));
    const QString key = NewRecordKey(access, m_session.currentListCode, originOf(m_session.identity));
    EnsureRecordRows(access, key, highestDefinedPage());
    tx.commit();
    m_values = RecordValues(key);
    for (int page = 1; page <= kPageCount; ++page)
        for (int column = kFirstChoiceColumn; column <= kLastChoiceColumn; ++column)
            m_values.setPage(page, column, QStringLiteral("0"));
    m_state = State::New;
    m_hasChain = false;
    m_position = -1;
    resetPages(1);
    return true;
}

bool EntrySession::open(const QString& key) {
    if (!pendingChecksPass()) return false;
    if (!openRecord(key)) return false;
    m_position = -1;
    for (int i = 0; i < m_navigation.size() && m_position < 0; ++i)
        if (m_navigation[i].key == key) m_position = i;
    return true;
}

bool EntrySession::openAt(int position) {
    if (position < 0 || position >= m_navigation.size() || !pendingChecksPass()) return false;
    return openPosition(position);
}

bool EntrySession::openPosition(int position) {
    if (!openRecord(m_navigation[position].key)) return false;
    m_position = position;
    return true;
}

bool EntrySession::openRecord(const QString& key) {
    if (isNew() && key == m_values.key()) return true;
    if (!m_session.access.FindRecord(kHeadSlot, key)) return false;
    leave();
    refreshDefinitions();
    // One reading of the siblings for the header and the linked fields alike.
    LinkedValueResolver resolver(m_session.siblingPlaces());
    refreshLinkedHeader(m_session.access, key, resolver);
    m_values.load(m_session.access, key);
    applyLinkedValues(m_values, definitions(), resolver);
    m_hasChain = hasLinkChain(m_session.access, key);
    m_state = State::Existing;
    resetPages(1);
    return true;
}

void EntrySession::setHeader(int field, const QString& value) {
    if (m_values.header(field) != value) m_headerChanged = true;
    m_values.setHeader(field, value);
}

void EntrySession::setValue(int page, int column, const QString& value) {
    constexpr int kFirstCheckColumn = 21, kLastCellColumn = 120;
    if (column >= kFirstCheckColumn && column <= kLastCellColumn && m_values.page(page, column) != value)
        m_choicesChanged[page - 1] = true;
    m_values.setPage(page, column, value);
}

PageSwitch EntrySession::switchPage(int page) {
    if (page < 1 || page > kPageCount || (page != 1 && !isPageDefined(page))) return PageSwitch::Refused;
    if (page == m_page) return PageSwitch::Same;
    if (!pendingChecksPass()) return PageSwitch::Refused;
    m_previousPage = m_page;
    m_page = page;
    const bool firstVisit = isNew() && !m_visited[page - 1];
    m_visited[page - 1] = true;
    return firstVisit ? PageSwitch::FirstVisit : PageSwitch::Shown;
}

// Page 1 holds the header and can always be shown; the others only when defined.
bool EntrySession::nextPageEnabled() const { return m_page < kPageCount && isPageDefined(m_page + 1); }
bool EntrySession::priorPageEnabled() const { return m_page > 1 && (m_page == 2 || isPageDefined(m_page - 1)); }

void EntrySession::clearPage() {
    for (int column = 1; column <= kPageColumns; ++column) m_values.setPage(m_page, column, emptyValueOf(column));
}

SaveOutcome EntrySession::save() {
    if (!pendingChecksPass()) return SaveOutcome::Stopped;
    return saveChecked();
}

SaveOutcome EntrySession::saveChecked() {
    if (!hasRecord()) return SaveOutcome::Saved;
    if (headerIsEmpty()) {
        if (isNew()) {
            removeNewRecord();
            m_resumable = true;
        }
        return SaveOutcome::EmptyHeader;
    }
    RecordAccess& access = m_session.access;
    Transaction tx(access.database(kHeadSlot));
    if (isNew()) CommitRecordCounter(access, m_session.currentListCode, originOf(m_session.identity));
    m_values.save(access, highestDefinedPage());
    tx.commit();
    m_state = State::Existing;
    return SaveOutcome::Saved;
}

bool EntrySession::returnToRecord() {
    if (!m_resumable || m_session.access.FindRecord(kHeadSlot, m_values.key())) return false;
    Transaction tx(m_session.access.database(kHeadSlot));
    EnsureRecordRows(m_session.access, m_values.key(), highestDefinedPage());
    tx.commit();
    m_resumable = false;
    m_state = State::New;
    return true;
}

void EntrySession::removeNewRecord() {
    Transaction tx(m_session.access.database(kHeadSlot));
    DeleteRecordRows(m_session.access, m_values.key());
    tx.commit();
    m_state = State::None;
}

bool EntrySession::cancel() {
    if (m_state == State::Existing && headerHasText()) {
        m_session.prompter.beep();
        if (m_session.prompter.confirmation(kExitWithoutSaving, Buttons::OkNo) != Answer::Ok) return false;
    }
    leave();
    return true;
}

bool EntrySession::deleteRecord() {
    if (!hasRecord()) return false;
    if (m_session.prompter.confirmation(kConfirmDeletion, Buttons::OkNo) != Answer::Ok) return false;
    const QString key = m_values.key();
    Transaction tx(m_session.access.database(kHeadSlot));
    DeleteRecordRows(m_session.access, key);
    tx.commit();
    m_navigation.removeIf([&](const ListingEntry& e) { return e.key == key; });
    m_state = State::None;
    m_position = -1;
    return true;
}

void EntrySession::leave() {
    if (isNew()) removeNewRecord();
    m_state = State::None;
    m_resumable = false;
}

int EntrySession::listHeaderLinkKind() const {
    RecordAccess& access = m_session.access;
    const QString& code = m_session.currentListCode;
    return !code.isEmpty() && access.FindRecord(kListSlot, code) ? access.GetFieldText(kListSlot, list_field::kHeaderLinkCode).trimmed().toInt()
                                                                 : 0;
}

bool EntrySession::headerLinkOffered() const {
    return hasRecord() && HeaderLinkPick::offered(listHeaderLinkKind(), siblingPlaces());
}

SiblingPlaces EntrySession::siblingPlaces() const { return m_session.siblingPlaces(); }

// A link is the record's own data, not a header box: it does not count as a header change.
void EntrySession::linkHeader(int kind, const QString& key) {
    m_values.setHeader(head_link::kKind, QString::number(kind));
    m_values.setHeader(head_link::kKey, key);
}

void EntrySession::copyHeader(const QList<std::pair<int, QString>>& values) {
    for (const auto& [field, value] : values) setHeader(field, value);
}

QString EntrySession::sourceKey(int source) const { return m_values.header(head_link::sourceKeyField(source)); }

void EntrySession::linkSource(int source, const QString& key, LinkedValueResolver& resolver) {
    m_values.setHeader(head_link::sourceKeyField(source), key);
    applyLinkedValues(m_values, definitions(), resolver, source);
}

std::optional<LinkedUpdateCount> EntrySession::updateLinkedRecords() {
    if (!pendingChecksPass()) return std::nullopt;
    return vn::updateLinkedRecords(m_session.access, m_values.key(), [this](int field) { return m_values.header(field); });
}

void EntrySession::setNavigation(QList<ListingEntry> entries) {
    m_navigation = std::move(entries);
    m_position = -1;
    if (m_state != State::Existing) return;
    for (int i = 0; i < m_navigation.size() && m_position < 0; ++i)
        if (m_navigation[i].key == m_values.key()) m_position = i;
}

bool EntrySession::priorEnabled() const { return m_state == State::Existing && m_position > 0; }

bool EntrySession::nextEnabled() const {
    return m_state == State::Existing && m_position >= 0 && m_position + 1 < m_navigation.size();
}

bool EntrySession::prior() { return priorEnabled() && step(-1); }
bool EntrySession::next() { return nextEnabled() && step(1); }

// An emptied header of an existing record saves nothing, and the step still goes ahead.
bool EntrySession::step(int offset) {
    if (!pendingChecksPass()) return false;
    saveChecked();
    return openPosition(m_position + offset);
}

}  // namespace vn
