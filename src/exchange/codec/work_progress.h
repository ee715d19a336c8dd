#pragma once

#include <QString>
#include <functional>

namespace vn {

// What long work reports to its window: the caption of what it does now, and its steps. A step
// answered with false asks the work to stop; it then leaves nothing half written.
struct WorkProgress {
    std::function<void(const QString& caption)> caption;
    std::function<bool(qint64 done, qint64 total)> step;

    void show(const QString& text) const {
        if (caption) caption(text);
    }
    bool advance(qint64 done, qint64 total) const { return !step || step(done, total); }
};

// How long work ended; failures have been told to the user.
enum class WorkEnd { Done, Declined, Cancelled, Failed };

}  // namespace vn
