#pragma once
// A generated project for measuring the Compare command: a mix of eave and
// gable walls, each with two columns and five rough openings, sized like
// ordinary houses and shops so that every member solves with the delivered
// reference rows and profile "Default". The same walls come out on every
// run, so timings of different builds compare.
#include "core/app_state.h"
#include "core/wall_list.h"
#include "platform/db.h"
#include "platform/db_password.h"
#include "platform/numbers.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace dvbench {

inline constexpr int kColumnsPerWall = 2;
inline constexpr int kOpeningsPerWall = 5;

// A small deterministic generator: the project must not change between runs.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : s_(seed ? seed : 1u) {}
    // A whole number in [lo, hi].
    int pick(int lo, int hi)
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return lo + static_cast<int>(s_ % static_cast<std::uint32_t>(hi - lo + 1));
    }

private:
    std::uint32_t s_;
};

// Adds `walls` walls (IDs 1..walls) with their columns and openings to the
// project tables of the open database, then rebuilds the wall list so that
// the calculation sees them. The project tables are expected to be empty.
inline void BuildProject(int walls)
{
    using dv::DbConnection;
    static const char* const kFinishes[] = {"Vinyl Siding", "Cedar Siding", "Fiber Cement Siding"};
    static const char* const kExposures[] = {"EXPOSURE B", "EXPOSURE C"};

    dv::Transaction t(DbConnection);
    dv::PreparedStatement wall = DbConnection.prepare(
        QStringLiteral("INSERT INTO Project_Information (ID, WallName) VALUES (?, ?)"));
    dv::PreparedStatement general = DbConnection.prepare(QStringLiteral(
        "INSERT INTO General_Information (WallID, WallType, EaveHeight, RoofSlope, RidgeHeight, WallLength, "
        "RoofLoadingID, TrussSpan, ExteriorFinish, Exposure, IsZoneWall, ZoneCorners, ZoneJunctions, "
        "CornerType, JunctionType, NumberCorners, DTFH, MonoSlope) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 'A', 'A', ?, ?, 0)"));
    dv::PreparedStatement column = DbConnection.prepare(QStringLiteral(
        "INSERT INTO Column_Information (WallID, ColumnID, ColumnHeight, MaxWidth) VALUES (?, ?, ?, ?)"));
    dv::PreparedStatement opening = DbConnection.prepare(QStringLiteral(
        "INSERT INTO Header_Information (WallID, ROID, ROWidth, AverageROHeight, NumHeaders, ColIDLeft, ColIDRight) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)"));

    Dice dice(20261209u);
    for (int id = 1; id <= walls; ++id) {
        // Two eave walls for every gable wall, as on a plain rectangular house.
        const bool gable = id % 3 == 0;
        // Gable studs reach the ridge: eaves of 8 or 9 ft keep the tallest
        // (19 ft) within reach of 2x6 studs under a brittle finish.
        const double eave = gable ? dice.pick(8, 9) : dice.pick(8, 10);
        // Eave walls 40 to 72 ft long; gable ends 32 to 40 ft wide, so that
        // the five openings (25 ft at most) always fit in the wall.
        const double length = gable ? dice.pick(8, 10) * 4.0 : dice.pick(10, 18) * 4.0;
        const int roofLoading = dice.pick(1, 12);
        const QString finish = QLatin1String(kFinishes[dice.pick(0, 2)]);
        const QString exposure = QLatin1String(kExposures[dice.pick(0, 1)]);

        wall.bind(1, id).bind(2, QStringLiteral("Wall %1").arg(id)).exec();
        general.bind(1, id).bind(3, eave).bind(6, length).bind(7, roofLoading)
            .bind(9, finish).bind(10, exposure).bind(11, 2);
        if (gable) {
            const int slope = dice.pick(4, 6);
            const double dtfh = length / 2.0;
            general.bind(2, QStringLiteral("GABLE")).bind(4, slope)
                .bind(5, eave + slope * dtfh / 12.0).bind(8, 0.0).bind(12, dtfh);
        } else {
            general.bind(2, QStringLiteral("EAVE")).bind(4, 0).bind(5, 0.0)
                .bind(8, static_cast<double>(dice.pick(12, 16) * 2)).bind(12, 0.0);  // 24 to 32 ft trusses
        }
        general.exec();

        // The columns stand beside the first two openings.
        for (int n = 1; n <= kColumnsPerWall; ++n)
            column.bind(1, id).bind(2, QStringLiteral("Column %1").arg(n))
                .bind(3, dv::sqlNumber(eave)).bind(4, QStringLiteral("2")).exec();
        for (int n = 1; n <= kOpeningsPerWall; ++n) {
            const double width = dice.pick(6, 10) / 2.0;  // 3 to 5 ft
            const QString left = n == 1 ? QStringLiteral("Column 1") : QStringLiteral("NA");
            const QString right = n == 2 ? QStringLiteral("Column 2") : QStringLiteral("NA");
            opening.bind(1, id).bind(2, QStringLiteral("Rough Opening %1").arg(n))
                .bind(3, dv::sqlNumber(width)).bind(4, QStringLiteral("6.5")).bind(5, QStringLiteral("1"))
                .bind(6, left).bind(7, right).exec();
        }
    }
    t.commit();
    dv::RefreshWallSystemGrid();
}

// Opens the shared connection on a database that lives in memory only and
// holds the delivered rows: the encrypted file is attached with the
// program's password and its tables, rows and indexes are copied across.
inline void OpenMemoryCopy(const QString& deliveredPath)
{
    using dv::DbConnection;
    DbConnection.openMemory();
    DbConnection.execute(QStringLiteral("ATTACH DATABASE %1 AS delivered KEY %2")
                             .arg(dv::sqlQuote(deliveredPath), dv::sqlQuote(QString::fromLatin1(dv::databasePassword()))));
    struct Item { QString type, name, sql; };
    std::vector<Item> items;
    {
        // Tables before indexes, each in the order it was made.
        dv::Recordset rs = DbConnection.query(QStringLiteral(
            "SELECT type, name, sql FROM delivered.sqlite_master WHERE sql IS NOT NULL AND name NOT LIKE 'sqlite_%' "
            "ORDER BY CASE type WHEN 'table' THEN 0 ELSE 1 END, rowid"));
        for (; !rs.eof(); rs.moveNext())
            items.push_back({rs.field(0).toText(), rs.field(1).toText(), rs.field(2).toText()});
    }
    dv::Transaction t(DbConnection);
    for (const Item& item : items) {
        DbConnection.execute(item.sql);
        if (item.type == QLatin1String("table")) {
            QString quoted = item.name;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            DbConnection.execute(QStringLiteral("INSERT INTO main.\"%1\" SELECT * FROM delivered.\"%1\"").arg(quoted));
        }
    }
    t.commit();
    DbConnection.execute(QStringLiteral("DETACH DATABASE delivered"));
}

}  // namespace dvbench
