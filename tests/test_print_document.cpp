// The report document: text flow, tables, pages, footer and its outputs.
#include "platform/app_error.h"
#include "platform/print_document.h"
#include "tests/qstring_print.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using dv::PrintDocument;
using dv::PrintItem;

std::vector<PrintItem> itemsOf(const PrintDocument& doc, int page, PrintItem::Kind kind)
{
    std::vector<PrintItem> out;
    for (const PrintItem& i : doc.model().pages.at(page - 1).items) {
        if (i.kind == kind)
            out.push_back(i);
    }
    return out;
}

const PrintItem* findText(const PrintDocument& doc, const QString& text, int* pageOut = nullptr)
{
    for (size_t p = 0; p < doc.model().pages.size(); ++p) {
        for (const PrintItem& i : doc.model().pages[p].items) {
            if (i.text == text) {
                if (pageOut)
                    *pageOut = static_cast<int>(p) + 1;
                return &i;
            }
        }
    }
    return nullptr;
}

class PrintDocumentTest : public ::testing::Test {
protected:
    PrintDocument doc;
    int pageStarts = 0;
    QImage logo{40, 20, QImage::Format_RGB32};

    void SetUp() override
    {
        logo.fill(Qt::blue);
        // As the reports do: margins and the logo on every page, the left
        // margin of the text that runs over kept.
        doc.setPageStartHandler([this](PrintDocument& d) {
            ++pageStarts;
            const double left = d.LeftMargin();
            d.setLeftMargin(".5in");
            d.setRightMargin(".5in");
            d.setHeaderMargin(".5in");
            d.setTopMargin("1.0in");
            d.setBottomMargin("1.0in");
            d.DrawImage(logo, d.LeftMargin(), d.HeaderMargin());
            d.setLeftMargin(left);
        });
        doc.OpenDocument();
        doc.setFooterText(QStringLiteral("||Dorvane\nPage %d"));
    }
};

TEST_F(PrintDocumentTest, LineEndsBlankLinesAndSameLineContinuation)
{
    doc.setLeftMargin(".5in");
    doc.WriteText(QStringLiteral("First\r\nSecond"));
    doc.WriteText(QStringLiteral(" and more\n\nAfter a blank line\n"));
    doc.CloseDocument();
    const PrintItem* first = findText(doc, QStringLiteral("First"));
    const PrintItem* second = findText(doc, QStringLiteral("Second"));
    const PrintItem* more = findText(doc, QStringLiteral(" and more"));
    const PrintItem* after = findText(doc, QStringLiteral("After a blank line"));
    ASSERT_TRUE(first && second && more && after);
    EXPECT_DOUBLE_EQ(first->box.x(), 36);
    EXPECT_DOUBLE_EQ(first->box.y(), 72);  // top margin of the page
    EXPECT_DOUBLE_EQ(second->box.x(), 36);
    const double spacing = second->box.y() - first->box.y();
    EXPECT_GT(spacing, 10);
    EXPECT_DOUBLE_EQ(more->box.y(), second->box.y());
    EXPECT_NEAR(more->box.x(), second->box.right(), 0.01);
    EXPECT_NEAR(after->box.y(), second->box.y() + 2 * spacing, 0.01);
    EXPECT_EQ(doc.dump().count(QStringLiteral("\r")), 0);
}

TEST_F(PrintDocumentTest, RightAlignedLabelAndItsValueShareALine)
{
    doc.setParagraphAlign(2);
    doc.setRightMargin("2.25in");
    doc.WriteText(QStringLiteral("Subtotal:"));
    doc.setRightMargin("0.50in");
    doc.setLeftMargin("6.50in");
    doc.setParagraphAlign(0);
    doc.WriteText(QStringLiteral("$1380.00"));
    doc.CloseDocument();
    const PrintItem* label = findText(doc, QStringLiteral("Subtotal:"));
    const PrintItem* value = findText(doc, QStringLiteral("$1380.00"));
    ASSERT_TRUE(label && value);
    EXPECT_NEAR(label->box.right(), 612 - 2.25 * 72, 0.01);
    EXPECT_DOUBLE_EQ(value->box.x(), 6.5 * 72);
    EXPECT_DOUBLE_EQ(value->box.y(), label->box.y());
}

TEST_F(PrintDocumentTest, LongTextWrapsWithinTheMarginsAtBlanks)
{
    doc.setLeftMargin(".75in");
    doc.setTypeSize(9);
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("word%1 ").arg(i);
    doc.WriteText(text.trimmed());
    doc.CloseDocument();
    const auto runs = itemsOf(doc, 1, PrintItem::Kind::Text);
    ASSERT_GE(runs.size(), 3u);
    QString joined;
    for (const PrintItem& r : runs) {
        EXPECT_DOUBLE_EQ(r.box.x(), 0.75 * 72);
        EXPECT_LE(r.box.right(), 612 - 36 + 0.01);
        EXPECT_FALSE(r.text.startsWith(QLatin1Char(' ')) || r.text.endsWith(QLatin1Char(' ')));
        joined += (joined.isEmpty() ? QString() : QStringLiteral(" ")) + r.text;
    }
    EXPECT_EQ(joined, text.trimmed());
}

TEST_F(PrintDocumentTest, OverflowPagesGetTheLogoTheFooterAndKeepTheLeftMargin)
{
    doc.setLeftMargin("2.0in");
    for (int i = 1; i <= 150; ++i)
        doc.WriteText(QStringLiteral("Line %1\n").arg(i));
    doc.CloseDocument();
    ASSERT_GE(doc.pageCount(), 3);
    EXPECT_EQ(pageStarts, doc.pageCount());
    for (int p = 1; p <= doc.pageCount(); ++p) {
        const auto images = itemsOf(doc, p, PrintItem::Kind::Image);
        ASSERT_EQ(images.size(), 1u) << p;
        EXPECT_EQ(images[0].box.topLeft(), QPointF(36, 36));
        const auto footer = itemsOf(doc, p, PrintItem::Kind::Footer);
        ASSERT_EQ(footer.size(), 2u);
        EXPECT_EQ(footer[1].text, QStringLiteral("Page %1").arg(p));
        EXPECT_NEAR(footer[1].box.right(), 612 - 36, 0.01);  // right part, at the right margin
        for (const PrintItem& t : itemsOf(doc, p, PrintItem::Kind::Text)) {
            EXPECT_DOUBLE_EQ(t.box.x(), 144) << t.text.toStdString();
            EXPECT_LE(t.box.bottom(), 792 - 72 + 0.01) << t.text.toStdString();
            EXPECT_LT(t.box.bottom(), footer[0].box.top()) << t.text.toStdString();
        }
    }
    int page = 0;
    ASSERT_TRUE(findText(doc, QStringLiteral("Line 150"), &page));
    EXPECT_EQ(page, doc.pageCount());
}

TEST_F(PrintDocumentTest, BodyNeverRunsIntoTheFooterWhateverTheBottomMargin)
{
    doc.setBottomMargin("0in");
    doc.setFooterText(QStringLiteral("||a\nb\nc\nd\nPage %d"));
    for (int i = 1; i <= 80; ++i)
        doc.WriteText(QStringLiteral("Line %1\n").arg(i));
    doc.CloseDocument();
    const auto footer = itemsOf(doc, 1, PrintItem::Kind::Footer);
    ASSERT_EQ(footer.size(), 5u);
    for (const PrintItem& t : itemsOf(doc, 1, PrintItem::Kind::Text))
        EXPECT_LT(t.box.bottom(), footer[0].box.top());
}

TEST_F(PrintDocumentTest, TableCellsKeepTheirSeparatorsInTheStructuredForm)
{
    doc.setLeftMargin("0.50in");
    doc.OpenTable();
    doc.setTableRuling(0);
    doc.AddTableRows(QStringLiteral("<+~2.00in|<+~4.00in|<+~1.50in"), {QStringLiteral("Member Name"), QStringLiteral("Wall Name"), QStringLiteral("Wall Width")},
                     {{QStringLiteral("Stud"), QStringLiteral("North|East; West"), QStringLiteral("2 x 8 Wall")}});
    doc.TableCellSetting(dv::TableCellBold, 0, true);
    doc.CloseTable();
    doc.OpenTable();
    doc.AddTableRows(QStringLiteral("<+~1in|<+~1in"), QStringLiteral("A|B"), QStringLiteral("x|y;z|w;"));
    doc.CloseTable();
    doc.CloseDocument();
    const auto cells = itemsOf(doc, 1, PrintItem::Kind::Cell);
    QStringList texts;
    for (const PrintItem& c : cells)
        texts << c.text;
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Member Name"), QStringLiteral("Wall Name"), QStringLiteral("Wall Width"),
                                  QStringLiteral("Stud"), QStringLiteral("North|East; West"), QStringLiteral("2 x 8 Wall"),
                                  QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("y"),
                                  QStringLiteral("z"), QStringLiteral("w")}));
    EXPECT_TRUE(cells[0].font.bold);
    EXPECT_FALSE(cells[3].font.bold);
    // Columns start at the left margin plus the stated widths.
    EXPECT_NEAR(cells[4].box.x() - cells[3].box.x(), 2 * 72, 0.01);
    EXPECT_NEAR(cells[5].box.x() - cells[3].box.x(), 6 * 72, 0.01);
    EXPECT_DOUBLE_EQ(cells[3].box.y(), cells[4].box.y());
    EXPECT_GT(cells[3].box.y(), cells[0].box.y());
    EXPECT_GT(cells[6].box.y(), cells[5].box.bottom());  // the second table follows below the first
}

TEST_F(PrintDocumentTest, HeaderOnlyTableAndRuledTable)
{
    doc.OpenTable();
    doc.setTableRuling(7);
    doc.AddTableRows(QStringLiteral("<+2.50in|<+~1.67in|<+~1.67in|<+~1.67in"),
                     QStringLiteral("Wall System Name|2x6 Wall|2x8 Wall|2x10 Wall"), QString());
    doc.TableCellSetting(dv::TableCellBold, 0, true);
    doc.CloseTable();
    doc.CloseDocument();
    const auto cells = itemsOf(doc, 1, PrintItem::Kind::Cell);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_TRUE(cells[3].font.bold);
    const auto rules = itemsOf(doc, 1, PrintItem::Kind::Rule);
    EXPECT_EQ(rules.size(), 2u + 5u);  // top, bottom, five column edges
    double right = 0;
    for (const PrintItem& r : rules)
        right = std::max(right, r.box.right());
    EXPECT_NEAR(right, 72 + (2.5 + 3 * 1.67) * 72, 0.01);  // past the right margin, as stated
}

TEST_F(PrintDocumentTest, TableBreakingAcrossPagesRepeatsItsHeader)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= 90; ++i)
        rows.push_back({QStringLiteral("Product %1").arg(i), QString::number(i)});
    doc.setTypeSize(11);
    doc.OpenTable();
    doc.AddTableRows(QStringLiteral("<+~5.25in|<+~.75in"), {QStringLiteral("Product Name"), QStringLiteral("Qty.")}, rows);
    doc.CloseTable();
    doc.WriteText(QStringLiteral("After\n"));
    doc.CloseDocument();
    ASSERT_GE(doc.pageCount(), 2);
    EXPECT_EQ(pageStarts, doc.pageCount());
    for (int p = 1; p <= doc.pageCount(); ++p) {
        const auto cells = itemsOf(doc, p, PrintItem::Kind::Cell);
        ASSERT_GE(cells.size(), 2u);
        EXPECT_EQ(cells[0].text, QStringLiteral("Product Name")) << p;
        EXPECT_TRUE(cells[0].font.bold);
        EXPECT_NEAR(cells[0].box.y(), 73, 0.01) << p;  // top margin and the cell's padding
        for (const PrintItem& c : cells)
            EXPECT_LT(c.box.bottom(), 792 - 72 + 0.01);
    }
    int page = 0;
    const PrintItem* last = findText(doc, QStringLiteral("Product 90"), &page);
    const PrintItem* after = findText(doc, QStringLiteral("After"));
    ASSERT_TRUE(last && after);
    EXPECT_GT(after->box.y(), last->box.y());
}

TEST_F(PrintDocumentTest, ACaptionGoesWithItsTableOntoTheNextPage)
{
    // Filler up to the foot of page 1, then a caption of one line, or of
    // five, before a table that no longer fits: the short caption moves with
    // the table, a paragraph of five lines stays where it is.
    struct Case {
        int captionLines;
        int captionPage;
    };
    for (const Case c : {Case{1, 2}, Case{5, 1}}) {
        SCOPED_TRACE(c.captionLines);
        // How many lines of 10 pt fit on a page.
        doc.OpenDocument();
        doc.setTypeSize(10);
        for (int i = 0; i < 100; ++i)
            doc.WriteText(QStringLiteral("Line\n"));
        doc.CloseDocument();
        const int perPage = static_cast<int>(itemsOf(doc, 1, PrintItem::Kind::Text).size());
        // The filler, a blank line and the caption fill page 1 to its foot.
        doc.OpenDocument();
        doc.setTypeSize(10);
        const int filler = perPage - 1 - c.captionLines;
        for (int i = 1; i <= filler; ++i)
            doc.WriteText(QStringLiteral("Filler %1\n").arg(i));
        doc.WriteText(QStringLiteral("\r\n"));
        for (int i = 1; i <= c.captionLines; ++i)
            doc.WriteText(QStringLiteral("Caption %1\n").arg(i));
        doc.OpenTable();
        doc.AddTableRows(QStringLiteral("<+~2.00in|<+~1.00in"), {QStringLiteral("Name"), QStringLiteral("Qty.")},
                         {{QStringLiteral("Stud"), QStringLiteral("4")}, {QStringLiteral("Plate"), QStringLiteral("2")}});
        doc.CloseTable();
        doc.CloseDocument();
        int captionPage = 0, headerPage = 0, fillerPage = 0;
        const PrintItem* caption = findText(doc, QStringLiteral("Caption %1").arg(c.captionLines), &captionPage);
        const PrintItem* header = findText(doc, QStringLiteral("Name"), &headerPage);
        ASSERT_TRUE(caption && header && findText(doc, QStringLiteral("Filler %1").arg(filler), &fillerPage));
        EXPECT_EQ(headerPage, 2);
        EXPECT_EQ(fillerPage, 1);
        EXPECT_EQ(captionPage, c.captionPage);
        if (captionPage == 2) {
            EXPECT_NEAR(findText(doc, QStringLiteral("Caption 1"))->box.y(), 72, 0.01);
            EXPECT_NEAR(caption->box.bottom() + 1, header->box.y(), 0.01);  // the header cell's padding
        }
    }
}

TEST_F(PrintDocumentTest, ABlockKeptTogetherStartsTheNextPageWhole)
{
    doc.setTypeSize(10);
    for (int i = 0; i < 100; ++i)
        doc.WriteText(QStringLiteral("Line\n"));
    doc.CloseDocument();
    const int perPage = static_cast<int>(itemsOf(doc, 1, PrintItem::Kind::Text).size());

    // Three lines short of the foot, a block of four whose last line is
    // ended only by what follows it.
    doc.OpenDocument();
    doc.setTypeSize(10);
    for (int i = 1; i <= perPage - 3; ++i)
        doc.WriteText(QStringLiteral("Filler %1\n").arg(i));
    doc.setKeepTogether(true);
    doc.WriteText(QStringLiteral("Block 1\nBlock 2\nBlock 3\nBlock 4"));
    doc.setKeepTogether(false);
    doc.BreakPage();
    // A block longer than a page flows on from where it begins.
    doc.setKeepTogether(true);
    for (int i = 1; i <= perPage + 5; ++i)
        doc.WriteText(QStringLiteral("Long %1\n").arg(i));
    doc.setKeepTogether(false);
    doc.CloseDocument();

    int page = 0;
    ASSERT_TRUE(findText(doc, QStringLiteral("Filler %1").arg(perPage - 3), &page));
    EXPECT_EQ(page, 1);
    for (int i = 1; i <= 4; ++i) {
        const PrintItem* line = findText(doc, QStringLiteral("Block %1").arg(i), &page);
        ASSERT_TRUE(line) << i;
        EXPECT_EQ(page, 2) << i;
        if (i == 1) {
            EXPECT_NEAR(line->box.y(), 72, 0.01);
        }
    }
    ASSERT_TRUE(findText(doc, QStringLiteral("Long 1"), &page));
    EXPECT_EQ(page, 3);
    ASSERT_TRUE(findText(doc, QStringLiteral("Long %1").arg(perPage + 5), &page));
    EXPECT_EQ(page, 4);
    EXPECT_EQ(doc.pageCount(), 4);
}

TEST_F(PrintDocumentTest, BreakPageAndPageNumbersRunThrough)
{
    doc.WriteText(QStringLiteral("One"));
    doc.BreakPage();
    doc.setFooterText(QStringLiteral("Left|Centre|Page %d"));
    doc.WriteText(QStringLiteral("Two\n"));
    doc.CloseDocument();
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_TRUE(doc.pageTexts(1).contains(QStringLiteral("Dorvane")));
    EXPECT_TRUE(doc.pageTexts(1).contains(QStringLiteral("Page 1")));
    EXPECT_EQ(doc.pageTexts(2), (QStringList{QStringLiteral("Two"), QStringLiteral("Left"), QStringLiteral("Centre"),
                                             QStringLiteral("Page 2")}));
}

TEST_F(PrintDocumentTest, OpenDocumentResetsAndAnUnfinishedDocumentIsDropped)
{
    doc.WriteText(QStringLiteral("Finished"));
    doc.CloseDocument();
    doc.OpenDocument();
    EXPECT_DOUBLE_EQ(doc.RightMargin(), 0.5);  // the page start set it
    doc.setTypeSize(16);
    doc.setTypeBold(true);
    doc.setParagraphAlign(2);
    doc.OpenTable();
    doc.WriteText(QStringLiteral("Half-way"));
    // The document fails here; the next one starts clean.
    EXPECT_EQ(doc.pageTexts(1).first(), QStringLiteral("Finished"));
    doc.setPageStartHandler(nullptr);
    doc.OpenDocument();
    EXPECT_DOUBLE_EQ(doc.LeftMargin(), 1);
    EXPECT_DOUBLE_EQ(doc.TypeSize(), 10);
    EXPECT_FALSE(doc.TypeBold());
    EXPECT_EQ(doc.ParagraphAlign(), 0);
    EXPECT_TRUE(doc.FooterText().isEmpty());
    EXPECT_NO_THROW(doc.CloseTable());  // no table is open
    doc.CloseDocument();
    EXPECT_EQ(doc.pageCount(), 1);
    EXPECT_TRUE(doc.pageTexts(1).isEmpty());
    EXPECT_THROW(doc.WriteText(QStringLiteral("closed")), dv::AppError);
}

TEST(PrintDocumentLengths, InchesAreReadStrictly)
{
    const struct {
        const char* text;
        double inches;
    } good[] = {{".5in", 0.5}, {"0.375in", 0.375}, {"1.25in", 1.25}, {" 9.5in ", 9.5}, {"5in", 5}};
    for (const auto& g : good)
        EXPECT_DOUBLE_EQ(PrintDocument::inches(QString::fromLatin1(g.text)), g.inches) << g.text;
    for (const char* bad : {"", "in", "0.5", "0,5in", "-1in", "nanin", "1.0 cm", "abcin"})
        EXPECT_THROW(PrintDocument::inches(QString::fromLatin1(bad)), dv::AppError) << bad;
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(PrintDocumentTest, PdfIsLetterSizedWithEveryPageAndItsText)
{
    doc.setTypeSize(16);
    doc.setTypeBold(true);
    doc.WriteText(QStringLiteral("Ostrel Dorvane - Product Validation Report\r\n"));
    doc.setTypeSize(11);
    doc.setTypeBold(false);
    doc.OpenTable();
    doc.AddTableRows(QStringLiteral("<+~2.00in|<+~4.00in"), {QStringLiteral("Member Name"), QStringLiteral("Wall Name")},
                     {{QStringLiteral("Rough Opening 2"), QStringLiteral("Bob's porch ®")}});
    doc.CloseTable();
    doc.BreakPage();
    doc.WriteText(QStringLiteral("Second page"));
    doc.CloseDocument();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    doc.writePdf(pdf);
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts (letter)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b")))) << info.toStdString();
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Ostrel Dorvane - Product Validation Report"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Rough Opening 2\\s+Bob's porch ®")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));
    EXPECT_THROW(doc.writePdf(dir.filePath(QStringLiteral("no/such/folder/x.pdf"))), dv::AppError);
}

}  // namespace
