#include "tests/report_test_support.h"

#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/modDorvPrint.h"

#include <QFile>

namespace dvtest {

void ReportTest::SetUp()
{
    DbTest::SetUp();
    dv::reportClock = [] { return fixedNow(); };
    dv::operatorFileOverride = dir.filePath(QStringLiteral("no-operator-file.txt"));
    dv::ReportPrinted = false;
    dv::frmDorvPrintPreview::showHook = [this](dv::frmDorvPrintPreview&, bool modal) {
        ++(modal ? modalShows : modelessShows);
    };
}

void ReportTest::TearDown()
{
    dv::frmDorvPrintPreview::showHook = nullptr;
    dv::reportClock = nullptr;
    dv::operatorFileOverride.reset();
    dv::ReportPrinted = false;
    DbTest::TearDown();
}

const dv::PrintDocument& ReportTest::doc() const { return dv::frmDorvPrintPreview::instance().VSPrint; }

void ReportTest::writeOperatorFile(const QStringList& lines)
{
    const QString path = dir.filePath(QStringLiteral("UserInformation.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (const QString& l : lines)
        f.write(l.toUtf8() + "\r\n");
    dv::operatorFileOverride = path;
}

QStringList ReportTest::allTexts() const
{
    QStringList out;
    for (int p = 1; p <= doc().pageCount(); ++p)
        out << doc().pageTexts(p);
    return out;
}

}  // namespace dvtest
