#include "FlexGrid.h"

#include "Pictures.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace platform {

namespace {

Qt::Alignment toQt(int a) {
    Qt::Alignment h = Qt::AlignLeft;
    Qt::Alignment v = Qt::AlignVCenter;
    switch (a) {
    case 0: case 1: case 2: h = Qt::AlignLeft; break;
    case 3: case 4: case 5: h = Qt::AlignHCenter; break;
    case 6: case 7: case 8: h = Qt::AlignRight; break;
    default: h = Qt::AlignLeft; break;
    }
    if (a >= 0 && a <= 8) {
        switch (a % 3) {
        case 0: v = Qt::AlignTop; break;
        case 1: v = Qt::AlignVCenter; break;
        default: v = Qt::AlignBottom; break;
        }
    }
    return h | v;
}

}  // namespace

class FlexGridDelegate : public QStyledItemDelegate {
public:
    explicit FlexGridDelegate(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int row = grid_->IsBound() ? index.row() + 1 : index.row();
        option->displayAlignment = toQt(grid_->CellAlignment(row, index.column()));
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
        for (int c = 0; c < Cols(); ++c) model()->setHeaderData(c, Qt::Horizontal, QVariant(), Qt::TextAlignmentRole);
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
    viewport()->update();
}

void FlexGrid::SetFixedCols(int n) {
    fixedCols_ = n;
    viewport()->update();
}

void FlexGrid::SetRow(int row) {
    if (row < 0 || row >= Rows()) return;
    row_ = row;
    const int mr = modelRow(row);
    if (mr >= 0 && col_ < Cols()) {
        const QSignalBlocker block(selectionModel());
        setCurrentIndex(model()->index(mr, col_));
    }
}

void FlexGrid::SetCol(int col) {
    if (col < 0 || col >= Cols()) return;
    col_ = col;
    const int mr = modelRow(row_);
    if (mr >= 0) {
        const QSignalBlocker block(selectionModel());
        setCurrentIndex(model()->index(mr, col));
    }
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
        model()->setHeaderData(col_, Qt::Horizontal, QVariant::fromValue(toQt(alignment)), Qt::TextAlignmentRole);
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
    const int first = rowAt(0);
    const int row = first < 0 ? fixedRows_ : (IsBound() ? first + 1 : first);
    return std::max(row, fixedRows_);
}

void FlexGrid::SetTopRow(int row) {
    if (row < 0 || row >= Rows()) return;
    const int mr = row <= fixedRows_ ? 0 : modelRow(row);
    if (mr < 0) return;
    verticalScrollBar()->setValue(verticalScrollMode() == ScrollPerItem ? verticalHeader()->visualIndex(mr)
                                                                        : verticalHeader()->sectionPosition(mr));
}

int FlexGrid::LeftCol() const { return std::max(columnAt(0) < 0 ? fixedCols_ : columnAt(0), fixedCols_); }

void FlexGrid::SetLeftCol(int col) {
    if (col < 0 || col >= Cols()) return;
    const int c = col <= fixedCols_ ? 0 : col;
    horizontalScrollBar()->setValue(horizontalScrollMode() == ScrollPerItem ? horizontalHeader()->visualIndex(c)
                                                                            : horizontalHeader()->sectionPosition(c));
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
    clearSpans();
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
                setSpan(start, c, r - start, 1);
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
            if (c - start > 1) setSpan(r, start, 1, c - start);
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
    if (!current.isValid()) return;
    const int row = IsBound() ? current.row() + 1 : current.row();
    if (row == row_ && current.column() == col_) return;
    row_ = row;
    col_ = current.column();
    emit RowColChange();
}

void FlexGrid::mousePressEvent(QMouseEvent* e) { QTableView::mousePressEvent(e); }

void FlexGrid::mouseReleaseEvent(QMouseEvent* e) {
    QTableView::mouseReleaseEvent(e);
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
    QTableView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) emit DblClick();
}

}  // namespace platform
