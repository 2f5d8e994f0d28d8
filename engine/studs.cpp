#include "engine/studs.h"
#include "core/app_state.h"
#include "engine/calculate.h"
#include "engine/candidates.h"
#include "engine/engine_common.h"
#include "engine/takeoff_common.h"
#include "platform/numbers.h"
#include "core/wall_store.h"

#include <QHash>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

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

// The rows of the stud capacity table for one product at one spacing, read
// by the corner-stud search.
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
    double roofSlope = 0;  // rise per 12 of run; 4.5 is a slope of its own
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
    w.roofSlope = gi.field(QStringLiteral("RoofSlope")).toDouble();
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
    const QString SqlText = QStringLiteral("UPDATE Project_Information SET InterpValue = ?, HasCenterStuds = ? WHERE ID = ?");
    PreparedStatement& st = DbConnection.cached(SqlText);
    st.bind(1, static_cast<long long>(w.geometry.interpValue))
        .bind(2, w.geometry.hasCenterStuds ? QStringLiteral("Yes") : QStringLiteral("No"))
        .bind(3, static_cast<long long>(wallID));
    st.exec();
    if (!complete)
        return std::nullopt;
    return w;
}

// A capacity row that allows the product: its spacing and limits.
struct StudSolution {
    double spacing = 0;
    double maxHeight = 0;
    double axialLoad = 0;
};

// The fields of the stud capacity table the sizing reads, in this order.
const QStringList kSolutionFields = {QStringLiteral("Deflection"), QStringLiteral("Exposure"), QStringLiteral("WindSpeed"),
                                     QStringLiteral("Spacing_ft"), QStringLiteral("MaxHeight"), QStringLiteral("AxialLoad")};

// The capacity rows of a product for the wall's deflection limit, exposure
// letter and the profile's wind speed, at every spacing the profile allows
// in the order 12, 16, 24 in.; each spacing's rows in database order.
std::vector<StudSolution> SolutionsFor(const CapacityRows& rows, int productID, const StudWall& w,
                                       const StudProfile& profile)
{
    std::vector<StudSolution> out;
    const std::vector<std::vector<CapacityField>>& of = rows.of(productID);
    for (int s = 0; s < 3; ++s) {
        if (!profile.allowed[s])
            continue;
        for (const std::vector<CapacityField>& r : of) {
            if (fieldEquals(r[0], w.deflectionLimit) && fieldEqualsNoCase(r[1], w.exposureLetter)
                && fieldEquals(r[2], profile.windSpeed) && fieldEquals(r[3], kSpacings[s]))
                out.push_back({r[3].value.toDouble(), r[4].value.toDouble(), r[5].value.toDouble()});
        }
    }
    return out;
}

void EaveCandidates(StudChoices& choices, std::int16_t wallID, int width, const StudWall& w,
                    const std::vector<StudSolution>& solutions, double maxEaveSL, StudCandidate c, bool sawn)
{
    const double axialPLF = (w.roofDL + w.roofLL) * (w.trussSpan / 2);
    if (sawn && w.eaveStudHeight >= maxEaveSL)
        return;
    c.heightLoc = 0;
    c.studHeight = raiseToWhole(w.eaveStudHeight);
    for (const StudSolution& s : solutions) {
        c.spacing = s.spacing;
        c.numberStuds = EaveStudCount(w.geometry.netWallLength, s.spacing, w.cutouts.openingCount);
        c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
        if (w.eaveStudHeight <= s.maxHeight && axialPLF * s.spacing <= s.axialLoad)
            choices.offer(wallID, width, c);
    }
}

void GableCandidates(StudChoices& choices, std::int16_t wallID, int width, const StudWall& w,
                     const std::vector<StudSolution>& solutions, double maxGableSL, StudCandidate c, bool sawn)
{
    const double axialPLF = (w.roofDL + w.roofLL) * 3.0;
    const StudGeometry& g = w.geometry;
    double locationHeight = w.eaveStudHeight + w.roofSlope * w.dtfh / 12;
    for (int k = 1; k <= g.interpValue; ++k, locationHeight -= 2.0) {
        if (sawn && locationHeight >= maxGableSL)
            continue;
        for (const StudSolution& s : solutions) {
            const bool carries = axialPLF * s.spacing <= s.axialLoad;
            c.spacing = s.spacing;

            c.numberStuds = LocationStudCount(w.dtfh, g.interpValue, s.spacing);
            c.studHeight = raiseToWhole(locationHeight);
            c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
            c.heightLoc = static_cast<std::int16_t>(k);
            if (locationHeight <= s.maxHeight && carries)
                choices.offer(wallID, width, c);

            // The centre stretch comes with every location that is sized.
            if (g.centerStretch > 0) {
                c.numberStuds = CenterStudCount(g.centerStretch, s.spacing);
                c.studHeight = raiseToWhole(w.ridgeStudHeight);
                c.totalPrice = priceOf(c.numberStuds, c.studHeight, c.lfPrice);
                c.heightLoc = 100;
                if (w.ridgeStudHeight <= s.maxHeight && carries)
                    choices.offer(wallID, width, c);
            }
        }
    }
}

// Stud material row of a chosen candidate.
void InsertWallStudRow(const StudCandidate& c, std::int16_t wallID, const QString& wallName, int wallThickness,
                       const QString& description)
{
    MaterialRow r = WallMaterialRow(wallID, wallName, wallThickness, QStringLiteral("Stud"), c.productID, description);
    r.qtyPieces = c.numberStuds;
    r.pieceLength = c.studHeight;
    r.linealFeet = r.pieceLength * r.qtyPieces;
    r.lfPrice = c.lfPrice;
    r.totalPrice = c.totalPrice;
    r.studSpacing = sqlNumber(c.spacing);
    InsertMaterialRow(MaterialShape::Studs, r);
}

// The cheapest candidate of the wall and width, the one worked out first
// among equal totals; none leaves the wall without studs and its total as
// it was (a zero total is a price).
void SelectEaveStuds(const StudChoices::Choice* choice, std::int16_t wallThickness, std::int16_t wallID,
                     const QString& wallName)
{
    if (!choice || !choice->cheapest)
        return;
    const StudCandidate& c = *choice->cheapest;
    InsertWallStudRow(c, wallID, wallName, wallThickness, DescriptionOf(c.productID));
    UpdateMemberTotal(wallThickness, QStringLiteral("Studs"), c.totalPrice, wallID);
}

void SelectGableStuds(const StudChoices::Choice* choice, std::int16_t wallThickness, std::int16_t wallID,
                      const QString& wallName, std::int16_t interpValue, bool hasCenterStuds)
{
    const std::size_t required = static_cast<std::size_t>(std::max(0, interpValue + (hasCenterStuds ? 1 : 0)));

    // A product must carry every height location (and the centre stretch
    // when there is one); it offers its cheapest candidate at each, location
    // 1 first and the centre stretch last. The product whose locations add
    // up to the least is taken; among equal sums the higher product ID.
    std::optional<std::int16_t> held;
    Money heldTotal;
    std::vector<const StudCandidate*> heldRows;
    if (choice) {
        for (const auto& [product, locations] : choice->byProduct) {
            if (locations.size() != required)
                continue;
            std::vector<const StudCandidate*> rows;
            for (int k = 1; k <= interpValue; ++k)
                if (const auto it = locations.find(static_cast<std::int16_t>(k)); it != locations.end())
                    rows.push_back(&it->second);
            if (hasCenterStuds)
                if (const auto it = locations.find(std::int16_t(100)); it != locations.end())
                    rows.push_back(&it->second);
            if (rows.empty())
                continue;
            Money total;
            for (const StudCandidate* r : rows)
                total += r->totalPrice;
            if (!held || total <= heldTotal) {
                held = product;
                heldTotal = total;
                heldRows = std::move(rows);
            }
        }
    }

    Money studSum;
    if (held) {
        const QString description = DescriptionOf(*held);
        for (const StudCandidate* r : heldRows) {
            InsertWallStudRow(*r, wallID, wallName, wallThickness, description);
            studSum += r->totalPrice;
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
    // Every acceptable capacity row prices the product alike; the cheapest
    // product wins, the first in the list among equal totals.
    std::optional<int> best;
    Money bestPrice, bestTotal;
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
            if (ok && (!best || total < bestTotal)) {
                best = p;
                bestPrice = *lfPrice;
                bestTotal = total;
            }
        }
    }
    if (!best)
        return;
    MaterialRow r = WallMaterialRow(wallID, StoredWallName(wallID), wallThickness, QStringLiteral("Stud"), *best, QString());
    r.qtyPieces = cornerCount;
    r.pieceLength = cornerLength;
    r.linealFeet = cornerCount * cornerLength;
    r.lfPrice = bestPrice;
    r.totalPrice = bestTotal;
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

StudGeometry ComputeStudGeometry(double roofSlope, double dtfh, double wallLength, int columnCount,
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
        Recordset rs = queryBound(QStringLiteral("SELECT * FROM Column_Information WHERE WallID = ? AND ") + liveColumnCondition(),
                                  {I(wallID)});
        for (; !rs.eof(); rs.moveNext())
            ++c.columnCount;
    }
    Recordset rs = queryBound(QStringLiteral("SELECT * FROM Header_Information WHERE WallID = ? AND ") + liveOpeningCondition()
                                  + QStringLiteral(" ORDER BY rowid"),
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

void StudChoices::offer(std::int16_t wallID, int wallThickness, const StudCandidate& c)
{
    if (c.numberStuds < 1 || c.studHeight < 1)
        return;
    Choice& choice = choices_[{wallID, wallThickness}];
    if (!choice.cheapest || c.totalPrice < choice.cheapest->totalPrice)
        choice.cheapest = c;
    auto [it, added] = choice.byProduct[c.productID].try_emplace(c.heightLoc, c);
    if (!added && c.totalPrice < it->second.totalPrice)
        it->second = c;
}

const StudChoices::Choice* StudChoices::find(std::int16_t wallID, int wallThickness) const
{
    const auto it = choices_.find({wallID, wallThickness});
    return it == choices_.end() ? nullptr : &it->second;
}

void CalculateStudSolutions()
{
    for (const char* table : {"Temp_Stud_Table", "Temp_Gable_Table", "Temp_CornerStud_Table"}) {
        const QString SqlText = QStringLiteral("DELETE FROM ") + QLatin1String(table);
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

    // The candidates are weighed as they come; the capacity rows, stock
    // flags, prices and products are read once for the whole step.
    StudChoices choices;
    ProductFacts facts;
    const CapacityRows capacity("Stud_Solutions", kSolutionFields);
    QHash<int, bool> sawnProducts;

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
            QString ProductIDList = GetProductIDList(width, QStringLiteral("Stud"), 3);
            QString item;
            while (NextListItem(ProductIDList, item)) {
                StudCandidate c;
                c.productID = static_cast<std::int16_t>(ProductNumber(item));
                auto sawn = sawnProducts.find(c.productID);
                if (sawn == sawnProducts.end())
                    sawn = sawnProducts.insert(c.productID, ReadProduct(c.productID).sawn);
                if (!facts.stocked(c.productID))
                    continue;
                c.lfPrice = facts.requirePrice(c.productID);
                const std::vector<StudSolution> solutions = SolutionsFor(capacity, c.productID, *wall, profile);
                if (eave)
                    EaveCandidates(choices, wallID, width, *wall, solutions, maxEaveSL, c, *sawn);
                else
                    GableCandidates(choices, wallID, width, *wall, solutions, maxGableSL, c, *sawn);
            }
        }
    });

    ForEachCheckedWall([&](std::int16_t wallID) {
        for (int width : kWallWidths)
            SelectStudsForWall(choices, static_cast<std::int16_t>(width), wallID);
    });
}

void SelectStudsForWall(const StudChoices& choices, std::int16_t wallThickness, std::int16_t wallID)
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
    const StudChoices::Choice* choice = choices.find(wallID, wallThickness);
    if (wallType == QLatin1String("EAVE"))
        SelectEaveStuds(choice, wallThickness, wallID, wallName);
    else
        SelectGableStuds(choice, wallThickness, wallID, wallName, interpValue, hasCenterStuds);
    if (numberCorners > 0)
        AddCornerStuds(wallThickness, wallID, numberCorners);
}

}  // namespace dv
