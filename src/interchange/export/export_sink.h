#pragma once

#include "interchange/export/export_run.h"

#include <QStringList>
#include <memory>

namespace vn {

// Where an export's records go: a file that takes the place of the old one only when committed;
// dropped uncommitted, it leaves the old file as it was.
class ExportSink {
public:
    virtual ~ExportSink() = default;
    // False with failure set when the file cannot be created.
    virtual bool open(QString& failure) = 0;
    // The order's captions, before the first record: a caption row where the format has one.
    virtual void writeCaptions(const QStringList& captions) = 0;
    virtual void writeRecord(const QStringList& values) = 0;
    // False with failure set when the file could not be written; the old file then stays.
    virtual bool commit(QString& failure) = 0;
};

// The sink of the plan's format; its counts go into summary.
std::unique_ptr<ExportSink> makeExportSink(const ExportPlan& plan, ExportSummary& summary);

}  // namespace vn
