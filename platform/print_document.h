#pragma once
// The report document: pages of positioned text runs, table cells, rules and
// images, laid out once and drawn by one function on the preview, a printer
// or a PDF file, so that every output breaks its pages the same way.
//
// Usage:
//   PrintDocument doc;
//   doc.setPageStartHandler([](PrintDocument& d) { ... logo, margins ... });
//   doc.OpenDocument();                       // resets every setting
//   doc.setTypeface("Arial"); doc.setTypeSize(16); doc.setTypeBold(true);
//   doc.setLeftMargin(".5in");                // lengths as text "<number>in", or inches
//   doc.WriteText("Title\n");                 // LF or CR LF ends a line; text without
//                                             // one leaves the position on its line
//   doc.setFooterText("||Right part\nsecond line\nPage %d");
//   doc.OpenTable(); doc.setTableRuling(0);
//   doc.AddTableRows("<+~2.00in|<+~4.00in", "Name|Wall", "a|b;c|d;");   // text form
//   doc.AddTableRows("<+~2.00in|<+~4.00in", {"Name", "Wall"}, {{"a|b", "c;d"}});  // cells
//   doc.TableCellSetting(TableCellBold, 0, true);  // header row bold
//   doc.CloseTable();
//   doc.BreakPage();
//   doc.CloseDocument();                      // only now does the document count as finished
//   doc.render(&pdfWriterOrPrinter);  doc.writePdf(path);  doc.dump();
//
// Positions are points (1/72 in) from the paper's top left corner; the page
// is US Letter portrait (612 x 792 pt), drawn as it is on Letter paper and
// scaled to fit any other paper. Text is measured on one fixed 1200 dpi
// device, whatever the output.
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <functional>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace dv {

struct PrintFont {
    QString face = QStringLiteral("Arial");
    double size = 10;   // points
    bool bold = false;
    bool accent = false;  // the second style, drawn italic
    bool operator==(const PrintFont&) const = default;
};

struct PrintItem {
    enum class Kind { Text, Cell, Footer, Rule, Image };
    Kind kind = Kind::Text;
    // Text, Cell, Footer: left and top of the run's line box, its width and
    // height; Rule: from (x, y) to (x + width, y + height); Image: its box.
    QRectF box;
    double baseline = 0;  // Text, Cell, Footer: baseline from the top of the page
    QString text;
    PrintFont font;
    QImage image;
};

struct PrintPage {
    std::vector<PrintItem> items;
};

// A finished document: what the preview, the printer and the PDF show.
struct PrintModel {
    std::vector<PrintPage> pages;
    double pageWidth = 612;
    double pageHeight = 792;
};

// Table cell setting that makes a row bold (row 0 is the header row).
constexpr int TableCellBold = 25;

class PrintDocument {
public:
    PrintDocument();
    ~PrintDocument();
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;

    // Raised as each page begins, overflow pages included, after the page
    // exists and before anything is placed on it.
    void setPageStartHandler(std::function<void(PrintDocument&)> handler);

    // Starts a new document and resets every setting (fonts, margins,
    // alignment, open table, footer); page 1 begins at once.
    void OpenDocument();
    // Finishes the document: from now on it is the one shown and written.
    // Without it the document being drawn is dropped at the next
    // OpenDocument and the last finished one stays.
    void CloseDocument();
    bool isOpen() const { return open_; }
    // The page being drawn, from 1; 0 when no document is open.
    int CurrentPage() const { return open_ ? static_cast<int>(working_.pages.size()) : 0; }
    // Ends the page; later output starts on a new page.
    void BreakPage();

    void setTypeface(const QString& face);
    QString Typeface() const { return font_.face; }
    void setTypeSize(double points);
    double TypeSize() const { return font_.size; }
    void setTypeBold(bool bold);
    bool TypeBold() const { return font_.bold; }
    void setTypeAccent(bool accent);
    bool TypeAccent() const { return font_.accent; }

    // Margins in inches from the paper's edges; reading returns the value
    // last set. The left margin is also the left edge of later text and
    // tables; the top and bottom margins bound the body of later pages and
    // of the current one.
    void setLeftMargin(const QString& length) { setLeftMargin(inches(length)); }
    void setLeftMargin(double in);
    double LeftMargin() const { return left_; }
    void setRightMargin(const QString& length) { setRightMargin(inches(length)); }
    void setRightMargin(double in);
    double RightMargin() const { return right_; }
    void setTopMargin(const QString& length) { setTopMargin(inches(length)); }
    void setTopMargin(double in);
    double TopMargin() const { return top_; }
    void setBottomMargin(const QString& length) { setBottomMargin(inches(length)); }
    void setBottomMargin(double in);
    double BottomMargin() const { return bottom_; }
    void setHeaderMargin(const QString& length) { setHeaderMargin(inches(length)); }
    void setHeaderMargin(double in);
    double HeaderMargin() const { return header_; }
    // The margins in force now are the current page's own: its footer is
    // placed from them, whatever margins the text in flow sets later. A
    // page-start handler calls it once it has set the page's margins; a
    // page whose handler does not takes the margins in force when the
    // handler returns.
    void KeepPageMargins();
    // Paragraph bounds in inches from the paper's left edge. Text starts at
    // the left margin; a paragraph right bound inside the right margin
    // narrows the line. 0 leaves a bound unset.
    void setParagraphLeft(const QString& length) { setParagraphLeft(inches(length)); }
    void setParagraphLeft(double in);
    double ParagraphLeft() const { return paraLeft_; }
    void setParagraphRight(const QString& length) { setParagraphRight(inches(length)); }
    void setParagraphRight(double in);
    double ParagraphRight() const { return paraRight_; }
    // 0 left, 1 centre, 2 right.
    void setParagraphAlign(int align);
    int ParagraphAlign() const { return align_; }

    // Writes text at the current position: a line feed, or a carriage
    // return and line feed, ends a line; long text wraps at blanks; a line
    // that does not fit above the footer continues on a new page.
    void WriteText(const QString& text);
    // Text written while this is on stands together: when it does not fit
    // below what the page already holds, it starts the next page whole. A
    // block taller than a page flows on. The last line written goes with
    // the block even when it is ended after the block is switched off.
    void setKeepTogether(bool keep);

    // Running footer of every page: parts separated by "|" (left, centre,
    // right), a line feed between lines, "%d" replaced by the page number.
    // A page takes the footer in force when it ends.
    void setFooterText(const QString& text);
    QString FooterText() const { return footerText_; }
    void setFooterTypeface(const QString& face);
    void setFooterTypeSize(double points);

    // Draws an image on the current page with its top left corner at x, y
    // (inches), at 96 pixels to the inch. A null image draws nothing.
    void DrawImage(const QImage& image, double xInches, double yInches);

    // Tables, drawn at the current position with their left edge at the left
    // margin, laid out when CloseTable is called. The format has one entry
    // per column, separated by "|": alignment "<" left, "^" centre, ">"
    // right, the flags "+" and "~" (accepted; every cell wraps its text within
    // its column), then the width ("2.50in"). Stated widths are kept even
    // past the right margin. The header row is bold and is repeated at the
    // top of every page onto which the table continues. A table whose header
    // and first row do not fit on the page starts the next page, and its
    // caption (the text lines just above it) goes with it.
    void OpenTable();
    // 0 no rules; any other value rules the cells with lines on every side.
    void setTableRuling(int ruling);
    // Text form: header cells separated by "|"; body rows ended by ";",
    // cells separated by "|".
    void AddTableRows(const QString& format, const QString& header, const QString& body);
    // Structured form: a cell's text is kept whole, "|" and ";" included.
    void AddTableRows(const QString& format, const QStringList& header, const std::vector<QStringList>& body);
    // setting TableCellBold makes the row bold or plain (row 0 the header).
    void TableCellSetting(int setting, int row, bool value);
    void CloseTable();

    // The last finished document.
    const PrintModel& model() const { return finished_; }
    int pageCount() const { return static_cast<int>(finished_.pages.size()); }
    // One line per item of the finished document, for tests:
    //   "<page> <T|C|F> <x>,<y> <size>[B][A] <text>"  (text runs, cells, footer lines)
    //   "<page> R <x1>,<y1> <x2>,<y2>"                (rules)
    //   "<page> I <x>,<y> <width>x<height>"          (images)
    // positions in inches with three decimals.
    QString dump() const;
    // The texts of one page (1-based) of the finished document, one item a line.
    QStringList pageTexts(int page) const;

    // Draws pages fromPage to toPage (1-based, both included; toPage 0 for
    // the last) of the finished document on a paged device (printer, PDF
    // writer, preview), one device page per page.
    void render(QPagedPaintDevice* device, int fromPage = 1, int toPage = 0) const;
    static void renderModel(const PrintModel& model, QPagedPaintDevice* device, int fromPage = 1, int toPage = 0);
    // Where a page lands on the paper of a layout, from the model's points
    // to points from the paper's top left corner: unchanged on paper of the
    // page's own size; on any other paper uniformly scaled to fit inside the
    // layout's margins (the printable area) and centred.
    static QTransform paperTransform(const PrintModel& model, const QPageLayout& layout);
    // Writes the finished document as a PDF file; AppError when it cannot.
    void writePdf(const QString& fileName) const;

    // "<number>in" in inches; AppError for any other text.
    static double inches(const QString& length);

private:
    struct Impl;
    Impl* d_;

    bool open_ = false;
    PrintFont font_;
    double left_ = 1, right_ = 1, top_ = 1, bottom_ = 1, header_ = 0.5;
    double paraLeft_ = 0, paraRight_ = 0;
    int align_ = 0;
    QString footerText_;
    PrintFont footerFont_;
    PrintModel working_;
    PrintModel finished_;
    std::function<void(PrintDocument&)> pageStart_;

    void resetSettings();
    void requireOpen(const char* operation) const;
    void beginPage();
    void finishPage();
    void commitLine(bool lineEnd);
    void placeRun(const QString& text, double width);
    double bodyBottom() const;
    double textRight() const;
    void layoutTable();
    void breakPageKeepingCaption();
    void moveLinesToNextPage(size_t firstLine);
};

}  // namespace dv
