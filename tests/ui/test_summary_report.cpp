// The summary report's sections and the report notes, read back through
// the document's texts.
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/print_document.h"
#include "reports/report_notes.h"
#include "reports/report_options.h"
#include "reports/summary_sections.h"
#include "tests/qstring_print.h"
#include "tests/ui/report_test_support.h"

#include <QLocale>
#include <clocale>
#include <functional>

namespace {

using dv::PrintDocument;
using dv::PrintItem;

// Draws into a fresh document and returns it finished.
class SectionTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        dv::CurrentWallID = 1;
    }
    void draw(const std::function<void(PrintDocument&)>& sections)
    {
        doc.OpenDocument();
        sections(doc);
        doc.CloseDocument();
    }
    void drawComparison()
    {
        draw([&](PrintDocument& d) { dv::PrintWallSystemComparison(d, options); });
    }
    // The texts of every item of one kind, in drawing order.
    QStringList all(PrintItem::Kind kind) const
    {
        QStringList out;
        for (int p = 1; p <= doc.pageCount(); ++p)
            for (const PrintItem& i : dvtest::itemsOf(doc, p, kind))
                out << i.text;
        return out;
    }
    // Every text run, blanks made single, so that wrapped lines read as one text.
    QString flow() const { return all(PrintItem::Kind::Text).join(' ').simplified(); }
    QStringList cells() const { return all(PrintItem::Kind::Cell); }
    const PrintItem* textItem(const QString& startsWith) const
    {
        for (const dv::PrintPage& p : doc.model().pages)
            for (const PrintItem& i : p.items)
                if (i.kind == PrintItem::Kind::Text && i.text.startsWith(startsWith))
                    return &i;
        return nullptr;
    }
    QString note(int noteID, int id)
    {
        return scalar(QStringLiteral("SELECT NoteText FROM Report_Notes WHERE NoteID = %1 AND ID = %2").arg(noteID).arg(id))
            .toText();
    }

    PrintDocument doc;
    dv::MemoryReportOptions options;
};

// ---------------------------------------------------------------------------
// Comparison

TEST(OverrideFactorText, IsCNotationWhateverTheLocale)
{
    const char* saved = std::setlocale(LC_NUMERIC, nullptr);
    const std::string restore = saved ? saved : "C";
    const QLocale savedLocale;
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German));
    const std::pair<const char*, const char*> cases[] = {
        {"15", "1.15"}, {"0", "1"}, {"20", "1.2"}, {"12.5", "1.125"}, {"100", "2"}, {".5", "1.005"}};
    for (const auto& [percent, factor] : cases)
        EXPECT_EQ(dv::OverrideFactorText(QLatin1String(percent)), QLatin1String(factor)) << percent;
    for (const char* bad : {"", ".", "1..5", "1,5"})
        EXPECT_THROW(dv::OverrideFactorText(QLatin1String(bad)), dv::AppError) << bad;
    QLocale::setDefault(savedLocale);
    std::setlocale(LC_NUMERIC, restore.c_str());
}

class ComparisonSectionTest : public SectionTest {
protected:
    void SetUp() override
    {
        SectionTest::SetUp();
        addEaveWall(1, QStringLiteral("North"), 10, 20, 24);
        addEaveWall(2, QStringLiteral("South"), 10, 20, 24);
        exec(QStringLiteral("UPDATE Project_Information SET \"6Studs\" = 100, \"6JambX\" = 10, \"8Studs\" = 200, "
                            "\"10Studs\" = 300"));
        view.wallRows = {{"1", "North", "Yes"}, {"2", "South", "Yes"}};
    }
    double total6(int id)
    {
        return scalar(QStringLiteral("SELECT Total6 FROM Project_Information WHERE ID = %1").arg(id)).toDouble();
    }
};

TEST_F(ComparisonSectionTest, RepricesWithTheOverrideOrTheProfilesMarkup)
{
    struct Case {
        const char* name;
        bool override;
        const char* percent;
        int pricingMarkup;
        double total6;
    };
    // Material 100 marked up, jamb extensions 10 never.
    const Case cases[] = {{"override 15", true, "15", 1, 125},
                          {"override 0", true, "0", 1, 110},
                          {"profile markup 10", false, "15", 1, 120},
                          {"no markup", false, "15", 0, 110}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        options.overrideMarkup = c.override;
        options.overrideMarkupValue = QLatin1String(c.percent);
        view.markup = c.pricingMarkup;
        drawComparison();
        EXPECT_DOUBLE_EQ(total6(1), c.total6);
        EXPECT_DOUBLE_EQ(total6(2), c.total6);
        ASSERT_EQ(view.comparisonRows.size(), 2u);
        EXPECT_EQ(cells().mid(0, 4), QStringList({"Wall System Name", "2x6 Wall", "2x8 Wall", "2x10 Wall"}));
        // The table shows the refilled comparison, every row once, in order.
        QStringList shown;
        for (const QStringList& row : view.comparisonRows)
            shown << row.mid(1, 4);
        EXPECT_EQ(cells().mid(4), shown);
    }
    const PrintItem* heading = textItem(QStringLiteral("Wall Systems included"));
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->font.bold);
    EXPECT_EQ(heading->font.size, 12);
}

TEST_F(ComparisonSectionTest, FootnoteWhenAnyCellHoldsAStarAndHeaderAloneWithoutWalls)
{
    const QString footnote = QStringLiteral(
        "*One or more Stud, Column, or Header were not selected.  Subsequent Cripple Studs, Trimmer Studs, Header "
        "Plates, and Connectors may also be missing from the summary totals as applicable.");
    drawComparison();
    EXPECT_FALSE(flow().contains(QStringLiteral("*One or more")));

    // A missing member of one width.
    exec(QStringLiteral("INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) "
                        "VALUES ('Stud', 2, 'South', 8)"));
    drawComparison();
    EXPECT_TRUE(cells().value(10).endsWith(QLatin1Char('*')));
    EXPECT_TRUE(flow().contains(footnote.simplified())) << flow().toStdString();
    EXPECT_EQ(textItem(QStringLiteral("*One or more"))->font.size, 9);

    // A wall name with a star is enough; one with table marks stays one cell.
    exec(QStringLiteral("DELETE FROM Validation_Information"));
    exec(QStringLiteral("UPDATE Project_Information SET WallName = 'Shed*|B;C' WHERE ID = 1"));
    drawComparison();
    EXPECT_TRUE(flow().contains(QStringLiteral("*One or more")));
    EXPECT_EQ(cells().size(), 12);
    EXPECT_EQ(cells().value(4), QStringLiteral("Shed*|B;C"));

    // No complete wall: the header row alone, no footnote.
    view.wallRows = {{"1", "Shed*|B;C", "No"}};
    drawComparison();
    EXPECT_EQ(cells(), QStringList({"Wall System Name", "2x6 Wall", "2x8 Wall", "2x10 Wall"}));
    EXPECT_FALSE(flow().contains(QStringLiteral("*One or more")));
}

// ---------------------------------------------------------------------------
// Included products

TEST_F(SectionTest, IncludedProductsWithAndWithoutTheMakersPrefix)
{
    const QString fixed = QStringLiteral(
        "Ostrel\u00ae Kelbrin\u00ae LSL wall studs Ostrel\u00ae Kelbrin\u00ae LSL or Mirrow\u00ae PSL columns "
        "Ostrel\u00ae Kelbrin\u00ae LSL or Mirrow\u00ae PSL window and door headers (connectors included) "
        "Ostrel\u00ae Kelbrin\u00ae LSL wall plates");
    exec(QStringLiteral("UPDATE Products SET ProductName = 'Kelbrin LSL Framing' WHERE ProductID = 10"));
    exec(QStringLiteral("UPDATE Products SET ProductName = 'kelbrin look-alike' WHERE ProductID = 1"));
    exec(QStringLiteral("UPDATE Products SET ProductName = 'Bristol Panel' WHERE ProductID = 23"));
    exec(QStringLiteral("UPDATE Customer_Profiles SET TrimmerProductID = 10, CrippleProductID = 1, "
                        "IncludeBlocking = -1, SheathingProductID = 23"));
    view.profileName = QStringLiteral("O`Neil Lumber");
    draw([&](PrintDocument& d) { dv::PrintIncludedProducts(d); });
    EXPECT_EQ(flow(), (QStringLiteral("Products included in each wall system (based on 'O'Neil Lumber' profile): ") + fixed +
                       QStringLiteral(" Ostrel\u00ae Kelbrin LSL Framing trimmer studs kelbrin look-alike cripple studs "
                                      "Ostrel\u00ae Bristol Panel wall panels")));

    // A product row that is gone is left out; so is everything without the
    // profile's settings row.
    exec(QStringLiteral("UPDATE Customer_Profiles SET TrimmerProductID = 99"));
    draw([&](PrintDocument& d) { dv::PrintIncludedProducts(d); });
    EXPECT_FALSE(flow().contains(QStringLiteral("trimmer studs")));
    EXPECT_TRUE(flow().contains(QStringLiteral("cripple studs")));
    exec(QStringLiteral("DELETE FROM Customer_Profiles"));
    draw([&](PrintDocument& d) { dv::PrintIncludedProducts(d); });
    EXPECT_TRUE(flow().endsWith(fixed));
}

// ---------------------------------------------------------------------------
// Notes

TEST_F(SectionTest, GableWallListsByExposureAndRidge)
{
    struct Wall {
        int id;
        const char* name;
        const char* complete;
        const char* exposure;
        double ridge;
        bool gable;
    };
    const Wall walls[] = {
        {1, "North", "Yes", "EXPOSURE C", 20.0, true}, {2, "Draft", "No", "EXPOSURE C", 15, true},
        {3, "South", "Yes", "EXPOSURE C", 20.01, true}, {4, "Tall", "Yes", "EXPOSURE B", 30.0, true},
        {5, "Tower", "Yes", "EXPOSURE B", 30.5, true},  {6, "Coast", "Yes", "EXPOSURE D", 12, true},
        {7, "Porch", "Yes", "EXPOSURE B", 12, false},   {8, "Lost", "Yes", "EXPOSURE B", 12, true},
        {9, "Bay", "Yes", "EXPOSURE B", 14, true}};
    view.wallRows.clear();
    for (const Wall& w : walls) {
        if (w.id != 8) {
            if (w.gable)
                addGableWall(w.id, QLatin1String(w.name), 10, w.ridge, 20, 6, 2, QLatin1String(w.exposure));
            else
                addEaveWall(w.id, QLatin1String(w.name), 10, 20, 24, QLatin1String(w.exposure));
        }
        view.wallRows.push_back({QString::number(w.id), QLatin1String(w.name), QLatin1String(w.complete)});
    }
    const dv::GableWallLists lists = dv::BuildGableWallLists();
    EXPECT_EQ(lists.low, QStringLiteral("North, Bay"));
    EXPECT_EQ(lists.high, QStringLiteral("South, Tall, Coast"));

    // Every "%" of the two notes becomes its list.
    exec(QStringLiteral("UPDATE Report_Notes SET NoteText = 'Low % and %.' WHERE NoteID = 2 AND ID = 7"));
    draw([&](PrintDocument& d) { dv::PrintGeneralNotes(d); });
    EXPECT_TRUE(flow().contains(QStringLiteral("Low North, Bay and North, Bay.")));
    EXPECT_TRUE(flow().contains(note(2, 8).replace(QLatin1Char('%'), lists.high).simplified()));
}

TEST_F(SectionTest, GeneralNotesSpacingNoteAndWindSpeed)
{
    auto studs = [this](std::initializer_list<const char*> spacings) {
        exec(QStringLiteral("DELETE FROM Material_List"));
        for (const char* s : spacings)
            exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, StudSpacing) "
                                "VALUES (1, 6, 'Stud', '%1')")
                     .arg(QLatin1String(s)));
    };
    const QString spacingNote = note(3, 9);
    ASSERT_FALSE(spacingNote.isEmpty());

    studs({"1", "1.3334"});
    draw([&](PrintDocument& d) { dv::PrintGeneralNotes(d); });
    const QString text = flow();
    EXPECT_TRUE(text.startsWith(QStringLiteral("General Notes: ") + note(1, 1).simplified())) << text.toStdString();
    EXPECT_TRUE(text.contains(note(1, 6).simplified()));
    EXPECT_FALSE(text.contains(spacingNote));
    EXPECT_FALSE(text.contains(QStringLiteral("Gable wall systems")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("-Wind Speed used in this summary was: 90 mph")));
    EXPECT_TRUE(textItem(QStringLiteral("General Notes:"))->font.bold);
    EXPECT_EQ(textItem(QStringLiteral("-Wind Speed"))->font.size, 10);

    studs({"1", "2"});
    exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = 110"));
    draw([&](PrintDocument& d) { dv::PrintGeneralNotes(d); });
    EXPECT_TRUE(flow().contains(spacingNote.simplified()));
    EXPECT_TRUE(flow().endsWith(QStringLiteral("was: 110 mph")));

    // Missing rows are left out; the wind line falls back to 90 mph, in the
    // heading's style when there are no general notes.
    exec(QStringLiteral("DELETE FROM Report_Notes WHERE NoteID IN (1, 3)"));
    exec(QStringLiteral("DELETE FROM Customer_Profiles"));
    draw([&](PrintDocument& d) { dv::PrintGeneralNotes(d); });
    EXPECT_EQ(flow(), QStringLiteral("General Notes: -Wind Speed used in this summary was: 90 mph"));
    EXPECT_EQ(textItem(QStringLiteral("-Wind Speed"))->font.size, 11);
}

TEST_F(SectionTest, UserAndWarningNotes)
{
    options.notes = QStringLiteral("Deliver to the back gate.");
    draw([&](PrintDocument& d) {
        dv::PrintUserNotes(d, options);
        dv::PrintWarningNotes(d);
    });
    EXPECT_EQ(flow(), (QStringLiteral("User Notes: Deliver to the back gate. Warning Notes: ") + note(4, 10) +
                       QLatin1Char(' ') + note(4, 11) + QLatin1Char(' ') + note(4, 12))
                          .simplified());
    EXPECT_EQ(textItem(QStringLiteral("Deliver"))->font.size, 9);

    exec(QStringLiteral("DELETE FROM Report_Notes WHERE NoteID = 4"));
    draw([&](PrintDocument& d) { dv::PrintWarningNotes(d); });
    EXPECT_EQ(flow(), QStringLiteral("Warning Notes:"));
}

}  // namespace
