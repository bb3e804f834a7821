// The spreadsheet application of the program's exports. A command creates its
// own application object, makes it visible, adds a workbook, takes worksheet 1
// and sets cells by row and column (counted from 1), one text per cell, in
// order; then it releases the application. Each workbook goes to a new .xlsx
// file as its cells are set, named after what it holds and the time of the
// export (人事基本资料-2026-12-09-153000.xlsx) in a new folder of its own in
// the temporary folder. The release finishes the file and opens it with the
// desktop's program for spreadsheets: LibreOffice takes it as the template of
// a new, untitled workbook, whose Save asks where to keep it; another program
// opens the file itself. When nothing can open it, a message names the file,
// so the user can still find it; the calling window stays usable.
//
//     platform::SpreadsheetApplication xl;
//     xl.SetVisible(true);
//     platform::Worksheet& sheet = xl.AddWorkbook(QStringLiteral("人事基本资料")).Worksheets(1);
//     sheet.SetCell(1, 6, QStringLiteral("人事基本资料"));
//     xl.Release();
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace platform {

// A spreadsheet failure with a text a clerk can read.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& message);
    QString message() const { return QString::fromStdString(what()); }
};

// Largest sheet the file format holds.
inline constexpr int kSheetMaxRows = 1048576;
inline constexpr int kSheetMaxColumns = 16384;

// The zip file a workbook is written to (Spreadsheet.cpp).
class ZipPackage;

class Worksheet {
public:
    Worksheet();
    ~Worksheet();
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    // Sets the cell to the text; an empty text leaves the cell empty. Cells
    // are set row by row and, within a row, from left to right, each once:
    // the text goes straight into the file. Throws SpreadsheetError for a
    // position outside the sheet or at or before the last cell set. A file
    // that cannot be written is told at the release, not here.
    void SetCell(int row, int column, const QString& text);

private:
    friend class SpreadsheetApplication;
    // Creates the file and writes the workbook up to the sheet's first row.
    void open(const QString& name);
    // Writes the rest; returns the finished file. Throws SpreadsheetError.
    QString finish();
    // Gives up the file after a failure, which the release will tell.
    void fail(const QString& why);

    // Removes the file and its folder.
    void remove();

    std::unique_ptr<ZipPackage> zip_;
    QString folder_;
    QString file_;
    QString failure_;
    std::int32_t lastRow_ = 0;
    std::int32_t lastColumn_ = 0;
    std::int32_t openRow_ = 0;
};

class Workbook {
public:
    Workbook();
    // Worksheet 1 is the only one a new workbook has; other indexes throw SpreadsheetError.
    Worksheet& Worksheets(int index);

private:
    friend class SpreadsheetApplication;
    std::unique_ptr<Worksheet> sheet_;
};

class SpreadsheetApplication {
public:
    SpreadsheetApplication();
    ~SpreadsheetApplication();
    SpreadsheetApplication(const SpreadsheetApplication&) = delete;
    SpreadsheetApplication& operator=(const SpreadsheetApplication&) = delete;

    void SetVisible(bool visible) { visible_ = visible; }
    bool Visible() const { return visible_; }
    // A new, empty workbook of this application; its file is named after
    // what it holds (a name of a few words, such as 人事基本资料).
    Workbook& AddWorkbook(const QString& name = QString());

    // The end of the command: finishes each workbook's file and, when the
    // application is visible, opens it. Failures are told the user here (a
    // file that cannot be written, no program to open it); nothing is thrown.
    // Returns the files written. A second call does nothing. An application
    // destroyed without Release removes its files and opens nothing.
    QStringList Release();

private:
    std::vector<std::unique_ptr<Workbook>> books_;
    bool visible_ = false;
    bool released_ = false;
};

// Opens a written workbook; returns false when nothing could open it.
using SpreadsheetOpener = std::function<bool(const QString& file)>;
// Replaces the desktop's "open" (tests); an empty opener restores it.
void SetSpreadsheetOpener(SpreadsheetOpener opener);
// The desktop's "open" of a written workbook: the desktop's default program for
// .xlsx files, LibreOffice with the file as the template of a new document
// (-n), any other through xdg-open.
bool OpenWithDesktop(const QString& file);

}  // namespace platform
