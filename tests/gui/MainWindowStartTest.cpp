#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(MainWindowStartTest, FirstRunShowsTheTitleAndWritesTheSettingsOnClose) {
    QTemporaryDir dir;
    UComon state;
    runWorkspaceStartUp(state, dir.path());
    TFZevazerazueFirmWare window(state);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ostrel - Configurator KT883 - Modbus TCP Slave / Modbus Master "));
    window.close();
    EXPECT_EQ(test::readFile(dir.filePath(QStringLiteral("Zevazerazu.xml"))),
              QByteArray("<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205"
                         "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
                         "<enable_internet>0</enable_internet><enable_update>0</enable_update></lastinternet>"
                         "</Conf_Settings>"));
}

} // namespace
} // namespace zz
