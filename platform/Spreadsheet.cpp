#include "Spreadsheet.h"

#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <unzip.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace platform {

namespace {

const QString kXlsxMime = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
constexpr int kMaxCellChars = 32767;
constexpr std::size_t kTextBlockSize = std::size_t(1) << 20;

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

}  // namespace

SpreadsheetError::SpreadsheetError(const QString& message) : std::runtime_error(message.toStdString()) {}

void Worksheet::SetCell(int row, int column, const QString& text) {
    if (row < 1 || row > kSheetMaxRows || column < 1 || column > kSheetMaxColumns)
        throw SpreadsheetError(QStringLiteral("单元格位置（第%1行，第%2列）超出了工作表的范围。").arg(row).arg(column));
    if (text.size() > kMaxCellChars && text.toUcs4().size() > kMaxCellChars)
        throw SpreadsheetError(QStringLiteral("第%1行第%2列的文字超过了一个单元格能容纳的%3个字符。")
                                   .arg(row)
                                   .arg(column)
                                   .arg(kMaxCellChars));
    if (!cells_.empty()) {
        const Cell& last = cells_.back();
        if (row < last.row || (row == last.row && column <= last.column)) inOrder_ = false;
    }
    // UTF-8 straight into the current text block: no temporary per cell.
    QStringEncoder utf8(QStringEncoder::Utf8);
    const auto need = static_cast<std::size_t>(utf8.requiredSpace(text.size()));
    if (blocks_.empty() || blockUsed_ + need > blockSize_) {
        blockSize_ = std::max<std::size_t>(kTextBlockSize, need);
        blocks_.push_back(std::unique_ptr<char[]>(new char[blockSize_]));
        blockUsed_ = 0;
    }
    char* start = blocks_.back().get() + blockUsed_;
    const auto length = static_cast<std::size_t>(utf8.appendToBuffer(start, text) - start);
    cells_.push_back(Cell{row, column, static_cast<std::uint32_t>(blocks_.size() - 1),
                          static_cast<std::uint32_t>(blockUsed_), static_cast<std::uint32_t>(length)});
    blockUsed_ += length;
    textBytes_ += length;
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
    return *books_.back();
}

namespace {

const char kSheetPart[] = "xl/worksheets/sheet1.xml";

// "A", "Z", "AA", … for a column counted from 1.
void AppendColumnName(std::string& out, int column) {
    char letters[4];
    int n = 0;
    while (column > 0) {
        letters[n++] = static_cast<char>('A' + (column - 1) % 26);
        column = (column - 1) / 26;
    }
    while (n > 0) out += letters[--n];
}

void AppendCellName(std::string& out, int row, int column) {
    AppendColumnName(out, column);
    out += std::to_string(row);
}

// Cell text as XML character data; control characters take the workbook's
// own _xHHHH_ form, since XML cannot carry them.
void AppendCellText(std::string& out, const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const char ch = text[i];
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\t':
        case '\n': out += ch; break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "_x%04X_", static_cast<unsigned>(ch));
                out += code;
            } else {
                out += ch;
            }
        }
    }
}

bool NeedsPreserve(const char* text, std::size_t length) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    return length > 0 && (blank(text[0]) || blank(text[length - 1]));
}

// Removes a file when the write is over, whatever happened.
struct RemoveOnExit {
    QString file;
    ~RemoveOnExit() {
        if (!file.isEmpty()) QFile::remove(file);
    }
};

[[noreturn]] void WriteFailed(const QString& file, const QString& why) {
    throw SpreadsheetError(QStringLiteral("无法写入电子表格文件“%1”：%2").arg(QDir::toNativeSeparators(file), why));
}

// Reads the current entry of an opened zip in full.
QByteArray ReadEntry(unzFile zip, const QString& file) {
    QByteArray bytes;
    if (unzOpenCurrentFile(zip) != UNZ_OK) WriteFailed(file, QStringLiteral("无法读取工作簿的组成部分。"));
    char buf[65536];
    int n;
    while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) bytes.append(buf, n);
    unzCloseCurrentFile(zip);
    if (n < 0) WriteFailed(file, QStringLiteral("无法读取工作簿的组成部分。"));
    return bytes;
}

class ZipWriter {
public:
    ZipWriter(const QString& file, bool zip64) : file_(file), zip64_(zip64) {
        zip_ = zipOpen64(QFile::encodeName(file).constData(), APPEND_STATUS_CREATE);
        if (!zip_) WriteFailed(file, QStringLiteral("无法建立文件。"));
    }
    ~ZipWriter() {
        if (zip_) zipClose(zip_, nullptr);
    }
    void begin(const char* name, int level) {
        zip_fileinfo info{};
        info.tmz_date.tm_mday = 1;  // 1 January 1980, as the library dates its own parts
        info.tmz_date.tm_year = 1980;
        if (zipOpenNewFileInZip64(zip_, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, level, zip64_ ? 1 : 0) !=
            ZIP_OK)
            WriteFailed(file_, QStringLiteral("无法写入文件。"));
    }
    void write(const char* data, std::size_t size) {
        while (size > 0) {
            const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30));
            if (zipWriteInFileInZip(zip_, data, chunk) != ZIP_OK) WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
            data += chunk;
            size -= chunk;
        }
    }
    void end() {
        if (zipCloseFileInZip(zip_) != ZIP_OK) WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
    }
    void close() {
        const int rc = zipClose(zip_, nullptr);
        zip_ = nullptr;
        if (rc != ZIP_OK) WriteFailed(file_, QStringLiteral("磁盘已满或无法写入。"));
    }

private:
    QString file_;
    bool zip64_;
    zipFile zip_ = nullptr;
};

}  // namespace

void SpreadsheetApplication::WriteFile(const Workbook& book, const QString& file) {
    const Worksheet& sheet = *book.sheet_;

    // Rows go out in order; cells set out of order are put in order first,
    // and of two texts for one cell the later one stays.
    std::vector<std::size_t> order;
    if (!sheet.inOrder_) {
        order.resize(sheet.cells_.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const auto& ca = sheet.cells_[a];
            const auto& cb = sheet.cells_[b];
            return ca.row != cb.row ? ca.row < cb.row : ca.column < cb.column;
        });
    }
    const std::size_t cellCount = sheet.cells_.size();
    const auto cellAt = [&](std::size_t k) -> const Worksheet::Cell& {
        return sheet.cells_[order.empty() ? k : order[k]];
    };
    const auto written = [&](std::size_t k) {
        const auto& c = cellAt(k);
        if (c.length == 0) return false;  // an empty text leaves the cell empty
        if (k + 1 < cellCount) {
            const auto& n = cellAt(k + 1);
            if (n.row == c.row && n.column == c.column) return false;  // replaced by a later text
        }
        return true;
    };

    // The workbook itself (parts, styles, properties, the frame of worksheet
    // 1) comes from libxlsxwriter. Its rows are streamed in below with fast
    // compression: a hundred thousand rows would take several seconds at the
    // library's fixed compression level.
    const QString parts = file + QStringLiteral(".parts");
    RemoveOnExit removeParts{parts};
    {
        lxw_workbook* wb = workbook_new(QFile::encodeName(parts).constData());
        if (!wb) WriteFailed(file, QStringLiteral("无法建立文件。"));
        const lxw_error err = workbook_add_worksheet(wb, nullptr) ? workbook_close(wb)
                                                                 : (workbook_close(wb), LXW_ERROR_MEMORY_MALLOC_FAILED);
        if (err != LXW_NO_ERROR) WriteFailed(file, QString::fromUtf8(lxw_strerror(err)));
    }

    int minRow = kSheetMaxRows + 1, maxRow = 0, minCol = kSheetMaxColumns + 1, maxCol = 0;
    for (std::size_t k = 0; k < cellCount; ++k) {
        if (!written(k)) continue;
        const auto& c = cellAt(k);
        minRow = std::min(minRow, c.row);
        maxRow = std::max(maxRow, c.row);
        minCol = std::min(minCol, c.column);
        maxCol = std::max(maxCol, c.column);
    }
    // The XML of a cell is its text and about 60 characters around it.
    const bool zip64 = sheet.textBytes_ + sheet.cells_.size() * 64 > 0xF0000000u;

    unzFile in = unzOpen64(QFile::encodeName(parts).constData());
    if (!in) WriteFailed(file, QStringLiteral("无法读取工作簿的组成部分。"));
    struct CloseIn {
        unzFile zip;
        ~CloseIn() { unzClose(zip); }
    } closeIn{in};
    ZipWriter out(file, zip64);
    bool sheetDone = false;
    for (int rc = unzGoToFirstFile(in); rc == UNZ_OK; rc = unzGoToNextFile(in)) {
        char name[512];
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(in, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            WriteFailed(file, QStringLiteral("无法读取工作簿的组成部分。"));
        const QByteArray bytes = ReadEntry(in, file);
        if (std::strcmp(name, kSheetPart) != 0) {
            out.begin(name, Z_DEFAULT_COMPRESSION);
            out.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            out.end();
            continue;
        }

        // The empty worksheet: its frame around <sheetData/>, with the used range.
        QByteArray frame = bytes;
        if (maxRow > 0) {
            std::string range;
            AppendCellName(range, minRow, minCol);
            range += ':';
            AppendCellName(range, maxRow, maxCol);
            frame.replace("<dimension ref=\"A1\"/>", "<dimension ref=\"" + QByteArray::fromStdString(range) + "\"/>");
        }
        const qsizetype at = frame.indexOf("<sheetData/>");
        if (at < 0) WriteFailed(file, QStringLiteral("工作表的格式无法识别。"));

        out.begin(name, Z_BEST_SPEED);
        out.write(frame.constData(), static_cast<std::size_t>(at));
        std::string xml = "<sheetData>";
        xml.reserve(1 << 20);
        int openRow = 0;
        for (std::size_t k = 0; k < cellCount; ++k) {
            if (!written(k)) continue;
            const auto& c = cellAt(k);
            if (c.row != openRow) {
                if (openRow) xml += "</row>";
                xml += "<row r=\"";
                xml += std::to_string(c.row);
                xml += "\">";
                openRow = c.row;
            }
            const char* text = sheet.text(c);
            xml += "<c r=\"";
            AppendCellName(xml, c.row, c.column);
            xml += NeedsPreserve(text, c.length) ? "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                                                 : "\" t=\"inlineStr\"><is><t>";
            AppendCellText(xml, text, c.length);
            xml += "</t></is></c>";
            if (xml.size() > (1u << 20)) {
                out.write(xml.data(), xml.size());
                xml.clear();
            }
        }
        if (openRow) xml += "</row>";
        xml += "</sheetData>";
        out.write(xml.data(), xml.size());
        const qsizetype rest = at + static_cast<qsizetype>(std::strlen("<sheetData/>"));
        out.write(frame.constData() + rest, static_cast<std::size_t>(frame.size() - rest));
        out.end();
        sheetDone = true;
    }
    if (!sheetDone) WriteFailed(file, QStringLiteral("工作表的格式无法识别。"));
    out.close();
}

QStringList SpreadsheetApplication::Release() {
    QStringList written;
    if (released_) return written;
    released_ = true;
    for (const auto& book : books_) {
        QString file;
        try {
            file = NewWorkbookFile();
            WriteFile(*book, file);
        } catch (const SpreadsheetError& e) {
            if (!file.isEmpty()) QFile::remove(file);
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
