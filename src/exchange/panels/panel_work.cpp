#include "exchange/panels/panel_work.h"

namespace vn {

namespace {

constexpr qint64 kGaugeSteps = 200;

}  // namespace

WorkProgress PanelWork::progress() {
    m_shown = -1;
    WorkProgress progress;
    progress.caption = [this](const QString& caption) {
        m_gauge.caption = caption;
        m_host.redraw();
        m_host.keepResponsive();
    };
    progress.step = [this](qint64 done, qint64 total) {
        // Drawn in 200 steps at most: the work is not slowed by its own gauge.
        if (m_shown < 0 || done == total || done - m_shown >= qMax<qint64>(1, total / kGaugeSteps)) {
            m_shown = done;
            m_gauge.value = done;
            m_gauge.maximum = total;
            m_host.redraw();
            m_host.keepResponsive();
        }
        return !m_cancelled;
    };
    return progress;
}

}  // namespace vn
