#include "support/database_damage.h"

#include "store/engine/database.h"
#include "store/engine/statement.h"
#include "store/schema/schema.h"

#include <QFile>
#include <stdexcept>

namespace vn::test {

namespace {

void rewrite(const QString& path, const std::function<void(QFile&)>& change) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) throw std::runtime_error("cannot open " + path.toStdString());
    change(file);
}

}  // namespace

const char* damageName(Damage damage) {
    switch (damage) {
    case Damage::Garbage: return "Garbage";
    case Damage::CutInHalf: return "CutInHalf";
    case Damage::PageZeroed: return "PageZeroed";
    case Damage::TableDropped: return "TableDropped";
    case Damage::ColumnDropped: return "ColumnDropped";
    }
    return "?";
}

void zeroTablePage(const QString& path, const QString& table) {
    int page = 0;
    {
        auto db = Database::open(path, Database::Access::ReadOnly);
        Statement st(db->handle(), "SELECT rootpage FROM sqlite_schema WHERE name = ?");
        st.bind(1, table);
        if (!st.step()) throw std::runtime_error("no table " + table.toStdString());
        page = st.text(0).toInt();
    }
    rewrite(path, [page](QFile& file) {
        file.seek(16);
        const QByteArray size = file.read(2);
        int pageSize = (quint8(size[0]) << 8) | quint8(size[1]);
        if (pageSize == 1) pageSize = 65536;
        file.seek(qint64(page - 1) * pageSize);
        file.write(QByteArray(pageSize, '\0'));
    });
}

void damageDatabase(const QString& path, Damage damage) {
    switch (damage) {
    case Damage::Garbage:
        rewrite(path, [](QFile& file) {
            file.resize(0);
            file.write(QByteArray(8192, 'x'));
        });
        return;
    case Damage::CutInHalf:
        rewrite(path, [](QFile& file) { file.resize(file.size() / 2); });
        return;
    case Damage::PageZeroed:
        zeroTablePage(path, "Head");
        return;
    case Damage::TableDropped:
        Database::open(path)->execute("DROP TABLE Pag3");
        return;
    case Damage::ColumnDropped:
        Database::open(path)->execute("ALTER TABLE Pag1 DROP COLUMN " + quotedName(schema::table("Pag1").fields.at(5).name));
        return;
    }
}

}  // namespace vn::test
