#include "controls/ucPrettyControl.h"
#include "controls/PrettyListModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace stoupe;

namespace {

QStringList texts(const PrettyListModel& list) {
    QStringList out;
    for (int i = 0; i < list.ListCount(); ++i)
        out << list.List(i);
    return out;
}

TEST(PrettyListModel, SetLimitsFillsConsecutiveNumbers) {
    const struct {
        qint16 top, bottom;
        int count;
        const char *first, *last;
    } cases[] = {{1, 31, 31, "1", "31"},
                 {0, 11, 12, "0", "11"},
                 {2001, 1900, 102, "2001", "1900"},
                 {5, 5, 1, "5", "5"}};
    for (const auto& c : cases) {
        PrettyListModel list;
        list.AddItemAndData("!Fav", 1);
        list.SetLimits(c.top, c.bottom);
        EXPECT_EQ(list.ListCount(), c.count);
        EXPECT_EQ(list.List(0), c.first);
        EXPECT_EQ(list.List(c.count - 1), c.last);
        EXPECT_EQ(list.TopCount(), -1);
        EXPECT_EQ(list.DefaultIndex(), -1);
        EXPECT_EQ(list.ListIndex(), -1);
    }
}

TEST(PrettyListModel, SetIndexPicksTheLargestItemNotAboveTheValue) {
    PrettyListModel list;
    list.SetLimits(50, 250);
    const struct {
        float value;
        int index;
    } cases[] = {{172.72f, 122}, {49, -1}, {300, 200}, {50, 0}, {50.99f, 0}};
    for (const auto& c : cases) {
        list.SetIndex(c.value);
        EXPECT_EQ(list.ListIndex(), c.index) << c.value;
    }
    list.SetIndex(172.72f);
    EXPECT_EQ(list.ShownText(), "172");
}

TEST(PrettyListModel, DefaultItemIsSelectedAndFallenBackTo) {
    PrettyListModel list;
    list.AddItemAndData("A", 1);
    list.AddItemAndData("*B", 2);
    EXPECT_EQ(texts(list), QStringList({"A", "B"}));
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.DefaultIndex(), 1);
    EXPECT_EQ(list.ShownText(), "B");
    list.setListIndex(0);
    list.SetIndex(-1); // every text reads as 0
    EXPECT_EQ(list.ListIndex(), 1);
    list.setListIndex(0);
    list.SetIndexData(99, true);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(list.ItemData(-1), 0);
    EXPECT_EQ(list.ItemData(2), 0);
    EXPECT_EQ(list.ItemData(1), 2);
}

TEST(PrettyListModel, FavouritesSitAboveASeparator) {
    PrettyListModel list;
    list.AddItemAndData("!United", 40010);
    list.AddItemAndData("Other", 40020);
    EXPECT_EQ(texts(list), QStringList({"United", "---------", "United", "Other"}));
    EXPECT_EQ(list.TopCount(), 1);
    EXPECT_EQ(list.ItemData(0), 40010);
    EXPECT_EQ(list.ItemData(2), 40010);

    const struct {
        qint32 value;
        bool exact;
        int index;
    } cases[] = {{40010, false, 0}, {40015, false, 2},  {40015, true, -1},
                 {40020, true, 3},  {40000, false, -1}, {50000, false, 3}};
    for (const auto& c : cases) {
        list.SetIndexData(c.value, c.exact);
        EXPECT_EQ(list.ListIndex(), c.index) << c.value << " " << c.exact;
    }

    PrettyListModel two;
    two.AddItemAndData("!First", 1);
    two.AddItemAndData("*!Second", 2);
    two.AddItemAndData("Third", 3);
    EXPECT_EQ(texts(two),
              QStringList({"First", "Second", "---------", "First", "Second", "Third"}));
    EXPECT_EQ(two.TopCount(), 2);
    EXPECT_EQ(two.DefaultIndex(), 1);
    EXPECT_EQ(two.ListIndex(), 1);
}

TEST(PrettyListModel, DataSearchWithoutFavouritesReachesItemZero) {
    PrettyListModel list;
    for (qint32 d : {10, 20, 30})
        list.AddItemAndData(QString::number(d), d);
    list.SetIndexData(10, true);
    EXPECT_EQ(list.ListIndex(), 0);
    list.SetIndexData(25);
    EXPECT_EQ(list.ListIndex(), 1);
}

TEST(PrettyListModel, TheDefaultFollowsItsItemWhenFavouritesArriveLater) {
    PrettyListModel list;
    list.AddItemAndData("*Other", 5);
    list.AddItemAndData("!United", 40010);
    EXPECT_EQ(list.List(list.DefaultIndex()), "Other");
    list.SetIndexData(1, true);
    EXPECT_EQ(list.ShownText(), "Other");
}

TEST(PrettyListModel, ChoosingTheSeparatorBringsBackThePreviousChoice) {
    PrettyListModel list;
    list.AddItemAndData("!United", 1);
    list.AddItemAndData("Other", 2);
    int changes = 0;
    PrettyListModel::Listener listener;
    listener.chosen = [&] { ++changes; };
    list.setListener(listener);

    list.choose(3);
    list.choose(1);
    EXPECT_EQ(list.ListIndex(), 3);
    EXPECT_EQ(list.ShownText(), "Other");
    EXPECT_EQ(changes, 2); // the separator itself is no change

    PrettyListModel fresh;
    fresh.AddItemAndData("!United", 1);
    fresh.AddItemAndData("Other", 2);
    fresh.RemoveItem(3);
    fresh.choose(0);
    fresh.RemoveItem(0); // the last choice is gone
    fresh.choose(0);     // now the separator
    EXPECT_EQ(fresh.ListIndex(), -1);
}

TEST(PrettyListModel, UpAndDownStepByOneFiveOrAll) {
    const struct {
        int from, direction;
        bool shift, ctrl;
        int to;
    } cases[] = {{3, 1, true, false, 8},   {3, -1, false, true, 0}, {3, 1, true, true, 9},
                 {8, 1, true, false, 9},   {1, -1, true, false, 0}, {3, 1, false, false, 4},
                 {-1, 1, false, false, 0}, {0, -1, false, false, 0}};
    for (const auto& c : cases) {
        PrettyListModel list;
        list.SetLimits(0, 9);
        list.setListIndex(c.from);
        list.step(c.direction, c.shift, c.ctrl);
        EXPECT_EQ(list.ListIndex(), c.to) << c.from << " " << c.direction;
    }

    PrettyListModel favourites;
    favourites.AddItemAndData("!United", 1);
    favourites.AddItemAndData("Other", 2);
    favourites.setListIndex(2);
    favourites.step(-1, false, false); // onto the separator: back to item 2
    EXPECT_EQ(favourites.ListIndex(), 2);
}

TEST(PrettyListModel, FirstLetterSearchWrapsRound) {
    PrettyListModel list;
    for (const char* fruit : {"Apple", "Banana", "Berry", "Cherry"})
        list.AddItem(fruit);
    list.setListIndex(1);
    const struct {
        QChar letter;
        int index;
    } typed[] = {{'b', 2}, {'b', 1}, {'B', 2}, {'c', 3}, {'a', 0}, {'z', 0}, {'a', 0}};
    for (const auto& t : typed) {
        list.findByFirstLetter(t.letter);
        EXPECT_EQ(list.ListIndex(), t.index) << QString(t.letter).toStdString();
    }
    PrettyListModel empty;
    empty.findByFirstLetter('a');
    EXPECT_EQ(empty.ListIndex(), -1);
}

class PrettyControl : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 100);
        control.move(10, 10);
        control.resize(150, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    ucPrettyControl control{&window};
};

TEST_F(PrettyControl, KeepsItsPartsInPlace) {
    EXPECT_EQ(control.height(), ucPrettyControl::InnerHeight);
    EXPECT_TRUE(control.textBox()->isReadOnly());
    EXPECT_FALSE(control.textBox()->hasFrame());
    EXPECT_EQ(control.textBox()->width(), 150);
    EXPECT_EQ(control.comboBox()->width(), 150);
    const QWidget* frame = control.arrow()->parentWidget();
    EXPECT_EQ(frame->x(), 150 - frame->width() - 1);
    EXPECT_EQ(frame->y(), 1);
}

TEST_F(PrettyControl, ClicksAndKeysChooseItemsAndRaiseChange) {
    QSignalSpy change(&control, &ucPrettyControl::Change);
    control.AddItemAndData("!United", 40010);
    for (const char* country : {"Austria", "Belgium", "Brazil", "Canada"})
        control.AddItemAndData(country, 40000 + country[0]);
    EXPECT_EQ(control.comboBox()->count(), 7);
    EXPECT_EQ(control.comboBox()->itemText(1), "---------");

    control.setListIndex(4);
    EXPECT_EQ(control.textBox()->text(), "Belgium");
    EXPECT_EQ(control.comboBox()->currentIndex(), 4);
    EXPECT_EQ(change.count(), 1);

    QTest::keyClick(control.textBox(), Qt::Key_B);
    EXPECT_EQ(control.textBox()->text(), "Brazil");
    QTest::keyClick(control.textBox(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(control.textBox()->text(), "Canada");
    QTest::keyClick(control.textBox(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(control.textBox()->text(), "United");
    EXPECT_EQ(control.ListIndex(), 0);
    EXPECT_EQ(change.count(), 4);

    // A choice made in the opened list is a click on it; the separator is none.
    emit control.comboBox()->activated(6);
    EXPECT_EQ(control.textBox()->text(), "Canada");
    emit control.comboBox()->activated(1);
    EXPECT_EQ(control.ListIndex(), 6);
    EXPECT_EQ(control.comboBox()->currentIndex(), 6);
    EXPECT_EQ(control.textBox()->text(), "Canada");
    EXPECT_EQ(change.count(), 6);
    EXPECT_EQ(control.textBox()->selectedText(), "");
}

TEST_F(PrettyControl, TheArrowOpensTheList) {
    control.SetLimits(1, 3);
    QTest::mousePress(control.arrow(), Qt::LeftButton);
    EXPECT_TRUE(control.comboBox()->view()->isVisible());
    control.comboBox()->hidePopup();
}

TEST_F(PrettyControl, SetLimitsEmptiesTheTextAndTheList) {
    control.AddItemAndData("*Only", 1);
    EXPECT_EQ(control.textBox()->text(), "Only");
    control.SetLimits(1, 31);
    EXPECT_EQ(control.textBox()->text(), "");
    EXPECT_EQ(control.comboBox()->count(), 31);
    EXPECT_EQ(control.comboBox()->currentIndex(), -1);
    control.SetIndex(12.9f);
    EXPECT_EQ(control.textBox()->text(), "12");
}

} // namespace
