#include "Views.h"

namespace halvern {

namespace {

// The fields of the full view and the leavers' view at the main window's load.
QStringList loadFields() {
    return {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"), QStringLiteral("职位"),
            QStringLiteral("性别"), QStringLiteral("出生日期"), QStringLiteral("民族"), QStringLiteral("身高"),
            QStringLiteral("体重"), QStringLiteral("录用日期"), QStringLiteral("身份证号"), QStringLiteral("学历"),
            QStringLiteral("籍贯")};
}

QStringList listFields() {
    return {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"), QStringLiteral("职位")};
}

const QString kByDepartment = QStringLiteral(" order by 部门 desc");
const QString kByNumber = QStringLiteral(" order by 员工编号");
const QString kByHiring = QStringLiteral(" order by 录用日期");
const QString kFormshow = QStringLiteral("formshow");

const QString kHistorySelect = QStringLiteral("select * from 覆历");
const QString kHistoryOrder = QStringLiteral(" order by 教育背景 desc");
const QString kHistoryFormat = QStringLiteral(
    "^    员工编号    |^         教育背景|^         工作经历|^        奖罚记录|^       本公司经历   ");

}  // namespace

const std::vector<View>& Views() {
    static const std::vector<View> views{
        {kFullView, QStringLiteral("完整资料"), QStringLiteral("完整资料"),
         QStringLiteral("select 员工编号,姓名,部门,职位,性别,substr(出生日期,1,10) as 出生日期,民族,学历,身高,体重,上岗证,"
                        "暂住证,婚育证,substr(录用日期,1,10) as 录用日期,身份证号,合同编号,"
                        "substr(合同生效日,1,10) as 合同生效日,substr(合同到期日,1,10) as 合同到期日,政治面貌,籍贯,特长,"
                        "外语情况,婚否,住址,联系电话,毕业院校,专业 from 员工信息"),
         kByDepartment, kByNumber, kByHiring + QLatin1Char(' '), QStringLiteral("xx"), loadFields(),
         ViewPopup::Employee, kFormshow},
        {kBasicView, QStringLiteral("基本情况"), QStringLiteral("基本情况"),
         QStringLiteral("select 员工编号,姓名,部门,职位,substr(录用日期,1,10) as 录用日期 from 员工信息"), kByDepartment,
         kByNumber, kByHiring, QStringLiteral("^     员工编号|^      姓名|^       部门|^       职位|^     录用日期"),
         listFields(), ViewPopup::Employee, kFormshow},
        {kWorkView, QStringLiteral("工作情况"), QStringLiteral("工作情况"),
         QStringLiteral("select 员工编号,姓名,substr(录用日期,1,10) as 录用日期,合同编号,"
                        "substr(合同生效日,1,10) as 合同生效日,部门 from 员工信息"),
         kByDepartment, kByNumber + QLatin1Char(' '), kByHiring,
         QStringLiteral("^    员工编号|^      姓名|^     录用日期|^     合同编号|^      合同生效日"),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("录用日期"), QStringLiteral("合同编号"),
          QStringLiteral("合同生效日")},
         ViewPopup::Employee, kFormshow},
        {kOtherView, QStringLiteral("其他情况"), QStringLiteral("其他情况"),
         QStringLiteral("select 员工编号,姓名,上岗证,暂住证,婚育证,部门 from 员工信息"), kByDepartment, kByNumber,
         kByHiring, QStringLiteral("^    员工编号|^       姓名|^      上岗证|^      暂住证|^      婚育证"),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("上岗证"), QStringLiteral("暂住证"),
          QStringLiteral("婚育证")},
         ViewPopup::Employee, kFormshow},
        {kLeaverView, QStringLiteral("离职人员"), QStringLiteral("离职人员"),
         QStringLiteral("select 员工编号,姓名,部门,职位,性别,学历 from 员工离职"), kByDepartment, {}, {},
         QStringLiteral("^     员工编号|^         姓名|^          部门|^        职位|^       性别|^        学历   "),
         loadFields(), ViewPopup::Leaver, QStringLiteral("Formshow1")},
        {kHistoryView, QStringLiteral("员工履历"), {}, kHistorySelect, kHistoryOrder, {}, {}, kHistoryFormat,
         {QStringLiteral("员工编号")}, ViewPopup::None, kFormshow},
        {kTrainingView, QStringLiteral("人事培训"), {},
         QStringLiteral("select 员工编号,姓名,部门,substr(培训时间,1,10) as 培训时间,培训项目,考核成绩 from 培训"),
         QStringLiteral(" order by 员工编号 desc"), {}, {},
         QStringLiteral(
             "^    员工编号    |^         姓名|^         部门|^        培训时间|^       培训项目|^        考核成绩   "),
         {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"), QStringLiteral("培训方式"),
          QStringLiteral("培训项目"), QStringLiteral("培训时间"), QStringLiteral("考核方式"), QStringLiteral("考核成绩")},
         ViewPopup::Training, QStringLiteral("Formshowpx")},
        {kTransferHistoryView, QStringLiteral("调动记录"), {}, kHistorySelect, kHistoryOrder, {}, {}, kHistoryFormat,
         {QStringLiteral("员工编号")}, ViewPopup::None, kFormshow},
        // The placeholder row "." is found with or without a blank after its number, as the searches find texts.
        {kManagerList, QStringLiteral("经理级考核记录"), QStringLiteral("基本情况"),
         QStringLiteral("select 员工编号,姓名,部门,职位,substr(录用日期,1,10) as 录用日期 from 员工信息 "
                        "where 职位 like '%经理%' or rtrim(员工编号)='.'"),
         kByDepartment, {}, {},
         QStringLiteral("^    员工编号    |^        姓名|^         部门|^        职位|^      录用日期    "), listFields(),
         ViewPopup::None, QStringLiteral("Formshowkh")},
        {kStaffList, QStringLiteral("员工级考核记录"), QStringLiteral("基本情况"),
         QStringLiteral("select 员工编号,姓名,部门,职位,substr(录用日期,1,10) as 录用日期 from 员工信息 "
                        "where 职位 not like '%经理%'  or rtrim(员工编号)='.'"),
         kByDepartment, {}, {},
         QStringLiteral("^   员工编号    |^          姓名|^         部门|^        职位|^       录用日期    "), listFields(),
         ViewPopup::None, QStringLiteral("Formshowkh1")},
    };
    return views;
}

const View* ViewAt(short position) {
    for (const View& v : Views())
        if (v.position == position) return &v;
    return nullptr;
}

const QString& ViewCaption(short position) {
    static const QString none;
    const View* v = ViewAt(position);
    return v ? v->caption : none;
}

QString RecordWindowFor(const QString& viewName) {
    for (const View& v : Views())
        if (v.caption == viewName) return v.recordWindow;
    return kFormshow;
}

}  // namespace halvern
