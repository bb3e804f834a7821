// Toolbar, quick search, sorting and the spreadsheet export of the main window.
#include "Form1.h"

#include "common/ModuleState.h"
#include "QuickSearch.h"
#include "Views.h"
#include "platform/Database.h"
#include "platform/MessageBox.h"
#include "platform/Spreadsheet.h"
#include "records/Formdel.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "records/formygdd.h"
#include "training/frmdadj.h"

#include <algorithm>

namespace halvern {

using namespace platform;

namespace {

QStringList ComboItems(const QComboBox& combo) {
    QStringList items;
    items.reserve(combo.count());
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

// One quick search of the toolbar: the rows found replace the grid's rows.
void QuickSearch(Form1& f, QuickSearchKind kind) {
    const QString field = f.ui.Combo1->currentText();
    const QString opItem = f.ui.Combo2->currentText();
    const QString value = f.ui.Text1->text();
    if (field.isEmpty() || opItem.isEmpty() || value.isEmpty()) {
        MsgBox(QStringLiteral("请完整填写查询条件"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }

    const auto query = FindSearchRows(f.ConnString, [&](Connection& db) {
        return BuildQuickSearch(kind, f.PanelText(3), ComboItems(*f.ui.Combo1), TableColumns(db, QuickSearchTable(kind)),
                                field, opItem, value);
    });
    if (!query || !ShowInMainGrid(*query, kSearchCountText)) return;
    FormatMainGrid(*f.dgrid);
}

void ShowModal(Form* window) { WindowHost::Show(window, ShowMode::Modal); }

// The view of the last tree click in one of its orders; a view that cannot be sorted stays as it is.
void SortBy(Form1& f, const QString View::*ordering) {
    const View* v = ViewAt(f.ViewMode);
    if (!v || !v->Sortable()) return;
    f.FillView(*v, {v->select, v->*ordering});
}

}  // namespace

void Form1::Toolbar1_ButtonClick(const QString& key) {
    // Every button reads the search row first: a date field whose value is no
    // date stops each of them.
    try {
        CheckSearchValue(ui.Combo1->currentText(), ui.Combo2->currentText(), ui.Text1->text());
    } catch (const SearchError& e) {
        MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (key == QLatin1String("cx")) return QuickSearch(*this, QuickSearchKind::Employees);
    if (key == QLatin1String("hcx")) return QuickSearch(*this, QuickSearchKind::Leavers);
    if (key == QLatin1String("hhcx")) return QuickSearch(*this, QuickSearchKind::Training);
    if (key == QLatin1String("hhhcx")) return QuickSearch(*this, QuickSearchKind::History);

    if (key == QLatin1String("lr")) {
        if (PanelText(3) == ViewCaption(kTrainingView))
            ShowModal(WindowHost::Default<frmdadj>());
        else
            ShowModal(WindowHost::Default<Formlr>());
    } else if (key == QLatin1String("de")) {
        if (ViewMode == kLeaverView) {
            if (MsgBox(QStringLiteral("此操作将真正删除数据库中离职人员全部数据，请慎重操作"), MsgButtons::OKCancel,
                       MsgIcon::Information) != MsgAnswer::OK)
                return;
            ShowModal(WindowHost::Default<Formdel>());
        }
    } else if (key == QLatin1String("sx")) {
        // The views of current employees, whose rows the modify window opens.
        const View* view = ViewAt(ViewMode);
        if (view && view->popup == ViewPopup::Employee) ShowModal(WindowHost::Default<Formmod>());
    } else if (key == QLatin1String("ygdd")) {
        ShowModal(WindowHost::Default<formygdd>());
    } else if (key == QLatin1String("prn")) {
        // The grid as it stands, header row in sheet row 2; the current cell ends on the last cell.
        SpreadsheetApplication xl;
        xl.SetVisible(true);
        try {
            // The file is named after the view shown (完整资料, 其他情况, ...).
            Worksheet& sheet = xl.AddWorkbook(PanelText(3)).Worksheets(1);
            const int rows = dgrid->Rows();
            const int cols = dgrid->Cols();
            dgrid->ScanRows(0, rows - 1, [&](int r, const QStringList& texts) {
                for (int c = 0; c < cols; ++c) sheet.SetCell(r + 2, c + 1, texts.at(c));
            });
            if (rows > 0 && cols > 0) {
                dgrid->SetRow(rows - 1);
                dgrid->SetCol(cols - 1);
            }
        } catch (const SpreadsheetError& e) {
            MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
            return;
        } catch (const DbError& e) {
            MsgBox(QStringLiteral("无法读取表格的数据，没有生成电子表格。\n%1").arg(e.message()), MsgButtons::OK,
                   MsgIcon::Critical);
            return;
        }
        xl.Release();
        return;
    }
    FormatMainGrid(*dgrid);
}

void Form1::sortbh_Click() { SortBy(*this, &View::byNumber); }

void Form1::sortbumen_Click() { SortBy(*this, &View::order); }

void Form1::sortzhiwei_Click() { SortBy(*this, &View::order); }

void Form1::sortluyong_Click() { SortBy(*this, &View::byHiring); }

void Form1::da_Excel_Click() {
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    Worksheet& sheet = xl.AddWorkbook(QStringLiteral("人事基本资料")).Worksheets(1);
    // From here on a cell that cannot be written stays empty and the copy goes on.
    const auto put = [&sheet](int row, int col, const QString& text) {
        try {
            sheet.SetCell(row, col, text);
        } catch (const SpreadsheetError&) {
        }
    };
    put(1, 6, QStringLiteral("人事基本资料"));
    const int rows = dgrid->Rows();
    const int cols = std::min(dgrid->Cols(), 27);
    try {
        dgrid->ScanRows(0, rows - 1, [&](int r, const QStringList& texts) {
            for (int c = 0; c < cols; ++c) put(r + 3, c + 1, texts.at(c));
        });
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取表格的数据，没有生成电子表格。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical);
        return;
    }
    xl.Release();
}

}  // namespace halvern
