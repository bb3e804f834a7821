#include "XlsxReader.h"
#include "platform/MessageBox.h"
#include "platform/Spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <unzip.h>

#include <string>
#include <vector>

using namespace platform;
using halvern::test::ReadSheet1;

namespace {

// Every entry of a zip file with its bytes, as minizip reads them (it checks each CRC).
struct ZipEntry {
    std::string name;
    QByteArray bytes;
    bool crcOk = false;
};
std::vector<ZipEntry> ReadEntries(const QString& file) {
    std::vector<ZipEntry> entries;
    unzFile zip = unzOpen64(QFile::encodeName(file).constData());
    if (!zip) return entries;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        char name[256];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) break;
        ZipEntry entry{name, {}, false};
        if (unzOpenCurrentFile(zip) == UNZ_OK) {
            char buf[65536];
            int n;
            while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) entry.bytes.append(buf, n);
            entry.crcOk = n == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
        }
        entries.push_back(entry);
    }
    unzClose(zip);
    return entries;
}

class SpreadsheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        oldTmp_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp_.path().toLocal8Bit());
        SetMsgHandler([this](const MsgRecord& r) {
            messages.push_back(r);
            return MsgAnswer::OK;
        });
        SetSpreadsheetOpener([this](const QString& file) {
            opened << file;
            return canOpen;
        });
    }
    void TearDown() override {
        SetSpreadsheetOpener({});
        SetMsgHandler({});
        qputenv("TMPDIR", oldTmp_);
    }

    QTemporaryDir tmp_;
    QByteArray oldTmp_;
    std::vector<MsgRecord> messages;
    QStringList opened;
    bool canOpen = true;
};

TEST_F(SpreadsheetTest, EveryCellHoldsItsTextAtTheGivenPositionAndTheWorkbookOpensOnce) {
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
    sheet.SetCell(1, 6, QStringLiteral("人事基本资料"));
    sheet.SetCell(3, 1, QStringLiteral("001"));              // a number-like text stays text
    sheet.SetCell(3, 2, QStringLiteral(" 销售部 "));          // blanks kept
    sheet.SetCell(3, 27, QStringLiteral("<a & \"b\" 'c'>"));  // column AA, XML characters
    sheet.SetCell(4, 1, QString());                           // empty text: an empty cell
    sheet.SetCell(4, 2, QStringLiteral("1980-01-02"));
    sheet.SetCell(70000, 3, QStringLiteral("far down"));
    sheet.SetCell(70000, 4, QStringLiteral("第一行\n第二行\r\x01"));

    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(opened, files);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(files.first().endsWith(QLatin1String(".xlsx")));
    EXPECT_EQ(QFileInfo(files.first()).absolutePath(), QDir(tmp_.path()).absolutePath());

    const auto cells = ReadSheet1(files.first());
    ASSERT_TRUE(cells.ok);
    EXPECT_EQ(cells.cells.size(), 7u);
    EXPECT_EQ(cells.at(1, 6), QStringLiteral("人事基本资料"));
    EXPECT_EQ(cells.at(3, 1), QStringLiteral("001"));
    EXPECT_EQ(cells.at(3, 2), QStringLiteral(" 销售部 "));
    EXPECT_EQ(cells.at(3, 27), QStringLiteral("<a & \"b\" 'c'>"));
    EXPECT_FALSE(cells.has(4, 1));
    EXPECT_EQ(cells.at(4, 2), QStringLiteral("1980-01-02"));
    EXPECT_EQ(cells.at(70000, 3), QStringLiteral("far down"));
    EXPECT_EQ(cells.at(70000, 4), QStringLiteral("第一行\n第二行\r\x01"));

    // Released once: a second release writes and opens nothing more.
    EXPECT_TRUE(xl.Release().isEmpty());
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(SpreadsheetTest, EveryTextComesBackWholeFromPartsThatAreWellFormedXml) {
    const QChar fffe(char16_t(0xFFFE)), ffff(char16_t(0xFFFF)), high(char16_t(0xD83D)), low(char16_t(0xDE00));
    const QStringList texts = {
        QString(fffe) + QStringLiteral("前"),
        QStringLiteral("后") + ffff,
        QString(2, ffff),
        QString(high) + QStringLiteral("a"),           // a surrogate without its partner
        QStringLiteral("b") + low,
        QString(low) + high,                           // the two halves the wrong way round
        QString(high) + low + QStringLiteral("成对"),  // a pair stays one character
        QStringLiteral("a\x01z\x1f\rb\tc\nd"),
        QStringLiteral("\x7f\u0085\uFDD0\uFFFD"),      // characters XML does carry
        QStringLiteral("_x0041_"),                     // would read back as "A"
        QStringLiteral("_x005F_"),
        QStringLiteral("a_x00e9_b_xABCD_"),
        QStringLiteral("__x0041__x0042_"),
        QStringLiteral("_x12_ _x0041 _xGHIJ_ _X0041_ x0041_ _"),
        QStringLiteral("_xABCD\x01"),                 // the escape behind it closes _xABCD_
        QStringLiteral("_x0041") + ffff,
        QStringLiteral("_x0041") + high,
        QStringLiteral("&<>\"' 编号_x"),
    };
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
    for (int k = 0; k < texts.size(); ++k) sheet.SetCell(k + 1, 2, texts[k]);
    sheet.SetCell(texts.size() + 1, 1, QStringLiteral("最后一行"));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(messages.empty());

    // A strict reader of every part: one character XML cannot carry and a
    // spreadsheet program drops the rest of the sheet.
    const auto entries = ReadEntries(files.first());
    ASSERT_EQ(entries.size(), 6u);
    for (const ZipEntry& entry : entries) {
        EXPECT_TRUE(entry.crcOk) << entry.name;
        QXmlStreamReader xml(entry.bytes);
        while (!xml.atEnd()) xml.readNext();
        EXPECT_FALSE(xml.hasError()) << entry.name << ": " << xml.errorString().toStdString() << " at line "
                                     << xml.lineNumber() << ", column " << xml.columnNumber();
    }
    // Cells read back by the format's rule, _xHHHH_ standing for one UTF-16 unit.
    const auto cells = ReadSheet1(files.first());
    ASSERT_TRUE(cells.ok);
    EXPECT_EQ(cells.cells.size(), std::size_t(texts.size()) + 1);
    for (int k = 0; k < texts.size(); ++k)
        EXPECT_EQ(cells.at(k + 1, 2), texts[k]) << "row " << k + 1 << ": " << cells.at(k + 1, 2).toStdString();
    EXPECT_EQ(cells.at(texts.size() + 1, 1), QStringLiteral("最后一行"));
}

TEST_F(SpreadsheetTest, ACellSetBeforeTheLastOneWrittenIsRefusedAndTheSheetGoesOn) {
    SpreadsheetApplication xl;
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
    sheet.SetCell(2, 2, QStringLiteral("first"));
    EXPECT_THROW(sheet.SetCell(2, 2, QStringLiteral("again")), SpreadsheetError);
    EXPECT_THROW(sheet.SetCell(2, 1, QStringLiteral("left of it")), SpreadsheetError);
    EXPECT_THROW(sheet.SetCell(1, 9, QStringLiteral("above it")), SpreadsheetError);
    sheet.SetCell(2, 3, QString());
    EXPECT_THROW(sheet.SetCell(2, 3, QStringLiteral("an empty cell counts")), SpreadsheetError);
    sheet.SetCell(3, 1, QStringLiteral("next row"));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    const auto cells = ReadSheet1(files.first());
    ASSERT_TRUE(cells.ok);
    EXPECT_EQ(cells.cells.size(), 2u);
    EXPECT_EQ(cells.at(2, 2), QStringLiteral("first"));
    EXPECT_EQ(cells.at(3, 1), QStringLiteral("next row"));
}

TEST_F(SpreadsheetTest, AnApplicationLeftWithoutReleaseLeavesNoFileBehind) {
    {
        SpreadsheetApplication xl;
        xl.SetVisible(true);
        Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
        for (int r = 1; r <= 100; ++r) sheet.SetCell(r, 1, QStringLiteral("x"));
    }
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(SpreadsheetTest, WithNoProgramToOpenItTheMessageNamesTheFileThatWasWritten) {
    canOpen = false;
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    xl.AddWorkbook().Worksheets(1).SetCell(1, 1, QStringLiteral("x"));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QDir::toNativeSeparators(files.first())));
    EXPECT_EQ(messages[0].title, QStringLiteral("提示"));
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ReadSheet1(files.first()).at(1, 1), QStringLiteral("x"));
}

TEST_F(SpreadsheetTest, AFileThatCannotBeWrittenIsToldAndNothingIsOpened) {
    qputenv("TMPDIR", (tmp_.path() + QStringLiteral("/missing/folder")).toLocal8Bit());
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    xl.AddWorkbook().Worksheets(1).SetCell(1, 1, QStringLiteral("x"));
    EXPECT_TRUE(xl.Release().isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_FALSE(messages[0].text.isEmpty());
}

TEST_F(SpreadsheetTest, PositionsOutsideTheSheetAndOtherWorksheetsAreRefused) {
    SpreadsheetApplication xl;
    Workbook& book = xl.AddWorkbook();
    Worksheet& sheet = book.Worksheets(1);
    EXPECT_THROW(sheet.SetCell(0, 1, QStringLiteral("x")), SpreadsheetError);
    EXPECT_THROW(sheet.SetCell(1, 0, QStringLiteral("x")), SpreadsheetError);
    EXPECT_THROW(sheet.SetCell(kSheetMaxRows + 1, 1, QStringLiteral("x")), SpreadsheetError);
    EXPECT_THROW(sheet.SetCell(1, kSheetMaxColumns + 1, QStringLiteral("x")), SpreadsheetError);
    EXPECT_THROW(book.Worksheets(2), SpreadsheetError);
    sheet.SetCell(kSheetMaxRows, kSheetMaxColumns, QStringLiteral("corner"));
    // Not made visible: written, not opened.
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(ReadSheet1(files.first()).at(kSheetMaxRows, kSheetMaxColumns), QStringLiteral("corner"));
}

TEST_F(SpreadsheetTest, ASheetOfManyMegabytesIsWrittenWholeAndLeavesNoTemporaryFilesBehind) {
    // Some eighteen megabytes of XML, written as the cells come.
    const int rows = 9000;
    const int cols = 8;
    const auto text = [](int r, int c) {
        return QStringLiteral("第%1行第%2列 ").arg(r).arg(c) + QString(60, QChar(u'字')) + QStringLiteral("&<");
    };
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) sheet.SetCell(r, c, text(r, c));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    const auto cells = ReadSheet1(files.first());
    ASSERT_TRUE(cells.ok);
    EXPECT_EQ(cells.cells.size(), std::size_t(rows) * cols);
    for (int r : {1, 2, 4321, rows})
        for (int c : {1, cols}) EXPECT_EQ(cells.at(r, c), text(r, c)) << r << "," << c;
    EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(files.first()).fileName()});
}

}  // namespace
