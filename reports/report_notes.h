#pragma once
// The note sections of the reports: the general notes (summary and quote),
// the user notes (summary, when asked for) and the warning notes (quote).
// The note texts are rows of Report_Notes; which of them print depends on
// the project's walls, the stud spacings of the last calculation and the
// selected profile.
#include <QString>

namespace dv {

class PrintDocument;
class ReportOptions;

// "General Notes:": every general note, the notes on low and high gable
// walls with their wall lists, the note on 24 in. stud spacing when the
// last calculation used it, and the wind speed of the selected profile.
void PrintGeneralNotes(PrintDocument& doc);
// "User Notes:" and the custom note as typed. The caller decides whether
// it is printed (ticked and not empty).
void PrintUserNotes(PrintDocument& doc, const ReportOptions& options);
// "Warning Notes:" and every warning note.
void PrintWarningNotes(PrintDocument& doc);

// The two wall lists of the general notes: names of complete gable walls
// joined by ", " in wall-list order. Exposure B or C: a ridge of at most
// 20 ft is low, above 20 and at most 30 ft high; exposure D up to 30 ft is
// high; anything else is in neither list.
struct GableWallLists {
    QString low, high;
};
GableWallLists BuildGableWallLists();

}  // namespace dv
