#pragma once

#include <QPoint>
#include <QString>

namespace vn {

class HelpAgent;
class Prompter;
class RecordAccess;

// The help view ("Enter/Modify Agent Help") of one page field: the text the help character speaks
// for the field while the list is used, kept in the Help row of the field's key.
class FieldHelp {
public:
    static constexpr QPoint kPreviewPoint{200, 300};

    FieldHelp(RecordAccess& access, Prompter& prompter, HelpAgent& agent);

    // Shows the field's stored text (empty when it has none).
    void open(const QString& fieldKey);
    const QString& key() const { return m_key; }
    const QString& text() const { return m_text; }

    // The most characters a help text holds; typed text beyond it is refused.
    int maxLength() const;
    // The memo's text as the view keeps it: cut, with a beep, where it would be longer than allowed.
    QString limited(const QString& typed);

    bool previewEnabled() const;
    void preview(const QString& memo);  // "Preview Agent Help"
    void hideAgent();                   // "Hide Agent"
    // "Save Help Dialog": the row made when missing and its text written; a text over the limit is
    // refused with a warning and nothing written. False when not saved.
    bool save(const QString& memo);

private:
    RecordAccess& m_access;
    Prompter& m_prompter;
    HelpAgent& m_agent;
    QString m_key;
    QString m_text;
};

}  // namespace vn
