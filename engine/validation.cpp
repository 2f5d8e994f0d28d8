#include "engine/validation.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/member_numbers.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

namespace dv {

namespace {

void recordMissing(const QString& memberName, std::int16_t wallID, const QString& wallName, int width)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "INSERT INTO Validation_Information (MemberName, WallID, WallName, WallWidth) VALUES (?, ?, ?, ?)"));
    st.bind(1, memberName).bind(2, static_cast<long long>(wallID)).bind(3, wallName).bind(4, width);
    st.exec();
}

long long countRows(PreparedStatement& st)
{
    Recordset rs = DbConnection.query(st);
    return rs.eof() ? 0 : rs.field(0).toInt32();
}

// A whole number held as text in the wall's data ("2", " 3 ").
std::int32_t wholeNumberText(const Value& v, const QString& what)
{
    double d = 0;
    if (v.type() == Value::Type::Text) {
        if (!parseStrictNumber(v.toText(), &d))
            throw AppError(err::TypeMismatch, QStringLiteral("%1 '%2' is not a number.").arg(what, v.toText()));
    } else {
        d = v.toDouble();
    }
    return toInt32(d);
}

// The wall's name; a wall without a row keeps the name read before.
void readWallName(std::int16_t wallID, QString& wallName)
{
    Recordset rs =
        DbConnection.query(QStringLiteral("SELECT WallName FROM Project_Information WHERE ID = ") + sqlNumber(wallID));
    if (!rs.eof())
        wallName = rs.field(0).toText();
}

}  // namespace

std::int16_t ValidateStuds()
{
    std::int16_t result = 1;
    // Values a missing row does not find stay as the previous wall left them.
    QString wallName, hasCenterStuds, wallType;
    std::int32_t interp = 0, corners = 0;
    ForEachCheckedWall([&](std::int16_t wallID) {
        {
            PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Project_Information WHERE ID = ?"));
            st.bind(1, static_cast<long long>(wallID));
            Recordset rs = DbConnection.query(st);
            if (!rs.eof()) {
                wallName = rs.field(QStringLiteral("WallName")).toText();
                interp = rs.field(QStringLiteral("InterpValue")).toInt32();
                hasCenterStuds = rs.field(QStringLiteral("HasCenterStuds")).toText();
            }
        }
        {
            PreparedStatement& st =
                DbConnection.cached(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ?"));
            st.bind(1, static_cast<long long>(wallID));
            Recordset rs = DbConnection.query(st);
            if (!rs.eof()) {
                wallType = rs.field(QStringLiteral("WallType")).toText();
                corners = rs.field(QStringLiteral("NumberCorners")).toInt32();
            }
        }
        const int centre = hasCenterStuds == QLatin1String("Yes") ? 1 : 0;
        const int corner = corners > 0 ? 1 : 0;
        for (int w : kWallWidths) {
            PreparedStatement& st = DbConnection.cached(QStringLiteral(
                "SELECT Count(*) FROM Material_List WHERE MemberType = 'Stud' COLLATE NOCASE "
                "AND WallWidth = ? AND WallID = ?"));
            st.bind(1, w).bind(2, static_cast<long long>(wallID));
            const long long count = countRows(st);
            bool short_;
            if (wallType == QLatin1String("EAVE"))
                short_ = centre == 1 && count != 1 + corner;
            else
                short_ = count != static_cast<long long>(interp) + centre + corner;
            // A wall left without a single stud row for a width is always
            // short, whatever its stud layout says.
            if (count == 0)
                short_ = true;
            if (short_) {
                recordMissing(QStringLiteral("Stud"), wallID, wallName, w);
                result = 0;
            }
        }
    });
    return result;
}

std::int16_t ValidateColumns()
{
    std::int16_t result = 1;
    QString wallName;
    ForEachCheckedWall([&](std::int16_t wallID) {
        readWallName(wallID, wallName);
        // The column IDs are read first: one result set at a time.
        QStringList columns;
        {
            PreparedStatement& st = DbConnection.cached(
                QStringLiteral("SELECT * FROM Column_Information WHERE WallID = ? ORDER BY rowid"));
            st.bind(1, static_cast<long long>(wallID));
            Recordset rs = DbConnection.query(st);
            for (; !rs.eof(); rs.moveNext()) {
                const QString height = rs.field(QStringLiteral("ColumnHeight")).toText();
                if (isRemovedText(height))
                    continue;
                columns << rs.field(QStringLiteral("ColumnID")).toText();
            }
        }
        for (int w : kWallWidths) {
            for (const QString& columnID : columns) {
                PreparedStatement& st = DbConnection.cached(QStringLiteral(
                    "SELECT Count(*) FROM Material_List WHERE MemberType = 'Column' COLLATE NOCASE "
                    "AND WallWidth = ? AND WallID = ? "
                    "AND MemberName = ? COLLATE NOCASE"));
                st.bind(1, w).bind(2, static_cast<long long>(wallID)).bind(3, columnID);
                if (countRows(st) != 1) {
                    recordMissing(columnID, wallID, wallName, w);
                    result = 0;
                }
            }
        }
    });
    return result;
}

std::int16_t ValidateHeaders()
{
    std::int16_t result = 1;
    QString wallName;
    ForEachCheckedWall([&](std::int16_t wallID) {
        readWallName(wallID, wallName);
        struct Opening { QString roid; std::int32_t headers; std::int32_t number; };
        QList<Opening> openings;
        {
            PreparedStatement& st = DbConnection.cached(QStringLiteral(
                "SELECT * FROM Header_Information WHERE WallID = ? AND NumHeaders <> 'NA' COLLATE NOCASE ORDER BY rowid"));
            st.bind(1, static_cast<long long>(wallID));
            Recordset rs = DbConnection.query(st);
            for (; !rs.eof(); rs.moveNext()) {
                Opening o;
                o.roid = rs.field(QStringLiteral("ROID")).toText();
                o.headers = wholeNumberText(rs.field(QStringLiteral("NumHeaders")), QStringLiteral("The number of headers"));
                o.number = MemberNumberOf(o.roid, 14);
                openings << o;
            }
        }
        for (int w : kWallWidths) {
            for (const Opening& o : openings) {
                // "Header 1," must not match "Header 10," or "Header 11,".
                const QString prefix = QStringLiteral("Header %1,").arg(o.number);
                PreparedStatement& st = DbConnection.cached(QStringLiteral(
                    "SELECT Count(*) FROM Material_List WHERE MemberType = 'Header' COLLATE NOCASE "
                    "AND WallWidth = ? AND WallID = ? "
                    "AND substr(MemberName, 1, length(?)) = ? COLLATE NOCASE"));
                st.bind(1, w).bind(2, static_cast<long long>(wallID)).bind(3, prefix).bind(4, prefix);
                if (countRows(st) != o.headers) {
                    recordMissing(o.roid, wallID, wallName, w);
                    result = 0;
                }
            }
        }
    });
    return result;
}

void ValidateMaterialList()
{
    const QString SqlText = QStringLiteral("DELETE FROM Validation_Information");
    DbConnection.execute(SqlText);
    const std::int16_t studs = ValidateStuds();
    const std::int16_t columns = ValidateColumns();
    const std::int16_t headers = ValidateHeaders();
    ProjectView& view = projectView();
    view.closePleaseWait();
    if (studs == 0 || columns == 0 || headers == 0)
        view.showValidationResults();
}

}  // namespace dv
