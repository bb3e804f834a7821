#include "AddSearch.h"

#include "common/ApplySkin.h"
#include "common/ModuleState.h"
#include "common/Searches.h"
#include "platform/Database.h"
#include "platform/MessageBox.h"
#include "platform/Texts.h"

namespace halvern {

using namespace platform;

namespace {

const QString kGap = QStringLiteral("        ");  // 8 blanks between the parts of a row
const QString kAnd = QStringLiteral("并且");
const QString kOr = QStringLiteral("或者");
const QString kEmployees = QStringLiteral("员工信息");

// The fields a condition may name: every column of 员工信息, whether picked
// from the list or typed. Empty, after telling the user, when the database cannot be read.
QStringList EmployeeColumns() {
    try {
        return TableColumns(*Connection::open(DbConnString()), kEmployees);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("查询失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return {};
    }
}

}  // namespace

AddSearch::AddSearch() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &AddSearch::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &AddSearch::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &AddSearch::Command3_Click);
    connect(ui.Command4, &QPushButton::clicked, this, &AddSearch::Command4_Click);
}

const QStringList& AddSearch::FieldItems() {
    static const QStringList items{QStringLiteral("员工编号"), QStringLiteral("姓名"),   QStringLiteral("部门"),
                                   QStringLiteral("职位"),     QStringLiteral("性别"),   QStringLiteral("民族"),
                                   QStringLiteral("身高"),     QStringLiteral("体重"),   QStringLiteral("身份证号"),
                                   QStringLiteral("学历"),     QStringLiteral("籍贯")};
    return items;
}

void AddSearch::Form_Load() {
    ApplySkin(*this, twotest);
    ui.Combo1->clear();
    ui.Combo1->addItems(FieldItems());
    ui.Combo1->setCurrentIndex(-1);
    ui.Combo3->clear();
    ui.Combo3->addItems({QStringLiteral("无"), kAnd, kOr});
    ui.Combo3->setCurrentIndex(-1);
}

void AddSearch::Command1_Click() {
    const QString field = ui.Combo1->currentText();
    const QString opItem = ui.Combo2->currentText();
    const QString value = TrimBlanks(ui.Text1->text());
    const QString relation = ui.Combo3->currentText();
    const int rows = ui.list1->count();
    const QString withoutRelation = field + kGap + opItem + kGap + value;

    // The same condition again right after itself is taken as added already.
    if (rows > 0) {
        const QString last = TrimBlanks(ui.list1->item(rows - 1)->text());
        if (last == TrimBlanks(withoutRelation + TrimBlanks(relation)) || last == TrimBlanks(withoutRelation)) return;
    }
    if (TrimBlanks(field).isEmpty() || TrimBlanks(opItem).isEmpty() || value.isEmpty()) {
        MsgBox(QStringLiteral("请输入查询条件!"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    const QStringList columns = EmployeeColumns();
    if (columns.isEmpty()) return;
    if (!columns.contains(TrimBlanks(field))) {
        MsgBox(QStringLiteral("“%1”中没有“%2”这一项，请从“名称”列表中选择或输入员工信息的项目。")
                   .arg(kEmployees, TrimBlanks(field)),
               MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    try {
        SearchOperator(TrimBlanks(opItem));
    } catch (const SearchError& e) {
        MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    // Every row after the first says how it joins the row above.
    if (rows > 0 && TrimBlanks(relation) != kAnd && TrimBlanks(relation) != kOr) {
        MsgBox(QStringLiteral("请在“与上个关系”中选择“并且”或“或者”。"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    if (rows >= kMaxConditions) {
        MsgBox(QStringLiteral("最多只能添加%1个查询条件。").arg(kMaxConditions), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    ui.list1->addItem(withoutRelation + (rows == 0 ? relation : TrimBlanks(relation)));
    CondFields[rows] = TrimBlanks(field);
    CondOps[rows] = TrimBlanks(opItem);
    CondValues[rows] = QLatin1Char('\'') + value + QLatin1Char('\'');
}

void AddSearch::Command2_Click() {
    const int rows = ui.list1->count();
    if (rows == 0) return;
    const QList<QListWidgetItem*> selected = ui.list1->selectedItems();
    const int row = selected.isEmpty() ? rows - 1 : ui.list1->row(selected.first());
    delete ui.list1->takeItem(row);
    for (int i = row; i + 1 < rows; ++i) {
        CondFields[i] = CondFields[i + 1];
        CondOps[i] = CondOps[i + 1];
        CondValues[i] = CondValues[i + 1];
    }
    CondFields[rows - 1].clear();
    CondOps[rows - 1].clear();
    CondValues[rows - 1].clear();
}

void AddSearch::Command3_Click() {
    const int rows = ui.list1->count();
    if (rows == 0) return;

    std::vector<CombinedCondition> conditions;
    conditions.reserve(rows);
    for (int i = 0; i < rows; ++i) {
        const QString& quoted = CondValues[i];
        conditions.push_back({CondFields[i], CondOps[i], quoted.mid(1, quoted.size() - 2),
                              i == 0 ? QString() : ui.list1->item(i)->text().right(2)});
    }

    const auto query = FindSearchRows(DbConnString(), [&](Connection& db) {
        return BuildCombinedSearch(conditions, TableColumns(db, kEmployees));
    });
    if (!query) return;
    if (!ShowInMainGrid(*query, kSearchCountText)) return;
    HideMainWelcome();
}

void AddSearch::Command4_Click() { Unload(); }

}  // namespace halvern
