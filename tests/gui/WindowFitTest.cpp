#include "widgets/WindowFit.h"

#include "app/Workspace.h"
#include "params/UParGen2.h"
#include "support/GuiFakes.h"
#include "tables/UTranslateTable_914.h"
#include "widgets/BandedDialog.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace zz {
namespace {

QRect availableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Every named button of the window lies wholly on the screen, so it can be clicked.
void expectOnScreen(QWidget* window, const QStringList& buttons) {
    const QRect area = availableArea();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " on "
        << area.width() << "x" << area.height();
    for (const QString& name : buttons) {
        auto* button = window->findChild<FlatButton*>(name);
        ASSERT_NE(button, nullptr) << qPrintable(name);
        const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(area.contains(global)) << qPrintable(name);
        EXPECT_TRUE(button->isVisible()) << qPrintable(name);
    }
}

class PlainDialog : public BandedDialog {
public:
    using BandedDialog::BandedDialog;
    void Set_Lang() override {}
};

class WindowFitTest : public ::testing::Test {
protected:
    test::GuiWorld world;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant/bin")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
    }

    // Larger than the screen, as a window laid out at twice the scale would be.
    QSize twiceTheScreen() const { return availableArea().size() * 2; }
};

TEST_F(WindowFitTest, ADialogTallerThanTheScreenScrollsItsContentAndKeepsItsButtonsOnScreen) {
    PlainDialog dialog(QStringLiteral("FTall"), QStringLiteral("KH883"), nullptr);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("P_Content"));
    auto* column = new QVBoxLayout(content);
    for (int i = 0; i < 80; ++i)
        column->addWidget(new QLabel(QStringLiteral("Row %1").arg(i), content));
    dialog.bodyLayout()->addWidget(scrollingContent(content, &dialog), 1);
    dialog.addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    dialog.addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    dialog.resize(twiceTheScreen());
    dialog.show();

    expectOnScreen(&dialog, {QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cancel")});
    auto* scroll = dialog.findChild<QScrollArea*>(QStringLiteral("P_Content_Scroll"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0) << "the rows that do not fit are scrolled to";
    // The rows keep their height: none is squeezed to fit.
    EXPECT_GE(content->height(), content->minimumSizeHint().height());
}

TEST_F(WindowFitTest, AWindowThatFitsKeepsItsSize) {
    PlainDialog dialog(QStringLiteral("FSmall"), QStringLiteral("KH883"), nullptr);
    dialog.addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    dialog.resize(300, 200);
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(300, 200));
}

TEST_F(WindowFitTest, SetCommunicationFitsTheScreenWithEverySectionOpen) {
    TFParGen2 dialog(world.context, nullptr);
    dialog.resize(twiceTheScreen());
    dialog.show();
    expectOnScreen(&dialog, {QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cancel")});
    EXPECT_LE(dialog.minimumSizeHint().height(), availableArea().height());
    // Reopened, it fits again.
    dialog.hide();
    dialog.resize(twiceTheScreen());
    dialog.show();
    expectOnScreen(&dialog, {QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cancel")});
}

TEST_F(WindowFitTest, TranslateTableFitsTheScreen) {
    TFTranslateTable_914 dialog(world.context, nullptr);
    dialog.resize(twiceTheScreen());
    dialog.show();
    expectOnScreen(&dialog, {QStringLiteral("Btn_OK"), QStringLiteral("Btn_Cancel")});
}

} // namespace
} // namespace zz
