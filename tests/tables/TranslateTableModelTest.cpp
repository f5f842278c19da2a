#include "tables/TranslateTableModel.h"

#include "common/Errors.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"
#include "tables/TranslateTableFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace zz {
namespace {

// Counts the model's change signals and keeps the last dataChanged range.
struct SignalLog {
    explicit SignalLog(TranslateTableModel& model) {
        QObject::connect(&model, &QAbstractItemModel::modelReset, &m_context, [this] { ++resets; });
        QObject::connect(&model, &QAbstractItemModel::dataChanged, &m_context,
                         [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                             ++changes;
                             first = topLeft;
                             last = bottomRight;
                         });
        QObject::connect(&model, &QAbstractItemModel::headerDataChanged, &m_context, [this] { ++headers; });
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &m_context, [this] { ++structural; });
        QObject::connect(&model, &QAbstractItemModel::rowsRemoved, &m_context, [this] { ++structural; });
    }
    int resets = 0;
    int changes = 0;
    int headers = 0;
    int structural = 0;
    QModelIndex first;
    QModelIndex last;

private:
    QObject m_context; // ends the connections with the log
};

QByteArray rowXml(int n) {
    return QStringLiteral("<row DATA_TYPE=\"%1\" TCP_ADD_DEV=\"%2\" TCP_ADDRESS=\"%3\" RTU_ADD_DEV=\"%4\" "
                          "RTU_ADDRESS=\"%5\" N_POINT=\"%6\" MNEMONIC=\"point %7\"/>")
        .arg(n % 4 + 1)
        .arg(n % 247 + 1)
        .arg(n * 10)
        .arg(n % 200 + 1)
        .arg(n * 7)
        .arg(n % 100 + 1)
        .arg(n)
        .toUtf8();
}

QByteArray tableXml(int rows) {
    QByteArray bytes = "<TCP_TO_RTU>";
    for (int n = 1; n <= rows; ++n)
        bytes += rowXml(n);
    return bytes + "</TCP_TO_RTU><!--SW_VERSION = 1.002-->";
}

class TranslateTableModelTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("var.xml")); }
    QString badCopy() const { return path() + QStringLiteral(".bad"); }

    QTemporaryDir m_dir;
    TranslateTableModel m_model;
};

TEST_F(TranslateTableModelTest, ShapeFlagsAndHeaders) {
    EXPECT_EQ(m_model.rowCount(), 2000);
    EXPECT_EQ(m_model.columnCount(), 8);
    EXPECT_EQ(m_model.rowCount(m_model.index(0, 0)), 0);
    EXPECT_EQ(m_model.data(m_model.index(0, ColRowNumber)), QVariant(QStringLiteral("1")));
    EXPECT_EQ(m_model.data(m_model.index(1999, ColRowNumber)), QVariant(QStringLiteral("2000")));
    EXPECT_FALSE(m_model.flags(m_model.index(5, ColRowNumber)) & Qt::ItemIsEditable);
    for (int column = ColDataType; column <= ColMnemonic; ++column)
        EXPECT_TRUE(m_model.flags(m_model.index(5, column)) & Qt::ItemIsEditable) << column;

    const QString english[] = {QStringLiteral("N\u00b0"),      QStringLiteral("Data Type"),
                               QStringLiteral("Slave ID TCP"), QStringLiteral("Address TCP"),
                               QStringLiteral("Slave ID"),     QStringLiteral("Address"),
                               QStringLiteral("NPoint"),       QStringLiteral("Mnemonic")};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(m_model.headerData(column, Qt::Horizontal), QVariant(english[column]));

    SignalLog log(m_model);
    TextTable texts;
    texts.LoadDefaultTexts();
    texts.set(170, QStringLiteral("Slave TCP"));
    m_model.applyTexts(texts);
    EXPECT_EQ(m_model.headerData(ColSlaveIdTcp, Qt::Horizontal), QVariant(QStringLiteral("Slave TCP")));
    EXPECT_EQ(log.headers, 1);
}

TEST_F(TranslateTableModelTest, EditsAreKeptExactlyAndColumnZeroRefusesThem) {
    SignalLog log(m_model);
    const QModelIndex cell = m_model.index(9, ColMnemonic);
    EXPECT_TRUE(m_model.setData(cell, QStringLiteral("  tank 1  ")));
    EXPECT_EQ(m_model.data(cell, Qt::EditRole), QVariant(QStringLiteral("  tank 1  ")));
    EXPECT_EQ(m_model.table().cell(10, ColMnemonic), QStringLiteral("  tank 1  "));
    EXPECT_EQ(log.changes, 1);
    EXPECT_EQ(log.first, cell);

    EXPECT_TRUE(m_model.setData(m_model.index(9, ColDataType), QStringLiteral("anything typed")));
    EXPECT_EQ(m_model.table().cell(10, ColDataType), QStringLiteral("anything typed"));

    EXPECT_FALSE(m_model.setData(m_model.index(9, ColRowNumber), QStringLiteral("7")));
    EXPECT_EQ(m_model.data(m_model.index(9, ColRowNumber)), QVariant(QStringLiteral("10")));
}

TEST_F(TranslateTableModelTest, InsertAndDeleteSignalTheShiftedRangeOnly) {
    const std::pair<int, bool> cases[] = {{1, true}, {1000, true}, {2000, true}, {1, false}, {2000, false}};
    for (const auto& [number, insert] : cases) {
        SignalLog log(m_model);
        if (insert)
            m_model.Insert_Row(number);
        else
            m_model.Delete_Row(number);
        EXPECT_EQ(log.changes, 1);
        EXPECT_EQ(log.structural, 0);
        EXPECT_EQ(log.resets, 0);
        EXPECT_EQ(log.first, m_model.index(number - 1, ColDataType));
        EXPECT_EQ(log.last, m_model.index(1999, ColMnemonic));
    }
    SignalLog outside(m_model);
    m_model.Insert_Row(0);
    m_model.Delete_Row(2001);
    EXPECT_EQ(outside.changes, 0);
}

TEST_F(TranslateTableModelTest, InsertMovesRowsDownInTheModel) {
    m_model.setData(m_model.index(0, ColMnemonic), QStringLiteral("first"));
    m_model.setData(m_model.index(1, ColMnemonic), QStringLiteral("second"));
    m_model.Insert_Row(1);
    EXPECT_EQ(m_model.data(m_model.index(0, ColMnemonic)), QVariant(QString()));
    EXPECT_EQ(m_model.data(m_model.index(1, ColMnemonic)), QVariant(QStringLiteral("first")));
    EXPECT_EQ(m_model.data(m_model.index(2, ColMnemonic)), QVariant(QStringLiteral("second")));
    m_model.Delete_Row(1);
    m_model.Delete_Row(1);
    EXPECT_EQ(m_model.data(m_model.index(0, ColMnemonic)), QVariant(QStringLiteral("second")));
}

TEST_F(TranslateTableModelTest, LoadingResetsTheModelOnceAndReplacesEarlierRows) {
    m_model.setData(m_model.index(1500, ColMnemonic), QStringLiteral("edit of an earlier showing"));
    test::writeFile(path(), tableXml(3));
    SignalLog log(m_model);
    const TableLoadReport report = m_model.loadFile(path());
    EXPECT_TRUE(report.complete());
    EXPECT_EQ(log.resets, 1);
    EXPECT_EQ(log.changes, 0);
    EXPECT_EQ(m_model.table().length(), 3);
    EXPECT_EQ(m_model.data(m_model.index(1500, ColMnemonic)), QVariant(QString()));
    EXPECT_EQ(m_model.data(m_model.index(2, ColMnemonic)), QVariant(QStringLiteral("point 3")));
}

TEST_F(TranslateTableModelTest, MissingFileGivesAnEmptyGridAndSavingCreatesTheFile) {
    m_model.setData(m_model.index(0, ColMnemonic), QStringLiteral("stale"));
    EXPECT_TRUE(m_model.loadFile(path()).complete());
    EXPECT_FALSE(m_model.table().row(1).holdsData());
    m_model.saveFile(path());
    EXPECT_EQ(test::readFile(path()), QByteArray("<TCP_TO_RTU/><!--SW_VERSION = 1.002-->"));
    EXPECT_FALSE(QFileInfo::exists(badCopy()));
}

TEST_F(TranslateTableModelTest, MalformedFileLeavesAnEmptyGridAndIsKeptAsBadWhenSaved) {
    test::writeFile(path(), tableXml(3));
    m_model.loadFile(path());
    const QByteArray broken = "<TCP_TO_RTU><row DATA_TYPE=\"1\"";
    test::writeFile(path(), broken);
    EXPECT_THROW(m_model.loadFile(path()), XmlParseError);
    EXPECT_EQ(m_model.table().length(), 0);
    EXPECT_FALSE(m_model.table().row(1).holdsData());

    m_model.setData(m_model.index(0, ColDataType), QStringLiteral("Coil Status"));
    m_model.setData(m_model.index(0, ColSlaveIdTcp), QStringLiteral("1"));
    m_model.saveFile(path());
    EXPECT_EQ(test::readFile(badCopy()), broken);
    EXPECT_EQ(readTranslateTableFile(path()).rows.size(), 1);
}

TEST_F(TranslateTableModelTest, IncompleteLoadingKeepsTheFileAsBadWhenSaved) {
    const QByteArray cases[] = {
        tableXml(2001),
        "<TCP_TO_RTU>" + rowXml(1) + "<row DATA_TYPE=\"1\"/>" + rowXml(3) + "</TCP_TO_RTU>",
        "<?xml version=\"1.0\"?>" + tableXml(2),
    };
    for (const QByteArray& bytes : cases) {
        QFile::remove(badCopy());
        test::writeFile(path(), bytes);
        EXPECT_FALSE(m_model.loadFile(path()).complete());
        m_model.saveFile(path());
        EXPECT_EQ(test::readFile(badCopy()), bytes);
    }
}

TEST_F(TranslateTableModelTest, CompleteLoadingSavesWithoutACopy) {
    test::writeFile(path(), tableXml(20));
    m_model.loadFile(path());
    m_model.saveFile(path());
    EXPECT_FALSE(QFileInfo::exists(badCopy()));
    EXPECT_EQ(readTranslateTableFile(path()).rows.size(), 20);
}

// A full table must open, check and save at once; the bound is generous for sanitizer builds.
TEST_F(TranslateTableModelTest, FullTableLoadsChecksAndSavesQuickly) {
    test::writeFile(path(), tableXml(2000));
    QElapsedTimer timer;

    timer.start();
    const TableLoadReport report = m_model.loadFile(path());
    const double loadMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    const std::optional<RowFailure> failure = m_model.Controllo_dati();
    const double checkMs = timer.nsecsElapsed() / 1e6;

    timer.restart();
    m_model.saveFile(path());
    const double saveMs = timer.nsecsElapsed() / 1e6;

    EXPECT_TRUE(report.complete());
    EXPECT_EQ(m_model.table().length(), 2000);
    EXPECT_EQ(failure, std::nullopt);
    EXPECT_EQ(readTranslateTableFile(path()).rows.size(), 2000);
    std::cout << "[ timing ] 2000 rows: load " << loadMs << " ms, check " << checkMs << " ms, save " << saveMs
              << " ms\n";
    EXPECT_LT(loadMs, 500.0);
    EXPECT_LT(checkMs, 500.0);
    EXPECT_LT(saveMs, 500.0);
}

} // namespace
} // namespace zz
