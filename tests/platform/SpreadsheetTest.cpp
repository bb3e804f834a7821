#include "XlsxReader.h"
#include "platform/MessageBox.h"
#include "platform/Spreadsheet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <unzip.h>

#include <cstdint>
#include <string>
#include <tuple>
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

// The headers of one entry as the file stores them, read byte by byte: its
// central directory record and the local header that record points to.
struct EntryHeaders {
    std::string name;
    std::uint16_t neededCentral = 0, neededLocal = 0;
    std::uint16_t timeCentral = 0, dateCentral = 0, timeLocal = 0, dateLocal = 0;
    std::vector<std::uint16_t> extraCentral, extraLocal;  // the ids of the extra fields
    bool sameSizes = false;  // the local header's checksum and sizes are the central directory's
};
struct ZipHeaders {
    bool ok = false;
    bool zip64End = false;  // a zip64 end-of-directory record or locator
    std::vector<EntryHeaders> entries;
};
ZipHeaders ReadHeaders(const QString& file) {
    ZipHeaders zip;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return zip;
    const QByteArray b = f.readAll();
    const auto u16 = [&b](qsizetype at) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
    };
    const auto u32 = [&](qsizetype at) { return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16; };
    const auto ids = [&](qsizetype at, qsizetype size) {
        std::vector<std::uint16_t> found;
        for (qsizetype p = at; p + 4 <= at + size; p += 4 + u16(p + 2)) found.push_back(u16(p));
        return found;
    };
    const qsizetype end = b.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > b.size()) return zip;
    zip.zip64End = b.contains(QByteArray("PK\x06\x06", 4)) || b.contains(QByteArray("PK\x06\x07", 4));
    qsizetype at = u32(end + 16);
    for (int k = 0; k < u16(end + 10); ++k) {
        if (at + 46 > b.size() || u32(at) != 0x02014b50) return zip;
        EntryHeaders e;
        e.neededCentral = u16(at + 6);
        e.timeCentral = u16(at + 12);
        e.dateCentral = u16(at + 14);
        const qsizetype nameLength = u16(at + 28), extraLength = u16(at + 30), commentLength = u16(at + 32);
        e.name = b.mid(at + 46, nameLength).toStdString();
        e.extraCentral = ids(at + 46 + nameLength, extraLength);
        const qsizetype local = u32(at + 42);
        if (local + 30 > b.size() || u32(local) != 0x04034b50) return zip;
        e.neededLocal = u16(local + 4);
        e.timeLocal = u16(local + 10);
        e.dateLocal = u16(local + 12);
        e.extraLocal = ids(local + 30 + u16(local + 26), u16(local + 28));
        e.sameSizes = b.mid(local + 14, 12) == b.mid(at + 16, 12);
        zip.entries.push_back(e);
        at += 46 + nameLength + extraLength + commentLength;
    }
    zip.ok = true;
    return zip;
}

// A DOS date and time as a time of day; invalid when either field is.
QDateTime DosDateTime(std::uint16_t date, std::uint16_t time) {
    return QDateTime(QDate(1980 + (date >> 9), (date >> 5) & 15, date & 31),
                     QTime(time >> 11, (time >> 5) & 63, (time & 31) * 2));
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

TEST_F(SpreadsheetTest, ThePackageUsesNoZip64ItDoesNotNeedAndDatesEveryEntryNow) {
    const QDateTime before = QDateTime::currentDateTime();
    SpreadsheetApplication xl;
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
    for (int r = 1; r <= 2000; ++r) sheet.SetCell(r, 1, QStringLiteral("第%1行").arg(r));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    const QDateTime after = QDateTime::currentDateTime();

    const ZipHeaders zip = ReadHeaders(files.first());
    ASSERT_TRUE(zip.ok);
    EXPECT_FALSE(zip.zip64End);
    ASSERT_EQ(zip.entries.size(), 6u);
    for (const EntryHeaders& e : zip.entries) {
        EXPECT_EQ(e.extraCentral, std::vector<std::uint16_t>{}) << e.name;
        EXPECT_EQ(e.extraLocal, std::vector<std::uint16_t>{}) << e.name;
        EXPECT_LE(e.neededCentral, 20) << e.name << ": a reader without zip64 may refuse it";
        EXPECT_LE(e.neededLocal, 20) << e.name;
        EXPECT_TRUE(e.sameSizes) << e.name;
        const QDateTime central = DosDateTime(e.dateCentral, e.timeCentral);
        ASSERT_TRUE(central.isValid()) << e.name << ": date " << e.dateCentral << ", time " << e.timeCentral;
        EXPECT_EQ(DosDateTime(e.dateLocal, e.timeLocal), central) << e.name;
        // Two seconds is the grain of the stored time.
        EXPECT_GE(central, before.addSecs(-2)) << e.name;
        EXPECT_LE(central, after) << e.name;
    }
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
    EXPECT_EQ(QDir(tmp_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
}

TEST_F(SpreadsheetTest, EachWorkbookIsNamedAfterWhatItHoldsInAFolderOfItsOwn) {
    // A program that opens the file itself saves it under that name: not in
    // a folder another export shares, and not under a name nobody recognises.
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    xl.AddWorkbook(QStringLiteral("人事基本资料")).Worksheets(1).SetCell(1, 1, QStringLiteral("x"));
    xl.AddWorkbook(QStringLiteral("考核表 ../a/b:c")).Worksheets(1).SetCell(1, 1, QStringLiteral("y"));
    xl.AddWorkbook(QStringLiteral("  ")).Worksheets(1).SetCell(1, 1, QStringLiteral("z"));
    const QStringList files = xl.Release();
    const QDateTime after = QDateTime::currentDateTime();
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(opened, files);

    const QRegularExpression pattern(QStringLiteral("^(.+)-(\\d{4}-\\d\\d-\\d\\d-\\d{6})\\.xlsx$"));
    const QStringList names{QStringLiteral("人事基本资料"), QStringLiteral("考核表 .._a_b_c"), QStringLiteral("电子表格")};
    QStringList folders;
    for (int k = 0; k < 3; ++k) {
        const QFileInfo info(files[k]);
        const QRegularExpressionMatch m = pattern.match(info.fileName());
        ASSERT_TRUE(m.hasMatch()) << info.fileName().toStdString();
        EXPECT_EQ(m.captured(1), names[k]);
        const QDateTime at = QDateTime::fromString(m.captured(2), QStringLiteral("yyyy-MM-dd-HHmmss"));
        EXPECT_GE(at, before.addMSecs(-before.time().msec()));
        EXPECT_LE(at, after);
        EXPECT_EQ(QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{info.fileName()});
        EXPECT_EQ(QFileInfo(info.absolutePath()).absolutePath(), QDir(tmp_.path()).absolutePath());
        folders << info.absolutePath();
    }
    folders.removeDuplicates();
    EXPECT_EQ(folders.size(), 3);
    EXPECT_EQ(ReadSheet1(files[1]).at(1, 1), QStringLiteral("y"));
}

// The desktop's own choice of a spreadsheet program: a default-applications
// list and a desktop entry in folders of the test's own, the entry starting a
// script that writes down what it was given.
class DesktopSpreadsheetTest : public SpreadsheetTest {
protected:
    void SetUp() override {
        SpreadsheetTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) GTEST_SKIP() << "no xdg-mime";
        SetSpreadsheetOpener({});
        for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS",
                                 "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID"}) {
            saved_.emplace_back(name, qgetenv(name), qEnvironmentVariableIsSet(name));
            qunsetenv(name);
        }
        for (const char* folder : {"data/applications", "data-dirs", "config", "config-dirs"})
            ASSERT_TRUE(QDir().mkpath(desk_.filePath(QLatin1String(folder))));
        qputenv("XDG_DATA_HOME", desk_.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", desk_.filePath(QStringLiteral("data-dirs")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", desk_.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", desk_.filePath(QStringLiteral("config-dirs")).toLocal8Bit());
    }
    void TearDown() override {
        for (const auto& [name, value, set] : saved_) {
            if (set) qputenv(name, value);
            else qunsetenv(name);
        }
        SpreadsheetTest::TearDown();
    }
    // Makes a script under the program name the default for .xlsx files,
    // started by the desktop entry's command line exec (the script's path first).
    void installDefault(const QString& program, const QString& exec) {
        const QString script = desk_.filePath(QStringLiteral("bin/") + program);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(script).absolutePath()));
        QFile s(script);
        ASSERT_TRUE(s.open(QIODevice::WriteOnly));
        s.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"%1.part\"\n"
                               "mv \"%1.part\" \"%1\"\n")
                    .arg(record())
                    .toUtf8());
        s.close();
        s.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile entry(desk_.filePath(QStringLiteral("data/applications/test-sheets.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Sheets\nExec=%1 %2\n"
                                   "MimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n")
                        .arg(script, exec)
                        .toUtf8());
        entry.close();
        QFile list(desk_.filePath(QStringLiteral("config/mimeapps.list")));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("[Default Applications]\n"
                   "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet=test-sheets.desktop\n");
    }
    QString record() const { return desk_.filePath(QStringLiteral("record.txt")); }
    // What the script was started with, one argument a line; waits for it a while.
    QStringList recorded() const {
        for (int k = 0; k < 100 && !QFileInfo::exists(record()); ++k) QThread::msleep(50);
        QFile f(record());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir desk_;
    std::vector<std::tuple<const char*, QByteArray, bool>> saved_;
};

TEST_F(DesktopSpreadsheetTest, LibreOfficeGetsTheWorkbookAsTheTemplateOfANewUntitledDocument) {
    installDefault(QStringLiteral("libreoffice"), QStringLiteral("--calc %U"));
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    xl.AddWorkbook(QStringLiteral("人事基本资料")).Worksheets(1).SetCell(1, 6, QStringLiteral("人事基本资料"));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(recorded(), (QStringList{QStringLiteral("--calc"), QStringLiteral("-n"), files.first()}));
    EXPECT_EQ(ReadSheet1(files.first()).at(1, 6), QStringLiteral("人事基本资料"));
}

TEST_F(DesktopSpreadsheetTest, WithNoDefaultProgramForSpreadsheetsTheMessageNamesTheFile) {
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    xl.AddWorkbook(QStringLiteral("人事基本资料")).Worksheets(1).SetCell(1, 1, QStringLiteral("x"));
    const QStringList files = xl.Release();
    ASSERT_EQ(files.size(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("没有找到可以打开电子表格的程序。表格已保存为：\n%1")
                                    .arg(QDir::toNativeSeparators(files.first())));
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
    EXPECT_EQ(QDir(QFileInfo(files.first()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(files.first()).fileName()});
    // The sheet's header was on disk long before its sizes were known.
    const ZipHeaders zip = ReadHeaders(files.first());
    ASSERT_TRUE(zip.ok);
    for (const EntryHeaders& e : zip.entries) EXPECT_TRUE(e.sameSizes) << e.name;
}

}  // namespace
