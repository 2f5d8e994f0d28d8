// The product validation report, the preview window, the page logo and the
// PDF that a report becomes.
#include "core/app_state.h"
#include "platform/app_error.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/frmDorvValidationResults.h"
#include "reports/modDorvPrint.h"
#include "reports/page_logo.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"
#include "core/data_location.h"
#include "ui/common/app_info.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

using dv::PrintItem;
using dvtest::itemsOf;

const QString kTitle = QStringLiteral("Ostrel Dorvane - Product Validation Report");

class ValidationReportTest : public dvtest::ReportTest {
protected:
    void addFinding(const QString& member, int wallID, const QString& storedName, int width)
    {
        dv::DbConnection
            .prepare(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                                    "VALUES (?, ?, ?, ?)"))
            .bind(1, member).bind(2, wallID).bind(3, storedName).bind(4, width)
            .exec();
    }
    void clickPrint()
    {
        dv::frmDorvValidationResults window;
        window.cmdPrint->click();
    }
    QStringList cells(int page) const { return dvtest::cellTexts(doc(), page); }
};

TEST_F(ValidationReportTest, TheReportListsTheFindingsWithNamesRestoredAndShowsModally)
{
    addFinding("Rough Opening 2", 4, "Bob`s porch", 8);
    addFinding("Stud", 1, "Front | West; East", 10);
    dv::frmDorvValidationResults window;
    EXPECT_EQ(window.cmdPrint->text(), "Print Validation Summary");
    window.cmdPrint->click();
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(modelessShows, 0);
    EXPECT_FALSE(dv::ReportPrinted);  // only the report options read it
    EXPECT_EQ(dv::gReportPrinter, &dv::frmDorvPrintPreview::instance().VSPrint);
    ASSERT_EQ(doc().pageCount(), 1);
    const QStringList texts = doc().pageTexts(1);
    EXPECT_EQ(texts.first(), kTitle);
    EXPECT_EQ(cells(1), (QStringList{"Member Name", "Wall Name", "Wall Width", "Rough Opening 2", "Bob's porch", "2 x 8 Wall",
                                     "Stud", "Front | West; East", "2 x 10 Wall"}));
    EXPECT_TRUE(texts.contains("Note:"));
    EXPECT_TRUE(texts.contains("Page 1"));
    EXPECT_FALSE(texts.contains("Project Information:"));
    const auto table = itemsOf(doc(), 1, PrintItem::Kind::Cell);
    EXPECT_TRUE(table[0].font.bold);
    EXPECT_EQ(table[3].font.size, 11);
    EXPECT_NEAR(table[3].box.x(), 36 + 2, 0.01);  // the left margin and the cell's padding
}

TEST_F(ValidationReportTest, ReplacesThePreviewsDocumentAndAnErrorLeavesItShown)
{
    addFinding("Stud", 1, "Front", 6);
    dv::PrintReports(dv::MemoryReportOptions{}, false);
    ASSERT_EQ(doc().pageCount(), 2);
    clickPrint();
    ASSERT_EQ(modalShows, 1);
    EXPECT_EQ(doc().pageCount(), 1);
    EXPECT_FALSE(allTexts().contains("Ostrel Dorvane - Summary Report"));

    // An error is shown in the window; the preview keeps its document.
    dv::frmDorvValidationResults window;
    exec(QStringLiteral("DROP TABLE Validation_Information"));
    EXPECT_NO_THROW(window.cmdPrint->click());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].text.startsWith("Error ")) << view.messages[0].text.toStdString();
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(doc().pageTexts(1).first(), kTitle);
    EXPECT_TRUE(cells(1).contains("Front"));
    // The next document starts clean.
    dv::PrintReports(dv::MemoryReportOptions{}, false);
    EXPECT_EQ(doc().pageCount(), 2);
}

TEST_F(ValidationReportTest, EveryPageCarriesTheLogoTheHeaderRowAndItsNumberAndThePdfReadsBack)
{
    addFinding("Rough Opening 2", 4, "Bob`s porch \u00ae", 8);
    for (int i = 1; i <= 60; ++i)
        addFinding(QStringLiteral("Column %1").arg(i), 2, "Back", 10);
    clickPrint();
    const int pages = doc().pageCount();
    ASSERT_GE(pages, 2);
    for (int p = 1; p <= pages; ++p) {
        const auto logo = itemsOf(doc(), p, PrintItem::Kind::Image);
        ASSERT_EQ(logo.size(), 1u) << p;
        EXPECT_EQ(logo[0].box, QRectF(36, 36, 348 * 0.75, 44 * 0.75));
        EXPECT_EQ(cells(p).first(), "Member Name");
        EXPECT_TRUE(doc().pageTexts(p).contains(QStringLiteral("Page %1").arg(p)));
    }

    const QString pdf = dir.filePath("validation");
    dv::frmDorvPrintPreview::pdfFileHook = [&] { return pdf; };
    dv::frmDorvPrintPreview::instance().actSavePdf->trigger();
    dv::frmDorvPrintPreview::pdfFileHook = nullptr;
    EXPECT_TRUE(view.messages.empty());
    const QString file = pdf + ".pdf";
    ASSERT_TRUE(QFile::exists(file));
    const QString info = dvtest::runTool("pdfinfo", {file});
    EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(pages)))) << info.toStdString();
    const QString text = dvtest::pdfText(file);
    EXPECT_TRUE(text.contains(kTitle)) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Rough Opening 2\\s+Bob's porch \u00ae\\s+2 x 8 Wall"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Page 1"));
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(pages)));
    EXPECT_EQ(dv::frmDorvPrintPreview::instance().preview()->pageCount(), pages);
    EXPECT_THROW(doc().writePdf(dir.filePath("no/such/folder/x.pdf")), dv::AppError);
}

TEST_F(ValidationReportTest, PreviewWindowCaptionAndViews)
{
    dv::frmDorvPrintPreview& w = dv::frmDorvPrintPreview::instance();
    EXPECT_EQ(&w, &dv::frmDorvPrintPreview::instance());
    EXPECT_EQ(w.windowTitle(), dv::appTitle() + " [Print Preview]");
    const struct {
        QAction* action;
        const char* caption;
        QPrintPreviewWidget::ViewMode mode;
    } views[] = {
        {w.actTwoPages, "&Two Pages", QPrintPreviewWidget::FacingPagesView},
        {w.actThumbnail, "Thumb&nail", QPrintPreviewWidget::AllPagesView},
        {w.actPageWidth, "Page &Width", QPrintPreviewWidget::SinglePageView},
        {w.actWholePage, "Whole &Page", QPrintPreviewWidget::SinglePageView},
    };
    for (const auto& v : views) {
        EXPECT_EQ(v.action->text(), QString::fromLatin1(v.caption));
        v.action->trigger();
        EXPECT_EQ(w.preview()->viewMode(), v.mode) << v.caption;
    }
    EXPECT_EQ(w.preview()->zoomMode(), QPrintPreviewWidget::FitInView);
}

TEST(PageLogo, TheGifReadsBackPixelForPixel)
{
    QImage noise(300, 200, QImage::Format_RGB32);  // enough codes to fill the table and start it again
    QRandomGenerator rng(7);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((rng.bounded(8)) * 32, rng.bounded(8) * 32, rng.bounded(4) * 64));
    }
    QImage flat(5, 3, QImage::Format_RGB32);
    flat.fill(Qt::white);
    for (const QImage& source : {dv::drawPageLogoPicture(), noise, flat}) {
        const QImage expected = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage back = QImage::fromData(dv::encodeGif(source), "GIF").convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(back.size(), source.size());
        EXPECT_EQ(back, expected);
    }
    const QImage beside(dv::programFolder() + QLatin1Char('/') + dv::pageLogoFileName());
    EXPECT_EQ(beside.size(), QSize(348, 44));
}

}  // namespace
