#include "tests/test_support.h"
#include "core/database_lock.h"
#include "platform/numbers.h"

#include <QFile>

namespace dvtest {

bool inCI() { return qgetenv("CI") == "true"; }

QString deliveredDatabase() { return QStringLiteral(DV_DELIVERED_DB); }

QString copyDeliveredDatabase(const QTemporaryDir& dir)
{
    const QString path = dir.path() + QStringLiteral("/Dorvane.dat");
    QFile::remove(path);
    if (!QFile::copy(deliveredDatabase(), path))
        ADD_FAILURE() << "cannot copy the delivered database from " << DV_DELIVERED_DB;
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return path;
}

void DbTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    dbPath = copyDeliveredDatabase(dir);
    dv::DatabasePath = dbPath;
    dv::OpenDatabase();
    dv::setProjectView(&view);
}

void DbTest::TearDown()
{
    dv::DbConnection.close();
    dv::UnlockDatabase();
    dv::setProjectView(nullptr);
}

void DbTest::exec(const QString& sql) { dv::DbConnection.execute(sql); }

dv::Value DbTest::scalar(const QString& sql)
{
    dv::Recordset rs = dv::DbConnection.query(sql);
    if (rs.eof())
        return dv::Value::null();
    return rs.field(0);
}

long long DbTest::count(const QString& table, const QString& where)
{
    QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return scalar(sql).toInt32();
}

QString DbTest::firstFinish()
{
    return scalar(QStringLiteral("SELECT FinishName FROM Exterior_Finish ORDER BY FinishName")).toText();
}

void DbTest::addEaveWall(int id, const QString& name, double eave, double length, double trussSpan,
                         const QString& exposure, int roofLoadingID, const QString& finish, int corners)
{
    using dv::sqlNumber;
    using dv::sqlQuote;
    const QString f = finish.isEmpty() ? firstFinish() : finish;
    exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (%1, %2)").arg(id).arg(sqlQuote(name)));
    exec(QStringLiteral("INSERT INTO General_Information (WallID, WallType, EaveHeight, RoofSlope, RidgeHeight, WallLength, "
                        "RoofLoadingID, TrussSpan, ExteriorFinish, Exposure, IsZoneWall, ZoneCorners, ZoneJunctions, "
                        "CornerType, JunctionType, NumberCorners, DTFH, MonoSlope) VALUES (%1, 'EAVE', %2, 0, 0, %3, %4, %5, "
                        "%6, %7, 0, 0, 0, 'A', 'A', %8, 0, 0)")
             .arg(id).arg(sqlNumber(eave), sqlNumber(length)).arg(roofLoadingID).arg(sqlNumber(trussSpan))
             .arg(sqlQuote(f), sqlQuote(exposure)).arg(corners));
}

void DbTest::addGableWall(int id, const QString& name, double eave, double ridge, double length, int slope, double dtfh,
                          const QString& exposure, int roofLoadingID, const QString& finish, int corners, int monoSlope)
{
    using dv::sqlNumber;
    using dv::sqlQuote;
    const QString f = finish.isEmpty() ? firstFinish() : finish;
    exec(QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (%1, %2)").arg(id).arg(sqlQuote(name)));
    exec(QStringLiteral("INSERT INTO General_Information (WallID, WallType, EaveHeight, RoofSlope, RidgeHeight, WallLength, "
                        "RoofLoadingID, TrussSpan, ExteriorFinish, Exposure, IsZoneWall, ZoneCorners, ZoneJunctions, "
                        "CornerType, JunctionType, NumberCorners, DTFH, MonoSlope) VALUES (%1, 'GABLE', %2, %3, %4, %5, %6, 0, "
                        "%7, %8, 0, 0, 0, 'A', 'A', %9, %10, %11)")
             .arg(id).arg(sqlNumber(eave)).arg(slope).arg(sqlNumber(ridge), sqlNumber(length)).arg(roofLoadingID)
             .arg(sqlQuote(f), sqlQuote(exposure)).arg(corners).arg(sqlNumber(dtfh)).arg(monoSlope));
}

void DbTest::addColumn(int wallID, int number, const QString& height, const QString& maxWidth)
{
    exec(QStringLiteral("INSERT INTO Column_Information (WallID, ColumnID, ColumnHeight, MaxWidth) VALUES (%1, 'Column %2', %3, %4)")
             .arg(wallID).arg(number).arg(dv::sqlQuote(height), dv::sqlQuote(maxWidth)));
}

void DbTest::addOpening(int wallID, int number, const QString& width, const QString& avgHeight, const QString& headers,
                        const QString& left, const QString& right)
{
    exec(QStringLiteral("INSERT INTO Header_Information (WallID, ROID, ROWidth, AverageROHeight, NumHeaders, ColIDLeft, ColIDRight) "
                        "VALUES (%1, 'Rough Opening %2', %3, %4, %5, %6, %7)")
             .arg(wallID).arg(number)
             .arg(dv::sqlQuote(width), dv::sqlQuote(avgHeight), dv::sqlQuote(headers), dv::sqlQuote(left), dv::sqlQuote(right)));
}

}  // namespace dvtest
