#include "designer/page_designer/field_help.h"

#include "lists/definitions/definition_reader.h"
#include "lists/definitions/definition_tables.h"
#include "platform/help_agent.h"
#include "platform/prompter.h"
#include "store/access/record_access.h"
#include "store/engine/database.h"

namespace vn {

namespace {

using definition_tables::help::kText;

const QString kEmptyMemo = QStringLiteral("Please enter desired text in the memo box.");

QString tooLong(int limit) {
    return QStringLiteral("A help text can hold at most %1 characters.  Shorten it, then save again.").arg(limit);
}

}  // namespace

FieldHelp::FieldHelp(RecordAccess& access, Prompter& prompter, HelpAgent& agent)
    : m_access(access), m_prompter(prompter), m_agent(agent) {}

void FieldHelp::open(const QString& fieldKey) {
    m_key = fieldKey;
    m_text = ReadHelpText(m_access, m_key);
}

int FieldHelp::maxLength() const { return m_access.GetFieldSize(kHelpSlot, kText); }

QString FieldHelp::limited(const QString& typed) {
    if (typed.size() <= maxLength()) return typed;
    m_prompter.beep();
    return typed.left(maxLength());
}

bool FieldHelp::previewEnabled() const { return m_agent.enabled(); }

void FieldHelp::preview(const QString& memo) {
    if (previewEnabled()) m_agent.speak(memo.isEmpty() ? kEmptyMemo : memo, kPreviewPoint);
}

void FieldHelp::hideAgent() { m_agent.hide(); }

bool FieldHelp::save(const QString& memo) {
    if (m_key.isEmpty()) return false;
    if (memo.size() > maxLength()) {
        m_prompter.beep();
        m_prompter.warning(tooLong(maxLength()), Buttons::Ok);
        return false;
    }
    Transaction tx(m_access.database(kHelpSlot));
    m_access.EnsureRecord(kHelpSlot, m_key);
    m_access.SetFieldText(kHelpSlot, kText, memo);
    tx.commit();
    m_text = memo;
    return true;
}

}  // namespace vn
