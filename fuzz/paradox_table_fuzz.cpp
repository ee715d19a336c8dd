// libFuzzer target for what runs on a Paradox table before pxlib sees it: the check of the .DB's
// header, fields and block chain, our .MB reader on every memo pointer of the rows, and the parent's
// parser of the frames a reading child sends. An input is a 4-byte little-endian length, that many
// bytes of .DB and the rest as .MB (and as a frame stream). A refusal is expected; anything else (a
// crash, a sanitizer report, a broken invariant) is a finding.
#include "interchange/tables/child/table_frames.h"
#include "interchange/tables/paradox/memo_file.h"
#include "interchange/tables/paradox/paradox_layout.h"

#include "fuzz_expect.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace vn;
using fuzz::expect;

constexpr int kMemoTail = 10;

bool isMemoOrBlob(int type) {
    using namespace paradox_type;
    return type == Memo || type == FmtMemo || type == Blob || type == Ole || type == Graphic;
}

void readMemos(const ParadoxLayout& layout, QByteArrayView db, const MemoFile& memos, qsizetype memoSize) {
    for (const ParadoxBlock& block : layout.blocks) {
        for (int row = 0; row < block.rows; ++row) {
            qint64 at = block.firstRowOffset + qint64(row) * layout.recordSize;
            expect(at >= layout.headerSize && at + layout.recordSize <= db.size(), "rows lie inside the file");
            for (const ParadoxField& field : layout.fields) {
                if (isMemoOrBlob(field.type)) {
                    const auto pointer = MemoPointer::fromTail(db.sliced(at + field.size - kMemoTail, kMemoTail));
                    QString problem;
                    const auto value = memos.read(pointer, problem);
                    expect(value ? value->size() == qsizetype(pointer.length) : !problem.isEmpty(),
                           "a memo has the length its row gives, or a reason");
                    expect(!value || qint64(pointer.blockOffset) + 4096 <= memoSize, "a memo lies inside the .MB");
                }
                at += field.size;
            }
        }
    }
}

void checkTable(QByteArrayView db, QByteArrayView mb) {
    ForeignProblem problem;
    const auto layout = checkParadoxLayout(db, QStringLiteral("fuzz.db"), problem);
    if (!layout) {
        if (std::getenv("VARNEDO_FUZZ_SHOW_REFUSALS")) std::fprintf(stderr, "%s\n", qPrintable(problem.message));
        expect(problem.message.contains(QLatin1String("fuzz.db")), "a refusal names the file");
        return;
    }
    int bytes = 0;
    for (const ParadoxField& field : layout->fields) bytes += field.size;
    expect(bytes == layout->recordSize && !layout->fields.isEmpty(), "the fields fill a row");
    qint64 rows = 0;
    for (const ParadoxBlock& block : layout->blocks) rows += block.rows;
    expect(rows == layout->rowCount, "the blocks hold the rows the header gives");
    readMemos(*layout, db, MemoFile(mb), mb.size());
}

void parseFrames(const QByteArray& bytes) {
    using Step = table_frame::Parser::Step;
    table_frame::Parser parser;
    parser.append(bytes);
    qint64 rows = 0;
    for (Step step = parser.next(); step == Step::Table || step == Step::Row; step = parser.next()) {
        if (step != Step::Row) continue;
        ++rows;
        expect(parser.row().size() == parser.columns().size(), "a row holds a value a column");
        expect(rows <= parser.rowCount(), "no more rows than announced");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const quint32 told = quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
    const qsizetype dbSize = qsizetype(told % quint32(size - 3));
    // Copies, so that a read past either part is an overflow the sanitizer sees.
    const QByteArray db = input.sliced(4, dbSize).toByteArray();
    const QByteArray mb = input.sliced(4 + dbSize).toByteArray();
    checkTable(db, mb);
    parseFrames(mb);
    return 0;
}
