// The detailed summary, itemized material and quote reports as drawn: their
// headings, tables and figure lines in the document's text dump, and one
// document of all four reports written as PDF and read back.
#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/modDorvPrint.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

class ReportBodiesTest : public dvtest::ReportDataTest {
protected:
    void SetUp() override
    {
        ReportDataTest::SetUp();
        options.summary = options.detailed = false;
        options.stateTax = options.deliveryCharge = false;
        view.project = QStringLiteral("Lakeside Barn");
        view.builder = QStringLiteral("Bob");
    }
    void draw(bool includeQuote = true) { dv::PrintReports(options, includeQuote); }
    // The dump's lines without page and position: "<kind> <size><style> <text>".
    QStringList runs() const
    {
        QStringList out;
        static const QRegularExpression pos(QStringLiteral("^\\d+ ([TCF]) [-0-9.]+,[-0-9.]+ "));
        for (const QString& line : doc().dump().split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch m = pos.match(line);
            if (m.hasMatch())
                out << m.captured(1) + QLatin1Char(' ') + line.mid(m.capturedLength());
        }
        return out;
    }
    // The runs from the first that starts with `from` up to (not including)
    // the first after it that starts with `to`.
    QStringList runsBetween(const QString& from, const QString& to) const
    {
        const QStringList all = runs();
        QStringList out;
        bool in = false;
        for (const QString& r : all) {
            if (!in && r.contains(from))
                in = true;
            else if (in && !to.isEmpty() && r.contains(to))
                break;
            if (in)
                out << r;
        }
        return out;
    }
};

// The texts of the runs, without kind and style.
QStringList texts(const QStringList& runs)
{
    QStringList out;
    for (const QString& r : runs)
        out << r.section(QLatin1Char(' '), 2);
    return out;
}

TEST_F(ReportBodiesTest, QuoteLinesTotalsAndNotes)
{
    addTotalsRow(1, QStringLiteral("North"));
    addTotalsRow(2, QStringLiteral("South"));
    setTotals(1, 6, QStringLiteral("1500"), QStringLiteral("120"), 0);  // missing at 2x6
    setTotals(2, 8, QStringLiteral("1000"), QStringLiteral("0"), 0);    // missing too: one note
    optionsWall(1, QStringLiteral("North"), true);
    optionsWall(2, QStringLiteral("South"), false, true);
    options.quote = true;
    options.stateTax = true;
    options.stateTaxValue = QStringLiteral("6.5");
    options.deliveryCharge = true;
    options.deliveryChargeValue = QStringLiteral("49.999");
    draw();
    const QStringList quote = texts(runsBetween(QStringLiteral("Wall Name"), QStringLiteral("General Notes:")));
    const QStringList expected = {
        "Wall Name", "Wall Width", "Total", "North", " 2x6 Wall", "$1380.00*", "South", " 2x8 Wall", "$1000.00*",
        "Subtotal:", "$2380.00", "State Tax (6.5%):", "$154.70", "Delivery Charge:", "$50.00", "Quote Total:",
        "$2584.70", "Note:"};
    ASSERT_GE(quote.size(), expected.size()) << quote.join('\n').toStdString();
    EXPECT_EQ(quote.mid(0, expected.size()), expected);
    EXPECT_EQ(runs().filter(QStringLiteral("Note:")).size(), 1);
    EXPECT_EQ(runs().filter(QStringLiteral("*Subsequent Cripple Studs")).size(), 1);
    const QStringList all = texts(runs());
    EXPECT_LT(all.indexOf(QStringLiteral("General Notes:")), all.indexOf(QStringLiteral("Warning Notes:")));
    EXPECT_LT(all.indexOf(QStringLiteral("Warning Notes:")), all.indexOf(QStringLiteral("Project Information:")));

    // Neither tax nor delivery, nothing missing: Subtotal and Quote Total only, no note.
    setTotals(1, 6, QStringLiteral("1500"), QStringLiteral("120"), -1);
    setTotals(2, 8, QStringLiteral("1000"), QStringLiteral("0"), -1);
    options.stateTax = options.deliveryCharge = false;
    draw();
    const QStringList plain = texts(runsBetween(QStringLiteral("Subtotal:"), QStringLiteral("General Notes:")));
    EXPECT_EQ(plain, QStringList({"Subtotal:", "$2380.00", "Quote Total:", "$2380.00"}));
}

TEST_F(ReportBodiesTest, FigureLinesStayWholeAcrossAPageEnd)
{
    // 40 walls: the line end before the tax falls past the foot of page 1.
    for (int id = 1; id <= 40; ++id) {
        addTotalsRow(id, QStringLiteral("Wall"));
        setTotals(id, 6, QStringLiteral("2000"), QStringLiteral("0"));
        optionsWall(id, QStringLiteral("Wall"), true);
    }
    options.quote = options.stateTax = true;
    options.stateTaxValue = QStringLiteral("4");
    draw();
    EXPECT_TRUE(doc().dump().contains(QStringLiteral("\n2 T 6.500,1.192 12 $3200.00\n")));
    for (const char* label : {"Subtotal:", "State Tax (4%):", "Quote Total:"}) {
        const dv::PrintItem* l = dvtest::findText(doc(), QLatin1String(label));
        EXPECT_NEAR(l->box.right(), 6.25 * 72, 0.01) << label;
        EXPECT_EQ(l[1].box.topLeft(), QPointF(6.5 * 72, l->box.top())) << label;  // its amount
    }
    // The footer stands where each page's own margins put it, whatever
    // margin the figure lines carry over the page start.
    for (const char* footer : {"Page 1", "Page 2"}) {
        const dv::PrintItem* f = dvtest::findText(doc(), QLatin1String(footer));
        ASSERT_NE(f, nullptr) << footer;
        EXPECT_NEAR(f->box.right(), 8.0 * 72, 0.01) << footer;
    }
}

TEST_F(ReportBodiesTest, SeparatorsInANameStayInItsCell)
{
    const QString name = QStringLiteral("Shop | east; lean-to");
    addTotalsRow(1, name);
    setTotals(1, 10, QStringLiteral("12.5"), QStringLiteral("0"));
    optionsWall(1, name, false, false, true);
    material(1, 10, QStringLiteral("Stud"), QStringLiteral("2x10 | SPF; #2"), 3, 12);
    options.quote = options.itemized = true;
    draw();
    EXPECT_TRUE(runs().contains(QStringLiteral("C 11 ") + name)) << runs().join('\n').toStdString();
    EXPECT_TRUE(runs().contains(QStringLiteral("C 10 2x10 | SPF; #2")));
    EXPECT_TRUE(runs().contains(QStringLiteral("C 11 $12.50")));
}

TEST_F(ReportBodiesTest, DetailedHeadingsAndBothTableShapes)
{
    setWindSpeed(100);
    addGableWall(1, QStringLiteral("North"), 10.5, 18.25, 30, 6, 2, QStringLiteral("EXPOSURE C"), 1,
                 QStringLiteral("Vinyl"), 4, 0);
    addEaveWall(2, QStringLiteral("South"), 9, 40.0625, 24.5, QStringLiteral("EXPOSURE B"), 1, QStringLiteral("Brick"), 2);
    addColumn(2, 1, QStringLiteral("9"), QStringLiteral("4"));
    addOpening(2, 1, QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("2"));
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("2x6"), 20, 10);
    listWall(1, QStringLiteral("North"));
    listWall(3, QStringLiteral("Draft"), QStringLiteral("No"));
    listWall(2, QStringLiteral("South"));
    options.detailed = true;
    draw();
    const QStringList north = runsBetween(QStringLiteral("North - "), QStringLiteral("South - "));
    const QStringList expectedNorth = {
        "T 11B North - ", "T 11A Wall Studs", "C 10B Wall Type", "C 10B Slope", "C 10B Eave Height",
        "C 10B Ridge Height", "C 10B Length", "C 10B Finish", "C 10B Exposure", "C 10B Corners", "C 10B Mono Slope",
        "C 10 GABLE", "C 10 6/12", "C 10 10' 6\"", "C 10 18' 3\"", "C 10 30'", "C 10 Vinyl", "C 10 EXPOSURE C",
        "C 10 4", "C 10 No"};
    EXPECT_EQ(north, expectedNorth) << north.join('\n').toStdString();
    const QStringList south = runsBetween(QStringLiteral("South - "), QStringLiteral("Loading Information:"));
    const QStringList expectedSouth = {
        "T 11B South - ", "T 11A , 1 Column", "T 11A , 2 Headers", "C 10B Wall Type", "C 10B Eave Height",
        "C 10B Truss Span", "C 10B Length", "C 10B Finish", "C 10B Exposure", "C 10B Corners", "C 10 EAVE", "C 10 9'",
        "C 10 24' 6\"", "C 10 40' 3/4\"", "C 10 Brick", "C 10 EXPOSURE B", "C 10 2"};
    EXPECT_EQ(south, expectedSouth) << south.join('\n').toStdString();
    const QStringList loading = texts(runsBetween(QStringLiteral("Loading Information:"), QStringLiteral("Project Information:")));
    ASSERT_EQ(loading.size(), 1 + 5 + 2 * 5) << loading.join('\n').toStdString();
    EXPECT_EQ(loading.mid(6, 2), QStringList({"North", "100 mph"}));
    EXPECT_EQ(loading.mid(11, 2), QStringList({"South", "100 mph"}));
    EXPECT_FALSE(texts(runs()).contains(QStringLiteral("Draft - ")));
}

TEST_F(ReportBodiesTest, ItemizedListsInOrderWithOnlyThePresentCaptions)
{
    optionsWall(1, QStringLiteral("North"), true, false, true);
    optionsWall(2, QStringLiteral("South"), false);
    material(1, 6, QStringLiteral("Plate"), QStringLiteral("2x6 plate"), 6, 16, QStringLiteral("Top Plate"));
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("2x6 long"), 4, 16);
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("2x6 short"), 8, 12);
    material(1, 10, QStringLiteral("Connectors"), QStringLiteral("Clip"), 12, 0);
    options.itemized = true;
    draw();
    const QStringList all = runs();
    const QStringList expected = {
        "T 16B Ostrel Dorvane - Itemized Material Report", "T 12B North - 2x6 Wall", "T 11A Wall Studs",
        "C 10B Product Name", "C 10B Qty.", "C 10B Length", "C 10 2x6 short", "C 10 8", "C 10 12'", "C 10 2x6 long",
        "C 10 4", "C 10 16'", "T 11A Wall Plates", "C 10B ID", "C 10B Product Name", "C 10B Qty.", "C 10B Length",
        "C 10 Top Plate", "C 10 2x6 plate", "C 10 6", "C 10 16'", "T 12B North - 2x10 Wall", "T 11A Connectors",
        "C 10B Product Name", "C 10B Qty.", "C 10 Clip", "C 10 12"};
    EXPECT_EQ(all.mid(0, expected.size()), expected) << all.join('\n').toStdString();
    EXPECT_TRUE(all.filter(QStringLiteral("Project Information:")).isEmpty());
}

TEST_F(ReportBodiesTest, AllFourReportsAsPdf)
{
    DV_NEED(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "pdftotext (poppler-utils)");
    addGableWall(1, QStringLiteral("North"), 10, 18, 30, 6, 2);
    addEaveWall(2, QStringLiteral("South"), 9, 40, 24);
    listWall(1, QStringLiteral("North"));
    listWall(2, QStringLiteral("South"));
    // The summary re-prices the walls from their member totals before the
    // quote reads the wall totals.
    exec(QStringLiteral("UPDATE Project_Information SET \"6Studs\" = 1500, \"6JambX\" = 120 WHERE ID = 1"));
    exec(QStringLiteral("UPDATE Project_Information SET \"8Studs\" = 1000.25 WHERE ID = 2"));
    for (int i = 0; i < 60; ++i)  // enough studs to carry the itemized report over a page
        material(1, 6, QStringLiteral("Stud"), QStringLiteral("Stud %1").arg(i), 1, 8 + i % 10);
    optionsWall(1, QStringLiteral("North"), true);
    optionsWall(2, QStringLiteral("South"), false, true);
    options.summary = options.detailed = options.itemized = options.quote = true;
    options.stateTax = true;
    options.stateTaxValue = QStringLiteral("7");
    draw();
    ASSERT_TRUE(dv::ReportPrinted);
    const QString pdf = dir.filePath(QStringLiteral("reports.pdf"));
    doc().writePdf(pdf);
    const QStringList pages = dvtest::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), doc().pageCount());
    ASSERT_GE(pages.size(), 5);
    const char* titles[] = {"Summary Report", "Detailed Summary Report", "Itemized Material Report",
                            "Project Quote Report"};
    // Each report begins a new page with its title as the page's first line,
    // in the fixed order.
    int last = 0;
    for (const char* t : titles) {
        int found = 0;
        for (int i = 0; i < pages.size() && !found; ++i)
            if (pages[i].contains(QStringLiteral("Ostrel Dorvane - ") + QLatin1String(t)))
                found = i + 1;
        ASSERT_GT(found, last) << t;
        EXPECT_EQ(pages[found - 1].trimmed().section(QLatin1Char('\n'), 0, 0).trimmed(),
                  QStringLiteral("Ostrel Dorvane - ") + QLatin1String(t));
        last = found;
    }
    EXPECT_EQ(last, pages.size());  // the quote fits its page
    for (int i = 0; i < pages.size(); ++i)
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1))) << i;
    // The quote prices the material without its jamb extensions: 1500.00 +
    // 1000.25 = 2500.25, tax 7% = 175.0175 shown and added as 175.02.
    EXPECT_TRUE(pages.last().contains(QStringLiteral("$2500.25")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("$2675.27"))) << pages.last().toStdString();
}

}  // namespace
