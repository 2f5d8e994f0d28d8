#include "core/wall_list.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "platform/numbers.h"

namespace dv {

namespace {

// A field that is null fails every test.
bool greaterThan(const Recordset& rs, const char* field, double limit)
{
    const Value v = rs.field(QLatin1String(field));
    if (v.isNull())
        return false;
    double d = 0;
    if (v.type() == Value::Type::Text)
        return parseStrictNumber(v.toText(), &d) && d > limit;
    return v.toDouble() > limit;
}

bool atLeast(const Recordset& rs, const char* field, double limit)
{
    const Value v = rs.field(QLatin1String(field));
    if (v.isNull())
        return false;
    double d = 0;
    if (v.type() == Value::Type::Text)
        return parseStrictNumber(v.toText(), &d) && d >= limit;
    return v.toDouble() >= limit;
}

bool notBlank(const Recordset& rs, const char* field)
{
    const Value v = rs.field(QLatin1String(field));
    if (v.isNull())
        return false;
    if (v.type() == Value::Type::Text)
        return !v.toText().isEmpty();
    return v.toDouble() != 0.0;
}

Recordset openGeneral(std::int16_t wallID)
{
    SqlText = QStringLiteral("SELECT * FROM General_Information WHERE WallID = ") + sqlNumber(wallID);
    return DbConnection.query(SqlText);
}

// A value read from a row, written back as a literal in its ordinary form.
QString literalOf(const Value& v, bool quoted)
{
    if (v.isNull())
        return QStringLiteral("Null");
    if (quoted || v.type() == Value::Type::Text)
        return sqlQuote(v.toText());
    return v.toText();
}

}  // namespace

void CheckGableWallComplete(std::int16_t wallID)
{
    Recordset rs = openGeneral(wallID);
    int passed = 0;
    if (!rs.eof()) {
        passed += greaterThan(rs, "EaveHeight", 1);
        passed += greaterThan(rs, "RoofSlope", 0.01);
        passed += greaterThan(rs, "RidgeHeight", 1);
        passed += greaterThan(rs, "WallLength", 1);
        passed += atLeast(rs, "RoofLoadingID", 1);
        passed += notBlank(rs, "ExteriorFinish");
        passed += notBlank(rs, "Exposure");
        passed += notBlank(rs, "DTFH");
    }
    WallCompleteText = passed == 8 ? QStringLiteral("Yes") : QStringLiteral("No");
}

void CheckEaveWallComplete(std::int16_t wallID)
{
    Recordset rs = openGeneral(wallID);
    int passed = 0;
    if (!rs.eof()) {
        passed += greaterThan(rs, "EaveHeight", 1);
        passed += greaterThan(rs, "WallLength", 1);
        passed += atLeast(rs, "RoofLoadingID", 1);
        passed += greaterThan(rs, "TrussSpan", 1);
        passed += notBlank(rs, "ExteriorFinish");
        passed += notBlank(rs, "Exposure");
    }
    WallCompleteText = passed == 6 ? QStringLiteral("Yes") : QStringLiteral("No");
}

void RefreshWallSystemGrid()
{
    ProjectView& view = projectView();
    view.wallGridClear();
    SqlText = QStringLiteral("SELECT * FROM Project_Information ORDER BY rowid");
    Recordset walls = DbConnection.query(SqlText);
    while (!walls.eof()) {
        WallCompleteText = QStringLiteral("No");
        const std::int16_t id = walls.field(QStringLiteral("ID")).toInt16();
        {
            Recordset general = openGeneral(id);
            if (!general.eof()) {
                // Exactly "GABLE": any other word is judged by the eave rules.
                if (general.field(QStringLiteral("WallType")).toText() == QLatin1String("GABLE"))
                    CheckGableWallComplete(id);
                else
                    CheckEaveWallComplete(id);
            }
        }
        view.wallGridAddRow({QString::number(id), RestoreQuotes(walls.field(QStringLiteral("WallName")).toText()),
                             WallCompleteText});
        walls.moveNext();
    }
}

std::int16_t NextWallID()
{
    Recordset rs = DbConnection.query(QStringLiteral("SELECT MAX(ID) AS MaxID FROM Project_Information"));
    const Value v = rs.field(0);
    if (v.isNull())
        return 1;
    const std::int32_t next = v.toInt32() + 1;
    if (next > 32767)
        throw AppError(err::Overflow, QStringLiteral("No more wall numbers are available in this project."));
    return static_cast<std::int16_t>(next);
}

void CopyWallSystem(QString& newWallName, std::int16_t sourceWallID, QString& newWallID)
{
    // The new ID must be a whole number: it goes into the statements below.
    double idValue = 0;
    if (!parseStrictNumber(newWallID, &idValue) || idValue != static_cast<double>(toInt16(idValue)))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    const QString newID = QString::number(toInt16(idValue));
    const QString src = sqlNumber(sourceWallID);

    // All or nothing: a failure part-way leaves no half-copied wall behind.
    Transaction t(DbConnection);
    SqlText = QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (")
              + SQLValue(newWallID, -1) + QStringLiteral(", ") + SQLValue(newWallName, 0) + QStringLiteral(")");
    DbConnection.execute(SqlText);

    {
        SqlText = QStringLiteral("SELECT * FROM General_Information WHERE WallID = ") + src + QStringLiteral(" ORDER BY rowid");
        Recordset rs = DbConnection.query(SqlText);
        if (!rs.eof()) {
            static const char* const kFields[] = {
                "WallType", "EaveHeight", "RoofSlope", "RidgeHeight", "WallLength", "RoofLoadingID",
                "TrussSpan", "ExteriorFinish", "Exposure", "IsZoneWall", "ZoneCorners", "ZoneJunctions",
                "CornerType", "JunctionType", "NumberCorners", "DTFH", "MonoSlope"};
            QStringList values;
            values << sqlQuote(newID);
            for (const char* f : kFields)
                values << literalOf(rs.field(QLatin1String(f)), false);
            SqlText = QStringLiteral("INSERT INTO General_Information (WallID, WallType, EaveHeight, RoofSlope, "
                                     "RidgeHeight, WallLength, RoofLoadingID, TrussSpan, ExteriorFinish, Exposure, "
                                     "IsZoneWall, ZoneCorners, ZoneJunctions, CornerType, JunctionType, NumberCorners, "
                                     "DTFH, MonoSlope) VALUES (")
                      + values.join(QStringLiteral(", ")) + QStringLiteral(")");
            DbConnection.execute(SqlText);
        }
    }
    {
        SqlText = QStringLiteral("SELECT * FROM Column_Information WHERE WallID = ") + src + QStringLiteral(" ORDER BY rowid");
        Recordset rs = DbConnection.query(SqlText);
        while (!rs.eof()) {
            SqlText = QStringLiteral("INSERT INTO Column_Information (WallID, ColumnID, ColumnHeight, MaxWidth) VALUES (")
                      + sqlQuote(newID) + QStringLiteral(", ") + literalOf(rs.field(QStringLiteral("ColumnID")), true)
                      + QStringLiteral(", ") + literalOf(rs.field(QStringLiteral("ColumnHeight")), true)
                      + QStringLiteral(", ") + literalOf(rs.field(QStringLiteral("MaxWidth")), true) + QStringLiteral(")");
            DbConnection.execute(SqlText);
            rs.moveNext();
        }
    }
    {
        SqlText = QStringLiteral("SELECT * FROM Header_Information WHERE WallID = ") + src + QStringLiteral(" ORDER BY rowid");
        Recordset rs = DbConnection.query(SqlText);
        while (!rs.eof()) {
            QStringList values;
            values << newID;
            for (const char* f : {"ROID", "ROWidth", "AverageROHeight", "NumHeaders", "ColIDLeft", "ColIDRight"})
                values << literalOf(rs.field(QLatin1String(f)), true);
            SqlText = QStringLiteral("INSERT INTO Header_Information (WallID, ROID, ROWidth, AverageROHeight, NumHeaders, "
                                     "ColIDLeft, ColIDRight) VALUES (")
                      + values.join(QStringLiteral(", ")) + QStringLiteral(")");
            DbConnection.execute(SqlText);
            rs.moveNext();
        }
    }
    t.commit();

    ProjectView& view = projectView();
    if (view.comparisonRowCount() >= 1) {
        view.messageBox(QStringLiteral("You must re-calculate this project to update the comparison and estimate.  "
                                       "The comparison grid will be cleared."),
                        QStringLiteral("Reseting Results"), MsgButtons::Ok);
        view.comparisonClear();
    }
}

}  // namespace dv
