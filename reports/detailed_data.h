#pragma once
// The figures of the detailed summary: per complete wall its heading counts
// and its one-row table (seven columns for an eave wall, nine for a gable
// wall, lengths in feet-and-inch text), and the loading table with one row
// per complete wall. Read from the wall list and the database; nothing is
// written.
#include <QString>
#include <QStringList>
#include <vector>

namespace dv {

struct WallDetails {
    QString wallName;
    // The parts written after "<name> - ", each by itself: "Wall Studs",
    // ", 1 Column", ", 2 Headers" (only those that apply).
    QStringList headingParts;
    bool gable = false;
    QString format;
    QStringList header;
    QStringList cells;
};

struct LoadingTable {
    QString format;
    QStringList header;
    std::vector<QStringList> rows;
};

// The wind speed of the selected profile, 90 mph when it has no row or the
// value is empty.
int SelectedWindSpeed();

// One entry per complete wall of the wall list that has its wall data, in
// the list's order. The translator's error for an unreadable length, and
// AppError TypeMismatch for a header count that is not a number, travel up.
std::vector<WallDetails> BuildWallDetails();

// Rows for the complete walls with wall data and a roof loading row. The
// selected profile must exist (its missing row is an error).
LoadingTable BuildLoadingInformation();

}  // namespace dv
