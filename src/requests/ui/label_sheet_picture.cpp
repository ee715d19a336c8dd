#include "requests/ui/label_sheet_picture.h"

#include <QAbstractButton>
#include <QPainter>

namespace vn {

namespace {

const QColor kPresent = Qt::white;
const QColor kAbsent(128, 128, 128);
const QColor kBacking(236, 233, 216);  // the sheet's backing paper between the labels
constexpr int kTextMargin = 2;

}  // namespace

// One label position: checked while its label is present.
class LabelCell : public QAbstractButton {
public:
    LabelCell(int position, QWidget* parent) : QAbstractButton(parent) {
        setObjectName(QStringLiteral("labelCell%1").arg(position));
        setAccessibleName(QStringLiteral("Label position %1").arg(position));
        setCheckable(true);
        setChecked(true);
    }

    void draw(const LabelCellView& cell, int fontSize, bool marking) {
        setGeometry(cell.rect);
        setChecked(cell.present);
        setEnabled(marking);
        setToolTip(cell.lines.join(u'\n'));
        m_lines = cell.lines;
        QFont f = font();
        f.setPointSize(fontSize);
        setFont(f);
        setVisible(true);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), isChecked() ? kPresent : kAbsent);
        painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.setClipRect(rect().adjusted(1, 1, -1, -1));
        const int lineHeight = fontMetrics().height();
        for (int line = 0; line < m_lines.size(); ++line)
            painter.drawText(kTextMargin, kTextMargin + line * lineHeight + fontMetrics().ascent(), m_lines[line]);
    }

private:
    QStringList m_lines;
};

LabelSheetPicture::LabelSheetPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("labelSheetPicture"));
    for (int position = 1; position <= LabelStock::kMaxLabels; ++position) {
        auto* cell = new LabelCell(position, this);
        cell->hide();
        connect(cell, &QAbstractButton::clicked, this, [this, position] { emit cellClicked(position); });
        m_cells[std::size_t(position - 1)] = cell;
    }
}

void LabelSheetPicture::render(const LabelSheetView& view) {
    setFixedSize(view.picture.isValid() ? view.picture : QSize(0, 0));
    // The cells come as positions 1 to the stock's count; the positions after them are hidden.
    for (qsizetype i = 0; i < qsizetype(m_cells.size()); ++i) {
        if (i < view.cells.size()) m_cells[std::size_t(i)]->draw(view.cells[i], view.previewFontSize, view.marking);
        else m_cells[std::size_t(i)]->hide();
    }
}

void LabelSheetPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBacking);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vn
