#include "core/profiles.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/sql_literals.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/numbers.h"

namespace dv {

namespace {

QString productColumns()
{
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names << QStringLiteral("Product%1").arg(i);
    return names.join(QStringLiteral(", "));
}

// Copies profile 1's first row of a table under the new ID: the statement
// takes every stored value as it is, Nulls, decimals and texts alike.
void copyRow(const QString& table, const QString& columns, int newProfileID)
{
    const QString SqlText = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (CustomerProfileID, ") + columns
              + QStringLiteral(") SELECT ?, ") + columns + QStringLiteral(" FROM ") + table
              + QStringLiteral(" WHERE CustomerProfileID = 1 ORDER BY rowid LIMIT 1");
    PreparedStatement st = DbConnection.prepare(SqlText);
    st.bind(1, newProfileID);
    st.exec();
}

}  // namespace

void CopyDefaultProfile(int NewProfileID)
{
    static const QString settings = QStringLiteral(
        "RoofLoadingID, IncludeCripples, IncludeBlocking, IncludePlates, IncludeTrimmers, IncludeSheathing, "
        "CrippleProductID, BlockingProductID, PlateProductID, TrimmerProductID, SheathingProductID, "
        "MaxStudHeightEaveSL, MaxStudHeightGableSL, ZoneCornerFactor, ZoneJunctionFactor, ZoneWindowFactor, "
        "ZoneDoorFactor, Spacing12oc, Spacing16oc, Spacing24oc, WindSpeed, LaborRate, Jamb2x6L, Jamb2x6M, "
        "Jamb2x8L, Jamb2x8M, Jamb2x10L, Jamb2x10M, MfrName, MfrID, JambMethod");
    static const QString products = productColumns();
    Transaction t(DbConnection);
    copyRow(QStringLiteral("Customer_Profiles"), settings, NewProfileID);
    copyRow(QStringLiteral("Product_Pricing"), products, NewProfileID);
    copyRow(QStringLiteral("Product_Inventory"), products, NewProfileID);
    t.commit();
}

QString StoredProfileName(const QString& typed)
{
    QString name = typed;
    SQLValue(name, 1);  // cuts to 255 and turns apostrophes into back-quotes
    return name.trimmed();
}

bool ProfileNameTaken(const QString& storedName, int exceptID)
{
    const QString SqlText = QStringLiteral("SELECT ID FROM Customer_ProfileID WHERE CustomerProfileName = ? COLLATE NOCASE AND ID <> ?");
    PreparedStatement st = DbConnection.prepare(SqlText);
    st.bind(1, storedName).bind(2, exceptID);
    Recordset rs = DbConnection.query(st);
    return !rs.eof();
}

int AddProfile(const QString& storedName, double markup, Money deliveryCharge)
{
    Transaction t(DbConnection);
    const QString SqlText = QStringLiteral("INSERT INTO Customer_ProfileID (CustomerProfileName, Markup, DeliveryCharge) VALUES (?, ?, ?)");
    PreparedStatement st = DbConnection.prepare(SqlText);
    st.bind(1, storedName).bind(2, markup).bind(3, deliveryCharge);
    st.exec();
    int id = 0;
    {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT last_insert_rowid()"));
        id = rs.field(0).toInt32();
    }
    CopyDefaultProfile(id);
    t.commit();
    return id;
}

void UpdateProfile(int profileID, const QString& storedName, double markup, Money deliveryCharge)
{
    Value oldMarkup;
    {
        const QString SqlText = QStringLiteral("SELECT Markup FROM Customer_ProfileID WHERE ID = ?");
        PreparedStatement st = DbConnection.prepare(SqlText);
        st.bind(1, profileID);
        Recordset rs = DbConnection.query(st);
        if (!rs.eof())
            oldMarkup = rs.field(0);
    }
    const QString SqlText = QStringLiteral("UPDATE Customer_ProfileID SET CustomerProfileName = ?, Markup = ?, DeliveryCharge = ? WHERE ID = ?");
    PreparedStatement st = DbConnection.prepare(SqlText);
    st.bind(1, storedName).bind(2, markup).bind(3, deliveryCharge).bind(4, profileID);
    st.exec();
    // The comparison multiplies every total by the selected profile's markup
    // while the markup applies: a new markup leaves it wrong.
    if (!hasProjectView())
        return;
    ProjectView& view = projectView();
    const bool markupChanged = oldMarkup.isNull() || oldMarkup.toDouble() != markup;
    if (!markupChanged || view.comparisonRowCount() == 0 || view.pricingMarkupValue() != 1)
        return;
    bool pricedWith = true;  // when the selected profile can't be read, clear to be safe
    try {
        pricedWith = view.selectedProfileID() == profileID;
    } catch (const AppError&) {
    }
    if (pricedWith)
        view.comparisonClear();
}

void RemoveProfile(int profileID)
{
    static const char* const statements[] = {
        "DELETE FROM Customer_ProfileID WHERE ID = ?",
        "DELETE FROM Customer_Profiles WHERE CustomerProfileID = ?",
        "DELETE FROM Product_Pricing WHERE CustomerProfileID = ?",
        "DELETE FROM Product_Inventory WHERE CustomerProfileID = ?",
    };
    Transaction t(DbConnection);
    for (const char* sql : statements) {
        const QString SqlText = QString::fromLatin1(sql);
        PreparedStatement st = DbConnection.prepare(SqlText);
        st.bind(1, profileID);
        st.exec();
    }
    t.commit();
}

std::vector<QStringList> ProfileListRows()
{
    std::vector<QStringList> rows;
    const QString SqlText = QStringLiteral("SELECT * FROM Customer_ProfileID ORDER BY rowid");
    Recordset rs = DbConnection.query(SqlText);
    for (; !rs.eof(); rs.moveNext()) {
        rows.push_back({rs.field(QStringLiteral("ID")).toText(),
                        RestoreQuotes(rs.field(QStringLiteral("CustomerProfileName")).toText()),
                        rs.field(QStringLiteral("Markup")).toText() + QLatin1Char('%'),
                        rs.field(QStringLiteral("DeliveryCharge")).toText()});
    }
    return rows;
}

void AfterProfilesChanged(ProjectView& view)
{
    const int id = view.selectedProfileID();
    const QString SqlText = QStringLiteral("SELECT CustomerProfileName FROM Customer_ProfileID WHERE ID = ?");
    PreparedStatement st = DbConnection.prepare(SqlText);
    st.bind(1, id);
    Recordset rs = DbConnection.query(st);
    if (rs.eof()) {
        view.setSelectedProfile(DefaultProfileID, QStringLiteral("Default"));
        view.comparisonClear();
        return;
    }
    // The profile lists show names as stored, back-quotes and all; the
    // shown text matches the list row the user would pick.
    const QString name = rs.field(0).toText();
    if (name != view.selectedProfileName())
        view.setSelectedProfile(id, name);
}

QString ProductColumn(int productID)
{
    if (productID < 1 || productID > 40)
        throw AppError(err::BadValue, QStringLiteral("Product %1 has no price or stock column.").arg(productID));
    return QStringLiteral("Product%1").arg(productID);
}

}  // namespace dv
