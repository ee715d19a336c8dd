#include "exchange/panels/received_lists.h"

#include "lists/definitions/definition_cache.h"
#include "lists/definitions/list_fields.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"

#include <memory>

namespace vn {

void refreshReceivedLists(Session& session, const QStringList& touched) {
    reloadListCodes(session);
    const QString& current = session.currentListCode;
    if (current.isEmpty() || !touched.contains(current, Qt::CaseInsensitive)) return;
    session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(session.access, current));
    if (session.access.FindRecord(kListSlot, current))
        session.currentListTitle = session.access.GetFieldText(kListSlot, list_field::kTitle);
}

}  // namespace vn
