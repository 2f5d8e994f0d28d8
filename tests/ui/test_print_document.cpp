// The report document: text flow, tables, pages and the footer.
#include "platform/app_error.h"
#include "platform/print_document.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using dv::PrintDocument;
using dv::PrintItem;
using dvtest::findText;
using dvtest::itemsOf;

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
        doc.setFooterText("||Dorvane\nPage %d");
    }
    // How many lines of 10 pt fit on a page of the open document; leaves a
    // fresh 10 pt document open.
    int linesPerPage()
    {
        doc.setTypeSize(10);
        for (int i = 0; i < 100; ++i)
            doc.WriteText("Line\n");
        doc.CloseDocument();
        const int n = static_cast<int>(itemsOf(doc, 1, PrintItem::Kind::Text).size());
        doc.OpenDocument();
        doc.setTypeSize(10);
        return n;
    }
    // Writes "<prefix> 1" .. "<prefix> n", one a line.
    void lines(const QString& prefix, int n, int from = 1)
    {
        for (int i = from; i <= n; ++i)
            doc.WriteText(QStringLiteral("%1 %2\n").arg(prefix).arg(i));
    }
    int pageOf(const QString& text)
    {
        int page = 0;
        return findText(doc, text, &page) ? page : 0;
    }
};

TEST_F(PrintDocumentTest, LineEndsBlankLinesAndSameLineContinuation)
{
    doc.setLeftMargin(".5in");
    doc.WriteText("First\r\nSecond");
    doc.WriteText(" and more\n\nAfter a blank line\n");
    doc.CloseDocument();
    const PrintItem* first = findText(doc, "First");
    const PrintItem* second = findText(doc, "Second");
    const PrintItem* more = findText(doc, " and more");
    const PrintItem* after = findText(doc, "After a blank line");
    ASSERT_TRUE(first && second && more && after);
    EXPECT_EQ(first->box.topLeft(), QPointF(36, 72));  // the top margin of the page
    EXPECT_DOUBLE_EQ(second->box.x(), 36);
    const double spacing = second->box.y() - first->box.y();
    EXPECT_GT(spacing, 10);
    EXPECT_DOUBLE_EQ(more->box.y(), second->box.y());
    EXPECT_NEAR(more->box.x(), second->box.right(), 0.01);
    EXPECT_NEAR(after->box.y(), second->box.y() + 2 * spacing, 0.01);
    EXPECT_EQ(doc.dump().count("\r"), 0);
}

TEST_F(PrintDocumentTest, RightAlignedLabelAndItsValueShareALine)
{
    doc.setParagraphAlign(2);
    doc.setRightMargin("2.25in");
    doc.WriteText("Subtotal:");
    doc.setRightMargin("0.50in");
    doc.setLeftMargin("6.50in");
    doc.setParagraphAlign(0);
    doc.WriteText("$1380.00");
    doc.CloseDocument();
    const PrintItem* label = findText(doc, "Subtotal:");
    const PrintItem* value = findText(doc, "$1380.00");
    ASSERT_TRUE(label && value);
    EXPECT_NEAR(label->box.right(), 612 - 2.25 * 72, 0.01);
    EXPECT_DOUBLE_EQ(value->box.x(), 6.5 * 72);
    EXPECT_DOUBLE_EQ(value->box.y(), label->box.y());
}

TEST_F(PrintDocumentTest, LongTextWrapsWithinTheMarginsAtBlanks)
{
    doc.setLeftMargin(".75in");
    doc.setTypeSize(9);
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("word%1").arg(i);
    doc.WriteText(words.join(' '));
    doc.CloseDocument();
    const auto runs = itemsOf(doc, 1, PrintItem::Kind::Text);
    ASSERT_GE(runs.size(), 3u);
    QStringList joined;
    for (const PrintItem& r : runs) {
        EXPECT_DOUBLE_EQ(r.box.x(), 0.75 * 72);
        EXPECT_LE(r.box.right(), 612 - 36 + 0.01);
        EXPECT_EQ(r.text, r.text.trimmed());
        joined << r.text;
    }
    EXPECT_EQ(joined.join(' '), words.join(' '));
}

TEST_F(PrintDocumentTest, OverflowPagesGetTheLogoTheFooterAndKeepTheLeftMargin)
{
    doc.setLeftMargin("2.0in");
    lines("Line", 150);
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
    EXPECT_EQ(pageOf("Line 150"), doc.pageCount());
}

TEST_F(PrintDocumentTest, BodyNeverRunsIntoTheFooterWhateverTheBottomMargin)
{
    doc.setBottomMargin("0in");
    doc.setFooterText("||a\nb\nc\nd\nPage %d");
    lines("Line", 80);
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
    doc.AddTableRows("<+~2.00in|<+~4.00in|<+~1.50in", QStringList{"Member Name", "Wall Name", "Wall Width"},
                     {{"Stud", "North|East; West", "2 x 8 Wall"}});
    doc.TableCellSetting(dv::TableCellBold, 0, true);
    doc.CloseTable();
    doc.OpenTable();
    doc.AddTableRows("<+~1in|<+~1in", QStringLiteral("A|B"), QStringLiteral("x|y;z|w;"));
    doc.CloseTable();
    doc.CloseDocument();
    EXPECT_EQ(dvtest::cellTexts(doc, 1), (QStringList{"Member Name", "Wall Name", "Wall Width", "Stud", "North|East; West",
                                                      "2 x 8 Wall", "A", "B", "x", "y", "z", "w"}));
    const auto cells = itemsOf(doc, 1, PrintItem::Kind::Cell);
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
    doc.AddTableRows("<+2.50in|<+~1.67in|<+~1.67in|<+~1.67in", QStringLiteral("Wall System Name|2x6 Wall|2x8 Wall|2x10 Wall"),
                     QString());
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
    doc.AddTableRows("<+~5.25in|<+~.75in", QStringList{"Product Name", "Qty."}, rows);
    doc.CloseTable();
    doc.WriteText("After\n");
    doc.CloseDocument();
    ASSERT_GE(doc.pageCount(), 2);
    EXPECT_EQ(pageStarts, doc.pageCount());
    for (int p = 1; p <= doc.pageCount(); ++p) {
        const auto cells = itemsOf(doc, p, PrintItem::Kind::Cell);
        ASSERT_GE(cells.size(), 2u);
        EXPECT_EQ(cells[0].text, "Product Name") << p;
        EXPECT_TRUE(cells[0].font.bold);
        EXPECT_NEAR(cells[0].box.y(), 73, 0.01) << p;  // top margin and the cell's padding
        for (const PrintItem& c : cells)
            EXPECT_LT(c.box.bottom(), 792 - 72 + 0.01);
    }
    const PrintItem* last = findText(doc, "Product 90");
    const PrintItem* after = findText(doc, "After");
    ASSERT_TRUE(last && after);
    EXPECT_GT(after->box.y(), last->box.y());
}

TEST_F(PrintDocumentTest, ACaptionGoesWithItsTableOntoTheNextPage)
{
    // Filler up to the foot of page 1, then a caption of one line, or of
    // five, before a table that no longer fits: the short caption moves with
    // the table, a paragraph of five lines stays where it is.
    for (const auto& [captionLines, captionPage] : {std::pair{1, 2}, std::pair{5, 1}}) {
        SCOPED_TRACE(captionLines);
        doc.OpenDocument();
        // The filler, a blank line and the caption fill page 1 to its foot.
        const int filler = linesPerPage() - 1 - captionLines;
        lines("Filler", filler);
        doc.WriteText("\r\n");
        lines("Caption", captionLines);
        doc.OpenTable();
        doc.AddTableRows("<+~2.00in|<+~1.00in", QStringList{"Name", "Qty."}, {{"Stud", "4"}, {"Plate", "2"}});
        doc.CloseTable();
        doc.CloseDocument();
        EXPECT_EQ(pageOf("Name"), 2);
        EXPECT_EQ(pageOf(QStringLiteral("Filler %1").arg(filler)), 1);
        EXPECT_EQ(pageOf(QStringLiteral("Caption %1").arg(captionLines)), captionPage);
        if (captionPage == 2) {
            EXPECT_NEAR(findText(doc, "Caption 1")->box.y(), 72, 0.01);
            EXPECT_NEAR(findText(doc, "Caption 1")->box.bottom() + 1, findText(doc, "Name")->box.y(),
                        0.01);  // the header cell's padding
        }
    }
}

TEST_F(PrintDocumentTest, ABlockKeptTogetherStartsTheNextPageWhole)
{
    const int perPage = linesPerPage();
    // Three lines short of the foot, a block of four whose last line is
    // ended only by what follows it.
    lines("Filler", perPage - 3);
    doc.setKeepTogether(true);
    doc.WriteText("Block 1\nBlock 2\nBlock 3\nBlock 4");
    doc.setKeepTogether(false);
    doc.BreakPage();
    // A block longer than a page flows on from where it begins.
    doc.setKeepTogether(true);
    lines("Long", perPage + 5);
    doc.setKeepTogether(false);
    doc.CloseDocument();

    EXPECT_EQ(pageOf(QStringLiteral("Filler %1").arg(perPage - 3)), 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(pageOf(QStringLiteral("Block %1").arg(i)), 2) << i;
    EXPECT_NEAR(findText(doc, "Block 1")->box.y(), 72, 0.01);
    EXPECT_EQ(pageOf("Long 1"), 3);
    EXPECT_EQ(pageOf(QStringLiteral("Long %1").arg(perPage + 5)), 4);
    EXPECT_EQ(doc.pageCount(), 4);
}

TEST_F(PrintDocumentTest, BreakPageAndPageNumbersRunThrough)
{
    doc.WriteText("One");
    doc.BreakPage();
    doc.setFooterText("Left|Centre|Page %d");
    doc.WriteText("Two\n");
    doc.CloseDocument();
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pageTexts(1), (QStringList{"One", "Dorvane", "Page 1"}));
    EXPECT_EQ(doc.pageTexts(2), (QStringList{"Two", "Left", "Centre", "Page 2"}));
}

TEST_F(PrintDocumentTest, OpenDocumentResetsAndAnUnfinishedDocumentIsDropped)
{
    doc.WriteText("Finished");
    doc.CloseDocument();
    doc.OpenDocument();
    EXPECT_DOUBLE_EQ(doc.RightMargin(), 0.5);  // the page start set it
    doc.setTypeSize(16);
    doc.setTypeBold(true);
    doc.setParagraphAlign(2);
    doc.OpenTable();
    doc.WriteText("Half-way");
    // The document fails here; the next one starts clean.
    EXPECT_EQ(doc.pageTexts(1).first(), "Finished");
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
    EXPECT_THROW(doc.WriteText("closed"), dv::AppError);
}

TEST(PrintDocumentLengths, InchesAreReadStrictly)
{
    const std::pair<const char*, double> good[] = {{".5in", 0.5}, {"0.375in", 0.375}, {"1.25in", 1.25}, {" 9.5in ", 9.5}, {"5in", 5}};
    for (const auto& [text, inches] : good)
        EXPECT_DOUBLE_EQ(PrintDocument::inches(QString::fromLatin1(text)), inches) << text;
    for (const char* bad : {"", "in", "0.5", "0,5in", "-1in", "nanin", "1.0 cm", "abcin"})
        EXPECT_THROW(PrintDocument::inches(QString::fromLatin1(bad)), dv::AppError) << bad;
}

}  // namespace
