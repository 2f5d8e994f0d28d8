#pragma once
// The project's wall systems as stored: a wall's row in Project_Information,
// its data in General_Information, its columns in Column_Information and its
// rough openings in Header_Information. The windows fill and read controls;
// every statement on these tables that they need is here.
#include "platform/db.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace dv {

// ------------------------------------------------------------ removed rows
//
// A removed column or opening keeps its row and its number, so that the
// numbers after it stay as they were: its first length holds the marker and
// its other values "NA". A removed row never counts and never supports an
// opening.
inline const QString kRemovedMarker = QStringLiteral("**Removed**");
inline const QString kRemovedFiller = QStringLiteral("NA");
// Markers are compared as the database compares them: without case.
bool isRemovedText(const QString& stored);
// The conditions that keep the rows still in use, for a statement's WHERE.
const QString& liveColumnCondition();   // on Column_Information
const QString& liveOpeningCondition();  // on Header_Information

// ------------------------------------------------------------ wall data

// How a General_Information field is stored.
enum class WallFieldType { Text, Double, Whole };

struct WallFieldSpec {
    const char* name;
    WallFieldType type;
};

// The fields of General_Information after WallID, in table order. The save,
// the open, the copy and the project files all read this one list.
const std::array<WallFieldSpec, 17>& wallFields();

// One wall's General_Information values, by field name.
class WallGeneral {
public:
    const Value& operator[](const char* field) const;
    void set(const char* field, const Value& v);
    const std::array<Value, 17>& values() const { return values_; }

private:
    std::array<Value, 17> values_;
};

// "Yes" when a wall's data is complete enough to calculate, else "No".
QString CheckGableWallComplete(const WallGeneral& wall);
QString CheckEaveWallComplete(const WallGeneral& wall);
// Exactly "GABLE" is a gable wall: any other type is judged as an eave wall.
QString wallCompleteText(const WallGeneral& wall);

// ------------------------------------------------------------ columns, openings

struct StoredColumn {
    QString columnID;
    Value height;
    Value maxWidth;
    bool removed() const { return isRemovedText(height.toText()); }
};

struct StoredOpening {
    QString roid;
    Value width;
    Value averageHeight;
    QString numHeaders;
    QString left;
    QString right;
    bool removed() const { return isRemovedText(width.toText()); }
};

// The side of an opening a column already supports.
enum class SupportSide { Left, Right };

class WallStore {
public:
    explicit WallStore(Connection& db) : db_(db) {}

    // Walls. A removed wall's number is given again only once no wall
    // holds a larger one.
    std::int16_t nextWallID();
    // A key that names one wall for as long as the program runs. A wall's
    // number is given again to a later wall; its key never is: state kept
    // for a wall outside the tables goes by this key.
    static std::uint64_t wallKey(std::int16_t wallID);
    // The project tables were emptied: every wall from now on is new.
    static void forgetWallKeys();
    // Stores a new wall under the name as the literal rules leave it: at
    // most 255 characters, apostrophes as grave accents, no blanks around.
    void addWall(std::int16_t id, QString name);
    // The wall's data; none for a wall never saved.
    std::optional<WallGeneral> general(std::int16_t wallID);
    void saveGeneral(std::int16_t wallID, const WallGeneral& wall);
    // The wall with its data, columns and openings; all or nothing.
    void removeWall(std::int16_t wallID);
    // A copy of the wall with its data, columns and openings under a new
    // ID and name; all or nothing.
    void copyWall(std::int16_t sourceWallID, std::int16_t newWallID, QString newName);

    // Columns, in the order they were added.
    std::vector<StoredColumn> columns(std::int16_t wallID);
    std::optional<StoredColumn> column(std::int16_t wallID, const QString& columnID);
    void addColumn(std::int16_t wallID, const QString& columnID, const QString& height, const QString& maxWidth);
    void updateColumn(std::int16_t wallID, const QString& columnID, const QString& height, const QString& maxWidth);
    void removeColumn(std::int16_t wallID, const QString& columnID);
    // The openings a column supports on either side.
    QStringList openingsSupportedBy(std::int16_t wallID, const QString& columnID);
    // The columns in use that may support an opening: {rowid, ColumnID}.
    std::vector<QStringList> supportColumns(std::int16_t wallID);

    // Openings, in the order they were added.
    std::vector<StoredOpening> openings(std::int16_t wallID);
    std::optional<StoredOpening> opening(std::int16_t wallID, const QString& roid);
    // The width of the wall's openings in use other than roid (all of them
    // for an empty roid), in feet.
    double otherOpeningsWidth(std::int16_t wallID, const QString& roid);
    // One entry per opening whose left support is already left, or else
    // whose right support is already right.
    std::vector<SupportSide> supportConflicts(std::int16_t wallID, const QString& left, const QString& right);
    void addOpening(std::int16_t wallID, const StoredOpening& o);
    void updateOpening(std::int16_t wallID, const StoredOpening& o);
    void removeOpening(std::int16_t wallID, const QString& roid);

private:
    // Copies a wall's rows of a table (fixed words only) to another wall.
    void copyRows(const QString& table, const QString& fields, std::size_t count, long long source, long long target,
                  bool firstOnly);
    Connection& db_;
};

}  // namespace dv
