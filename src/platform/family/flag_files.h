#pragma once

#include <QStringList>

namespace vn {

// The family's flag files in a base; only their existence matters.
inline constexpr char kOpenUserFlag[] = "Openuser.flg";
inline constexpr char kVarnedoRunningFlag[] = "ProgVN.flg";

// The file names of a folder at one moment, matched without regard to case (the family spells
// the same flag "OpenUser.flg" and "Openuser.flg").
class FlagFiles {
public:
    // No folder (no base found) holds no flags.
    static FlagFiles inFolder(const QString& folder);
    explicit FlagFiles(const QStringList& names = {}) : m_names(names) {}

    bool contains(const QString& name) const { return m_names.contains(name, Qt::CaseInsensitive); }

private:
    QStringList m_names;
};

}  // namespace vn
