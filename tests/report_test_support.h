#pragma once
// Fixture for report tests: a copy of the database, a project view in
// memory, a fixed clock (12/09/2026 02:05:09 PM), no operator information
// file unless a test writes one, and a preview window that records its
// showings instead of opening.
#include "tests/test_support.h"

#include <QDateTime>
#include <QStringList>

namespace dv {
class PrintDocument;
}

namespace dvtest {

class ReportTest : public DbTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The report printer's finished document.
    const dv::PrintDocument& doc() const;
    // Writes the operator information file with these lines (CR LF ends each)
    // and makes the reports read it.
    void writeOperatorFile(const QStringList& lines);
    // The texts of every page of the finished document, in drawing order.
    QStringList allTexts() const;

    static QDateTime fixedNow() { return QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9)); }
    int modalShows = 0;
    int modelessShows = 0;
};

}  // namespace dvtest
