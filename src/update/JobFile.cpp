#include "update/JobFile.h"

#include "app/Workspace.h"
#include "common/Xml.h"

#include <QDir>
#include <QFileInfo>

namespace zz {

namespace {

// The values that differ between the two kinds of operation.
struct OperationValues {
    QString fileName;
    const char* startAddress;
    const char* bankType;
    bool readBack;
    const char* writeCss;
    const char* addressCss;
    bool goToAppAfter;
};

void appendOperation(pugi::xml_node operations, const OperationValues& v) {
    pugi::xml_node op = operations.append_child("Operation");
    const auto add = [&op](const char* name, const QString& value) {
        xml::appendTextElement(op, name, value);
    };
    const auto flag = [](bool set) {
        return set ? QStringLiteral("1") : QStringLiteral("0");
    };
    add("Ope_Protection_Enabled", QString());
    add("Ope_GoToBoot_Before", QStringLiteral("0"));
    add("Ope_GoToApp_Before", QStringLiteral("0"));
    add("Ope_IP_Address", QString());
    add("Ope_Port", QStringLiteral("2008"));
    add("Ope_Port_Sec", QStringLiteral("2007"));
    add("Ope_Erase_Memory", QStringLiteral("0"));
    add("Ope_FileName", v.fileName);
    add("Ope_Start_Address", QString::fromLatin1(v.startAddress));
    add("Ope_Memory_Type", QStringLiteral("0"));
    add("Ope_Bank_Type", QString::fromLatin1(v.bankType));
    add("Ope_Read_Back", flag(v.readBack));
    add("Ope_Write_CSS", QString::fromLatin1(v.writeCss));
    add("Ope_Address_CSS", QString::fromLatin1(v.addressCss));
    add("Ope_Command_CSS", QStringLiteral("0x0B"));
    add("Ope_GoToApp_After", flag(v.goToAppAfter));
}

// The updater runs with another working folder in mind, so it gets absolute native paths.
QString absoluteNativePath(const QString& folder, const QString& relative) {
    return QDir::toNativeSeparators(QDir(folder).absoluteFilePath(relative));
}

} // namespace

QString jobFilePath(const QString& appDir) {
    return joinPath(appDir, QStringLiteral("Ethernet_Update.xml"));
}

QString firmwareFilePath(const QString& masterDir) {
    return absoluteNativePath(masterDir, QStringLiteral("Sim883.sim"));
}

QString missingFirmwareFile(const JobRequest& request) {
    if (!request.options.CB_Firmware)
        return {};
    const QString path = firmwareFilePath(request.MasterDir);
    return QFileInfo(QDir::fromNativeSeparators(path)).isFile() ? QString() : path;
}

void Compile_XML_Parameter(pugi::xml_document& doc, const JobRequest& request) {
    doc.reset();
    pugi::xml_node root = doc.append_child("Ethernet_Update");
    const auto add = [&root](const char* name, const QString& value) {
        xml::appendTextElement(root, name, value);
    };

    const auto& ip = request.ipParts;
    add("Version", QStringLiteral("1000"));
    add("Title", QStringLiteral("Ostrel - KT883 Ethernet Update"));
    add("IP_Address_Dev", ip[0] + u'.' + ip[1] + u'.' + ip[2] + u'.' + ip[3]);
    add("Application_Port", QStringLiteral("2007"));
    add("Boot_Port", QStringLiteral("2008"));
    add("Boot_Port_Sec", QStringLiteral("2007"));
    add("Address_Protection", QStringLiteral("0x78000"));

    pugi::xml_node protections = root.append_child("Protections");
    for (const char* value : {"0x2C3", "0x52A", "0x52B"})
        xml::appendTextElement(protections, "Protection", QString::fromLatin1(value));

    pugi::xml_node operations = root.append_child("Operations");
    const JobOptions& o = request.options;
    if (o.CB_Firmware) {
        // A configuration write follows, so the device stays in its boot loader.
        appendOperation(operations, {firmwareFilePath(request.MasterDir), "0x8000", "1", o.CB_Read_Firm, "1",
                                     "0x78100", !o.CB_Conf});
    }
    if (o.CB_Conf) {
        appendOperation(operations, {absoluteNativePath(request.ProjectDir, QStringLiteral("bin/bank_k.bin")),
                                     "0x68000", "2", o.CB_Read_Conf, "0", "0x50100", true});
    }
}

void writeJobFile(const QString& appDir, const JobRequest& request) {
    pugi::xml_document doc;
    Compile_XML_Parameter(doc, request);
    xml::save(doc, jobFilePath(appDir));
}

} // namespace zz
