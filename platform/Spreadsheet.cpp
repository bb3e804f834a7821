#include "Spreadsheet.h"

#include "MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
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

[[noreturn]] void WriteFailed(const QString& file, const QString& why) {
    throw SpreadsheetError(QStringLiteral("无法写入电子表格文件“%1”：%2").arg(QDir::toNativeSeparators(file), why));
}

}  // namespace

void SpreadsheetApplication::WriteFile(const Workbook& book, const QString& file) {
    const Worksheet& sheet = *book.sheet_;

    // Rows go out in order (the library streams them to disk one by one);
    // cells set out of order are put in order first, and of two texts for one
    // cell the later one stays.
    std::vector<std::size_t> order(sheet.cells_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (!sheet.inOrder_)
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const auto& ca = sheet.cells_[a];
            const auto& cb = sheet.cells_[b];
            return ca.row != cb.row ? ca.row < cb.row : ca.column < cb.column;
        });

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* wb = workbook_new_opt(QFile::encodeName(file).constData(), &options);
    if (!wb) WriteFailed(file, QStringLiteral("无法建立文件。"));
    lxw_worksheet* ws = workbook_add_worksheet(wb, nullptr);
    if (!ws) {
        workbook_close(wb);
        WriteFailed(file, QStringLiteral("无法建立工作表。"));
    }
    std::string text;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const auto& c = sheet.cells_[order[k]];
        if (c.length == 0) continue;  // an empty text leaves the cell empty
        if (k + 1 < order.size()) {
            const auto& n = sheet.cells_[order[k + 1]];
            if (n.row == c.row && n.column == c.column) continue;  // replaced by a later text
        }
        text.assign(sheet.text(c), c.length);
        const lxw_error err = worksheet_write_string(ws, static_cast<lxw_row_t>(c.row - 1),
                                                     static_cast<lxw_col_t>(c.column - 1), text.c_str(), nullptr);
        if (err != LXW_NO_ERROR) {
            workbook_close(wb);
            WriteFailed(file, QString::fromUtf8(lxw_strerror(err)));
        }
    }
    const lxw_error err = workbook_close(wb);
    if (err != LXW_NO_ERROR) WriteFailed(file, QString::fromUtf8(lxw_strerror(err)));
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
