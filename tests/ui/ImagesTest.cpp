#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "UiTestApplication.h"
#include "ui/common/Images.h"

namespace {

const QStringList kNames = {"account_icon",         "closedAccountIcon", "folder_icon",
                            "sourceListBudgetIcon", "allAccountsIcon",   "scheduledIcon",
                            "breakdown_icon",       "trends_icon",       "appIcon",
                            "repeatingIcon",        "transferIcon"};

// The share of pixels that are not fully transparent.
double coverage(const QImage& image) {
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return double(drawn) / (image.width() * image.height());
}

TEST(Images, EveryNamedIconIsDrawnAtBothScalesAndUnknownNamesAreNull) {
    ensureUiTestApplication();
    QImage sheet(kNames.size() * 40, 40, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < kNames.size(); ++i) {
        SCOPED_TRACE(kNames[i].toStdString());
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = Images::pixmap(kNames[i], 16, ratio);
            ASSERT_EQ(pixmap.size(), QSize(16, 16) * ratio);
            const double drawn = coverage(pixmap.toImage());
            EXPECT_GT(drawn, 0.2);
            EXPECT_LT(drawn, 1.01);
        }
        painter.drawPixmap(i * 40 + 4, 4, Images::pixmap(kNames[i], 32, 1.0));
    }
    painter.end();
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    sheet.save(PENNORA_SCREENSHOTS_DIR "/icons.png");
    EXPECT_TRUE(Images::icon("no_such_image").isNull());
    EXPECT_FALSE(Images::icon("folder_icon").isNull());
}

}  // namespace
