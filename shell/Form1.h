#pragma once

#include "Form1Ui.h"
#include "common/ModuleState.h"
#include "platform/DataControl.h"
#include "platform/WindowHost.h"

#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class QTimer;
class QTreeWidgetItem;

namespace halvern {

struct View;

// The main window: navigation tree, the main grid and its views, the detail
// panel, the contract reminder, toolbar, quick search and the menus.
class Form1 : public platform::Form, public MainWindowAccess {
public:
    Form1();
    ~Form1() override;
    QString FormName() const override { return QStringLiteral("Form1"); }
    Form1Ui ui;

    platform::DataControl* data1 = nullptr;   // record source of dgrid
    platform::DataControl* Adodc1 = nullptr;  // record source of list1
    platform::FlexGrid* dgrid = nullptr;
    platform::FlexGrid* list1 = nullptr;

    // Window state.
    QString ConnString;     // personnel database, built at load
    QString NodeSql;        // query of the navigation tree
    QString GridFormat;     // print layout of the current view; "xx" = not printable
    short ViewMode = 0;     // position of the last clicked leaf node (1-based)
    short SplitMargin = 5;
    quint32 SplitDragColor = 0x808080;
    qint32 DragStartX = 0x7FFFFFFF;  // 0x7FFFFFFF: no drag in progress

    quint32 SplitterColor = 0x8000000F;  // current colour of the splitter bar
    void SetSplitterColor(quint32 color);

    // Pane geometry in twips (the window's inner area is the one below the menu bar).
    struct TwipsRect {
        double left = 0, top = 0, width = 0, height = 0;
    };
    TwipsRect Pane(const QWidget* pane) const;
    double InnerWidth() const;
    double InnerHeight() const;

    // Status-bar panels 1..5.
    QString PanelText(int i) const;
    void SetPanelText(int i, const QString& text) override;

    // What the other windows reach of the main window (MainWindowAccess).
    platform::DataControl& MainData() override { return *data1; }
    platform::FlexGrid& MainGrid() override { return *dgrid; }
    void HideWelcome() override;
    QIcon Icon() const override { return windowIcon(); }

    // Tree nodes in load order: position i (1-based) is Node(i).
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    QTreeWidgetItem* Node(int position) const;
    int NodeImage(int position) const;  // index into ImageList1
    void SetNodeImage(QTreeWidgetItem* node, int image);

    // Handlers.
    void Form_Resize();
    void tree_NodeClick(QTreeWidgetItem* node);
    void tree_Expand(QTreeWidgetItem* node);
    void dgrid_Click();
    void dgrid_DblClick();
    void dgrid_RowColChange();
    void dgrid_MouseUp(int button, int shift, double x, double y);
    void list1_DblClick();
    void Splitter_MouseDown(int button, int shift, double x, double y);
    void Splitter_MouseMove(int button, int shift, double x, double y);
    void Splitter_MouseUp(int button, int shift, double x, double y);

    // The record window a double-click opens for a view name ("formshow", "Formshow1", ...).
    static QString RecordWindowName(const QString& viewName);
    // The grid popup of a view position, or none.
    QMenu* PopupFor(short viewMode) const;

    // View fillers: each shows its view of the views table (Views.h).
    void ShowView(short position);
    void ShowFullView();
    void ShowBasicView();
    void ShowWorkView();
    void ShowOtherView();
    void ShowLeaverView();
    void ShowHistoryView();
    void ShowTrainingView();
    void ShowManagerList();
    void ShowStaffList();
    // The steps every filler takes, with the view's query or one of its sorts.
    // A query that fails is reported and leaves the grid and the view as they were.
    bool FillView(const View& view, const platform::Query& recordSource);

    // Menu bar commands.
    void dazl_Click();
    void jbqk_Click();
    void gzqk_Click();
    void qtjk_Click();
    void lrxyg_Click();
    void modzl_Click();
    void bmdd_Click();
    void yglz_Click();
    void delzl_Click();
    void zhcx_Click();
    void qczlqk_Click();  // Form1Cleanup.cpp
    void bmcsh_Click();
    void mzb_Click();
    void qhb_Click();
    void dack_Click();
    void dadj_Click();
    void daxg_Click();
    void dasc_Click();  // Form1Cleanup.cpp
    void jlkhdy_Click();
    void ygkhdy_Click();
    void btdy_Click();
    void da_Excel_Click();  // Form1Toolbar.cpp
    void Rprint_Click();    // Form1Cleanup.cpp
    void zfgl_Click();
    void sjbf_Click();
    void sjhy_Click();
    void gszy_Click();

    // Popup commands.
    void CreatNew_Click();
    void look_Click();
    void up_Click();
    void diaodong_Click();
    void lizhi_Click();
    void sortbh_Click();      // Form1Toolbar.cpp
    void sortbumen_Click();   // Form1Toolbar.cpp
    void sortluyong_Click();  // Form1Toolbar.cpp
    void sortzhiwei_Click();  // Form1Toolbar.cpp
    void dellizhi_Click();
    void CrPeixun_Click();
    void ZiliaoCh_Click();
    void ZiliaoDel_Click();

    // Toolbar (Form1Toolbar.cpp).
    void Toolbar1_ButtonClick(const QString& key);

    // The maker's web page opened by 公司主页, and how the desktop opens it (tests replace it).
    static const QString kHomePage;
    static std::function<void(const QString&)> ShellOpen;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTree();
    void loadReminder();
    void clearDetailPanel();
    void updateClock();
    void moveSplitterBy(double x);
    // Places a pane in twips; a negative size is refused and the pane stays where it was.
    bool setPane(QWidget* pane, double left, double top, double width, double height);

    std::vector<QTreeWidgetItem*> nodes_;
    std::map<const QWidget*, TwipsRect> panes_;
    QTimer* clock_ = nullptr;
};

}  // namespace halvern
