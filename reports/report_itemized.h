#pragma once
#include "reports/report_options.h"

namespace dv {

class PrintDocument;

// Draws the itemized material report on the report printer, from its footer and title on.
void PrintItemizedReport(const ReportOptions& options);

// For every wall and width ticked in the options, a heading and the member
// lists that have rows: studs, cripples, trimmers, columns, headers, plates,
// blocking, sheathing, connectors.
void PrintItemizedMaterialLists(PrintDocument& doc, const ReportOptions& options);

}  // namespace dv
