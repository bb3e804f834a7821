// The grid of the windows: row 0 is the header row, cells are addressed by
// row and column, the current cell is Row/Col, and columns carry alignments.
// Bound to a data-source control it shows that control's rows from row 1 on;
// unbound it holds its own texts (fixed rows and columns drawn grey) and can
// merge neighbouring equal cells. Once an unbound grid is given its fixed rows
// or columns (SetFixedRows / SetFixedCols), they stay in place while the rest
// scrolls under them.
#pragma once

#include "DataControl.h"

#include <QPointer>
#include <QTableView>

#include <functional>
#include <map>
#include <set>
#include <vector>

class QStandardItemModel;

namespace platform {

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // Cell alignments as the windows set them: 0-8 left/centre/right × top/centre/bottom, 9 general.
    enum Alignment { LeftTop = 0, LeftCenter = 1, LeftBottom = 2, CenterTop = 3, CenterCenter = 4, CenterBottom = 5,
                     RightTop = 6, RightCenter = 7, RightBottom = 8, General = 9 };

    explicit FlexGrid(QWidget* parent = nullptr);

    void SetDataSource(DataControl* source);
    DataControl* DataSource() const { return source_; }
    bool IsBound() const { return source_ != nullptr; }

    int Rows() const;
    int Cols() const;
    void SetRows(int rows);  // unbound only
    void SetCols(int cols);  // unbound only
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedRows(int n);
    void SetFixedCols(int n);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row);
    void SetCol(int col);
    QString Text() const { return TextMatrix(row_, col_); }
    void SetText(const QString& text) { SetTextMatrix(row_, col_, text); }
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);  // unbound only
    // Calls visit with the texts of rows first..last in order. A bound grid reads
    // them straight from its query, one at a time, so a walk over every row of
    // a large view costs one reading of it. Throws DbError.
    void ScanRows(int first, int last, const std::function<void(int row, const QStringList& texts)>& visit) const;

    void SetColAlignment(int col, int alignment);
    int ColAlignment(int col) const;
    // Alignment of the current cell; on row 0 of a bound grid, its header cell.
    void SetCellAlignment(int alignment);
    int CellAlignment(int row, int col) const;
    void SetFillStyle(int style) { fillStyle_ = style; }
    int FillStyle() const { return fillStyle_; }
    void SetRedraw(bool on);
    bool Redraw() const { return redraw_; }

    int ColWidth(int col) const;  // twips
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;  // twips
    void SetRowHeight(int row, int twips);
    // First scrollable row / column shown; setting scrolls so it comes first
    // after the fixed ones (a fixed one scrolls back to the start).
    int TopRow() const;
    void SetTopRow(int row);
    int LeftCol() const;
    void SetLeftCol(int col);
    int CellLeft() const;          // twips, within the grid
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    // "|"-separated column layout, as the printed report reads it too (see
    // ParseFormatString): "<", "^" or ">" aligns a column, the text after it
    // is its header and, blanks included, sets its width.
    QString FormatString;
    // Keeps format in FormatString and gives the columns it covers its header
    // texts (trimmed), alignments and widths; the others stay as they are. The
    // next refresh of a bound grid brings back the query's headers.
    void SetFormatString(const QString& format);

    // Merging of neighbouring equal texts (unbound grids).
    void SetMergeCells(bool on);
    void SetMergeRow(int row, bool on);
    void SetMergeCol(int col, bool on);
    void ApplyMerges();

    void Clear();  // unbound: every text emptied

    // Keeps a scrolled-to cell out from under the fixed rows and columns.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void Click();
    void DblClick();
    void RowColChange();
    void MouseUp(int button, int shift, double x, double y);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FlexGridDelegate;
    int modelRow(int row) const { return IsBound() ? row - 1 : row; }
    void resetFormatting();
    // Moves the view's current cell and highlight to Row/Col.
    void showCurrent();
    bool settingCurrent_ = false;
    // The views that keep the fixed rows and columns in place (unbound grids).
    void freezeFixed();
    QTableView* makeFrozenView();
    void placeFrozenViews();
    int frozenWidth() const;
    int frozenHeight() const;
    QTableView* frozenLeft_ = nullptr;
    QTableView* frozenTop_ = nullptr;
    QTableView* frozenCorner_ = nullptr;

    QPointer<DataControl> source_;
    QStandardItemModel* own_ = nullptr;
    int row_ = 0;
    int col_ = 0;
    int fixedRows_ = 1;
    int fixedCols_ = 0;
    int fillStyle_ = 0;
    bool redraw_ = true;
    bool merge_ = false;
    std::set<int> mergeRows_;
    std::set<int> mergeCols_;
    std::map<int, int> colAlign_;
    std::map<std::pair<int, int>, int> cellAlign_;
};

// A grid alignment code (0..8, 9 general) as Qt's alignment: code / 3 is
// left, centre, right and code % 3 top, centre, bottom, so 4 is centred both
// ways; 9 and anything else is left, centred vertically.
Qt::Alignment GridAlignment(int code);

// One column of a FormatString.
struct ColumnFormat {
    int alignment = -1;  // FlexGrid::LeftCenter, CenterCenter or RightCenter for "<", "^", ">"; -1 when none is given
    QString header;      // the text after the sign, blanks included: its width is the column's
    QString caption() const { return header.trimmed(); }
};
// The columns of a FormatString: the text before any ";", split at "|".
std::vector<ColumnFormat> ParseFormatString(const QString& format);

}  // namespace platform
