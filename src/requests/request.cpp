#include "requests/request.h"

namespace vn {

QString kindPrefix(RequestKind kind) {
    switch (kind) {
    case RequestKind::Count: return QStringLiteral("LBCount ");
    case RequestKind::List: return QStringLiteral("List ");
    case RequestKind::Labels: return QStringLiteral("Mailing labels: ");
    case RequestKind::Report: return QStringLiteral("Print report: ");
    case RequestKind::MailMerge: return QStringLiteral("Build Mail Merge File: ");
    case RequestKind::Email: return QStringLiteral("EMail: ");
    case RequestKind::Transmit: return QStringLiteral("Transmit ");
    case RequestKind::Calculate: return QStringLiteral("Calculate ");
    case RequestKind::WriteChecks: return QStringLiteral("Write Checks ");
    case RequestKind::MemoPrinting: return QStringLiteral("Memo Printing: ");
    }
    return {};
}

QString operatorPiece(CompareOp op) {
    switch (op) {
    case CompareOp::Equal: return QStringLiteral("= ");
    case CompareOp::Less: return QStringLiteral("< ");
    case CompareOp::Greater: return QStringLiteral("> ");
    case CompareOp::LessOrEqual: return QStringLiteral("<= ");
    case CompareOp::GreaterOrEqual: return QStringLiteral(">= ");
    case CompareOp::NotEqual: return QStringLiteral("<> ");
    }
    return {};
}

}  // namespace vn
