#include "requests/report/screen_views.h"

#include "platform/printing/painter_sink.h"
#include "requests/report/screen_layout.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace vn {

namespace {

// Draws on one view picture after another; each newPage() writes the picture and starts a
// blank one.
class ViewPictures : public PageSink {
public:
    explicit ViewPictures(QString folder)
        : m_folder(std::move(folder)), m_image(kViewWidth, kViewLines * kViewLineHeight, QImage::Format_RGB32) {
        m_image.fill(Qt::white);
        m_painter.begin(&m_image);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
    }

    QSizeF pageSize() const override { return m_image.size(); }
    bool landscape() const override { return false; }
    void setFont(const PrintFont& font) override { m_sink.setFont(font); }
    void text(QPointF at, const QString& text) override { m_sink.text(at, text); }
    void line(QPointF from, QPointF to) override { m_sink.line(from, to); }
    void rectangle(const QRectF& rect, bool filled) override { m_sink.rectangle(rect, filled); }
    void circle(QPointF centre, double radius, bool filled) override { m_sink.circle(centre, radius, filled); }
    void setPen(const PrintPen& pen) override { m_sink.setPen(pen); }
    void setFillColour(quint32 colour) override { m_sink.setFillColour(colour); }
    void setTextColour(quint32 colour) override { m_sink.setTextColour(colour); }
    void setClip(const QRectF& area) override { m_sink.setClip(area); }
    void clearClip() override { m_sink.clearClip(); }
    void newPage() override {
        save();
        m_painter.fillRect(m_image.rect(), Qt::white);
    }

    ScreenViews finish() {
        save();
        m_painter.end();
        return {m_count, m_failure};
    }

private:
    void save() {
        ++m_count;
        const QString path = QDir(m_folder).filePath(viewFileName(m_count));
        if (m_failure.isEmpty() && !m_image.save(path, "BMP"))
            m_failure = QStringLiteral("The view %1 could not be written.").arg(path);
    }

    QString m_folder;
    QImage m_image;
    QPainter m_painter;
    PainterSink m_sink{m_painter, nullptr, QSizeF(m_image.size()), false};
    int m_count = 0;
    QString m_failure;
};

void eraseViews(const QString& folder) {
    for (int n = 1; QFile::exists(QDir(folder).filePath(viewFileName(n))); ++n)
        QFile::remove(QDir(folder).filePath(viewFileName(n)));
}

}  // namespace

QString viewFileName(int view) { return QStringLiteral("View%1.bmp").arg(view); }

ScreenViews writeScreenViews(const QString& filesFolder, const ReportDocument& report) {
    QDir().mkpath(filesFolder);
    eraseViews(filesFolder);
    ViewPictures pictures(filesFolder);
    layoutScreenReport(pictures, report);
    return pictures.finish();
}

}  // namespace vn
