#include "core/wall_store.h"
#include "core/sql_literals.h"
#include "platform/numbers.h"

#include <map>

namespace dv {

bool isRemovedText(const QString& stored) { return stored.compare(kRemovedMarker, Qt::CaseInsensitive) == 0; }

const QString& liveColumnCondition()
{
    static const QString c = QStringLiteral("ColumnHeight <> '") + kRemovedMarker + QStringLiteral("' COLLATE NOCASE");
    return c;
}

const QString& liveOpeningCondition()
{
    static const QString c = QStringLiteral("ROWidth <> '") + kRemovedMarker + QStringLiteral("' COLLATE NOCASE");
    return c;
}

const std::array<WallFieldSpec, 17>& wallFields()
{
    using T = WallFieldType;
    // The roof slope is a rise per 12 that may hold a fraction (4.5/12); the
    // number of corners is whole.
    static const std::array<WallFieldSpec, 17> fields = {{
        {"WallType", T::Text}, {"EaveHeight", T::Double}, {"RoofSlope", T::Double}, {"RidgeHeight", T::Double},
        {"WallLength", T::Double}, {"RoofLoadingID", T::Whole}, {"TrussSpan", T::Double},
        {"ExteriorFinish", T::Text}, {"Exposure", T::Text}, {"IsZoneWall", T::Whole}, {"ZoneCorners", T::Double},
        {"ZoneJunctions", T::Double}, {"CornerType", T::Text}, {"JunctionType", T::Text},
        {"NumberCorners", T::Whole}, {"DTFH", T::Double}, {"MonoSlope", T::Whole},
    }};
    return fields;
}

namespace {

std::size_t fieldIndex(const char* field)
{
    const auto& fields = wallFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (qstrcmp(fields[i].name, field) == 0)
            return i;
    throw AppError(3265, QStringLiteral("Item cannot be found in the collection corresponding to the requested name "
                                        "or ordinal: %1")
                             .arg(QLatin1String(field)));
}

// The statements that read the field list: the columns in table order.
QString fieldNames(const QString& separator, const QString& after = QString())
{
    QStringList names;
    for (const WallFieldSpec& f : wallFields())
        names << QLatin1String(f.name) + after;
    return names.join(separator);
}

// A field that is null fails every test.
bool greaterThan(const Value& v, double limit)
{
    if (v.isNull())
        return false;
    double d = 0;
    if (v.type() == Value::Type::Text)
        return parseStrictNumber(v.toText(), &d) && d > limit;
    return v.toDouble() > limit;
}

bool atLeast(const Value& v, double limit)
{
    if (v.isNull())
        return false;
    double d = 0;
    if (v.type() == Value::Type::Text)
        return parseStrictNumber(v.toText(), &d) && d >= limit;
    return v.toDouble() >= limit;
}

bool notBlank(const Value& v)
{
    if (v.isNull())
        return false;
    if (v.type() == Value::Type::Text)
        return !v.toText().isEmpty();
    return v.toDouble() != 0.0;
}

// A value copied as a literal in its text form would be stored: a number
// column reads the text back as the number it shows.
Value asCopied(const Value& v) { return v.isNull() ? Value::null() : Value::text(v.toText()); }

// A copy's name as its literal would store it: Null when empty, a plain
// number as that number, any other text trimmed.
Value copiedName(QString name)
{
    const QString literal = SQLValue(name, 0);
    if (literal == QLatin1String("Null"))
        return Value::null();
    if (!literal.startsWith(QLatin1Char('\''))) {
        bool whole = false;
        const qlonglong n = literal.toLongLong(&whole);
        if (whole)
            return Value::longInt(n);
        double d = 0;
        parseStrictNumber(literal, &d);
        return Value::real(d);
    }
    return Value::text(literal.mid(1, literal.size() - 2));
}

StoredColumn columnOf(const Recordset& rs, const QString& columnID)
{
    return {columnID, rs["ColumnHeight"], rs["MaxWidth"]};
}

StoredOpening openingOf(const Recordset& rs, const QString& roid)
{
    return {roid,
            rs["ROWidth"],
            rs["AverageROHeight"],
            rs["NumHeaders"].toText(),
            rs["ColIDLeft"].toText(),
            rs["ColIDRight"].toText()};
}

// Markers and IDs are compared as the database compares them: without case.
bool sameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

const Value& WallGeneral::operator[](const char* field) const { return values_[fieldIndex(field)]; }
void WallGeneral::set(const char* field, const Value& v) { values_[fieldIndex(field)] = v; }

QString CheckGableWallComplete(const WallGeneral& w)
{
    const int passed = greaterThan(w["EaveHeight"], 1) + greaterThan(w["RoofSlope"], 0.01)
                       + greaterThan(w["RidgeHeight"], 1) + greaterThan(w["WallLength"], 1)
                       + atLeast(w["RoofLoadingID"], 1) + notBlank(w["ExteriorFinish"]) + notBlank(w["Exposure"])
                       + notBlank(w["DTFH"]);
    return passed == 8 ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString CheckEaveWallComplete(const WallGeneral& w)
{
    const int passed = greaterThan(w["EaveHeight"], 1) + greaterThan(w["WallLength"], 1)
                       + atLeast(w["RoofLoadingID"], 1) + greaterThan(w["TrussSpan"], 1)
                       + notBlank(w["ExteriorFinish"]) + notBlank(w["Exposure"]);
    return passed == 6 ? QStringLiteral("Yes") : QStringLiteral("No");
}

QString wallCompleteText(const WallGeneral& w)
{
    return w["WallType"].toText() == QLatin1String("GABLE") ? CheckGableWallComplete(w) : CheckEaveWallComplete(w);
}

// ---------------------------------------------------------------- walls

namespace {
// The key of every wall asked about since its number was last given out.
std::map<std::int16_t, std::uint64_t> gWallKeys;
std::uint64_t gLastWallKey = 0;
// The wall that holds the number now is not the one that held it before.
void renewWallKey(std::int16_t wallID) { gWallKeys.erase(wallID); }
}  // namespace

std::uint64_t WallStore::wallKey(std::int16_t wallID)
{
    const auto [it, added] = gWallKeys.try_emplace(wallID, gLastWallKey + 1);
    if (added)
        ++gLastWallKey;
    return it->second;
}

void WallStore::forgetWallKeys() { gWallKeys.clear(); }

std::int16_t WallStore::nextWallID()
{
    Recordset rs = db_.query(QStringLiteral("SELECT MAX(ID) AS MaxID FROM Project_Information"));
    const Value v = rs.field(0);
    if (v.isNull())
        return 1;
    const std::int32_t next = v.toInt32() + 1;
    if (next > 32767)
        throw AppError(err::Overflow, QStringLiteral("No more wall numbers are available in this project."));
    return static_cast<std::int16_t>(next);
}

void WallStore::addWall(std::int16_t id, QString name)
{
    SQLValue(name, 1);
    db_.prepare(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (?, ?)"))
        .bind(1, static_cast<long long>(id))
        .bind(2, name.trimmed())
        .exec();
    renewWallKey(id);
}

std::optional<WallGeneral> WallStore::general(std::int16_t wallID)
{
    static const QString sql = QStringLiteral("SELECT ") + fieldNames(QStringLiteral(", "))
                               + QStringLiteral(" FROM General_Information WHERE WallID = ? ORDER BY rowid");
    Recordset rs = db_.query(db_.cached(sql).bind(1, static_cast<long long>(wallID)));
    if (rs.eof())
        return std::nullopt;
    WallGeneral w;
    for (const WallFieldSpec& f : wallFields())
        w.set(f.name, rs.field(QLatin1String(f.name)));
    return w;
}

void WallStore::saveGeneral(std::int16_t wallID, const WallGeneral& wall)
{
    static const QString update = QStringLiteral("UPDATE General_Information SET ")
                                  + fieldNames(QStringLiteral(", "), QStringLiteral(" = ?"))
                                  + QStringLiteral(" WHERE WallID = ?");
    static const QString insert = [] {
        QStringList places;
        for (std::size_t i = 0; i <= wallFields().size(); ++i)
            places << QStringLiteral("?");
        return QStringLiteral("INSERT INTO General_Information (") + fieldNames(QStringLiteral(", "))
               + QStringLiteral(", WallID) VALUES (") + places.join(QStringLiteral(", ")) + QStringLiteral(")");
    }();
    const bool exists = general(wallID).has_value();
    PreparedStatement st = db_.prepare(exists ? update : insert);
    int i = 1;
    for (const Value& v : wall.values())
        st.bind(i++, v);
    st.bind(i, static_cast<long long>(wallID));
    st.exec();
}

void WallStore::removeWall(std::int16_t wallID)
{
    Transaction t(db_);
    for (const char* sql : {"DELETE FROM General_Information WHERE WallID = ?", "DELETE FROM Project_Information WHERE ID = ?",
                            "DELETE FROM Column_Information WHERE WallID = ?", "DELETE FROM Header_Information WHERE WallID = ?"})
        db_.prepare(QLatin1String(sql)).bind(1, static_cast<long long>(wallID)).exec();
    t.commit();
    renewWallKey(wallID);
}

void WallStore::copyRows(const QString& table, const QString& fields, std::size_t count, long long source,
                         long long target, bool firstOnly)
{
    std::vector<std::vector<Value>> rows;
    {
        PreparedStatement read = db_.prepare(QStringLiteral("SELECT ") + fields + QStringLiteral(" FROM ") + table
                                             + QStringLiteral(" WHERE WallID = ? ORDER BY rowid"));
        Recordset rs = db_.query(read.bind(1, source));
        for (; !rs.eof() && !(firstOnly && !rows.empty()); rs.moveNext()) {
            std::vector<Value> row;
            for (std::size_t i = 0; i < count; ++i)
                row.push_back(asCopied(rs.field(static_cast<int>(i))));
            rows.push_back(std::move(row));
        }
    }
    QStringList places;
    for (std::size_t i = 0; i <= count; ++i)
        places << QStringLiteral("?");
    PreparedStatement st = db_.prepare(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (WallID, ") + fields
                                       + QStringLiteral(") VALUES (") + places.join(QStringLiteral(", "))
                                       + QStringLiteral(")"));
    for (const std::vector<Value>& row : rows) {
        st.bind(1, target);
        for (std::size_t i = 0; i < count; ++i)
            st.bind(static_cast<int>(i) + 2, row[i]);
        st.exec();
    }
}

void WallStore::copyWall(std::int16_t sourceWallID, std::int16_t newWallID, QString newName)
{
    const long long source = sourceWallID;
    const long long target = newWallID;
    Transaction t(db_);
    db_.prepare(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (?, ?)"))
        .bind(1, target)
        .bind(2, copiedName(newName))
        .exec();
    // The first data row, then every column and opening, each value as it
    // is stored (Null stays Null).
    copyRows(QStringLiteral("General_Information"), fieldNames(QStringLiteral(", ")), wallFields().size(), source,
             target, true);
    copyRows(QStringLiteral("Column_Information"), QStringLiteral("ColumnID, ColumnHeight, MaxWidth"), 3, source,
             target, false);
    copyRows(QStringLiteral("Header_Information"),
             QStringLiteral("ROID, ROWidth, AverageROHeight, NumHeaders, ColIDLeft, ColIDRight"), 6, source, target,
             false);
    t.commit();
    renewWallKey(newWallID);
}

// ---------------------------------------------------------------- columns

std::vector<StoredColumn> WallStore::columns(std::int16_t wallID)
{
    Recordset rs = db_.query(db_.cached(QStringLiteral("SELECT ColumnID, ColumnHeight, MaxWidth FROM Column_Information "
                                                       "WHERE WallID = ? ORDER BY rowid"))
                                 .bind(1, static_cast<long long>(wallID)));
    std::vector<StoredColumn> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back(columnOf(rs, rs["ColumnID"].toText()));
    return rows;
}

std::optional<StoredColumn> WallStore::column(std::int16_t wallID, const QString& columnID)
{
    Recordset rs = db_.query(db_.cached(QStringLiteral("SELECT ColumnHeight, MaxWidth FROM Column_Information "
                                                       "WHERE ColumnID = ? COLLATE NOCASE AND WallID = ? ORDER BY rowid"))
                                 .bind(1, columnID)
                                 .bind(2, static_cast<long long>(wallID)));
    if (rs.eof())
        return std::nullopt;
    return columnOf(rs, columnID);
}

void WallStore::addColumn(std::int16_t wallID, const QString& columnID, const QString& height, const QString& maxWidth)
{
    db_.cached(QStringLiteral("INSERT INTO Column_Information (WallID, ColumnID, ColumnHeight, MaxWidth) "
                              "VALUES (?, ?, ?, ?)"))
        .bind(1, static_cast<long long>(wallID))
        .bind(2, columnID)
        .bind(3, height)
        .bind(4, maxWidth)
        .exec();
}

void WallStore::updateColumn(std::int16_t wallID, const QString& columnID, const QString& height,
                             const QString& maxWidth)
{
    db_.cached(QStringLiteral("UPDATE Column_Information SET ColumnHeight = ?, MaxWidth = ? "
                              "WHERE ColumnID = ? COLLATE NOCASE AND WallID = ?"))
        .bind(1, height)
        .bind(2, maxWidth)
        .bind(3, columnID)
        .bind(4, static_cast<long long>(wallID))
        .exec();
}

void WallStore::removeColumn(std::int16_t wallID, const QString& columnID)
{
    updateColumn(wallID, columnID, kRemovedMarker, kRemovedFiller);
}

QStringList WallStore::openingsSupportedBy(std::int16_t wallID, const QString& columnID)
{
    QStringList roids;
    for (const StoredOpening& o : openings(wallID))
        if (sameText(o.left, columnID) || sameText(o.right, columnID))
            roids << o.roid;
    return roids;
}

std::vector<QStringList> WallStore::supportColumns(std::int16_t wallID)
{
    static const QString sql = QStringLiteral("SELECT rowid AS ID, ColumnID FROM Column_Information WHERE WallID = ? AND ")
                               + liveColumnCondition() + QStringLiteral(" ORDER BY rowid");
    Recordset rs = db_.query(db_.cached(sql).bind(1, static_cast<long long>(wallID)));
    std::vector<QStringList> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back({rs["ID"].toText(), rs["ColumnID"].toText()});
    return rows;
}

// ---------------------------------------------------------------- openings

std::vector<StoredOpening> WallStore::openings(std::int16_t wallID)
{
    Recordset rs = db_.query(
        db_.cached(QStringLiteral("SELECT ROID, ROWidth, AverageROHeight, NumHeaders, ColIDLeft, ColIDRight "
                                  "FROM Header_Information WHERE WallID = ? ORDER BY rowid"))
            .bind(1, static_cast<long long>(wallID)));
    std::vector<StoredOpening> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.push_back(openingOf(rs, rs["ROID"].toText()));
    return rows;
}

std::optional<StoredOpening> WallStore::opening(std::int16_t wallID, const QString& roid)
{
    Recordset rs = db_.query(
        db_.cached(QStringLiteral("SELECT ROWidth, AverageROHeight, NumHeaders, ColIDLeft, ColIDRight "
                                  "FROM Header_Information WHERE ROID = ? COLLATE NOCASE AND WallID = ? ORDER BY rowid"))
            .bind(1, roid)
            .bind(2, static_cast<long long>(wallID)));
    if (rs.eof())
        return std::nullopt;
    return openingOf(rs, roid);
}

double WallStore::otherOpeningsWidth(std::int16_t wallID, const QString& roid)
{
    static const QString sql = QStringLiteral("SELECT ROWidth FROM Header_Information WHERE WallID = ? AND ")
                               + liveOpeningCondition() + QStringLiteral(" AND ROID <> ? COLLATE NOCASE ORDER BY rowid");
    Recordset rs = db_.query(db_.cached(sql).bind(1, static_cast<long long>(wallID)).bind(2, roid));
    double sum = 0;
    for (; !rs.eof(); rs.moveNext())
        sum += rs["ROWidth"].toDouble();
    return sum;
}

std::vector<SupportSide> WallStore::supportConflicts(std::int16_t wallID, const QString& left, const QString& right)
{
    std::vector<SupportSide> sides;
    for (const StoredOpening& o : openings(wallID)) {
        if (sameText(o.left, left))
            sides.push_back(SupportSide::Left);
        else if (sameText(o.right, right))
            sides.push_back(SupportSide::Right);
    }
    return sides;
}

void WallStore::addOpening(std::int16_t wallID, const StoredOpening& o)
{
    db_.cached(QStringLiteral("INSERT INTO Header_Information (WallID, ROID, ROWidth, AverageROHeight, "
                              "NumHeaders, ColIDLeft, ColIDRight) VALUES (?, ?, ?, ?, ?, ?, ?)"))
        .bind(1, static_cast<long long>(wallID))
        .bind(2, o.roid)
        .bind(3, o.width)
        .bind(4, o.averageHeight)
        .bind(5, o.numHeaders)
        .bind(6, o.left)
        .bind(7, o.right)
        .exec();
}

void WallStore::updateOpening(std::int16_t wallID, const StoredOpening& o)
{
    db_.cached(QStringLiteral("UPDATE Header_Information SET ROWidth = ?, NumHeaders = ?, ColIDLeft = ?, "
                              "ColIDRight = ?, AverageROHeight = ? WHERE ROID = ? COLLATE NOCASE AND WallID = ?"))
        .bind(1, o.width)
        .bind(2, o.numHeaders)
        .bind(3, o.left)
        .bind(4, o.right)
        .bind(5, o.averageHeight)
        .bind(6, o.roid)
        .bind(7, static_cast<long long>(wallID))
        .exec();
}

void WallStore::removeOpening(std::int16_t wallID, const QString& roid)
{
    updateOpening(wallID, {roid, Value::text(kRemovedMarker), Value::text(kRemovedFiller), kRemovedFiller,
                           kRemovedFiller, kRemovedFiller});
}

}  // namespace dv
