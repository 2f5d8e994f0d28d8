#pragma once
// The figures of the itemized material report: for every wall and width
// ticked in the report options, the wall's material list of the last
// calculation in nine member lists. Read only.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace dv {

class ReportOptions;

// The nine member lists, in the order they print.
enum class MemberList { Stud, Cripple, Trimmer, Column, Header, Plate, Blocking, Sheathing, Connector };
inline constexpr MemberList kMemberLists[] = {MemberList::Stud,     MemberList::Cripple,   MemberList::Trimmer,
                                              MemberList::Column,   MemberList::Header,    MemberList::Plate,
                                              MemberList::Blocking, MemberList::Sheathing, MemberList::Connector};

struct MemberTable {
    QString caption;  // "Wall Studs"
    QString format;
    QStringList header;
    std::vector<QStringList> rows;  // empty: the list is not printed
};

// The member type's rows of a wall and width: studs, cripples, trimmers and
// blocking by piece length; columns, headers and plates by member name;
// sheathing and connectors as stored. Equal keys keep their stored order;
// member types match without regard to case.
MemberTable ReadMemberList(MemberList list, std::int16_t wallID, int width);

struct ItemizedSection {
    QString wallName;
    int width = 0;  // 6, 8 or 10
    std::vector<MemberTable> lists;  // only the lists that have rows, in order
    // "<name> - 2x6 Wall"
    QString heading() const;
};

// One section per ticked width of every row, rows in order and widths
// 2x6, 2x8, 2x10 within a row.
std::vector<ItemizedSection> BuildItemizedMaterialLists(const ReportOptions& options);

}  // namespace dv
