// Printing the report document through the print dialog: the chosen pages,
// the fit to other paper, the job's name. The dialog is answered by the test,
// its printer writing a PDF file.
#include "reports/frmDorvPrintPreview.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <tuple>

namespace {

struct Word {
    QString text;
    QRectF box;  // points from the paper's top left corner
};

// Every word of every page of a PDF file, as pdftotext places it.
std::vector<std::vector<Word>> pdfWords(const QString& pdf)
{
    std::vector<std::vector<Word>> pages;
    static const QRegularExpression re(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    for (const auto& m : re.globalMatch(dvtest::runTool("pdftotext", {"-bbox", pdf, "-"}))) {
        if (m.captured(5).isNull())
            pages.emplace_back();
        else
            pages.back().push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return pages;
}

QString pageText(const std::vector<Word>& words)
{
    QStringList out;
    for (const Word& w : words)
        out << w.text;
    return out.join(' ');
}

class ReportPrintingTest : public dvtest::ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        dv::PrintDocument& d = preview().VSPrint;
        d.OpenDocument();
        d.setFooterText("||Page %d");
        for (int p = 1; p <= 8; ++p) {
            if (p > 1)
                d.BreakPage();
            d.WriteText(QStringLiteral("Text of page %1\n").arg(p));
        }
        // Ends 8.3 in from the paper's left edge: past an A4 sheet's width.
        d.setLeftMargin(0.5);
        d.OpenTable();
        d.setTableRuling(7);
        d.AddTableRows("<+2.00in|>+~5.80in", "Wall|Notes", "Gable|end;");
        d.CloseTable();
        d.CloseDocument();
    }
    void TearDown() override
    {
        dv::frmDorvPrintPreview::printDialogHook = nullptr;
        ReportTest::TearDown();
    }
    static dv::frmDorvPrintPreview& preview() { return dv::frmDorvPrintPreview::instance(); }
    // Prints with the dialog answered: a PDF file on this paper and range.
    QString print(const QString& name, const QPageLayout& paper, QPrinter::PrintRange range = QPrinter::AllPages,
                  int from = 0, int to = 0)
    {
        const QString pdf = dir.filePath(name);
        dv::frmDorvPrintPreview::printDialogHook = [&](QPrintDialog& dialog) {
            offered = {dialog.minPage(), dialog.maxPage(), dialog.testOption(QAbstractPrintDialog::PrintCurrentPage)};
            dialog.printer()->setOutputFileName(pdf);
            dialog.printer()->setPageLayout(paper);
            dialog.printer()->setPrintRange(range);
            dialog.printer()->setFromTo(from, to);
            return int(QDialog::Accepted);
        };
        preview().cmdPrint_Click();
        return pdf;
    }
    static QPageLayout paper(QPageSize::PageSizeId id, double margin = 10)
    {
        return QPageLayout(QPageSize(id), QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin));
    }
    std::tuple<int, int, bool> offered;
};

// The job is named after the program and the project.
TEST_F(ReportPrintingTest, PrintsTheChosenPagesOnlyAndTellsWhereThePdfWent)
{
    view.project = "Mill Creek Barn";
    preview().preview()->updatePreview();
    preview().preview()->setCurrentPage(5);
    const QString ranged = print("range.pdf", paper(QPageSize::Letter), QPrinter::PageRange, 2, 3);
    EXPECT_EQ(offered, std::make_tuple(1, 8, true));
    const QString current = print("current.pdf", paper(QPageSize::Letter), QPrinter::CurrentPage);
    const auto r = pdfWords(ranged), c = pdfWords(current);
    ASSERT_EQ(r.size(), 2u);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(pageText(r[0]).startsWith("Text of page 2") && pageText(r[1]).startsWith("Text of page 3"));
    EXPECT_TRUE(pageText(c[0]).startsWith("Text of page 5"));
    EXPECT_TRUE(dvtest::runTool("pdfinfo", {ranged}).contains(QRegularExpression("Title: +Dorvane - Mill Creek Barn\n")));
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, "The report was saved as a PDF file: " + ranged);
}

TEST_F(ReportPrintingTest, OtherPaperGetsTheWholeLetterPageScaledInsideItsMarginsAndLetterIsUnchanged)
{
    const QPageLayout a4 = paper(QPageSize::A4, 18);
    const auto letterWords = pdfWords(print("letter.pdf", paper(QPageSize::Letter)));
    const auto a4Words = pdfWords(print("a4.pdf", a4));
    preview().VSPrint.writePdf(dir.filePath("saved.pdf"));
    const auto savedWords = pdfWords(dir.filePath("saved.pdf"));
    const QString info = dvtest::runTool("pdfinfo", {dir.filePath("a4.pdf")});
    // A project without a name: the job takes the program's title alone.
    EXPECT_TRUE(info.contains("(A4)") && info.contains(QRegularExpression("Title: +Dorvane\n"))) << info.toStdString();
    ASSERT_EQ(a4Words.size(), 8u);
    const QRectF printable = a4.fullRectPoints().marginsRemoved(a4.marginsPoints());
    for (size_t p = 0; p < 8; ++p) {
        EXPECT_EQ(pageText(a4Words[p]), pageText(letterWords[p]));
        for (size_t w = 0; w < savedWords[p].size(); ++w)
            EXPECT_LT((letterWords[p].at(w).box.topLeft() - savedWords[p][w].box.topLeft()).manhattanLength(), 0.01);
        for (const Word& w : a4Words[p])
            EXPECT_TRUE(printable.contains(w.box)) << w.text.toStdString();
        // Rules and images too, through the transform the drawing uses.
        for (const dv::PrintItem& i : preview().VSPrint.model().pages[p].items) {
            const QRectF box = dv::PrintDocument::paperTransform(preview().VSPrint.model(), a4).mapRect(i.box);
            EXPECT_TRUE(printable.contains(box.topLeft()) && printable.contains(box.bottomRight())) << i.text.toStdString();
        }
    }
}

}  // namespace
