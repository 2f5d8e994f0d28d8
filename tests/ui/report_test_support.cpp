#include "tests/ui/report_test_support.h"

#include "core/app_state.h"
#include "platform/print_document.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/modDorvPrint.h"

#include <QFile>
#include <QProcess>

namespace dvtest {

std::vector<dv::PrintItem> itemsOf(const dv::PrintDocument& doc, int page, dv::PrintItem::Kind kind)
{
    std::vector<dv::PrintItem> out;
    for (const dv::PrintItem& i : doc.model().pages.at(page - 1).items) {
        if (i.kind == kind)
            out.push_back(i);
    }
    return out;
}

QStringList cellTexts(const dv::PrintDocument& doc, int page)
{
    QStringList out;
    for (const dv::PrintItem& i : itemsOf(doc, page, dv::PrintItem::Kind::Cell))
        out << i.text;
    return out;
}

const dv::PrintItem* findText(const dv::PrintDocument& doc, const QString& text, int* page)
{
    for (size_t p = 0; p < doc.model().pages.size(); ++p) {
        for (const dv::PrintItem& i : doc.model().pages[p].items) {
            if (i.text == text) {
                if (page)
                    *page = static_cast<int>(p) + 1;
                return &i;
            }
        }
    }
    return nullptr;
}

QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

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
