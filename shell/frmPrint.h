#pragma once

#include "frmPrintUi.h"
#include "platform/WindowHost.h"

#include <QList>

namespace halvern {

// The print preview of the main grid: answers the preview control's events
// with the report's page set-up, the grid, its title and the print options.
// Each print request makes a new one; it stays open beside the main window.
class frmPrint : public platform::Form {
public:
    frmPrint();
    QString FormName() const override { return QStringLiteral("frmPrint"); }
    frmPrintUi ui;
    platform::PrintPreview* pv = nullptr;

    void Form_Resize();
    void pv_PrintPrepare(bool& bPrepare, int& PaperSize, float& CustPaperWidth, float& CustPaperHeight,
                         float& LeftMargin, float& RightMargin, float& TopMargin, float& BottomMargin,
                         int& PaperOrientation, int& StartZoom, bool& DesignMode, bool& ControlBar);
    void pv_PreCreateData();
    void pv_GridHeading(float& top);
    void pv_DocumentFinished(bool& DoPrint, short& mCopys, bool& bPrintByCopy, bool& TotalPage, bool& DblPage,
                             QList<int>& Pages);
    void pv_StartPrint(bool& Cancel);
    void pv_EndPrint();
    void pv_Quit();

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace halvern
