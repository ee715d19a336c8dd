#include "platform/printing/print_rule.h"

#include <algorithm>

namespace vn {

void PrintRule(PageSink& sink, int fromColumn, int toColumn, double y) {
    const int count = std::min(toColumn - fromColumn + 1, 130);
    if (count <= 0) return;
    const double column = sink.pageSize().width() / (sink.landscape() ? 110.0 : 80.0);
    PrintFont font;
    font.pointSize = 14;
    sink.setFont(font);
    sink.text({fromColumn * column, y}, QString(count, QChar('_')));
}

}  // namespace vn
