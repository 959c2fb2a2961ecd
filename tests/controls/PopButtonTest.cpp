#include "controls/PopButton.h"
#include "controls/clsSomeErrors.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace stoupe {
namespace {

QPixmap solid(Qt::GlobalColor colour) {
    QPixmap pixmap(20, 10);
    pixmap.fill(colour);
    return pixmap;
}

class PictureButton : public ::testing::Test {
protected:
    void SetUp() override {
        // Keep the cursor away so that "mouse over" is decided by the events.
        QCursor::setPos(-500, -500);
        button.resize(40, 20);
        button.setDisabledPicture(disabled);
        button.setUpPicture(up);
        button.setDownPicture(down);
        button.setInactivePicture(inactive);
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    }

    bool shows(const QPixmap& picture) const {
        return button.shownPicture().cacheKey() == picture.cacheKey();
    }

    QPixmap inactive = solid(Qt::gray), up = solid(Qt::yellow), down = solid(Qt::blue),
            disabled = solid(Qt::lightGray);
    PopButton button;
};

TEST_F(PictureButton, ClickOnlyWhenReleasedOverTheButton) {
    QSignalSpy clicks(&button, &PopButton::Click);
    QTest::mousePress(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(shows(down));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(shows(up));
    EXPECT_TRUE(button.moveOffTimerActive());

    // Pressed, dragged off and released elsewhere: no Click, normal picture.
    QTest::mousePress(&button, Qt::LeftButton, {}, {10, 10});
    QMouseEvent drag(QEvent::MouseMove, QPointF(80, 10), button.mapToGlobal(QPointF(80, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &drag);
    EXPECT_TRUE(shows(inactive));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {80, 10});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(shows(inactive));

    // The edges count as over the button.
    QTest::mousePress(&button, Qt::LeftButton, {}, {40, 20});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {40, 20});
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(PictureButton, MouseOverAndMovingOff) {
    QTest::mouseMove(&button, {10, 10});
    EXPECT_TRUE(shows(up));
    EXPECT_TRUE(button.moveOffTimerActive());
    // The cursor is no longer over the button: the next tick restores it.
    QCursor::setPos(-500, -500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button.moveOffTimerActive(); }, 1000));
    EXPECT_TRUE(shows(inactive));

    button.setUpPicture({});
    QTest::mouseMove(&button, {12, 10});
    EXPECT_TRUE(shows(inactive));
}

TEST_F(PictureButton, StickyButtonToggles) {
    QSignalSpy clicks(&button, &PopButton::Click);
    button.setDown(true); // a plain button ignores Down
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks.count(), 0);

    button.setSticky(true);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(shows(down));
    QTest::mouseClick(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks.count(), 2);

    button.setDown(false); // unchanged: nothing raised
    EXPECT_EQ(clicks.count(), 2);
    button.setDown(true);
    EXPECT_EQ(clicks.count(), 3);
    button.setSticky(false); // un-sticking a down button lifts it
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks.count(), 4);
}

TEST_F(PictureButton, DisabledPictureAtOnce) {
    button.setEnabled(false);
    EXPECT_TRUE(shows(disabled));
    QSignalSpy clicks(&button, &PopButton::Click);
    QTest::mouseClick(&button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 0);
    button.setEnabled(true);
    EXPECT_TRUE(shows(inactive));
}

TEST_F(PictureButton, MissingPicturesShowNothingAndNeverFail) {
    PopButton empty;
    empty.resize(30, 30);
    empty.show();
    QTest::mouseClick(&empty, Qt::LeftButton, {}, {5, 5});
    empty.setEnabled(false);
    EXPECT_TRUE(empty.shownPicture().isNull());
}

TEST_F(PictureButton, ReportsARestingStickyButtonThatIsDown) {
    clsSomeErrors reporter;
    QSignalSpy errors(&reporter, &clsSomeErrors::Errored);
    button.setObjectName(QStringLiteral("becmdUnits"));
    button.setErrorHandler(&reporter);
    button.setSticky(true);
    button.setDown(true);
    // Dragging off while down asks for the down picture, not the resting one.
    QTest::mousePress(&button, Qt::LeftButton, {}, {10, 10});
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {80, 10});
    EXPECT_EQ(errors.count(), 0);
    EXPECT_TRUE(shows(down));
}

} // namespace
} // namespace stoupe
