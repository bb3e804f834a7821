#include "Spreadsheet.h"

#include "MessageBox.h"
#include "Translations.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <string>

namespace platform {

namespace {

const QString kXlsxMime = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
constexpr int kMaxCellChars = 32767;

// The command line of a desktop entry (libreoffice-calc.desktop) without its
// field codes (%U and the like); empty when the entry cannot be read.
QStringList DesktopEntryCommand(const QString& entry) {
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Exec="))) {
            QStringList command;
            for (const QString& arg : QProcess::splitCommand(line.mid(5))) {
                if (arg.size() == 2 && arg.startsWith(QLatin1Char('%')) && arg != QLatin1String("%%")) continue;
                command << QString(arg).replace(QLatin1String("%%"), QLatin1String("%"));
            }
            return command;
        }
    }
    return {};
}

// LibreOffice under any of the names it is started by.
bool IsLibreOffice(const QStringList& command) {
    if (command.isEmpty()) return false;
    const QString name = QFileInfo(command.first()).fileName();
    return name.startsWith(QLatin1String("libreoffice")) || name == QLatin1String("soffice") ||
           name == QLatin1String("localc") || name == QLatin1String("loffice");
}

// Starts a program of the desktop that outlives us, in the desktop's locale.
bool StartDesktopProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(DesktopEnvironment());
    return process.startDetached();
}

SpreadsheetOpener& opener() {
    static SpreadsheetOpener o;
    return o;
}

bool OpenFile(const QString& file) {
    if (opener()) return opener()(file);
    return OpenWithDesktop(file);
}

// A name for a file, from what the workbook holds: without the characters a
// file name cannot hold here or on a disk the user may copy it to.
QString FileNamePart(const QString& name) {
    QString part;
    for (const QChar c : name.simplified()) {
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c)) part += QLatin1Char('_');
        else part += c;
    }
    while (part.startsWith(QLatin1Char('.'))) part.remove(0, 1);
    if (part.isEmpty()) part = QStringLiteral("电子表格");
    return part.left(60);
}

// A new file in a new folder of the temporary folder, both outliving the
// program: the user's spreadsheet program reads the file after we are gone,
// and one that opens the file itself saves it under this name.
QString NewWorkbookFile(const QString& name, QString* folderMade) {
    // An empty path: the temporary folder named by TMPDIR does not exist.
    const QString tmp = QDir::tempPath();
    if (tmp.isEmpty() || !QFileInfo(tmp).isDir())
        throw SpreadsheetError(QStringLiteral("临时文件夹不存在，无法建立电子表格文件。"));
    QTemporaryDir folder(tmp + QStringLiteral("/halvern-XXXXXX"));
    if (!folder.isValid())
        throw SpreadsheetError(QStringLiteral("无法在临时文件夹“%1”中建立电子表格文件：%2")
                                   .arg(QDir::toNativeSeparators(tmp), folder.errorString()));
    folder.setAutoRemove(false);
    *folderMade = folder.path();
    return folder.filePath(FileNamePart(name) + QLatin1Char('-') +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
                           QStringLiteral(".xlsx"));
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

void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint64_t v) {
    Put16(out, static_cast<std::uint32_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint32_t>((v >> 16) & 0xFFFF));
}
void Put64(std::string& out, std::uint64_t v) {
    Put32(out, v & 0xFFFFFFFFu);
    Put32(out, v >> 32);
}

// Sizes and offsets from here on need the zip64 forms.
constexpr std::uint64_t kZip32Limit = 0xFFFFFFFFu;

}  // namespace

SpreadsheetError::SpreadsheetError(const QString& message) : std::runtime_error(message.toStdString()) {}

// The package's parts go into the zip file one after the other, each deflated
// as its text comes, so the sheet goes out while its rows are still being set.
// An entry's checksum and sizes are filled into its header once its data is
// out. The zip64 forms are used only for an entry or a file past 4 GiB (such
// an entry's sizes follow its data instead, as the header has no room for
// them): some spreadsheet programs refuse them elsewhere.
class ZipPackage {
public:
    explicit ZipPackage(const QString& name) : file_(name) {
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) WriteFailed(name, QStringLiteral("无法建立文件。"));
        if (deflateInit2(&z_, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            WriteFailed(name, QStringLiteral("内存不足。"));
        deflating_ = true;
        // Every entry carries the time of the export as a DOS date and time,
        // which count years from 1980 to 2107 and seconds in steps of two.
        QDateTime now = QDateTime::currentDateTime();
        if (now.date().year() < 1980) now = QDateTime(QDate(1980, 1, 1), QTime(0, 0));
        if (now.date().year() > 2107) now = QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58));
        const QDate d = now.date();
        const QTime t = now.time();
        dosDate_ = static_cast<std::uint16_t>((d.year() - 1980) << 9 | d.month() << 5 | d.day());
        dosTime_ = static_cast<std::uint16_t>(t.hour() << 11 | t.minute() << 5 | t.second() / 2);
    }
    ~ZipPackage() {
        if (deflating_) deflateEnd(&z_);
    }
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    void part(const char* name, const char* text) {
        begin(name);
        buffer_ = text;
        end();
    }
    void begin(const char* name) {
        entry_ = Entry{name, kSizesFollow, 0, 0, 0, position()};
        Put32(out_, 0x04034b50);
        Put16(out_, 20);  // version needed: deflate
        Put16(out_, entry_.flags);
        Put16(out_, Z_DEFLATED);
        Put16(out_, dosTime_);
        Put16(out_, dosDate_);
        Put32(out_, 0);
        Put32(out_, 0);
        Put32(out_, 0);
        Put16(out_, static_cast<std::uint32_t>(entry_.name.size()));
        Put16(out_, 0);
        out_ += entry_.name;
    }
    // The entry's text not yet deflated.
    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= kChunk) flush();
    }
    void end() {
        flush();
        deflateOut(Z_FINISH);
        deflateReset(&z_);
        if (entry_.compressed >= kZip32Limit || entry_.size >= kZip32Limit) {
            Put32(out_, 0x08074b50);
            Put32(out_, entry_.crc);
            Put64(out_, entry_.compressed);
            Put64(out_, entry_.size);
        } else {
            // The header's fields from the flags to the sizes, now that they are known.
            entry_.flags = 0;
            std::string header;
            Put16(header, entry_.flags);
            Put16(header, Z_DEFLATED);
            Put16(header, dosTime_);
            Put16(header, dosDate_);
            Put32(header, entry_.crc);
            Put32(header, entry_.compressed);
            Put32(header, entry_.size);
            overwrite(entry_.offset + 6, header);
        }
        entries_.push_back(std::move(entry_));
    }
    // The central directory and its end: the file is complete.
    void close() {
        const std::uint64_t start = position();
        for (const Entry& e : entries_) {
            std::string big;  // the zip64 extra field's values, in the format's order
            if (e.size >= kZip32Limit) Put64(big, e.size);
            if (e.compressed >= kZip32Limit) Put64(big, e.compressed);
            if (e.offset >= kZip32Limit) Put64(big, e.offset);
            const std::uint32_t version = big.empty() ? 20 : 45;
            Put32(out_, 0x02014b50);
            Put16(out_, version);  // made by, on MS-DOS
            Put16(out_, version);  // needed
            Put16(out_, e.flags);
            Put16(out_, Z_DEFLATED);
            Put16(out_, dosTime_);
            Put16(out_, dosDate_);
            Put32(out_, e.crc);
            Put32(out_, std::min(e.compressed, kZip32Limit));
            Put32(out_, std::min(e.size, kZip32Limit));
            Put16(out_, static_cast<std::uint32_t>(e.name.size()));
            Put16(out_, big.empty() ? 0 : static_cast<std::uint32_t>(big.size() + 4));
            Put16(out_, 0);  // comment
            Put16(out_, 0);  // disk
            Put16(out_, 0);  // internal attributes
            Put32(out_, 0);  // external attributes
            Put32(out_, std::min(e.offset, kZip32Limit));
            out_ += e.name;
            if (!big.empty()) {
                Put16(out_, 0x0001);
                Put16(out_, static_cast<std::uint32_t>(big.size()));
                out_ += big;
            }
        }
        const std::uint64_t size = position() - start;
        if (start >= kZip32Limit || size >= kZip32Limit) {
            const std::uint64_t record = position();
            Put32(out_, 0x06064b50);
            Put64(out_, 44);  // the record's size after this field
            Put16(out_, 45);
            Put16(out_, 45);
            Put32(out_, 0);
            Put32(out_, 0);
            Put64(out_, entries_.size());
            Put64(out_, entries_.size());
            Put64(out_, size);
            Put64(out_, start);
            Put32(out_, 0x07064b50);
            Put32(out_, 0);
            Put64(out_, record);
            Put32(out_, 1);
        }
        Put32(out_, 0x06054b50);
        Put16(out_, 0);
        Put16(out_, 0);
        Put16(out_, static_cast<std::uint32_t>(entries_.size()));
        Put16(out_, static_cast<std::uint32_t>(entries_.size()));
        Put32(out_, std::min(size, kZip32Limit));
        Put32(out_, std::min(start, kZip32Limit));
        Put16(out_, 0);
        writeOut();
        if (!file_.flush()) WriteFailed(file_.fileName(), QStringLiteral("磁盘已满或无法写入。"));
        file_.close();
    }

private:
    struct Entry {
        std::string name;
        std::uint32_t flags;
        std::uint32_t crc;
        std::uint64_t compressed;
        std::uint64_t size;
        std::uint64_t offset;
    };
    static constexpr std::uint32_t kSizesFollow = 0x0008;  // the general purpose flag for it
    static constexpr std::size_t kChunk = std::size_t(1) << 20;
    static constexpr uInt kOutStep = 256 * 1024;

    std::uint64_t position() const { return written_ + out_.size(); }
    void flush() {
        if (buffer_.empty()) return;
        const auto* data = reinterpret_cast<const Bytef*>(buffer_.data());
        entry_.crc = static_cast<std::uint32_t>(crc32_z(entry_.crc, data, buffer_.size()));
        entry_.size += buffer_.size();
        z_.next_in = const_cast<Bytef*>(data);
        z_.avail_in = static_cast<uInt>(buffer_.size());
        deflateOut(Z_NO_FLUSH);
        buffer_.clear();
    }
    void deflateOut(int mode) {
        for (;;) {
            const std::size_t at = out_.size();
            out_.resize(at + kOutStep);
            z_.next_out = reinterpret_cast<Bytef*>(out_.data() + at);
            z_.avail_out = kOutStep;
            const int rc = deflate(&z_, mode);
            if (rc == Z_STREAM_ERROR) WriteFailed(file_.fileName(), QStringLiteral("无法压缩表格的内容。"));
            const std::size_t produced = kOutStep - z_.avail_out;
            out_.resize(at + produced);
            entry_.compressed += produced;
            if (out_.size() >= kChunk) writeOut();
            if (mode == Z_FINISH ? rc == Z_STREAM_END : z_.avail_out != 0) break;
        }
    }
    // Replaces bytes already written, in the file or still on their way.
    void overwrite(std::uint64_t at, const std::string& bytes) {
        if (at >= written_) {
            out_.replace(static_cast<std::size_t>(at - written_), bytes.size(), bytes);
            return;
        }
        if (!file_.seek(static_cast<qint64>(at)) ||
            file_.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
            !file_.seek(static_cast<qint64>(written_)))
            WriteFailed(file_.fileName(), QStringLiteral("磁盘已满或无法写入。"));
    }
    void writeOut() {
        if (file_.write(out_.data(), static_cast<qint64>(out_.size())) != static_cast<qint64>(out_.size()))
            WriteFailed(file_.fileName(), QStringLiteral("磁盘已满或无法写入。"));
        written_ += out_.size();
        out_.clear();
    }

    QFile file_;
    z_stream z_{};
    bool deflating_ = false;
    std::uint16_t dosDate_ = 0;
    std::uint16_t dosTime_ = 0;
    Entry entry_{};
    std::vector<Entry> entries_;
    std::string buffer_;
    std::string out_;            // headers and deflated bytes on their way to the file
    std::uint64_t written_ = 0;  // bytes in the file before out_
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
    if (zip_) remove();
}

void Worksheet::remove() {
    zip_.reset();
    if (!file_.isEmpty()) QFile::remove(file_);
    if (!folder_.isEmpty()) QDir().rmdir(folder_);
}

void Worksheet::open(const QString& name) {
    try {
        file_ = NewWorkbookFile(name, &folder_);
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
    remove();
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

Workbook& SpreadsheetApplication::AddWorkbook(const QString& name) {
    books_.push_back(std::make_unique<Workbook>());
    books_.back()->sheet_->open(name);
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
    // xdg-open reports a missing program only after it has left us, so ask
    // first which program takes spreadsheets, if any.
    QString program;
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kXlsxMime});
        if (query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit) {
            program = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
            if (program.isEmpty()) return false;
        }
    }
    // LibreOffice opens a copy of the file as a new, untitled document: the
    // user's Save asks where to keep it, as for any new workbook, instead of
    // writing into the temporary folder.
    QStringList command = program.isEmpty() ? QStringList() : DesktopEntryCommand(program);
    if (IsLibreOffice(command)) {
        const QString exe = QStandardPaths::findExecutable(command.takeFirst());
        if (!exe.isEmpty()) return StartDesktopProgram(exe, command << QStringLiteral("-n") << file);
    }
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return false;
    return StartDesktopProgram(xdgOpen, {file});
}

}  // namespace platform
