#pragma once

#include "requests/request.h"

#include <QString>
#include <QStringView>

namespace vn {

// One condition's test of a record's value, prepared once for a whole evaluation.
class ConditionTest {
public:
    // defaultValue: what an empty value counts as ("0" for a check box).
    ConditionTest(const SqlCondition& condition, const QString& defaultValue);

    bool operator()(QStringView value) const;

private:
    enum class Mode { Everything, Compare, Contains };

    Mode m_mode = Mode::Compare;
    CompareOp m_op = CompareOp::Equal;
    QString m_target;      // upper case, ending before the wild card
    qsizetype m_cut = -1;  // characters of the value compared, -1 for all
    QString m_default;
};

}  // namespace vn
