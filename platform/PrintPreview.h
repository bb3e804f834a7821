// The print-preview control: lays out a report (texts placed on the page and
// one grid as a table over as many pages as it needs, header row repeated),
// shows it with its own toolbar (print, export to PDF, zoom, close) and prints
// only when the user asks. The hosting window answers its events: page set-up,
// the contents, the grid heading and the print options.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QPrintPreviewWidget;
class QToolBar;
class QAction;

namespace platform {

class FlexGrid;

class PrintPreview : public QWidget {
    Q_OBJECT
public:
    explicit PrintPreview(QWidget* parent = nullptr);
    ~PrintPreview() override;

    // Position and size inside the hosting window, in twips.
    void Move(double left, double top, double width, double height);
    // Hands over the grid to print; its cells are read when the document is laid out.
    void OutGrid(FlexGrid* grid);
    // Places a text on the current page at x, y (twips from the paper's top-left corner).
    // The last two values are accepted for the caller's sake and not used here.
    void OutText(double x, double y, const QString& fontName, double fontSize, quint32 color, bool bold, bool italic,
                 bool strikeOut, bool underline, const QString& text, int extra1, bool extra2);

    // Page set-up as answered in PrintPrepare (centimetres).
    float LeftMargin() const { return setup_.left; }
    float RightMargin() const { return setup_.right; }
    float TopMargin() const { return setup_.top; }
    float BottomMargin() const { return setup_.bottom; }
    int PaperSize() const { return setup_.paperSize; }
    int PaperOrientation() const { return setup_.orientation; }
    int StartZoom() const { return setup_.zoom; }
    bool ControlBarVisible() const { return setup_.controlBar; }

    // Raises the events that build the document and shows it; runs once, on
    // first show, or earlier when called.
    void Start();
    bool Started() const { return started_; }
    int PageCount() const;
    // Where the grid starts on the first page, in twips, as GridHeading returned it.
    double GridTop() const { return gridTop_; }
    // The printed width of each grid column, in twips.
    QList<double> ColumnWidths() const;
    // Print options as answered in DocumentFinished.
    short Copies() const { return options_.copies; }
    bool Collate() const { return options_.collate; }
    bool DoublePage() const { return options_.doublePage; }
    bool AllPages() const { return options_.allPages; }

    // Writes the document to a PDF file; false (and why) when it cannot.
    bool ExportPdf(const QString& file, QString* why = nullptr);
    // Prints to the system's default printer after StartPrint; false when nothing was printed.
    bool Print();
    // The toolbar's buttons.
    void PrintClicked();
    void ExportClicked();
    void ZoomIn();
    void ZoomOut();
    void QuitClicked();

    QPrintPreviewWidget* previewWidget() const { return preview_; }
    QToolBar* toolBar() const { return bar_; }

    // Asks for the PDF file name; tests replace it so no dialog waits.
    using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
    static void SetPdfFileChooser(FileChooser chooser);

signals:
    void PrintPrepare(bool& bPrepare, int& PaperSize, float& CustPaperWidth, float& CustPaperHeight,
                      float& LeftMargin, float& RightMargin, float& TopMargin, float& BottomMargin,
                      int& PaperOrientation, int& StartZoom, bool& DesignMode, bool& ControlBar);
    void PreCreateData();
    void GridHeading(float& top);
    void DocumentFinished(bool& DoPrint, short& mCopys, bool& bPrintByCopy, bool& TotalPage, bool& DblPage,
                          QList<int>& Pages);
    void StartPrint(bool& Cancel);
    void EndPrint();
    void Quit();

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Setup {
        int paperSize = 9;
        float custWidth = 0;
        float custHeight = 0;
        float left = 2.0f;
        float right = 1.0f;
        float top = 2.0f;
        float bottom = 1.0f;
        int orientation = 1;
        int zoom = 100;
        bool designMode = false;
        bool controlBar = true;
    };
    struct Options {
        bool doPrint = false;
        short copies = 1;
        bool collate = true;
        bool allPages = true;
        bool doublePage = false;
        QList<int> pages;
    };
    struct Document;

    void applySetup(QPrinter& printer) const;
    void layout();
    bool render(QPrinter* printer, const QList<int>& onlyPages = {});

    Setup setup_;
    Options options_;
    bool started_ = false;
    bool shownHome_ = false;
    double gridTop_ = 0;
    int currentPage_ = 0;
    QPointer<FlexGrid> grid_;
    std::unique_ptr<Document> doc_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* preview_ = nullptr;
    QToolBar* bar_ = nullptr;
};

}  // namespace platform
