// The preferences window's traffic with the database: the profile lists,
// the member product lists, the roof loadings and window makers, and the
// load and save of one profile's settings.
#include "ui/profiles/frmDorvPreferences.h"

#include "core/app_state.h"
#include "core/sql_literals.h"
#include "platform/app_error.h"
#include "platform/db.h"
#include "platform/money.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "ui/profiles/number_text.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>
#include <vector>

namespace dv {

namespace {

const QString kSaveMaterials =
    QStringLiteral("Would you like to save the changes you made to the Window Manufacturer material costs?");

// The ID a combo's first column names; none when it is empty.
std::optional<std::int64_t> comboID(const DataCombo* combo)
{
    const QString text = combo->columnValue(0);
    if (text.isEmpty())
        return std::nullopt;
    double v = 0;
    if (!parseStrictNumber(text, &v) || v != std::floor(v) || std::fabs(v) > 2147483647.0)
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return static_cast<std::int64_t>(v);
}

Value idValue(const std::optional<std::int64_t>& id) { return id ? Value::longInt(*id) : Value::null(); }

// A combo showing one chosen row (text and columns), or nothing.
struct Choice {
    QStringList columns;  // empty: nothing chosen
    QString text;
};

void showChoice(DataCombo* combo, const Choice& choice)
{
    for (int c = 0; c < 5; ++c)
        combo->setColumnValue(c, choice.columns.value(c));
    combo->setText(choice.text);
}

Choice productChoice(const Value& productID, bool panel)
{
    if (productID.isNull())
        return {};
    PreparedStatement st = DbConnection.prepare(QStringLiteral(
        "SELECT ProductID, ProductName, ProductWidth, ProductDepth FROM Products WHERE ProductID = ? ORDER BY rowid"));
    st.bind(1, productID);
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return {};  // a product that is gone: nothing is chosen
    const QString name = rs.field(1).toText();
    const QString text = panel ? rs.field(2).toText() + QStringLiteral("'x") + rs.field(3).toText() + QStringLiteral("' ") + name
                               : name;
    return {{rs.field(0).toText(), text}, text};
}

// The text of a product in a member list.
QString productText(const Recordset& rs, bool panel)
{
    const QString name = rs.field(QStringLiteral("ProductName")).toText();
    if (!panel)
        return name;
    return rs.field(QStringLiteral("ProductWidth")).toText() + QStringLiteral("'x")
           + rs.field(QStringLiteral("ProductDepth")).toText() + QStringLiteral("' ") + name;
}

// 1 = included or allowed; anything else is not.
bool switchOn(const Value& v) { return !v.isNull() && v.toInt32() == 1; }

}  // namespace

// ---------------------------------------------------------------------------
// Profile lists

void frmDorvPreferences::FillCustomerProfileLists()
{
    std::vector<QStringList> rows;
    {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT ID, CustomerProfileName FROM Customer_ProfileID ORDER BY rowid"));
        for (; !rs.eof(); rs.moveNext())
            rows.push_back({rs.field(0).toText(), rs.field(1).toText()});
    }
    // Both lists are emptied and filled alike; neither selection changes.
    cboCustomerProfile->removeAll();
    if (projectProfileList_)
        projectProfileList_->removeAll();
    for (const QStringList& row : rows) {
        cboCustomerProfile->addRowFields(row);
        if (projectProfileList_)
            projectProfileList_->addRowFields(row);
    }
}

// ---------------------------------------------------------------------------
// Member product lists and wind speeds

void frmDorvPreferences::FillProductLists()
{
    // Each list offers one product per group of like products: the first of
    // the group in catalogue order, in the order the member's products first
    // meet the groups.
    struct Member {
        DataCombo* combo;
        const char* flag;
        bool panel;
    };
    const Member members[] = {{cboBlockingProducts, "UseForBlocking", false},
                              {cboCrippleProducts, "UseForCripple", false},
                              {cboPlateProducts, "UseForPlates", false},
                              {cboSheathingProducts, "UseForSheathing", true},
                              {cboTrimmerProducts, "UseForTrimmers", false}};
    std::vector<std::vector<QStringList>> lists;
    for (const Member& m : members) {
        std::vector<long long> groups;
        {
            Recordset rs = DbConnection.query(QStringLiteral("SELECT ProductGroupID FROM Products WHERE ")
                                              + QString::fromLatin1(m.flag) + QStringLiteral(" <> 0 ORDER BY rowid"));
            for (; !rs.eof(); rs.moveNext()) {
                const Value g = rs.field(0);
                if (g.isNull())
                    continue;  // a product of no group stands for none
                const long long id = g.toInt32();
                if (std::find(groups.begin(), groups.end(), id) == groups.end())
                    groups.push_back(id);
            }
        }
        std::vector<QStringList> rows;
        PreparedStatement st =
            DbConnection.prepare(QStringLiteral("SELECT * FROM Products WHERE ProductGroupID = ? ORDER BY rowid LIMIT 1"));
        for (long long g : groups) {
            st.bind(1, g);
            Recordset rs = DbConnection.query(st);
            if (!rs.eof())
                rows.push_back({rs.field(QStringLiteral("ProductID")).toText(), productText(rs, m.panel)});
        }
        lists.push_back(std::move(rows));
    }
    for (std::size_t i = 0; i < lists.size(); ++i) {
        members[i].combo->removeAll();
        for (const QStringList& row : lists[i])
            members[i].combo->addRowFields(row);
    }
    cboWindSpeed->removeAll();
    cboWindSpeed->addRowFields({QStringLiteral("90"), QStringLiteral("90 mph")});
    cboWindSpeed->addRowFields({QStringLiteral("100"), QStringLiteral("100 mph")});
    cboWindSpeed->addRowFields({QStringLiteral("110"), QStringLiteral("110 mph (hp)")});
    cboWindSpeed->addRowFields({QStringLiteral("120"), QStringLiteral("120 mph (hp)")});
}

// ---------------------------------------------------------------------------
// Roof loadings

void frmDorvPreferences::LoadRoofLoadingList()
{
    const std::optional<std::int64_t> profile = comboID(cboCustomerProfile);
    Value roofLoadingID;
    {
        PreparedStatement st =
            DbConnection.prepare(QStringLiteral("SELECT RoofLoadingID FROM Customer_Profiles WHERE CustomerProfileID = ?"));
        st.bind(1, idValue(profile));
        Recordset rs = DbConnection.query(st);
        roofLoadingID = rs.field(0);
    }
    std::vector<QStringList> rows;
    int chosen = -1;
    {
        Recordset rs = DbConnection.query(QStringLiteral(
            "SELECT ID, StateName, RoofLL, RoofDL FROM Roof_Loading ORDER BY StateName COLLATE NOCASE, RoofLL, rowid"));
        for (; !rs.eof(); rs.moveNext()) {
            const QString ll = rs.field(2).toText();
            const QString dl = rs.field(3).toText();
            rows.push_back({rs.field(0).toText(),
                            rs.field(1).toText() + QStringLiteral(" (") + ll + QLatin1Char('/') + dl + QLatin1Char(')'), ll,
                            dl});
            if (chosen < 0 && !roofLoadingID.isNull() && rs.field(0).toText() == roofLoadingID.toText())
                chosen = static_cast<int>(rows.size()) - 1;
        }
    }
    cboRoofLoading->removeAll();
    for (const QStringList& row : rows)
        cboRoofLoading->addRowFields(row);
    // A loading that is gone chooses nothing, and its loads are not shown.
    const QStringList row = chosen >= 0 ? rows[static_cast<std::size_t>(chosen)] : QStringList();
    showChoice(cboRoofLoading, {row, row.value(1)});
    txtRoofLL->setText(row.value(2));
    txtRoofDL->setText(row.value(3));
}

void frmDorvPreferences::cboRoofLoading_Selected()
{
    // Another loading for the profile; its loads are not thereby edited.
    txtRoofLL->setText(cboRoofLoading->columnValue(2));
    txtRoofDL->setText(cboRoofLoading->columnValue(3));
}

// ---------------------------------------------------------------------------
// Window makers

void frmDorvPreferences::FillWindowManufacturerList()
{
    std::vector<QStringList> rows;
    {
        Recordset rs = DbConnection.query(QStringLiteral(
            "SELECT ID, MfrName, Material2x6, Material2x8, Material2x10 FROM Window_Manufacturer "
            "ORDER BY MfrName COLLATE NOCASE, ID"));
        for (; !rs.eof(); rs.moveNext())
            rows.push_back({rs.field(0).toText(), RestoreQuotes(rs.field(1).toText()), rs.field(2).toText(),
                            rs.field(3).toText(), rs.field(4).toText()});
    }
    cboWindowMfrName->removeAll();
    for (const QStringList& row : rows)
        cboWindowMfrName->addRowFields(row);
}

void frmDorvPreferences::cboWindowMfrName_Selected()
{
    guard([this] {
        try {
            const std::optional<std::int64_t> picked = comboID(cboWindowMfrName);
            if (!picked)
                return;
            const std::int16_t id = toInt16(static_cast<double>(*picked));
            if (id == CurrentMfrID)
                return;
            // Costs typed for the maker shown are offered before they go;
            // refused, they stay with that maker.
            if (!SaveWindowManufacturerMaterials()) {
                showShownMaker();
                return;
            }
            QString costs[3];
            {
                PreparedStatement st = DbConnection.prepare(QStringLiteral(
                    "SELECT Material2x6, Material2x8, Material2x10 FROM Window_Manufacturer WHERE ID = ?"));
                st.bind(1, static_cast<long long>(id));
                Recordset rs = DbConnection.query(st);
                for (int i = 0; i < 3; ++i)
                    costs[i] = rs.field(i).toText();
            }
            txt2x6Materials->setText(costs[0]);
            txt2x8Materials->setText(costs[1]);
            txt2x10Materials->setText(costs[2]);
            CurrentMfrID = id;
            shownMfrText_ = cboWindowMfrName->text();
        } catch (...) {
            showShownMaker();
            throw;
        }
    });
}

void frmDorvPreferences::showShownMaker()
{
    // The combo goes on naming the maker whose costs are shown.
    cboWindowMfrName->setColumnValue(0, CurrentMfrID ? QString::number(CurrentMfrID) : QString());
    cboWindowMfrName->setColumnValue(1, shownMfrText_);
    cboWindowMfrName->setText(shownMfrText_);
}

void frmDorvPreferences::cmdAddMfrName_Click()
{
    guard([this] {
        const QString name = storedName(txtNewMfrName->text());
        if (!name.isEmpty()) {
            // A new maker starts with the costs 50, 100 and 150.
            PreparedStatement st = DbConnection.prepare(QStringLiteral(
                "INSERT INTO Window_Manufacturer (MfrName, Material2x6, Material2x8, Material2x10) VALUES (?, 50, 100, 150)"));
            st.bind(1, name);
            st.exec();
            FillWindowManufacturerList();
        }
        txtNewMfrName->clear();
    });
}

bool frmDorvPreferences::SaveWindowManufacturerMaterials()
{
    // Costs typed while no maker is shown belong to no maker: nothing to ask.
    if (!MaterialsChanged || CurrentMfrID == 0)
        return true;
    if (messageBox(kSaveMaterials, QStringLiteral("Confirm Save"), MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
        return true;
    bool ok = checkNumberBox(txt2x6Materials, false);
    ok = checkNumberBox(txt2x8Materials, false) && ok;
    ok = checkNumberBox(txt2x10Materials, false) && ok;
    // Costs that are no amount stay unsaved and are offered again.
    if (!ok)
        return false;
    PreparedStatement st = DbConnection.prepare(QStringLiteral(
        "UPDATE Window_Manufacturer SET Material2x6 = ?, Material2x8 = ?, Material2x10 = ? WHERE ID = ?"));
    st.bind(1, Money::fromText(txt2x6Materials->text()))
        .bind(2, Money::fromText(txt2x8Materials->text()))
        .bind(3, Money::fromText(txt2x10Materials->text()))
        .bind(4, static_cast<long long>(CurrentMfrID));
    st.exec();
    if (DbConnection.changes() != 1)
        throw AppError(err::BadValue, QStringLiteral("The window manufacturer %1 is not in the list.").arg(CurrentMfrID));
    MaterialsChanged = false;
    FillWindowManufacturerList();
    // Every profile naming this maker prices with its costs.
    if (hasProjectView()) {
        try {
            PreparedStatement p =
                DbConnection.prepare(QStringLiteral("SELECT MfrID FROM Customer_Profiles WHERE CustomerProfileID = ?"));
            p.bind(1, static_cast<long long>(projectView().selectedProfileID()));
            Recordset rs = DbConnection.query(p);
            if (!rs.eof() && !rs.field(0).isNull() && rs.field(0).toInt32() == CurrentMfrID)
                projectView().comparisonClear();
        } catch (const AppError&) {
            projectView().comparisonClear();
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// One profile's settings

void frmDorvPreferences::LoadProfileSettings()
{
    const std::optional<std::int64_t> picked = comboID(cboCustomerProfile);
    if (!picked)
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    const std::int16_t profileID = toInt16(static_cast<double>(*picked));

    // Every value is read before any control changes, so that a profile
    // that cannot be read leaves the controls as they were.
    bool include[5];
    Value productIDs[5];
    bool spacing[3];
    Value windSpeed, laborRate, mfrID, mfrName, jambMethod;
    QString hours[3];
    {
        PreparedStatement st =
            DbConnection.prepare(QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ?"));
        st.bind(1, static_cast<long long>(profileID));
        Recordset rs = DbConnection.query(st);
        const char* includes[] = {"IncludeCripples", "IncludeBlocking", "IncludePlates", "IncludeTrimmers",
                                  "IncludeSheathing"};
        const char* products[] = {"CrippleProductID", "BlockingProductID", "PlateProductID", "TrimmerProductID",
                                  "SheathingProductID"};
        for (int i = 0; i < 5; ++i) {
            include[i] = switchOn(rs.field(QString::fromLatin1(includes[i])));
            productIDs[i] = rs.field(QString::fromLatin1(products[i]));
        }
        const char* spacings[] = {"Spacing12oc", "Spacing16oc", "Spacing24oc"};
        for (int i = 0; i < 3; ++i)
            spacing[i] = switchOn(rs.field(QString::fromLatin1(spacings[i])));
        windSpeed = rs.field(QStringLiteral("WindSpeed"));
        laborRate = rs.field(QStringLiteral("LaborRate"));
        hours[0] = rs.field(QStringLiteral("Jamb2x6L")).toText();
        hours[1] = rs.field(QStringLiteral("Jamb2x8L")).toText();
        hours[2] = rs.field(QStringLiteral("Jamb2x10L")).toText();
        mfrName = rs.field(QStringLiteral("MfrName"));
        mfrID = rs.field(QStringLiteral("MfrID"));
        jambMethod = rs.field(QStringLiteral("JambMethod"));
    }
    Choice productChoices[5];
    for (int i = 0; i < 5; ++i)
        productChoices[i] = productChoice(productIDs[i], i == 4);
    Choice wind;
    if (!windSpeed.isNull()) {
        const QString mph = QString::number(windSpeed.toInt32());
        wind = {{mph, mph + QStringLiteral(" mph")}, mph + QStringLiteral(" mph")};
    }
    const QString rate = laborRate.isNull() ? QString() : laborRate.toMoney().toText();
    // The material boxes show the maker's current costs; a maker that is
    // gone shows none.
    Choice maker;
    QString costs[3];
    std::int16_t makerID = 0;
    if (!mfrID.isNull()) {
        PreparedStatement st = DbConnection.prepare(
            QStringLiteral("SELECT ID, Material2x6, Material2x8, Material2x10 FROM Window_Manufacturer WHERE ID = ?"));
        st.bind(1, mfrID);
        Recordset rs = DbConnection.query(st);
        if (!rs.eof()) {
            makerID = rs.field(0).toInt16();
            for (int i = 0; i < 3; ++i)
                costs[i] = rs.field(i + 1).toText();
            const QString name = RestoreQuotes(mfrName.toText());
            maker = {{rs.field(0).toText(), name, costs[0], costs[1], costs[2]}, name};
        }
    }
    const bool method1 = !jambMethod.isNull() && jambMethod.toInt32() == 1;

    QCheckBox* includeBoxes[] = {chkCripples, chkBlocking, chkPlates, chkTrimmers, chkSheathing};
    DataCombo* productCombos[] = {cboCrippleProducts, cboBlockingProducts, cboPlateProducts, cboTrimmerProducts,
                                  cboSheathingProducts};
    for (int i = 0; i < 5; ++i)
        includeBoxes[i]->setChecked(include[i]);
    for (int i = 0; i < 5; ++i)
        showChoice(productCombos[i], productChoices[i]);
    chk12oc->setChecked(spacing[0]);
    chk16oc->setChecked(spacing[1]);
    chk24oc->setChecked(spacing[2]);
    showChoice(cboWindSpeed, wind);
    txtLaborRate->setText(rate);
    txt2x6Labor->setText(hours[0]);
    txt2x8Labor->setText(hours[1]);
    txt2x10Labor->setText(hours[2]);
    showChoice(cboWindowMfrName, maker);
    CurrentMfrID = makerID;
    shownMfrText_ = maker.text;
    txt2x6Materials->setText(costs[0]);
    txt2x8Materials->setText(costs[1]);
    txt2x10Materials->setText(costs[2]);
    (method1 ? optJambXMethod1 : optJambXMethod2)->setChecked(true);

    shownProfileID_ = profileID;
    shownProfileName_ = cboCustomerProfile->text();
    PreviousProfileID = profileID;
}

void frmDorvPreferences::SaveProfileSettings(std::int16_t profileId)
{
    const int jambMethod = optJambXMethod1->isChecked() ? 1 : 2;
    Transaction t(DbConnection);

    // The loads belong to the chosen state, shared by every profile; they
    // are written only after the user edited them.
    bool roofWritten = false;
    bool roofDone = false;
    if (RoofLoadingChanged == 1) {
        const bool ll = checkNumberBox(txtRoofLL, false);
        const bool dl = checkNumberBox(txtRoofDL, false);
        if (ll && dl) {
            if (const std::optional<std::int64_t> roofID = comboID(cboRoofLoading)) {
                double live = 0, dead = 0;
                parseStrictNumber(txtRoofLL->text(), &live);
                parseStrictNumber(txtRoofDL->text(), &dead);
                PreparedStatement st =
                    DbConnection.prepare(QStringLiteral("UPDATE Roof_Loading SET RoofLL = ?, RoofDL = ? WHERE ID = ?"));
                st.bind(1, live).bind(2, dead).bind(3, static_cast<long long>(*roofID));
                st.exec();
                roofWritten = DbConnection.changes() > 0;
            }
            roofDone = true;
        }
    }

    bool ok = checkNumberBox(txtLaborRate, false);
    for (QLineEdit* box : {txt2x6Labor, txt2x8Labor, txt2x10Labor})
        ok = checkNumberBox(box, true) && ok;
    // Without a maker shown the profile keeps its maker and costs.
    const std::optional<std::int64_t> maker = comboID(cboWindowMfrName);
    if (maker)
        for (QLineEdit* box : {txt2x6Materials, txt2x8Materials, txt2x10Materials})
            ok = checkNumberBox(box, false) && ok;

    if (ok) {
        // A list choice that names nothing keeps the stored value.
        PreparedStatement st = DbConnection.prepare(QStringLiteral(
            "UPDATE Customer_Profiles SET RoofLoadingID = COALESCE(?, RoofLoadingID), IncludeCripples = ?, "
            "IncludeBlocking = ?, IncludePlates = ?, IncludeTrimmers = ?, IncludeSheathing = ?, "
            "CrippleProductID = COALESCE(?, CrippleProductID), BlockingProductID = COALESCE(?, BlockingProductID), "
            "PlateProductID = COALESCE(?, PlateProductID), TrimmerProductID = COALESCE(?, TrimmerProductID), "
            "SheathingProductID = COALESCE(?, SheathingProductID), ZoneCornerFactor = 0, ZoneJunctionFactor = 0, "
            "ZoneWindowFactor = 0, ZoneDoorFactor = 0, Spacing12oc = ?, Spacing16oc = ?, Spacing24oc = ?, "
            "WindSpeed = COALESCE(?, WindSpeed), LaborRate = ?, Jamb2x6L = ?, Jamb2x6M = COALESCE(?, Jamb2x6M), "
            "Jamb2x8L = ?, Jamb2x8M = COALESCE(?, Jamb2x8M), Jamb2x10L = ?, Jamb2x10M = COALESCE(?, Jamb2x10M), "
            "MfrName = COALESCE(?, MfrName), MfrID = COALESCE(?, MfrID), JambMethod = ? WHERE CustomerProfileID = ?"));
        auto on = [](const QCheckBox* c) { return c->isChecked() ? 1 : 0; };
        auto makerText = [&](const QLineEdit* box) { return maker ? Value::text(box->text()) : Value::null(); };
        int i = 0;
        st.bind(++i, idValue(comboID(cboRoofLoading)));
        for (const QCheckBox* c : {chkCripples, chkBlocking, chkPlates, chkTrimmers, chkSheathing})
            st.bind(++i, on(c));
        for (const DataCombo* c : {cboCrippleProducts, cboBlockingProducts, cboPlateProducts, cboTrimmerProducts,
                                   cboSheathingProducts})
            st.bind(++i, idValue(comboID(c)));
        for (const QCheckBox* c : {chk12oc, chk16oc, chk24oc})
            st.bind(++i, on(c));
        st.bind(++i, idValue(comboID(cboWindSpeed)));
        st.bind(++i, Money::fromText(txtLaborRate->text()));
        st.bind(++i, txt2x6Labor->text());
        st.bind(++i, makerText(txt2x6Materials));
        st.bind(++i, txt2x8Labor->text());
        st.bind(++i, makerText(txt2x8Materials));
        st.bind(++i, txt2x10Labor->text());
        st.bind(++i, makerText(txt2x10Materials));
        st.bind(++i, maker ? Value::text(storedName(cboWindowMfrName->text())) : Value::null());
        st.bind(++i, idValue(maker));
        st.bind(++i, jambMethod);
        st.bind(++i, static_cast<long long>(profileId));
        st.exec();
        if (DbConnection.changes() != 1)
            throw AppError(err::BadValue,
                           QStringLiteral("The settings of customer profile %1 could not be saved: the profile has %2 "
                                          "settings rows.")
                               .arg(profileId)
                               .arg(DbConnection.changes()));
    }
    t.commit();
    if (roofDone)
        RoofLoadingChanged = 0;
    // New loads change every wall that names the state.
    if (roofWritten && hasProjectView())
        projectView().comparisonClear();
    if (ok)
        profileDataChanged(profileId);
}

bool frmDorvPreferences::checkNumberBox(QLineEdit* box, bool emptyAllowed)
{
    struct Rule {
        QLineEdit* box;
        NumberField field;
        const char* label;
    };
    const Rule rules[] = {
        {txtLaborRate, NumberField::Amount, "Labor ($/Per Hour)"},
        {txt2x6Labor, NumberField::Hours, "Time (Hr/Opening) - 2x6 Wall"},
        {txt2x8Labor, NumberField::Hours, "Time (Hr/Opening) - 2x8 Wall"},
        {txt2x10Labor, NumberField::Hours, "Time (Hr/Opening) - 2x10 Wall"},
        {txt2x6Materials, NumberField::Amount, "Materials ($ Adder) - 2x6 Wall"},
        {txt2x8Materials, NumberField::Amount, "Materials ($ Adder) - 2x8 Wall"},
        {txt2x10Materials, NumberField::Amount, "Materials ($ Adder) - 2x10 Wall"},
        {txtRoofLL, NumberField::Load, "Roof Snow Load (psf)"},
        {txtRoofDL, NumberField::Load, "Roof Dead Load (psf)"},
    };
    for (const Rule& r : rules) {
        if (r.box != box)
            continue;
        const QString text = box->text();
        if ((emptyAllowed && text.isEmpty()) || acceptsNumberText(text, r.field))
            return true;
        messageBox(numberFormatMessage(QString::fromLatin1(r.label)), numberFormatTitle(), MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    return true;
}

}  // namespace dv
