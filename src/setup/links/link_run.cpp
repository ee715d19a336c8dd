#include "setup/links/link_run.h"

#include "setup/links/match_text.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/database.h"
#include "store/text/case_conversion.h"

#include <QHash>
#include <QSet>

namespace vn {

namespace {

constexpr int kCodeLength = 3;
constexpr int kRecordKeyLength = 17;  // the width of a chain entry

QString codeOf(const QString& key) { return LowerCaseText(key.left(kCodeLength)); }

// Walks Head in key order; visit(key) for every row.
template <typename Visit>
void walkHead(RecordAccess& access, Visit&& visit) {
    access.BeginScan(kHeadSlot);
    while (access.GetNextRec(kHeadSlot)) visit(access.GetFieldText(kHeadSlot, 0));
}

class LinkRun {
public:
    LinkRun(RecordAccess& access, const LinkRequest& request)
        : m_access(access), m_primary(LowerCaseText(request.primaryCode)), m_fields(matchFields(request.condition)) {
        for (const QString& code : request.secondaryCodes) m_secondary.insert(LowerCaseText(code));
        m_secondary.remove(m_primary);
    }

    void collectPrimary() {
        walkHead(m_access, [this](const QString& key) {
            if (codeOf(key) != m_primary) return;
            const std::optional<QString> text = usableText(key);
            // Key order: the first key met for a text is its lowest.
            if (text && !m_table.contains(*text)) m_table.insert(*text, key);
        });
    }

    void linkSecondary(const LinkStep& step) {
        if (m_table.isEmpty() || m_secondary.isEmpty()) return;
        const qint64 total = m_access.RecordCount(kHeadSlot);
        qint64 done = 0;
        walkHead(m_access, [&](const QString& key) {
            if (m_secondary.contains(codeOf(key))) linkRow(key);
            if (step) step(++done, total);
        });
    }

    LinkCounts counts() const { return m_counts; }

private:
    std::optional<QString> usableText(const QString& key) {
        const QString text = key.size() == kRecordKeyLength ? currentMatchText(m_access, m_fields) : QString();
        if (text.isEmpty() || isBlankMatchText(text)) {
            ++m_counts.skipped;
            return std::nullopt;
        }
        return text;
    }

    void linkRow(const QString& key) {
        const std::optional<QString> text = usableText(key);
        if (!text) return;
        const auto found = m_table.constFind(*text);
        if (found != m_table.cend()) link(*found, key);
    }

    // A full chain takes nothing more: FindLinkEntry tells so the first time, later ones are
    // left alone so that the message comes once.
    void link(const QString& owner, const QString& key) {
        const bool full = m_access.LinkChainFull(kLinkSlot, owner);
        if (full && m_limitTold) return;
        if (m_access.FindLinkEntry(kLinkSlot, owner, key)) return;
        if (full) {
            m_limitTold = true;
            return;
        }
        m_access.AppendLinkEntry(kLinkSlot, owner, key);
        ++m_counts.added;
    }

    RecordAccess& m_access;
    QString m_primary;
    QSet<QString> m_secondary;
    QList<int> m_fields;
    QHash<QString, QString> m_table;  // match text -> primary key
    LinkCounts m_counts;
    bool m_limitTold = false;
};

}  // namespace

LinkCounts runLinks(RecordAccess& access, const LinkRequest& request, const LinkStep& step) {
    Transaction tx(access.database(kLinkSlot));
    LinkRun run(access, request);
    run.collectPrimary();
    run.linkSecondary(step);
    tx.commit();
    return run.counts();
}

qint64 clearListLinks(RecordAccess& access, const QString& listCode) {
    Transaction tx(access.database(kLinkSlot));
    const qint64 removed = access.DeleteKeysWithPrefix(kLinkSlot, LowerCaseText(listCode.left(kCodeLength)), kCodeLength);
    tx.commit();
    return removed;
}

}  // namespace vn
