#include "lists/siblings/sibling_places.h"

namespace vn {

bool SiblingPlaces::anyPresent() const {
    for (const SiblingInstallation& product : products)
        if (product.found) return true;
    return false;
}

QString SiblingPlaces::fileOf(const SiblingSource& source, bool firstDataSet) const {
    const SiblingInstallation& product = products[std::size_t(source.product)];
    if (!product.found) return QString();
    return siblingTableFile(product.base, stateCode, source, firstDataSet ? 1 : product.currentDataSet);
}

}  // namespace vn
