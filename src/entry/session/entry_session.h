#pragma once

#include "lists/records/record_values.h"
#include "lists/siblings/sibling_places.h"
#include "entry/links/linked_records_update.h"
#include "entry/session/record_listing.h"

#include <QList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace vn {

class DefinitionCache;
class LinkedValueResolver;
class Session;

enum class SaveOutcome {
    Saved,
    EmptyHeader,  // Title to Zip all empty: nothing written; a new record's rows were removed
    Stopped,      // a pending field check refused
};

enum class PageSwitch { Refused, Same, Shown, FirstVisit };

// The record screen of the entry window without its widgets: which record is shown, its values
// (the screen writes into them, saving writes them out), the page shown and the list the user
// steps through with Prior and Next.
class EntrySession {
public:
    using PendingChecks = std::function<bool()>;

    explicit EntrySession(Session& session, PendingChecks pendingChecks = {});

    // Runs before every save, navigation, page switch and change of record; false stops them.
    void setPendingChecks(PendingChecks checks) { m_pendingChecks = std::move(checks); }

    // Reads the current list's definitions again.
    void refillDefinitions();
    // Reads them again only when the list or the definition tables changed since the last read.
    void refreshDefinitions();
    const DefinitionCache& definitions() const;
    bool isPageDefined(int page) const;
    int highestDefinedPage() const;
    QString pageTitle(int page) const;

    bool startNew(bool refill = true);
    // False, changing nothing, when the record has no header row.
    bool open(const QString& key);
    bool openAt(int position);  // an entry of the navigation list

    bool hasRecord() const { return m_state != State::None; }
    bool isNew() const { return m_state == State::New; }
    const QString& key() const { return m_values.key(); }

    QString header(int field) const { return m_values.header(field); }
    void setHeader(int field, const QString& value);
    // A header value differs from what the record was opened with (linked records follow it).
    bool headerChanged() const { return m_headerChanged; }
    QString value(int page, int column) const { return m_values.page(page, column); }
    void setValue(int page, int column, const QString& value);
    // A check box, radio group or grid cell of the page was changed since the page was shown.
    bool choicesChanged(int page) const { return m_choicesChanged[page - 1]; }

    int currentPage() const { return m_page; }
    int previousPage() const { return m_previousPage; }
    PageSwitch switchPage(int page);
    bool nextPageEnabled() const;
    bool priorPageEnabled() const;
    // Empties the current page's values; nothing reaches the tables before a save.
    void clearPage();

    SaveOutcome save();
    // After an empty-header save of a new record: the same record again, its rows back.
    bool returnToRecord();
    // False when the user chose to keep the record on the screen.
    bool cancel();
    bool deleteRecord();
    // Any other way out (Goto, another list, the program's end): a new record goes as on Cancel.
    void leave();

    // Links to the sibling products. The list's header link code (List field 11), and whether
    // "Select Linked Header Record" is offered for it.
    int listHeaderLinkKind() const;
    bool headerLinkOffered() const;
    SiblingPlaces siblingPlaces() const;
    // The header link picked (source kind and key): kept with the record whether copied or not.
    void linkHeader(int kind, const QString& key);
    // "Copy Header Data": the values the link gives, each a header change.
    void copyHeader(const QList<std::pair<int, QString>>& values);
    QString sourceKey(int source) const;
    // The record picked for the linked text fields of `source`: kept with the record, and every
    // linked field of the source takes its value at once.
    void linkSource(int source, const QString& key, LinkedValueResolver& resolver);
    // "Update Linked Records": the record owns a link chain and its header was changed.
    bool updateLinkedEnabled() const { return m_hasChain && m_headerChanged; }
    // Nothing when a pending check refused. Throws StoreError, nothing written.
    std::optional<LinkedUpdateCount> updateLinkedRecords();

    void setNavigation(QList<ListingEntry> entries);
    const QList<ListingEntry>& navigation() const { return m_navigation; }
    int position() const { return m_position; }
    bool priorEnabled() const;
    bool nextEnabled() const;
    bool prior();
    bool next();

private:
    enum class State { None, New, Existing };

    // What a definition snapshot was read from: the list and the write counters of the
    // definition tables (a reopened database brings new counters).
    struct DefinitionStamp {
        const DefinitionCache* cache = nullptr;
        QString listCode;
        std::array<std::shared_ptr<quint64>, 3> counters;
        std::array<quint64, 3> values{};
    };
    DefinitionStamp currentStamp() const;

    bool pendingChecksPass();
    bool headerIsEmpty() const;
    bool headerHasText() const;
    SaveOutcome saveChecked();
    bool openRecord(const QString& key);
    bool openPosition(int position);
    void removeNewRecord();
    void resetPages(int shown);
    bool step(int offset);

    Session& m_session;
    PendingChecks m_pendingChecks;
    State m_state = State::None;
    RecordValues m_values;
    DefinitionStamp m_stamp;
    bool m_resumable = false;  // an empty new record was dropped by a save and may come back
    int m_page = 1;
    int m_previousPage = 1;
    std::array<bool, kPageCount> m_visited{};
    std::array<bool, kPageCount> m_choicesChanged{};
    bool m_headerChanged = false;
    bool m_hasChain = false;  // the opened record owns a link chain
    QList<ListingEntry> m_navigation;
    int m_position = -1;
};

}  // namespace vn
