#include "setup/settings_reload.h"
#include "shell/core/shell_fixture.h"
#include "store/settings/parameter_reading.h"

#include <gtest/gtest.h>

using namespace vn;

TEST(SettingsReload, readsAChangeWithoutWritingAnything) {
    test::ShellFixture shell;
    ASSERT_TRUE(shell.start());
    Session& session = *shell.session;
    const qint64 starts = session.settings.accessCount;
    writeParameterValue(session.access, "ZipDrive", "G:");
    session.access.DeleteRecord(3, "EUser");

    reloadSettings(session);

    EXPECT_EQ(session.settings.zipDrive, "G:");
    EXPECT_EQ(session.settings.accessCount, starts);
    EXPECT_EQ(readParameter(session.access, "AccessCount").value, QString::number(starts));
    EXPECT_FALSE(session.access.FindRecord(3, "EUser"));
}
