// The database layer and the delivered database file.
#include "core/app_state.h"
#include "platform/db.h"
#include "platform/db_password.h"
#include "platform/numbers.h"
#include "tests/test_support.h"

#include <QFile>
#include <map>

using namespace dv;
using dvtest::DbTest;

namespace {

QStringList range(const QString& prefix, int from, int to)
{
    QStringList l;
    for (int i = from; i <= to; ++i)
        l << prefix + QString::number(i);
    return l;
}

QStringList projectInformationFields()
{
    QStringList f = {"ID", "WallName"};
    for (const char* w : {"6", "8", "10"})
        for (const char* m : {"Studs", "Columns", "Headers", "Cripples", "Trimmers", "HeaderPlates", "TopPlates",
                              "BottomPlates", "Blocking", "Sheathing", "Connectors", "JambX"})
            f << QString::fromLatin1(w) + QString::fromLatin1(m);
    f << QStringList{"NumberColumns", "NumberHeaders", "Total6", "Total8", "Total10", "Missing6", "Missing8",
                     "Missing10", "InterpValue", "HasCenterStuds"};
    return f;
}

const QStringList kStudScratch = {"ID", "WallID", "WallType", "WallThickness", "ProductID", "WallWidth", "Spacing",
                                  "DeflectionLimit", "Exposure", "ControlMaxHeight", "ControlAxialLoad", "NumberStuds",
                                  "StudHeight", "HeightLoc", "LFPrice", "TotalPrice"};

std::map<QString, QStringList> expectedSchema()
{
    return {
        {"Products", {"ProductID", "ProductName", "ProductWidth", "ProductDepth", "eValue", "OrderID", "ProductGroupID",
                      "Wall2x6", "Wall2x8", "Wall2x10", "UseForStud", "UseForColumn", "UseForHeader", "UseForTrimmers",
                      "UseForCripple", "UseForPlates", "UseForBlocking", "UseForSheathing", "IsSoftwood", "IsConnector"}},
        {"Stud_Solutions", {"ProductID", "Deflection", "Exposure", "WindSpeed", "Spacing_ft", "MaxHeight", "AxialLoad"}},
        {"Column_Solutions", {"ProductID", "Deflection", "PLF", "MaxHeight", "AxialLoad", "Plies"}},
        {"Header_Solutions", {"ProductID", "VerticalPLF", "MaxRO", "NomWallWidth", "LateralDefl", "LateralPLF", "Orientation"}},
        {"Wind_Table", {"WindSpeed", "Exposure", "SF10", "Increment10_50", "SF50", "Increment50_100"}},
        {"Exterior_Finish", {"FinishName", "StudDeflectionLimit", "ColumnDeflectionLimit", "HeaderDeflectionLimit"}},
        {"Report_Notes", {"NoteID", "ID", "NoteText"}},
        {"Roof_Loading", {"ID", "StateName", "RoofLL", "RoofDL", "StateTax"}},
        {"Window_Manufacturer", {"ID", "MfrName", "Material2x6", "Material2x8", "Material2x10"}},
        {"Customer_ProfileID", {"ID", "CustomerProfileName", "Markup", "DeliveryCharge"}},
        {"Customer_Profiles", {"CustomerProfileID", "RoofLoadingID", "IncludeCripples", "IncludeBlocking", "IncludePlates",
                               "IncludeTrimmers", "IncludeSheathing", "CrippleProductID", "BlockingProductID",
                               "PlateProductID", "TrimmerProductID", "SheathingProductID", "MaxStudHeightEaveSL",
                               "MaxStudHeightGableSL", "ZoneCornerFactor", "ZoneJunctionFactor", "ZoneWindowFactor",
                               "ZoneDoorFactor", "Spacing12oc", "Spacing16oc", "Spacing24oc", "WindSpeed", "LaborRate",
                               "Jamb2x6L", "Jamb2x6M", "Jamb2x8L", "Jamb2x8M", "Jamb2x10L", "Jamb2x10M", "MfrName",
                               "MfrID", "JambMethod"}},
        {"Product_Pricing", QStringList{"CustomerProfileID"} + range("Product", 1, 40)},
        {"Product_Inventory", QStringList{"CustomerProfileID"} + range("Product", 1, 40)},
        {"General_Information", {"WallID", "WallType", "EaveHeight", "RoofSlope", "RidgeHeight", "WallLength",
                                 "RoofLoadingID", "TrussSpan", "ExteriorFinish", "Exposure", "IsZoneWall", "ZoneCorners",
                                 "ZoneJunctions", "CornerType", "JunctionType", "NumberCorners", "DTFH", "MonoSlope"}},
        {"Header_Information", {"WallID", "ROID", "ROWidth", "AverageROHeight", "NumHeaders", "ColIDLeft", "ColIDRight"}},
        {"Column_Information", {"WallID", "ColumnID", "ColumnHeight", "MaxWidth"}},
        {"Project_Information", projectInformationFields()},
        {"Temp_Stud_Table", kStudScratch},
        {"Temp_Gable_Table", kStudScratch},
        {"Temp_CornerStud_Table", {"WallID", "WallThickness", "ProductID", "NumberStuds", "StudHeight", "LFPrice", "TotalPrice"}},
        {"Temp_Column_Table", {"ID", "ColumnID", "WallID", "WallThickness", "ProductID", "TribWidth", "PLF", "PSF",
                               "WindSpeed", "Deflection", "Exposure", "ControlMaxHeight", "ControlAxialLoad", "Plies",
                               "ColumnHeight", "LFPrice", "TotalPrice"}},
        {"Temp_Header_Table", {"ID", "HeaderID", "HeaderNumber", "HeaderLoc", "WallID", "WallThickness", "ProductID",
                               "ROWidth", "VerticalPLF", "NumberTrimmersLeft", "ColumnIDLeft", "NumberTrimmersRight",
                               "ColumnIDRight", "PlatesRequired", "PlateProductID", "ProductOrientation", "PlateLFPrice",
                               "PlateTotalPrice", "HeaderLFPrice", "HeaderTotalPrice", "TotalPrice", "Exposure",
                               "LateralDeflection", "LateralPLF"}},
        {"Material_List", {"WallID", "WallName", "WallWidth", "MemberType", "ProductID", "ProductName", "QtyPieces",
                           "PieceLength", "LinealFeet", "LFPrice", "TotalPrice", "StudSpacing", "MemberName"}},
        {"Validation_Information", {"ID", "MemberName", "WallID", "WallName", "WallWidth"}},
    };
}

}  // namespace

TEST_F(DbTest, SchemaHasEveryTableWithItsFieldsInOrder)
{
    const auto schema = expectedSchema();
    EXPECT_EQ(schema.size(), 24u);
    EXPECT_EQ(count("sqlite_master", "type = 'table' AND name NOT LIKE 'sqlite_%'"), 24);
    for (const auto& [table, fields] : schema) {
        Recordset rs = DbConnection.query(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        QStringList actual;
        while (!rs.eof()) {
            actual << rs.field("name").toText();
            rs.moveNext();
        }
        EXPECT_EQ(actual, fields) << table.toStdString();
    }
}

TEST_F(DbTest, DeliveredFileIsEncryptedAndNeedsThePassword)
{
    QFile f(dbPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));
    f.close();

    DbConnection.close();
    Connection wrong;
    try {
        wrong.open(dbPath, QByteArrayLiteral("not the password"));
        FAIL() << "a wrong password was accepted";
    } catch (const AppError& e) {
        EXPECT_GE(e.number(), err::Database);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_FALSE(wrong.isOpen());

    Connection missing;
    EXPECT_THROW(missing.open(dir.path() + "/nowhere.dat", databasePassword()), AppError);
    OpenDatabase();
    Recordset rs = DbConnection.query("PRAGMA cipher_version");
    ASSERT_FALSE(rs.eof());
    EXPECT_FALSE(rs.field(0).toText().isEmpty());
}

TEST_F(DbTest, ValuesKeepTheirOldTypes)
{
    exec("INSERT INTO Project_Information (ID, WallName) VALUES (7, 'North')");
    exec("UPDATE Project_Information SET \"6Studs\" = '1.03125', Missing6 = -1, InterpValue = 3 WHERE ID = 7");
    Recordset rs = DbConnection.query("SELECT * FROM Project_Information WHERE ID = 7");
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field("id").type(), Value::Type::Integer);  // names are found whatever their case
    EXPECT_EQ(rs.field("WallName").toText(), "North");
    const Value studs = rs.field("6Studs");
    EXPECT_EQ(studs.type(), Value::Type::Currency);
    EXPECT_EQ(studs.toMoney().raw(), 10312);  // an exact half rounds to even at the fourth decimal
    EXPECT_EQ(rs.field("8Studs").toMoney().raw(), 0);  // defaults are 0, not Null
    EXPECT_EQ(rs.field("Missing6").toInt16(), -1);
    // A whole number beyond 16 bits comes back as stored, never wrapped.
    exec("UPDATE Project_Information SET Missing8 = 65540, Missing10 = 1e308 WHERE ID = 7");
    Recordset big = DbConnection.query("SELECT Missing8, Missing10 FROM Project_Information WHERE ID = 7");
    EXPECT_EQ(big.field(0).toDouble(), 65540.0);
    EXPECT_EQ(big.field(1).toDouble(), 1e308);
    EXPECT_TRUE(rs.field("HasCenterStuds").isNull());
    EXPECT_THROW(rs.field("HasCenterStuds").toDouble(), AppError);
    EXPECT_THROW(rs.field("NoSuchField"), AppError);

    // Text columns hold numbers as the text they were given, bare or quoted.
    exec("INSERT INTO Column_Information (WallID, ColumnID, ColumnHeight, MaxWidth) VALUES (7, 'Column 1', 12.5, '0.5')");
    Recordset c = DbConnection.query("SELECT ColumnHeight, MaxWidth FROM Column_Information");
    EXPECT_EQ(c.field(0).toText(), "12.5");
    EXPECT_EQ(c.field(1).toText(), "0.5");
    EXPECT_DOUBLE_EQ(c.field(0).toDouble(), 12.5);
}

TEST_F(DbTest, OneStatementPerCallAndTransactionsRollBack)
{
    EXPECT_THROW(exec("DELETE FROM Material_List; DROP TABLE Products"), AppError);
    EXPECT_GT(count("Products"), 0);
    {
        Transaction t(DbConnection);
        exec("INSERT INTO Project_Information (ID, WallName) VALUES (1, 'A')");
        {
            Transaction inner(DbConnection);
            exec("INSERT INTO Project_Information (ID, WallName) VALUES (2, 'B')");
            inner.commit();
        }
        // not committed: both rows go
    }
    EXPECT_EQ(count("Project_Information"), 0);
    {
        Transaction t(DbConnection);
        exec("INSERT INTO Project_Information (ID, WallName) VALUES (3, 'C')");
        t.commit();
    }
    EXPECT_EQ(count("Project_Information"), 1);
}

TEST(Numbers, SqlTextAndRounding)
{
    EXPECT_EQ(sqlNumber(1234.5), "1234.5");
    EXPECT_EQ(sqlNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(sqlNumber(-3.0), "-3");
    EXPECT_EQ(sqlNumber(1e20), "1e+20");
    EXPECT_THROW(sqlNumber(std::numeric_limits<double>::infinity()), AppError);
    EXPECT_THROW(sqlNumber(std::numeric_limits<double>::quiet_NaN()), AppError);
    EXPECT_EQ(roundHalfEven(10.5), 10);
    EXPECT_EQ(roundHalfEven(11.5), 12);
    EXPECT_EQ(raiseToWhole(10.2), 11);
    EXPECT_EQ(raiseToWhole(10.0), 10);
    EXPECT_EQ(raiseToWhole(11.0), 12);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_THROW(toInt16(32767.6), AppError);
    EXPECT_THROW(safeDivide(1, 0, "test"), AppError);
    EXPECT_EQ(Money::fromDouble(1234.5).toText(), "1234.5");
    EXPECT_EQ(Money::fromDouble(1.03125).raw(), 10312);  // halves to even
    EXPECT_EQ(Money::fromDouble(1.09375).raw(), 10938);
    EXPECT_EQ(Money::fromDouble(-3.0125).toText(), "-3.0125");
    double d = 0;
    EXPECT_TRUE(parseStrictNumber(" 42 ", &d));
    EXPECT_FALSE(parseStrictNumber("3,5", &d));
    EXPECT_FALSE(parseStrictNumber("inf", &d));
    EXPECT_FALSE(parseStrictNumber("1e999", &d));
    EXPECT_FALSE(parseStrictNumber("1; DROP", &d));
}
