// Key-ordered walks over a slot's table.
#include "platform/prompter.h"
#include "store/access/record_access.h"

namespace vn {

void RecordAccess::BeginScan(int slot) {
    Table& t = table(slot);
    m_walks[slot] = {true, QString(), QString()};
    // Records with an empty key sort first; the walk purges them.
    while (t.first() && t.text(0).isEmpty()) t.remove();
}

bool RecordAccess::GetNextRec(int slot) {
    Table& t = table(slot);
    WalkState& walk = m_walks[slot];
    if (t.isEmpty()) return false;
    if (walk.firstCall) {
        walk.firstCall = false;
        walk.currentKey = t.text(0);
        if (walk.currentKey.isEmpty()) {
            t.remove();
            if (t.atEnd() || !t.hasRecord()) return false;
            walk.currentKey = t.text(0);
        }
        walk.previousKey.clear();
        return true;
    }
    if (walk.currentKey == walk.previousKey) {
        sequenceError(slot);
        return false;
    }
    walk.previousKey = walk.currentKey;
    // A record deleted (or re-keyed) by the caller: go on after its key instead of restarting.
    const bool moved = t.findKey(walk.currentKey) ? t.next() : t.seekAfter(walk.previousKey);
    if (!moved) return false;
    walk.currentKey = t.text(0);
    return true;
}

void RecordAccess::sequenceError(int slot) {
    m_prompter.beep();
    m_prompter.error(QStringLiteral("GetNextRec Sequence Error in File Number [%1].  The program will now attempt to close. "
                                    "Report the above Sequence and File number to the computer center now! "
                                    "Ignore any other errors reported during the closing process.")
                         .arg(slot));
    m_exitFlag = true;
    if (m_shutdown) m_shutdown();
}

int RecordAccess::RecordIndex(int slot, const QString& key) {
    Table& t = table(slot);
    while (t.first() && t.text(0).isEmpty()) t.remove();
    if (!t.hasRecord()) return -1;
    int index = 0;
    while (t.text(0) != key && t.next()) ++index;
    return index;
}

bool RecordAccess::FindNearestPrefix(int slot, const QString& text, int prefixLength, bool seek) {
    Table& t = table(slot);
    if (seek) {
        if (!t.seekNearest(text)) return false;
    } else {
        if (!t.hasRecord()) return false;
        const QString remembered = t.text(0);
        t.next();
        if (t.text(0) == remembered) return false;
    }
    return t.text(0).left(prefixLength) == text.left(prefixLength);
}

}  // namespace vn
