#include "platform/print_document.h"

#include "platform/app_error.h"
#include "platform/numbers.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <map>

namespace dv {

namespace {

constexpr double kMeasureDpi = 1200;
constexpr double kPxToPt = 72.0 / kMeasureDpi;
constexpr double kEps = 0.01;            // points
constexpr double kFooterBottom = 27;     // the footer's last line ends 0.375 in above the paper's edge
constexpr double kFooterGap = 4;         // between the body and the footer
constexpr double kCellPadX = 2;
constexpr double kCellPadY = 1;
constexpr double kRuleWidth = 0.5;
constexpr long kFileAccessError = 75;
constexpr size_t kNoKeep = static_cast<size_t>(-1);

QFont makeFont(const PrintFont& f)
{
    QFont q(f.face);
    q.setPointSizeF(f.size);
    q.setBold(f.bold);
    q.setItalic(f.accent);
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

// Every font is measured on one device, so that every output breaks lines
// and pages alike.
class Measurer {
public:
    Measurer() : writer_(&buffer_)
    {
        buffer_.open(QIODevice::WriteOnly);
        writer_.setResolution(static_cast<int>(kMeasureDpi));
    }
    const QFontMetricsF& metrics(const PrintFont& f)
    {
        const QString key = f.face + QLatin1Char('/') + QString::number(f.size) + (f.bold ? QStringLiteral("B") : QString()) +
                            (f.accent ? QStringLiteral("A") : QString());
        auto it = cache_.find(key);
        if (it == cache_.end())
            it = cache_.emplace(key, QFontMetricsF(makeFont(f), &writer_)).first;
        return it->second;
    }

private:
    QBuffer buffer_;
    QPdfWriter writer_;
    std::map<QString, QFontMetricsF> cache_;
};

Measurer& measurer()
{
    static Measurer m;
    return m;
}

double textWidth(const PrintFont& f, const QString& s) { return measurer().metrics(f).horizontalAdvance(s) * kPxToPt; }
double lineSpacing(const PrintFont& f) { return measurer().metrics(f).lineSpacing() * kPxToPt; }
double ascent(const PrintFont& f) { return measurer().metrics(f).ascent() * kPxToPt; }

// How many characters of s go on a line of the given width: up to the last
// blank before which the text fits; 0 when not even the first word fits.
int wordBreak(const PrintFont& f, const QString& s, double avail)
{
    int best = 0;
    for (int i = 1; i < s.size(); ++i) {
        if (s[i] != QLatin1Char(' ') || s[i - 1] == QLatin1Char(' '))
            continue;
        if (textWidth(f, s.left(i)) <= avail + kEps)
            best = i;
        else
            break;
    }
    return best;
}

// The most characters of s that fit (at least one): for a word longer than
// the line.
int charBreak(const PrintFont& f, const QString& s, double avail)
{
    int lo = 1, hi = static_cast<int>(s.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (textWidth(f, s.left(mid)) <= avail + kEps)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

QString trimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString trimLeft(const QString& s)
{
    qsizetype n = 0;
    while (n < s.size() && s[n] == QLatin1Char(' '))
        ++n;
    return s.mid(n);
}

// Splits text at LF; a CR before the LF belongs to the line end.
QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lines;
}

// Lines of a cell's text wrapped within the width.
QStringList wrapLines(const PrintFont& f, const QString& text, double width)
{
    QStringList out;
    for (QString s : splitLines(text)) {
        if (s.isEmpty()) {
            out << QString();
            continue;
        }
        while (!s.isEmpty()) {
            if (textWidth(f, s) <= width + kEps) {
                out << s;
                break;
            }
            int n = wordBreak(f, s, width);
            if (n == 0)
                n = charBreak(f, s, width);
            out << trimRight(s.left(n));
            s = trimLeft(s.mid(n));
        }
    }
    return out;
}

struct Column {
    int align = 0;  // 0 left, 1 centre, 2 right
    double width = 0;  // points
};

std::vector<Column> parseFormat(const QString& format)
{
    std::vector<Column> cols;
    for (const QString& entry : format.split(QLatin1Char('|'))) {
        Column c;
        int i = 0;
        while (i < entry.size() && QStringLiteral("<^>+~").contains(entry[i])) {
            if (entry[i] == QLatin1Char('<'))
                c.align = 0;
            else if (entry[i] == QLatin1Char('^'))
                c.align = 1;
            else if (entry[i] == QLatin1Char('>'))
                c.align = 2;
            ++i;
        }
        c.width = PrintDocument::inches(entry.mid(i)) * 72;
        cols.push_back(c);
    }
    return cols;
}

QString inchText(double points) { return QString::number(points / 72, 'f', 3); }

}  // namespace

struct PrintDocument::Impl {
    struct Pending {
        PrintItem item;
        double ascent;
        double spacing;
    };
    struct Table {
        std::vector<Column> columns;
        bool hasHeader = false;
        std::vector<QStringList> rows;  // row 0 the header when hasHeader
        std::map<int, bool> bold;       // by row; the header is bold unless set otherwise
        int ruling = 0;
    };

    double cy = 0;       // top of the current line, points
    double cx = -1;      // end of the text on the current line; -1 at the start of a line
    bool bodyOnPage = false;  // flowed text or a table row stands on this page
    double footerLeft = 0, footerRight = 0;  // the page's own margins
    bool pageMarginsKept = false;
    bool inPageStart = false;
    std::vector<Pending> pending;
    // The text lines placed on this page since its last table row or image:
    // where their items begin, their top and height, and whether the line
    // is blank or follows other body output on the page.
    struct LineMark {
        size_t firstItem;
        double top, height;
        bool blank, afterBody;
    };
    std::vector<LineMark> lines;
    // The first line of the block kept together, kNoKeep when none.
    size_t keepFrom = kNoKeep;
    bool keepClosing = false;
    bool tableOpen = false;
    Table table;

    PrintPage& page(PrintModel& m) { return m.pages.back(); }
};

PrintDocument::PrintDocument() : d_(new Impl) {}

PrintDocument::~PrintDocument() { delete d_; }

void PrintDocument::setPageStartHandler(std::function<void(PrintDocument&)> handler) { pageStart_ = std::move(handler); }

double PrintDocument::inches(const QString& length)
{
    const QString t = length.trimmed();
    double v = 0;
    if (!t.endsWith(QStringLiteral("in"), Qt::CaseInsensitive) || !parseStrictNumber(t.chopped(2), &v) || v < 0)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid length \"%1\".").arg(length));
    return v;
}

void PrintDocument::resetSettings()
{
    font_ = PrintFont{};
    left_ = right_ = top_ = bottom_ = 1;
    header_ = 0.5;
    paraLeft_ = paraRight_ = 0;
    align_ = 0;
    footerText_.clear();
    footerFont_ = PrintFont{};
    footerFont_.size = 8;
    d_->pending.clear();
    d_->tableOpen = false;
    d_->table = Impl::Table{};
    d_->cx = -1;
    d_->cy = 0;
    d_->bodyOnPage = false;
    d_->keepFrom = kNoKeep;
    d_->keepClosing = false;
}

void PrintDocument::requireOpen(const char* operation) const
{
    if (!open_)
        throw AppError(err::InvalidProcedureCall,
                       QStringLiteral("%1: the report document is not open.").arg(QLatin1String(operation)));
}

void PrintDocument::OpenDocument()
{
    resetSettings();
    working_ = PrintModel{};
    open_ = true;
    beginPage();
}

void PrintDocument::CloseDocument()
{
    requireOpen("CloseDocument");
    if (d_->tableOpen)
        CloseTable();
    commitLine(false);
    finishPage();
    finished_ = std::move(working_);
    working_ = PrintModel{};
    open_ = false;
}

void PrintDocument::BreakPage()
{
    requireOpen("BreakPage");
    commitLine(false);
    finishPage();
    beginPage();
}

void PrintDocument::beginPage()
{
    working_.pages.emplace_back();
    d_->cx = -1;
    d_->bodyOnPage = false;
    d_->lines.clear();
    // A block kept together moves at most once; past a page break it flows.
    d_->keepFrom = kNoKeep;
    d_->pageMarginsKept = false;
    if (pageStart_ && !d_->inPageStart) {
        d_->inPageStart = true;
        try {
            pageStart_(*this);
        } catch (...) {
            d_->inPageStart = false;
            throw;
        }
        d_->inPageStart = false;
    }
    d_->cy = top_ * 72;
    if (!d_->pageMarginsKept)
        KeepPageMargins();
}

void PrintDocument::KeepPageMargins()
{
    d_->footerLeft = left_ * 72;
    d_->footerRight = working_.pageWidth - right_ * 72;
    d_->pageMarginsKept = true;
}

namespace {

struct FooterParts {
    QStringList parts[3];
    int lines = 0;
};

FooterParts footerParts(const QString& text, int pageNumber)
{
    FooterParts f;
    if (text.isEmpty())
        return f;
    QStringList split = text.split(QLatin1Char('|'));
    while (split.size() > 3)
        split[split.size() - 2] += QLatin1Char('|') + split.takeLast();
    for (int i = 0; i < split.size(); ++i) {
        QString part = split[i];
        part.replace(QStringLiteral("%d"), QString::number(pageNumber));
        if (!part.isEmpty())
            f.parts[i] = splitLines(part);
        f.lines = std::max(f.lines, static_cast<int>(f.parts[i].size()));
    }
    return f;
}

}  // namespace

double PrintDocument::bodyBottom() const
{
    double bottom = working_.pageHeight - bottom_ * 72;
    const FooterParts f = footerParts(footerText_, 1);
    if (f.lines > 0) {
        const double footerTop = working_.pageHeight - kFooterBottom - f.lines * lineSpacing(footerFont_);
        bottom = std::min(bottom, footerTop - kFooterGap);
    }
    return bottom;
}

void PrintDocument::finishPage()
{
    PrintPage& page = d_->page(working_);
    const int number = static_cast<int>(working_.pages.size());
    const FooterParts f = footerParts(footerText_, number);
    if (f.lines == 0)
        return;
    const double spacing = lineSpacing(footerFont_);
    const double top = working_.pageHeight - kFooterBottom - f.lines * spacing;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < f.parts[p].size(); ++i) {
            const QString& s = f.parts[p][i];
            if (s.isEmpty())
                continue;
            const double w = textWidth(footerFont_, s);
            double x = d_->footerLeft;
            if (p == 1)
                x = (d_->footerLeft + d_->footerRight - w) / 2;
            else if (p == 2)
                x = d_->footerRight - w;
            PrintItem item;
            item.kind = PrintItem::Kind::Footer;
            item.box = QRectF(x, top + i * spacing, w, spacing);
            item.baseline = top + i * spacing + ascent(footerFont_);
            item.text = s;
            item.font = footerFont_;
            page.items.push_back(std::move(item));
        }
    }
}

double PrintDocument::textRight() const
{
    double right = working_.pageWidth - right_ * 72;
    const double para = paraRight_ * 72;
    if (para > left_ * 72 + kEps && para < right)
        right = para;
    return right;
}

void PrintDocument::commitLine(bool lineEnd)
{
    if (d_->pending.empty() && !lineEnd) {
        d_->cx = -1;
        return;
    }
    std::vector<Impl::Pending> line = std::move(d_->pending);
    d_->pending.clear();
    double height = 0, asc = 0;
    for (const auto& p : line) {
        height = std::max(height, p.spacing);
        asc = std::max(asc, p.ascent);
    }
    if (line.empty())
        height = lineSpacing(font_);
    if (d_->bodyOnPage && d_->cy + height > bodyBottom() + kEps) {
        // A block kept together that began lower on this page moves whole;
        // one that fills a page by itself flows on.
        if (d_->keepFrom < d_->lines.size() && d_->lines[d_->keepFrom].afterBody)
            moveLinesToNextPage(d_->keepFrom);
        else {
            finishPage();
            beginPage();
        }
    }
    PrintPage& page = d_->page(working_);
    d_->lines.push_back({page.items.size(), d_->cy, height, line.empty(), d_->bodyOnPage});
    for (auto& p : line) {
        p.item.box.moveTop(d_->cy);
        p.item.baseline = d_->cy + asc;
        page.items.push_back(std::move(p.item));
    }
    d_->cy += height;
    d_->cx = -1;
    d_->bodyOnPage = true;
    if (d_->keepClosing) {
        d_->keepFrom = kNoKeep;
        d_->keepClosing = false;
    }
}

void PrintDocument::placeRun(const QString& text, double width)
{
    const double left = left_ * 72;
    const double start = d_->cx < 0 ? left : std::max(d_->cx, left);
    const double right = textRight();
    double x = start;
    if (align_ == 2)
        x = std::max(start, right - width);
    else if (align_ == 1)
        x = std::max(start, (start + right - width) / 2);
    Impl::Pending p;
    p.item.kind = PrintItem::Kind::Text;
    p.item.box = QRectF(x, 0, width, lineSpacing(font_));
    p.item.text = text;
    p.item.font = font_;
    p.ascent = ascent(font_);
    p.spacing = lineSpacing(font_);
    d_->pending.push_back(std::move(p));
    d_->cx = x + width;
}

void PrintDocument::WriteText(const QString& text)
{
    requireOpen("WriteText");
    const QStringList lines = splitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        QString s = lines[i];
        while (!s.isEmpty()) {
            const double left = left_ * 72;
            const double start = d_->cx < 0 ? left : std::max(d_->cx, left);
            const double avail = textRight() - start;
            const double w = textWidth(font_, s);
            if (w <= avail + kEps) {
                placeRun(s, w);
                break;
            }
            int n = wordBreak(font_, s, avail);
            if (n == 0) {
                if (!d_->pending.empty() || start > left + kEps) {
                    // Not even the first word fits after what the line holds:
                    // it starts the next line.
                    commitLine(true);
                    continue;
                }
                n = charBreak(font_, s, avail);
            }
            const QString piece = trimRight(s.left(n));
            placeRun(piece, textWidth(font_, piece));
            commitLine(true);
            s = trimLeft(s.mid(n));
        }
        if (i + 1 < lines.size())
            commitLine(true);
    }
}

void PrintDocument::setTypeface(const QString& face) { font_.face = face; }
void PrintDocument::setTypeSize(double points)
{
    if (!std::isfinite(points) || points <= 0 || points > 1000)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid type size."));
    font_.size = points;
}
void PrintDocument::setTypeBold(bool bold) { font_.bold = bold; }
void PrintDocument::setTypeAccent(bool accent) { font_.accent = accent; }

namespace {
double checkedMargin(double in)
{
    if (!std::isfinite(in) || in < 0 || in > 20)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid margin."));
    return in;
}
}  // namespace

void PrintDocument::setLeftMargin(double in) { left_ = checkedMargin(in); }
void PrintDocument::setRightMargin(double in) { right_ = checkedMargin(in); }
void PrintDocument::setTopMargin(double in) { top_ = checkedMargin(in); }
void PrintDocument::setBottomMargin(double in) { bottom_ = checkedMargin(in); }
void PrintDocument::setHeaderMargin(double in) { header_ = checkedMargin(in); }
void PrintDocument::setParagraphLeft(double in) { paraLeft_ = checkedMargin(in); }
void PrintDocument::setParagraphRight(double in) { paraRight_ = checkedMargin(in); }

void PrintDocument::setParagraphAlign(int align)
{
    if (align < 0 || align > 2)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid paragraph alignment."));
    align_ = align;
}

void PrintDocument::setFooterText(const QString& text) { footerText_ = text; }
void PrintDocument::setFooterTypeface(const QString& face) { footerFont_.face = face; }
void PrintDocument::setFooterTypeSize(double points)
{
    if (!std::isfinite(points) || points <= 0 || points > 1000)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid type size."));
    footerFont_.size = points;
}

void PrintDocument::DrawImage(const QImage& image, double xInches, double yInches)
{
    requireOpen("DrawImage");
    if (image.isNull())
        return;
    PrintItem item;
    item.kind = PrintItem::Kind::Image;
    item.box = QRectF(xInches * 72, yInches * 72, image.width() * 0.75, image.height() * 0.75);
    item.image = image;
    d_->page(working_).items.push_back(std::move(item));
    d_->lines.clear();
}

void PrintDocument::OpenTable()
{
    requireOpen("OpenTable");
    commitLine(false);
    d_->tableOpen = true;
    d_->table = Impl::Table{};
}

void PrintDocument::setTableRuling(int ruling)
{
    d_->table.ruling = ruling;
}

void PrintDocument::AddTableRows(const QString& format, const QString& header, const QString& body)
{
    std::vector<QStringList> rows;
    if (!body.isEmpty()) {
        QStringList texts = body.split(QLatin1Char(';'));
        if (texts.last().isEmpty())
            texts.removeLast();
        for (const QString& r : texts)
            rows.push_back(r.split(QLatin1Char('|')));
    }
    AddTableRows(format, header.isEmpty() ? QStringList() : header.split(QLatin1Char('|')), rows);
}

void PrintDocument::AddTableRows(const QString& format, const QStringList& header, const std::vector<QStringList>& body)
{
    requireOpen("AddTableRows");
    if (!d_->tableOpen)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("AddTableRows: no table is open."));
    Impl::Table& t = d_->table;
    t.columns = parseFormat(format);
    if (!header.isEmpty() && !t.hasHeader && t.rows.empty()) {
        t.hasHeader = true;
        t.rows.push_back(header);
    }
    for (const QStringList& r : body)
        t.rows.push_back(r);
}

void PrintDocument::TableCellSetting(int setting, int row, bool value)
{
    requireOpen("TableCellSetting");
    if (setting != TableCellBold)
        throw AppError(err::InvalidProcedureCall, QStringLiteral("Unknown table cell setting %1.").arg(setting));
    d_->table.bold[row] = value;
}

void PrintDocument::CloseTable()
{
    requireOpen("CloseTable");
    if (!d_->tableOpen)
        return;
    layoutTable();
    d_->tableOpen = false;
    d_->table = Impl::Table{};
}

void PrintDocument::layoutTable()
{
    const Impl::Table& t = d_->table;
    if (t.columns.empty() || t.rows.empty())
        return;
    struct Laid {
        std::vector<QStringList> cells;
        PrintFont font;
        double height = 0;
    };
    const double x0 = left_ * 72;
    double totalWidth = 0;
    for (const Column& c : t.columns)
        totalWidth += c.width;
    std::vector<Laid> laid;
    for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
        Laid l;
        l.font = font_;
        const auto b = t.bold.find(r);
        l.font.bold = b != t.bold.end() ? b->second : (t.hasHeader && r == 0) || font_.bold;
        int lines = 1;
        for (size_t c = 0; c < t.columns.size(); ++c) {
            const QString text = c < static_cast<size_t>(t.rows[r].size()) ? t.rows[r][static_cast<int>(c)] : QString();
            QStringList w = wrapLines(l.font, text, std::max(1.0, t.columns[c].width - 2 * kCellPadX));
            lines = std::max(lines, static_cast<int>(w.size()));
            l.cells.push_back(w);
        }
        l.height = lines * lineSpacing(l.font) + 2 * kCellPadY;
        laid.push_back(std::move(l));
    }

    bool firstOnPage = true;
    auto place = [&](const Laid& l) {
        PrintPage& page = d_->page(working_);
        const double spacing = lineSpacing(l.font);
        const double asc = ascent(l.font);
        double x = x0;
        for (size_t c = 0; c < t.columns.size(); ++c) {
            const Column& col = t.columns[c];
            for (int i = 0; i < l.cells[c].size(); ++i) {
                const QString& s = l.cells[c][i];
                if (s.isEmpty())
                    continue;
                const double w = textWidth(l.font, s);
                double cxl = x + kCellPadX;
                if (col.align == 2)
                    cxl = x + col.width - kCellPadX - w;
                else if (col.align == 1)
                    cxl = x + (col.width - w) / 2;
                PrintItem item;
                item.kind = PrintItem::Kind::Cell;
                const double top = d_->cy + kCellPadY + i * spacing;
                item.box = QRectF(cxl, top, w, spacing);
                item.baseline = top + asc;
                item.text = s;
                item.font = l.font;
                page.items.push_back(std::move(item));
            }
            x += col.width;
        }
        if (t.ruling != 0) {
            auto rule = [&](double x1, double y1, double w, double h) {
                PrintItem item;
                item.kind = PrintItem::Kind::Rule;
                item.box = QRectF(x1, y1, w, h);
                page.items.push_back(std::move(item));
            };
            if (firstOnPage)
                rule(x0, d_->cy, totalWidth, 0);
            rule(x0, d_->cy + l.height, totalWidth, 0);
            double vx = x0;
            rule(vx, d_->cy, 0, l.height);
            for (const Column& col : t.columns) {
                vx += col.width;
                rule(vx, d_->cy, 0, l.height);
            }
        }
        d_->cy += l.height;
        d_->bodyOnPage = true;
        d_->lines.clear();
        firstOnPage = false;
    };
    auto newPage = [&]() {
        finishPage();
        beginPage();
        firstOnPage = true;
        if (t.hasHeader)
            place(laid[0]);
    };

    size_t r = 0;
    if (t.hasHeader) {
        // The header does not stand alone at the foot of a page.
        const double need = laid[0].height + (laid.size() > 1 ? laid[1].height : 0);
        if (d_->bodyOnPage && d_->cy + need > bodyBottom() + kEps)
            breakPageKeepingCaption();
        place(laid[0]);
        r = 1;
    }
    for (; r < laid.size(); ++r) {
        const double headerHeight = t.hasHeader ? laid[0].height : 0;
        if (d_->bodyOnPage && d_->cy + laid[r].height > bodyBottom() + kEps &&
            d_->cy > top_ * 72 + headerHeight + kEps)
            newPage();
        place(laid[r]);
    }
    d_->cx = -1;
}

void PrintDocument::breakPageKeepingCaption()
{
    // The caption is what stands in the last lines above the table, blank
    // lines between its parts included, from the start of a paragraph: a
    // wall's heading and a list's caption go with their first table. A
    // longer paragraph stays where it is.
    constexpr size_t kCaptionLines = 4;
    const auto& lines = d_->lines;
    size_t end = lines.size();
    while (end > 0 && lines[end - 1].blank)
        --end;
    size_t start = end;
    for (size_t s = end; s-- > 0 && end - s <= kCaptionLines;) {
        if (!lines[s].blank && (s == 0 || lines[s - 1].blank))
            start = s;
    }
    if (start < end && lines[start].afterBody)
        moveLinesToNextPage(start);
    else {
        finishPage();
        beginPage();
    }
}

void PrintDocument::moveLinesToNextPage(size_t firstLine)
{
    const auto& lines = d_->lines;
    PrintPage& old = d_->page(working_);
    const auto from = old.items.begin() + static_cast<std::ptrdiff_t>(lines[firstLine].firstItem);
    std::vector<PrintItem> moved(std::make_move_iterator(from), std::make_move_iterator(old.items.end()));
    old.items.erase(from, old.items.end());
    const double top = lines[firstLine].top;
    const double height = lines.back().top + lines.back().height - top;
    finishPage();
    beginPage();
    const double dy = d_->cy - top;
    PrintPage& page = d_->page(working_);
    for (PrintItem& item : moved) {
        item.box.translate(0, dy);
        item.baseline += dy;
        page.items.push_back(std::move(item));
    }
    d_->cy += height;
    d_->bodyOnPage = true;
}

void PrintDocument::setKeepTogether(bool keep)
{
    if (keep) {
        commitLine(false);
        d_->keepFrom = d_->lines.size();
        d_->keepClosing = false;
    } else if (d_->pending.empty()) {
        d_->keepFrom = kNoKeep;
    } else {
        // The block's last line is still open: it belongs to the block.
        d_->keepClosing = true;
    }
}

QString PrintDocument::dump() const
{
    QString out;
    for (size_t p = 0; p < finished_.pages.size(); ++p) {
        const QString page = QString::number(p + 1);
        for (const PrintItem& item : finished_.pages[p].items) {
            const QString pos = inchText(item.box.x()) + QLatin1Char(',') + inchText(item.box.y());
            switch (item.kind) {
            case PrintItem::Kind::Rule:
                out += page + QStringLiteral(" R ") + pos + QLatin1Char(' ') + inchText(item.box.right()) +
                       QLatin1Char(',') + inchText(item.box.bottom()) + QLatin1Char('\n');
                break;
            case PrintItem::Kind::Image:
                out += page + QStringLiteral(" I ") + pos + QLatin1Char(' ') + inchText(item.box.width()) +
                       QLatin1Char('x') + inchText(item.box.height()) + QLatin1Char('\n');
                break;
            default: {
                const QChar kind = item.kind == PrintItem::Kind::Text   ? QLatin1Char('T')
                                   : item.kind == PrintItem::Kind::Cell ? QLatin1Char('C')
                                                                        : QLatin1Char('F');
                out += page + QLatin1Char(' ') + kind + QLatin1Char(' ') + pos + QLatin1Char(' ') +
                       QString::number(item.font.size) + (item.font.bold ? QStringLiteral("B") : QString()) +
                       (item.font.accent ? QStringLiteral("A") : QString()) + QLatin1Char(' ') + item.text + QLatin1Char('\n');
            }
            }
        }
    }
    return out;
}

QStringList PrintDocument::pageTexts(int page) const
{
    QStringList out;
    if (page < 1 || page > pageCount())
        return out;
    for (const PrintItem& item : finished_.pages[page - 1].items) {
        if (item.kind != PrintItem::Kind::Rule && item.kind != PrintItem::Kind::Image)
            out << item.text;
    }
    return out;
}

namespace {

void paintModel(QPainter& painter, const PrintModel& model, QPagedPaintDevice* device, int fromPage, int toPage)
{
    // Items are placed in points times the device's dots per point; fonts
    // go by point size. The fit to the paper is the one world transform on
    // top of that, so text and lines scale together.
    const double sx = device->logicalDpiX() / 72.0;
    const double sy = device->logicalDpiY() / 72.0;
    const QPageLayout layout = device->pageLayout();
    const QTransform toPaper = PrintDocument::paperTransform(model, layout);
    // The painter's origin: the paper's corner, or the corner of the area
    // inside the margins.
    const QPoint origin = layout.mode() == QPageLayout::FullPageMode
                              ? QPoint()
                              : layout.paintRectPixels(device->logicalDpiX()).topLeft();
    const QTransform world(toPaper.m11(), 0, 0, toPaper.m22(), toPaper.dx() * sx - origin.x(),
                           toPaper.dy() * sy - origin.y());
    const int last = std::min(toPage > 0 ? toPage : static_cast<int>(model.pages.size()),
                              static_cast<int>(model.pages.size()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int p = std::max(fromPage, 1); p <= last; ++p) {
        if (p > std::max(fromPage, 1))
            device->newPage();
        painter.setWorldTransform(world);
        for (const PrintItem& item : model.pages[static_cast<size_t>(p - 1)].items) {
            switch (item.kind) {
            case PrintItem::Kind::Rule:
                painter.setPen(QPen(Qt::black, kRuleWidth * sx));
                painter.drawLine(QPointF(item.box.left() * sx, item.box.top() * sy),
                                 QPointF(item.box.right() * sx, item.box.bottom() * sy));
                break;
            case PrintItem::Kind::Image:
                painter.drawImage(QRectF(item.box.x() * sx, item.box.y() * sy, item.box.width() * sx,
                                         item.box.height() * sy),
                                  item.image);
                break;
            default:
                painter.setPen(Qt::black);
                painter.setFont(makeFont(item.font));
                painter.drawText(QPointF(item.box.x() * sx, item.baseline * sy), item.text);
            }
        }
    }
    painter.end();
}

}  // namespace

QTransform PrintDocument::paperTransform(const PrintModel& model, const QPageLayout& layout)
{
    const QRectF paper = layout.fullRectPoints();
    if (std::abs(paper.width() - model.pageWidth) < 0.5 && std::abs(paper.height() - model.pageHeight) < 0.5)
        return QTransform();
    QRectF area = paper.marginsRemoved(layout.marginsPoints());
    if (area.isEmpty())
        area = paper;
    const double scale = std::min(area.width() / model.pageWidth, area.height() / model.pageHeight);
    return QTransform(scale, 0, 0, scale, area.left() + (area.width() - scale * model.pageWidth) / 2,
                      area.top() + (area.height() - scale * model.pageHeight) / 2);
}

void PrintDocument::renderModel(const PrintModel& model, QPagedPaintDevice* device, int fromPage, int toPage)
{
    QPainter painter;
    if (!painter.begin(device))
        throw AppError(kFileAccessError, QStringLiteral("The report cannot be drawn on this device."));
    paintModel(painter, model, device, fromPage, toPage);
}

void PrintDocument::render(QPagedPaintDevice* device, int fromPage, int toPage) const
{
    renderModel(finished_, device, fromPage, toPage);
}

void PrintDocument::writePdf(const QString& fileName) const
{
    QPdfWriter writer(fileName);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Point));
    writer.setResolution(static_cast<int>(kMeasureDpi));
    writer.setCreator(QStringLiteral("Dorvane"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw AppError(kFileAccessError, QStringLiteral("Path/File access error: %1").arg(fileName));
    paintModel(painter, finished_, &writer, 1, 0);
}

}  // namespace dv
