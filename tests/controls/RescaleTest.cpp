#include "controls/UnSizer.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace stoupe {
namespace {

class Inner : public QWidget, public UnSizable {
public:
    using QWidget::QWidget;
    void UnSize(double& x, double& y) override {
        xSeen = x;
        ySeen = y;
    }
    double xSeen = 0, ySeen = 0;
};

TEST(Rescale, AlertShownLargerIsBroughtBackToDesignSize) {
    // A 400 × 250 window that came up as 500 × 312.5 pixels.
    QWidget window;
    window.resize(500, 313);
    QLabel label(QStringLiteral("text"), &window);
    QFont font = label.font();
    font.setPointSizeF(10);
    label.setFont(font);
    label.setGeometry(100, 50, 200, 25);

    QLabel image(&window);
    QPixmap picture(60, 40);
    picture.fill(Qt::red);
    image.setPixmap(picture);
    image.setGeometry(250, 125, 60, 40);

    QLabel emptyImage(&window);
    emptyImage.setGeometry(50, 50, 100, 50);

    QLineEdit box(&window);
    QFont boxFont = box.font();
    boxFont.setPointSizeF(10);
    box.setFont(boxFont);
    box.setGeometry(0, 0, 100, 25);

    QWidget page(&window); // a picture box: its controls are the window's too
    page.setGeometry(0, 100, 500, 200);
    QLabel onPage(QStringLiteral("x"), &page);
    onPage.setGeometry(100, 100, 50, 25);

    Inner userControl(&window);
    userControl.setGeometry(0, 250, 100, 50);
    QLabel insideUserControl(QStringLiteral("y"), &userControl);
    insideUserControl.setGeometry(10, 10, 50, 25);

    UnSizeForm(400, 250, &window, QSizeF(500, 312.5));

    EXPECT_EQ(window.size(), QSize(400, 250));
    EXPECT_EQ(label.geometry(), QRect(80, 40, 160, 20));
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 8.0);
    EXPECT_EQ(image.geometry(), QRect(200, 100, 60, 40)); // moved, same size
    EXPECT_EQ(emptyImage.geometry(), QRect(40, 40, 80, 40));
    EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 10.0);
    EXPECT_EQ(onPage.geometry(), QRect(80, 80, 40, 20));
    EXPECT_DOUBLE_EQ(userControl.xSeen, 0.8);
    EXPECT_DOUBLE_EQ(userControl.ySeen, 0.8);
    EXPECT_EQ(insideUserControl.geometry(), QRect(10, 10, 50, 25));
}

TEST(Rescale, WindowAtDesignSizeIsLeftAlone) {
    QWidget window;
    window.resize(780, 565);
    QLabel label(QStringLiteral("text"), &window);
    label.setGeometry(13, 17, 101, 23);
    UnSizeForm(780, 565, &window);
    EXPECT_EQ(label.geometry(), QRect(13, 17, 101, 23));
    EXPECT_EQ(window.size(), QSize(780, 565));
}

TEST(Rescale, TextBoxFontsOnlyWhenAsked) {
    QLineEdit box;
    QFont font = box.font();
    font.setPointSizeF(10);
    box.setFont(font);
    box.setGeometry(10, 10, 100, 20);
    UnSizeControl(0.5, 0.5, &box, true);
    EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 5.0);
    EXPECT_EQ(box.geometry(), QRect(5, 5, 50, 10));
}

} // namespace
} // namespace stoupe
