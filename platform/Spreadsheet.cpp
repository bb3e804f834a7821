#include "Spreadsheet.h"

#include "MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <zip.h>

#include <algorithm>
#include <string>

namespace platform {

namespace {

const QString kXlsxMime = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
constexpr int kMaxCellChars = 32767;

SpreadsheetOpener& opener() {
    static SpreadsheetOpener o;
    return o;
}

bool OpenFile(const QString& file) {
    if (opener()) return opener()(file);
    return OpenWithDesktop(file);
}

// A new file in the temporary folder that outlives the program: the user's
// spreadsheet program reads it after we are gone.
QString NewWorkbookFile() {
    // An empty path: the temporary folder named by TMPDIR does not exist.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        throw SpreadsheetError(QStringLiteral("临时文件夹不存在，无法建立电子表格文件。"));
    QTemporaryFile tmp(folder + QStringLiteral("/halvern-XXXXXX.xlsx"));
    tmp.setAutoRemove(false);
    if (!tmp.open())
        throw SpreadsheetError(QStringLiteral("无法在临时文件夹“%1”中建立电子表格文件：%2")
                                   .arg(QDir::toNativeSeparators(folder), tmp.errorString()));
    const QString name = tmp.fileName();
    tmp.close();
    return name;
}

[[noreturn]] void WriteFailed(const QString& file, const QString& why) {
    throw SpreadsheetError(QStringLiteral("无法写入电子表格文件“%1”：%2").arg(QDir::toNativeSeparators(file), why));
}

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>";
const char kRootRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/></Relationships>";
const char kWorkbook[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const char kWorkbookRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/></Relationships>";
const char kStyles[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";
const char kSheetStart[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheetData>";
const char kSheetEnd[] = "</sheetData></worksheet>";

}  // namespace

SpreadsheetError::SpreadsheetError(const QString& message) : std::runtime_error(message.toStdString()) {}

// The package's parts go into the zip file one after the other; the sheet is
// written as its rows come, through a buffer, compressed for speed.
class ZipPackage {
public:
    explicit ZipPackage(const QString& file) : file_(file) {
        zip_ = zipOpen64(QFile::encodeName(file).constData(), APPEND_STATUS_CREATE);
        if (!zip_) WriteFailed(file, QStringLiteral("无法建立文件。"));
    }
    ~ZipPackage() {
        if (zip_) zipClose(zip_, nullptr);
    }
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    void part(const char* name, const char* text) {
        begin(name);
        buffer_ = text;
        end();
    }
    void begin(const char* name) {
        zip_fileinfo info{};
        if (zipOpenNewFileInZip64(zip_, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, Z_BEST_SPEED, 1) != ZIP_OK)
            WriteFailed(file_, QStringLiteral("无法写入“%1”。").arg(QString::fromLatin1(name)));
    }
    // The entry's text not yet compressed.
    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= (std::size_t(1) << 20)) flush();
    }
    void end() {
        flush();
        if (zipCloseFileInZip(zip_) != ZIP_OK) WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
    }
    void close() {
        const int rc = zipClose(zip_, nullptr);
        zip_ = nullptr;
        if (rc != ZIP_OK) WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
    }

private:
    void flush() {
        if (!buffer_.empty() &&
            zipWriteInFileInZip(zip_, buffer_.data(), static_cast<unsigned>(buffer_.size())) != ZIP_OK)
            WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
        buffer_.clear();
    }
    QString file_;
    zipFile zip_ = nullptr;
    std::string buffer_;
};

namespace {

void AppendNumber(std::string& out, std::uint32_t n) {
    char digits[12];
    int k = 0;
    do {
        digits[k++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n);
    while (k) out += digits[--k];
}

void AppendColumnName(std::string& out, std::uint32_t column) {
    char letters[4];
    int k = 0;
    for (; column; column = (column - 1) / 26) letters[k++] = static_cast<char>('A' + (column - 1) % 26);
    while (k) out += letters[--k];
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

// Whether the UTF-16 unit at i is written as the format's escape _xHHHH_:
// XML cannot carry a control character other than tab, line feed and
// carriage return, a surrogate without its partner, U+FFFE or U+FFFF. A
// carriage return goes the same way, since XML readers turn it into a line feed.
bool Escaped(const char16_t* s, qsizetype n, qsizetype i) {
    const char16_t u = s[i];
    if (u < 0x20) return u != u'\t' && u != u'\n';
    if (u < 0xD800) return false;
    if (u < 0xDC00) return i + 1 == n || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF;
    if (u < 0xE000) return i == 0 || s[i - 1] < 0xD800 || s[i - 1] > 0xDBFF;
    return u >= 0xFFFE;
}

char* PutEscape(char* p, char16_t u) {
    static const char hex[] = "0123456789ABCDEF";
    *p++ = '_';
    *p++ = 'x';
    *p++ = hex[u >> 12];
    *p++ = hex[(u >> 8) & 15];
    *p++ = hex[(u >> 4) & 15];
    *p++ = hex[u & 15];
    *p++ = '_';
    return p;
}

// One text cell. XML's own characters are escaped as entities, what XML
// cannot carry as _xHHHH_, and an underscore that would start such an escape
// in the written text as _x005F_, so a spreadsheet program reads back every
// text as it was set. Blanks at either end are kept.
void AppendCell(std::string& out, std::int32_t row, std::int32_t column, const QString& text) {
    const auto* s = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    out += "<c r=\"";
    AppendColumnName(out, static_cast<std::uint32_t>(column));
    AppendNumber(out, static_cast<std::uint32_t>(row));
    out += IsBlank(s[0]) || IsBlank(s[n - 1]) ? "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                                              : "\" t=\"inlineStr\"><is><t>";
    const std::size_t at = out.size();
    out.resize(at + 7 * static_cast<std::size_t>(n));  // no unit takes more than _xHHHH_
    char* p = out.data() + at;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = s[i];
        if (u < 0x80) {
            if (u >= 0x20 && u != u'&' && u != u'<' && u != u'>' && u != u'_') {
                *p++ = static_cast<char>(u);
            } else if (u == u'&') {
                p = std::copy_n("&amp;", 5, p);
            } else if (u == u'<') {
                p = std::copy_n("&lt;", 4, p);
            } else if (u == u'>') {
                p = std::copy_n("&gt;", 4, p);
            } else if (u == u'_') {
                // "_x" and four hex digits, then an underscore as written.
                const bool escape = i + 6 < n && s[i + 1] == u'x' && IsHexDigit(s[i + 2]) && IsHexDigit(s[i + 3]) &&
                                    IsHexDigit(s[i + 4]) && IsHexDigit(s[i + 5]) &&
                                    (s[i + 6] == u'_' || Escaped(s, n, i + 6));
                if (escape) p = PutEscape(p, u);
                else *p++ = '_';
            } else if (Escaped(s, n, i)) {
                p = PutEscape(p, u);
            } else {
                *p++ = static_cast<char>(u);
            }
        } else if (u < 0x800) {
            *p++ = static_cast<char>(0xC0 | u >> 6);
            *p++ = static_cast<char>(0x80 | (u & 0x3F));
        } else if (u >= 0xD800 && u < 0xE000) {
            if (Escaped(s, n, i)) {
                p = PutEscape(p, u);
            } else {
                const char32_t c = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(s[++i]) - 0xDC00);
                *p++ = static_cast<char>(0xF0 | c >> 18);
                *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
                *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                *p++ = static_cast<char>(0x80 | (c & 0x3F));
            }
        } else if (u >= 0xFFFE) {
            p = PutEscape(p, u);
        } else {
            *p++ = static_cast<char>(0xE0 | u >> 12);
            *p++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    out += "</t></is></c>";
}

}  // namespace

Worksheet::Worksheet() = default;

Worksheet::~Worksheet() {
    // Never released: the half-written file goes.
    if (zip_) {
        zip_.reset();
        QFile::remove(file_);
    }
}

void Worksheet::open() {
    try {
        file_ = NewWorkbookFile();
        zip_ = std::make_unique<ZipPackage>(file_);
        zip_->part("[Content_Types].xml", kContentTypes);
        zip_->part("_rels/.rels", kRootRels);
        zip_->part("xl/workbook.xml", kWorkbook);
        zip_->part("xl/_rels/workbook.xml.rels", kWorkbookRels);
        zip_->part("xl/styles.xml", kStyles);
        zip_->begin("xl/worksheets/sheet1.xml");
        zip_->buffer() = kSheetStart;
    } catch (const SpreadsheetError& e) {
        fail(e.message());
    }
}

void Worksheet::fail(const QString& why) {
    if (failure_.isEmpty()) failure_ = why;
    zip_.reset();
    if (!file_.isEmpty()) QFile::remove(file_);
}

void Worksheet::SetCell(int row, int column, const QString& text) {
    if (row < 1 || row > kSheetMaxRows || column < 1 || column > kSheetMaxColumns)
        throw SpreadsheetError(QStringLiteral("单元格位置（第%1行，第%2列）超出了工作表的范围。").arg(row).arg(column));
    if (text.size() > kMaxCellChars && text.toUcs4().size() > kMaxCellChars)
        throw SpreadsheetError(QStringLiteral("第%1行第%2列的文字超过了一个单元格能容纳的%3个字符。")
                                   .arg(row)
                                   .arg(column)
                                   .arg(kMaxCellChars));
    if (row < lastRow_ || (row == lastRow_ && column <= lastColumn_))
        throw SpreadsheetError(QStringLiteral("第%1行第%2列的单元格没有按顺序写入：上一个写入的是第%3行第%4列。")
                                   .arg(row)
                                   .arg(column)
                                   .arg(lastRow_)
                                   .arg(lastColumn_));
    lastRow_ = row;
    lastColumn_ = column;
    if (!zip_ || text.isEmpty()) return;
    std::string& out = zip_->buffer();
    if (row != openRow_) {
        if (openRow_) out += "</row>";
        out += "<row r=\"";
        AppendNumber(out, static_cast<std::uint32_t>(row));
        out += "\">";
        openRow_ = row;
    }
    AppendCell(out, row, column, text);
    try {
        zip_->flushIfFull();
    } catch (const SpreadsheetError& e) {
        fail(e.message());
    }
}

QString Worksheet::finish() {
    if (!zip_) throw SpreadsheetError(failure_);
    try {
        std::string& out = zip_->buffer();
        if (openRow_) out += "</row>";
        out += kSheetEnd;
        zip_->end();
        zip_->close();
    } catch (const SpreadsheetError& e) {
        fail(e.message());
        throw;
    }
    zip_.reset();
    return file_;
}

Workbook::Workbook() : sheet_(std::make_unique<Worksheet>()) {}

Worksheet& Workbook::Worksheets(int index) {
    if (index != 1) throw SpreadsheetError(QStringLiteral("工作簿中没有第%1个工作表。").arg(index));
    return *sheet_;
}

SpreadsheetApplication::SpreadsheetApplication() = default;
SpreadsheetApplication::~SpreadsheetApplication() = default;

Workbook& SpreadsheetApplication::AddWorkbook() {
    books_.push_back(std::make_unique<Workbook>());
    books_.back()->sheet_->open();
    return *books_.back();
}

QStringList SpreadsheetApplication::Release() {
    QStringList written;
    if (released_) return written;
    released_ = true;
    for (const auto& book : books_) {
        QString file;
        try {
            file = book->sheet_->finish();
        } catch (const SpreadsheetError& e) {
            MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
            continue;
        }
        written << file;
        if (visible_ && !OpenFile(file))
            MsgBox(QStringLiteral("没有找到可以打开电子表格的程序。表格已保存为：\n%1").arg(QDir::toNativeSeparators(file)),
                   MsgButtons::OK, MsgIcon::Exclamation);
    }
    books_.clear();
    return written;
}

void SetSpreadsheetOpener(SpreadsheetOpener o) { opener() = std::move(o); }

bool OpenWithDesktop(const QString& file) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return false;
    // xdg-open reports a missing program only after it has left us, so ask
    // first whether any program takes spreadsheets.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kXlsxMime});
        if (query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
            query.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QProcess::startDetached(xdgOpen, {file});
}

}  // namespace platform
