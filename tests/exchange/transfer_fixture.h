#pragma once

#include "backup_fixture.h"
#include "exchange/transfer/transfer_receive.h"
#include "exchange/transfer/transfer_send.h"
#include "store/catalogue/slots.h"

#include <QDir>

namespace vn::test {

// A data set with an exchange folder beside it, sending as the county office "alb".
struct TransferFixture : BackupFixture {
    TransferFixture() { QDir().mkpath(exchange()); }

    QString exchange() const { return folder.file("dataxfer"); }
    QString inExchange(const QString& name) const { return QDir(exchange()).filePath(name); }
    Database& db() { return access.database(kListSlot); }

    static TransferRequest request(TransferKind kind, const QStringList& lists, const QStringList& destinations = {"WY_"}) {
        TransferRequest r;
        r.kind = kind;
        r.ownCode = "alb";
        r.destinations = destinations;
        r.listCodes = lists;
        r.now = QDateTime(QDate(2024, 3, 7), QTime(14, 5));
        return r;
    }

    TransferBuild send(const TransferRequest& r) { return SendTransferFile(access, prompter, exchange(), r); }
    TransferBuild send(TransferKind kind, const QStringList& lists) { return send(request(kind, lists)); }

    ReceiveRun receive(TransferKind kind, const QStringList& files, bool removeAfter = false,
                       std::function<bool(const QString&)> password = {}) {
        return ReceiveTransferFiles(db(), prompter, {kind, files, removeAfter, std::move(password)});
    }

    // The file's lines after the three header lines.
    QList<QByteArray> recordLines(const QString& path) const {
        QList<QByteArray> lines = bytes(path).split('\n');
        for (QByteArray& line : lines) line.chop(line.endsWith('\r') ? 1 : 0);
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines.mid(3);
    }
};

}  // namespace vn::test
