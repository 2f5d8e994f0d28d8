// The wall store's rules, without a window.
#include "core/wall_store.h"
#include "tests/qstring_print.h"
#include "tests/test_support.h"

using namespace dv;

namespace {

class WallStoreTest : public dvtest::DbTest {
protected:
    WallStore store{DbConnection};
};

TEST_F(WallStoreTest, ARemovedRowKeepsItsPlaceButNeverCountsOrSupports)
{
    addEaveWall(1, "North", 10, 30, 24);
    for (int n : {1, 2, 3})
        addColumn(1, n, "10", "0.5");
    addOpening(1, 1, "4", "6", "1", "Column 1", "Column 2");
    addOpening(1, 2, "3", "6", "1", "Column 3", "Column 2");
    store.removeOpening(1, "rough opening 2");  // named without regard to case
    store.removeColumn(1, "Column 3");

    const std::vector<StoredColumn> columns = store.columns(1);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_TRUE(columns[2].removed());
    EXPECT_EQ(columns[2].maxWidth.toText(), kRemovedFiller);
    const std::vector<StoredOpening> openings = store.openings(1);
    ASSERT_EQ(openings.size(), 2u);
    EXPECT_EQ(openings[1].roid, "Rough Opening 2");
    EXPECT_TRUE(openings[1].removed());
    EXPECT_EQ(openings[1].left, kRemovedFiller);

    struct Case { const char* what; QString got; QString expected; };
    const Case cases[] = {
        {"supports", store.supportColumns(1).back().at(1), "Column 2"},
        {"width of the others", QString::number(store.otherOpeningsWidth(1, "Rough Opening 9")), "4"},
        {"openings a column supports", store.openingsSupportedBy(1, "column 2").join(','), "Rough Opening 1"},
        {"removed column's openings", store.openingsSupportedBy(1, "Column 3").join(','), ""},
        {"live columns counted", scalar("SELECT COUNT(*) FROM Column_Information WHERE " + liveColumnCondition()).toText(), "2"},
        {"live openings counted", scalar("SELECT COUNT(*) FROM Header_Information WHERE " + liveOpeningCondition()).toText(), "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST_F(WallStoreTest, ASupportSideIsTakenOnce)
{
    addEaveWall(1, "North", 10, 30, 24);
    addOpening(1, 1, "4", "6", "1", "Column 1", "Column 2");
    struct Case { const char* left; const char* right; std::vector<SupportSide> expected; };
    const Case cases[] = {
        {"column 1", "Column 2", {SupportSide::Left}},  // the left side is named first
        {"Column 2", "Column 2", {SupportSide::Right}},
        {"Column 2", "Column 1", {}},  // the other side of the same opening
    };
    for (const Case& c : cases)
        EXPECT_EQ(store.supportConflicts(1, c.left, c.right), c.expected) << c.left << " / " << c.right;
}

TEST_F(WallStoreTest, AWallSavesOpensAndCopiesEveryField)
{
    addEaveWall(1, "North", 10, 30, 24);
    EXPECT_FALSE(store.general(2).has_value());
    WallGeneral wall = *store.general(1);
    wall.set("EaveHeight", Value::real(100.0 / 12));
    wall.set("DTFH", Value::null());
    store.saveGeneral(1, wall);
    store.saveGeneral(5, wall);  // a wall never saved gets its row
    EXPECT_EQ(count("General_Information", "WallID = 1"), 1);

    struct Case { const char* name; std::int16_t newID; Value expected; };
    const Case cases[] = {
        {"  Kim's copy ", 2, Value::text("Kim`s copy")},
        {"12", 3, Value::text("12")},
        {"", 4, Value::null()},
    };
    for (const Case& c : cases) {
        store.copyWall(1, c.newID, c.name);
        const Value name = scalar(QStringLiteral("SELECT WallName FROM Project_Information WHERE ID = %1").arg(c.newID));
        EXPECT_EQ(name.isNull(), c.expected.isNull()) << c.name;
        EXPECT_EQ(name.toText(), c.expected.toText()) << c.name;
        const WallGeneral copy = *store.general(c.newID);
        for (const WallFieldSpec& f : wallFields())
            EXPECT_EQ(copy[f.name].toText(), (*store.general(5))[f.name].toText()) << f.name;
    }
    EXPECT_THROW(wall.set("NoSuchField", Value::null()), AppError);
}

}  // namespace
