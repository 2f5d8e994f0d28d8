#pragma once
// Walls, totals and material rows for the report tests.
#include "platform/numbers.h"
#include "reports/report_options.h"
#include "tests/test_support.h"

namespace dvtest {

class ReportTest : public DbTest {
protected:
    // A wall row of the options window with the given widths ticked.
    void optionsWall(int id, const QString& name, bool w6, bool w8 = false, bool w10 = false)
    {
        options.walls.push_back({QString::number(id), name, {w6, w8, w10}});
    }
    void listWall(int id, const QString& name, const QString& complete = QStringLiteral("Yes"))
    {
        view.wallRows.push_back({QString::number(id), name, complete});
    }
    // Stores a wall's total, jamb extensions and missing flag at a width.
    void setTotals(int id, int width, const QString& total, const QString& jamb, int missing = -1)
    {
        exec(QStringLiteral("UPDATE Project_Information SET Total%1 = %2, \"%1JambX\" = %3, Missing%1 = %4 WHERE ID = %5")
                 .arg(width).arg(total, jamb).arg(missing).arg(id));
    }
    void addTotalsRow(int id, const QString& name)
    {
        exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (%1, %2)").arg(id).arg(dv::sqlQuote(name)));
    }
    void material(int wallID, int width, const QString& type, const QString& product, double qty, double length,
                  const QString& memberName = QString())
    {
        exec(QStringLiteral("INSERT INTO Material_List (WallID, WallWidth, MemberType, ProductName, QtyPieces, PieceLength, "
                            "MemberName) VALUES (%1, %2, %3, %4, %5, %6, %7)")
                 .arg(wallID).arg(width)
                 .arg(dv::sqlQuote(type), dv::sqlQuote(product), dv::sqlNumber(qty), dv::sqlNumber(length),
                      memberName.isNull() ? QStringLiteral("Null") : dv::sqlQuote(memberName)));
    }
    void setWindSpeed(int mph)
    {
        exec(QStringLiteral("UPDATE Customer_Profiles SET WindSpeed = %1 WHERE CustomerProfileID = 1").arg(mph));
    }

    dv::MemoryReportOptions options;
};

}  // namespace dvtest
