#include "entry/session/list_choice.h"

#include "lists/definitions/definition_cache.h"
#include "lists/records/list_removal.h"
#include "lists/records/record_rows.h"
#include "platform/prompter.h"
#include "shell/core/session.h"
#include "store/catalogue/slots.h"
#include "store/text/case_conversion.h"

#include <memory>

namespace vn {

namespace {

constexpr int kTitleField = 1;
constexpr int kHeaderLinkField = 11;
constexpr int kCodeLength = 3;

const QString kConfirmListData =
    QStringLiteral("Caution! Confirm removing all data records from the selected list.\r\rContinue?");
const QString kConfirmFormAndList =
    QStringLiteral("Caution! Confirm removing form data and all data records from the selected list.\r\rContinue?");

bool userAgrees(Prompter& prompter, const QString& text) {
    prompter.beep();
    return prompter.confirmation(text, Buttons::OkNo) == Answer::Ok;
}

}  // namespace

ListFacts ChooseList(Session& session, const QString& entry) {
    RecordAccess& access = session.access;
    const QString code = LowerCaseText(entry.left(kCodeLength));
    if (!access.FindRecord(kListSlot, code)) return {};
    ListFacts facts{code, access.GetFieldText(kListSlot, kTitleField),
                    access.GetFieldText(kListSlot, access.GetFieldNumber(kListSlot, QStringLiteral("Desc"))),
                    access.GetFieldText(kListSlot, kHeaderLinkField).trimmed().toInt()};
    session.currentListCode = facts.code;
    session.currentListTitle = facts.title;
    session.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(access, code));
    session.listChosenInEntry = true;
    return facts;
}

bool DeleteListData(Session& session, const QString& listCode) {
    if (!userAgrees(session.prompter, kConfirmListData)) return false;
    Transaction tx(session.access.database(kHeadSlot));
    DeleteListRecords(session.access, listCode);
    tx.commit();
    reloadListCodes(session);
    return true;
}

bool DeleteFormAndList(Session& session, const QString& listCode) {
    if (!userAgrees(session.prompter, kConfirmFormAndList)) return false;
    DeleteWholeList(session.access, listCode);
    reloadListCodes(session);
    if (UpperCaseText(session.currentListCode) == UpperCaseText(listCode)) {
        session.currentListCode.clear();
        session.currentListTitle.clear();
        session.definitions.reset();
    }
    return true;
}

}  // namespace vn
