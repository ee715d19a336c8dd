#pragma once

#include <QString>

namespace vn {

class Session;

// What the list selection view shows of the chosen list.
struct ListFacts {
    QString code;  // empty when the list has no List row
    QString title;
    QString description;
    int headerLinkKind = 0;
    bool exists() const { return !code.isEmpty(); }
};

// Makes the list of the entry (its first three characters) the current one and reads its
// definitions; a list without List row changes nothing.
ListFacts ChooseList(Session& session, const QString& entry);

// "Delete List Data": every record of the list, after the user agreed. True when removed.
bool DeleteListData(Session& session, const QString& listCode);

// "Delete Form and List": the list, its definitions and its records, after the user agreed.
bool DeleteFormAndList(Session& session, const QString& listCode);

}  // namespace vn
