#include "Form1.h"

#include "Formsjbf.h"
#include "Formsjhf.h"
#include "Formyf.h"
#include "common/ModuleState.h"
#include "Views.h"
#include "platform/Dates.h"
#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"
#include "platform/WindowFrame.h"
#include "platform/Texts.h"
#include "records/AddSearch.h"
#include "common/EmployeeRecord.h"
#include "records/Formdel.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "records/Formshow1.h"
#include "records/Formyglz.h"
#include "records/formmzb.h"
#include "records/formqhb.h"
#include "records/formshow.h"
#include "records/formygdd.h"
#include "training/Formnew.h"
#include "training/Formnew1.h"
#include "training/Formshowkh.h"
#include "training/Formshowkh1.h"
#include "training/Formshowpx.h"
#include "training/frmdadj.h"
#include "training/frmdaxg.h"
#include "training/Formbtdy.h"
#include "training/Formcsh.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUrl>

#include <cmath>
#include <optional>

namespace halvern {

using namespace platform;

namespace {

const QString kNodeSql = QStringLiteral("select * from 节点 order by 节点分类");
const Query kFirstSource{QStringLiteral("select * from 员工信息"), QStringLiteral(" order by 部门 desc")};
// Contracts that end before the cut-off (today + 30 days), expired ones included.
const QString kReminderSql = QStringLiteral(
    "select 员工编号,姓名,substr(合同到期日,1,10) as 合同到期日 from 员工信息 "
    "where 合同到期日<? and 合同到期日<>''");

constexpr qint32 kNoDrag = 0x7FFFFFFF;
constexpr quint32 kButtonFace = 0x8000000F;

// A value taken to the nearest 16-bit integer (halves to even); nothing when it does not fit.
std::optional<short> toInt16(double v) {
    const double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < -32768 || r > 32767) return std::nullopt;
    return static_cast<short>(r);
}

qint32 toInt32(double v) { return static_cast<qint32>(std::nearbyint(v)); }

int mouseButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftState(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace

const QString Form1::kHomePage = QStringLiteral("http://www.varno.com/");

std::function<void(const QString&)> Form1::ShellOpen = [](const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
};

Form1::Form1() {
    ui.setupUi(this);
    dgrid = ui.dgrid;
    list1 = ui.list1;
    data1 = new DataControl(this);
    Adodc1 = new DataControl(this);
    dgrid->SetDataSource(data1);
    list1->SetDataSource(Adodc1);
    GridFormat = QStringLiteral("xx");
    NodeSql = kNodeSql;

    // Design-time geometry of the panes, in twips, until the first layout.
    setPane(ui.tree, SplitMargin - 1, 650, 3000, 6000);
    setPane(ui.Splitter, 3000 + SplitMargin - 1, 650, 50, 6000);
    setPane(ui.Frame2, SplitMargin - 1, 6650, 3000, 3000);
    SetSplitterColor(kButtonFace);

    ui.Client->installEventFilter(this);
    ui.Splitter->installEventFilter(this);

    OnItemClick(ui.tree, [this](const QModelIndex& index) {
        if (QTreeWidgetItem* node = ui.tree->itemFromIndex(index)) tree_NodeClick(node);
    });
    connect(ui.tree, &QTreeWidget::itemExpanded, this, &Form1::tree_Expand);
    connect(dgrid, &FlexGrid::Click, this, &Form1::dgrid_Click);
    connect(dgrid, &FlexGrid::DblClick, this, &Form1::dgrid_DblClick);
    connect(dgrid, &FlexGrid::RowColChange, this, &Form1::dgrid_RowColChange);
    connect(dgrid, &FlexGrid::MouseUp, this, &Form1::dgrid_MouseUp);
    connect(list1, &FlexGrid::DblClick, this, &Form1::list1_DblClick);

    for (QAction* b : ui.Toolbar1Buttons) {
        const QString key = b->data().toString();
        connect(b, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }

    const auto on = [this](QAction* a, void (Form1::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on(ui.dazl, &Form1::dazl_Click);
    on(ui.jbqk, &Form1::jbqk_Click);
    on(ui.gzqk, &Form1::gzqk_Click);
    on(ui.qtjk, &Form1::qtjk_Click);
    on(ui.lrxyg, &Form1::lrxyg_Click);
    on(ui.modzl, &Form1::modzl_Click);
    on(ui.bmdd, &Form1::bmdd_Click);
    on(ui.yglz, &Form1::yglz_Click);
    on(ui.delzl, &Form1::delzl_Click);
    on(ui.zhcx, &Form1::zhcx_Click);
    on(ui.qczlqk, &Form1::qczlqk_Click);
    on(ui.bmcsh, &Form1::bmcsh_Click);
    on(ui.mzb, &Form1::mzb_Click);
    on(ui.qhb, &Form1::qhb_Click);
    on(ui.dack, &Form1::dack_Click);
    on(ui.dadj, &Form1::dadj_Click);
    on(ui.daxg, &Form1::daxg_Click);
    on(ui.dasc, &Form1::dasc_Click);
    on(ui.jlkhdy, &Form1::jlkhdy_Click);
    on(ui.ygkhdy, &Form1::ygkhdy_Click);
    on(ui.btdy, &Form1::btdy_Click);
    on(ui.da_Excel, &Form1::da_Excel_Click);
    on(ui.Rprint, &Form1::Rprint_Click);
    on(ui.zfgl, &Form1::zfgl_Click);
    on(ui.sjbf, &Form1::sjbf_Click);
    on(ui.sjhy, &Form1::sjhy_Click);
    on(ui.gszy, &Form1::gszy_Click);
    on(ui.CreatNew, &Form1::CreatNew_Click);
    on(ui.look, &Form1::look_Click);
    on(ui.up, &Form1::up_Click);
    on(ui.diaodong, &Form1::diaodong_Click);
    on(ui.lizhi, &Form1::lizhi_Click);
    on(ui.sortbh, &Form1::sortbh_Click);
    on(ui.sortbumen, &Form1::sortbumen_Click);
    on(ui.sortluyong, &Form1::sortluyong_Click);
    on(ui.sortzhiwei, &Form1::sortzhiwei_Click);
    on(ui.dellizhi, &Form1::dellizhi_Click);
    on(ui.CrPeixun, &Form1::CrPeixun_Click);
    on(ui.ZiliaoCh, &Form1::ZiliaoCh_Click);
    on(ui.ZiliaoDel, &Form1::ZiliaoDel_Click);

    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &Form1::updateClock);
    updateClock();
}

// ---------------------------------------------------------------- status bar

QString Form1::PanelText(int i) const {
    if (i < 1 || i > 5) return {};
    return ui.SBarPanels[i - 1]->text();
}

void Form1::SetPanelText(int i, const QString& text) {
    if (i < 1 || i > 5) return;
    ui.SBarPanels[i - 1]->setText(text);
}

void Form1::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    SetPanelText(1, now.date().toString(kShortDateFormat));
    SetPanelText(2, now.time().toString(QStringLiteral("HH:mm:ss")));
}

// ---------------------------------------------------------------- load

Form1::~Form1() { WithdrawMainWindow(this); }

void Form1::Form_Unload(bool& cancel) {
    if (!cancel) WithdrawMainWindow(this);
}

void Form1::HideWelcome() { ui.Frame3->hide(); }

void Form1::Form_Load() {
    // From here on the other windows reach this window, its grid among them.
    RegisterMainWindow(this);
    try {
        CheckEmployeeData();
        GridFormat = QStringLiteral("xx");
        SplitMargin = 5;
        SplitDragColor = 0x808080;
        DragStartX = kNoDrag;

        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        // The screen's size less 400 twips is the outer frame's, title bar included.
        SetFrameGeometry(this, QRect(0, 0, area.width(), area.height() - TwipsToPixels(400)));

        ui.Combo1->clear();
        // The full view's fields and name, whose table the grid shows whole at load.
        ui.Combo1->addItems(ViewAt(kFullView)->fields);
        ui.Combo1->setCurrentIndex(-1);

        ConnString = DbConnString();
        NodeSql = kNodeSql;
        buildTree();

        SetPanelText(3, ViewAt(kFullView)->name);

        data1->ConnectionString = DbConnString();
        data1->CommandType = 1;
        data1->RecordSource = kFirstSource;
        data1->Refresh();
        FormatMainGrid(*dgrid);

        loadReminder();
        if (Adodc1->RecordCount() == 0) Module().ReminderHasRows = false;
        FormatMainGrid(*list1);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法打开人事数据库 db2.mdb，程序将退出。\n%1").arg(e.message()), MsgButtons::OK,
               MsgIcon::Critical);
        Unload();
        WindowHost::EndProgram();
        return;
    }
    clock_->start();
    Form_Resize();
}

void Form1::buildTree() {
    ui.tree->clear();
    nodes_.clear();
    Recordset rs;
    rs.Open(NodeSql, ConnString, LockType::ReadOnly);
    QHash<QString, QTreeWidgetItem*> byKey;
    // An empty table gives an empty tree; a node whose parent is not an earlier node is left out.
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const QString parent = rs.Text(QStringLiteral("父节点"));
        const QString key = rs.Text(QStringLiteral("节点编号"));
        const QString caption = rs.Text(QStringLiteral("节点名"));
        if (byKey.contains(key)) continue;
        QTreeWidgetItem* node = nullptr;
        if (parent == QLatin1String("0")) {
            node = new QTreeWidgetItem(ui.tree, QStringList{caption});
        } else {
            QTreeWidgetItem* owner = byKey.value(parent);
            if (!owner) continue;
            node = new QTreeWidgetItem(owner, QStringList{caption});
        }
        node->setData(0, Qt::UserRole + 1, key);
        SetNodeImage(node, 1);
        byKey.insert(key, node);
        nodes_.push_back(node);
    }
    rs.Close();
}

void Form1::loadReminder() {
    Adodc1->ConnectionString = ConnString;
    Adodc1->CommandType = 1;
    Adodc1->RecordSource = {kReminderSql, {}, {StoreDate(QDate::currentDate().addDays(30))}};
    Adodc1->Refresh();
}

// ---------------------------------------------------------------- layout

Form1::TwipsRect Form1::Pane(const QWidget* pane) const {
    const auto it = panes_.find(pane);
    if (it != panes_.end()) return it->second;
    const QRect g = pane->geometry();
    return {double(PixelsToTwips(g.x())), double(PixelsToTwips(g.y())), double(PixelsToTwips(g.width())),
            double(PixelsToTwips(g.height()))};
}

bool Form1::setPane(QWidget* pane, double left, double top, double width, double height) {
    if (width < 0 || height < 0) return false;  // an impossible size is refused; the pane stays
    panes_[pane] = {left, top, width, height};
    pane->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
    return true;
}

double Form1::InnerWidth() const { return PixelsToTwips(ui.Client->width()); }

double Form1::InnerHeight() const { return PixelsToTwips(ui.Client->height()); }

void Form1::Form_Resize() {
    const int iw = ui.Client->width();
    const int ih = ui.Client->height();
    // The aligned bars follow the window whatever happens below.
    const int tbh = std::min(ui.Toolbar1->sizeHint().height(), TwipsToPixels(620));
    ui.Toolbar1->setGeometry(0, 0, iw, tbh);
    const int sbh = ui.SBar->sizeHint().height();
    ui.SBar->setGeometry(0, ih - sbh, iw, sbh);

    const double M = SplitMargin;
    const double treeWidth = Pane(ui.tree).width;
    short H = 0, TW = 0, X = 0, W = 0;
    if (auto v = toInt16(InnerHeight() - 620 - PixelsToTwips(sbh))) H = *v;
    if (auto v = toInt16(treeWidth)) TW = *v;
    if (auto v = toInt16(treeWidth + M + 50 - 1)) X = *v;
    if (auto v = toInt16(InnerWidth() - X - M)) W = *v;
    const std::optional<short> twoH = toInt16(2.0 * H);
    const double upper = twoH ? *twoH / 3.0 : 0;
    const double lower = H / 3.0;

    if (twoH) setPane(ui.tree, M - 1, 650, TW, upper);
    if (twoH) setPane(dgrid, X, 650, W + 1, upper);
    setPane(ui.Frame3, X, 650, W + 1, H);
    if (twoH) setPane(ui.Frame6, X, 650 + upper, W + 1, lower);
    setPane(ui.Splitter, treeWidth + M - 1, 650, 50, H);
    if (twoH) setPane(ui.Frame2, M - 1, 650 + upper, TW, lower);
    const TwipsRect f2 = Pane(ui.Frame2);
    // A frame too narrow or too low for the reminder list leaves the list where it was, which
    // is under the right-hand column by now: it stays out of sight until its frame holds it again.
    list1->setVisible(setPane(list1, f2.left + 50, f2.top + 200, f2.width - 100, f2.height - 240));

    const TwipsRect gif = Pane(ui.AniGif1);
    const double gifTop = std::max(0.0, (620 - gif.height) / 2);
    setPane(ui.AniGif1, InnerWidth() - gif.width - 30, gifTop, gif.width, gif.height);

    QScreen* screen = QGuiApplication::primaryScreen();
    const double screenHeight = PixelsToTwips(screen ? screen->geometry().height() : 768);
    const TwipsRect label = Pane(ui.Label1);
    setPane(ui.Label1, f2.left + f2.width / 2, screenHeight / 3, label.width, label.height);
}

// ---------------------------------------------------------------- splitter

void Form1::SetSplitterColor(quint32 color) {
    SplitterColor = color;
    QPalette pal = ui.Splitter->palette();
    // 0x8000000F is the desktop's button face.
    const QColor c = (color & 0x80000000u) ? QGuiApplication::palette().color(QPalette::Button)
                                           : QColor::fromRgb(color & 0xFFFFFF);
    pal.setColor(QPalette::Window, c);
    ui.Splitter->setPalette(pal);
}

void Form1::moveSplitterBy(double x) {
    const TwipsRect s = Pane(ui.Splitter);
    setPane(ui.Splitter, s.left + x, SplitMargin, 50, InnerHeight() - 2.0 * SplitMargin);
    ui.Splitter->raise();
}

void Form1::Splitter_MouseDown(int button, int shift, double x, double y) {
    if (button == 1) {
        SetSplitterColor(SplitDragColor);
        DragStartX = toInt32(x);
        return;
    }
    if (DragStartX != kNoDrag) Splitter_MouseUp(button, shift, x, y);
    DragStartX = kNoDrag;
}

// x is measured on the bar where it stands now, which the last step moved: a step
// as long as the one before is a step still to take, so every step moves the bar
// (a step of 0 leaves it where it is).
void Form1::Splitter_MouseMove(int /*button*/, int /*shift*/, double x, double /*y*/) {
    if (DragStartX == kNoDrag) return;
    moveSplitterBy(x);
    DragStartX = toInt32(x);
}

void Form1::Splitter_MouseUp(int /*button*/, int /*shift*/, double x, double /*y*/) {
    if (DragStartX == kNoDrag) return;
    moveSplitterBy(x);
    DragStartX = kNoDrag;
    SetSplitterColor(kButtonFace);
    const double left = Pane(ui.Splitter).left;
    const double inner = InnerWidth();
    TwipsRect t = Pane(ui.tree);
    if (left > 60 && left < inner - 60) t.width = left - t.left;
    else if (left <= 60) t.width = 60;
    else t.width = inner - 60;
    setPane(ui.tree, t.left, t.top, t.width, t.height);
    Form_Resize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui.Client && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if (watched == ui.Splitter) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease) {
            auto* e = static_cast<QMouseEvent*>(event);
            const double x = e->position().x() * kTwipsPerPixel;
            const double y = e->position().y() * kTwipsPerPixel;
            const int shift = shiftState(e->modifiers());
            if (type == QEvent::MouseButtonPress) Splitter_MouseDown(mouseButton(e->button()), shift, x, y);
            else if (type == QEvent::MouseMove) Splitter_MouseMove(mouseButton(e->button()), shift, x, y);
            else if (e->button() == Qt::LeftButton) Splitter_MouseUp(1, shift, x, y);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

// ---------------------------------------------------------------- tree

QTreeWidgetItem* Form1::Node(int position) const {
    if (position < 1 || position > NodeCount()) return nullptr;
    return nodes_[position - 1];
}

int Form1::NodeImage(int position) const {
    const QTreeWidgetItem* node = Node(position);
    return node ? node->data(0, Qt::UserRole).toInt() : 0;
}

void Form1::SetNodeImage(QTreeWidgetItem* node, int image) {
    if (!node || image < 1 || image > 4) return;
    node->setData(0, Qt::UserRole, image);
    node->setIcon(0, ui.ImageList1[image]);
}

void Form1::tree_NodeClick(QTreeWidgetItem* node) {
    if (!node) return;
    if (ui.tree->currentItem() != node) ui.tree->setCurrentItem(node);
    if (node->childCount() > 0) {
        node->setExpanded(!node->isExpanded());
        return;
    }
    ui.Frame3->hide();
    for (int i = 1; i <= NodeCount(); ++i) {
        QTreeWidgetItem* n = nodes_[i - 1];
        if (n != node) {
            SetNodeImage(n, 1);
            continue;
        }
        SetNodeImage(n, 3);
        const QString caption = n->text(0);
        SetPanelText(3, caption);
        ViewMode = static_cast<short>(i);
        if (const View* view = ViewAt(ViewMode)) FillView(*view, view->Source());
        ui.tree->viewport()->update();
        SetPanelText(3, caption);
    }
}

void Form1::tree_Expand(QTreeWidgetItem* node) { SetNodeImage(node, 4); }

// ---------------------------------------------------------------- views

bool Form1::FillView(const View& view, const Query& recordSource) {
    try {
        data1->Refresh(recordSource);
    } catch (const DbError& e) {
        // The grid keeps its rows; the view stays the one it was.
        MsgBox(QStringLiteral("无法读取这一视图的数据。\n%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
    GridFormat = view.gridFormat;
    ui.Combo1->clear();
    ui.Combo1->addItems(view.fields);
    ui.Combo1->setCurrentIndex(-1);
    if (!view.name.isEmpty()) SetPanelText(3, view.name);
    dgrid->SetRow(0);
    short& i = Module().LoopIndex;
    for (i = 0; i < dgrid->Cols(); ++i) {
        dgrid->SetCol(i);
        dgrid->SetColAlignment(i, FlexGrid::CenterCenter);
        dgrid->SetCellAlignment(FlexGrid::CenterCenter);
    }
    SetPanelText(5, QStringLiteral("共有记录%1条").arg(data1->RecordCount()));
    dgrid->SetRedraw(true);
    return true;
}

void Form1::ShowView(short position) {
    if (const View* view = ViewAt(position)) FillView(*view, view->Source());
}

void Form1::ShowFullView() { ShowView(kFullView); }
void Form1::ShowBasicView() { ShowView(kBasicView); }
void Form1::ShowWorkView() { ShowView(kWorkView); }
void Form1::ShowOtherView() { ShowView(kOtherView); }
void Form1::ShowLeaverView() { ShowView(kLeaverView); }
void Form1::ShowHistoryView() { ShowView(kHistoryView); }
void Form1::ShowTrainingView() { ShowView(kTrainingView); }
void Form1::ShowManagerList() { ShowView(kManagerList); }
void Form1::ShowStaffList() { ShowView(kStaffList); }

// ---------------------------------------------------------------- selection

void Form1::dgrid_Click() {
    const QString cell = dgrid->Text();
    const QString view = PanelText(3);
    Module().CurrentEmployeeNo = view == ViewCaption(kLeaverView) ? QString() : cell;
    Module().CurrentTrainingKey = view == ViewCaption(kTrainingView) ? TrimBlanks(cell) : QString();
    Module().CurrentAssessmentKey =
        (view == ViewCaption(kStaffList) || view == ViewCaption(kManagerList)) ? TrimBlanks(cell) : QString();
}

QString Form1::RecordWindowName(const QString& viewName) { return RecordWindowFor(viewName); }

void Form1::dgrid_DblClick() {
    Module().ViewEmployeeNo = dgrid->Text();
    if (dgrid->Row() < 1 || dgrid->TextMatrix(0, 1).isEmpty()) return;
    const QString window = RecordWindowName(PanelText(3));
    if (window == QLatin1String("Formshow1")) {
        WindowHost::Show(WindowHost::Default<Formshow1>(), ShowMode::Modal);
    } else if (window == QLatin1String("Formshowpx")) {
        WindowHost::Show(WindowHost::Default<Formshowpx>(), ShowMode::Modal);
    } else if (window == QLatin1String("Formshowkh")) {
        WindowHost::Show(WindowHost::Default<Formshowkh>(), ShowMode::Modal);
    } else if (window == QLatin1String("Formshowkh1")) {
        WindowHost::Show(WindowHost::Default<Formshowkh1>(), ShowMode::Modal);
    } else {
        WindowHost::Show(WindowHost::Default<formshow>(), ShowMode::Modal);
    }
}

void Form1::clearDetailPanel() {
    for (QLineEdit* box : {ui.Text5, ui.Text15, ui.Text20, ui.Text21, ui.Text19, ui.Text30, ui.Text28, ui.Text29,
                           ui.Text35, ui.Text31, ui.Text32, ui.Text33, ui.Text34, ui.Text36, ui.Text37, ui.Text25,
                           ui.Text27, ui.Text26, ui.Text44, ui.Text50, ui.Text64, ui.Text22, ui.Text46, ui.Text52,
                           ui.Text42, ui.Text48, ui.Text54})
        box->clear();
    ui.Image1->clear();
}

void Form1::dgrid_RowColChange() {
    const QString number = TrimBlanks(dgrid->Text());
    std::optional<EmployeeRecord> employee;
    try {
        employee = EmployeeRecord::Load(*Connection::open(ConnString), number);
    } catch (const DbError&) {
        clearDetailPanel();
        return;
    }
    if (!employee) {
        // Not an employee number (another view, the header row, another column): an empty panel.
        clearDetailPanel();
        return;
    }
    const struct {
        QLineEdit* box;
        const char16_t* column;
        bool date;
    } fields[] = {
        {ui.Text5, u"员工编号", false},   {ui.Text15, u"姓名", false},     {ui.Text20, u"部门", false},
        {ui.Text21, u"职位", false},      {ui.Text19, u"性别", false},     {ui.Text30, u"出生日期", true},
        {ui.Text28, u"民族", false},      {ui.Text29, u"学历", false},     {ui.Text35, u"体重", false},
        {ui.Text31, u"上岗证", false},    {ui.Text32, u"暂住证", false},   {ui.Text33, u"婚育证", false},
        {ui.Text34, u"录用日期", true},   {ui.Text36, u"身份证号", false}, {ui.Text37, u"合同编号", false},
        {ui.Text25, u"合同生效日", true}, {ui.Text27, u"身高", false},     {ui.Text26, u"合同到期日", true},
        {ui.Text44, u"籍贯", false},      {ui.Text50, u"毕业院校", false}, {ui.Text64, u"住址", false},
        {ui.Text22, u"特长", false},      {ui.Text46, u"婚否", false},     {ui.Text52, u"专业", false},
        {ui.Text42, u"政治面貌", false},  {ui.Text48, u"外语情况", false}, {ui.Text54, u"联系电话", false},
    };
    for (const auto& f : fields) {
        const QVariant v = employee->Value(QString::fromUtf16(f.column));
        f.box->setText(f.date ? ShowDate(v) : v.toString());
    }
    const QString picture = employee->Text(QStringLiteral("图片"));
    // A missing or unreadable photograph file shows an empty box.
    const QPixmap pm = picture.isEmpty() ? QPixmap() : LoadPicture(ProgramPath(picture));
    if (pm.isNull())
        ui.Image1->clear();
    else
        ui.Image1->setPixmap(pm.scaled(ui.Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Form1::list1_DblClick() {
    if (!Module().ReminderHasRows) return;
    Module().ViewEmployeeNo = list1->Text();
    WindowHost::Show(WindowHost::Default<formshow>(), ShowMode::Modal);
}

QMenu* Form1::PopupFor(short viewMode) const {
    const View* view = ViewAt(viewMode);
    switch (view ? view->popup : ViewPopup::None) {
    case ViewPopup::Employee: return ui.edtpop1;
    case ViewPopup::Leaver: return ui.edtpop2;
    case ViewPopup::Training: return ui.edtpop3;
    case ViewPopup::None: break;
    }
    return nullptr;
}

void Form1::dgrid_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
    if (button != 2 || !Module().HasEmployees || dgrid->Row() == 0) return;
    QMenu* menu = PopupFor(ViewMode);
    if (!menu) return;
    // The row's top within the grid, taken as a height in the window: the popup
    // opens over the upper part of the grid, whichever row was clicked.
    const double top = dgrid->CellTop() + 1000;
    menu->popup(ui.Client->mapToGlobal(QPoint(TwipsToPixels(4000), TwipsToPixels(top))));
}

// ---------------------------------------------------------------- menu commands

void Form1::dazl_Click() {
    ui.Frame3->hide();
    ShowFullView();
}

void Form1::jbqk_Click() {
    ui.Frame3->hide();
    ShowBasicView();
}

void Form1::gzqk_Click() {
    ui.Frame3->hide();
    ShowWorkView();
}

void Form1::qtjk_Click() {
    ui.Frame3->hide();
    ShowOtherView();
}

void Form1::dack_Click() {
    ui.Frame3->hide();
    ShowTrainingView();
}

void Form1::lrxyg_Click() { WindowHost::Show(WindowHost::Default<Formlr>(), ShowMode::Modal); }

void Form1::modzl_Click() { WindowHost::Show(WindowHost::Default<Formmod>(), ShowMode::Modal); }

void Form1::bmdd_Click() { WindowHost::Show(WindowHost::Default<formygdd>(), ShowMode::Modal); }

void Form1::yglz_Click() { WindowHost::Show(WindowHost::Default<Formyglz>(), ShowMode::Modal); }

void Form1::delzl_Click() {
    if (MsgBox(QStringLiteral("此操作将真正删除数据库中数据，请慎重操作"), MsgButtons::OKCancel, MsgIcon::Information) !=
        MsgAnswer::OK)
        return;
    WindowHost::Show(WindowHost::Default<Formdel>(), ShowMode::Modal);
}

void Form1::zhcx_Click() { WindowHost::Show(WindowHost::Default<AddSearch>(), ShowMode::Modal); }

void Form1::bmcsh_Click() { WindowHost::Show(WindowHost::Default<Formcsh>(), ShowMode::Modeless); }

void Form1::mzb_Click() { WindowHost::Show(WindowHost::Default<formmzb>(), ShowMode::Modal); }

void Form1::qhb_Click() { WindowHost::Show(WindowHost::Default<formqhb>(), ShowMode::Modal); }

void Form1::dadj_Click() { WindowHost::Show(WindowHost::Default<frmdadj>(), ShowMode::Modal); }

void Form1::daxg_Click() {
    const QString key = Module().CurrentTrainingKey;
    if (key.isEmpty() || key == QLatin1String("1")) {
        MsgBox(QStringLiteral("请先选择一条培训档案"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    WindowHost::Show(WindowHost::Default<frmdaxg>(), ShowMode::Modal);
}

void Form1::jlkhdy_Click() { WindowHost::Show(WindowHost::Default<Formnew>(), ShowMode::Modal); }

void Form1::ygkhdy_Click() { WindowHost::Show(WindowHost::Default<Formnew1>(), ShowMode::Modal); }

void Form1::btdy_Click() { WindowHost::Show(WindowHost::Default<Formbtdy>(), ShowMode::Modal); }

void Form1::zfgl_Click() { WindowHost::Show(WindowHost::Default<Formyf>(), ShowMode::Modal); }

void Form1::sjbf_Click() {
    Unload();
    WindowHost::Show(WindowHost::Default<Formsjbf>(), ShowMode::Modal);
    WindowHost::EndProgram();
}

void Form1::sjhy_Click() {
    Unload();
    WindowHost::Show(WindowHost::Default<Formsjhf>(), ShowMode::Modal);
}

void Form1::gszy_Click() { ShellOpen(kHomePage); }

// ---------------------------------------------------------------- popup commands

void Form1::CreatNew_Click() { WindowHost::Show(WindowHost::Default<Formlr>(), ShowMode::Modal); }

void Form1::look_Click() { dgrid_DblClick(); }

void Form1::up_Click() { WindowHost::Show(WindowHost::Default<Formmod>(), ShowMode::Modal); }

void Form1::diaodong_Click() { WindowHost::Show(WindowHost::Default<formygdd>(), ShowMode::Modal); }

void Form1::lizhi_Click() { WindowHost::Show(WindowHost::Default<Formyglz>(), ShowMode::Modal); }

void Form1::dellizhi_Click() { WindowHost::Show(WindowHost::Default<Formdel>(), ShowMode::Modal); }

void Form1::CrPeixun_Click() { WindowHost::Show(WindowHost::Default<frmdadj>(), ShowMode::Modal); }

void Form1::ZiliaoCh_Click() { WindowHost::Show(WindowHost::Default<frmdaxg>(), ShowMode::Modal); }

void Form1::ZiliaoDel_Click() { dasc_Click(); }

}  // namespace halvern
