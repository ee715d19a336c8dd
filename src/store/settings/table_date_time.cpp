#include "store/settings/table_date_time.h"

#include <QLocale>

namespace vn {

namespace {

constexpr const char* kWrittenForm = "M/d/yyyy h:mm:ss AP";

// Tried in order; legacy rows hold the platform's short forms.
constexpr const char* kReadForms[] = {
    kWrittenForm, "M/d/yyyy h:mm AP", "M/d/yyyy H:mm:ss", "M/d/yyyy H:mm", "yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd hh:mm",
};

constexpr const char* kDateForms[] = {"M/d/yyyy", "yyyy-MM-dd"};

}  // namespace

QString formatTableDateTime(const QDateTime& dateTime) {
    return QLocale::c().toString(dateTime, QString::fromLatin1(kWrittenForm));
}

QDateTime parseTableDateTime(const QString& text) {
    const QString trimmed = text.simplified();
    const QLocale c = QLocale::c();
    for (const char* form : kReadForms) {
        const QDateTime parsed = c.toDateTime(trimmed, QString::fromLatin1(form));
        if (parsed.isValid()) return parsed;
    }
    for (const char* form : kDateForms) {
        const QDate date = c.toDate(trimmed, QString::fromLatin1(form));
        if (date.isValid()) return date.startOfDay();
    }
    for (Qt::DateFormat iso : {Qt::ISODateWithMs, Qt::ISODate}) {
        const QDateTime parsed = QDateTime::fromString(trimmed, iso);
        if (parsed.isValid()) return parsed;
    }
    return {};
}

}  // namespace vn
