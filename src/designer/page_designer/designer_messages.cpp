#include "designer/page_designer/designer_messages.h"

#include "lists/definitions/definition_keys.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/catalogue/slots.h"

namespace vn {

namespace {

// The second question, by what is removed; %1 is "n records".
QString recordsQuestion(Removal removal) {
    switch (removal) {
    case Removal::Field:
        return QStringLiteral("This list already holds %1.  Their entries in this field stay stored but are no "
                              "longer shown.\r\rDelete the field anyway?");
    case Removal::Page:
        return QStringLiteral("This list already holds %1.  Their entries on this page stay stored and will show "
                              "in the fields placed here next.\r\rErase the page anyway?");
    }
    return QString();
}

QString recordsText(qint64 count) {
    return count == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(count);
}

}  // namespace

bool confirmRemoval(Prompter& prompter, RecordAccess& access, const QString& listCode, const QString& question,
                    Removal removal) {
    if (prompter.confirmation(question, Buttons::OkNo) != Answer::Ok) return false;
    const qint64 records = access.KeysWithPrefix(kHeadSlot, listCode, kListCodeLength).size();
    if (records == 0) return true;
    return prompter.confirmation(recordsQuestion(removal).arg(recordsText(records)), Buttons::OkNo) == Answer::Ok;
}

}  // namespace vn
