#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace vn {

// Positions on a blank form sheet: columns and rows are 1/80 of the printable page; page fields
// are in design pixels, the designer's page 840 wide and 1260 high.
struct BlankFormGeometry {
    explicit BlankFormGeometry(QSizeF page) : column(page.width() / 80), row(page.height() / 80),
        widthFactor(page.width() / 840), heightFactor(page.height() / 1260), point(page.width() / 560) {}

    QPointF at(double c, double r) const { return {c * column, r * row}; }
    QRectF cells(double c0, double r0, double c1, double r1) const { return {at(c0, r0), at(c1, r1)}; }
    // A page field's corner: its design position below the page region's row.
    QPointF field(int left, int top, double regionRow) const {
        return {left * widthFactor, regionRow * row + top * heightFactor};
    }
    // A text line's height in the page's units; the printable width taken as about 560 points.
    double lineHeight(double pointSize) const { return 1.15 * pointSize * point; }
    double averageCharWidth(double pointSize) const { return 0.55 * pointSize * point; }

    double column, row, widthFactor, heightFactor, point;
};

}  // namespace vn
