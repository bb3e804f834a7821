#include "Formshowkh.h"

#include "common/EmployeeRecord.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/Recordset.h"
#include "platform/Spreadsheet.h"
#include "platform/Texts.h"
#include "common/EntryRules.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>

namespace halvern {

using namespace platform;

namespace {


const SheetSql kManagerSheetSql{
    QStringLiteral("select * from 横 order by id"),
    QStringLiteral("select * from 经理竖1 order by id"),
    QStringLiteral("select * from 经理竖2 order by id"),
    QStringLiteral("select * from 经理 where noo=? order by id"),
    QStringLiteral("select * from 经理 where 1=0"),
    QStringLiteral("update 经理 set yee=? where noo=?"),
};

// The field of heading column k (1 = the first heading): a1, a2, …
QString cellField(int k) { return QStringLiteral("a%1").arg(k); }

QStringList column(Recordset& rs, const QString& field) {
    QStringList out;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out << rs.Text(field);
    return out;
}

}  // namespace

AssessmentSheet::AssessmentSheet(SheetSql sql, Layout layout, bool gridFirstInTabOrder) : sql_(std::move(sql)) {
    layout(ui, this);
    firstControl_ = gridFirstInTabOrder ? static_cast<QWidget*>(ui.MSFlexGrid1) : ui.Command2;
    if (gridFirstInTabOrder) {
        setTabOrder(ui.MSFlexGrid1, ui.Command1);
        setTabOrder(ui.Command1, ui.Command2);
        setTabOrder(ui.Command2, ui.Text1);
    } else {
        setTabOrder(ui.Command2, ui.Command1);
        setTabOrder(ui.Command1, ui.MSFlexGrid1);
        setTabOrder(ui.MSFlexGrid1, ui.Text1);
    }
    connect(ui.Command1, &QPushButton::clicked, this, &AssessmentSheet::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &AssessmentSheet::Command2_Click);
    connect(ui.Input_Text, &QLineEdit::textChanged, this, &AssessmentSheet::Input_Text_Change);
    OnKeyPress(ui.Input_Text, [this](int& k) { Input_Text_KeyPress(k); });
    OnKeyPress(ui.MSFlexGrid1, [this](int& k) { MSFlexGrid1_KeyPress(k); });
    ui.MSFlexGrid1->installEventFilter(this);
    ui.Input_Text->installEventFilter(this);
    // A click moves the current cell after the grid took the focus: the editor goes there.
    connect(ui.MSFlexGrid1, &FlexGrid::Click, this, [this] {
        if (EditMode) MSFlexGrid1_GotFocus();
    });
    // So does every other move of the current cell (arrow keys the editor leaves to
    // the grid, page keys): what is typed goes into the cell it is typed over.
    connect(ui.MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AssessmentSheet::followCurrentCell);
    // The editor is part of the grid: it goes when the focus goes to another control.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() == this && now != ui.Input_Text && now != ui.MSFlexGrid1) ui.Input_Text->hide();
    });
    // Scrolling the grid keeps the shown editor over its cell.
    for (QScrollBar* bar : {ui.MSFlexGrid1->horizontalScrollBar(), ui.MSFlexGrid1->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (ui.Input_Text->isVisible()) placeEditor();
        });
}

bool AssessmentSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.MSFlexGrid1 && event->type() == QEvent::FocusIn) {
        // A mouse press gives the focus before it moves the current cell: placing the
        // editor now would scroll to the old cell and the press would land beside the
        // clicked one. The focus steps run once the press has been handled, and only
        // over a cell in full view: a press on the scroll bar must not scroll back.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            ui.Input_Text->hide();
            QTimer::singleShot(0, this, [this] {
                if (ui.MSFlexGrid1->hasFocus() && currentCellShown()) MSFlexGrid1_GotFocus();
            });
        } else {
            MSFlexGrid1_GotFocus();
        }
    }
    if (watched == ui.Input_Text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool chord = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!chord && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            leaveGrid(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

// Tab and Shift+Tab in the editor go on from the grid, to the control after or
// before it; from the editor itself they would only lead back into the grid.
void AssessmentSheet::leaveGrid(bool forward) {
    hideEditorInGrid();
    focusNextPrevChild(forward);
}

// The focus goes from the editor back to the grid (without the grid's focus
// steps, which would show the editor again) before the editor hides: a hidden
// editor that held the focus would hand it on to the next control.
void AssessmentSheet::hideEditorInGrid() {
    inGotFocus_ = true;
    ui.MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    ui.Input_Text->hide();
    inGotFocus_ = false;
}

void AssessmentSheet::Form_Load() {
    ui.Text1->setText(QDate::currentDate().toString(QStringLiteral("yyyy")));
    ApplySkin(*this, twotest);
    MoreRows = FewerRows = NoSheet = false;
    connString_ = DbConnString();
    key_ = Module().CurrentAssessmentKey;
    try {
        // An employee not on file shows empty labels and the sheet of the key.
        const auto employee = EmployeeRecord::Load(*Connection::open(connString_), key_);
        ui.Label4->setText(employee ? TrimBlanks(employee->Text(QStringLiteral("姓名"))) : QString());
        ui.Label5->setText(employee ? TrimBlanks(employee->Text(QStringLiteral("部门"))) : QString());
        ui.Label6->setText(employee ? TrimBlanks(employee->Text(QStringLiteral("职位"))) : QString());
        EditMode = false;
        MSFlexGrid1_Refresh();
        ui.Input_Text->hide();
        MSFlexGrid1_ReadData();
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("读取考核表失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        Unload();
        return;
    }
    const int headings = ui.MSFlexGrid1->Cols() - 2;
    if (headings > storable_)
        MsgBox(QStringLiteral("考核表有%1个栏目，但只能保存前%2个栏目；其余栏目只能查看，不能编辑。")
                   .arg(headings)
                   .arg(storable_),
               MsgButtons::OK, MsgIcon::Exclamation);
    firstControl_->setFocus();
}

void AssessmentSheet::MSFlexGrid1_Refresh() {
    FlexGrid& g = *ui.MSFlexGrid1;
    Recordset rs;
    rs.Open(sql_.headings, connString_, LockType::ReadOnly);
    const QStringList headings = column(rs, QStringLiteral("hei"));
    rs.Open(sql_.items, connString_, LockType::ReadOnly);
    const QStringList items = column(rs, QStringLiteral("su"));
    rs.Open(sql_.groups, connString_, LockType::ReadOnly);
    const QStringList groups = column(rs, QStringLiteral("su"));
    rs.Close();
    const int H = headings.size();
    const int I = items.size();
    const int G = groups.size();

    g.SetMergeCells(false);
    g.SetTopRow(1);
    g.SetLeftCol(2);
    g.SetCols(H + 2);
    g.SetRowHeight(0, 450);
    g.SetColAlignment(0, FlexGrid::CenterCenter);
    g.SetColWidth(0, 1000);
    g.SetColAlignment(1, FlexGrid::CenterCenter);
    g.SetColWidth(1, 1772);
    g.SetRows(G * I + 1);
    g.SetFixedRows(1);
    g.SetFixedCols(2);
    g.SetRowHeight(0, 450);
    for (int k = 1; k <= H; ++k) {
        g.SetColAlignment(k + 1, FlexGrid::CenterCenter);
        g.SetColWidth(k + 1, 1000);
        g.SetTextMatrix(0, k + 1, headings.at(k - 1));
    }
    // Items repeat under every group; each group stands beside its block of items.
    for (int r = 1; r <= G * I; ++r) {
        g.SetRowHeight(r, 300);
        g.SetTextMatrix(r, 1, items.at((r - 1) % I));
        g.SetTextMatrix(r, 0, groups.at((r - 1) / I));
    }
    g.SetMergeCol(0, true);
    g.SetTextMatrix(0, 0, QStringLiteral(" "));
    g.SetTextMatrix(0, 1, QStringLiteral(" "));
    g.SetMergeRow(0, true);
    g.SetMergeCells(true);

    // Heading and label cells are not cells to stand on.
    if (auto* model = qobject_cast<QStandardItemModel*>(g.model())) {
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < g.Cols(); ++c)
                if (r == 0 || c < 2)
                    if (QStandardItem* item = model->item(r, c)) item->setFlags(Qt::NoItemFlags);
    }
    if (G * I > 0 && H > 0) {
        g.SetRow(1);
        g.SetCol(2);
    }
}

void AssessmentSheet::MSFlexGrid1_ReadData() {
    FlexGrid& g = *ui.MSFlexGrid1;
    Recordset rs;
    rs.Open(sql_.sheet, connString_, LockType::ReadOnly, {key_});
    storable_ = 0;
    while (rs.HasField(cellField(storable_ + 1))) ++storable_;
    const int D = dataRows();
    const int columns = std::min(g.Cols() - 2, storable_);
    const auto fill = [&](int rows) {
        rs.MoveFirst();
        for (int r = 1; r <= rows; ++r, rs.MoveNext())
            for (int k = 1; k <= columns; ++k) g.SetTextMatrix(r, k + 1, TrimBlanks(rs.Text(cellField(k))));
    };
    if (rs.RecordCount() == 0) {
        NoSheet = true;
    } else {
        StoredRows = rs.RecordCount();
        if (StoredRows >= D) {
            SurplusRows = StoredRows - D;
            MoreRows = true;
            fill(D);
        } else {
            MissingRows = D - StoredRows;
            FewerRows = true;
            fill(StoredRows);
        }
    }
    rs.Close();
}

void AssessmentSheet::writeRow(Recordset& rs, int row) const {
    const int columns = std::min(ui.MSFlexGrid1->Cols() - 2, storable_);
    for (int k = 1; k <= columns; ++k)
        rs.SetField(cellField(k), ui.MSFlexGrid1->TextMatrix(row, k + 1) + QLatin1Char(' '));
}

void AssessmentSheet::Command2_Click() {
    if (ui.Command2->text() == QStringLiteral("编  辑")) {
        EditMode = true;
        ui.Command2->setText(QStringLiteral("保  存"));
        return;
    }
    EditMode = false;
    ui.Input_Text->hide();
    ui.Command2->setText(QStringLiteral("编  辑"));
    const int D = dataRows();
    // Appended, overwritten and deleted rows and the year stamp are saved together or not at all.
    try {
        ConnectionPtr conn = Connection::open(connString_);
        Transaction tx(*conn);
        if (NoSheet) {
            Recordset rs;
            rs.Open(sql_.newRows, conn, LockType::Pessimistic);
            for (int r = 1; r <= D; ++r) {
                rs.AddNew();
                rs.SetField(QStringLiteral("noo"), key_);
                writeRow(rs, r);
                rs.Update();
            }
            rs.Close();
            tx.commit();
            NoSheet = false;
            StoredRows = D;
            MoreRows = true;
            SurplusRows = 0;
        } else {
            sava_data(conn);
            conn->execute(sql_.stampYear, {ui.Text1->text(), key_});
            tx.commit();
            SurplusRows = 0;
            MissingRows = 0;
        }
    } catch (const DbError& e) {
        // Nothing was stored: the edits stay in the grid, ready to be saved again.
        EditMode = true;
        ui.Command2->setText(QStringLiteral("保  存"));
        MsgBox(QStringLiteral("考核表没有保存：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
}

void AssessmentSheet::sava_data(ConnectionPtr conn) {
    const int D = dataRows();
    // Writes grid rows 1 … D over the employee's rows in id order; a row that is
    // no longer there is added.
    const auto overwrite = [&](Recordset& rs) {
        rs.Open(sql_.sheet, conn, LockType::Pessimistic, {key_});
        for (int r = 1; r <= D; ++r) {
            if (rs.EOF_()) {
                rs.AddNew();
                rs.SetField(QStringLiteral("noo"), key_);
            }
            writeRow(rs, r);
            rs.Update();
            rs.MoveNext();
        }
    };
    if (MoreRows) {
        Recordset rs;
        overwrite(rs);
        for (int s = SurplusRows; s > 0 && !rs.EOF_(); --s) rs.Delete();
        rs.Close();
    } else if (FewerRows) {
        Recordset rs;
        rs.Open(sql_.newRows, conn, LockType::Pessimistic);
        for (int m = MissingRows; m > 0; --m) {
            rs.AddNew();
            rs.SetField(QStringLiteral("noo"), key_);
            rs.Update();
        }
        rs.Close();
        overwrite(rs);
        rs.Close();
    }
}

bool AssessmentSheet::isEditableCell(int row, int col) const {
    const FlexGrid& g = *ui.MSFlexGrid1;
    return row >= 1 && row < g.Rows() && col >= 2 && col < g.Cols() && col - 1 <= storable_;
}

void AssessmentSheet::MSFlexGrid1_GotFocus() {
    if (inGotFocus_) return;  // hiding the editor may hand the focus back to the grid
    inGotFocus_ = true;
    ++gotFocusRuns_;
    ui.Input_Text->hide();
    if (EditMode) Input_Text_Left();
    inGotFocus_ = false;
}

void AssessmentSheet::placeEditor() {
    const FlexGrid& g = *ui.MSFlexGrid1;
    const QRect cell = g.visualRect(g.model()->index(g.Row(), g.Col()));
    const int height = TwipsToPixels(280);
    ui.Input_Text->setGeometry(cell.left(), cell.top() + (cell.height() - height) / 2, cell.width(), height);
}

bool AssessmentSheet::currentCellShown() const {
    const FlexGrid& g = *ui.MSFlexGrid1;
    QRect open = g.viewport()->rect();
    int left = 0;
    for (int c = 0; c < g.FixedCols(); ++c) left += g.columnWidth(c);
    int top = 0;
    for (int r = 0; r < g.FixedRows(); ++r) top += g.rowHeight(r);
    open.setTopLeft(QPoint(left, top));
    return open.contains(g.visualRect(g.model()->index(g.Row(), g.Col())));
}

void AssessmentSheet::followCurrentCell() {
    if (!ui.Input_Text->isVisible() || inGotFocus_) return;
    FlexGrid& g = *ui.MSFlexGrid1;
    if (!isEditableCell(g.Row(), g.Col())) {
        // A cell that cannot be stored takes no editor; the grid keeps the focus.
        hideEditorInGrid();
        return;
    }
    g.scrollTo(g.model()->index(g.Row(), g.Col()));
    placeEditor();
    ui.Input_Text->setText(g.Text());
}

void AssessmentSheet::Input_Text_Left() {
    FlexGrid& g = *ui.MSFlexGrid1;
    if (!isEditableCell(g.Row(), g.Col())) return;
    g.scrollTo(g.model()->index(g.Row(), g.Col()));
    placeEditor();
    ui.Input_Text->setText(g.Text());
    ui.Input_Text->show();
    ui.Input_Text->raise();
    ui.Input_Text->setFocus();
}

void AssessmentSheet::Input_Text_Change() {
    FlexGrid& g = *ui.MSFlexGrid1;
    if (isEditableCell(g.Row(), g.Col())) g.SetText(ui.Input_Text->text());
}

void AssessmentSheet::Input_Text_KeyPress(int& KeyAscii) {
    if (KeyAscii != kKeyEnter && KeyAscii != 10) return;
    KeyAscii = 0;
    Move_Next_Col();
    const int before = gotFocusRuns_;
    ui.MSFlexGrid1->setFocus();
    // An inactive window gets no focus event; the grid's focus steps run all the same.
    if (gotFocusRuns_ == before) MSFlexGrid1_GotFocus();
}

void AssessmentSheet::MSFlexGrid1_KeyPress(int& KeyAscii) {
    if (KeyAscii != kKeyEnter && KeyAscii != 10) return;
    KeyAscii = 0;
    Move_Next_Col();
    MSFlexGrid1_GotFocus();
}

void AssessmentSheet::Move_Next_Col() {
    FlexGrid& g = *ui.MSFlexGrid1;
    if (g.Row() < 1 || g.Col() < 2 || g.Col() >= g.Cols()) return;  // no cell of the sheet is current
    if (g.Col() < g.Cols() - 1) {
        g.SetCol(g.Col() + 1);
    } else if (g.Row() < g.Rows() - 1) {
        g.SetRow(g.Row() + 1);
        g.SetCol(2);
        g.SetLeftCol(2);
    } else {
        return;
    }
    // The new current cell stays in view.
    g.scrollTo(g.model()->index(g.Row(), g.Col()));
    g.viewport()->update();
}

QList<AssessmentSheet::ExportCell> AssessmentSheet::ExportCells() const {
    const FlexGrid& g = *ui.MSFlexGrid1;
    QList<ExportCell> cells;
    const int columns = std::min(7, g.Cols());
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < columns; ++c) cells.append({r + 5, c + 2, g.TextMatrix(r, c)});
    return cells;
}

void AssessmentSheet::Command1_Click() {
    try {
        SpreadsheetApplication xl;
        xl.SetVisible(true);
        Worksheet& sheet = xl.AddWorkbook(QStringLiteral("考核表 ") + ui.Label4->text()).Worksheets(1);
        for (const ExportCell& cell : ExportCells()) sheet.SetCell(cell.row, cell.column, cell.text);
        xl.Release();
    } catch (const SpreadsheetError& e) {
        MsgBox(QStringLiteral("导出到电子表格失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
}

Formshowkh::Formshowkh()
    : AssessmentSheet(kManagerSheetSql, [](FormshowkhUi& ui, QWidget* window) { ui.setupUi(window); }, true) {
    setWindowIcon(MainWindowIcon());
}

}  // namespace halvern
