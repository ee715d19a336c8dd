#include "requests/evaluation/key_follower.h"

#include "requests/evaluation/text_order.h"
#include "store/engine/table.h"

namespace vn {

namespace {

// Steps a lookup costs, about: beyond them the rows in between are skipped by a lookup.
constexpr int kNearSteps = 8;

}  // namespace

bool KeyFollower::find(const QString& key) {
    int steps = 0;
    // Keys are in the engine's order, which is byte order.
    while (m_started && m_more && compareCodePoints(m_table.text(0), key) < 0 && steps++ < kNearSteps)
        m_more = m_table.next();
    if (!m_started || (m_more && compareCodePoints(m_table.text(0), key) < 0)) {
        m_started = true;
        m_more = m_table.seekNearest(key);
    }
    return m_more && m_table.text(0) == key;
}

}  // namespace vn
