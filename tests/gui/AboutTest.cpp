#include "app/UZevazerazueFirmWare.h"
#include "options/UAbout.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zz {
namespace {

class AboutTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFZevazerazueFirmWare> window;

    TFAbout* showAbout() {
        window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
        window->show();
        auto* about = window->findChild<TFAbout*>(QStringLiteral("FAbout"));
        EXPECT_NE(about, nullptr);
        about->show();
        return about;
    }
    template <typename T = QLabel> T* control(const char* name) const {
        T* widget =
            window->findChild<TFAbout*>(QStringLiteral("FAbout"))->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void expectEnglishTexts(TFAbout* about) {
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About..."));
        const std::pair<const char*, const char*> texts[] = {
            {"Label1", "Software Zevazerazu "},
            {"Label2", "Modbus TCP Slave / Modbus Master - Converter"},
            {"Label3", "Version :"},
            {"Label10", "1.002"},
            {"Label6", "Software Code : "},
            {"Label9", "KT883"},
            {"Label8", "Document Code :"},
            {"Label12", "KM883"},
            {"Label4", "127.0.0.1"}};
        for (const auto& [name, text] : texts)
            EXPECT_EQ(control(name)->text(), QString::fromUtf8(text)) << name;
        EXPECT_EQ(control<FlatButton>("LbButton1")->text(), QStringLiteral("OK"));
    }
};

TEST_F(AboutTest, ShowsTheProgramItsVersionAndItsCodes) {
    TFAbout* about = showAbout();
    expectEnglishTexts(about);

    const QFont title = control("Label1")->font();
    EXPECT_TRUE(title.bold());
    EXPECT_GT(title.pointSizeF(), control("Label3")->font().pointSizeF());
    const QFont address = control("Label4")->font();
    EXPECT_TRUE(address.underline());
    EXPECT_EQ(control("Label4")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(control("Label4")->cursor().shape(), Qt::PointingHandCursor);

    // Only the system menu, and a size of its own.
    EXPECT_FALSE(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(about->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
}

TEST_F(AboutTest, PictureIsDrawn) {
    showAbout();
    const QImage picture = control<ClickableLabel>("Image2")->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 64);
    // A real picture: transparent corners around a drawing of several colours.
    EXPECT_EQ(qAlpha(picture.pixel(0, picture.height() - 1)), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 10);
}

TEST_F(AboutTest, AddressAndPictureOpenTheHomePage) {
    showAbout();
    const QString home = QStringLiteral("http://127.0.0.1:9/HOME/default.asp?frompg=KT883");
    QTest::mouseClick(control<ClickableLabel>("Label4"), Qt::LeftButton);
    QTest::mouseClick(control<ClickableLabel>("Image2"), Qt::LeftButton);
    control<ClickableLabel>("Label4")->setFocus();
    QTest::keyClick(control<ClickableLabel>("Label4"), Qt::Key_Return);
    EXPECT_EQ(world.urls.opened, (QStringList{home, home, home}));
}

TEST_F(AboutTest, LanguageChangeLeavesItsTextsEnglish) {
    test::writeFile(world.path(QStringLiteral("LANGUAGE/Italiano.lng")),
                    "STR0 = Inizio\r\nSTR28 = Va bene\r\nSTR36 = Va bene\r\nSTR50 = Va bene\r\n");
    TFAbout* about = showAbout();
    about->hide();
    world.state.LanguageName = QStringLiteral("Italiano");
    LoadLanguage(world.state.Texts, world.state.LanguageDir, world.state.LanguageName);
    world.context.changeLanguage();
    ASSERT_EQ(window->findChild<QLabel*>(QStringLiteral("L_Begin"))->text(), QStringLiteral("Inizio"));
    about->show();
    expectEnglishTexts(about);
}

TEST_F(AboutTest, OkClosesTheBoxOpenedFromTheMainWindow) {
    window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
    window->show();
    bool shownModal = false;
    test::whenModalOpens(QStringLiteral("FAbout"), [&](QWidget* about) {
        shownModal = about->isModal();
        QTest::mouseClick(about->findChild<FlatButton*>(QStringLiteral("LbButton1")), Qt::LeftButton);
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_Info"))->click();
    auto* about = window->findChild<TFAbout*>(QStringLiteral("FAbout"));
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->result(), QDialog::Accepted);
}

TEST_F(AboutTest, EnterAndSpaceCloseTheBoxWithoutOpeningTheWebPage) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        TFAbout* about = showAbout();
        ASSERT_NE(about->focusWidget(), nullptr);
        EXPECT_EQ(about->focusWidget()->objectName(), QStringLiteral("LbButton1"));
        QTest::keyClick(about->focusWidget(), key);
        EXPECT_FALSE(about->isVisible()) << key;
        EXPECT_EQ(about->result(), QDialog::Accepted) << key;
        EXPECT_TRUE(world.urls.opened.isEmpty()) << key;
    }
}

} // namespace
} // namespace zz
