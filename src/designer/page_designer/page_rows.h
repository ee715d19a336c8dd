#pragma once

#include <QString>

namespace vn {

class DefinitionCache;
class RecordAccess;

// Copies page `from`'s definition rows (deleted ones included), its table construction and the
// items of its selection lists onto page `to`, whose leftover Help, Tdat and Selc rows are
// removed first. Help texts are not copied.
void CopyPageRows(RecordAccess& access, const QString& listCode, int from, int to);

// Removes the page's definition rows and what is attached to them (Tdat, Help, Selc), so the
// fields placed next start from nothing. The title row stays.
void ErasePageRows(RecordAccess& access, const QString& listCode, int page);

// Writes every active definition of the list back with its kind's field set (leaving the designer).
void RewriteActiveDefinitions(RecordAccess& access, const DefinitionCache& cache);

}  // namespace vn
