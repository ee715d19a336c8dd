#include "shell/core/start_facts.h"

#include "shell/core/session.h"

namespace vn {

SettingFacts settingFacts(const Session& session) {
    SettingFacts facts;
    facts.printer = {session.printer.platformName, session.printer.index};
    return facts;
}

}  // namespace vn
