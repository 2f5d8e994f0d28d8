// What every report shares: the document of the ticked reports, titles,
// footer, page logo and the project and operator information block.
#include "core/app_state.h"
#include "reports/modDorvPrint.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"
#include "core/data_location.h"
#include "ui/common/app_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

using dv::PrintItem;

class ReportFurnitureTest : public dvtest::ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        view.project = QStringLiteral("Lakeside Barn");
        view.builder = QStringLiteral("Bob's Building");
        // The quote reads the tax and delivery boxes; the options window lets
        // only numbers through.
        options.stateTaxValue = options.deliveryChargeValue = QStringLiteral("0");
    }
    const PrintItem* item(const QString& text, int* page = nullptr) const { return dvtest::findText(doc(), text, page); }
    // The texts from the first that is `from`, `count` of them.
    QStringList textsFrom(const QString& from, int count) const
    {
        const QStringList texts = allTexts();
        const qsizetype at = texts.indexOf(from);
        return at < 0 ? QStringList() : texts.mid(at, count);
    }
};

TEST_F(ReportFurnitureTest, ReportsComeInTheirFixedOrderEachOnANewPage)
{
    const QString summary = "Summary Report", detailed = "Detailed Summary Report", itemized = "Itemized Material Report",
                  quote = "Project Quote Report";
    const struct {
        bool s, d, i, q, includeQuote;
        QStringList expected;
    } cases[] = {
        {true, true, true, true, true, {summary, detailed, itemized, quote}},
        {true, true, false, true, false, {summary, detailed}},
        {false, false, true, false, false, {itemized}},
        {false, false, false, true, true, {quote}},
        {false, false, false, false, true, {}},
    };
    for (const auto& c : cases) {
        options.summary = c.s;
        options.detailed = c.d;
        options.itemized = c.i;
        options.quote = c.q;
        dv::ReportPrinted = false;
        dv::PrintReports(options, c.includeQuote);
        EXPECT_TRUE(dv::ReportPrinted);
        QStringList titles;
        for (const QString& t : allTexts()) {
            if (t.startsWith("Ostrel Dorvane - "))
                titles << t.mid(17);
        }
        EXPECT_EQ(titles, c.expected);
        ASSERT_EQ(doc().pageCount(), std::max<int>(1, static_cast<int>(c.expected.size())));
        for (int p = 0; p < static_cast<int>(c.expected.size()); ++p) {
            int page = 0;
            ASSERT_TRUE(item("Ostrel Dorvane - " + c.expected[p], &page));
            EXPECT_EQ(page, p + 1);
        }
    }
    EXPECT_EQ(modelessShows + modalShows, 0);  // the options window shows the preview
}

TEST_F(ReportFurnitureTest, FooterCarriesNameVersionTimeAndRunningPageNumbers)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dv::PrintReports(options, false);  // summary and detailed
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(doc().pageCount(), 2);
    for (int p = 1; p <= 2; ++p) {
        QStringList footer;
        for (const PrintItem& i : dvtest::itemsOf(doc(), p, PrintItem::Kind::Footer)) {
            footer << i.text;
            EXPECT_EQ(i.font.size, 8);
            EXPECT_NEAR(i.box.right(), 8.0 * 72, 0.01);  // right part, at the right margin
        }
        EXPECT_EQ(footer, (QStringList{"Ostrel Dorvane Dozurorer", "Version " + dv::appVersionText(), "12/09/2026 02:05:09 PM",
                                       QStringLiteral("Page %1").arg(p)}));
    }
    EXPECT_EQ(dv::appVersionText(), QStringLiteral("%1.%2.%3").arg(DV_VERSION_MAJOR).arg(DV_VERSION_MINOR).arg(DV_VERSION_PATCH));
}

TEST_F(ReportFurnitureTest, TitleAndProjectBlockWithTheDatesAndTheOperatorFile)
{
    writeOperatorFile({"Company: Ostrel Lumber Yard", "Contact: Jane Doe", "Address: 12 Main St", "City: Springfield", "State: IL",
                       "Zip: 62701", "Phone: 5551234567", "Fax: 555-123-4567", "Email: jane@example.com"});
    options.detailed = false;
    options.blueprintDate = true;  // ticked but empty: no line
    dv::PrintReports(options, false);
    EXPECT_EQ(textsFrom("Project Information:", 12),
              (QStringList{"Project Information:", "Project Name: Lakeside Barn", "Customer Name: Bob's Building",
                           "Expiration Date: 01/08/2027 (30 Days)", "Operator Information:", "Jane Doe", "Ostrel Lumber Yard",
                           "12 Main St", "Springfield, IL 62701", "Phone: (555)123-4567", "Fax: 555-123-4567",
                           "Email: jane@example.com"}));
    // Titles at half an inch in 16 point bold, the project lines in 8 point.
    const PrintItem* title = item("Ostrel Dorvane - Summary Report");
    const PrintItem* name = item("Project Name: Lakeside Barn");
    ASSERT_TRUE(title && name);
    EXPECT_EQ(title->box.topLeft(), QPointF(36, 72));
    EXPECT_EQ(title->font, (dv::PrintFont{"Arial", 16, true, false}));
    EXPECT_EQ(name->font, (dv::PrintFont{"Arial", 8, false, false}));
    const PrintItem* header = item("Operator Information:");
    const PrintItem* contact = item("Jane Doe");
    const PrintItem* project = item("Project Information:");
    ASSERT_TRUE(header && contact && project);
    EXPECT_DOUBLE_EQ(project->box.x(), 36);
    EXPECT_DOUBLE_EQ(header->box.x(), 5.0 * 72);
    EXPECT_DOUBLE_EQ(contact->box.x(), 5.0 * 72);
    EXPECT_EQ(header->font, (dv::PrintFont{"Arial", 10, true, false}));
}

TEST_F(ReportFurnitureTest, ShortOrMissingOperatorFileNeverStopsTheReport)
{
    writeOperatorFile({"Company: Ostrel Lumber Yard", "Contact: Jane Doe"});
    options.detailed = options.expirationDate = false;
    options.blueprintDate = true;
    options.blueprintDateValue = QStringLiteral("Rev. C, 11/02/2026");
    dv::PrintReports(options, false);
    EXPECT_EQ(textsFrom("Customer Name: Bob's Building", 8),
              (QStringList{"Customer Name: Bob's Building", "Blueprint Date: Rev. C, 11/02/2026", "Operator Information:",
                           "Jane Doe", "Ostrel Lumber Yard", ",  ", "Phone: ", "Fax: "}));

    dv::operatorFileOverride = dir.filePath("missing.txt");
    dv::ReportPrinted = false;
    dv::PrintReports(options, false);
    EXPECT_TRUE(dv::ReportPrinted);
    EXPECT_TRUE(allTexts().contains("Project Information:"));
    EXPECT_FALSE(allTexts().contains("Operator Information:"));
}

TEST_F(ReportFurnitureTest, OperatorFileReadAsWindows1252UnlessItIsUtf8)
{
    const QString path = dir.filePath("ops.txt");
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray("Company: M\xfcller \x80 Co\r\nx"), QStringLiteral("M\u00fcller \u20ac Co")},
        {QByteArray("\xef\xbb\xbf" "Company: M\xc3\xbcller\n"), QStringLiteral("M\u00fcller")},
        {QByteArray("Company:\nNo colon here\n"), QString()},
    };
    for (const auto& [bytes, first] : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const auto values = dv::readOperatorInformation(path);
        ASSERT_TRUE(values.has_value());
        ASSERT_EQ(values->size(), 9);
        EXPECT_EQ(values->at(0), first);
        EXPECT_EQ(values->at(1), QString());
    }
    EXPECT_FALSE(dv::readOperatorInformation(dir.filePath("none.txt")).has_value());
    EXPECT_FALSE(dv::readOperatorInformation(dir.path()).has_value());  // a folder cannot be read
}

TEST_F(ReportFurnitureTest, OperatorFileFoundInTheConfigurationFoldersFirst)
{
    dv::operatorFileOverride.reset();
    const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
    const QString user = dir.filePath("user"), system = dir.filePath("system");
    qputenv("XDG_CONFIG_HOME", user.toUtf8());
    qputenv("XDG_CONFIG_DIRS", system.toUtf8());
    auto make = [](const QString& folder) {
        QDir().mkpath(folder + "/Ostrel");
        QFile f(folder + "/Ostrel/UserInformation.txt");
        return f.open(QIODevice::WriteOnly);
    };
    const QString programFile = dv::programFolder() + "/UserInformation.txt";
    EXPECT_EQ(dv::operatorInformationFile(), QFileInfo(programFile).isFile() ? programFile : QString());
    ASSERT_TRUE(make(system));
    EXPECT_EQ(dv::operatorInformationFile(), system + "/Ostrel/UserInformation.txt");
    ASSERT_TRUE(make(user));
    EXPECT_EQ(dv::operatorInformationFile(), user + "/Ostrel/UserInformation.txt");
    home.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", home);
    dirs.isNull() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", dirs);
}

TEST(ReportDigitPattern, OnlyPlainDigitsAreFormatted)
{
    const char* phone = "(###)###-####";
    const struct {
        const char* value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"5551234567", phone, "(555)123-4567"},
        {"5551234567", "(###) ###-####", "(555) 123-4567"},
        {"(555)123-4567", "(###) ###-####", "(555)123-4567"},  // already formatted: unchanged
        {"1234567", phone, "()123-4567"},
        {"15551234567", phone, "(1555)123-4567"},
        {"0441234567", phone, "(044)123-4567"},
        {"555 1234", phone, "555 1234"},
        {"\xd9\xa5\xd9\xa5", phone, "\xd9\xa5\xd9\xa5"},  // digits of another script
        {"", phone, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dv::formatDigitPattern(QString::fromUtf8(c.value), QString::fromLatin1(c.pattern)), QString::fromUtf8(c.expected))
            << c.value;
    }
}

}  // namespace
