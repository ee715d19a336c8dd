#pragma once

#include "interchange/tables/child/table_frames.h"
#include "interchange/tables/foreign_table.h"

#include <memory>

class QProcess;

namespace vn {

// What a child process is to read, and how.
struct ChildTableRequest {
    QString kind;   // "paradox", ...
    QString path;
    QString table;  // the table inside a database file; empty for a file that is one table
    // The program started with the internal option; empty: this program itself.
    QString program;
    // Without a byte from the child for this long, it is taken as hung.
    int silenceSeconds = 30;
};

// A table read by a child process (table_child.h), so that a crash or hang of an outside library
// on a bad file ends the child, not the program. Whatever goes wrong with the child (crash, exit
// status, silence, damaged frames) is a problem naming the file, never an end of the rows.
class ChildTable final : public ForeignTable {
public:
    // The table once the child sent its columns, or null with problem set.
    [[nodiscard]] static std::unique_ptr<ChildTable> open(const ChildTableRequest& request, ForeignProblem& problem);
    ~ChildTable() override;

    const QList<ForeignColumn>& columns() const override { return parser_.columns(); }
    qint64 rowCount() const override { return parser_.rowCount(); }
    bool nextRow(QStringList& values, ForeignProblem& problem) override;

private:
    explicit ChildTable(const ChildTableRequest& request);

    table_frame::Parser::Step nextFrame();
    QString childFailure();
    void stop();

    ChildTableRequest request_;
    std::unique_ptr<QProcess> process_;
    table_frame::Parser parser_;
    QString failure_;
    bool done_ = false;
};

}  // namespace vn
