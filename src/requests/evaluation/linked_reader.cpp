#include "requests/evaluation/linked_reader.h"

#include "lists/siblings/linked_value_resolver.h"

namespace vn {

LinkedFieldReader linkedFieldReader(LinkedValueResolver& resolver) {
    return [&resolver](int source, int sourceField, const QString& sourceKey) {
        return resolver.value(source, sourceKey.trimmed(), sourceField);
    };
}

}  // namespace vn
