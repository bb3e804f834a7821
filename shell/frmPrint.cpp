#include "frmPrint.h"

#include "common/ModuleState.h"
#include "platform/Pictures.h"

#include <QResizeEvent>

namespace halvern {

using namespace platform;

namespace {
const QString kReportTitle = QStringLiteral("人事资料数据报表");
const QString kTitleFont = QStringLiteral("楷体_GB2312");
constexpr quint32 kWindowTextColor = 0x80000008;
}  // namespace

frmPrint::frmPrint() {
    ui.setupUi(this);
    pv = ui.pv;
    connect(pv, &PrintPreview::PrintPrepare, this, &frmPrint::pv_PrintPrepare, Qt::DirectConnection);
    connect(pv, &PrintPreview::PreCreateData, this, &frmPrint::pv_PreCreateData, Qt::DirectConnection);
    connect(pv, &PrintPreview::GridHeading, this, &frmPrint::pv_GridHeading, Qt::DirectConnection);
    connect(pv, &PrintPreview::DocumentFinished, this, &frmPrint::pv_DocumentFinished, Qt::DirectConnection);
    connect(pv, &PrintPreview::StartPrint, this, &frmPrint::pv_StartPrint, Qt::DirectConnection);
    connect(pv, &PrintPreview::EndPrint, this, &frmPrint::pv_EndPrint, Qt::DirectConnection);
    connect(pv, &PrintPreview::Quit, this, &frmPrint::pv_Quit, Qt::DirectConnection);
    Form_Resize();
}

void frmPrint::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    Form_Resize();
}

void frmPrint::Form_Resize() {
    if (isMinimized()) return;
    // The control fills the window less a border; a window too small for it leaves the control empty.
    const QRect outer = frameGeometry();
    pv->Move(45, 60, PixelsToTwips(outer.width()) - 240, PixelsToTwips(outer.height()) - 620);
}

void frmPrint::pv_PrintPrepare(bool& bPrepare, int& PaperSize, float& CustPaperWidth, float& CustPaperHeight,
                               float& LeftMargin, float& RightMargin, float& TopMargin, float& BottomMargin,
                               int& PaperOrientation, int& StartZoom, bool& DesignMode, bool& ControlBar) {
    (void)CustPaperWidth;
    (void)CustPaperHeight;
    bPrepare = true;
    PaperSize = 9;  // A4
    LeftMargin = 2.0f;
    RightMargin = 1.0f;
    TopMargin = 2.0f;
    BottomMargin = 1.0f;
    PaperOrientation = 1;  // portrait
    StartZoom = 100;
    DesignMode = true;
    ControlBar = true;
}

void frmPrint::pv_PreCreateData() {
    PrintMainGrid(*pv);
}

void frmPrint::pv_GridHeading(float& top) {
    pv->OutText(1144, 1343, kTitleFont, 35, kWindowTextColor, false, false, false, false, kReportTitle, 10, true);
    // Top margin in twips, the title's height (35 pt) and a gap.
    top = pv->TopMargin() * 567.0f + 700.0f + 200.0f;
}

void frmPrint::pv_DocumentFinished(bool& DoPrint, short& mCopys, bool& bPrintByCopy, bool& TotalPage, bool& DblPage,
                                   QList<int>& Pages) {
    (void)Pages;
    DoPrint = false;  // the user prints from the preview
    mCopys = 1;
    bPrintByCopy = true;
    TotalPage = true;
    DblPage = false;
}

void frmPrint::pv_StartPrint(bool& Cancel) { (void)Cancel; }

void frmPrint::pv_EndPrint() {}

// Closed as by its close box, so a preview left open as the program's last window ends the program.
void frmPrint::pv_Quit() { close(); }

}  // namespace halvern
