#include "reports/detailed_data.h"

#include "core/app_state.h"
#include "core/project_view.h"
#include "core/translator.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "reports/report_rows.h"
#include "core/wall_store.h"

namespace dv {

namespace {

// A stored length in feet as the project window shows it.
QString lengthText(const Value& feet)
{
    return FormatInchesForDisplay(ConvertInputToInches(feet.toText(), 0)).trimmed();
}

int windSpeedOf(const Value& v) { return v.isNull() || v.toText().trimmed().isEmpty() ? 90 : v.toInt32(); }

Recordset selectedProfile()
{
    PreparedStatement& st = DbConnection.cached(
        QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ? ORDER BY rowid LIMIT 1"));
    st.bind(1, static_cast<long long>(projectView().selectedProfileID()));
    return DbConnection.query(st);
}

Recordset wallData(std::int16_t wallID)
{
    PreparedStatement& st =
        DbConnection.cached(QStringLiteral("SELECT * FROM General_Information WHERE WallID = ? ORDER BY rowid LIMIT 1"));
    st.bind(1, static_cast<long long>(wallID));
    return DbConnection.query(st);
}

bool hasStudRows(std::int16_t wallID)
{
    PreparedStatement& st = DbConnection.cached(QStringLiteral(
        "SELECT 1 FROM Material_List WHERE WallID = ? AND MemberType = 'Stud' COLLATE NOCASE LIMIT 1"));
    st.bind(1, static_cast<long long>(wallID));
    return !DbConnection.query(st).eof();
}

int liveColumns(std::int16_t wallID)
{
    static const QString sql =
        QStringLiteral("SELECT COUNT(*) FROM Column_Information WHERE WallID = ? AND ") + liveColumnCondition();
    PreparedStatement& st = DbConnection.cached(sql);
    st.bind(1, static_cast<long long>(wallID));
    Recordset rs = DbConnection.query(st);
    return rs.field(0).toInt32();
}

// The headers of the live openings; an empty count reads 0.
int liveHeaders(std::int16_t wallID)
{
    static const QString sql = QStringLiteral("SELECT NumHeaders FROM Header_Information WHERE WallID = ? AND ")
                               + liveOpeningCondition() + QStringLiteral(" ORDER BY rowid");
    PreparedStatement& st = DbConnection.cached(sql);
    st.bind(1, static_cast<long long>(wallID));
    double sum = 0;
    for (Recordset rs = DbConnection.query(st); !rs.eof(); rs.moveNext()) {
        const QString text = rs.field(0).toText().trimmed();
        if (text.isEmpty())
            continue;
        double n = 0;
        if (!parseStrictNumber(text, &n))
            throw AppError(err::TypeMismatch,
                           QStringLiteral("Type mismatch: the header count \"%1\" is not a number.").arg(text));
        sum += toInt16(n);
        toInt16(sum);
    }
    return toInt16(sum);
}

QString countPart(int n, const char* one, const char* many)
{
    return QStringLiteral(", %1").arg(n) + QLatin1String(n == 1 ? one : many);
}

}  // namespace

int SelectedWindSpeed()
{
    Recordset rs = selectedProfile();
    return rs.eof() ? 90 : windSpeedOf(rs.field(QStringLiteral("WindSpeed")));
}

std::vector<WallDetails> BuildWallDetails()
{
    std::vector<WallDetails> out;
    ProjectView& view = projectView();
    const int windSpeed = SelectedWindSpeed();
    const bool hurricane = windSpeed == 110 || windSpeed == 120;
    const int n = view.wallGridRowCount();
    for (int row = 0; row < n; ++row) {
        if (view.wallGridCell(row, 2) != QLatin1String("Yes"))
            continue;
        const std::int16_t wallID = ReportWallID(view.wallGridCell(row, 0));
        WallDetails d;
        d.wallName = view.wallGridCell(row, 1);
        QString type, eave, ridge, length, truss, slope, finish, exposure, mono;
        std::int32_t corners = 0;
        {
            Recordset rs = wallData(wallID);
            if (rs.eof())
                continue;
            type = rs.field(QStringLiteral("WallType")).toText();
            eave = lengthText(rs.field(QStringLiteral("EaveHeight")));
            ridge = lengthText(rs.field(QStringLiteral("RidgeHeight")));
            length = lengthText(rs.field(QStringLiteral("WallLength")));
            truss = lengthText(rs.field(QStringLiteral("TrussSpan")));
            slope = rs.field(QStringLiteral("RoofSlope")).toText() + QStringLiteral("/12");
            finish = rs.field(QStringLiteral("ExteriorFinish")).toText();
            exposure = hurricane ? QStringLiteral("Hurricane Prone") : rs.field(QStringLiteral("Exposure")).toText();
            const Value c = rs.field(QStringLiteral("NumberCorners"));
            corners = c.isNull() || c.toText().trimmed().isEmpty() ? 0 : c.toInt32();
            const Value m = rs.field(QStringLiteral("MonoSlope"));
            mono = m.isNull() || m.toText().trimmed().isEmpty() || m.toDouble() == 0 ? QStringLiteral("No")
                                                                                       : QStringLiteral("Yes");
        }
        if (hasStudRows(wallID))
            d.headingParts << QStringLiteral("Wall Studs");
        if (const int columns = liveColumns(wallID))
            d.headingParts << countPart(columns, " Column", " Columns");
        if (const int headers = liveHeaders(wallID))
            d.headingParts << countPart(headers, " Header", " Headers");

        d.gable = type == QLatin1String("GABLE");
        if (d.gable) {
            d.format = QStringLiteral("<+~0.75in|<+~0.55in|<+~0.90in|<+~0.95in|<+~0.89in|<+~1.47in|<+~1.00in|"
                                      "<+~0.62in|<+~0.90in");
            d.header = QStringLiteral("Wall Type|Slope|Eave Height|Ridge Height|Length|Finish|Exposure|Corners|"
                                      "Mono Slope").split(QLatin1Char('|'));
            d.cells = {type, slope, eave, ridge, length, finish, exposure, QString::number(corners), mono};
        } else {
            d.format = QStringLiteral("<+~1.00in|<+~1.07in|<+~1.07in|<+~1.07in|<+~1.57in|<+~1.10in|<+~.62in");
            d.header =
                QStringLiteral("Wall Type|Eave Height|Truss Span|Length|Finish|Exposure|Corners").split(QLatin1Char('|'));
            d.cells = {type, eave, truss, length, finish, exposure, QString::number(corners)};
        }
        out.push_back(std::move(d));
    }
    return out;
}

LoadingTable BuildLoadingInformation()
{
    LoadingTable t;
    t.format = QStringLiteral("<+2.50in|<+~1.25in|<+~1.25in|<+~1.25in|<+~1.25in");
    t.header = QStringLiteral("Wall System Name|Wind Speed|State Name|Live Load|Dead Load").split(QLatin1Char('|'));
    ProjectView& view = projectView();
    const int n = view.wallGridRowCount();
    for (int row = 0; row < n; ++row) {
        if (view.wallGridCell(row, 2) != QLatin1String("Yes"))
            continue;
        const std::int16_t wallID = ReportWallID(view.wallGridCell(row, 0));
        QString wind;
        {
            // Read without a test: a selected profile without its row is an error.
            Recordset rs = selectedProfile();
            wind = QString::number(windSpeedOf(rs.field(QStringLiteral("WindSpeed")))) + QStringLiteral(" mph");
        }
        Value loadingID;
        {
            Recordset rs = wallData(wallID);
            if (rs.eof())
                continue;
            loadingID = rs.field(QStringLiteral("RoofLoadingID"));
        }
        if (loadingID.isNull())
            continue;
        PreparedStatement& st =
            DbConnection.cached(QStringLiteral("SELECT * FROM Roof_Loading WHERE ID = ? ORDER BY rowid LIMIT 1"));
        st.bind(1, static_cast<long long>(loadingID.toInt32()));
        Recordset rs = DbConnection.query(st);
        if (rs.eof())
            continue;
        t.rows.push_back({view.wallGridCell(row, 1), wind, rs.field(QStringLiteral("StateName")).toText(),
                          rs.field(QStringLiteral("RoofLL")).toText() + QStringLiteral(" psf"),
                          rs.field(QStringLiteral("RoofDL")).toText() + QStringLiteral(" psf")});
    }
    return t;
}

}  // namespace dv
