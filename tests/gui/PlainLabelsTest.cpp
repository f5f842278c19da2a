#include "app/UZevazerazueFirmWare.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLabel>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace zz {
namespace {

// Every label of every window shows names and translated texts as typed: a folder or a
// translation holding "<b>" must not turn bold, nor hide the rest of the text.
TEST(PlainLabelsTest, NoLabelOfAnyWindowReadsMarkupExceptTheTwoLinks) {
    test::GuiWorld world;
    QDir().mkpath(world.path(QStringLiteral("PROJECTS/<b>x</b>/bin")));
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastproj><projectname>&lt;b&gt;x&lt;/b&gt;</projectname></lastproj>"
                    "</Conf_Settings>");
    auto window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
    window->show();

    // The links build their markup with the texts escaped.
    const QSet<QString> links = {QStringLiteral("LL_Update"), QStringLiteral("LL_Check_Update")};
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    ASSERT_GT(labels.size(), 40);
    for (QLabel* label : labels) {
        if (links.contains(label->objectName()))
            continue;
        EXPECT_EQ(label->textFormat(), Qt::PlainText)
            << qPrintable(label->objectName()) << " in " << qPrintable(label->window()->objectName());
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("L_Name_Conf_L2"))->text(),
              QStringLiteral("<b>x</b>"));
}

} // namespace
} // namespace zz
