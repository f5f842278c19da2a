#include "tables/EnabledFunctions.h"

#include "common/Errors.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"
#include "tables/EnabledFunctionsModel.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

QString enabledFlags(const EnabledFunctionList& list) {
    QString flags;
    for (int position = 0; position < kFunctionCount; ++position)
        flags += list.at(position).enabled;
    return flags;
}

// --- Compile_Row -----------------------------------------------------------------------------

struct CompileCase {
    const char* name;
    int funNum;
    const char* enabled;
    int position;       // the entry that changes, -1 for none
    const char* stored; // the Enable text it then holds
    friend void PrintTo(const CompileCase& c, std::ostream* os) { *os << c.name; }
};

class CompileRowTest : public ::testing::TestWithParam<CompileCase> {};

TEST_P(CompileRowTest, EnabledOnlyForExactYAndUnknownCodesIgnored) {
    const CompileCase& c = GetParam();
    EnabledFunctionList list;
    list.Compile_Row(c.funNum, QString::fromUtf8(c.enabled), QStringLiteral("note"));
    for (int position = 0; position < kFunctionCount; ++position) {
        const bool changed = position == c.position;
        EXPECT_EQ(list.at(position).enabled, changed ? QString::fromUtf8(c.stored) : QStringLiteral("Y"));
        EXPECT_EQ(list.at(position).mnemonic, changed ? QStringLiteral("note") : QString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompileRowTest,
    ::testing::Values(CompileCase{"ExactY", 1, "Y", 0, "Y"}, CompileCase{"N", 3, "N", 2, "N"},
                      CompileCase{"LowerCaseY", 5, "y", 4, "N"}, CompileCase{"YWithBlank", 7, "Y ", 6, "N"},
                      CompileCase{"Yes", 15, "Yes", 7, "N"}, CompileCase{"Empty", 16, "", 8, "N"},
                      CompileCase{"Code17", 17, "N", 9, "N"}, CompileCase{"Code23", 23, "N", 10, "N"},
                      CompileCase{"Code8Ignored", 8, "N", -1, ""},
                      CompileCase{"Code0Ignored", 0, "N", -1, ""},
                      CompileCase{"Code24Ignored", 24, "N", -1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EnabledFunctionListTest, CodesInFixedOrder) {
    const int codes[] = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};
    for (int position = 0; position < kFunctionCount; ++position) {
        EXPECT_EQ(EnabledFunctionList::codeAt(position), codes[position]);
        EXPECT_EQ(EnabledFunctionList::positionOfCode(codes[position]), position);
    }
    EXPECT_EQ(EnabledFunctionList::positionOfCode(8), -1);
}

// --- the file --------------------------------------------------------------------------------

class EnabledFunctionsFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("EnableFunctions.xml")); }
    EnabledFunctionsLoad load(const QByteArray& bytes) {
        test::writeFile(path(), bytes);
        return readEnabledFunctionsFile(path());
    }
    QTemporaryDir m_dir;
};

TEST_F(EnabledFunctionsFileTest, MissingFileEnablesEverything) {
    const EnabledFunctionsLoad result = readEnabledFunctionsFile(path());
    EXPECT_EQ(enabledFlags(result.list), QStringLiteral("YYYYYYYYYYY"));
    EXPECT_TRUE(result.report.complete());
}

TEST_F(EnabledFunctionsFileTest, EntriesFoundByCodeInAnyOrderLaterOnesOverwrite) {
    const EnabledFunctionsLoad result = load(
        "<Whatever><row FunNum=\"16\" Enabled=\"N\" Mnemonic=\" write regs \"/>"
        "<row FunNum=\"3\" Enabled=\"y\" Mnemonic=\"\"/><!-- c -->"
        "<row FunNum=\"8\" Enabled=\"N\" Mnemonic=\"x\"/><row FunNum=\"abc\" Enabled=\"N\" Mnemonic=\"x\"/>"
        "<row FunNum=\" 0x17\" Enabled=\"N\" Mnemonic=\"hex\"/>"
        "<row FunNum=\"1\" Enabled=\"N\" Mnemonic=\"a\"/><row FunNum=\"1\" Enabled=\"Y\" Mnemonic=\"b\"/>"
        "</Whatever>");
    EXPECT_EQ(enabledFlags(result.list), QStringLiteral("YYNYYYYYNYN"));
    EXPECT_EQ(result.list.at(8).mnemonic, QStringLiteral(" write regs "));
    EXPECT_EQ(result.list.at(0).mnemonic, QStringLiteral("b"));
    EXPECT_EQ(result.list.at(10).mnemonic, QStringLiteral("hex"));
    EXPECT_TRUE(result.report.complete());
}

TEST_F(EnabledFunctionsFileTest, RowLackingAnAttributeStopsTheLoading) {
    for (const char* dropped : {"FunNum", "Enabled", "Mnemonic"}) {
        QByteArray second = "<row FunNum=\"2\" Enabled=\"N\" Mnemonic=\"m\"/>";
        const qsizetype at = second.indexOf(QByteArray(" ") + dropped);
        second.remove(at, second.indexOf('"', second.indexOf('"', at) + 1) + 1 - at);
        const EnabledFunctionsLoad result =
            load("<EnabledFunctions><row FunNum=\"1\" Enabled=\"N\" Mnemonic=\"\"/>" + second +
                 "<row FunNum=\"3\" Enabled=\"N\" Mnemonic=\"\"/>" + "</EnabledFunctions>");
        EXPECT_EQ(enabledFlags(result.list), QStringLiteral("NYYYYYYYYYY")) << dropped;
        EXPECT_EQ(result.report.missing, (MissingAttribute{2, QString::fromLatin1(dropped)}));
        EXPECT_FALSE(result.report.complete());
    }
}

TEST_F(EnabledFunctionsFileTest, RowsBehindALeadingDeclarationAreNotReadAndTheReportSaysSo) {
    const EnabledFunctionsLoad result =
        load("<?xml version=\"1.0\"?><EnabledFunctions><row FunNum=\"1\" Enabled=\"N\" Mnemonic=\"\"/>"
             "</EnabledFunctions>");
    EXPECT_EQ(enabledFlags(result.list), QStringLiteral("YYYYYYYYYYY"));
    EXPECT_TRUE(result.report.rootNotFirst);
    EXPECT_FALSE(result.report.complete());
}

TEST_F(EnabledFunctionsFileTest, MalformedFileIsAnXmlParseError) {
    test::writeFile(path(), "<EnabledFunctions><row FunNum=\"1\"></EnabledFunctions>");
    EXPECT_THROW(readEnabledFunctionsFile(path()), XmlParseError);
}

TEST_F(EnabledFunctionsFileTest, SavesAllElevenInOrderWithTheComment) {
    EnabledFunctionList list;
    list.at(8).enabled = QStringLiteral("N");
    list.at(2).enabled = QStringLiteral("y"); // anything but "Y" saves as "N"
    list.at(0).mnemonic = QStringLiteral("  read & <coils> ");
    writeEnabledFunctionsFile(list, path());
    EXPECT_EQ(test::readFile(path()),
              QByteArray("<EnabledFunctions>"
                         "<row FunNum=\"1\" Enabled=\"Y\" Mnemonic=\"  read &amp; &lt;coils> \"/>"
                         "<row FunNum=\"2\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"3\" Enabled=\"N\" Mnemonic=\"\"/>"
                         "<row FunNum=\"4\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"5\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"6\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"7\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"15\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"16\" Enabled=\"N\" Mnemonic=\"\"/>"
                         "<row FunNum=\"17\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "<row FunNum=\"23\" Enabled=\"Y\" Mnemonic=\"\"/>"
                         "</EnabledFunctions><!--SW_VERSION = 2.713-->"));
}

TEST_F(EnabledFunctionsFileTest, FileWithOnlyFunction16SavesAllEleven) {
    EnabledFunctionsLoad result = load("<EnabledFunctions><row FunNum=\"16\" Enabled=\"N\" Mnemonic=\"\"/>"
                                       "<row FunNum=\"8\" Enabled=\"N\" Mnemonic=\"\"/></EnabledFunctions>");
    EXPECT_EQ(enabledFlags(result.list), QStringLiteral("YYYYYYYYNYY"));
    writeEnabledFunctionsFile(result.list, path());
    const QByteArray saved = test::readFile(path());
    EXPECT_EQ(saved.count("<row "), 11);
    EXPECT_FALSE(saved.contains("FunNum=\"8\""));
    EXPECT_EQ(readEnabledFunctionsFile(path()).list, result.list);
}

// --- the model -------------------------------------------------------------------------------

class EnabledFunctionsModelTest : public EnabledFunctionsFileTest {
protected:
    EnabledFunctionsModel m_model;
};

TEST_F(EnabledFunctionsModelTest, LabelsHeadersAndFlags) {
    EXPECT_EQ(m_model.rowCount(), 11);
    EXPECT_EQ(m_model.columnCount(), 3);
    EXPECT_EQ(m_model.data(m_model.index(0, ColFunction)),
              QVariant(QStringLiteral("Function 1 / Read Coil Status")));
    EXPECT_EQ(m_model.data(m_model.index(10, ColFunction)),
              QVariant(QStringLiteral("Function 23 / Read Write Multiple Registers")));
    EXPECT_EQ(m_model.headerData(ColEnable, Qt::Horizontal), QVariant(QStringLiteral("Enable")));
    EXPECT_EQ(m_model.flags(m_model.index(0, ColFunction)), Qt::ItemIsEnabled);
    EXPECT_TRUE(m_model.flags(m_model.index(0, ColEnable)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m_model.flags(m_model.index(0, ColEnable)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m_model.flags(m_model.index(0, ColFunctionMnemonic)) & Qt::ItemIsEditable);

    TextTable texts;
    texts.LoadDefaultTexts();
    texts.set(517, QStringLiteral("Funzione 23"));
    texts.set(504, QStringLiteral("Funzione"));
    int labelChanges = 0;
    QObject context;
    QObject::connect(&m_model, &QAbstractItemModel::dataChanged, &context, [&] { ++labelChanges; });
    m_model.applyTexts(texts);
    EXPECT_EQ(m_model.data(m_model.index(10, ColFunction)), QVariant(QStringLiteral("Funzione 23")));
    EXPECT_EQ(m_model.headerData(ColFunction, Qt::Horizontal), QVariant(QStringLiteral("Funzione")));
    EXPECT_EQ(labelChanges, 1);
}

TEST_F(EnabledFunctionsModelTest, EnableColumnIsACheckBoxStoringYOrN) {
    const QModelIndex enable = m_model.index(4, ColEnable);
    EXPECT_EQ(m_model.data(enable, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_FALSE(m_model.data(enable, Qt::DisplayRole).isValid());
    EXPECT_EQ(m_model.data(enable, Qt::EditRole), QVariant(QStringLiteral("Y")));

    EXPECT_TRUE(m_model.setData(enable, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(m_model.list().at(4).enabled, QStringLiteral("N"));
    EXPECT_EQ(m_model.data(enable, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    EXPECT_TRUE(m_model.setData(enable, QVariant::fromValue(Qt::Checked), Qt::CheckStateRole));
    EXPECT_EQ(m_model.list().at(4).enabled, QStringLiteral("Y"));

    EXPECT_TRUE(m_model.setData(m_model.index(4, ColFunctionMnemonic), QStringLiteral(" coil ")));
    EXPECT_EQ(m_model.list().at(4).mnemonic, QStringLiteral(" coil "));
    EXPECT_FALSE(m_model.setData(m_model.index(4, ColFunction), QStringLiteral("x")));
}

TEST_F(EnabledFunctionsModelTest, LoadResetsToDefaultsFirstAndSaveWritesTheFile) {
    m_model.setData(m_model.index(0, ColEnable), Qt::Unchecked, Qt::CheckStateRole);
    int resets = 0;
    QObject context;
    QObject::connect(&m_model, &QAbstractItemModel::modelReset, &context, [&] { ++resets; });
    test::writeFile(
        path(), "<EnabledFunctions><row FunNum=\"23\" Enabled=\"N\" Mnemonic=\"rw\"/></EnabledFunctions>");
    EXPECT_TRUE(m_model.loadFile(path()).complete());
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(enabledFlags(m_model.list()), QStringLiteral("YYYYYYYYYYN"));

    m_model.setData(m_model.index(1, ColEnable), Qt::Unchecked, Qt::CheckStateRole);
    m_model.saveFile(path());
    EXPECT_EQ(enabledFlags(readEnabledFunctionsFile(path()).list), QStringLiteral("YNYYYYYYYYN"));
    EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral(".bad")));
}

TEST_F(EnabledFunctionsModelTest, BrokenOrIncompleteFileShowsDefaultsAndIsKeptAsBadWhenSaved) {
    const QByteArray broken = "<EnabledFunctions><row FunNum=\"2\" Enabled=\"N\"";
    test::writeFile(path(),
                    "<EnabledFunctions><row FunNum=\"1\" Enabled=\"N\" Mnemonic=\"\"/></EnabledFunctions>");
    m_model.loadFile(path());
    test::writeFile(path(), broken);
    EXPECT_THROW(m_model.loadFile(path()), XmlParseError);
    EXPECT_EQ(enabledFlags(m_model.list()), QStringLiteral("YYYYYYYYYYY"));
    m_model.saveFile(path());
    EXPECT_EQ(test::readFile(path() + QStringLiteral(".bad")), broken);

    const QByteArray incomplete =
        "<E><row FunNum=\"1\" Enabled=\"N\"/><row FunNum=\"2\" Enabled=\"N\" Mnemonic=\"\"/></E>";
    test::writeFile(path(), incomplete);
    EXPECT_FALSE(m_model.loadFile(path()).complete());
    m_model.saveFile(path());
    EXPECT_EQ(test::readFile(path() + QStringLiteral(".bad")), incomplete);
}

} // namespace
} // namespace zz
