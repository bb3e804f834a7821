#include "FlexGrid.h"

#include "Pictures.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace platform {

Qt::Alignment GridAlignment(int code) {
    Qt::Alignment h = Qt::AlignLeft;
    Qt::Alignment v = Qt::AlignVCenter;
    switch (code) {
    case 0: case 1: case 2: h = Qt::AlignLeft; break;
    case 3: case 4: case 5: h = Qt::AlignHCenter; break;
    case 6: case 7: case 8: h = Qt::AlignRight; break;
    default: h = Qt::AlignLeft; break;
    }
    if (code >= 0 && code <= 8) {
        switch (code % 3) {
        case 0: v = Qt::AlignTop; break;
        case 1: v = Qt::AlignVCenter; break;
        default: v = Qt::AlignBottom; break;
        }
    }
    return h | v;
}

std::vector<ColumnFormat> ParseFormatString(const QString& format) {
    std::vector<ColumnFormat> columns;
    for (const QString& part : format.section(QLatin1Char(';'), 0, 0).split(QLatin1Char('|'))) {
        ColumnFormat col;
        col.header = part;
        const QChar sign = part.isEmpty() ? QChar() : part.at(0);
        if (sign == QLatin1Char('<'))
            col.alignment = FlexGrid::LeftCenter;
        else if (sign == QLatin1Char('^'))
            col.alignment = FlexGrid::CenterCenter;
        else if (sign == QLatin1Char('>'))
            col.alignment = FlexGrid::RightCenter;
        if (col.alignment >= 0) col.header.remove(0, 1);
        columns.push_back(std::move(col));
    }
    return columns;
}

class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int row = grid_->IsBound() ? index.row() + 1 : index.row();
        option->displayAlignment = GridAlignment(grid_->CellAlignment(row, index.column()));
        if (!grid_->IsBound() && (row < grid_->fixedRows_ || index.column() < grid_->fixedCols_)) {
            option->backgroundBrush = QColor(0xD4, 0xD0, 0xC8);
            option->palette.setColor(QPalette::Text, Qt::black);
            option->state &= ~QStyle::State_Selected;
        }
    }

private:
    FlexGrid* grid_;
};

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new FlexGridDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid for the next control, as the arrow keys move between cells.
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    own_ = new QStandardItemModel(this);
    setModel(own_);
    horizontalHeader()->setVisible(false);
}

void FlexGrid::SetDataSource(DataControl* source) {
    source_ = source;
    if (source) {
        setModel(source->model());
        horizontalHeader()->setVisible(true);
        connect(source->model(), &QAbstractItemModel::modelReset, this, [this] {
            resetFormatting();
            row_ = Rows() > 1 ? 1 : 0;
            col_ = 0;
            showCurrent();
        });
    } else {
        setModel(own_);
        horizontalHeader()->setVisible(false);
    }
    resetFormatting();
}

void FlexGrid::resetFormatting() {
    colAlign_.clear();
    cellAlign_.clear();
    if (IsBound())
        for (int c = 0; c < Cols(); ++c)
            for (int role : {Qt::TextAlignmentRole, Qt::DisplayRole})
                model()->setHeaderData(c, Qt::Horizontal, QVariant(), role);
}

void FlexGrid::SetFormatString(const QString& format) {
    FormatString = format;
    const std::vector<ColumnFormat> columns = ParseFormatString(format);
    const QFontMetrics fm(IsBound() ? horizontalHeader()->font() : font());
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
    for (int c = 0; c < static_cast<int>(columns.size()) && c < Cols(); ++c) {
        const ColumnFormat& column = columns[c];
        if (column.alignment >= 0) {
            SetColAlignment(c, column.alignment);
            cellAlign_[{0, c}] = column.alignment;
            if (IsBound())
                model()->setHeaderData(c, Qt::Horizontal, static_cast<int>(GridAlignment(column.alignment)),
                                       Qt::TextAlignmentRole);
        }
        if (IsBound())
            model()->setHeaderData(c, Qt::Horizontal, column.caption(), Qt::DisplayRole);
        else
            SetTextMatrix(0, c, column.caption());
        setColumnWidth(c, fm.horizontalAdvance(column.header) + margin);
    }
}

int FlexGrid::Rows() const { return IsBound() ? source_->model()->rowCount() + 1 : own_->rowCount(); }

int FlexGrid::Cols() const { return IsBound() ? source_->model()->columnCount() : own_->columnCount(); }

void FlexGrid::SetRows(int rows) {
    if (IsBound()) return;
    own_->setRowCount(std::max(0, rows));
    for (int r = 0; r < own_->rowCount(); ++r)
        for (int c = 0; c < own_->columnCount(); ++c)
            if (!own_->item(r, c)) own_->setItem(r, c, new QStandardItem());
}

void FlexGrid::SetCols(int cols) {
    if (IsBound()) return;
    own_->setColumnCount(std::max(0, cols));
    SetRows(own_->rowCount());
}

void FlexGrid::SetFixedRows(int n) {
    fixedRows_ = n;
    if (!IsBound()) freezeFixed();
    viewport()->update();
}

void FlexGrid::SetFixedCols(int n) {
    fixedCols_ = n;
    if (!IsBound()) freezeFixed();
    viewport()->update();
}

// QTableView has no fixed rows or columns that stay put while the rest
// scrolls, so the fixed cells are drawn by up to three borderless views laid
// over the grid's own (left, top and their corner), sharing its model, widths
// and heights and following its scroll bars.
void FlexGrid::freezeFixed() {
    if (!frozenLeft_ && !frozenTop_) {
        // Scrolling by pixels lets the cells pass under the fixed ones.
        setHorizontalScrollMode(ScrollPerPixel);
        setVerticalScrollMode(ScrollPerPixel);
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int c, int, int width) {
            for (QTableView* v : {frozenLeft_, frozenTop_, frozenCorner_})
                if (v) v->setColumnWidth(c, width);
            placeFrozenViews();
        });
        connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int r, int, int height) {
            for (QTableView* v : {frozenLeft_, frozenTop_, frozenCorner_})
                if (v) v->setRowHeight(r, height);
            placeFrozenViews();
        });
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            if (frozenLeft_) frozenLeft_->verticalScrollBar()->setValue(value);
        });
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            if (frozenTop_) frozenTop_->horizontalScrollBar()->setValue(value);
        });
    }
    if (fixedCols_ > 0 && !frozenLeft_) frozenLeft_ = makeFrozenView();
    if (fixedRows_ > 0 && !frozenTop_) frozenTop_ = makeFrozenView();
    if (fixedCols_ > 0 && fixedRows_ > 0 && !frozenCorner_) frozenCorner_ = makeFrozenView();
    if (frozenCorner_) frozenCorner_->raise();
    ApplyMerges();
    placeFrozenViews();
}

QTableView* FlexGrid::makeFrozenView() {
    auto* v = new QTableView(this);
    v->setModel(model());
    v->setItemDelegate(itemDelegate());
    v->setFocusPolicy(Qt::NoFocus);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
    v->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    v->horizontalHeader()->setDefaultSectionSize(horizontalHeader()->defaultSectionSize());
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setHorizontalScrollMode(ScrollPerPixel);
    v->setVerticalScrollMode(ScrollPerPixel);
    v->setSelectionMode(NoSelection);
    v->setEditTriggers(NoEditTriggers);
    v->setFrameShape(QFrame::NoFrame);
    v->setShowGrid(showGrid());
    v->setGridStyle(gridStyle());
    for (int c = 0; c < model()->columnCount(); ++c) v->setColumnWidth(c, columnWidth(c));
    for (int r = 0; r < model()->rowCount(); ++r) v->setRowHeight(r, rowHeight(r));
    // The wheel over a fixed cell scrolls the grid.
    v->viewport()->installEventFilter(this);
    v->show();
    return v;
}

int FlexGrid::frozenWidth() const {
    if (!frozenLeft_ || fixedCols_ <= 0) return 0;
    int w = 0;
    for (int c = 0; c < std::min(fixedCols_, Cols()); ++c) w += columnWidth(c);
    return w;
}

int FlexGrid::frozenHeight() const {
    if (!frozenTop_ || fixedRows_ <= 0) return 0;
    int h = 0;
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r) h += rowHeight(r);
    return h;
}

void FlexGrid::placeFrozenViews() {
    const QRect vp = viewport()->geometry();
    const int w = std::min(frozenWidth(), vp.width());
    const int h = std::min(frozenHeight(), vp.height());
    if (frozenLeft_) {
        frozenLeft_->setVisible(fixedCols_ > 0);
        frozenLeft_->setGeometry(vp.x(), vp.y(), w, vp.height());
        frozenLeft_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    }
    if (frozenTop_) {
        frozenTop_->setVisible(fixedRows_ > 0);
        frozenTop_->setGeometry(vp.x(), vp.y(), vp.width(), h);
        frozenTop_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    }
    if (frozenCorner_) {
        frozenCorner_->setVisible(fixedCols_ > 0 && fixedRows_ > 0);
        frozenCorner_->setGeometry(vp.x(), vp.y(), w, h);
    }
}

void FlexGrid::updateGeometries() {
    QTableView::updateGeometries();
    placeFrozenViews();
}

void FlexGrid::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    placeFrozenViews();
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        for (QTableView* v : {frozenLeft_, frozenTop_, frozenCorner_}) {
            if (v && watched == v->viewport()) {
                QCoreApplication::sendEvent(viewport(), event);
                return true;
            }
        }
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // QTableView scrolls a cell just into the viewport, which may leave it
    // under a frozen view; the correction moves it out from under them.
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || IsBound()) return;
    const QRect cell = visualRect(index);
    const int w = frozenWidth();
    if (w > 0 && index.column() >= fixedCols_ && cell.left() < w)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (w - cell.left()));
    const int h = frozenHeight();
    if (h > 0 && index.row() >= fixedRows_ && cell.top() < h)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (h - cell.top()));
}

void FlexGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) return;
    row_ = row;
    showCurrent();
}

void FlexGrid::SetCol(int col) {
    if (col < 0 || col >= Cols()) return;
    col_ = col;
    showCurrent();
}

void FlexGrid::showCurrent() {
    // What the grid highlights is always the cell the program reads. The
    // header row of a bound grid is no row of the view: nothing is highlighted.
    QItemSelectionModel* sm = selectionModel();
    if (!sm) return;
    settingCurrent_ = true;
    const int mr = modelRow(row_);
    if (mr >= 0 && mr < model()->rowCount() && col_ >= 0 && col_ < Cols()) {
        sm->setCurrentIndex(model()->index(mr, col_), QItemSelectionModel::ClearAndSelect |
                                                          (selectionBehavior() == SelectRows ? QItemSelectionModel::Rows
                                                                                             : QItemSelectionModel::NoUpdate));
    } else {
        sm->clearSelection();
        sm->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    settingCurrent_ = false;
}

QString FlexGrid::TextMatrix(int row, int col) const {
    if (col < 0 || col >= Cols() || row < 0 || row >= Rows()) return {};
    if (IsBound()) {
        if (row == 0) return source_->model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
        return source_->model()->text(row - 1, col);
    }
    const QStandardItem* item = own_->item(row, col);
    return item ? item->text() : QString();
}

void FlexGrid::ScanRows(int first, int last,
                        const std::function<void(int row, const QStringList& texts)>& visit) const {
    first = std::max(first, 0);
    last = std::min(last, Rows() - 1);
    if (first > last) return;
    QStringList texts;
    const auto own = [&](int row) {
        texts.clear();
        for (int c = 0; c < Cols(); ++c) texts << TextMatrix(row, c);
        visit(row, texts);
    };
    if (!IsBound()) {
        for (int r = first; r <= last; ++r) own(r);
        return;
    }
    if (first == 0) own(first++);  // the header row
    source_->model()->scan(modelRow(first), modelRow(last),
                           [&](int row, const QStringList& cells) { visit(row + 1, cells); });
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (IsBound() || row < 0 || col < 0 || row >= Rows() || col >= Cols()) return;
    QStandardItem* item = own_->item(row, col);
    if (!item) own_->setItem(row, col, item = new QStandardItem());
    item->setText(text);
}

void FlexGrid::SetColAlignment(int col, int alignment) {
    colAlign_[col] = alignment;
    viewport()->update();
}

int FlexGrid::ColAlignment(int col) const {
    const auto it = colAlign_.find(col);
    return it == colAlign_.end() ? General : it->second;
}

void FlexGrid::SetCellAlignment(int alignment) {
    cellAlign_[{row_, col_}] = alignment;
    if (IsBound() && row_ == 0)
        model()->setHeaderData(col_, Qt::Horizontal, static_cast<int>(GridAlignment(alignment)), Qt::TextAlignmentRole);
    viewport()->update();
}

int FlexGrid::CellAlignment(int row, int col) const {
    const auto it = cellAlign_.find({row, col});
    if (it != cellAlign_.end()) return it->second;
    return ColAlignment(col);
}

void FlexGrid::SetRedraw(bool on) {
    redraw_ = on;
    setUpdatesEnabled(on);
    if (on) viewport()->update();
}

int FlexGrid::ColWidth(int col) const { return PixelsToTwips(columnWidth(col)); }

void FlexGrid::SetColWidth(int col, int twips) { setColumnWidth(col, TwipsToPixels(twips)); }

int FlexGrid::RowHeight(int row) const {
    if (IsBound() && row == 0) return PixelsToTwips(horizontalHeader()->height());
    return PixelsToTwips(rowHeight(modelRow(row)));
}

void FlexGrid::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) return;
    if (IsBound() && row == 0) {
        horizontalHeader()->setFixedHeight(TwipsToPixels(twips));
        return;
    }
    setRowHeight(modelRow(row), TwipsToPixels(twips));
}

int FlexGrid::TopRow() const {
    const int first = rowAt(frozenHeight());
    const int row = first < 0 ? fixedRows_ : (IsBound() ? first + 1 : first);
    return std::max(row, fixedRows_);
}

void FlexGrid::SetTopRow(int row) {
    if (row < 0 || row >= Rows()) return;
    const int mr = row <= fixedRows_ ? 0 : modelRow(row);
    if (mr < 0) return;
    verticalScrollBar()->setValue(verticalScrollMode() == ScrollPerItem
                                      ? verticalHeader()->visualIndex(mr)
                                      : (mr == 0 ? 0 : verticalHeader()->sectionPosition(mr) - frozenHeight()));
}

int FlexGrid::LeftCol() const {
    const int first = columnAt(frozenWidth());
    return std::max(first < 0 ? fixedCols_ : first, fixedCols_);
}

void FlexGrid::SetLeftCol(int col) {
    if (col < 0 || col >= Cols()) return;
    const int c = col <= fixedCols_ ? 0 : col;
    horizontalScrollBar()->setValue(horizontalScrollMode() == ScrollPerItem
                                        ? horizontalHeader()->visualIndex(c)
                                        : (c == 0 ? 0 : horizontalHeader()->sectionPosition(c) - frozenWidth()));
}

int FlexGrid::CellLeft() const { return PixelsToTwips(columnViewportPosition(col_) + viewport()->x()); }

int FlexGrid::CellTop() const {
    const int mr = modelRow(row_);
    if (mr < 0) return 0;
    return PixelsToTwips(rowViewportPosition(mr) + viewport()->y());
}

int FlexGrid::CellWidth() const { return PixelsToTwips(columnWidth(col_)); }

int FlexGrid::CellHeight() const { return RowHeight(row_); }

void FlexGrid::SetMergeCells(bool on) {
    merge_ = on;
    ApplyMerges();
}

void FlexGrid::SetMergeRow(int row, bool on) {
    if (on) mergeRows_.insert(row); else mergeRows_.erase(row);
}

void FlexGrid::SetMergeCol(int col, bool on) {
    if (on) mergeCols_.insert(col); else mergeCols_.erase(col);
}

void FlexGrid::ApplyMerges() {
    const auto span = [this](int row, int col, int rows, int cols) {
        setSpan(row, col, rows, cols);
        for (QTableView* v : {frozenLeft_, frozenTop_, frozenCorner_})
            if (v) v->setSpan(row, col, rows, cols);
    };
    clearSpans();
    for (QTableView* v : {frozenLeft_, frozenTop_, frozenCorner_})
        if (v) v->clearSpans();
    if (!merge_ || IsBound()) return;
    const int rows = Rows();
    const int cols = Cols();
    // Columns first: runs of equal texts down a merge column.
    std::set<std::pair<int, int>> covered;
    for (int c : mergeCols_) {
        if (c >= cols) continue;
        int start = 0;
        for (int r = 1; r <= rows; ++r) {
            if (r < rows && TextMatrix(r, c) == TextMatrix(start, c) && !TextMatrix(r, c).isEmpty()) continue;
            if (r - start > 1) {
                span(start, c, r - start, 1);
                for (int k = start; k < r; ++k) covered.insert({k, c});
            }
            start = r;
        }
    }
    for (int r : mergeRows_) {
        if (r >= rows) continue;
        int start = 0;
        for (int c = 1; c <= cols; ++c) {
            const bool same = c < cols && TextMatrix(r, c) == TextMatrix(r, start) && !TextMatrix(r, c).isEmpty() &&
                              !covered.count({r, c}) && !covered.count({r, start});
            if (same) continue;
            if (c - start > 1) span(r, start, 1, c - start);
            start = c;
        }
    }
}

void FlexGrid::Clear() {
    if (IsBound()) return;
    for (int r = 0; r < own_->rowCount(); ++r)
        for (int c = 0; c < own_->columnCount(); ++c)
            if (auto* item = own_->item(r, c)) item->setText(QString());
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // A move made by the program itself (Row, Col) raises no RowColChange.
    if (settingCurrent_ || !current.isValid()) return;
    const int row = IsBound() ? current.row() + 1 : current.row();
    if (row == row_ && current.column() == col_) return;
    row_ = row;
    col_ = current.column();
    emit RowColChange();
}

void FlexGrid::focusInEvent(QFocusEvent* e) {
    // A view given the focus without a current cell makes its first cell
    // current; the grid keeps the one the program set (the header row).
    const bool hadCurrent = currentIndex().isValid();
    settingCurrent_ = true;
    QTableView::focusInEvent(e);
    settingCurrent_ = false;
    if (!hadCurrent && currentIndex().isValid()) showCurrent();
}

// Only the left button moves the current cell; a right click leaves it where
// it is (the popup it opens acts on the row the left click chose).
void FlexGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        QTableView::mousePressEvent(e);
        return;
    }
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    e->accept();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) QTableView::mouseReleaseEvent(e);
    int button = 0;
    if (e->button() == Qt::LeftButton) button = 1;
    else if (e->button() == Qt::RightButton) button = 2;
    else if (e->button() == Qt::MiddleButton) button = 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    const QPointF p = e->position();
    emit MouseUp(button, shift, p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
    if (e->button() == Qt::LeftButton) emit Click();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    QTableView::mouseDoubleClickEvent(e);
    emit DblClick();
}

}  // namespace platform
