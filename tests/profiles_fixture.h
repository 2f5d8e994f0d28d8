#pragma once
// A copy of the delivered database with readers of the four profile tables.
#include "tests/test_support.h"

#include <QStringList>
#include <vector>

namespace dvtest {

inline const char* const kProfileTables[] = {"Customer_ProfileID", "Customer_Profiles", "Product_Pricing", "Product_Inventory"};

class ProfilesTest : public dvtest::DbTest {
protected:
    // Every field but the ID of a profile's settings, price and stock rows, as text ("<Null>" for Null).
    QStringList copyOf(int profileID)
    {
        QStringList fields;
        for (int t = 1; t < 4; ++t) {
            dv::Recordset rs = dv::DbConnection.query(QStringLiteral("SELECT * FROM %1 WHERE CustomerProfileID = %2")
                                                          .arg(QLatin1String(kProfileTables[t])).arg(profileID));
            for (int i = 1; !rs.eof() && i < rs.fieldCount(); ++i)
                fields << rs.fieldName(i) + '=' + (rs.field(i).isNull() ? QStringLiteral("<Null>") : rs.field(i).toText());
        }
        return fields;
    }
    // Row counts of the four profile tables.
    std::vector<long long> profileCounts()
    {
        std::vector<long long> c;
        for (const char* t : kProfileTables)
            c.push_back(count(QLatin1String(t)));
        return c;
    }
    long long rowsOf(int profileID)
    {
        long long n = count("Customer_ProfileID", QStringLiteral("ID = %1").arg(profileID));
        for (int i = 1; i < 4; ++i)
            n += count(QLatin1String(kProfileTables[i]), QStringLiteral("CustomerProfileID = %1").arg(profileID));
        return n;
    }
    // "markup/delivery" as stored.
    QString charges(int id)
    {
        const QString sql = QStringLiteral("SELECT %1 FROM Customer_ProfileID WHERE ID = %2");
        return scalar(sql.arg("Markup").arg(id)).toText() + '/' + scalar(sql.arg("DeliveryCharge").arg(id)).toText();
    }
};

}  // namespace dvtest
