#pragma once
#include "reports/report_options.h"

namespace dv {

class PrintDocument;

// Draws the detailed summary report on the report printer, from its footer and title on.
void PrintDetailedReport(const ReportOptions& options);

// Per complete wall a heading with its studs, columns and headers, and its
// one-row table (nine columns for a gable wall, seven for any other).
void PrintWallSystemDetails(PrintDocument& doc);
// "Loading Information:" and one row per complete wall: wind speed, state,
// roof live and dead load.
void PrintLoadingInformation(PrintDocument& doc);

}  // namespace dv
