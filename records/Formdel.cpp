#include "Formdel.h"

#include "shell/Form1.h"
#include "shell/ModuleState.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvern {

using namespace platform;

namespace {

const QString kLeaverSql = QStringLiteral("select * from 员工离职 where 员工编号= ?");
const QString kHistorySql = QStringLiteral("select * from 覆历 where 员工编号= ?");

// The photograph file of a stored 图片 ("\pic\A1.jpg"), or empty text when the
// value names nothing inside the photograph folder: files elsewhere are never ours to delete.
QString photographFile(const QString& stored) {
    if (stored.isEmpty()) return {};
    const QString folder = QDir::cleanPath(ProgramPath(QStringLiteral("pic")));
    const QString file = QDir::cleanPath(ProgramPath(stored));
    if (!file.startsWith(folder + QLatin1Char('/'))) return {};
    return file;
}

// Takes a photograph out of the way before the rows go, so that a file that
// cannot be deleted stops the deletion, and a deletion that fails gets it back.
class PhotographRemoval {
public:
    explicit PhotographRemoval(const QString& file) : file_(file) {}
    // False when the file is there but cannot be moved (and so not deleted).
    bool prepare() {
        const QFileInfo fi(file_);
        if (file_.isEmpty() || (!fi.exists() && !fi.isSymLink()) || fi.isDir()) return true;  // nothing to delete
        aside_ = fi.dir().filePath(QStringLiteral(".%1.deleting").arg(fi.fileName()));
        QFile::remove(aside_);
        if (!QFile::rename(file_, aside_)) {
            aside_.clear();
            return false;
        }
        return true;
    }
    void finish() {
        if (!aside_.isEmpty()) QFile::remove(aside_);
        aside_.clear();
    }
    ~PhotographRemoval() {
        if (!aside_.isEmpty()) QFile::rename(aside_, file_);
    }

private:
    QString file_;
    QString aside_;
};

}  // namespace

Formdel::Formdel() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formdel::Command1_Click);
}

void Formdel::Form_Load() { ui.Text1->setText(MainGridCell().trimmed()); }

void Formdel::Command1_Click() {
    const QString no = ui.Text1->text();
    enum class Outcome { Deleted, Placeholder, Failed, PhotographStuck } outcome = Outcome::Failed;
    QString photo;
    try {
        auto conn = Connection::open(DbConnString());
        // The leaver row and the history row go together or not at all.
        Transaction tx(*conn);
        Recordset leaver;
        leaver.Open(kLeaverSql, conn, LockType::Pessimistic, {no});
        if (leaver.EOF_()) throw DbError(QStringLiteral("没有这个离职员工。"));
        if (leaver.Text(QStringLiteral("员工编号")) == QLatin1String(".")) {
            outcome = Outcome::Placeholder;
        } else {
            photo = leaver.Text(QStringLiteral("图片")).trimmed();
            leaver.Delete();
            leaver.Close();
            Recordset hist;
            hist.Open(kHistorySql, conn, LockType::Pessimistic, {no});
            if (hist.RecordCount() != 0) hist.Delete();
            hist.Close();
            PhotographRemoval removal(photographFile(photo));
            if (!removal.prepare()) {
                outcome = Outcome::PhotographStuck;
            } else {
                tx.commit();
                removal.finish();
                outcome = Outcome::Deleted;
            }
        }
    } catch (const DbError&) {
        outcome = Outcome::Failed;
    }

    switch (outcome) {
    case Outcome::Placeholder:
        MsgBox(QStringLiteral("不能删除此条记录!"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        return;
    case Outcome::Failed:
        MsgBox(QStringLiteral("员工编号不存在或者出现异常错误! "), MsgButtons::OK, MsgIcon::Critical,
               QStringLiteral("错误"));
        return;
    case Outcome::PhotographStuck:
        MsgBox(QStringLiteral("照片文件“%1”无法删除，离职人员的资料没有删除。").arg(ProgramPath(photo)),
               MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
        return;
    case Outcome::Deleted:
        break;
    }
    RefreshMainGrid();
    Unload();
}

}  // namespace halvern
