#pragma once

#include "mail/mail_run.h"
#include "platform/printing/printout.h"

#include <QDateTime>

namespace vn {

inline const QString kRecipientPdfFileName = QStringLiteral("VNEmail.pdf");

// "Print Recipient List": the last run's recipients, each with its address and what became of it.
Printout recipientListPrintout(const QString& subject, const QList<RecipientOutcome>& outcomes,
                               const QDateTime& printedAt = QDateTime::currentDateTime());

}  // namespace vn
