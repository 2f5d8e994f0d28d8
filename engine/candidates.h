#pragma once
// What the column and header steps read once per calculation rather than
// once per candidate, and the choice of the cheapest candidate per member as
// the candidates come. Nothing a calculation reads here changes while it
// runs: the selected profile, its stock and prices, the products and the
// capacity rows stay as they were when the step began.
#include "platform/db.h"
#include "platform/money.h"

#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace dv {

// A field of a capacity row: the value as read, and what the capacity tests
// compare.
struct CapacityField {
    explicit CapacityField(const Value& v);
    enum class Kind { Null, Number, Text };
    Value value;
    Kind kind = Kind::Null;
    double number = 0;
};

// Capacity tests on a field with the database's own rules: a Null field
// passes no test, a text field counts as larger than every number.
bool fieldAtLeast(const CapacityField& field, double bound);
bool fieldAtMost(const CapacityField& field, double bound);
bool fieldEquals(const CapacityField& field, double bound);
// A text field equal to the text, letters compared without regard to case
// (only A to Z and a to z fold, as the database's NOCASE does).
bool fieldEqualsNoCase(const CapacityField& field, const QString& text);

// Product facts for one calculation step, each looked up on its first use
// (so an error comes where the lookup itself would raise it).
class ProductFacts {
public:
    // The engineered products for a member in walls of that width, in order.
    const QList<int>& engineered(int wallThickness, const QString& member);
    bool stocked(int productID);
    std::optional<Money> price(int productID);
    // price(), raising error 100 "No Product Pricing Found" when there is none.
    Money requirePrice(int productID);
    // ProductWidth and ProductDepth of the product's first Products row; no
    // value when it has no row.
    struct Sizes {
        Value width, depth;
    };
    const std::optional<Sizes>& sizes(int productID);
    // The engineered description of the product ("" when it has no row).
    const QString& description(int productID);
    const QString& wallName(std::int16_t wallID);

private:
    QHash<QString, QList<int>> lists_;  // by width and member word
    QHash<int, bool> stocked_;
    QHash<int, std::optional<Money>> prices_;
    QHash<int, std::optional<Sizes>> sizes_;
    QHash<int, QString> descriptions_;
    QHash<int, QString> wallNames_;
};

// The rows of a capacity table in database order, grouped by product: for
// each row the fields asked for, as read.
class CapacityRows {
public:
    // Reads "SELECT ProductID, <fields> FROM <table> ORDER BY rowid" once;
    // table and fields are fixed words of the caller.
    CapacityRows(const char* table, const QStringList& fields);
    // Rows whose ProductID equals the product, in database order.
    const std::vector<std::vector<CapacityField>>& of(int productID) const;

private:
    std::map<int, std::vector<std::vector<CapacityField>>> rows_;
};

// The cheapest candidate of each member: the first one offered is taken
// whatever its price, and a later one replaces it when its total is less
// than or equal, so among equal totals the one offered last wins.
template <class Key, class Row>
class CheapestByMember {
public:
    void offer(const Key& key, Money total, const Row& row)
    {
        auto [it, added] = best_.try_emplace(key, total, row);
        if (!added && total <= it->second.first)
            it->second = {total, row};
    }
    const Row* find(const Key& key) const
    {
        const auto it = best_.find(key);
        return it == best_.end() ? nullptr : &it->second.second;
    }

private:
    std::map<Key, std::pair<Money, Row>> best_;
};

}  // namespace dv
