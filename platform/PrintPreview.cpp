#include "PrintPreview.h"

#include "FlexGrid.h"
#include "MessageBox.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QLayout>
#include <QScrollBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {

namespace {

// The report is laid out in twips (1/1440 inch), the unit of the grid and of
// the OutText positions; margins come in centimetres, the page size from Qt in
// points, and only drawing turns twips into the printer's device pixels.
constexpr double kTwipsPerCm = 567.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kCellPadX = 60.0;  // twips between a cell's border and its text
constexpr double kCellPadY = 40.0;

// Qt's save dialog, its date column as wide as the longest date it can show:
// Qt sizes it for an English date, which a Chinese one outgrows.
QString choosePdfFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("导出PDF"), suggested, QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        constexpr int kDateColumn = 3;
        const QString widest = QLocale::system().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58)),
                                                          QLocale::ShortFormat);
        const int width = files->fontMetrics().horizontalAdvance(widest + QStringLiteral("MM"));
        files->header()->resizeSection(kDateColumn, std::max(files->header()->sectionSize(kDateColumn), width));
    }
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

PrintPreview::FileChooser& fileChooser() {
    static PrintPreview::FileChooser chooser = choosePdfFile;
    return chooser;
}

// Colours come as 0x00BBGGRR, or with the top bit set as an index of the system colours.
QColor toColor(quint32 value) {
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 5:   // window background
            return Qt::white;
        case 15:  // button face
            return QColor(0xD4, 0xD0, 0xC8);
        case 16:  // grey text
        case 17:
            return Qt::gray;
        default:  // window text, menu text, button text and the rest print black
            return Qt::black;
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QPageSize paperSize(int code, float widthCm, float heightCm) {
    switch (code) {
    case 1: return QPageSize(QPageSize::Letter);
    case 5: return QPageSize(QPageSize::Legal);
    case 8: return QPageSize(QPageSize::A3);
    case 9: return QPageSize(QPageSize::A4);
    case 11: return QPageSize(QPageSize::A5);
    case 13: return QPageSize(QPageSize::B5);
    default:
        if (widthCm > 0 && heightCm > 0)
            return QPageSize(QSizeF(widthCm * 10.0, heightCm * 10.0), QPageSize::Millimeter);
        return QPageSize(QPageSize::A4);
    }
}

}  // namespace

struct PrintPreview::Document {
    struct Text {
        int page = 0;
        double x = 0, y = 0;
        QFont font;
        QColor color;
        QString text;
    };
    struct Column {
        double width = 0;
        Qt::Alignment align = Qt::AlignLeft;
    };
    struct Page {
        double top = 0;
        int first = 0;  // data rows [first, last)
        int last = 0;
    };
    std::vector<Text> texts;
    std::vector<Column> cols;
    std::vector<QStringList> headerRows;
    std::vector<QStringList> rows;
    std::vector<double> rowHeights;
    std::vector<double> headerHeights;
    std::vector<Page> pages;
    QFont gridFont;
    double left = 0;
    bool hasGrid = false;
};

PrintPreview::PrintPreview(QWidget* parent)
    : QWidget(parent), doc_(std::make_unique<Document>()), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setFullPage(true);
    applySetup(*printer_);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    bar_ = new QToolBar(this);
    bar_->setObjectName(QStringLiteral("ControlBar"));
    bar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar_->addAction(QStringLiteral("打印"), this, &PrintPreview::PrintClicked)->setObjectName(QStringLiteral("actPrint"));
    bar_->addAction(QStringLiteral("导出PDF"), this, &PrintPreview::ExportClicked)->setObjectName(QStringLiteral("actPdf"));
    bar_->addSeparator();
    bar_->addAction(QStringLiteral("放大"), this, &PrintPreview::ZoomIn)->setObjectName(QStringLiteral("actZoomIn"));
    bar_->addAction(QStringLiteral("缩小"), this, &PrintPreview::ZoomOut)->setObjectName(QStringLiteral("actZoomOut"));
    bar_->addSeparator();
    bar_->addAction(QStringLiteral("关闭"), this, &PrintPreview::QuitClicked)->setObjectName(QStringLiteral("actQuit"));
    box->addWidget(bar_);
    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    preview_->setObjectName(QStringLiteral("pages"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { render(p); });
    // The preview opens on the top of the first page, where the report begins.
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, [this] {
        if (!started_ || shownHome_) return;
        shownHome_ = true;
        // The pages' view is the only item of the preview widget's own layout.
        QLayoutItem* item = preview_->layout() ? preview_->layout()->itemAt(0) : nullptr;
        if (auto* view = item ? qobject_cast<QGraphicsView*>(item->widget()) : nullptr) {
            view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
            view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
        }
    });
    box->addWidget(preview_, 1);
}

PrintPreview::~PrintPreview() = default;

void PrintPreview::SetPdfFileChooser(FileChooser chooser) { fileChooser() = std::move(chooser); }

void PrintPreview::Move(double left, double top, double width, double height) {
    const auto px = [](double twips) { return static_cast<int>(twips / 15.0 + 0.5); };
    setGeometry(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

void PrintPreview::OutGrid(FlexGrid* grid) { grid_ = grid; }

void PrintPreview::OutText(double x, double y, const QString& fontName, double fontSize, quint32 color, bool bold,
                           bool italic, bool strikeOut, bool underline, const QString& text, int extra1, bool extra2) {
    (void)extra1;
    (void)extra2;
    Document::Text t;
    t.page = currentPage_;
    t.x = x;
    t.y = y;
    t.font = QFont(fontName);
    t.font.setPointSizeF(fontSize > 0 ? fontSize : 9);
    t.font.setBold(bold);
    t.font.setItalic(italic);
    t.font.setStrikeOut(strikeOut);
    t.font.setUnderline(underline);
    t.color = toColor(color);
    t.text = text;
    doc_->texts.push_back(t);
}

void PrintPreview::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Start();
}

void PrintPreview::applySetup(QPrinter& printer) const {
    printer.setFullPage(true);
    QPageLayout layout(paperSize(setup_.paperSize, setup_.custWidth, setup_.custHeight),
                       setup_.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(setup_.left * 10.0, setup_.top * 10.0, setup_.right * 10.0, setup_.bottom * 10.0),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    printer.setPageLayout(layout);
}

void PrintPreview::Start() {
    if (started_) return;
    started_ = true;

    bool prepare = false;
    Setup s = setup_;
    emit PrintPrepare(prepare, s.paperSize, s.custWidth, s.custHeight, s.left, s.right, s.top, s.bottom,
                      s.orientation, s.zoom, s.designMode, s.controlBar);
    if (prepare) setup_ = s;  // otherwise the control keeps its own set-up
    applySetup(*printer_);
    bar_->setVisible(setup_.controlBar);

    doc_ = std::make_unique<Document>();
    currentPage_ = 0;
    emit PreCreateData();
    float top = static_cast<float>(setup_.top * kTwipsPerCm);
    emit GridHeading(top);
    gridTop_ = top;
    layout();

    Options o;
    emit DocumentFinished(o.doPrint, o.copies, o.collate, o.allPages, o.doublePage, o.pages);
    options_ = o;

    preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
    preview_->setZoomFactor(std::max(10, setup_.zoom) / 100.0);
    preview_->updatePreview();
    if (options_.doPrint) Print();
}

// Reads the handed-over grid and cuts it into pages: column widths from the
// grid's report layout (widened for longer cell texts while the page allows),
// a column the layout leaves out as wide as its header and values with room
// beside them, long texts wrapped inside their cell, the header rows repeated
// on every page.
void PrintPreview::layout() {
    Document& d = *doc_;
    const QRectF paper = printer_->pageLayout().fullRectPoints();
    const double paperW = paper.width() * kTwipsPerPoint;
    const double paperH = paper.height() * kTwipsPerPoint;
    d.left = setup_.left * kTwipsPerCm;
    const double available = std::max(1000.0, paperW - (setup_.left + setup_.right) * kTwipsPerCm);
    const double bottomLimit = paperH - setup_.bottom * kTwipsPerCm;
    const double otherTop = setup_.top * kTwipsPerCm;

    d.cols.clear();
    d.headerRows.clear();
    d.rows.clear();
    d.pages.clear();
    FlexGrid* g = grid_;
    d.hasGrid = g != nullptr && g->Cols() > 0;
    if (!d.hasGrid) {
        d.pages.push_back({gridTop_, 0, 0});
        return;
    }

    QFont f = g->font();
    d.gridFont = QFont(f.family());
    d.gridFont.setPointSizeF(f.pointSizeF() > 0 ? f.pointSizeF() : 9);
    const QFontMetricsF fm(d.gridFont, printer_.get());
    const double k = 1440.0 / printer_->resolution();  // device pixels to twips
    const auto advance = [&](const QString& s) { return fm.horizontalAdvance(s) * k; };

    std::vector<ColumnFormat> format;
    if (!g->FormatString.isEmpty()) format = ParseFormatString(g->FormatString);
    const int cols = g->Cols();
    const int fixed = std::clamp(g->FixedRows(), 0, g->Rows());
    std::vector<double> least(cols), want(cols);
    // Beside the texts of a column the layout leaves out: two blanks on either side.
    const double room = advance(QStringLiteral("    "));
    for (int r = 0; r < fixed; ++r) d.headerRows.push_back(QStringList());
    for (int c = 0; c < cols; ++c) {
        Document::Column col;
        // A printed cell is always centred vertically; only the horizontal part is taken.
        col.align = GridAlignment(g->ColAlignment(c)) & Qt::AlignHorizontal_Mask;
        QString caption = g->TextMatrix(0, c);
        double captionWidth = advance(caption);
        if (c < static_cast<int>(format.size())) {
            const ColumnFormat& layout = format[c];
            if (layout.alignment >= 0) col.align = GridAlignment(layout.alignment) & Qt::AlignHorizontal_Mask;
            captionWidth = advance(layout.header);  // the blanks around a caption set the column's width
            caption = layout.caption();
        }
        for (int r = 0; r < fixed; ++r) d.headerRows[r] << (r == 0 ? caption : g->TextMatrix(r, c));
        least[c] = captionWidth + 2 * kCellPadX;
        want[c] = least[c];
        d.cols.push_back(col);
    }
    try {
        g->ScanRows(fixed, g->Rows() - 1, [&](int, const QStringList& row) {
            for (int c = 0; c < cols; ++c) want[c] = std::max(want[c], advance(row.value(c)) + 2 * kCellPadX);
            d.rows.push_back(row);
        });
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取表格的全部数据，只能打印已读到的%1行。\n%2").arg(d.rows.size()).arg(e.message()),
               MsgButtons::OK, MsgIcon::Critical);
    }
    for (int c = std::max(0, static_cast<int>(format.size())); c < cols; ++c) least[c] = want[c] = want[c] + room;

    // Fit the page width: first the wanted widths, else the layout's widths plus a
    // share of what is left, else the layout's widths shrunk to the page.
    double sumWant = 0, sumLeast = 0;
    for (int c = 0; c < cols; ++c) {
        sumWant += want[c];
        sumLeast += least[c];
    }
    for (int c = 0; c < cols; ++c) {
        if (sumWant <= available)
            d.cols[c].width = want[c];
        else if (sumLeast < available)
            d.cols[c].width = least[c] + (available - sumLeast) * (want[c] - least[c]) / (sumWant - sumLeast);
        else
            d.cols[c].width = least[c] * available / sumLeast;
    }

    const double lineHeight = fm.height() * k;
    const auto rowHeight = [&](const QStringList& row) {
        double h = lineHeight;
        for (int c = 0; c < cols && c < row.size(); ++c) {
            const QString& t = row.at(c);
            const double inner = d.cols[c].width - 2 * kCellPadX;
            if (t.isEmpty() || (advance(t) <= inner && !t.contains(QLatin1Char('\n')))) continue;
            const QRectF box = fm.boundingRect(QRectF(0, 0, std::max(1.0, inner / k), 1e7),
                                               Qt::TextWordWrap | Qt::AlignLeft, t);
            h = std::max(h, box.height() * k);
        }
        return h + 2 * kCellPadY;
    };
    d.headerHeights.clear();
    double headerHeight = 0;
    for (const QStringList& row : d.headerRows) {
        d.headerHeights.push_back(rowHeight(row));
        headerHeight += d.headerHeights.back();
    }
    d.rowHeights.clear();
    d.rowHeights.reserve(d.rows.size());
    for (const QStringList& row : d.rows) d.rowHeights.push_back(rowHeight(row));

    // Pages are cut before drawing, with every row's wrapped height known, so
    // the page count is fixed before printing begins; the first page starts
    // below the heading the caller placed, the others at the top margin.
    const int n = static_cast<int>(d.rows.size());
    int i = 0;
    do {
        const double top = d.pages.empty() ? gridTop_ : otherTop;
        double y = top + headerHeight;
        const int first = i;
        // A page takes at least one row, so a row taller than a page cannot stall the layout.
        while (i < n && (y + d.rowHeights[i] <= bottomLimit || i == first)) y += d.rowHeights[i++];
        d.pages.push_back({top, first, i});
    } while (i < n);
}

QList<double> PrintPreview::ColumnWidths() const {
    QList<double> widths;
    for (const Document::Column& c : doc_->cols) widths << c.width;
    return widths;
}

int PrintPreview::PageCount() const {
    int pages = static_cast<int>(doc_->pages.size());
    for (const auto& t : doc_->texts) pages = std::max(pages, t.page + 1);
    return std::max(1, pages);
}

bool PrintPreview::render(QPrinter* printer, const QList<int>& onlyPages) {
    QPainter p;
    if (!p.begin(printer)) return false;
    const double res = printer->resolution();
    const auto px = [res](double twips) { return twips * res / 1440.0; };
    const Document& d = *doc_;
    const int pages = PageCount();
    bool firstOut = true;
    for (int pg = 0; pg < pages; ++pg) {
        if (!onlyPages.isEmpty() && !onlyPages.contains(pg + 1)) continue;
        if (!firstOut) printer->newPage();
        firstOut = false;

        for (const auto& t : d.texts) {
            if (t.page != pg) continue;
            p.setFont(t.font);
            p.setPen(t.color);
            // The text's ink starts at y, so a title does not run into what is placed below it.
            const QFontMetricsF fm(t.font, printer);
            p.drawText(QPointF(px(t.x), px(t.y) - fm.tightBoundingRect(t.text).top()), t.text);
        }
        if (!d.hasGrid || pg >= static_cast<int>(d.pages.size())) continue;

        p.setFont(d.gridFont);
        const Document::Page& page = d.pages[pg];
        double y = page.top;
        const auto drawRow = [&](const QStringList& row, double h, bool header) {
            double x = d.left;
            for (size_t c = 0; c < d.cols.size(); ++c) {
                const double w = d.cols[c].width;
                const QRectF cell(px(x), px(y), px(w), px(h));
                if (header) p.fillRect(cell, QColor(0xE8, 0xE8, 0xE8));
                p.setPen(QPen(Qt::black, px(10)));
                p.drawRect(cell);
                const QRectF inner(px(x + kCellPadX), px(y + kCellPadY), px(w - 2 * kCellPadX), px(h - 2 * kCellPadY));
                p.save();
                p.setClipRect(cell);
                const Qt::Alignment align = header ? Qt::AlignHCenter : d.cols[c].align;
                p.drawText(inner, static_cast<int>(align | Qt::AlignVCenter | Qt::TextWordWrap),
                           static_cast<int>(c) < row.size() ? row.at(static_cast<int>(c)) : QString());
                p.restore();
                x += w;
            }
            y += h;
        };
        for (size_t r = 0; r < d.headerRows.size(); ++r) drawRow(d.headerRows[r], d.headerHeights[r], true);
        for (int r = page.first; r < page.last; ++r) drawRow(d.rows[r], d.rowHeights[r], false);
    }
    return p.end();
}

bool PrintPreview::ExportPdf(const QString& file, QString* why) {
    Start();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setCreator(QStringLiteral("Halvern"));
    applySetup(pdf);
    if (!render(&pdf) || !QFileInfo(file).isFile() || QFileInfo(file).size() == 0) {
        if (why) *why = QStringLiteral("无法写入文件 %1。").arg(file);
        return false;
    }
    return true;
}

bool PrintPreview::Print() {
    Start();
    bool cancel = false;
    emit StartPrint(cancel);
    if (cancel) return false;
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    bool printed = false;
    if (target.isNull()) {
        MsgBox(QStringLiteral("没有找到可用的打印机，无法打印。可以先导出为PDF文件再打印。"), MsgButtons::OK,
               MsgIcon::Critical);
    } else {
        QPrinter out(target, QPrinter::HighResolution);
        applySetup(out);
        out.setCopyCount(std::max<short>(1, options_.copies));
        out.setCollateCopies(options_.collate);
        out.setDuplex(options_.doublePage ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
        printed = render(&out, options_.allPages ? QList<int>() : options_.pages);
        if (!printed)
            MsgBox(QStringLiteral("无法连接打印机 %1，没有打印。").arg(target.printerName()), MsgButtons::OK,
                   MsgIcon::Critical);
    }
    emit EndPrint();
    return printed;
}

void PrintPreview::PrintClicked() { Print(); }

void PrintPreview::ExportClicked() {
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                              QStringLiteral("/报表.pdf");
    const QString file = fileChooser()(window(), suggested);
    if (file.isEmpty()) return;
    QString why;
    if (!ExportPdf(file, &why)) MsgBox(QStringLiteral("导出PDF失败：%1").arg(why), MsgButtons::OK, MsgIcon::Critical);
}

void PrintPreview::ZoomIn() { preview_->zoomIn(); }

void PrintPreview::ZoomOut() { preview_->zoomOut(); }

void PrintPreview::QuitClicked() { emit Quit(); }

}  // namespace platform
