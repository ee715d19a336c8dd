// The What's New notes: one text file per version, shown until the user dismisses it.
#include "platform/path_resolver.h"
#include "platform/prompter.h"
#include "shell/core/deferred_start.h"
#include "shell/core/navigation.h"
#include "shell/core/session.h"
#include "shell/core/shell_view.h"
#include "store/engine/store_error.h"
#include "store/files/text_file.h"

#include <QFileInfo>

namespace vn {

namespace {

constexpr const char* kVersions[] = {"99224", "99252", "99263", "99321", "00038", "00062", "00080", "00250", "00271"};
constexpr int kSystem = 2;

}  // namespace

void showWhatsNew(Session& session, ShellView& view, Navigator& navigator, bool force) {
    for (const char* version : kVersions) {
        const QString key = QStringLiteral("V") + QString::fromLatin1(version);
        if (!force && session.access.FindRecord(kSystem, key)) continue;
        const QString file = resolvePath(session.folders.whatsNewFolder(), QString::fromLatin1(version) + QStringLiteral(".txt"));
        if (!QFileInfo(file).isFile()) continue;
        QString text;
        try {
            text = readTextFile(file);
        } catch (const StoreError&) {
            continue;
        }
        navigator.ShowPanel({WhatsNewPanel});
        session.prompter.beep();
        view.setWhatsNewText(text);
        const Answer answer = session.prompter.information(
            text + QStringLiteral("\r\rClick Cancel to hide this version's \"What's New\""), Buttons::OkCancel);
        if (answer == Answer::Cancel && !force) session.access.EnsureRecord(kSystem, key);
    }
}

}  // namespace vn
