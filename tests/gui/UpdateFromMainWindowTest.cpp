#include "app/UZevazerazueFirmWare.h"
#include "common/Xml.h"
#include "support/GuiFakes.h"
#include "support/TestFiles.h"
#include "update/UBootTCP.h"
#include "widgets/FlatButton.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace zz {
namespace {

// The whole last step: the bank file, the device check at loopback, the options page, the job
// file and the updater, and the address remembered in the settings file.
TEST(UpdateFromMainWindowTest, UpdateViaUdpChecksTheDeviceAndRunsTheUpdater) {
    test::GuiWorld world;
    QDir().mkpath(world.path(QStringLiteral("PROJECTS/P/bin")));
    test::writeFile(world.path(QStringLiteral("PROJECTS/P/ParGen.xml")),
                    "<General_Parameter><TIME_OUT>1</TIME_OUT></General_Parameter>");
    test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    world.installStandInUpdater();
    auto window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
    window->show();

    const QString bank = world.path(QStringLiteral("PROJECTS/P/bin/bank_k.bin"));
    QByteArray bankWhenShown;
    QString resultShown;
    bool onOptionsPage = false;
    QByteArray recordAfterUpdate;
    test::whenModalOpens(QStringLiteral("FBootTCP"), [&](QWidget* shown) {
        auto* dialog = static_cast<TFBootTCP*>(shown);
        bankWhenShown = test::readFile(bank);
        const char* parts[] = {"127", "0", "0", "1"};
        for (int i = 0; i < 4; ++i) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("E_IP%1").arg(i + 1));
            edit->clear();
            QTest::keyClicks(edit, QString::fromUtf8(parts[i]));
        }
        QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_Ping")), Qt::LeftButton);
        test::waitUntil([dialog] { return !dialog->isChecking(); });
        resultShown = dialog->findChild<QLabel*>(QStringLiteral("LPing"))->text();
        QTest::mouseClick(dialog->findChild<FlatButton*>(QStringLiteral("Btn_Next")), Qt::LeftButton);
        onOptionsPage = dialog->onOptionsPage();
        if (onOptionsPage)
            dialog->findChild<FlatButton*>(QStringLiteral("Btn_Update"))->click();
        recordAfterUpdate = world.standInRecord();
        dialog->close();
    });
    window->findChild<FlatButton*>(QStringLiteral("Btn_CreateBin_UDP"))->click();

    EXPECT_TRUE(world.dialogs.errors.isEmpty()) << qPrintable(world.dialogs.errors.join('\n'));
    EXPECT_EQ(bankWhenShown.size(), 18432) << "the bank file is written before the dialog opens";
    EXPECT_EQ(world.echo->hosts().value(0), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(resultShown, QStringLiteral("Device Found!"));
    EXPECT_TRUE(onOptionsPage);

    pugi::xml_document job;
    xml::load(job, world.path(QStringLiteral("Ethernet_Update.xml")));
    const pugi::xml_node root = xml::topLevelElement(job, "Ethernet_Update");
    EXPECT_EQ(xml::childText(root, "IP_Address_Dev"), QStringLiteral("127.0.0.1"));
    const QByteArray bankPath = QDir::toNativeSeparators(bank).toUtf8();
    EXPECT_TRUE(recordAfterUpdate.startsWith("started\nIP_Address_Dev=127.0.0.1\n"))
        << recordAfterUpdate.toStdString();
    EXPECT_TRUE(recordAfterUpdate.contains("Ope_FileName=" + bankPath + '\n'))
        << recordAfterUpdate.toStdString();
    EXPECT_TRUE(recordAfterUpdate.endsWith("Operations=2\nended\n")) << recordAfterUpdate.toStdString();

    // The address that answered is remembered and saved with the settings.
    EXPECT_EQ(world.state.LastIpAddress, QStringLiteral("127.0.0.1"));
    window->close();
    EXPECT_TRUE(test::readFile(world.path(QStringLiteral("Zevazerazu.xml")))
                    .contains("<lastipadd><ipaddress>127.0.0.1</ipaddress></lastipadd>"))
        << test::readFile(world.path(QStringLiteral("Zevazerazu.xml"))).toStdString();
}

// Rows that would break the routing are named before the image is written; No writes nothing,
// Yes goes on. A clean configuration asks nothing.
TEST(UpdateFromMainWindowTest, ProblemsOfTheConfigurationAreAskedAboutBeforeTheImageIsWritten) {
    struct Case {
        const char* table;
        std::deque<bool> answers;
        int questions;
        bool written;
    };
    const char* overlapping = "<TCP_TO_RTU>"
                              "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"2\" "
                              "RTU_ADDRESS=\"0\" N_POINT=\"10\" MNEMONIC=\"a\"/>"
                              "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"5\" RTU_ADD_DEV=\"3\" "
                              "RTU_ADDRESS=\"0\" N_POINT=\"10\" MNEMONIC=\"b\"/>"
                              "</TCP_TO_RTU>";
    const char* clean = "<TCP_TO_RTU>"
                        "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"2\" "
                        "RTU_ADDRESS=\"0\" N_POINT=\"10\" MNEMONIC=\"a\"/>"
                        "</TCP_TO_RTU>";
    const Case cases[] = {
        {overlapping, {false}, 1, false},
        {overlapping, {true}, 1, true},
        {clean, {}, 0, true},
    };
    for (const Case& c : cases) {
        test::GuiWorld world;
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/P")));
        test::writeFile(world.path(QStringLiteral("PROJECTS/P/ParGen.xml")),
                        "<General_Parameter><MODE>1</MODE></General_Parameter>");
        test::writeFile(world.path(QStringLiteral("PROJECTS/P/var.xml")), c.table);
        test::writeFile(world.path(QStringLiteral("Zevazerazu.xml")),
                        "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
        world.dialogs.answers = c.answers;
        auto window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
        window->show();
        if (c.written) // the update dialog opens only when the image is written
            test::whenModalOpens(QStringLiteral("FBootTCP"), [](QWidget* shown) { shown->close(); });
        window->findChild<FlatButton*>(QStringLiteral("Btn_CreateBin_UDP"))->click();

        ASSERT_EQ(world.dialogs.questions.size(), c.questions)
            << qPrintable(world.dialogs.questions.join('\n'));
        if (c.questions > 0) {
            EXPECT_TRUE(world.dialogs.questions.front().contains(QStringLiteral("Rows 1 and 2")))
                << qPrintable(world.dialogs.questions.front());
            EXPECT_TRUE(world.dialogs.questions.front().contains(QStringLiteral("Write the image anyway?")));
        }
        EXPECT_EQ(QFileInfo::exists(world.path(QStringLiteral("PROJECTS/P/bin/bank_k.bin"))), c.written);
    }
}

} // namespace
} // namespace zz
