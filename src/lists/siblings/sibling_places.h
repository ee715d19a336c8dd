#pragma once

#include "lists/siblings/sibling_sources.h"

#include <QString>

#include <array>

namespace vn {

// What the start found of one sibling product.
struct SiblingInstallation {
    QString product;
    bool found = false;
    QString base;            // the drive and company folder holding the product's folder
    int currentDataSet = 0;  // its "CurDataSet"; 0 when missing
};

// Where the sources live on this machine: the products the start found and our state folder.
struct SiblingPlaces {
    std::array<SiblingInstallation, kSiblingProductCount> products;
    QString stateCode;

    bool present(SiblingProduct product) const { return products[std::size_t(product)].found; }
    bool anyPresent() const;
    // The source's table file: of the product's current data set, or of data set 1 (the designer
    // lists fields from that one). Empty when the product is not present.
    QString fileOf(const SiblingSource& source, bool firstDataSet = false) const;
};

}  // namespace vn
