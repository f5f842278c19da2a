#include "widgets/AppIcons.h"

#include "app/QtSeams.h"
#include "app/UZevazerazueFirmWare.h"
#include "support/GuiFakes.h"
#include "widgets/FlatButton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace zz {
namespace {

QStringList iconsInTheResource() {
    QStringList paths;
    QDirIterator it(QStringLiteral(":/icons"), QDir::Files);
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    return paths;
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

TEST(AppIconsTest, TheResourceHoldsTheApplicationHeaderAndMessageBoxIcons) {
    EXPECT_EQ(iconsInTheResource(),
              (QStringList{
                  QString::fromLatin1(icons::kClosePath), QString::fromLatin1(icons::kInformationPath),
                  QString::fromLatin1(icons::kOptionsPath), QString::fromLatin1(icons::kQuestionPath),
                  QString::fromLatin1(icons::kWarningPath), QString::fromLatin1(icons::kApplicationPath)}));
}

TEST(AppIconsTest, EveryIconIsScalableAndDrawnAfreshAtSmallAndLargeSizes) {
    const QStringList paths = iconsInTheResource();
    ASSERT_FALSE(paths.isEmpty());
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const QIcon icon(path);
        ASSERT_FALSE(icon.isNull()) << "the SVG icon engine must be installed";
        // A bitmap engine lists the sizes of its pictures; the SVG engine has none.
        EXPECT_TRUE(icon.availableSizes().isEmpty());

        const QImage small = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage large = icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(small.size(), QSize(16, 16));
        ASSERT_EQ(large.size(), QSize(64, 64));
        EXPECT_GT(opaquePixels(small), 16 * 16 / 4);
        EXPECT_GT(opaquePixels(large), 64 * 64 / 4);

        const QImage blownUp = small.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(differingPixels(large, blownUp), 64 * 64 / 20) << "the large one is the small one enlarged";
    }
}

TEST(AppIconsTest, DrawnIconsAreFlatSvgOnTheirOwn) {
    for (const char* path : {icons::kInformationPath, icons::kOptionsPath, icons::kClosePath,
                             icons::kWarningPath, icons::kQuestionPath}) {
        SCOPED_TRACE(path);
        QFile file(QString::fromLatin1(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        EXPECT_TRUE(svg.contains("viewBox=\"0 0 24 24\""));
        EXPECT_FALSE(svg.contains("<text")) << "letters would follow the fonts of the machine";
        EXPECT_FALSE(svg.contains("href")) << "no picture outside the file";
        EXPECT_FALSE(svg.contains("<image"));
    }
}

TEST(AppIconsTest, APictureThatCannotBeDrawnFallsBackToTheStyleIcon) {
    const QIcon icon = icons::drawnOr(QStringLiteral(":/icons/missing.svg"), QStyle::SP_DialogCloseButton);
    EXPECT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.availableSizes().isEmpty()) << "the style's icon is a bitmap";
}

TEST(AppIconsTest, EveryWindowAndMessageBoxCarriesTheApplicationIcon) {
    const QIcon appIcon = QApplication::windowIcon();
    ASSERT_FALSE(appIcon.isNull());
    EXPECT_TRUE(appIcon.availableSizes().isEmpty()) << "the drawn SVG, not a bitmap";
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.zevazerazu.Zevazerazu"))
        << "the installed desktop entry, whose icon Wayland shows";

    test::GuiWorld world;
    TFZevazerazueFirmWare window(world.context, world.dir.path());
    EXPECT_EQ(window.windowIcon().cacheKey(), appIcon.cacheKey());
    const QMessageBox box(QMessageBox::Information, QStringLiteral("Caption"), QStringLiteral("Text"));
    EXPECT_EQ(box.windowIcon().cacheKey(), appIcon.cacheKey());
}

TEST(AppIconsTest, TheHeaderButtonsShowTheirDrawnIconsAtTheirSize) {
    test::GuiWorld world;
    TFZevazerazueFirmWare window(world.context, world.dir.path());
    window.show();
    const std::pair<const char*, const char*> buttons[] = {{"Btn_Info", icons::kInformationPath},
                                                           {"Btn_Opz", icons::kOptionsPath},
                                                           {"Btn_Close", icons::kClosePath}};
    for (const auto& [name, path] : buttons) {
        SCOPED_TRACE(name);
        auto* button = window.findChild<FlatButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        ASSERT_FALSE(button->icon().isNull());
        EXPECT_EQ(button->iconSize(), QSize(20, 20));
        EXPECT_EQ(button->icon().pixmap(20, 20).toImage(),
                  QIcon(QString::fromLatin1(path)).pixmap(20, 20).toImage());
        // At twice the scale the picture is drawn at twice the pixels.
        EXPECT_EQ(button->icon().pixmap(QSize(20, 20), 2.0).size(), QSize(40, 40));
    }
}

struct ShownIcon {
    QImage picture;
    int styleSize = 0;
    qreal ratio = 1;
    QAccessible::Role role = QAccessible::NoRole;
};

// Notes the picture of the next message box and closes it with its first button.
void noteNextBoxIcon(ShownIcon& shown) {
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown.picture = box->iconPixmap().toImage();
        shown.styleSize = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
        shown.ratio = box->devicePixelRatio();
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box))
            shown.role = accessible->role();
        box->buttons().constFirst()->click();
    });
}

TEST(AppIconsTest, MessageBoxesShowTheDrawnIconsAtTheStyleSize) {
    QtUserDialogs dialogs(QStringLiteral("Caption"));
    const struct {
        const char* kind;
        std::function<void()> show;
        QIcon drawn;
        QStyle::StandardPixmap styles;
    } boxes[] = {
        {"error", [&] { dialogs.showError(nullptr, QStringLiteral("Bad")); }, icons::error(),
         QStyle::SP_MessageBoxCritical},
        {"warning", [&] { dialogs.showWarning(nullptr, QStringLiteral("Careful")); }, icons::warning(),
         QStyle::SP_MessageBoxWarning},
        {"question", [&] { dialogs.askYesNo(nullptr, QStringLiteral("Sure?")); }, icons::question(),
         QStyle::SP_MessageBoxQuestion},
    };
    for (const auto& box : boxes) {
        SCOPED_TRACE(box.kind);
        ASSERT_TRUE(box.drawn.availableSizes().isEmpty()) << "the drawn SVG, not the style's bitmap";
        ShownIcon shown;
        noteNextBoxIcon(shown);
        box.show();
        ASSERT_GT(shown.styleSize, 0);
        const QSize size(shown.styleSize, shown.styleSize);
        const QImage drawn = box.drawn.pixmap(size, shown.ratio).toImage();
        EXPECT_EQ(shown.picture.size(), drawn.size());
        EXPECT_EQ(shown.picture, drawn);
        EXPECT_NE(shown.picture,
                  QApplication::style()->standardIcon(box.styles).pixmap(size, shown.ratio).toImage());
        EXPECT_EQ(shown.role, QAccessible::AlertMessage);
    }
}

TEST(AppIconsTest, EachKindOfBoxHasItsOwnPictureAndNoIconHasNone) {
    EXPECT_EQ(icons::messageBoxIcon(QMessageBox::Information).pixmap(32, 32).toImage(),
              icons::information().pixmap(32, 32).toImage());
    EXPECT_EQ(icons::messageBoxIcon(QMessageBox::Critical).pixmap(32, 32).toImage(),
              QIcon(QString::fromLatin1(icons::kClosePath)).pixmap(32, 32).toImage());
    EXPECT_TRUE(icons::messageBoxIcon(QMessageBox::NoIcon).isNull());
    const QImage warning = icons::warning().pixmap(32, 32).toImage();
    const QImage question = icons::question().pixmap(32, 32).toImage();
    const QImage information = icons::information().pixmap(32, 32).toImage();
    EXPECT_NE(warning, question);
    EXPECT_NE(question, information);
}

} // namespace
} // namespace zz
