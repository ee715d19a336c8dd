#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vn {

enum class ShowMode { Normal, Minimized, Maximized };

// What opening a document or address means on this desktop: a web or mail address or a document
// goes to its default application; a program is started with the parameters in the folder.
struct OpenPlan {
    enum class Kind { Address, Program } kind = Kind::Address;
    QUrl address;
    QString program;
    QStringList arguments;
    QString folder;
};

// Paths are never cut; a relative file name is taken inside the folder.
OpenPlan planOpen(const QString& fileOrAddress, const QString& parameters, const QString& folder);

// Hands the document to the desktop; true when the desktop accepted it.
bool OpenDocument(const QString& fileOrAddress, const QString& parameters = {}, const QString& folder = {},
                  ShowMode mode = ShowMode::Normal);

}  // namespace vn
