#pragma once

namespace vn {

class DefinitionCache;
class LinkedValueResolver;
class RecordValues;
struct FieldDefinition;

// The sibling source (1-8) an active page text field shows a value of, 0 when it is not linked.
int linkedSourceOf(const FieldDefinition& definition);

// Puts the value each linked text field shows into its page column: the field of the record
// the record keeps for that source (Head 18-25). A value that cannot be resolved (product, file
// or record gone, no key) leaves the column as stored. `onlySource` 1-8 limits it to one source.
void applyLinkedValues(RecordValues& values, const DefinitionCache& definitions, LinkedValueResolver& resolver,
                       int onlySource = 0);

}  // namespace vn
