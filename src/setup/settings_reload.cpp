#include "setup/settings_reload.h"

#include "shell/core/session.h"
#include "shell/core/start_facts.h"
#include "store/engine/database.h"
#include "store/settings/settings_slots.h"

namespace vn {

void reloadSettings(Session& session) {
    const qint64 accessCount = session.settings.accessCount;
    // The start's reading writes as it goes; undone here, its values are kept.
    Transaction scratch(session.access.database(kParmSlot));
    Settings fresh = readSettings(session.access, settingFacts(session));
    fresh.accessCount = accessCount;
    session.settings = fresh;
}

}  // namespace vn
