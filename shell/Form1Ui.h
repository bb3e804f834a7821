// Controls of the main window. Panes below the toolbar are placed in twips by
// Form1::Form_Resize; the menu bar sits above the client area `Client`.
#pragma once

#include "platform/FlexGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QWidget>

#include <array>

namespace halvern {

struct Form1Ui {
    // Window structure: menu bar on top, everything else inside Client (the inner area).
    QMenuBar* menuBar = nullptr;
    QWidget* Client = nullptr;

    // Toolbar and quick-search row.
    QToolBar* Toolbar1 = nullptr;
    QList<QAction*> Toolbar1Buttons;  // lr, de, sx, cx, hcx, hhcx, hhhcx, ygdd, prn in this order; data() = key
    QAction* Button(const QString& key) const;
    QComboBox* Combo1 = nullptr;  // field names of the current view
    QComboBox* Combo2 = nullptr;  // seven operators
    QLineEdit* Text1 = nullptr;   // value
    QLabel* AniGif1 = nullptr;    // picture at the top right

    // Navigation tree and its images (index 1..4; 1 node, 3 clicked leaf, 4 expanded group).
    QTreeWidget* tree = nullptr;
    std::array<QIcon, 5> ImageList1;

    // Contract reminder.
    QGroupBox* Frame2 = nullptr;
    platform::FlexGrid* list1 = nullptr;

    // Main grid.
    platform::FlexGrid* dgrid = nullptr;

    // Welcome pane.
    QFrame* Frame3 = nullptr;
    QLabel* Label1 = nullptr;

    // Splitter bar between the tree column and the grid column.
    QFrame* Splitter = nullptr;

    // Detail panel under the grid.
    QFrame* Frame6 = nullptr;
    QLineEdit* Text5 = nullptr;   // 员工编号
    QLineEdit* Text15 = nullptr;  // 姓名
    QLineEdit* Text19 = nullptr;  // 性别
    QLineEdit* Text29 = nullptr;  // 学历
    QLineEdit* Text28 = nullptr;  // 民族
    QLineEdit* Text27 = nullptr;  // 身高
    QLineEdit* Text35 = nullptr;  // 体重
    QLineEdit* Text20 = nullptr;  // 部门
    QLineEdit* Text21 = nullptr;  // 职位
    QLineEdit* Text46 = nullptr;  // 婚否
    QLineEdit* Text32 = nullptr;  // 暂住证
    QLineEdit* Text33 = nullptr;  // 婚育证
    QLineEdit* Text42 = nullptr;  // 政治面貌
    QLineEdit* Text48 = nullptr;  // 外语情况
    QLineEdit* Text30 = nullptr;  // 出生日期
    QLineEdit* Text22 = nullptr;  // 特长
    QLineEdit* Text31 = nullptr;  // 上岗证
    QLineEdit* Text34 = nullptr;  // 录用日期
    QLineEdit* Text37 = nullptr;  // 合同编号
    QLineEdit* Text25 = nullptr;  // 合同生效日
    QLineEdit* Text26 = nullptr;  // 合同到期日
    QLineEdit* Text54 = nullptr;  // 联系电话
    QLineEdit* Text64 = nullptr;  // 住址
    QLineEdit* Text36 = nullptr;  // 身份证号
    QLineEdit* Text44 = nullptr;  // 籍贯
    QLineEdit* Text50 = nullptr;  // 毕业院校
    QLineEdit* Text52 = nullptr;  // 专业
    QLineEdit* Text24 = nullptr;  // 备注 (never filled)
    QGroupBox* Frame7 = nullptr;  // "员工照片"
    QLabel* Image1 = nullptr;
    QPushButton* Command1 = nullptr;  // "查看详细履历"

    // Status bar with five panels (SBarPanels[0] is panel 1).
    QStatusBar* SBar = nullptr;
    std::array<QLabel*, 5> SBarPanels{};

    // Menu bar headings, in order.
    QMenu* da = nullptr;    // 人事档案(&F)
    QMenu* htgl = nullptr;  // 合同管理(&e)
    QMenu* yzgl = nullptr;  // 员工管理(&Y)
    QMenu* cxzx = nullptr;  // 查询中心(&S)
    QMenu* csh = nullptr;   // 系统初始化(&I)
    QMenu* pxda = nullptr;  // 培训档案(&P)
    QMenu* khqk = nullptr;  // 考核情况(&K)
    QMenu* report = nullptr;  // 打印(&D)
    QMenu* yfgl = nullptr;  // 用户管理(&Z)
    QMenu* sjcl = nullptr;  // 数据处理(&B)
    QMenu* gywm = nullptr;  // 关于我们(&A)

    // Menu bar items.
    QAction* dazl = nullptr;
    QAction* mnueditbar = nullptr;
    QAction* jbqk = nullptr;
    QAction* gzqk = nullptr;
    QAction* qtjk = nullptr;
    QAction* htlr = nullptr;
    QAction* lrxyg = nullptr;
    QAction* modzl = nullptr;
    QAction* bmdd = nullptr;
    QAction* editbar = nullptr;
    QAction* yglz = nullptr;
    QAction* delzl = nullptr;
    QAction* zhcx = nullptr;
    QAction* qczlqk = nullptr;
    QAction* bmcsh = nullptr;
    QAction* mzb = nullptr;
    QAction* qhb = nullptr;
    QAction* dack = nullptr;
    QAction* fds = nullptr;
    QAction* dadj = nullptr;
    QAction* daxg = nullptr;
    QAction* dasc = nullptr;
    QAction* jlkhdy = nullptr;
    QAction* ygkhdy = nullptr;
    QAction* sdd = nullptr;
    QAction* nf = nullptr;
    QAction* btdy = nullptr;
    QAction* lrjlkh = nullptr;
    QAction* lrygkh = nullptr;
    QAction* da_Excel = nullptr;
    QAction* Rprint = nullptr;
    QAction* zfgl = nullptr;
    QAction* sjbf = nullptr;
    QAction* sjhy = nullptr;
    QAction* gszy = nullptr;

    // Popup menus (never in the menu bar).
    QMenu* edtpop1 = nullptr;  // employee views
    QAction* CreatNew = nullptr;
    QAction* look = nullptr;
    QAction* up = nullptr;
    QAction* ss = nullptr;
    QAction* diaodong = nullptr;
    QAction* lizhi = nullptr;
    QAction* ss1 = nullptr;
    QMenu* Sort1 = nullptr;
    QAction* sortbh = nullptr;
    QAction* sortbumen = nullptr;
    QAction* sortluyong = nullptr;
    QAction* sortzhiwei = nullptr;
    QMenu* edtpop2 = nullptr;  // leavers' view
    QAction* dellizhi = nullptr;
    QMenu* edtpop3 = nullptr;  // training view
    QAction* CrPeixun = nullptr;
    QAction* ZiliaoCh = nullptr;
    QAction* ZiliaoDel = nullptr;
    QMenu* edtpop = nullptr;  // tree editing, never shown
    QAction* crjd = nullptr;
    QAction* crzjd = nullptr;
    QAction* ed = nullptr;
    QAction* scjd = nullptr;

    void setupUi(QWidget* window);
};

}  // namespace halvern
