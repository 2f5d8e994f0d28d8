// The itemized material report's figures: a section per ticked width in
// order, the nine member lists with only those that have rows, each in its
// order with equal keys kept in stored order.
#include "reports/itemized_data.h"
#include "tests/ui/report_test_support.h"

namespace {

class ItemizedDataTest : public dvtest::ReportDataTest {};

TEST_F(ItemizedDataTest, SectionsPerTickedWidthInOrder)
{
    optionsWall(1, QStringLiteral("North"), true, false, true);
    optionsWall(2, QStringLiteral("South"), false);
    optionsWall(3, QStringLiteral("East"), false, true);
    material(1, 10, QStringLiteral("Stud"), QStringLiteral("2x10 SPF"), 4, 9);
    const std::vector<dv::ItemizedSection> s = dv::BuildItemizedMaterialLists(options);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].heading(), QStringLiteral("North - 2x6 Wall"));
    EXPECT_TRUE(s[0].lists.empty());  // not calculated: the heading alone
    EXPECT_EQ(s[1].heading(), QStringLiteral("North - 2x10 Wall"));
    ASSERT_EQ(s[1].lists.size(), 1u);
    EXPECT_EQ(s[1].lists[0].rows, std::vector<QStringList>({{"2x10 SPF", "4", "9'"}}));
    EXPECT_EQ(s[2].heading(), QStringLiteral("East - 2x8 Wall"));
    options.walls.clear();
    EXPECT_TRUE(dv::BuildItemizedMaterialLists(options).empty());
}

TEST_F(ItemizedDataTest, ListsInOrderWithTheirShapesAndOnlyThosePresent)
{
    optionsWall(1, QStringLiteral("North"), true);
    material(1, 6, QStringLiteral("Connectors"), QStringLiteral("Clip"), 12, 0);
    material(1, 6, QStringLiteral("Sheathing"), QStringLiteral("OSB b"), 3, 8);
    material(1, 6, QStringLiteral("Sheathing"), QStringLiteral("OSB a"), 2, 8);
    material(1, 6, QStringLiteral("header"), QStringLiteral("LVL"), 1, 6, QStringLiteral("Rough Opening 2"));
    material(1, 6, QStringLiteral("Header"), QStringLiteral("2x12"), 2, 4, QStringLiteral("Rough Opening 1"));
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("16 ft"), 1, 16);
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("12 ft b"), 1, 12);
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("14 ft"), 1, 14);
    material(1, 6, QStringLiteral("Stud"), QStringLiteral("12 ft a"), 1, 12);
    material(1, 8, QStringLiteral("Trimmer"), QStringLiteral("other width"), 1, 8);
    material(2, 6, QStringLiteral("Cripple"), QStringLiteral("other wall"), 1, 8);
    const std::vector<dv::ItemizedSection> s = dv::BuildItemizedMaterialLists(options);
    ASSERT_EQ(s.size(), 1u);
    QStringList captions;
    for (const dv::MemberTable& t : s[0].lists)
        captions << t.caption;
    EXPECT_EQ(captions, QStringList({"Wall Studs", "Headers", "Wall Sheathing", "Connectors"}));
    const std::vector<QStringList> studs = {
        {"12 ft b", "1", "12'"}, {"12 ft a", "1", "12'"}, {"14 ft", "1", "14'"}, {"16 ft", "1", "16'"}};
    EXPECT_EQ(s[0].lists[0].rows, studs);
    EXPECT_EQ(s[0].lists[0].header, QStringList({"Product Name", "Qty.", "Length"}));
    EXPECT_EQ(s[0].lists[1].header, QStringList({"ID", "Product Name", "Qty.", "Length"}));
    EXPECT_EQ(s[0].lists[1].format, QStringLiteral("<+~1.875in|<+~3.375in|<+~.75in|<+~.75in"));
    EXPECT_EQ(s[0].lists[1].rows, std::vector<QStringList>({{"Rough Opening 1", "2x12", "2", "4'"},
                                                            {"Rough Opening 2", "LVL", "1", "6'"}}));
    EXPECT_EQ(s[0].lists[2].rows, std::vector<QStringList>({{"OSB b", "3"}, {"OSB a", "2"}}));
    EXPECT_EQ(s[0].lists[2].header, QStringList({"Product Name", "Qty."}));
    EXPECT_EQ(s[0].lists[3].rows, std::vector<QStringList>({{"Clip", "12"}}));
}

TEST_F(ItemizedDataTest, EveryMemberTypeHasItsCaption)
{
    const char* types[] = {"Stud", "Cripple", "Trimmer", "Column", "Header", "Plate", "Blocking", "Sheathing", "Connectors"};
    for (const char* t : types)
        material(1, 6, QLatin1String(t), QLatin1String(t), 1, 1, QStringLiteral("m"));
    QStringList captions;
    for (dv::MemberList l : dv::kMemberLists) {
        const dv::MemberTable t = dv::ReadMemberList(l, 1, 6);
        EXPECT_EQ(t.rows.size(), 1u) << t.caption.toStdString();
        captions << t.caption;
    }
    EXPECT_EQ(captions, QStringList({"Wall Studs", "Cripple Studs", "Trimmer Studs", "Columns", "Headers", "Wall Plates",
                                     "Wall Blocking", "Wall Sheathing", "Connectors"}));
}

}  // namespace
