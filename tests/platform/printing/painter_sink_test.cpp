// Colours, widths and circles reach the page: what a printout asks for is what a picture shows.
#include "platform/printing/painter_sink.h"
#include "support/gui_application.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vn;

namespace {

constexpr quint32 kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00, kWhite = 0xFFFFFFFF;

QImage draw(const std::function<void(PageSink&)>& layout) {
    test::ensureGuiApplication();
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    PainterSink sink(painter, nullptr, image.size(), false);
    layout(sink);
    painter.end();
    return image;
}

TEST(PainterSink, FillsOutlinesAndTextTakeTheirOwnColours) {
    const QImage image = draw([](PageSink& sink) {
        sink.setFillColour(kRed);
        sink.circle({50, 50}, 20, true);
        sink.setPen({kBlue, 6});
        sink.circle({150, 50}, 20, false);
        sink.rectangle({10, 120, 40, 40}, true);  // still the fill colour, not the pen's
        sink.setPen({kGreen, 4});
        sink.line({100, 150}, {190, 150});
    });
    EXPECT_EQ(image.pixel(50, 50), kRed);          // a filled circle's middle
    EXPECT_EQ(image.pixel(150, 50), kWhite);       // an outlined circle's middle stays empty
    EXPECT_EQ(image.pixel(150, 30), kBlue);        // on its outline, 6 units wide
    EXPECT_EQ(image.pixel(30, 140), kRed);
    EXPECT_EQ(image.pixel(150, 150), kGreen);
}

TEST(PainterSink, TextIsDrawnInTheTextColourWhateverThePen) {
    const QImage image = draw([](PageSink& sink) {
        sink.setPen({kGreen, 1});
        sink.setTextColour(kBlue);
        sink.setFont({QStringLiteral("Arial"), 40, true});
        sink.text({10, 10}, QStringLiteral("MMM"));
    });
    int blue = 0, green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            blue += qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
            green += qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60;
        }
    EXPECT_GT(blue, 100);
    EXPECT_EQ(green, 0);
}

}  // namespace
