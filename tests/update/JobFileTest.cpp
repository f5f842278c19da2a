#include "update/JobFile.h"

#include "common/Errors.h"
#include "common/Xml.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zz {
namespace {

using Elements = std::vector<std::pair<std::string, QString>>;

// Name and text of every child element, in order; fails on attributes or nested elements
// where only text is expected.
Elements textChildren(pugi::xml_node parent) {
    Elements out;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        EXPECT_EQ(child.type(), pugi::node_element) << "in " << parent.name();
        EXPECT_FALSE(child.first_attribute()) << child.name();
        EXPECT_FALSE(child.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; }))
            << child.name();
        out.emplace_back(child.name(), xml::text(child));
    }
    return out;
}

QString flag(bool set) {
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

Elements firmwareOperation(const QString& file, bool readBack, bool goToAppAfter) {
    return {{"Ope_Protection_Enabled", ""},
            {"Ope_GoToBoot_Before", "0"},
            {"Ope_GoToApp_Before", "0"},
            {"Ope_IP_Address", ""},
            {"Ope_Port", "2008"},
            {"Ope_Port_Sec", "2007"},
            {"Ope_Erase_Memory", "0"},
            {"Ope_FileName", file},
            {"Ope_Start_Address", "0x8000"},
            {"Ope_Memory_Type", "0"},
            {"Ope_Bank_Type", "1"},
            {"Ope_Read_Back", flag(readBack)},
            {"Ope_Write_CSS", "1"},
            {"Ope_Address_CSS", "0x78100"},
            {"Ope_Command_CSS", "0x0B"},
            {"Ope_GoToApp_After", flag(goToAppAfter)}};
}

Elements configurationOperation(const QString& file, bool readBack) {
    return {{"Ope_Protection_Enabled", ""}, {"Ope_GoToBoot_Before", "0"},   {"Ope_GoToApp_Before", "0"},
            {"Ope_IP_Address", ""},         {"Ope_Port", "2008"},           {"Ope_Port_Sec", "2007"},
            {"Ope_Erase_Memory", "0"},      {"Ope_FileName", file},         {"Ope_Start_Address", "0x68000"},
            {"Ope_Memory_Type", "0"},       {"Ope_Bank_Type", "2"},         {"Ope_Read_Back", flag(readBack)},
            {"Ope_Write_CSS", "0"},         {"Ope_Address_CSS", "0x50100"}, {"Ope_Command_CSS", "0x0B"},
            {"Ope_GoToApp_After", "1"}};
}

struct JobCase {
    const char* name;
    JobOptions options;
};

void PrintTo(const JobCase& c, std::ostream* os) {
    *os << c.name;
}

class JobFileTest : public ::testing::TestWithParam<JobCase> {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString appDir() const { return QDir::toNativeSeparators(m_dir.path()); }

    JobRequest request(JobOptions options) const {
        JobRequest r;
        // As typed, blanks and all: the job carries the address that answered.
        r.ipParts = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral(" 2"),
                     QStringLiteral("205")};
        r.options = options;
        r.MasterDir = QDir::toNativeSeparators(m_dir.path() + QStringLiteral("/MASTER"));
        r.ProjectDir = QDir::toNativeSeparators(m_dir.path() + QStringLiteral("/PROJECTS/Plant A"));
        return r;
    }

    QString firmwareFile() const { return QDir::toNativeSeparators(m_dir.path() + "/MASTER/Sim883.sim"); }
    QString bankFile() const {
        return QDir::toNativeSeparators(m_dir.path() + "/PROJECTS/Plant A/bin/bank_k.bin");
    }

    QTemporaryDir m_dir;
};

TEST_P(JobFileTest, WritesEveryElementInOrder) {
    const JobOptions o = GetParam().options;
    writeJobFile(appDir(), request(o));

    pugi::xml_document doc;
    xml::load(doc, QDir(m_dir.path()).filePath(QStringLiteral("Ethernet_Update.xml")));
    const pugi::xml_node root = xml::firstTopLevelNode(doc);
    ASSERT_STREQ(root.name(), "Ethernet_Update");
    EXPECT_FALSE(root.next_sibling()) << "one root and nothing after it";

    // The fixed head of the job; Protections and Operations are checked below.
    const Elements head = {{"Version", "1000"},
                           {"Title", "Ostrel - KT883 Ethernet Update"},
                           {"IP_Address_Dev", "192.168. 2.205"},
                           {"Application_Port", "2007"},
                           {"Boot_Port", "2008"},
                           {"Boot_Port_Sec", "2007"},
                           {"Address_Protection", "0x78000"}};
    std::vector<std::string> names;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling())
        names.emplace_back(child.name());
    const std::vector<std::string> expectedNames = {
        "Version",   "Title",         "IP_Address_Dev",     "Application_Port",
        "Boot_Port", "Boot_Port_Sec", "Address_Protection", "Protections",
        "Operations"};
    ASSERT_EQ(names, expectedNames);
    for (const auto& [name, text] : head)
        EXPECT_EQ(xml::childText(root, name.c_str()), text) << name;

    const Elements protections = {{"Protection", "0x2C3"}, {"Protection", "0x52A"}, {"Protection", "0x52B"}};
    EXPECT_EQ(textChildren(xml::childElement(root, "Protections")), protections);

    const pugi::xml_node operations = xml::childElement(root, "Operations");
    ASSERT_TRUE(operations) << "present even when empty";
    std::vector<Elements> expected;
    if (o.CB_Firmware)
        expected.push_back(firmwareOperation(firmwareFile(), o.CB_Read_Firm, !o.CB_Conf));
    if (o.CB_Conf)
        expected.push_back(configurationOperation(bankFile(), o.CB_Read_Conf));
    std::vector<Elements> actual;
    for (pugi::xml_node op = operations.first_child(); op; op = op.next_sibling()) {
        EXPECT_STREQ(op.name(), "Operation");
        actual.push_back(textChildren(op));
    }
    EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(Combinations, JobFileTest,
                         ::testing::Values(JobCase{"AllTicked", {true, true, true, true}},
                                           JobCase{"FirmwareOnly", {true, false, false, true}},
                                           JobCase{"ConfigurationOnly", {false, true, true, false}},
                                           JobCase{"Neither", {false, true, false, true}},
                                           JobCase{"BothWithoutReadBack", {true, false, true, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JobFileDetailsTest, LastOperationAlwaysReturnsTheDeviceToItsApplication) {
    for (bool firmware : {false, true}) {
        for (bool conf : {false, true}) {
            JobRequest r;
            r.options = {firmware, true, conf, true};
            r.MasterDir = QStringLiteral("/m");
            r.ProjectDir = QStringLiteral("/p");
            pugi::xml_document doc;
            Compile_XML_Parameter(doc, r);
            const pugi::xml_node last =
                xml::childElement(xml::firstTopLevelNode(doc), "Operations").last_child();
            if (firmware || conf)
                EXPECT_EQ(xml::childText(last, "Ope_GoToApp_After"), QStringLiteral("1"));
            else
                EXPECT_FALSE(last);
        }
    }
}

TEST(JobFileDetailsTest, FilePathsAreAbsoluteEvenFromRelativeFolders) {
    JobRequest r;
    r.MasterDir = QStringLiteral("MASTER");
    r.ProjectDir = QStringLiteral("PROJECTS/Demo");
    pugi::xml_document doc;
    Compile_XML_Parameter(doc, r);
    const pugi::xml_node ops = xml::childElement(xml::firstTopLevelNode(doc), "Operations");
    const QString firmware = *xml::childText(ops.first_child(), "Ope_FileName");
    const QString bank = *xml::childText(ops.last_child(), "Ope_FileName");
    EXPECT_EQ(firmware, QDir::toNativeSeparators(QDir::current().absoluteFilePath("MASTER/Sim883.sim")));
    EXPECT_EQ(bank,
              QDir::toNativeSeparators(QDir::current().absoluteFilePath("PROJECTS/Demo/bin/bank_k.bin")));
    EXPECT_TRUE(QDir::isAbsolutePath(firmware));
}

TEST(JobFileDetailsTest, ComposingEmptiesTheDocumentFirst) {
    pugi::xml_document doc;
    doc.append_child("Leftover");
    xml::appendComment(doc, QStringLiteral("old"));
    Compile_XML_Parameter(doc, JobRequest{});
    EXPECT_STREQ(xml::firstTopLevelNode(doc).name(), "Ethernet_Update");
    EXPECT_FALSE(xml::firstTopLevelNode(doc).next_sibling());
    // Every address part empty still gives the three dots.
    EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "IP_Address_Dev"), QStringLiteral("..."));
}

TEST(JobFileDetailsTest, ReplacesAnOlderJobAndLeavesNothingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = jobFilePath(dir.path());
    EXPECT_EQ(QDir::cleanPath(path), QDir::cleanPath(dir.path() + "/Ethernet_Update.xml"));
    test::writeFile(path, "<Ethernet_Update><Version>old</Version></Ethernet_Update>");

    JobRequest r;
    r.ipParts = {QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("7")};
    writeJobFile(dir.path(), r);

    pugi::xml_document doc;
    xml::load(doc, path);
    EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "Version"), QStringLiteral("1000"));
    EXPECT_EQ(xml::childText(xml::firstTopLevelNode(doc), "IP_Address_Dev"), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Ethernet_Update.xml")});
}

TEST(JobFileDetailsTest, AFailedSaveThrowsNamingTheJobFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where the application folder should be: nothing can be written below it.
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    test::writeFile(notAFolder, "x");
    try {
        writeJobFile(notAFolder, JobRequest{});
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), jobFilePath(notAFolder));
        EXPECT_TRUE(e.message().contains(QStringLiteral("Ethernet_Update.xml"))) << e.message().toStdString();
    }
    EXPECT_EQ(test::readFile(notAFolder), QByteArray("x"));
}

TEST(JobFileDetailsTest, AMissingFirmwareFileIsNamedOnlyWhenTheFirmwareIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    JobRequest request;
    request.MasterDir = dir.filePath(QStringLiteral("MASTER"));
    const QString firmware = QDir::toNativeSeparators(dir.filePath(QStringLiteral("MASTER/Sim883.sim")));
    EXPECT_EQ(firmwareFilePath(request.MasterDir), firmware);

    struct Case {
        const char* what;
        bool writeFirmware;
        bool fileExists;
        bool folderInItsPlace;
        QString expected;
    };
    const Case cases[] = {
        {"missing", true, false, false, firmware},
        {"present", true, true, false, QString()},
        {"a folder in its place", true, false, true, firmware},
        {"not written", false, false, false, QString()},
    };
    for (const Case& c : cases) {
        QDir(request.MasterDir).removeRecursively();
        QDir().mkpath(request.MasterDir);
        if (c.fileExists)
            test::writeFile(dir.filePath(QStringLiteral("MASTER/Sim883.sim")), "image");
        if (c.folderInItsPlace)
            QDir().mkpath(dir.filePath(QStringLiteral("MASTER/Sim883.sim")));
        request.options.CB_Firmware = c.writeFirmware;
        EXPECT_EQ(missingFirmwareFile(request), c.expected) << c.what;
    }
}

} // namespace
} // namespace zz
