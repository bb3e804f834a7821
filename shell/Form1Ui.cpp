#include "Form1Ui.h"

#include "Form1Icons.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace halvern {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* heading(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* popup(QWidget* window, const char* name, const QString& caption) {
    auto* m = new QMenu(caption, window);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QLineEdit* box(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setMinimumWidth(40);
    return e;
}

}  // namespace

QAction* Form1Ui::Button(const QString& key) const {
    for (QAction* a : Toolbar1Buttons)
        if (a->data().toString() == key) return a;
    return nullptr;
}

void Form1Ui::setupUi(QWidget* window) {
    window->setWindowTitle(QStringLiteral("VARNO HRMS 人事管理系统 2.3"));
    window->setFont(QFont(QStringLiteral("宋体"), 9));

    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    outer->setMenuBar(menuBar);
    Client = new QWidget(window);
    Client->setObjectName(QStringLiteral("Client"));
    outer->addWidget(Client, 1);

    // Toolbar with the quick-search row between the editing and the search buttons.
    Toolbar1 = new QToolBar(Client);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Toolbar1->setMovable(false);
    struct ButtonDef {
        const char* key;
        QString caption;
        QString tip;
    };
    const ButtonDef buttons[] = {
        {"lr", QStringLiteral("录入"), QStringLiteral("录入新进员工资料")},
        {"de", QStringLiteral("删除"), QStringLiteral("删除离职人员")},
        {"sx", QStringLiteral("修改"), QStringLiteral("员工修改")},
        {"cx", QStringLiteral("查询"), QStringLiteral("查询")},
        {"hcx", QStringLiteral("查询"), QStringLiteral("查询")},
        {"hhcx", QStringLiteral("查询"), QStringLiteral("查询")},
        {"hhhcx", QStringLiteral("查询"), QStringLiteral("查询")},
        {"ygdd", QStringLiteral("员工调动"), QStringLiteral("员工调动")},
        {"prn", QStringLiteral("打印到EXCEL"), QStringLiteral("打印到EXCEL")},
    };
    Combo1 = new QComboBox(Client);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumContentsLength(8);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo2 = new QComboBox(Client);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->addItems({QStringLiteral("=(等于)"), QStringLiteral("<(小于)"), QStringLiteral(">(大于)"),
                      QStringLiteral("like(包含)"), QStringLiteral("<>(不等于)"), QStringLiteral("<=(小于等于)"),
                      QStringLiteral(">=(大于等于)")});
    Combo2->setCurrentIndex(-1);
    Text1 = new QLineEdit(Client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(130);
    for (const ButtonDef& b : buttons) {
        const QString key = QString::fromLatin1(b.key);
        if (key == QLatin1String("cx")) {
            Toolbar1->addSeparator();
            Toolbar1->addWidget(Combo1);
            Toolbar1->addWidget(Combo2);
            Toolbar1->addWidget(Text1);
        }
        if (key == QLatin1String("ygdd")) Toolbar1->addSeparator();
        QAction* a = Toolbar1->addAction(ToolbarImage(key), b.caption);
        a->setObjectName(key);
        a->setData(key);
        a->setToolTip(b.tip);
        Toolbar1Buttons << a;
    }

    AniGif1 = new QLabel(Client);
    AniGif1->setObjectName(QStringLiteral("AniGif1"));
    AniGif1->setPixmap(EmblemPicture());
    AniGif1->setFixedSize(AniGif1->pixmap().size());

    // Navigation tree.
    for (int i = 1; i <= 4; ++i) ImageList1[i] = TreeImage(i);
    tree = new QTreeWidget(Client);
    tree->setObjectName(QStringLiteral("tree"));
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setExpandsOnDoubleClick(false);
    tree->setIconSize(QSize(16, 16));

    // Contract reminder: the list lies over its frame, a sibling rather than a child.
    Frame2 = new QGroupBox(QStringLiteral("员工合同到期提示："), Client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    list1 = new platform::FlexGrid(Client);
    list1->setObjectName(QStringLiteral("list1"));

    dgrid = new platform::FlexGrid(Client);
    dgrid->setObjectName(QStringLiteral("dgrid"));
    // Every view centres all its columns and their headings; the headings show it from the start.
    dgrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    list1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    // Detail panel.
    Frame6 = new QFrame(Client);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setFrameShape(QFrame::StyledPanel);
    Frame6->setAutoFillBackground(true);  // opaque, like every pane of the window
    auto* detail = new QHBoxLayout(Frame6);
    detail->setContentsMargins(6, 4, 6, 4);
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    detail->addLayout(grid, 1);
    // Rows of captions, each with its box (member and name) and a unit standing after the box.
    struct Pair {
        QString label;
        QLineEdit** field;
        const char* name;
        QString unit = {};
    };
    const std::vector<std::vector<Pair>> rows = {
        {{QStringLiteral("员工编号"), &Text5, "Text5"}, {QStringLiteral("姓  名"), &Text15, "Text15"},
         {QStringLiteral("性  别"), &Text19, "Text19"}, {QStringLiteral("学  历"), &Text29, "Text29"}},
        {{QStringLiteral("民  族"), &Text28, "Text28"},
         {QStringLiteral("身  高"), &Text27, "Text27", QStringLiteral("cm")},
         {QStringLiteral("体  重"), &Text35, "Text35", QStringLiteral("kg")},
         {QStringLiteral("部  门"), &Text20, "Text20"}},
        {{QStringLiteral("职  务"), &Text21, "Text21"}, {QStringLiteral("婚  否"), &Text46, "Text46"},
         {QStringLiteral("暂住证"), &Text32, "Text32"}, {QStringLiteral("婚育证"), &Text33, "Text33"}},
        {{QStringLiteral("政治面貌"), &Text42, "Text42"}, {QStringLiteral("外语情况"), &Text48, "Text48"},
         {QStringLiteral("出生日期"), &Text30, "Text30"}, {QStringLiteral("特  长"), &Text22, "Text22"}},
        {{QStringLiteral("上岗证"), &Text31, "Text31"}, {QStringLiteral("录用日期"), &Text34, "Text34"},
         {QStringLiteral("合同编号"), &Text37, "Text37"}, {QStringLiteral("合同生效日"), &Text25, "Text25"}},
        {{QStringLiteral("合同终止日"), &Text26, "Text26"}, {QStringLiteral("联系电话"), &Text54, "Text54"},
         {QStringLiteral("住  址"), &Text64, "Text64"}},
        {{QStringLiteral("身份证号"), &Text36, "Text36"}, {QStringLiteral("籍贯"), &Text44, "Text44"}},
        {{QStringLiteral("毕业院校"), &Text50, "Text50"}, {QStringLiteral("专  业"), &Text52, "Text52"}},
        {{QStringLiteral("备  注"), &Text24, "Text24"}},
    };
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& pairs = rows[r];
        for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
            auto* label = new QLabel(pairs[i].label, Frame6);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, r, 2 * i);
            const bool last = i == static_cast<int>(pairs.size()) - 1;
            const int span = last ? 8 - 2 * i - 1 : 1;
            QLineEdit* field = *pairs[i].field = box(Frame6, pairs[i].name);
            if (pairs[i].unit.isEmpty()) {
                grid->addWidget(field, r, 2 * i + 1, 1, span);
            } else {
                auto* cell = new QHBoxLayout();
                cell->setSpacing(2);
                cell->addWidget(field, 1);
                cell->addWidget(new QLabel(pairs[i].unit, Frame6));
                grid->addLayout(cell, r, 2 * i + 1, 1, span);
            }
        }
    }
    for (int c = 1; c < 8; c += 2) grid->setColumnStretch(c, 1);
    auto* photo = new QVBoxLayout();
    Frame7 = new QGroupBox(QStringLiteral("员工照片"), Frame6);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    auto* photoBox = new QVBoxLayout(Frame7);
    photoBox->setContentsMargins(4, 4, 4, 4);
    Image1 = new QLabel(Frame7);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFixedSize(120, 150);
    photoBox->addWidget(Image1);
    photo->addWidget(Frame7, 1);
    Command1 = new QPushButton(QStringLiteral("查看详细履历"), Frame6);
    Command1->setObjectName(QStringLiteral("Command1"));
    photo->addWidget(Command1);
    detail->addLayout(photo);

    // Welcome pane over the grid and the detail panel.
    Frame3 = new QFrame(Client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setFrameShape(QFrame::StyledPanel);
    Frame3->setAutoFillBackground(true);
    Label1 = new QLabel(QStringLiteral("欢迎您使用岚铂软件。"), Frame3);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont welcome(QStringLiteral("宋体"), 22);
    welcome.setBold(true);
    Label1->setFont(welcome);
    Label1->setStyleSheet(QStringLiteral("color: #2b4f81;"));
    Label1->adjustSize();

    Splitter = new QFrame(Client);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setCursor(Qt::SplitHCursor);
    Splitter->setAutoFillBackground(true);

    SBar = new QStatusBar(Client);
    SBar->setObjectName(QStringLiteral("SBar"));
    SBar->setSizeGripEnabled(false);
    const int widths[5] = {100, 80, 200, 0, 260};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(Client);
        panel->setObjectName(QStringLiteral("SBarPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (widths[i]) panel->setMinimumWidth(widths[i]);
        SBar->addWidget(panel, widths[i] ? 0 : 1);
        SBarPanels[i] = panel;
    }
    SBarPanels[3]->setText(QStringLiteral("岚铂软件 VARNO HRMS 2.3"));

    // Menu bar.
    da = heading(menuBar, "da", QStringLiteral("人事档案(&F)"));
    dazl = item(da, "dazl", QStringLiteral("完整资料"));
    mnueditbar = separator(da, "mnueditbar");
    jbqk = item(da, "jbqk", QStringLiteral("基本情况"));
    gzqk = item(da, "gzqk", QStringLiteral("工作情况"));
    qtjk = item(da, "qtjk", QStringLiteral("其他情况"));

    htgl = heading(menuBar, "htgl", QStringLiteral("合同管理(&e)"));
    htlr = item(htgl, "htlr", QStringLiteral("合同录入"));
    htgl->menuAction()->setEnabled(false);  // switched off: greyed

    yzgl = heading(menuBar, "yzgl", QStringLiteral("员工管理(&Y)"));
    lrxyg = item(yzgl, "lrxyg", QStringLiteral("录入新进员工"));
    modzl = item(yzgl, "modzl", QStringLiteral("修改员工资料"));
    bmdd = item(yzgl, "bmdd", QStringLiteral("员工部门调动"));
    editbar = separator(yzgl, "editbar");
    yglz = item(yzgl, "yglz", QStringLiteral("员工离职处理"));
    delzl = item(yzgl, "delzl", QStringLiteral("删除离职人员资料"));

    cxzx = heading(menuBar, "cxzx", QStringLiteral("查询中心(&S)"));
    zhcx = item(cxzx, "zhcx", QStringLiteral("综合查询"));

    csh = heading(menuBar, "csh", QStringLiteral("系统初始化(&I)"));
    qczlqk = item(csh, "qczlqk", QStringLiteral("期初人事资料清空"));
    bmcsh = item(csh, "bmcsh", QStringLiteral("部门初始化"));
    mzb = item(csh, "mzb", QStringLiteral("查看民族表"));
    qhb = item(csh, "qhb", QStringLiteral("查看区划表"));

    pxda = heading(menuBar, "pxda", QStringLiteral("培训档案(&P)"));
    dack = item(pxda, "dack", QStringLiteral("档案查看"));
    fds = separator(pxda, "fds");
    dadj = item(pxda, "dadj", QStringLiteral("档案登记"));
    daxg = item(pxda, "daxg", QStringLiteral("档案修改"));
    dasc = item(pxda, "dasc", QStringLiteral("档案删除"));

    khqk = heading(menuBar, "khqk", QStringLiteral("考核情况(&K)"));
    jlkhdy = item(khqk, "jlkhdy", QStringLiteral("经理级考核表定义"));
    ygkhdy = item(khqk, "ygkhdy", QStringLiteral("员工级考核表定义"));
    sdd = separator(khqk, "sdd");
    nf = item(khqk, "nf", QStringLiteral("查看年份"));
    nf->setEnabled(false);
    btdy = item(khqk, "btdy", QStringLiteral("表头定义"));
    lrjlkh = item(khqk, "lrjlkh", QStringLiteral("输入经理考核"));
    lrjlkh->setEnabled(false);
    lrygkh = item(khqk, "lrygkh", QStringLiteral("输入员工考核"));
    lrygkh->setEnabled(false);

    report = heading(menuBar, "report", QStringLiteral("打印(&D)"));
    da_Excel = item(report, "da_Excel", QStringLiteral("打印到EXCEl"));
    Rprint = item(report, "Rprint", QStringLiteral("打印"));

    yfgl = heading(menuBar, "yfgl", QStringLiteral("用户管理(&Z)"));
    zfgl = item(yfgl, "zfgl", QStringLiteral("账户管理"));

    sjcl = heading(menuBar, "sjcl", QStringLiteral("数据处理(&B)"));
    sjbf = item(sjcl, "sjbf", QStringLiteral("数据备份"));
    sjhy = item(sjcl, "sjhy", QStringLiteral("数据还原"));

    gywm = heading(menuBar, "gywm", QStringLiteral("关于我们(&A)"));
    gszy = item(gywm, "gszy", QStringLiteral("公司主页"));

    // Popup menus.
    edtpop1 = popup(window, "edtpop1", QStringLiteral("edit1"));
    CreatNew = item(edtpop1, "CreatNew", QStringLiteral("新建 (&CR)"));
    look = item(edtpop1, "look", QStringLiteral("查看 (&S)"));
    up = item(edtpop1, "up", QStringLiteral("修改 (&C)"));
    ss = separator(edtpop1, "ss");
    diaodong = item(edtpop1, "diaodong", QStringLiteral("调动 (&D)"));
    lizhi = item(edtpop1, "lizhi", QStringLiteral("离职 (&L)"));
    ss1 = separator(edtpop1, "ss1");
    Sort1 = edtpop1->addMenu(QStringLiteral("排序"));
    Sort1->setObjectName(QStringLiteral("Sort1"));
    Sort1->menuAction()->setObjectName(QStringLiteral("Sort1"));
    sortbh = item(Sort1, "sortbh", QStringLiteral("员工编号"));
    sortbumen = item(Sort1, "sortbumen", QStringLiteral("按部门"));
    sortluyong = item(Sort1, "sortluyong", QStringLiteral("录用日期"));
    sortzhiwei = item(Sort1, "sortzhiwei", QStringLiteral("按职位"));

    edtpop2 = popup(window, "edtpop2", QStringLiteral("edit2"));
    dellizhi = item(edtpop2, "dellizhi", QStringLiteral("删除资料(&D)"));

    edtpop3 = popup(window, "edtpop3", QStringLiteral("edit3"));
    CrPeixun = item(edtpop3, "CrPeixun", QStringLiteral("新建培训(&C)"));
    ZiliaoCh = item(edtpop3, "ZiliaoCh", QStringLiteral("修改资料(&CH)"));
    ZiliaoDel = item(edtpop3, "ZiliaoDel", QStringLiteral("资料删除(&D)"));

    edtpop = popup(window, "edtpop", QStringLiteral("edit"));
    crjd = item(edtpop, "crjd", QStringLiteral("插入节点"));
    crzjd = item(edtpop, "crzjd", QStringLiteral("插入子节点"));
    ed = separator(edtpop, "ed");
    scjd = item(edtpop, "scjd", QStringLiteral("删除节点"));

    Frame3->raise();
    AniGif1->raise();
}

}  // namespace halvern
