#include "reports/itemized_data.h"

#include "core/app_state.h"
#include "reports/report_options.h"
#include "reports/report_rows.h"

namespace dv {

namespace {

enum class Shape { ProductQtyLength, IdProductQtyLength, ProductQty };

struct ListKind {
    const char* memberType;
    const char* caption;
    const char* orderBy;
    Shape shape;
};

const ListKind& kindOf(MemberList list)
{
    static const ListKind kinds[] = {
        {"Stud", "Wall Studs", "PieceLength, rowid", Shape::ProductQtyLength},
        {"Cripple", "Cripple Studs", "PieceLength, rowid", Shape::ProductQtyLength},
        {"Trimmer", "Trimmer Studs", "PieceLength, rowid", Shape::ProductQtyLength},
        {"Column", "Columns", "MemberName, rowid", Shape::IdProductQtyLength},
        {"Header", "Headers", "MemberName, rowid", Shape::IdProductQtyLength},
        {"Plate", "Wall Plates", "MemberName, rowid", Shape::IdProductQtyLength},
        {"Blocking", "Wall Blocking", "PieceLength, rowid", Shape::ProductQtyLength},
        {"Sheathing", "Wall Sheathing", "rowid", Shape::ProductQty},
        {"Connectors", "Connectors", "rowid", Shape::ProductQty},
    };
    return kinds[static_cast<int>(list)];
}

}  // namespace

MemberTable ReadMemberList(MemberList list, std::int16_t wallID, int width)
{
    const ListKind& k = kindOf(list);
    MemberTable t;
    t.caption = QLatin1String(k.caption);
    switch (k.shape) {
    case Shape::ProductQtyLength:
        t.format = QStringLiteral("<+~5.25in|<+~.75in|<+~.75in");
        t.header = {QStringLiteral("Product Name"), QStringLiteral("Qty."), QStringLiteral("Length")};
        break;
    case Shape::IdProductQtyLength:
        t.format = QStringLiteral("<+~1.875in|<+~3.375in|<+~.75in|<+~.75in");
        t.header = {QStringLiteral("ID"), QStringLiteral("Product Name"), QStringLiteral("Qty."),
                    QStringLiteral("Length")};
        break;
    case Shape::ProductQty:
        t.format = QStringLiteral("<+~5.25in|<+~.75in");
        t.header = {QStringLiteral("Product Name"), QStringLiteral("Qty.")};
        break;
    }
    // The order is one of the fixed words above; the values are bound.
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT * FROM Material_List WHERE WallID = ? AND WallWidth = ? AND MemberType = ? "
                       "COLLATE NOCASE ORDER BY ")
        + QLatin1String(k.orderBy));
    st.bind(1, static_cast<long long>(wallID));
    st.bind(2, width);
    st.bind(3, QString::fromLatin1(k.memberType));
    for (Recordset rs = DbConnection.query(st); !rs.eof(); rs.moveNext()) {
        const QString product = rs.field(QStringLiteral("ProductName")).toText();
        const QString qty = rs.field(QStringLiteral("QtyPieces")).toText();
        const QString length = rs.field(QStringLiteral("PieceLength")).toText() + QLatin1Char('\'');
        switch (k.shape) {
        case Shape::ProductQtyLength: t.rows.push_back({product, qty, length}); break;
        case Shape::IdProductQtyLength:
            t.rows.push_back({rs.field(QStringLiteral("MemberName")).toText(), product, qty, length});
            break;
        case Shape::ProductQty: t.rows.push_back({product, qty}); break;
        }
    }
    return t;
}

QString ItemizedSection::heading() const { return wallName + QStringLiteral(" - 2x%1 Wall").arg(width); }

std::vector<ItemizedSection> BuildItemizedMaterialLists(const ReportOptions& options)
{
    static constexpr int kWidths[3] = {6, 8, 10};
    std::vector<ItemizedSection> out;
    const int rows = options.wallRowCount();
    for (int row = 0; row < rows; ++row) {
        bool any = false;
        for (int i = 0; i < 3; ++i)
            any = any || options.widthTicked(row, i);
        if (!any)
            continue;
        const std::int16_t wallID = ReportWallID(options.wallRowID(row));
        for (int i = 0; i < 3; ++i) {
            if (!options.widthTicked(row, i))
                continue;
            ItemizedSection s;
            s.wallName = options.wallRowName(row);
            s.width = kWidths[i];
            for (MemberList list : kMemberLists) {
                MemberTable t = ReadMemberList(list, wallID, s.width);
                if (!t.rows.empty())
                    s.lists.push_back(std::move(t));
            }
            out.push_back(std::move(s));
        }
    }
    return out;
}

}  // namespace dv
