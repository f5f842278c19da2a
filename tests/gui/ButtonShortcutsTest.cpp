#include "widgets/ButtonShortcuts.h"

#include "app/UZevazerazueFirmWare.h"
#include "params/UParGen2.h"
#include "support/GuiFakes.h"
#include "update/UBootTCP.h"
#include "widgets/FlatButton.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zz {
namespace {

QKeySequence alt(Qt::Key key) {
    return QKeySequence(Qt::ALT | key);
}

class ButtonShortcutsTest : public ::testing::Test {
protected:
    QDialog window;
    QLineEdit* field = new QLineEdit(&window);
    QLabel* label = new QLabel(QStringLiteral("&Bank file"), &window);
    FlatButton* save = button("Btn_Save", "Save & close");
    FlatButton* browse = button("Btn_Browse", "B&rowse...");
    FlatButton* cancel = button("Btn_Cancel", "Cancel");
    FlatButton* bank = button("Btn_Bank", "Bank");

    void SetUp() override {
        label->setBuddy(field);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)); // shortcuts work in the active window
    }
    FlatButton* button(const char* name, const char* caption) {
        auto* b = new FlatButton(QString::fromLatin1(name), &window);
        b->setText(QString::fromUtf8(caption));
        if (!window.layout())
            new QVBoxLayout(&window);
        window.layout()->addWidget(b);
        return b;
    }
};

TEST_F(ButtonShortcutsTest, CaptionsGetFreeLettersAndMarkedOnesKeepTheirs) {
    assignAltShortcuts(&window);
    EXPECT_EQ(save->shortcut(), alt(Qt::Key_S)); // the "&" before a blank is no shortcut
    EXPECT_EQ(browse->shortcut(), alt(Qt::Key_R));
    EXPECT_EQ(cancel->shortcut(), alt(Qt::Key_C));
    EXPECT_EQ(bank->shortcut(), alt(Qt::Key_A)); // B belongs to the label
    EXPECT_EQ(save->altShortcutPosition(), 0);
    EXPECT_EQ(browse->altShortcutPosition(), -1); // drawn as the caption marks it

    int cancels = 0;
    QObject::connect(cancel, &QPushButton::clicked, [&] { ++cancels; });
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(test::waitUntil([&] { return cancels == 1; })); // a shortcut clicks a moment later
}

TEST_F(ButtonShortcutsTest, ANewCaptionGetsItsLetterWhenAssignedAgainAndDropsTheOldOne) {
    assignAltShortcuts(&window);
    cancel->setText(QStringLiteral("Annulla"));
    EXPECT_EQ(cancel->altShortcutPosition(), -1); // the old position is not drawn on the new text
    assignAltShortcuts(&window);
    EXPECT_EQ(cancel->shortcut(), alt(Qt::Key_A)); // served before Bank, which moves on
    EXPECT_EQ(bank->shortcut(), alt(Qt::Key_N));
}

TEST(ButtonShortcutsWindowsTest, TheMainWindowAndItsDialogsGiveTheirButtonsLetters) {
    test::GuiWorld world;
    TFZevazerazueFirmWare main(world.context, world.dir.path());
    main.show();
    EXPECT_EQ(main.findChild<FlatButton*>(QStringLiteral("Btn_New"))->shortcut(), alt(Qt::Key_N));
    EXPECT_EQ(main.findChild<FlatButton*>(QStringLiteral("Btn_Open"))->shortcut(), alt(Qt::Key_O));

    TFParGen2 dialog(world.context, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.findChild<FlatButton*>(QStringLiteral("Btn_OK"))->shortcut(), alt(Qt::Key_O));
    EXPECT_EQ(dialog.findChild<FlatButton*>(QStringLiteral("Btn_Cancel"))->shortcut(), alt(Qt::Key_C));

    TFBootTCP update(world.context, nullptr);
    update.show();
    // Buttons of the page not shown yet have their letters too, none taken twice.
    const std::pair<const char*, Qt::Key> letters[] = {{"Btn_Cancel", Qt::Key_C},
                                                       {"Btn_Update", Qt::Key_E},
                                                       {"Btn_Next", Qt::Key_N},
                                                       {"Btn_Ping", Qt::Key_P}};
    for (const auto& [name, letter] : letters)
        EXPECT_EQ(update.findChild<FlatButton*>(QString::fromLatin1(name))->shortcut(), alt(letter)) << name;
}

} // namespace
} // namespace zz
