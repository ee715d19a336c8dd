#pragma once

#include <QString>
#include <QStringList>

namespace vn {

// dBase field names: 1 to 10 characters, letters, digits and "_", beginning with a letter.
inline constexpr int kDbaseNameLength = 10;
bool isLegalDbaseName(const QString& name);

// Legal, unique, upper-case names for captions, in their order: accents dropped, other
// characters as "_", cut to 10 characters, a number added where two would be equal or a name
// is already taken (compared without regard to case).
QStringList dbaseFieldNames(const QStringList& captions, const QStringList& taken = {});

}  // namespace vn
