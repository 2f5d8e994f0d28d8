#pragma once
// Shared fixture of the project-file tests: a small project with eave and
// gable walls, removed columns and openings, names with apostrophes and
// commas, calculated totals and empty fields, and exact pictures of the
// project tables and the window state to compare before and after.
#include "core/app_state.h"
#include "core/project_files.h"
#include "tests/test_support.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <string>

namespace dvtest {

class ProjectFileTest : public DbTest {
protected:
    // Three walls: 1 an eave wall whose name holds an apostrophe (stored as a
    // grave accent) with empty ridge, slope and DTFH; 2 a gable wall whose
    // name holds a comma, with three columns (one removed) and an opening
    // between two of them; 3 a wall added but never saved, whose name looks
    // like SQL. Walls 1 and 2 carry calculated totals.
    void buildSampleProject()
    {
        view.project = QStringLiteral("Smith's Barn");
        view.builder = QStringLiteral("  O'Neil, Sons & Co = builders");
        addEaveWall(1, QStringLiteral("North`s wall"), 10, 30.5, 24);
        exec("UPDATE General_Information SET RidgeHeight = NULL, RoofSlope = NULL, DTFH = NULL WHERE WallID = 1");
        // 10 ft 4 in, a double that fifteen digits cannot carry.
        dv::DbConnection.prepare(QStringLiteral("UPDATE General_Information SET EaveHeight = ? WHERE WallID = 1"))
            .bind(1, 124.0 / 12.0)
            .exec();
        addOpening(1, 1, "4", "6.5", "1");
        addOpening(1, 2, "**Removed**", "NA", "NA");
        addOpening(1, 3, "3.25", "4", "2");
        addGableWall(2, QStringLiteral("Gable, east"), 10, 18.75, 24, 6, 12, QStringLiteral("EXPOSURE C"));
        addColumn(2, 1, "10.5", "0.5");
        addColumn(2, 2, "**Removed**", "NA");
        addColumn(2, 3, "9", "0.75");
        addOpening(2, 1, "6", "7", "2", "Column 1", "Column 3");
        exec("INSERT INTO Project_Information (ID, WallName) VALUES (3, 'x`); DROP TABLE Products; --')");
        exec("UPDATE Project_Information SET \"6Studs\" = 123.4567, \"8Headers\" = 99.99, \"10JambX\" = 250, "
             "\"6Sheathing\" = 0.0001, NumberColumns = 0, NumberHeaders = 3, Total6 = 1234.5678, Total8 = 2000, "
             "Total10 = 3000.25, Missing6 = 0, Missing8 = -1, Missing10 = -1, InterpValue = 1, HasCenterStuds = 'Yes' "
             "WHERE ID = 1");
        exec("UPDATE Project_Information SET \"6Columns\" = 88.12, \"8Columns\" = 91, \"10Columns\" = 95.5, "
             "NumberColumns = 2, NumberHeaders = 2, Total6 = 4100.1, Total8 = 4200.2, Total10 = 4300.3, "
             "Missing6 = -1, Missing8 = -1, Missing10 = 0, InterpValue = 4, HasCenterStuds = 'No' WHERE ID = 2");
    }

    // Every field of the four project tables, in stored order, with its type;
    // doubles to the last bit.
    std::string projectTables()
    {
        QString s;
        for (const char* t : {"Column_Information", "General_Information", "Header_Information", "Project_Information"}) {
            dv::Recordset rs = dv::DbConnection.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(t)));
            s += QLatin1String(t) + QStringLiteral(":\n");
            while (!rs.eof()) {
                for (int i = 0; i < rs.fieldCount(); ++i) {
                    const dv::Value v = rs.field(i);
                    s += QString::number(static_cast<int>(v.type())) + QLatin1Char('=');
                    s += v.type() == dv::Value::Type::Double ? QString::number(v.toDouble(), 'g', 17) : v.toText();
                    s += QLatin1Char('|');
                }
                s += QLatin1Char('\n');
                rs.moveNext();
            }
        }
        return s.toStdString();
    }

    // The window state a failed open must leave alone.
    std::string viewState() const
    {
        QString s = view.project + QLatin1Char('#') + view.builder + QLatin1Char('#') + QString::number(view.profileID)
                    + view.profileName + QLatin1Char('#') + QString::number(dv::CurrentWallID) + QLatin1Char('#');
        for (const QStringList& r : view.wallRows)
            s += r.join(QLatin1Char('~')) + QLatin1Char(';');
        s += QLatin1Char('#');
        for (const QStringList& r : view.comparisonRows)
            s += r.join(QLatin1Char('~')) + QLatin1Char(';');
        return s.toStdString();
    }

    QString filePath(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QByteArray readFile(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray();
        return f.readAll();
    }
};

}  // namespace dvtest
