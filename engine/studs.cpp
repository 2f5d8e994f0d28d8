#include "engine/studs.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/engine_common.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"

#include <initializer_list>
#include <optional>

namespace dv {

namespace {

// Plate allowance: studs stand between the plates.
constexpr double kPlateAllowance = 0.375;

// The stud spacings a profile may allow, in feet, in the order tried.
constexpr double kSpacings[3] = {1.0, 1.3334, 2.0};

const QString kNoProfileRow = QStringLiteral("The selected pricing profile has no settings row.");

Recordset queryBound(const QString& sql, std::initializer_list<Value> values)
{
    PreparedStatement& st = DbConnection.cached(sql);
    int i = 1;
    for (const Value& v : values)
        st.bind(i++, v);
    return DbConnection.query(st);
}

// First field of the first row; Null when there is no row.
Value scalarBound(const QString& sql, std::initializer_list<Value> values)
{
    Recordset rs = queryBound(sql, values);
    return rs.eof() ? Value::null() : rs.field(0);
}

Value I(long long v) { return Value::longInt(v); }
Value D(double v) { return Value::real(v); }
Value T(const QString& s) { return Value::text(s); }

bool isYes(const Value& v) { return !v.isNull() && v.toDouble() == -1.0; }

// Money of a product of feet, pieces and a price per foot.
Money priceOf(double pieces, double length, Money lfPrice)
{
    return Money::fromDouble(checkedFinite(length * pieces * lfPrice.toDouble(), "a stud price"));
}

struct ProductInfo {
    bool sawn = false;
};

ProductInfo ReadProduct(int productID)
{
    ProductInfo p;
    Recordset rs = queryBound(QStringLiteral("SELECT * FROM Products WHERE ProductID = ?"), {I(productID)});
    if (!rs.eof())
        p.sawn = isYes(rs.field(QStringLiteral("IsSoftwood")));
    return p;
}

QString DescriptionOf(int productID)
{
    return ProductDescription(productID, !ReadProduct(productID).sawn);
}

int ProductNumber(const QString& item)
{
    double d = 0;
    if (!parseStrictNumber(item, &d) || d != roundHalfEven(d))
        throw AppError(err::TypeMismatch, QStringLiteral("'%1' is not a product number.").arg(item));
    return toInt16(d);
}

// One candidate row of Temp_Stud_Table, in its argument order.
struct StudCandidate {
    std::int16_t wallID = 0;
    QString wallType;
    std::int16_t wallThickness = 0;
    std::int16_t productID = 0;
    double wallWidth = 0;
    double spacing = 0;
    double deflectionLimit = 0;
    QString exposure;
    double controlMaxHeight = 0;
    double controlAxialLoad = 0;
    double numberStuds = 0;
    double studHeight = 0;
    Money lfPrice;
    Money totalPrice;
    std::int16_t heightLoc = 0;
};

void InsertTempStudRow(const StudCandidate& c)
{
    // A candidate without a whole piece or a piece of some length is no stud:
    // it would only bring a zero or negative count or price into the choice.
    if (c.numberStuds < 1 || c.studHeight < 1)
        return;
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "INSERT INTO Temp_Stud_Table (WallID, WallType, WallThickness, ProductID, WallWidth, Spacing, DeflectionLimit, "
        "Exposure, ControlMaxHeight, ControlAxialLoad, NumberStuds, StudHeight, HeightLoc, LFPrice, TotalPrice) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    st.bind(1, static_cast<long long>(c.wallID))
        .bind(2, c.wallType)
        .bind(3, static_cast<long long>(c.wallThickness))
        .bind(4, static_cast<long long>(c.productID))
        .bind(5, c.wallWidth)
        .bind(6, c.spacing)
        .bind(7, c.deflectionLimit)
        .bind(8, c.exposure)
        .bind(9, c.controlMaxHeight)
        .bind(10, c.controlAxialLoad)
        .bind(11, c.numberStuds)
        .bind(12, c.studHeight)
        .bind(13, static_cast<long long>(c.heightLoc))
        .bind(14, c.lfPrice)
        .bind(15, c.totalPrice);
    st.exec();
}

// The profile values the stud sizing reads for every wall.
struct StudProfile {
    bool allowed[3] = {false, false, false};
    std::int32_t windSpeed = 0;
};

StudProfile ReadStudProfile()
{
    Recordset rs = queryBound(QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ?"),
                              {I(SelectedProfileID())});
    if (rs.eof())
        throw AppError(err::BadValue, kNoProfileRow);
    StudProfile p;
    const char* flags[3] = {"Spacing12oc", "Spacing16oc", "Spacing24oc"};
    for (int i = 0; i < 3; ++i) {
        const Value v = rs.field(QLatin1String(flags[i]));
        p.allowed[i] = !v.isNull() && v.toDouble() == 1.0;
    }
    p.windSpeed = rs.field(QStringLiteral("WindSpeed")).toInt32();
    return p;
}

// The rows of the stud capacity table for one product at one spacing.
Recordset StudSolutions(int productID, double deflection, const QString& exposure, std::int32_t windSpeed,
                        double spacing)
{
    return queryBound(QStringLiteral("SELECT * FROM Stud_Solutions WHERE ProductID = ? AND Deflection = ? AND "
                                     "Exposure = ? COLLATE NOCASE AND WindSpeed = ? AND Spacing_ft = ? ORDER BY rowid"),
                      {I(productID), D(deflection), T(exposure), I(windSpeed), D(spacing)});
}

// Everything read of one complete wall.
struct StudWall {
    QString wallType;
    double eaveStudHeight = 0;
    double ridgeStudHeight = 0;
    double wallLength = 0;
    double roofLL = 0, roofDL = 0;
    double trussSpan = 0;
    double deflectionLimit = 0;
    std::int16_t roofSlope = 0;
    double dtfh = 0;
    std::int16_t monoSlope = 0;
    QString exposureLetter;
    WallCutouts cutouts;
    StudGeometry geometry;
};

// Reads a wall; no value when a row it depends on is missing (the wall is
// then not sized rather than sized with another wall's loads).
std::optional<StudWall> ReadStudWall(std::int16_t wallID, const StudProfile& profile)
{
    StudWall w;
    Recordset gi = queryBound(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ?"), {I(wallID)});
    if (gi.eof())
        return std::nullopt;
    w.wallType = gi.field(QStringLiteral("WallType")).toText();
    w.eaveStudHeight = gi.field(QStringLiteral("EaveHeight")).toDouble() - kPlateAllowance;
    w.ridgeStudHeight = gi.field(QStringLiteral("RidgeHeight")).toDouble() - kPlateAllowance;
    w.wallLength = gi.field(QStringLiteral("WallLength")).toDouble();
    bool complete = true;
    {
        Recordset rl = queryBound(QStringLiteral("SELECT * FROM Roof_Loading WHERE ID = ?"),
                                  {gi.field(QStringLiteral("RoofLoadingID"))});
        if (rl.eof()) {
            complete = false;
        } else {
            w.roofLL = rl.field(QStringLiteral("RoofLL")).toDouble();
            w.roofDL = rl.field(QStringLiteral("RoofDL")).toDouble();
        }
    }
    w.trussSpan = gi.field(QStringLiteral("TrussSpan")).toDouble();
    {
        Recordset ef = queryBound(QStringLiteral("SELECT * FROM Exterior_Finish WHERE FinishName = ? COLLATE NOCASE"),
                                  {T(gi.field(QStringLiteral("ExteriorFinish")).toText())});
        if (ef.eof())
            complete = false;
        else
            w.deflectionLimit = ef.field(QStringLiteral("StudDeflectionLimit")).toDouble();
    }
    w.roofSlope = gi.field(QStringLiteral("RoofSlope")).toInt16();
    w.dtfh = gi.field(QStringLiteral("DTFH")).toDouble();
    w.monoSlope = gi.field(QStringLiteral("MonoSlope")).toInt16();
    w.exposureLetter = StudExposureLetter(gi.field(QStringLiteral("Exposure")).toText(), profile.windSpeed);

    w.cutouts = ReadWallCutouts(wallID);
    if (w.cutouts.columnCount == 0) {
        // Without columns the full-height point follows from the wall itself.
        if (w.wallType == QLatin1String("EAVE"))
            w.dtfh = 0;
        else if (w.monoSlope == 0)
            w.dtfh = w.wallLength / 2;
        else
            w.dtfh = w.wallLength;
    }
    w.geometry = ComputeStudGeometry(w.roofSlope, w.dtfh, w.wallLength, w.cutouts.columnCount,
                                     w.cutouts.openingWidthTotal, w.monoSlope);
    SqlText = QStringLiteral("UPDATE Project_Information SET InterpValue = ?, HasCenterStuds = ? WHERE ID = ?");
    PreparedStatement& st = DbConnection.cached(SqlText);
    st.bind(1, static_cast<long long>(w.geometry.interpValue))
        .bind(2, w.geometry.hasCenterStuds ? QStringLiteral("Yes") : QStringLiteral("No"))
        .bind(3, static_cast<long long>(wallID));
    st.exec();
    if (!complete)
        return std::nullopt;
    return w;
}

// fn() for each capacity row of the candidate's product at every spacing the
// profile allows, with the row's spacing and limits read into the candidate.
template <class Fn>
void ForEachStudSolution(const StudWall& w, const StudProfile& profile, StudCandidate& c, Fn fn)
{
    for (int s = 0; s < 3; ++s) {
        if (!profile.allowed[s])
            continue;
        Recordset rs = StudSolutions(c.productID, w.deflectionLimit, w.exposureLetter, profile.windSpeed, kSpacings[s]);
        for (; !rs.eof(); rs.moveNext()) {
            c.spacing = rs.field(QStringLiteral("Spacing_ft")).toDouble();
            c.controlMaxHeight = rs.field(QStringLiteral("MaxHeight")).toDouble();
            c.controlAxialLoad = rs.field(QStringLiteral("AxialLoad")).toDouble();
            fn();
        }
    }
}

void EaveCandidates(const StudWall& w, const StudProfile& profile, double maxEaveSL, StudCandidate c, bool sawn)
{
    const double axialPLF = (w.roofDL + w.roofLL) * (w.trussSpan / 2);
    if (sawn && w.eaveStudHeight >= maxEaveSL)
        return;
    c.wallWidth = w.geometry.netWallLength;
    c.heightLoc = 0;
    c.studHeight = raiseToWhole(w.eaveStudHeight);
    ForEachStudSolution(w, profile, c, [&] {
        c.numberStuds = EaveStudCount(w.geometry.netWallLength, c.spacing, w.cutouts.openingCount);
        c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
        if (w.eaveStudHeight <= c.controlMaxHeight && axialPLF * c.spacing <= c.controlAxialLoad)
            InsertTempStudRow(c);
    });
}

void GableCandidates(const StudWall& w, const StudProfile& profile, double maxGableSL, StudCandidate c, bool sawn)
{
    const double axialPLF = (w.roofDL + w.roofLL) * 3.0;
    const StudGeometry& g = w.geometry;
    const double locationWidth = safeDivide(2 * w.dtfh, g.interpValue, "the width of a gable height location");
    double locationHeight = w.eaveStudHeight + w.roofSlope * w.dtfh / 12;
    for (int k = 1; k <= g.interpValue; ++k, locationHeight -= 2.0) {
        if (sawn && locationHeight >= maxGableSL)
            continue;
        ForEachStudSolution(w, profile, c, [&] {
            const double spacing = c.spacing;
            const double maxHeight = c.controlMaxHeight;
            const bool carries = axialPLF * spacing <= c.controlAxialLoad;

            c.wallWidth = locationWidth;
            c.numberStuds = LocationStudCount(w.dtfh, g.interpValue, spacing);
            c.studHeight = raiseToWhole(locationHeight);
            c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
            c.heightLoc = static_cast<std::int16_t>(k);
            if (locationHeight <= maxHeight && carries)
                InsertTempStudRow(c);

            if (g.centerStretch > 0) {
                c.wallWidth = g.centerStretch;
                c.numberStuds = CenterStudCount(g.centerStretch, spacing);
                c.studHeight = raiseToWhole(w.ridgeStudHeight);
                c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
                c.heightLoc = 100;
                if (w.ridgeStudHeight <= maxHeight && carries)
                    InsertTempStudRow(c);
            }
        });
    }
}

// Stud material row from a candidate row (Temp_Stud_Table or Temp_Gable_Table).
void InsertWallStudRow(const Recordset& cand, std::int16_t wallID, const QString& wallName, int wallThickness,
                       int productID, const QString& description, Money total)
{
    MaterialRow r = WallMaterialRow(wallID, wallName, wallThickness, QStringLiteral("Stud"), productID, description);
    r.qtyPieces = cand.field(QStringLiteral("NumberStuds")).toDouble();
    r.pieceLength = cand.field(QStringLiteral("StudHeight")).toDouble();
    r.linealFeet = r.pieceLength * r.qtyPieces;
    r.lfPrice = cand.field(QStringLiteral("LFPrice")).toMoney();
    r.totalPrice = total;
    r.studSpacing = sqlNumber(cand.field(QStringLiteral("Spacing")).toDouble());
    InsertMaterialRow(MaterialShape::Studs, r);
}

void SelectEaveStuds(std::int16_t wallThickness, std::int16_t wallID, const QString& wallName)
{
    const Value minimum = scalarBound(QStringLiteral("SELECT MIN(TotalPrice) FROM Temp_Stud_Table WHERE WallID = ? AND "
                                                    "WallThickness = ?"),
                                     {I(wallID), I(wallThickness)});
    // Only a missing minimum means no candidate; a zero total is a price.
    if (minimum.isNull())
        return;
    Recordset cand = queryBound(QStringLiteral("SELECT * FROM Temp_Stud_Table WHERE TotalPrice = ? AND WallID = ? AND "
                                               "WallThickness = ? ORDER BY ID LIMIT 1"),
                                {minimum, I(wallID), I(wallThickness)});
    if (cand.eof())
        return;
    const Money total = minimum.toMoney();
    const int productID = cand.field(QStringLiteral("ProductID")).toInt16();
    InsertWallStudRow(cand, wallID, wallName, wallThickness, productID, DescriptionOf(productID), total);
    UpdateMemberTotal(wallThickness, QStringLiteral("Studs"), total, wallID);
}

// Copies the cheapest candidate of a product at one height location (the
// one written first among equals) into Temp_Gable_Table.
void CopyCheapestAtLocation(std::int16_t wallID, std::int16_t wallThickness, int productID, int heightLoc)
{
    const Value minimum = scalarBound(QStringLiteral("SELECT MIN(TotalPrice) FROM Temp_Stud_Table WHERE WallID = ? AND "
                                                    "ProductID = ? AND HeightLoc = ? AND WallThickness = ?"),
                                     {I(wallID), I(productID), I(heightLoc), I(wallThickness)});
    if (minimum.isNull())
        return;
    const Value id = scalarBound(QStringLiteral("SELECT ID FROM Temp_Stud_Table WHERE WallID = ? AND ProductID = ? AND "
                                               "HeightLoc = ? AND WallThickness = ? AND TotalPrice = ? ORDER BY ID LIMIT 1"),
                                {I(wallID), I(productID), I(heightLoc), I(wallThickness), minimum});
    if (id.isNull())
        return;
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "INSERT INTO Temp_Gable_Table (ID, WallID, WallType, WallThickness, ProductID, WallWidth, Spacing, "
        "DeflectionLimit, Exposure, ControlMaxHeight, ControlAxialLoad, NumberStuds, StudHeight, HeightLoc, LFPrice, "
        "TotalPrice) SELECT ID, WallID, WallType, WallThickness, ProductID, WallWidth, Spacing, DeflectionLimit, "
        "Exposure, ControlMaxHeight, ControlAxialLoad, NumberStuds, StudHeight, HeightLoc, LFPrice, TotalPrice "
        "FROM Temp_Stud_Table WHERE ID = ?"));
    st.bind(1, id);
    st.exec();
}

// The product IDs a candidate query returns for a wall and width.
QList<int> productsOf(const QString& sql, std::int16_t wallID, std::int16_t wallThickness)
{
    QList<int> products;
    Recordset rs = queryBound(sql, {I(wallID), I(wallThickness)});
    for (; !rs.eof(); rs.moveNext())
        products << rs.field(0).toInt16();
    return products;
}

void SelectGableStuds(std::int16_t wallThickness, std::int16_t wallID, const QString& wallName,
                      std::int16_t interpValue, bool hasCenterStuds)
{
    const int required = interpValue + (hasCenterStuds ? 1 : 0);

    const QList<int> products =
        productsOf(QStringLiteral("SELECT DISTINCT ProductID FROM Temp_Stud_Table WHERE WallID = ? AND "
                                  "WallThickness = ? ORDER BY ProductID"),
                   wallID, wallThickness);
    for (int p : products) {
        // A product must carry every height location (and the centre stretch
        // when there is one).
        const int locations = scalarBound(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT HeightLoc FROM "
                                                        "Temp_Stud_Table WHERE WallID = ? AND WallThickness = ? AND "
                                                        "ProductID = ?)"),
                                         {I(wallID), I(wallThickness), I(p)})
                                  .toInt32();
        if (locations != required)
            continue;
        for (int k = 1; k <= interpValue; ++k)
            CopyCheapestAtLocation(wallID, wallThickness, p, k);
        if (hasCenterStuds)
            CopyCheapestAtLocation(wallID, wallThickness, p, 100);
    }

    // The product whose locations add up to the least; among equal sums the
    // later product.
    std::optional<int> held;
    Money heldTotal;
    {
        const QList<int> gableProducts =
            productsOf(QStringLiteral("SELECT DISTINCT ProductID FROM Temp_Gable_Table WHERE WallID = ? AND "
                                      "WallThickness = ? ORDER BY ProductID"),
                       wallID, wallThickness);
        for (int q : gableProducts) {
            Money total;
            Recordset rows = queryBound(QStringLiteral("SELECT TotalPrice FROM Temp_Gable_Table WHERE ProductID = ? AND "
                                                       "WallID = ? AND WallThickness = ?"),
                                        {I(q), I(wallID), I(wallThickness)});
            for (; !rows.eof(); rows.moveNext())
                total += rows.field(0).toMoney();
            if (!held || total <= heldTotal) {
                held = q;
                heldTotal = total;
            }
        }
    }

    Money studSum;
    if (held) {
        const QString description = DescriptionOf(*held);
        Recordset rows = queryBound(QStringLiteral("SELECT * FROM Temp_Gable_Table WHERE ProductID = ? AND WallID = ? AND "
                                                   "WallThickness = ? ORDER BY rowid"),
                                    {I(*held), I(wallID), I(wallThickness)});
        for (; !rows.eof(); rows.moveNext()) {
            const Money rowTotal = rows.field(QStringLiteral("TotalPrice")).toMoney();
            InsertWallStudRow(rows, wallID, wallName, wallThickness, *held, description, rowTotal);
            studSum += rowTotal;
        }
    }
    UpdateMemberTotal(wallThickness, QStringLiteral("Studs"), studSum, wallID);
}

Money ReadStudTotal(std::int16_t wallThickness, std::int16_t wallID)
{
    Recordset rs = queryBound(QStringLiteral("SELECT ") + MemberTotalField(wallThickness, QStringLiteral("Studs"))
                                  + QStringLiteral(" FROM Project_Information WHERE ID = ?"),
                              {I(wallID)});
    if (rs.eof() || rs.field(0).isNull())
        return Money();
    return rs.field(0).toMoney();
}

void AddToStudTotal(std::int16_t wallThickness, std::int16_t wallID, Money amount)
{
    UpdateMemberTotal(wallThickness, QStringLiteral("Studs"), ReadStudTotal(wallThickness, wallID) + amount, wallID);
}

// The wall has corners but no stud row for this width: the cheapest stocked,
// priced product that carries the wall's height at 12 in. spacing.
void SearchCornerStuds(std::int16_t wallThickness, std::int16_t wallID, int cornerCount)
{
    double maxEaveSL = 0, maxGableSL = 0;
    std::int32_t windSpeed = 0;
    {
        Recordset rs = queryBound(QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ?"),
                                  {I(SelectedProfileID())});
        if (!rs.eof()) {
            maxEaveSL = rs.field(QStringLiteral("MaxStudHeightEaveSL")).toDouble();
            maxGableSL = rs.field(QStringLiteral("MaxStudHeightGableSL")).toDouble();
            windSpeed = rs.field(QStringLiteral("WindSpeed")).toInt32();
        }
    }
    QString wallType, exposureLetter;
    double workingHeight = 0, cornerLength = 0, deflection = 0;
    bool finishFound = false;
    {
        Recordset gi = queryBound(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ?"), {I(wallID)});
        if (gi.eof())
            return;
        wallType = gi.field(QStringLiteral("WallType")).toText();
        const double eave = gi.field(QStringLiteral("EaveHeight")).toDouble();
        workingHeight = eave - kPlateAllowance;
        cornerLength = raiseToWhole(eave);
        Recordset ef = queryBound(QStringLiteral("SELECT * FROM Exterior_Finish WHERE FinishName = ? COLLATE NOCASE"),
                                  {T(gi.field(QStringLiteral("ExteriorFinish")).toText())});
        if (!ef.eof()) {
            finishFound = true;
            deflection = ef.field(QStringLiteral("StudDeflectionLimit")).toDouble();
        }
        exposureLetter = gi.field(QStringLiteral("Exposure")).toText().right(1);
    }
    if (!finishFound || cornerLength < 1)
        return;

    const bool eaveWall = wallType == QLatin1String("EAVE");
    const QList<int> products = ProductIDsOf(GetProductIDList(wallThickness, QStringLiteral("Stud"), 3));
    for (int p : products) {
        const bool sawn = ReadProduct(p).sawn;
        if (!IsProductStocked(p))
            continue;
        // A product without a price of its own is not a candidate.
        const std::optional<Money> lfPrice = LookupLFPrice(p);
        if (!lfPrice)
            continue;
        Recordset rs = StudSolutions(p, deflection, exposureLetter, windSpeed, 1.0);
        for (; !rs.eof(); rs.moveNext()) {
            const Money total = priceOf(cornerCount, cornerLength, *lfPrice);
            bool ok = workingHeight <= rs.field(QStringLiteral("MaxHeight")).toDouble();
            if (sawn)
                ok = ok && workingHeight < (eaveWall ? maxEaveSL : maxGableSL);
            if (!ok)
                continue;
            PreparedStatement& st = DbConnection.cached(
                QStringLiteral("INSERT INTO Temp_CornerStud_Table (WallID, WallThickness, ProductID, NumberStuds, "
                               "StudHeight, LFPrice, TotalPrice) VALUES (?,?,?,?,?,?,?)"));
            st.bind(1, static_cast<long long>(wallID))
                .bind(2, static_cast<long long>(wallThickness))
                .bind(3, static_cast<long long>(p))
                .bind(4, static_cast<long long>(cornerCount))
                .bind(5, cornerLength)
                .bind(6, *lfPrice)
                .bind(7, total);
            st.exec();
        }
    }

    const Value minimum = scalarBound(QStringLiteral("SELECT MIN(TotalPrice) FROM Temp_CornerStud_Table WHERE WallID = ? "
                                                    "AND WallThickness = ?"),
                                     {I(wallID), I(wallThickness)});
    if (minimum.isNull())
        return;
    Recordset best = queryBound(QStringLiteral("SELECT * FROM Temp_CornerStud_Table WHERE WallID = ? AND TotalPrice = ? "
                                               "AND WallThickness = ? ORDER BY rowid LIMIT 1"),
                                {I(wallID), minimum, I(wallThickness)});
    if (best.eof())
        return;
    MaterialRow r = WallMaterialRow(wallID, StoredWallName(wallID), wallThickness, QStringLiteral("Stud"),
                                    best.field(QStringLiteral("ProductID")).toInt16(), QString());
    r.qtyPieces = cornerCount;
    r.pieceLength = cornerLength;
    r.linealFeet = best.field(QStringLiteral("NumberStuds")).toDouble() * best.field(QStringLiteral("StudHeight")).toDouble();
    r.lfPrice = best.field(QStringLiteral("LFPrice")).toMoney();
    r.totalPrice = best.field(QStringLiteral("TotalPrice")).toMoney();
    r.memberName = QStringLiteral("Corner Stud");
    const Money total = r.totalPrice;
    r.productName = DescriptionOf(r.productID);
    InsertMaterialRow(MaterialShape::Named, r);
    AddToStudTotal(wallThickness, wallID, total);
}

void AddCornerStuds(std::int16_t wallThickness, std::int16_t wallID, int numberCorners)
{
    const int n = CornerStudCount(numberCorners);
    Recordset first = queryBound(QStringLiteral("SELECT * FROM Material_List WHERE WallID = ? AND WallWidth = ? AND "
                                                "MemberType = 'Stud' COLLATE NOCASE ORDER BY rowid LIMIT 1"),
                                 {I(wallID), I(wallThickness)});
    if (first.eof()) {
        first.close();
        SearchCornerStuds(wallThickness, wallID, n);
        return;
    }
    MaterialRow r = WallMaterialRow(wallID, first.field(QStringLiteral("WallName")).toText(), wallThickness,
                                    QStringLiteral("Stud"), first.field(QStringLiteral("ProductID")).toInt16(),
                                    first.field(QStringLiteral("ProductName")).toText());
    r.qtyPieces = n;
    r.pieceLength = first.field(QStringLiteral("PieceLength")).toInt16();
    r.linealFeet = n * r.pieceLength;
    r.lfPrice = first.field(QStringLiteral("LFPrice")).toMoney();
    r.totalPrice = priceOf(n, r.pieceLength, r.lfPrice);
    r.memberName = QStringLiteral("Corner Stud");
    first.close();
    InsertMaterialRow(MaterialShape::Named, r);
    AddToStudTotal(wallThickness, wallID, r.totalPrice);
}

}  // namespace

StudGeometry ComputeStudGeometry(std::int16_t roofSlope, double dtfh, double wallLength, int columnCount,
                                 double openingWidthTotal, std::int16_t monoSlope)
{
    StudGeometry g;
    const double rise = checkedFinite(roofSlope * dtfh / 24, "the gable height locations");
    g.interpValue = rise >= 2 ? toInt16(roundHalfEven(rise)) : std::int16_t(1);
    g.netWallLength = checkedFinite(wallLength - (columnCount + openingWidthTotal), "the net wall length");
    g.centerStretch = monoSlope == 0 ? g.netWallLength - 2 * dtfh : g.netWallLength - dtfh;
    g.hasCenterStuds = g.centerStretch > 0;
    return g;
}

WallCutouts ReadWallCutouts(std::int16_t wallID)
{
    WallCutouts c;
    {
        Recordset rs = queryBound(QStringLiteral("SELECT * FROM Column_Information WHERE WallID = ? AND ColumnHeight <> "
                                                 "'**Removed**' COLLATE NOCASE"),
                                  {I(wallID)});
        for (; !rs.eof(); rs.moveNext())
            ++c.columnCount;
    }
    Recordset rs = queryBound(QStringLiteral("SELECT * FROM Header_Information WHERE WallID = ? AND ROWidth <> "
                                             "'**Removed**' COLLATE NOCASE ORDER BY rowid"),
                              {I(wallID)});
    for (; !rs.eof(); rs.moveNext()) {
        const Value v = rs.field(QStringLiteral("ROWidth"));
        double width = 0;
        if (v.type() == Value::Type::Text) {
            if (!parseStrictNumber(v.toText(), &width))
                throw AppError(err::TypeMismatch,
                               QStringLiteral("The width of %1 of wall %2 is not a number.")
                                   .arg(rs.field(QStringLiteral("ROID")).toText())
                                   .arg(wallID));
        } else {
            width = v.toDouble();
        }
        // A first opening of no width leaves the count to start again at the
        // next one.
        if (c.openingWidthTotal == 0) {
            c.openingWidthTotal = width;
            c.openingCount = 1;
        } else {
            c.openingWidthTotal += width;
            c.openingCount += 1;
        }
    }
    return c;
}

bool WallHasStudLength(std::int16_t wallID)
{
    Recordset gi = queryBound(QStringLiteral("SELECT WallLength FROM General_Information WHERE WallID = ?"), {I(wallID)});
    if (gi.eof())
        return false;
    const double wallLength = gi.field(0).toDouble();
    gi.close();
    const WallCutouts c = ReadWallCutouts(wallID);
    if (c.openingWidthTotal > wallLength)
        return false;
    return wallLength - (c.columnCount + c.openingWidthTotal) >= 0;
}

QString StudExposureLetter(const QString& exposure, std::int32_t windSpeed)
{
    if (windSpeed == 110 || windSpeed == 120)
        return QStringLiteral("C");
    return exposure.right(1);
}

double EaveStudCount(double netWallLength, double spacing, int openingCount)
{
    return raiseToWhole(safeDivide(netWallLength, spacing, "the eave stud count") + openingCount);
}

double LocationStudCount(double dtfh, std::int16_t interpValue, double spacing)
{
    const double perLocation = safeDivide(dtfh, interpValue, "the gable stud count");
    return raiseToWhole(safeDivide(perLocation * 2, spacing, "the gable stud count")) + 1;
}

double CenterStudCount(double centerStretch, double spacing)
{
    return raiseToWhole(safeDivide(centerStretch, spacing, "the centre stud count")) + 1;
}

int CornerStudCount(int numberCorners) { return static_cast<int>(raiseToWhole(2.5 * numberCorners)); }

void CalculateStudSolutions()
{
    for (const char* table : {"Temp_Stud_Table", "Temp_Gable_Table", "Temp_CornerStud_Table"}) {
        SqlText = QStringLiteral("DELETE FROM ") + QLatin1String(table);
        DbConnection.execute(SqlText);
    }
    double maxEaveSL = 0, maxGableSL = 0;
    {
        Recordset rs = queryBound(QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ?"),
                                  {I(SelectedProfileID())});
        if (!rs.eof()) {
            maxEaveSL = rs.field(QStringLiteral("MaxStudHeightEaveSL")).toDouble();
            maxGableSL = rs.field(QStringLiteral("MaxStudHeightGableSL")).toDouble();
        }
    }

    ForEachCheckedWall([&](std::int16_t wallID) {
        CurrentWallID = wallID;
        const StudProfile profile = ReadStudProfile();
        const std::optional<StudWall> wall = ReadStudWall(wallID, profile);
        if (!wall)
            return;
        // Openings wider than the wall, or columns and openings together
        // wider than it (a negative net length), give the wall no studs at
        // all. A net length of exactly 0 still has the studs its openings
        // need.
        if (wall->cutouts.openingWidthTotal > wall->wallLength || wall->geometry.netWallLength < 0)
            return;
        const bool eave = wall->wallType == QLatin1String("EAVE");
        for (int width : kWallWidths) {
            GetProductIDList(width, QStringLiteral("Stud"), 3);
            QString item;
            while (NextListItem(ProductIDList, item)) {
                StudCandidate c;
                c.wallID = wallID;
                c.wallType = wall->wallType;
                c.wallThickness = static_cast<std::int16_t>(width);
                c.productID = static_cast<std::int16_t>(ProductNumber(item));
                c.deflectionLimit = wall->deflectionLimit;
                c.exposure = wall->exposureLetter;
                const bool sawn = ReadProduct(c.productID).sawn;
                if (!IsProductStocked(c.productID))
                    continue;
                c.lfPrice = RequireLFPrice(c.productID);
                if (eave)
                    EaveCandidates(*wall, profile, maxEaveSL, c, sawn);
                else
                    GableCandidates(*wall, profile, maxGableSL, c, sawn);
            }
        }
    });

    ForEachCheckedWall([](std::int16_t wallID) {
        for (int width : kWallWidths)
            SelectStudsForWall(static_cast<std::int16_t>(width), wallID);
    });
}

void SelectStudsForWall(std::int16_t wallThickness, std::int16_t wallID)
{
    // A wall whose columns and openings are wider than the wall has no
    // studs, not even at its corners; the validation reports it.
    if (!WallHasStudLength(wallID))
        return;
    QString wallType;
    int numberCorners = 0;
    {
        Recordset gi = queryBound(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ?"), {I(wallID)});
        if (!gi.eof()) {
            wallType = gi.field(QStringLiteral("WallType")).toText();
            numberCorners = gi.field(QStringLiteral("NumberCorners")).toInt16();
        }
    }
    QString wallName;
    std::int16_t interpValue = 0;
    bool hasCenterStuds = false;
    {
        Recordset pi = queryBound(QStringLiteral("SELECT * FROM Project_Information WHERE ID = ?"), {I(wallID)});
        if (!pi.eof()) {
            wallName = pi.field(QStringLiteral("WallName")).toText();
            const Value iv = pi.field(QStringLiteral("InterpValue"));
            interpValue = iv.isNull() ? std::int16_t(0) : iv.toInt16();
            hasCenterStuds = pi.field(QStringLiteral("HasCenterStuds")).toText() == QLatin1String("Yes");
        }
    }
    if (wallType == QLatin1String("EAVE"))
        SelectEaveStuds(wallThickness, wallID, wallName);
    else
        SelectGableStuds(wallThickness, wallID, wallName, interpValue, hasCenterStuds);
    if (numberCorners > 0)
        AddCornerStuds(wallThickness, wallID, numberCorners);
}

}  // namespace dv
