#include "interchange/tables/paradox/paradox_table.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

const QString kFixtures = QStringLiteral(VARNEDO_PARADOX_FIXTURES);

TEST(ParadoxTable, Dump) {
    ForeignProblem problem;
    auto table = ParadoxTable::open(kFixtures + "/TypSammlung.DB", problem);
    ASSERT_TRUE(table) << problem.message.toStdString();
    for (const auto& c : table->columns()) std::printf("%s:%d | ", qPrintable(c.name), int(c.type));
    std::printf("\n");
    QStringList values;
    while (table->nextRow(values, problem)) std::printf("%s\n", qPrintable(values.join(" | ")));
}

}  // namespace
}  // namespace vn
