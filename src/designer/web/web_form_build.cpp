#include "designer/web/web_form_build.h"

#include "designer/page_designer/tab_order.h"
#include "exchange/fcf/fcf_writer.h"
#include "lists/definitions/definition_cache.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"
#include "store/engine/store_error.h"
#include "store/files/file_copy.h"

#include <QDir>
#include <QFileInfo>

namespace vn {

namespace {

constexpr int kPages = 6;

QString builtMessage(const QString& path, const FcfBuild& built) {
    QString text = QStringLiteral("The Web Form Control file [%1] has been built.\r\rIt can now be posted to Varnedo "
                                  "Central for use by the web-based clients.")
                       .arg(path);
    if (!built.cutFields.isEmpty())
        text += QStringLiteral("\r\rThese values were longer than the file can carry and were cut to 222 bytes:\r") +
                built.cutFields.join(u'\r');
    if (!built.leftOut.isEmpty())
        text += QStringLiteral("\r\rThese rows have keys too long for the file and were left out:\r") +
                built.leftOut.join(u'\r');
    return text;
}

}  // namespace

QString buildWebFormFile(RecordAccess& access, Prompter& prompter, const QString& exchangeFolder, const FcfName& name,
                         const QString& copyFolder) {
    FcfBuild built;
    try {
        const DefinitionCache cache = LoadDefinitions(access, name.list);
        for (int page = 1; page <= kPages; ++page) WriteTabOrder(access, cache, page);
        built = FcfWriter(access.database(kListSlot)).write(exchangeFolder, name);
    } catch (const StoreError& e) {
        prompter.error(e.message());
        return {};
    }
    if (!built.ok()) {
        prompter.error(built.error);
        return {};
    }
    const QString copy = QDir(copyFolder).filePath(QFileInfo(built.path).fileName());
    try {
        CopyToFolder(built.path, copy);
    } catch (const StoreError& e) {
        prompter.warning(QStringLiteral("The Web Form Control file [%1] has been built, but its copy [%2] could not be "
                                        "written:\r\r%3")
                             .arg(built.path, copy, e.message()));
        return built.path;
    }
    prompter.information(builtMessage(built.path, built));
    return built.path;
}

}  // namespace vn
