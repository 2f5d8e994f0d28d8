// The product validation report, the preview window, the page logo and the
// PDF that a report becomes.
#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/frmDorvValidationResults.h"
#include "reports/modDorvPrint.h"
#include "reports/page_logo.h"
#include "tests/qstring_print.h"
#include "tests/report_test_support.h"
#include "ui/project/app_info.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

using dv::PrintItem;

class ValidationReportTest : public dvtest::ReportTest {
protected:
    void addFinding(const QString& member, int wallID, const QString& storedName, int width)
    {
        dv::DbConnection.prepare(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, "
                                                "WallWidth) VALUES (?, ?, ?, ?)"))
            .bind(1, member)
            .bind(2, wallID)
            .bind(3, storedName)
            .bind(4, width)
            .exec();
    }
    void clickPrint()
    {
        dv::frmDorvValidationResults window;
        window.cmdPrint->click();
    }
    std::vector<PrintItem> items(int page, PrintItem::Kind kind) const
    {
        std::vector<PrintItem> out;
        for (const PrintItem& i : doc().model().pages.at(page - 1).items) {
            if (i.kind == kind)
                out.push_back(i);
        }
        return out;
    }
    QStringList cells(int page) const
    {
        QStringList out;
        for (const PrintItem& i : items(page, PrintItem::Kind::Cell))
            out << i.text;
        return out;
    }
};

TEST_F(ValidationReportTest, TheReportListsTheFindingsWithNamesRestoredAndShowsModally)
{
    addFinding(QStringLiteral("Rough Opening 2"), 4, QStringLiteral("Bob`s porch"), 8);
    addFinding(QStringLiteral("Stud"), 1, QStringLiteral("Front | West; East"), 10);
    dv::frmDorvValidationResults window;
    EXPECT_EQ(window.cmdPrint->text(), QStringLiteral("Print Validation Summary"));
    window.cmdPrint->click();
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(modelessShows, 0);
    EXPECT_FALSE(dv::ReportPrinted);  // only the report options read it
    EXPECT_EQ(dv::gReportPrinter, &dv::frmDorvPrintPreview::instance().VSPrint);
    ASSERT_EQ(doc().pageCount(), 1);
    const QStringList texts = doc().pageTexts(1);
    EXPECT_EQ(texts.first(), QStringLiteral("Ostrel Dorvane - Product Validation Report"));
    EXPECT_EQ(cells(1), (QStringList{QStringLiteral("Member Name"), QStringLiteral("Wall Name"), QStringLiteral("Wall Width"),
                                     QStringLiteral("Rough Opening 2"), QStringLiteral("Bob's porch"),
                                     QStringLiteral("2 x 8 Wall"), QStringLiteral("Stud"),
                                     QStringLiteral("Front | West; East"), QStringLiteral("2 x 10 Wall")}));
    EXPECT_TRUE(texts.contains(QStringLiteral("Note:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Page 1")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Project Information:")));
    const auto table = items(1, PrintItem::Kind::Cell);
    EXPECT_TRUE(table[0].font.bold);
    EXPECT_EQ(table[3].font.size, 11);
    EXPECT_NEAR(table[3].box.x(), 36 + 2, 0.01);  // the left margin and the cell's padding
}

TEST_F(ValidationReportTest, EveryPageCarriesTheLogoTheHeaderRowAndItsNumber)
{
    for (int i = 1; i <= 70; ++i)
        addFinding(QStringLiteral("Rough Opening %1").arg(i), 1, QStringLiteral("Front"), 6);
    clickPrint();
    ASSERT_GE(doc().pageCount(), 2);
    for (int p = 1; p <= doc().pageCount(); ++p) {
        const auto logo = items(p, PrintItem::Kind::Image);
        ASSERT_EQ(logo.size(), 1u) << p;
        EXPECT_EQ(logo[0].box, QRectF(36, 36, 348 * 0.75, 44 * 0.75));
        EXPECT_EQ(cells(p).first(), QStringLiteral("Member Name"));
        EXPECT_TRUE(doc().pageTexts(p).contains(QStringLiteral("Page %1").arg(p)));
    }
}

TEST_F(ValidationReportTest, ReplacesTheDocumentThePreviewShowed)
{
    addFinding(QStringLiteral("Stud"), 1, QStringLiteral("Front"), 6);
    dv::PrintReports(dv::MemoryReportOptions{}, false);
    ASSERT_EQ(doc().pageCount(), 2);
    clickPrint();
    EXPECT_EQ(doc().pageCount(), 1);
    EXPECT_FALSE(allTexts().contains(QStringLiteral("Ostrel Dorvane - Summary Report")));
}

TEST_F(ValidationReportTest, AnErrorIsShownInTheWindowAndThePreviewKeepsItsDocument)
{
    addFinding(QStringLiteral("Stud"), 1, QStringLiteral("Front"), 6);
    clickPrint();
    ASSERT_EQ(modalShows, 1);
    dv::frmDorvValidationResults window;
    exec(QStringLiteral("DROP TABLE Validation_Information"));
    EXPECT_NO_THROW(window.cmdPrint->click());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(view.messages[0].text.startsWith(QStringLiteral("Error "))) << view.messages[0].text.toStdString();
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(doc().pageTexts(1).first(), QStringLiteral("Ostrel Dorvane - Product Validation Report"));
    EXPECT_TRUE(cells(1).contains(QStringLiteral("Front")));
    // The next document starts clean.
    dv::PrintReports(dv::MemoryReportOptions{}, false);
    EXPECT_EQ(doc().pageCount(), 2);
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(ValidationReportTest, SavedAsPdfItReadsBack)
{
    addFinding(QStringLiteral("Rough Opening 2"), 4, QStringLiteral("Bob`s porch"), 8);
    for (int i = 1; i <= 60; ++i)
        addFinding(QStringLiteral("Column %1").arg(i), 2, QStringLiteral("Back"), 10);
    clickPrint();
    const QString pdf = dir.filePath(QStringLiteral("validation"));
    dv::frmDorvPrintPreview::pdfFileHook = [&] { return pdf; };
    dv::frmDorvPrintPreview::instance().actSavePdf->trigger();
    dv::frmDorvPrintPreview::pdfFileHook = nullptr;
    EXPECT_TRUE(view.messages.empty());
    const QString file = pdf + QStringLiteral(".pdf");
    ASSERT_TRUE(QFile::exists(file));
    const QString info = run(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts (letter)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(doc().pageCount()))))
        << info.toStdString();
    EXPECT_GE(doc().pageCount(), 2);
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Ostrel Dorvane - Product Validation Report"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Rough Opening 2\\s+Bob's porch\\s+2 x 8 Wall"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(doc().pageCount())));
    EXPECT_EQ(dv::frmDorvPrintPreview::instance().preview()->pageCount(), doc().pageCount());
}

TEST_F(ValidationReportTest, PreviewWindowCaptionAndViews)
{
    dv::frmDorvPrintPreview& w = dv::frmDorvPrintPreview::instance();
    EXPECT_EQ(&w, &dv::frmDorvPrintPreview::instance());
    EXPECT_EQ(w.windowTitle(), dv::appTitle() + QStringLiteral(" [Print Preview]"));
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
