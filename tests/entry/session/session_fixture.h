#pragma once

#include "shell/core/session.h"
#include "store/catalogue/slots.h"
#include "store/files/installation.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

#include <QDir>
#include <initializer_list>
#include <utility>

namespace vn::test {

// A new installation's tables behind a Session of a county office "ALB" in state "wy".
struct SessionFixture {
    SessionFixture() : session(tmp.path(), prompter) {
        QDir().mkpath(session.folders.dataFolder());
        createDatabase(session.folders.databasePath());
        session.catalogue.ReopenDataTables(session.folders.dataFolder(), {});
        session.identity.stateCode = "wy";
        session.identity.countyCode = "ALB";
        session.identity.districtCode = "NED";
        session.identity.operationalLevel = 1;
    }

    void putRow(int slot, const QString& key, std::initializer_list<std::pair<int, QString>> fields) {
        session.access.EnsureRecord(slot, key);
        for (const auto& [field, value] : fields) session.access.SetFieldText(slot, field, value);
    }

    TempFolder tmp;
    RecordingPrompter prompter;
    Session session;
    RecordAccess& access = session.access;
};

}  // namespace vn::test
