#include "store/text/zip_format.h"

namespace vn {

QString FormatZip(const QString& text) {
    QString zip = text;
    if (zip.size() > 5 && !zip.contains(u'-')) zip.insert(5, u'-');
    // Only a hyphen in the sixth place marks an extension; elsewhere nothing is dropped.
    if (zip.size() > 5 && zip[5] == u'-' && QStringView(zip).mid(6, 4) == u"0000")
        zip.remove(5, 5);
    return zip;
}

}  // namespace vn
