#include "core/project_reset.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/wall_store.h"

#include <vector>

namespace dv {

void ResetProjectTables()
{
    projectView().setSelectedProfile(1, QStringLiteral("Default"));

    static const char* const kTables[] = {
        "Column_Information", "Header_Information", "Project_Information", "General_Information",
        "Material_List", "Temp_Column_Table", "Temp_CornerStud_Table", "Temp_Gable_Table",
        "Temp_Header_Table", "Temp_Stud_Table", "Validation_Information",
    };
    // One transaction: a reset either empties all eleven tables or none.
    Transaction t(DbConnection);
    for (const char* table : kTables) {
        const QString SqlText = QStringLiteral("DELETE FROM ") + QLatin1String(table);
        DbConnection.execute(SqlText);
    }
    t.commit();
    WallStore::forgetWallKeys();
    CurrentWallID = 1;
}

void EmptyScratchTables()
{
    static const char* const kTables[] = {"Temp_Column_Table", "Temp_CornerStud_Table", "Temp_Gable_Table",
                                          "Temp_Header_Table", "Temp_Stud_Table"};
    // Tables that are empty already are not written: a project open after
    // an earlier one writes nothing here.
    std::vector<const char*> filled;
    for (const char* table : kTables)
        if (!DbConnection.query(QStringLiteral("SELECT 1 FROM ") + QLatin1String(table) + QStringLiteral(" LIMIT 1")).eof())
            filled.push_back(table);
    if (filled.empty())
        return;
    Transaction t(DbConnection);
    for (const char* table : filled)
        DbConnection.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    t.commit();
}

}  // namespace dv
