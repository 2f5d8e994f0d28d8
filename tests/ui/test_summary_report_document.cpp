// The whole summary report: its sections in order, the user notes only
// when asked for, a half-way failure from the options window, and the PDF.
#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/frmDorvPrintOptions.h"
#include "reports/modDorvPrint.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

class SummaryReportTest : public dvtest::ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        view.project = QStringLiteral("Lakeside Barn");
        view.builder = QStringLiteral("Bob's Building");
        addEaveWall(1, QStringLiteral("North"), 10, 20, 24);
        addGableWall(2, QStringLiteral("Gable End"), 10, 18, 20, 6, 2, QStringLiteral("EXPOSURE C"));
        exec(QStringLiteral("UPDATE Project_Information SET \"6Studs\" = 100, \"8Studs\" = 200, \"10Studs\" = 300"));
        view.wallRows = {{"1", "North", "Yes"}, {"2", "Gable End", "Yes"}};
        options.detailed = false;
    }
    // Index of the first text that starts with the given one; -1 if none.
    int indexOf(const QString& start) const
    {
        const QStringList t = allTexts();
        for (int i = 0; i < t.size(); ++i)
            if (t[i].startsWith(start))
                return i;
        return -1;
    }
    double total6(int id)
    {
        return scalar(QStringLiteral("SELECT Total6 FROM Project_Information WHERE ID = %1").arg(id)).toDouble();
    }
};

TEST_F(SummaryReportTest, SectionsInOrderAndUserNotesOnlyWhenAskedFor)
{
    struct Case {
        bool ticked;
        const char* notes;
        bool printed;
    };
    for (const Case& c : {Case{false, "Gate code 42", false}, Case{true, "", false}, Case{true, "Gate code 42", true}}) {
        SCOPED_TRACE(c.notes);
        options.customNote = c.ticked;
        options.notes = QLatin1String(c.notes);
        dv::PrintReports(options, false);
            const int order[] = {indexOf("Ostrel Dorvane - Summary Report"), indexOf("Wall Systems included"),
                             indexOf("Products included"), indexOf("General Notes:"), indexOf("-Wind Speed"),
                             indexOf("Project Information:")};
        for (size_t i = 0; i < std::size(order); ++i) {
            EXPECT_GE(order[i], 0) << i;
            if (i > 0) {
                EXPECT_LT(order[i - 1], order[i]) << i;
            }
        }
        const int user = indexOf("User Notes:");
        EXPECT_EQ(user >= 0, c.printed);
        if (c.printed) {
            EXPECT_LT(order[4], user);
            EXPECT_LT(user, order[5]);
            EXPECT_EQ(allTexts().value(user + 1), "Gate code 42");
        }
        EXPECT_GE(indexOf("-Gable wall systems Gable End:"), 0);
    }
}

// The options window with the real drawing; only the dialogs are answered.
class DrawingOptions : public dv::frmDorvPrintOptions {
public:
    QStringList messages;
    dv::MsgResult messageBox(const QString& text, const QString&, dv::MsgButtons, dv::MsgIcon) override
    {
        messages << text;
        return dv::MsgResult::Ok;
    }
};

TEST_F(SummaryReportTest, AFailureHalfWayLeavesTotalsComparisonAndPreviewAsTheyWere)
{
    view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
    view.markup = 1;
    DrawingOptions window;
    window.chkDetailedReport->setChecked(false);
    window.cmdPrintPreview->click();
    ASSERT_TRUE(window.messages.isEmpty()) << window.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(modelessShows, 1);
    const QString shown = doc().dump();
    EXPECT_DOUBLE_EQ(total6(1), 110);  // the profile's 10 % markup
    const std::vector<QStringList> comparison = view.comparisonRows;

    // The second wall's totals can no longer be read: the first is already
    // re-priced with the override when the error comes.
    exec(QStringLiteral("UPDATE Project_Information SET \"8Studs\" = NULL WHERE ID = 2"));
    window.chkOverrideMarkup->setChecked(true);
    window.txtOverrideMarkup->setText(QStringLiteral("50"));
    window.cmdPrintPreview->click();
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].startsWith(QStringLiteral("Error 94:"))) << window.messages[0].toStdString();
    EXPECT_EQ(modelessShows, 1);
    EXPECT_FALSE(dv::ReportPrinted);
    EXPECT_EQ(doc().dump(), shown);
    EXPECT_DOUBLE_EQ(total6(1), 110);
    EXPECT_EQ(view.comparisonRows, comparison);

    // Mended, the override reaches the totals and stays there.
    exec(QStringLiteral("UPDATE Project_Information SET \"8Studs\" = 0 WHERE ID = 2"));
    window.cmdPrintPreview->click();
    EXPECT_EQ(modelessShows, 2);
    EXPECT_DOUBLE_EQ(total6(1), 150);
}

TEST_F(SummaryReportTest, WrittenAsPdfAndReadBack)
{
    view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                        "VALUES ('Stud', 2, 'Gable End', 10)"));
    DrawingOptions window;
    window.chkDetailedReport->setChecked(false);
    window.chkCustomNote->setChecked(true);
    window.txtNotes->setText(QStringLiteral("Deliver to the back gate."));
    window.cmdPrintPreview->click();
    ASSERT_TRUE(window.messages.isEmpty()) << window.messages.join(QLatin1Char('\n')).toStdString();
    const QString pdf = dir.filePath(QStringLiteral("summary.pdf"));
    dv::gReportPrinter->writePdf(pdf);

    const QString text = dvtest::pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
    for (const char* expected :
         {"Ostrel Dorvane - Summary Report", "Wall Systems included in this comparison and estimate:",
          "Wall System Name", "2x10 Wall", "Products included in each wall system (based on 'Default' profile):",
          "Ostrel\u00ae Kelbrin\u00ae LSL wall plates", "OSB Sheathing wall panels", "*One or more Stud, Column, or Header",
          "General Notes:", "-Wind Speed used in this summary was: 90 mph", "User Notes:", "Deliver to the back gate.",
          "Project Information:", "Project Name: Lakeside Barn", "Page 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Gable End\\s+\\$\\d+\\.00/\\$0\\.00\\s+\\$\\d+\\.00/\\$0\\.00\\s+"
                                                                "\\$\\d+\\.00/\\$0\\.00\\*"))))
        << text.toStdString();
}

}  // namespace
