// The canvas widget shows its raster picture as it is, under its child widgets.
#include <gtest/gtest.h>

#include <QLabel>

#include "layout.h"
#include "qt_canvas.h"

namespace quorvel {
namespace {

TEST(QtCanvasWidget, ShowsThePictureWithChildLabelsOnTop) {
    SurfaceLook look;
    look.width_twips = twips_of_pixels(10);
    look.height_twips = twips_of_pixels(10);
    QtCanvas canvas(look);
    canvas.Scale({0.0f, 10.0f}, {10.0f, 0.0f});
    canvas.Line({0.5f, 0.5f}, {9.5f, 9.5f});
    auto* mark = new QLabel(&canvas);
    mark->setGeometry(6, 0, 4, 4);
    mark->setAutoFillBackground(true);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    mark->setPalette(palette);

    const QImage shown = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = canvas.picture().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), picture.size());
    EXPECT_EQ(shown.pixelColor(2, 7), QColor(0, 0, 0));
    EXPECT_EQ(shown.copy(0, 4, 10, 6), picture.copy(0, 4, 10, 6));
    EXPECT_EQ(shown.pixelColor(8, 1), QColor(255, 0, 0));
}

}  // namespace
}  // namespace quorvel
