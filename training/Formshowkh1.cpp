#include "Formshowkh1.h"

#include "Formshowkh1Ui.h"

#include <QPixmap>

namespace halvern {

namespace {

const SheetSql kStaffSheetSql{
    QStringLiteral("select * from 横 order by id"),
    QStringLiteral("select * from 员工竖1 order by id"),
    QStringLiteral("select * from 员工竖2 order by id"),
    QStringLiteral("select * from 员工 where noo=? order by id"),
    QStringLiteral("select * from 员工 where 1=0"),
    QStringLiteral("update 员工 set yee=? where noo=?"),
};

QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

}  // namespace

Formshowkh1::Formshowkh1() : AssessmentSheet(kStaffSheetSql, &Formshowkh1Ui::setupUi, false) {
    setWindowIcon(noIcon());
}

}  // namespace halvern
