#include "params/ParGenFile.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/TextRules.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

#include <QDir>
#include <QFileInfo>

namespace zz {

namespace {

const char* const kIpElements[] = {"TCP_IP1", "TCP_IP2", "TCP_IP3", "TCP_IP4"};
const char* const kSubnetElements[] = {"TCP_SUB1", "TCP_SUB2", "TCP_SUB3", "TCP_SUB4"};
const char* const kGatewayElements[] = {"TCP_GAT1", "TCP_GAT2", "TCP_GAT3", "TCP_GAT4"};

const QString kVersionComment = QStringLiteral("SW_VERSION = 1.002");

// Reads the elements of one parameter element; each one missing or unusable keeps its default.
class ElementReader {
public:
    explicit ElementReader(pugi::xml_node parent)
        : m_parent(parent) {}

    void text(const char* name, QString& field) const {
        if (const std::optional<QString> value = xml::childText(m_parent, name))
            field = *value;
    }

    // Nothing when the element is missing or its text is not a whole number.
    std::optional<std::int32_t> number(const char* name) const {
        const std::optional<QString> value = xml::childText(m_parent, name);
        if (!value)
            return std::nullopt;
        return toWholeNumber(*value);
    }

    void checkBox(const char* name, bool& field) const { field = number(name) == 1; }

    void position(const char* name, int& field, int fallback) const {
        field = number(name).value_or(fallback);
    }

private:
    pugi::xml_node m_parent;
};

int parityFromCode(std::optional<std::int32_t> code) {
    if (code == 2)
        return kParityEven;
    if (code == 3)
        return kParityOdd;
    return kParityNone;
}

QString parityCode(int position) {
    switch (position) {
    case kParityOdd:
        return QStringLiteral("3");
    case kParityEven:
        return QStringLiteral("2");
    default:
        return QStringLiteral("0");
    }
}

// A position outside its list is no selection, as the dialog's list would show it.
QString positionText(int position, qsizetype listSize) {
    if (position < 0 || position >= listSize)
        return QString::number(kNoSelection);
    return QString::number(position);
}

QString flagText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

GeneralParameters parametersFromDocument(const pugi::xml_document& doc) {
    return parametersFromElement(xml::firstTopLevelNode(doc));
}

bool beginsWithoutItsElement(const pugi::xml_document& doc) {
    return xml::firstTopLevelNode(doc).type() != pugi::node_element && doc.document_element();
}

GeneralParameters parametersFromElement(pugi::xml_node element) {
    GeneralParameters values;
    const ElementReader read(element);

    values.operationMode = read.number("MODE") == 1 ? kNatMode : kRoutingMode;
    for (int i = 0; i < 4; ++i)
        read.text(kIpElements[i], values.ipAddress[i]);
    for (int i = 0; i < 4; ++i)
        read.text(kSubnetElements[i], values.subnetMask[i]);
    for (int i = 0; i < 4; ++i)
        read.text(kGatewayElements[i], values.gateway[i]);
    read.text("TCP_PORT", values.port);
    read.checkBox("EN_Gateway", values.gatewayEnabled);
    read.checkBox("UDP_Port", values.udpPort);
    read.checkBox("Enable_AA55", values.specialCommand);
    read.checkBox("Cancel_AA55", values.cancelFirstTwoBytes);
    read.checkBox("NoFrame_RTU_Timeout", values.noTcpFrameOnTimeout);
    read.checkBox("Fast_Boot", values.fastStartUp);
    read.text("SSID", values.ssid);
    read.text("Password", values.password);
    read.position("Protection_Type", values.protectionType, 0);
    if (const std::optional<std::int32_t> serial = read.number("SEL_SER"))
        values.serialInterface = *serial == 0 ? kSerialRs485 : kSerialRs232;
    read.position("BAUD", values.baudRate, kBaud115200);
    values.parity = parityFromCode(read.number("PARITY"));
    read.position("DATABITS", values.dataBits, kEightDataBits);
    read.text("TIME_OUT", values.timeOut);
    read.position("StopBit_RS485", values.stopBits, kOneStopBit);
    read.text("Delay_From_Last_Byte", values.idleTime);
    // A switched-off idle time shows as "0" whatever the time element holds.
    if (read.number("Enable_Delay_From_Last_Byte") == 0)
        values.idleTime = QStringLiteral("0");
    read.text("Time_Between_Byte", values.timeBetweenBytes);
    read.checkBox("Modbus_Filter", values.modbusFilter);
    return values;
}

GeneralParameters readParGen(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    pugi::xml_document doc;
    xml::load(doc, path);
    return parametersFromDocument(doc);
}

ParGenReading readParGenForDialog(const QString& path) {
    ParGenReading reading;
    if (!QFileInfo::exists(path))
        return reading;
    try {
        pugi::xml_document doc;
        xml::load(doc, path);
        reading.values = parametersFromDocument(doc);
        if (beginsWithoutItsElement(doc)) {
            reading.failure = QDir::toNativeSeparators(path);
            reading.keepBrokenFile = true;
            reading.rootNotFirst = true;
        }
    } catch (const XmlParseError& e) {
        reading.failure = e.message();
        reading.keepBrokenFile = true;
    } catch (const Error& e) {
        reading.failure = e.message();
    }
    return reading;
}

QString readFailureText(const TextTable& texts, const ParGenReading& reading) {
    const int index = reading.rootNotFirst     ? added::ParGenRootNotFirst
                      : reading.keepBrokenFile ? added::ParGenNotWellFormed
                                               : added::ParGenUnreadable;
    return texts[index] + reading.failure;
}

QString saveFailureText(const TextTable& texts, const QString& errorMessage) {
    return texts[added::ParGenNotSaved] + errorMessage;
}

QByteArray parGenBytes(const GeneralParameters& values) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("General_Parameter");
    xml::appendComment(doc, kVersionComment);

    const auto add = [&root](const char* name, const QString& value) {
        xml::appendTextElement(root, name, value);
    };
    add("MODE", positionText(values.operationMode, kOperationModeTextIndices.size()));
    for (int i = 0; i < 4; ++i)
        add(kIpElements[i], values.ipAddress[i]);
    for (int i = 0; i < 4; ++i)
        add(kSubnetElements[i], values.subnetMask[i]);
    for (int i = 0; i < 4; ++i)
        add(kGatewayElements[i], values.gateway[i]);
    add("TCP_PORT", values.port);
    add("EN_Gateway", flagText(values.gatewayEnabled));
    add("UDP_Port", flagText(values.udpPort));
    add("Enable_AA55", flagText(values.specialCommand));
    add("Cancel_AA55", flagText(values.cancelFirstTwoBytes));
    add("NoFrame_RTU_Timeout", flagText(values.noTcpFrameOnTimeout));
    add("Fast_Boot", flagText(values.fastStartUp));
    add("SSID", values.ssid);
    add("Password", values.password);
    add("Protection_Type", positionText(values.protectionType, kProtectionTypeTextIndices.size()));
    add("SEL_SER", values.serialInterface == kSerialRs485 ? QStringLiteral("0") : QStringLiteral("1"));
    add("BAUD", positionText(values.baudRate, kBaudRateItems.size()));
    add("PARITY", parityCode(values.parity));
    add("DATABITS", positionText(values.dataBits, kDataBitItems.size()));
    add("TIME_OUT", values.timeOut);
    add("StopBit_RS485", positionText(values.stopBits, kStopBitItems.size()));
    add("Delay_From_Last_Byte", values.idleTime);
    add("Enable_Delay_From_Last_Byte", flagText(wholeNumberOr(values.idleTime, -1) > 0));
    add("Time_Between_Byte", values.timeBetweenBytes);
    add("Modbus_Filter", flagText(values.modbusFilter));
    return xml::toBytes(doc);
}

void writeParGen(const GeneralParameters& values, const QString& path, bool keepBrokenFileFirst) {
    const QByteArray bytes = parGenBytes(values);
    if (keepBrokenFileFirst && QFileInfo::exists(path))
        keepBrokenCopy(path);
    writeFileAtomically(path, bytes);
}

} // namespace zz
