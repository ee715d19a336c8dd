#include "store/access/key_follower.h"

#include "store/text/text_order.h"
#include "store/engine/table.h"

namespace vn {

namespace {

// Steps a lookup costs, about: rows further ahead are reached by a lookup.
constexpr int kNearSteps = 8;

}  // namespace

bool KeyFollower::find(const QString& key) {
    // Keys are in the engine's order, which is byte order.
    int order = m_more ? compareCodePoints(m_table.text(0), key) : 1;
    for (int steps = 0; order < 0 && steps < kNearSteps; ++steps) {
        m_more = m_table.next();
        order = m_more ? compareCodePoints(m_table.text(0), key) : 1;
    }
    if (order < 0 || !m_started) {
        m_started = true;
        m_more = m_table.seekNearest(key);
        order = m_more ? compareCodePoints(m_table.text(0), key) : 1;
    }
    return order == 0;
}

}  // namespace vn
