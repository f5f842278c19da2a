#pragma once

#include "image/ImageTestSupport.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>

namespace zz::test {

// A configuration as the dialogs write it, with something in each file: NAT mode, a gateway,
// function 16 switched off and `rows` rows of the translate table.
inline void writeFullConfiguration(const ConfigFolder& folder, int rows = 3) {
    folder.writeParGen("<MODE>1</MODE><TCP_IP1>10</TCP_IP1><TCP_IP2>0</TCP_IP2><TCP_IP3>0</TCP_IP3>"
                       "<TCP_IP4>7</TCP_IP4><EN_Gateway>1</EN_Gateway><TCP_GAT1>10</TCP_GAT1>"
                       "<TCP_GAT4>1</TCP_GAT4><TCP_PORT>1502</TCP_PORT><BAUD>4</BAUD><SSID>plant</SSID>");
    folder.writeEnableFunctions(R"(<row FunNum="16" Enabled="N" Mnemonic="write"/>)");
    QByteArray table;
    for (int i = 0; i < rows; ++i)
        table += QStringLiteral(R"(<row DATA_TYPE="3" TCP_ADD_DEV="%1" TCP_ADDRESS="%2" RTU_ADD_DEV="%1" )"
                                R"(RTU_ADDRESS="%2" N_POINT="10" MNEMONIC="Block %2"/>)")
                     .arg(1 + i % 247)
                     .arg(i * 10)
                     .toUtf8();
    folder.writeTranslateTable(table);
}

// Composes `folder` with the core composer and writes the image to `bankFile`; returns it.
inline QByteArray writeBankFileOf(const ConfigFolder& folder, const QString& bankFile) {
    const QByteArray image = folder.compose();
    writeFile(bankFile, image);
    return image;
}

} // namespace zz::test
