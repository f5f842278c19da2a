#include "widgets/CategoryPanelGroup.h"

#include "WheelEvents.h"
#include "widgets/CategoryPanel.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zz {
namespace {

// A window with a label above a group of three panels, each taller than half the group.
class CategoryPanelGroupTest : public ::testing::Test {
protected:
    QWidget window;
    QLabel* above = nullptr;
    CategoryPanelGroup* group = nullptr;
    QComboBox* list = nullptr;

    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        above = new QLabel(QStringLiteral("above"), &window);
        above->setFixedHeight(40);
        group = new CategoryPanelGroup(QStringLiteral("CPG"), &window);
        layout->addWidget(above);
        layout->addWidget(group);
        for (int p = 0; p < 3; ++p) {
            CategoryPanel* panel = group->addPanel(QStringLiteral("CP_%1").arg(p));
            panel->setCaption(QStringLiteral("%1. Section").arg(p + 1));
            auto* rows = new QVBoxLayout(panel->content());
            if (p == 0) {
                list = new QComboBox(panel->content());
                list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
                list->setCurrentIndex(1);
                rows->addWidget(list);
            }
            for (int i = 0; i < 5; ++i)
                rows->addWidget(new QLineEdit(panel->content()));
        }
        window.resize(300, 260);
        window.show();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    CategoryPanel* panel(int i) const { return group->panels().at(i); }
    QScrollBar* bar() const { return group->verticalScrollBar(); }
    QPoint overColumn() const { return test::centreIn(const_cast<QWidget*>(&window), group->viewport()); }
};

TEST_F(CategoryPanelGroupTest, StacksThePanelsFromTheTopWithoutGaps) {
    EXPECT_EQ(panel(0)->y(), 0);
    EXPECT_EQ(panel(1)->y(), panel(0)->y() + panel(0)->height());
    EXPECT_EQ(panel(2)->y(), panel(1)->y() + panel(1)->height());
    EXPECT_EQ(panel(0)->caption(), QStringLiteral("1. Section"));
    // The three panels do not fit, so the column scrolls.
    EXPECT_GT(bar()->maximum(), 0);
    EXPECT_TRUE(bar()->isVisible());
}

struct Activation {
    const char* name;
    int key; // 0: a click
    bool toggles;
    friend void PrintTo(const Activation& a, std::ostream* os) { *os << a.name; }
};

class HeadingActivationTest : public CategoryPanelGroupTest,
                              public ::testing::WithParamInterface<Activation> {
protected:
    void activate(CategoryPanelHeading* heading) {
        if (GetParam().key == 0)
            QTest::mouseClick(heading, Qt::LeftButton);
        else
            QTest::keyClick(heading, Qt::Key(GetParam().key));
        settle();
    }
};

TEST_P(HeadingActivationTest, CollapsesAndExpandsThePanel) {
    CategoryPanel* second = panel(1);
    const int expandedHeight = second->height();
    const int headingHeight = second->heading()->height();
    ASSERT_GT(expandedHeight, headingHeight);

    activate(second->heading());
    if (!GetParam().toggles) {
        EXPECT_FALSE(second->isCollapsed());
        EXPECT_EQ(second->height(), expandedHeight);
        return;
    }
    EXPECT_TRUE(second->isCollapsed());
    EXPECT_FALSE(second->content()->isVisible());
    EXPECT_EQ(second->height(), headingHeight);
    EXPECT_EQ(panel(2)->y(), second->y() + headingHeight);

    activate(second->heading());
    EXPECT_FALSE(second->isCollapsed());
    EXPECT_TRUE(second->content()->isVisible());
    EXPECT_EQ(second->height(), expandedHeight);
}

INSTANTIATE_TEST_SUITE_P(Ways, HeadingActivationTest,
                         ::testing::Values(Activation{"Click", 0, true},
                                           Activation{"Space", Qt::Key_Space, true},
                                           Activation{"Return", Qt::Key_Return, true},
                                           Activation{"Enter", Qt::Key_Enter, true},
                                           Activation{"OtherKey", Qt::Key_A, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CategoryPanelGroupTest, TheChevronAtTheRightEndFlipsWithTheState) {
    CategoryPanelHeading* heading = panel(0)->heading();
    const QImage open = heading->grab().toImage();
    panel(0)->setCollapsed(true);
    settle();
    const QImage collapsed = heading->grab().toImage();
    ASSERT_EQ(open.size(), collapsed.size());

    const int chevronZone = 24;
    const QRect right(open.width() - chevronZone, 0, chevronZone, open.height());
    const QRect rest(0, 0, open.width() - chevronZone, open.height());
    EXPECT_NE(open.copy(right), collapsed.copy(right));
    EXPECT_EQ(open.copy(rest), collapsed.copy(rest));
}

class WheelLinesTest : public CategoryPanelGroupTest, public ::testing::WithParamInterface<int> {};

TEST_P(WheelLinesTest, OneNotchOverTheColumnScrollsTheSystemsLines) {
    const int lines = GetParam();
    test::WheelLinesGuard guard(lines);
    const int step = bar()->singleStep();
    ASSERT_GT(step, 0);
    ASSERT_GE(bar()->maximum(), 2 * 3 * step);

    test::turnWheelAt(&window, overColumn(), -120);
    EXPECT_EQ(bar()->value(), lines * step);
    test::turnWheelAt(&window, overColumn(), -120);
    EXPECT_EQ(bar()->value(), 2 * lines * step);
    test::turnWheelAt(&window, overColumn(), 120);
    EXPECT_EQ(bar()->value(), lines * step);
}

INSTANTIATE_TEST_SUITE_P(Lines, WheelLinesTest, ::testing::Values(1, 3));

TEST_F(CategoryPanelGroupTest, TheWheelStopsAtTheEnds) {
    test::WheelLinesGuard guard(3);
    test::turnWheelAt(&window, overColumn(), 120);
    EXPECT_EQ(bar()->value(), 0);
    bar()->setValue(bar()->maximum());
    test::turnWheelAt(&window, overColumn(), -120 * 50);
    EXPECT_EQ(bar()->value(), bar()->maximum());
}

TEST_F(CategoryPanelGroupTest, TheWheelOverAListInsideScrollsTheColumnAndLeavesTheList) {
    test::WheelLinesGuard guard(1);
    test::turnWheelAt(&window, test::centreIn(&window, list), -120);
    EXPECT_EQ(bar()->value(), bar()->singleStep());
    EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(CategoryPanelGroupTest, TheWheelOutsideTheColumnScrollsNothing) {
    test::WheelLinesGuard guard(3);
    bar()->setValue(bar()->singleStep() * 4);
    test::turnWheelAt(&window, test::centreIn(&window, above), 120);
    test::turnWheelAt(&window, test::centreIn(&window, above), -120);
    EXPECT_EQ(bar()->value(), bar()->singleStep() * 4);
}

TEST_F(CategoryPanelGroupTest, PartsOfANotchAddUp) {
    test::WheelLinesGuard guard(2);
    test::turnWheelAt(&window, overColumn(), -60);
    EXPECT_EQ(bar()->value(), 0);
    test::turnWheelAt(&window, overColumn(), -60);
    EXPECT_EQ(bar()->value(), 2 * bar()->singleStep());
}

} // namespace
} // namespace zz
