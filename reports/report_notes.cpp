#include "reports/report_notes.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "platform/print_document.h"
#include "reports/report_options.h"

namespace dv {

namespace {

void noteHeading(PrintDocument& doc, const QString& heading)
{
    doc.setLeftMargin(QStringLiteral("0.5in"));
    doc.setParagraphLeft(QStringLiteral("0.5in"));
    doc.setTypeSize(11);
    doc.setTypeBold(true);
    doc.WriteText(QStringLiteral("\r\n\n") + heading + QLatin1Char('\n'));
    doc.setTypeBold(false);
}

// Every note of a group, in database order, each in the given size.
void writeNoteGroup(PrintDocument& doc, int noteID, double typeSize)
{
    PreparedStatement& st =
        DbConnection.cached(QStringLiteral("SELECT NoteText FROM Report_Notes WHERE NoteID = ? ORDER BY rowid"));
    st.bind(1, noteID);
    for (Recordset rs = DbConnection.query(st); !rs.eof(); rs.moveNext()) {
        doc.setLeftMargin(QStringLiteral("0.75in"));
        doc.setParagraphLeft(QStringLiteral("0.75in"));
        doc.setTypeSize(typeSize);
        doc.WriteText(rs.field(0).toText() + QLatin1Char('\n'));
    }
}

// The text of one note; a missing note is left out of the report.
bool readNote(int noteID, int id, QString* text)
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT NoteText FROM Report_Notes WHERE NoteID = ? AND ID = ? ORDER BY rowid LIMIT 1"));
    st.bind(1, noteID).bind(2, id);
    Recordset rs = DbConnection.query(st);
    if (rs.eof())
        return false;
    *text = rs.field(0).toText();
    return true;
}

void appendName(QString& list, const QString& name)
{
    if (!list.isEmpty())
        list += QStringLiteral(", ");
    list += name;
}

}  // namespace

GableWallLists BuildGableWallLists()
{
    GableWallLists lists;
    ProjectView& view = projectView();
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT WallType, RidgeHeight, Exposure FROM General_Information WHERE WallID = ? ORDER BY rowid LIMIT 1"));
    for (int r = 0; r < view.wallGridRowCount(); ++r) {
        if (view.wallGridCell(r, 2) != QLatin1String("Yes"))
            continue;
        bool isInt = false;
        const long long wallID = view.wallGridCell(r, 0).toLongLong(&isInt);
        if (!isInt)
            continue;
        st.bind(1, wallID);
        Recordset rs = DbConnection.query(st);
        if (rs.eof() || rs.field(QStringLiteral("WallType")).toText() != QLatin1String("GABLE"))
            continue;
        const double ridge = rs.field(QStringLiteral("RidgeHeight")).toDouble();
        const QString exposure = rs.field(QStringLiteral("Exposure")).toText();
        rs.close();
        const QChar letter = exposure.isEmpty() ? QChar() : exposure.back();
        const QString name = view.wallGridCell(r, 1);
        if (ridge > 30)
            continue;
        if (letter == QLatin1Char('B') || letter == QLatin1Char('C'))
            appendName(ridge <= 20 ? lists.low : lists.high, name);
        else if (letter == QLatin1Char('D'))
            appendName(lists.high, name);
    }
    return lists;
}

void PrintGeneralNotes(PrintDocument& doc)
{
    noteHeading(doc, QStringLiteral("General Notes:"));
    // What follows is drawn in the style of the last general note.
    writeNoteGroup(doc, 1, 10);

    const GableWallLists lists = BuildGableWallLists();
    QString text;
    if (!lists.low.isEmpty() && readNote(2, 7, &text))
        doc.WriteText(text.replace(QLatin1Char('%'), lists.low) + QLatin1Char('\n'));
    if (!lists.high.isEmpty() && readNote(2, 8, &text))
        doc.WriteText(text.replace(QLatin1Char('%'), lists.high) + QLatin1Char('\n'));

    // StudSpacing is text: the spacing compares as text, so that of 1,
    // 1.3334 and 2 ft only the 2 ft (24 in.) studs are above the bound.
    bool wideSpacing = false;
    {
        Recordset rs = DbConnection.query(
            QStringLiteral("SELECT 1 FROM Material_List WHERE MemberType = 'Stud' COLLATE NOCASE AND "
                           "StudSpacing > '1.3334' LIMIT 1"));
        wideSpacing = !rs.eof();
    }
    if (wideSpacing && readNote(3, 9, &text))
        doc.WriteText(text + QLatin1Char('\n'));

    // A profile without settings, or without a wind speed, was calculated
    // at the standard 90 mph.
    QString windSpeed = QStringLiteral("90");
    {
        PreparedStatement& st = DbConnection.cached(
            QStringLiteral("SELECT WindSpeed FROM Customer_Profiles WHERE CustomerProfileID = ? ORDER BY rowid LIMIT 1"));
        st.bind(1, static_cast<long long>(projectView().selectedProfileID()));
        Recordset rs = DbConnection.query(st);
        if (!rs.eof() && !rs.field(0).isNull())
            windSpeed = rs.field(0).toText();
    }
    doc.WriteText(QStringLiteral("-Wind Speed used in this summary was: ") + windSpeed + QStringLiteral(" mph\n"));
}

void PrintUserNotes(PrintDocument& doc, const ReportOptions& options)
{
    noteHeading(doc, QStringLiteral("User Notes:"));
    doc.setLeftMargin(QStringLiteral("0.75in"));
    doc.setParagraphLeft(QStringLiteral("0.75in"));
    doc.setTypeSize(9);
    doc.WriteText(options.notesText() + QLatin1Char('\n'));
}

void PrintWarningNotes(PrintDocument& doc)
{
    noteHeading(doc, QStringLiteral("Warning Notes:"));
    writeNoteGroup(doc, 4, 9);
}

}  // namespace dv
