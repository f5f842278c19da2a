#include "support/TestFiles.h"

#include <QImage>
#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(DefaultFlagTest, IsASmallBitmapTheFlagControlsCanShow) {
    const QString path = QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE/DefaultFlag.bmp");
    ASSERT_TRUE(test::readFile(path).startsWith("BM"));
    QImage flag;
    ASSERT_TRUE(flag.load(path, "BMP"));
    EXPECT_EQ(flag.size(), QSize(32, 20));
    // Not a blank picture: the border differs from the field.
    EXPECT_NE(flag.pixel(0, 0), flag.pixel(3, 3));
}

} // namespace
} // namespace zz
