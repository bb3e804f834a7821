// Times the main window on a generated personnel database:
//   halvern-bench [N ...]          (default: 1000 10000 100000 1000000)
// For each N it builds a temporary program directory holding N employees with
// career histories, leavers and training rows, then reports the median time of
// the main window's load, of each view filler, sort and search, of one
// detail-panel lookup and of the spreadsheet exports, each with the peak
// resident memory of the process so far.
#include "platform/Database.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Spreadsheet.h"
#include "platform/WindowHost.h"
#include "records/AddSearch.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "shell/Views.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

using namespace platform;
using namespace halvern;

namespace {

const char16_t* const kSurnames[] = {u"王", u"李", u"张", u"刘", u"陈", u"杨", u"黄", u"赵", u"吴", u"周",
                                     u"徐", u"孙", u"马", u"朱", u"胡", u"郭", u"何", u"高", u"林", u"罗",
                                     u"郑", u"梁", u"谢", u"宋", u"唐", u"许", u"韩", u"冯", u"邓", u"曹"};
const char16_t* const kGiven[] = {u"伟", u"芳", u"娜", u"秀英", u"敏", u"静", u"丽", u"强", u"磊", u"军",
                                  u"洋", u"勇", u"艳", u"杰", u"娟", u"涛", u"明", u"超", u"秀兰", u"霞",
                                  u"平", u"刚", u"桂英", u"建华", u"晓东", u"文", u"红梅", u"志强", u"海燕", u"鹏"};
const char16_t* const kDepartments[] = {u"行政部", u"人事部", u"财务部", u"销售部", u"生产部", u"技术部"};
const char16_t* const kTitles[] = {u"职员", u"职员", u"职员", u"技术员", u"会计", u"销售代表", u"主管", u"部门经理", u"工程师"};
const char16_t* const kSchools[] = {u"北京大学", u"复旦大学", u"浙江大学", u"武汉大学", u"南京大学", u"中山大学"};
const char16_t* const kMajors[] = {u"会计", u"机械制造", u"市场营销", u"计算机", u"行政管理", u"英语"};
const char16_t* const kPlaces[] = {u"北京市", u"上海市", u"浙江省杭州市", u"广东省广州市", u"四川省成都市", u"湖北省武汉市"};

template <size_t N>
QString pick(const char16_t* const (&list)[N], std::mt19937& rng) {
    return QString::fromUtf16(list[std::uniform_int_distribution<size_t>(0, N - 1)(rng)]);
}

QString randomDate(std::mt19937& rng, int fromYear, int toYear) {
    const QDate from(fromYear, 1, 1);
    const int span = static_cast<int>(from.daysTo(QDate(toYear, 12, 31)));
    return from.addDays(std::uniform_int_distribution<int>(0, span)(rng)).toString(QStringLiteral("yyyy-MM-dd"));
}

void generate(const QString& dbFile, int n) {
    std::mt19937 rng(20240601u + static_cast<unsigned>(n));
    auto conn = Connection::open(QStringLiteral("Data Source=") + dbFile);
    Transaction tx(*conn);
    const QString employee = QStringLiteral(
        "insert into 员工信息 (员工编号,姓名,部门,职位,性别,出生日期,民族,学历,身高,体重,上岗证,暂住证,婚育证,"
        "录用日期,身份证号,合同编号,合同生效日,合同到期日,住址,政治面貌,特长,籍贯,外语情况,婚否,联系电话,毕业院校,专业,图片) "
        "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    const QString history = QStringLiteral("insert into 覆历 (员工编号,教育背景,工作经历,奖罚记录,本公司经历) values (?,?,?,?,?)");
    const QString leaver = QStringLiteral(
        "insert into 员工离职 (员工编号,姓名,部门,职位,性别,学历,离职原因,离职时间) values (?,?,?,?,?,?,?,?)");
    const QString training = QStringLiteral(
        "insert into 培训 (员工编号,姓名,部门,培训时间,培训项目,培训方式,考核方式,考核成绩) values (?,?,?,?,?,?,?,?)");
    const QDate today = QDate::currentDate();
    for (int i = 1; i <= n; ++i) {
        const QString no = QStringLiteral("E%1").arg(i, 6, 10, QLatin1Char('0'));
        const QString name = pick(kSurnames, rng) + pick(kGiven, rng);
        const QString dept = pick(kDepartments, rng);
        const QString title = pick(kTitles, rng);
        const QString sex = (rng() & 1) ? QStringLiteral("男") : QStringLiteral("女");
        const QString born = randomDate(rng, 1960, 2000);
        const QString hired = randomDate(rng, 1995, 2023);
        const QString start = randomDate(rng, 2018, 2023);
        const QString end = today.addDays(std::uniform_int_distribution<int>(-200, 1500)(rng)).toString(QStringLiteral("yyyy-MM-dd"));
        const QString id = QStringLiteral("110101") + QString(born).remove(QLatin1Char('-')) +
                           QStringLiteral("%1").arg(i % 10000, 4, 10, QLatin1Char('0'));
        conn->execute(employee,
                      {no, name, dept + QLatin1Char(' '), title + QLatin1Char(' '), sex, born, QStringLiteral("汉族"),
                       QStringLiteral("本科 "), QString::number(150 + rng() % 40), QString::number(45 + rng() % 40),
                       QStringLiteral("有 "), QStringLiteral("无 "), QStringLiteral("有 "), hired, id,
                       QStringLiteral("HT-%1 ").arg(i), start, end, QStringLiteral("某市某区某路%1号 ").arg(i % 500),
                       QStringLiteral("群众 "), QStringLiteral("书法 "), pick(kPlaces, rng), QStringLiteral("英语四级 "),
                       (rng() & 1) ? QStringLiteral("已婚 ") : QStringLiteral("未婚 "),
                       QStringLiteral("1380000%1 ").arg(i % 10000, 4, 10, QLatin1Char('0')), pick(kSchools, rng) + QLatin1Char(' '),
                       pick(kMajors, rng) + QLatin1Char(' '), QStringLiteral("\\pic\\%1.jpg").arg(no)});
        conn->execute(history, {no, pick(kSchools, rng) + QStringLiteral("毕业 "), QStringLiteral("曾任职于某公司 "),
                                QStringLiteral("无 "), hired + QStringLiteral(" 入职") + dept + QLatin1Char(' ')});
        if (i % 10 == 0)
            conn->execute(leaver, {QStringLiteral("L%1").arg(i, 6, 10, QLatin1Char('0')), name, dept, title, sex,
                                   QStringLiteral("大专"), QStringLiteral("个人原因 "), randomDate(rng, 2015, 2023) + QStringLiteral(" 10:00:00")});
        if (i % 2 == 0)
            conn->execute(training, {no, name, dept, randomDate(rng, 2015, 2023), QStringLiteral("安全生产培训 "),
                                     QStringLiteral("集中授课 "), QStringLiteral("笔试 "), QStringLiteral("合格 ")});
    }
    tx.commit();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// CPU time of this thread of the last timeMs call: on a busy machine it shows
// the work itself, where the wall-clock time also counts waiting for a core.
double g_lastCpuMs = 0;

double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double timeMs(const std::function<void()>& f) {
    QElapsedTimer t;
    const double cpu = threadCpuMs();
    t.start();
    f();
    QCoreApplication::processEvents();  // the grid lays out its new rows
    g_lastCpuMs = threadCpuMs() - cpu;
    return t.nsecsElapsed() / 1e6;
}

long peakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

double peakMb() { return peakRssKb() / 1024.0; }

bool run(int n, const QString& staged) {
    QTemporaryDir dir;
    if (!dir.isValid()) return false;
    for (const char* f : {"db2.mdb", "cuser.mdb"})
        if (!QFile::copy(QDir(staged).filePath(QString::fromLatin1(f)), dir.filePath(QString::fromLatin1(f)))) {
            std::fprintf(stderr, "cannot copy %s from %s\n", f, qPrintable(staged));
            return false;
        }
    QDir(dir.path()).mkpath(QStringLiteral("pic"));
    QElapsedTimer gen;
    gen.start();
    generate(dir.filePath(QStringLiteral("db2.mdb")), n);
    // HALVERN_BENCH_KEEP=folder keeps a copy of the generated database for a closer look.
    if (const QString keep = qEnvironmentVariable("HALVERN_BENCH_KEEP"); !keep.isEmpty()) {
        QDir().mkpath(keep);
        const QString copy = QDir(keep).filePath(QStringLiteral("db2-%1.mdb").arg(n));
        QFile::remove(copy);
        QFile::copy(dir.filePath(QStringLiteral("db2.mdb")), copy);
    }
    std::printf("N = %d (generated in %.1f s, peak memory so far %.1f MB)\n", n, gen.elapsed() / 1000.0, peakRssKb() / 1024.0);
    SetProgramDir(dir.path());
    ResetModuleState();

    const int repeats = n >= 100000 ? 5 : 9;
    std::vector<double> loads, loadsCpu;
    for (int r = 0; r < repeats; ++r) {
        loads.push_back(timeMs([] { WindowHost::Show(WindowHost::Default<Form1>(), ShowMode::Modeless); }));
        loadsCpu.push_back(g_lastCpuMs);
        if (r + 1 < repeats) {
            WindowHost::Default<Form1>()->Unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (peak memory so far %.1f MB)\n", "Form1 load", median(loads),
                median(loadsCpu), peakRssKb() / 1024.0);

    Form1* w = WindowHost::Default<Form1>();
    const struct {
        const char* name;
        void (Form1::*filler)();
    } fillers[] = {
        {"ShowFullView", &Form1::ShowFullView},       {"ShowBasicView", &Form1::ShowBasicView},
        {"ShowWorkView", &Form1::ShowWorkView},       {"ShowOtherView", &Form1::ShowOtherView},
        {"ShowLeaverView", &Form1::ShowLeaverView},   {"ShowHistoryView", &Form1::ShowHistoryView},
        {"ShowTrainingView", &Form1::ShowTrainingView}, {"ShowManagerList", &Form1::ShowManagerList},
        {"ShowStaffList", &Form1::ShowStaffList},
    };
    double worst = 0;
    for (const auto& f : fillers) {
        std::vector<double> times, cpu;
        for (int r = 0; r < repeats; ++r) {
            times.push_back(timeMs([&] { (w->*f.filler)(); }));
            cpu.push_back(g_lastCpuMs);
        }
        const double m = median(times);
        worst = std::max(worst, m);
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d rows, peak %.1f MB)\n", f.name, m, median(cpu),
                    w->data1->RecordCount(), peakMb());
    }

    // The sorts of the employee views: by number and by hiring date, then back by department.
    {
        const struct {
            short mode;
            void (Form1::*filler)();
            const char* name;
        } views[] = {{2, &Form1::ShowFullView, "full"}, {4, &Form1::ShowBasicView, "basic"},
                     {5, &Form1::ShowWorkView, "work"}, {6, &Form1::ShowOtherView, "other"}};
        for (const auto& v : views) {
            w->ViewMode = v.mode;
            (w->*v.filler)();
            std::vector<double> byNumber, byHiring, byDepartment;
            for (int r = 0; r < repeats; ++r) {
                byNumber.push_back(timeMs([w] { w->sortbh_Click(); }));
                byHiring.push_back(timeMs([w] { w->sortluyong_Click(); }));
                byDepartment.push_back(timeMs([w] { w->sortbumen_Click(); }));
            }
            const double slowest = std::max({median(byNumber), median(byHiring), median(byDepartment)});
            worst = std::max(worst, slowest);
            std::printf("  sort %-17s %8.1f ms number %6.1f ms hiring %6.1f ms department  (peak %.1f MB)\n", v.name,
                        median(byNumber), median(byHiring), median(byDepartment), peakMb());
        }
    }

    // The full view scrolled to its last row: the rows read on the way are let go again.
    w->ShowFullView();
    QString last;
    const double toEnd = timeMs([w, &last] {
        w->dgrid->scrollToBottom();
        w->dgrid->SetRow(w->dgrid->Rows() - 1);
        w->dgrid->viewport()->repaint();
        last = w->dgrid->TextMatrix(w->dgrid->Rows() - 1, 0);
    });
    std::printf("  %-22s %8.1f ms  (last row %s, peak %.1f MB)\n", "scroll to the end", toEnd, qPrintable(last),
                peakMb());

    // Detail lookups on random rows of the employee view.
    w->ShowBasicView();
    std::mt19937 rng(7);
    std::vector<double> lookups;
    const int rows = w->dgrid->Rows() - 1;
    for (int r = 0; r < 200 && rows > 0; ++r) {
        const int row = std::uniform_int_distribution<int>(0, rows - 1)(rng);
        QElapsedTimer t;
        t.start();
        w->dgrid->setCurrentIndex(w->dgrid->model()->index(row, 0));  // runs dgrid_RowColChange
        lookups.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("  %-22s %8.2f ms  (median of %zu)\n", "RowColChange lookup", median(lookups), lookups.size());
    std::printf("  %-22s %8.1f MB\n", "peak resident memory", peakRssKb() / 1024.0);

    // Searches and spreadsheet copies of the toolbar, the combined search and the menu.
    {
        const auto quick = [w](const QString& field, const QString& op, const QString& value) {
            w->ui.Combo1->setCurrentIndex(w->ui.Combo1->findText(field));
            w->ui.Combo2->setCurrentIndex(w->ui.Combo2->findText(op));
            w->ui.Text1->setText(value);
            w->Toolbar1_ButtonClick(QStringLiteral("cx"));
        };
        std::vector<double> byName, byNumber, combined, cpu;
        for (int r = 0; r < repeats; ++r) {
            w->ShowBasicView();
            byName.push_back(timeMs([&] { quick(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张伟")); }));
            cpu.push_back(g_lastCpuMs);
        }
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d rows, peak %.1f MB)\n", "quick search like", median(byName),
                    median(cpu), w->data1->RecordCount(), peakMb());
        cpu.clear();
        for (int r = 0; r < repeats; ++r) {
            w->ShowBasicView();
            byNumber.push_back(timeMs([&] { quick(QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("E000777")); }));
            cpu.push_back(g_lastCpuMs);
        }
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d rows, peak %.1f MB)\n", "quick search =", median(byNumber),
                    median(cpu), w->data1->RecordCount(), peakMb());
        cpu.clear();

        // "=" on the other keys and fields: each view, then the search of its button.
        const struct {
            const char* name;
            void (Form1::*filler)();
            short position;  // the view whose name the search reads from panel 3
            const char* key;
            const char16_t* field;
            const char16_t* value;
        } equalSearches[] = {
            {"quick = department", &Form1::ShowBasicView, kBasicView, "cx", u"部门", u"技术部"},
            {"managers = number", &Form1::ShowManagerList, kManagerList, "cx", u"员工编号", u"E000777"},
            {"staff = number", &Form1::ShowStaffList, kStaffList, "cx", u"员工编号", u"E000777"},
            {"leavers = number", &Form1::ShowLeaverView, kLeaverView, "hcx", u"员工编号", u"L000770"},
            {"training = number", &Form1::ShowTrainingView, kTrainingView, "hhcx", u"员工编号", u"E000778"},
            {"history = number", &Form1::ShowHistoryView, kHistoryView, "hhhcx", u"员工编号", u"E000777"},
        };
        for (const auto& e : equalSearches) {
            std::vector<double> times;
            for (int r = 0; r < repeats; ++r) {
                (w->*e.filler)();
                w->SetPanelText(3, ViewCaption(e.position));
                w->ui.Combo1->setCurrentIndex(w->ui.Combo1->findText(QString::fromUtf16(e.field)));
                w->ui.Combo2->setCurrentIndex(w->ui.Combo2->findText(QStringLiteral("=(等于)")));
                w->ui.Text1->setText(QString::fromUtf16(e.value));
                times.push_back(timeMs([&] { w->Toolbar1_ButtonClick(QString::fromLatin1(e.key)); }));
                cpu.push_back(g_lastCpuMs);
            }
            std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%s, peak %.1f MB)\n", e.name, median(times),
                        median(cpu), qPrintable(w->PanelText(5)), peakMb());
            cpu.clear();
        }

        auto* s = WindowHost::Default<AddSearch>();
        WindowHost::Show(s, ShowMode::Modeless);
        const auto add = [s](const QString& field, const QString& op, const QString& value, const QString& rel) {
            s->ui.Combo1->setCurrentIndex(s->ui.Combo1->findText(field));
            s->ui.Combo2->setCurrentIndex(s->ui.Combo2->findText(op));
            s->ui.Text1->setText(value);
            s->ui.Combo3->setCurrentIndex(s->ui.Combo3->findText(rel));
            s->Command1_Click();
        };
        add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"), QStringLiteral("无"));
        add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("并且"));
        add(QStringLiteral("部门"), QStringLiteral("like(包含)"), QStringLiteral("销售部"), QStringLiteral("并且"));
        for (int r = 0; r < repeats; ++r) {
            w->ShowBasicView();
            combined.push_back(timeMs([&] { s->Command3_Click(); }));
            cpu.push_back(g_lastCpuMs);
        }
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d rows, peak %.1f MB)\n", "combined search (3)",
                    median(combined), median(cpu), w->data1->RecordCount(), peakMb());
        cpu.clear();
        combined.clear();
        while (s->ui.list1->count() > 0) s->Command2_Click();
        add(QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("E000777"), QStringLiteral("无"));
        for (int r = 0; r < repeats; ++r) {
            w->ShowBasicView();
            combined.push_back(timeMs([&] { s->Command3_Click(); }));
            cpu.push_back(g_lastCpuMs);
        }
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d rows, peak %.1f MB)\n", "combined = number",
                    median(combined), median(cpu), w->data1->RecordCount(), peakMb());
        s->Unload();

        // The written workbook is not opened while timing, and is removed afterwards.
        SetSpreadsheetOpener([](const QString& file) {
            std::printf("  %-22s %8.1f MB file\n", "", QFileInfo(file).size() / 1048576.0);
            QFile::remove(file);
            QDir().rmdir(QFileInfo(file).path());  // each workbook has a folder of its own
            return true;
        });
        w->ShowFullView();
        const double menu = timeMs([&] { w->da_Excel_Click(); });
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d x %d cells, peak %.1f MB)\n", "menu export", menu,
                    g_lastCpuMs, w->dgrid->Rows(), std::min(27, w->dgrid->Cols()), peakMb());
        const double toolbar = timeMs([&] { w->Toolbar1_ButtonClick(QStringLiteral("prn")); });
        std::printf("  %-22s %8.1f ms wall %8.1f ms cpu  (%d x %d cells, peak %.1f MB)\n", "toolbar export", toolbar,
                    g_lastCpuMs, w->dgrid->Rows(), w->dgrid->Cols(), peakMb());
        SetSpreadsheetOpener({});
    }
    std::printf("  %-22s %8.1f MB\n", "peak, with the exports", peakRssKb() / 1024.0);
    std::printf("  slowest view or sort %.1f ms\n\n", worst);
    std::fflush(stdout);

    WindowHost::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetProgramDir(QString());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterFontSubstitutions();
    // No box may wait for a click while timing; a message is printed instead.
    SetMsgHandler([](const MsgRecord& r) {
        std::fprintf(stderr, "message: %s\n", qPrintable(r.text));
        return MsgAnswer::OK;
    });
    WindowHost::SetEndHandler([] {});

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 10000, 100000, 1000000};
    const QString staged = qEnvironmentVariable("HALVERN_PROGRAM_DIR", QStringLiteral(HALVERN_STAGED_DIR));
    for (int n : sizes)
        if (n <= 0 || !run(n, staged)) return 1;
    return 0;
}
