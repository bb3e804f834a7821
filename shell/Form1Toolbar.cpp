// Toolbar, quick search, sorting and the spreadsheet export of the main window.
#include "Form1.h"

#include "ModuleState.h"
#include "QuickSearch.h"
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

// The employee views in another order: the view's own query with its
// "order by 部门 desc" replaced, and what the view's filler sets besides.
struct SortableView {
    short mode;
    QString byNumber;  // 员工编号
    QString byHiring;  // 录用日期
    QString gridFormat;
    QStringList fields;
    QString name;
};

const QString kFullColumns = QStringLiteral(
    "select 员工编号,姓名,部门,职位,性别,substr(出生日期,1,10) as 出生日期,民族,学历,身高,体重,上岗证,暂住证,婚育证,"
    "substr(录用日期,1,10) as 录用日期,身份证号,合同编号,substr(合同生效日,1,10) as 合同生效日,"
    "substr(合同到期日,1,10) as 合同到期日,政治面貌,籍贯,特长,外语情况,婚否,住址,联系电话,毕业院校,专业 from 员工信息 ");
const QString kBasicColumns =
    QStringLiteral("select 员工编号,姓名,部门,职位,substr(录用日期,1,10) as 录用日期 from 员工信息 ");
const QString kWorkColumns = QStringLiteral(
    "select 员工编号,姓名,substr(录用日期,1,10) as 录用日期,合同编号,substr(合同生效日,1,10) as 合同生效日,部门 "
    "from 员工信息 ");
const QString kOtherColumns = QStringLiteral("select 员工编号,姓名,上岗证,暂住证,婚育证,部门 from 员工信息 ");

const std::vector<SortableView>& SortableViews() {
    static const QStringList full{QStringLiteral("员工编号"), QStringLiteral("姓名"),     QStringLiteral("部门"),
                                  QStringLiteral("职位"),     QStringLiteral("性别"),     QStringLiteral("出生日期"),
                                  QStringLiteral("民族"),     QStringLiteral("身高"),     QStringLiteral("体重"),
                                  QStringLiteral("录用日期"), QStringLiteral("身份证号"), QStringLiteral("学历"),
                                  QStringLiteral("籍贯")};
    static const std::vector<SortableView> views{
        {2, kFullColumns + QStringLiteral("order by 员工编号"), kFullColumns + QStringLiteral("order by 录用日期 "),
         QStringLiteral("xx"), full, QStringLiteral("完整资料")},
        {4, kBasicColumns + QStringLiteral("order by 员工编号"), kBasicColumns + QStringLiteral("order by 录用日期"),
         QStringLiteral("^     员工编号|^      姓名|^       部门|^       职位|^     录用日期"),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"), QStringLiteral("职位")},
         QStringLiteral("基本情况")},
        {5, kWorkColumns + QStringLiteral("order by 员工编号 "), kWorkColumns + QStringLiteral("order by 录用日期"),
         QStringLiteral("^    员工编号|^      姓名|^     录用日期|^     合同编号|^      合同生效日"),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("录用日期"), QStringLiteral("合同编号"),
          QStringLiteral("合同生效日")},
         QStringLiteral("工作情况")},
        {6, kOtherColumns + QStringLiteral("order by 员工编号"), kOtherColumns + QStringLiteral("order by 录用日期"),
         QStringLiteral("^    员工编号|^       姓名|^      上岗证|^      暂住证|^      婚育证"),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("上岗证"), QStringLiteral("暂住证"),
          QStringLiteral("婚育证")},
         QStringLiteral("其他情况")},
    };
    return views;
}

const SortableView* FindSortableView(short mode) {
    for (const SortableView& v : SortableViews())
        if (v.mode == mode) return &v;
    return nullptr;
}

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

void SortBy(Form1& f, bool byNumber) {
    const SortableView* v = FindSortableView(f.ViewMode);
    if (!v) return;
    f.FillView(byNumber ? v->byNumber : v->byHiring, v->gridFormat, v->fields, v->name);
}

void SortByDepartment(Form1& f) {
    switch (f.ViewMode) {
    case 2: f.ShowFullView(); break;
    case 4: f.ShowBasicView(); break;
    case 5: f.ShowWorkView(); break;
    case 6: f.ShowOtherView(); break;
    default: break;
    }
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
        if (PanelText(3) == QStringLiteral("人事培训"))
            ShowModal(WindowHost::Default<frmdadj>());
        else
            ShowModal(WindowHost::Default<Formlr>());
    } else if (key == QLatin1String("de")) {
        if (ViewMode == 8) {
            if (MsgBox(QStringLiteral("此操作将真正删除数据库中离职人员全部数据，请慎重操作"), MsgButtons::OKCancel,
                       MsgIcon::Information) != MsgAnswer::OK)
                return;
            ShowModal(WindowHost::Default<Formdel>());
        }
    } else if (key == QLatin1String("sx")) {
        if (ViewMode == 2 || ViewMode == 4 || ViewMode == 5 || ViewMode == 6) ShowModal(WindowHost::Default<Formmod>());
    } else if (key == QLatin1String("ygdd")) {
        ShowModal(WindowHost::Default<formygdd>());
    } else if (key == QLatin1String("prn")) {
        // The grid as it stands, header row in sheet row 2; the current cell ends on the last cell.
        SpreadsheetApplication xl;
        xl.SetVisible(true);
        try {
            Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
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

void Form1::sortbh_Click() { SortBy(*this, true); }

void Form1::sortbumen_Click() { SortByDepartment(*this); }

void Form1::sortzhiwei_Click() { SortByDepartment(*this); }

void Form1::sortluyong_Click() { SortBy(*this, false); }

void Form1::da_Excel_Click() {
    SpreadsheetApplication xl;
    xl.SetVisible(true);
    Worksheet& sheet = xl.AddWorkbook().Worksheets(1);
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
