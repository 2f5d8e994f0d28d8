// What every report shares: the document of the ticked reports, titles,
// footer, page logo and the project and operator information block.
#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/modDorvPrint.h"
#include "tests/qstring_print.h"
#include "tests/report_test_support.h"
#include "ui/project/app_info.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

using dv::PrintItem;

class ReportFurnitureTest : public dvtest::ReportTest {
protected:
    dv::MemoryReportOptions options;

    void SetUp() override
    {
        ReportTest::SetUp();
        view.project = QStringLiteral("Lakeside Barn");
        view.builder = QStringLiteral("Bob's Building");
        // The quote reads the tax and delivery boxes; the options window lets
        // only numbers through.
        options.stateTaxValue = QStringLiteral("0");
        options.deliveryChargeValue = QStringLiteral("0");
    }

    QStringList titles() const
    {
        QStringList out;
        for (const QString& t : allTexts()) {
            if (t.startsWith(QStringLiteral("Ostrel Dorvane - ")))
                out << t;
        }
        return out;
    }
    const PrintItem* item(const QString& text, int* page = nullptr) const
    {
        for (int p = 0; p < doc().pageCount(); ++p) {
            for (const PrintItem& i : doc().model().pages[p].items) {
                if (i.text == text) {
                    if (page)
                        *page = p + 1;
                    return &i;
                }
            }
        }
        return nullptr;
    }
};

TEST_F(ReportFurnitureTest, ReportsComeInTheirFixedOrderEachOnANewPage)
{
    const QString summary = QStringLiteral("Ostrel Dorvane - Summary Report");
    const QString detailed = QStringLiteral("Ostrel Dorvane - Detailed Summary Report");
    const QString itemized = QStringLiteral("Ostrel Dorvane - Itemized Material Report");
    const QString quote = QStringLiteral("Ostrel Dorvane - Project Quote Report");
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
        EXPECT_EQ(titles(), c.expected);
        ASSERT_EQ(doc().pageCount(), std::max<int>(1, static_cast<int>(c.expected.size())));
        for (int p = 0; p < static_cast<int>(c.expected.size()); ++p) {
            int page = 0;
            ASSERT_TRUE(item(c.expected[p], &page));
            EXPECT_EQ(page, p + 1);
        }
    }
    EXPECT_EQ(modelessShows + modalShows, 0);  // the options window shows the preview
}

TEST_F(ReportFurnitureTest, ItemizedAloneHasNoProjectBlock)
{
    options.summary = options.detailed = false;
    options.itemized = true;
    dv::PrintReports(options, false);
    EXPECT_FALSE(allTexts().contains(QStringLiteral("Project Information:")));
}

TEST_F(ReportFurnitureTest, FooterCarriesNameVersionTimeAndRunningPageNumbers)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dv::PrintReports(options, false);  // summary and detailed
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(doc().pageCount(), 2);
    for (int p = 1; p <= 2; ++p) {
        QStringList footer;
        for (const PrintItem& i : doc().model().pages[p - 1].items) {
            if (i.kind == PrintItem::Kind::Footer) {
                footer << i.text;
                EXPECT_EQ(i.font.size, 8);
                EXPECT_NEAR(i.box.right(), 8.0 * 72, 0.01);  // right part, at the right margin
            }
        }
        EXPECT_EQ(footer, (QStringList{QStringLiteral("Ostrel Dorvane Dozurorer"),
                                       QStringLiteral("Version ") + dv::appVersionText(),
                                       QStringLiteral("12/09/2026 02:05:09 PM"), QStringLiteral("Page %1").arg(p)}));
    }
    EXPECT_EQ(dv::appVersionText(), QStringLiteral("%1.%2.%3").arg(DV_VERSION_MAJOR).arg(DV_VERSION_MINOR).arg(DV_VERSION_PATCH));
}

TEST_F(ReportFurnitureTest, TitlesAtHalfAnInchInSixteenPointBoldThenEightPoint)
{
    options.detailed = false;
    dv::PrintReports(options, false);
    const PrintItem* title = item(QStringLiteral("Ostrel Dorvane - Summary Report"));
    ASSERT_TRUE(title);
    EXPECT_DOUBLE_EQ(title->box.x(), 36);
    EXPECT_DOUBLE_EQ(title->box.y(), 72);
    EXPECT_EQ(title->font, (dv::PrintFont{QStringLiteral("Arial"), 16, true, false}));
    const PrintItem* name = item(QStringLiteral("Project Name: Lakeside Barn"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->font.size, 8);
    EXPECT_FALSE(name->font.bold);
}

TEST_F(ReportFurnitureTest, ProjectBlockWithTheDatesAndTheOperatorFile)
{
    writeOperatorFile({QStringLiteral("Company: Ostrel Lumber Yard"), QStringLiteral("Contact: Jane Doe"),
                       QStringLiteral("Address: 12 Main St"), QStringLiteral("City: Springfield"),
                       QStringLiteral("State: IL"), QStringLiteral("Zip: 62701"), QStringLiteral("Phone: 5551234567"),
                       QStringLiteral("Fax: 555-123-4567"), QStringLiteral("Email: jane@example.com")});
    options.detailed = false;
    options.blueprintDate = true;  // ticked but empty: no line
    dv::PrintReports(options, false);
    const QStringList texts = allTexts();
    const qsizetype from = texts.indexOf(QStringLiteral("Project Information:"));
    ASSERT_GE(from, 0);
    EXPECT_EQ(texts.mid(from, 12),
              (QStringList{QStringLiteral("Project Information:"), QStringLiteral("Project Name: Lakeside Barn"),
                           QStringLiteral("Customer Name: Bob's Building"),
                           QStringLiteral("Expiration Date: 01/08/2027 (30 Days)"), QStringLiteral("Operator Information:"),
                           QStringLiteral("Jane Doe"), QStringLiteral("Ostrel Lumber Yard"), QStringLiteral("12 Main St"),
                           QStringLiteral("Springfield, IL 62701"), QStringLiteral("Phone: (555)123-4567"),
                           QStringLiteral("Fax: 555-123-4567"), QStringLiteral("Email: jane@example.com")}));
    const PrintItem* header = item(QStringLiteral("Operator Information:"));
    const PrintItem* contact = item(QStringLiteral("Jane Doe"));
    const PrintItem* project = item(QStringLiteral("Project Information:"));
    ASSERT_TRUE(header && contact && project);
    EXPECT_DOUBLE_EQ(project->box.x(), 36);
    EXPECT_DOUBLE_EQ(header->box.x(), 5.0 * 72);
    EXPECT_DOUBLE_EQ(contact->box.x(), 5.0 * 72);
    EXPECT_TRUE(header->font.bold);
    EXPECT_EQ(header->font.size, 10);
}

TEST_F(ReportFurnitureTest, ShortOrMissingOperatorFileNeverStopsTheReport)
{
    writeOperatorFile({QStringLiteral("Company: Ostrel Lumber Yard"), QStringLiteral("Contact: Jane Doe")});
    options.detailed = false;
    options.expirationDate = false;
    options.blueprintDate = true;
    options.blueprintDateValue = QStringLiteral("Rev. C, 11/02/2026");
    dv::PrintReports(options, false);
    QStringList texts = allTexts();
    qsizetype from = texts.indexOf(QStringLiteral("Customer Name: Bob's Building"));
    ASSERT_GE(from, 0);
    EXPECT_EQ(texts.mid(from + 1, 7),
              (QStringList{QStringLiteral("Blueprint Date: Rev. C, 11/02/2026"), QStringLiteral("Operator Information:"),
                           QStringLiteral("Jane Doe"), QStringLiteral("Ostrel Lumber Yard"), QStringLiteral(",  "),
                           QStringLiteral("Phone: "), QStringLiteral("Fax: ")}));

    dv::operatorFileOverride = dir.filePath(QStringLiteral("missing.txt"));
    dv::ReportPrinted = false;
    dv::PrintReports(options, false);
    EXPECT_TRUE(dv::ReportPrinted);
    texts = allTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("Project Information:")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Operator Information:")));
}

TEST_F(ReportFurnitureTest, OperatorFileReadAsWindows1252UnlessItIsUtf8)
{
    const QString path = dir.filePath(QStringLiteral("ops.txt"));
    const struct {
        QByteArray bytes;
        QString first;
    } cases[] = {
        {QByteArray("Company: M\xfcller \x80 Co\r\nx"), QStringLiteral("M\u00fcller \u20ac Co")},
        {QByteArray("\xef\xbb\xbf" "Company: M\xc3\xbcller\n"), QStringLiteral("M\u00fcller")},
        {QByteArray("Company:\nNo colon here\n"), QString()},
    };
    for (const auto& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.bytes);
        f.close();
        const auto values = dv::readOperatorInformation(path);
        ASSERT_TRUE(values.has_value());
        ASSERT_EQ(values->size(), 9);
        EXPECT_EQ(values->at(0), c.first);
        EXPECT_EQ(values->at(1), QString());
    }
    EXPECT_FALSE(dv::readOperatorInformation(dir.filePath(QStringLiteral("none.txt"))).has_value());
    EXPECT_FALSE(dv::readOperatorInformation(dir.path()).has_value());  // a folder cannot be read
}

TEST_F(ReportFurnitureTest, OperatorFileFoundInTheConfigurationFoldersFirst)
{
    dv::operatorFileOverride.reset();
    const QByteArray home = qgetenv("XDG_CONFIG_HOME"), dirs = qgetenv("XDG_CONFIG_DIRS");
    const QString user = dir.filePath(QStringLiteral("user")), system = dir.filePath(QStringLiteral("system"));
    qputenv("XDG_CONFIG_HOME", user.toUtf8());
    qputenv("XDG_CONFIG_DIRS", system.toUtf8());
    auto make = [](const QString& folder) {
        QDir().mkpath(folder + QStringLiteral("/Ostrel"));
        QFile f(folder + QStringLiteral("/Ostrel/UserInformation.txt"));
        return f.open(QIODevice::WriteOnly);
    };
    const QString programFile = dv::programFolder() + QStringLiteral("/UserInformation.txt");
    const QString beforeAny = QFileInfo(programFile).isFile() ? programFile : QString();
    EXPECT_EQ(dv::operatorInformationFile(), beforeAny);
    ASSERT_TRUE(make(system));
    EXPECT_EQ(dv::operatorInformationFile(), system + QStringLiteral("/Ostrel/UserInformation.txt"));
    ASSERT_TRUE(make(user));
    EXPECT_EQ(dv::operatorInformationFile(), user + QStringLiteral("/Ostrel/UserInformation.txt"));
    home.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", home);
    dirs.isNull() ? qunsetenv("XDG_CONFIG_DIRS") : qputenv("XDG_CONFIG_DIRS", dirs);
}

TEST(ReportDigitPattern, OnlyPlainDigitsAreFormatted)
{
    const struct {
        const char* value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"5551234567", "(###)###-####", "(555)123-4567"},
        {"5551234567", "(###) ###-####", "(555) 123-4567"},
        {"(555)123-4567", "(###) ###-####", "(555)123-4567"},  // already formatted: unchanged
        {"1234567", "(###)###-####", "()123-4567"},
        {"15551234567", "(###)###-####", "(1555)123-4567"},
        {"0441234567", "(###)###-####", "(044)123-4567"},
        {"555 1234", "(###)###-####", "555 1234"},
        {"\xd9\xa5\xd9\xa5", "(###)###-####", "\xd9\xa5\xd9\xa5"},  // digits of another script
        {"", "(###)###-####", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dv::formatDigitPattern(QString::fromUtf8(c.value), QString::fromLatin1(c.pattern)),
                  QString::fromUtf8(c.expected))
            << c.value;
    }
}

}  // namespace
