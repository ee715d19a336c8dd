#pragma once

#include "requests/builder/field_list.h"
#include "requests/stored/request_rows.h"

#include <QStringList>
#include <functional>

namespace vn {

// What the target-change view knows of the list: its fields as the builder lists them, the
// header's field names in Head, and the items of a page text field's selection list.
struct TargetFields {
    ListFields fields;
    QStringList headerNames;  // by field number - 1
    std::function<QStringList(int page, int slot)> selectionItems;
};

enum class NewTargetInput { None, Edit, List };

// What the target-change view shows.
struct TargetChangeState {
    QString requestText;  // the display text with single spaces between its parts
    QStringList fields;   // "Fields:", one row per condition
    QStringList targets;  // "Targets:"
    int chosenRow = -1;
    NewTargetInput input = NewTargetInput::None;
    QStringList entries;  // the list of new targets
    QString editText;
    bool replaceEnabled = false;
};

// The targets of a stored request changed one condition at a time before it is replayed.
// Without a window: the view forwards its clicks and draws state().
class TargetChange {
public:
    TargetChange(StoredRequest stored, const TargetFields& fields);

    void chooseRow(int row);
    void typeTarget(const QString& text);
    void pickEntry(int entry);
    // Puts the new target into the chosen condition and its display text, and hands the request
    // to `write` (which stores it at once). Nothing changes when write throws.
    using Write = std::function<void(const SqlRequest&)>;
    void replace(const Write& write);

    TargetChangeState state() const;
    const StoredRequest& stored() const { return m_stored; }

private:
    struct Row {
        QString field;   // as "Fields:" shows it
        QString piece;   // as the display text quotes the field
        QString target;  // as "Targets:" shows it
        NewTargetInput input = NewTargetInput::Edit;
        QList<TargetEntry> entries;
    };
    Row rowFor(const SqlCondition& condition, const TargetFields& fields) const;
    QString displayWith(int row, const QString& shown) const;
    QString rebuiltDisplay(int row, const QString& shown) const;

    StoredRequest m_stored;
    QList<Row> m_rows;
    int m_chosen = -1;
    QString m_edit;
    std::optional<QString> m_storedForm;  // of the entry picked
    bool m_picked = false;
};

}  // namespace vn
