// Stands in for the program as a table-reading child: the real child for the real kinds, and the
// ways a child can fail for the kinds the tests name.
#include "interchange/tables/child/table_child.h"
#include "interchange/tables/child/table_frames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void send(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace vn;
    const char* kind = argc >= 3 ? argv[2] : "";
    const QList<ForeignColumn> columns = {{QStringLiteral("Name"), ForeignType::Text}};
    if (std::strcmp(kind, "crash") == 0) {
        send(table_frame::table(columns, 2));
        std::abort();
    }
    if (std::strcmp(kind, "garbage") == 0) {
        send("Segmentation fault? no: just text on standard output\n");
        return 0;
    }
    if (std::strcmp(kind, "hang") == 0) {
        send(table_frame::table(columns, 2) + table_frame::row({QStringLiteral("one")}));
        std::this_thread::sleep_for(std::chrono::seconds(60));
        return 0;
    }
    if (std::strcmp(kind, "fewer-rows") == 0) {
        send(table_frame::table(columns, 2) + table_frame::row({QStringLiteral("one")}) + table_frame::end());
        return 0;
    }
    if (std::strcmp(kind, "failed-after-end") == 0) {
        send(table_frame::table(columns, 1) + table_frame::row({QStringLiteral("one")}) + table_frame::end());
        return 3;
    }
    if (std::strcmp(kind, "greedy") == 0) {
        // As an outside library does when an allocation fails under the child's limit.
        limitTableChild();
        void* const block = std::malloc(size_t(kTableChildMemoryBytes) + (size_t(1) << 30));
        if (!block) std::abort();
        send(table_frame::table(columns, 0) + table_frame::end());
        return 0;
    }
    return runTableChild(argc, argv);
}
