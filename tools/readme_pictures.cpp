// Draws the README's picture of the project window after a Compare and
// writes the summary report of the same project as PDF, from the program's
// own windows on a copy of the delivered database, without a display.
//   dv_readmepictures DELIVERED.dat WINDOW.png SUMMARY.pdf
#include "bench/bench_project.h"
#include "core/app_state.h"
#include "core/database_lock.h"
#include "core/startup.h"
#include "core/wall_list.h"
#include "platform/app_error.h"
#include "reports/frmDorvPrintOptions.h"
#include "reports/modDorvPrint.h"
#include "platform/print_document.h"
#include "ui/project/frmDorvMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

// The report options as the user fills them; the document is written to a
// file instead of being shown.
class SummaryOnly : public dv::frmDorvPrintOptions {
protected:
    void showPreview() override {}
    dv::MsgResult messageBox(const QString& text, const QString&, dv::MsgButtons, dv::MsgIcon) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return dv::MsgResult::Ok;
    }
};

int fail(const QString& why)
{
    std::fprintf(stderr, "dv_readmepictures: %s\n", qPrintable(why));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: dv_readmepictures DELIVERED.dat WINDOW.png SUMMARY.pdf\n");
        return 2;
    }
    QTemporaryDir folder;
    if (!folder.isValid() || !QFile::copy(QString::fromLocal8Bit(argv[1]), folder.filePath(QStringLiteral("Dorvane.dat"))))
        return fail(QStringLiteral("cannot copy the delivered database"));

    std::unique_ptr<dv::frmDorvMain> window;
    try {
        dv::Main(folder.path(), [&]() -> dv::ProjectView* {
            window = std::make_unique<dv::frmDorvMain>();
            return window.get();
        });
        dvbench::BuildProject(3);
        const char* const names[] = {"North Eave Wall", "South Eave Wall", "East Gable End"};
        for (int id = 1; id <= 3; ++id)
            dv::DbConnection.execute(QStringLiteral("UPDATE Project_Information SET WallName = '%1' WHERE ID = %2")
                                         .arg(QLatin1String(names[id - 1])).arg(id));
        dv::RefreshWallSystemGrid();
        window->txtProjectName->setText(QStringLiteral("Lakeside Barn"));
        window->txtBuilderName->setText(QStringLiteral("Harbor Builders"));
        window->show();
        window->resize(1060, 780);
        window->tbrMainToolbar_ButtonClick(dv::frmDorvMain::CompareButton);
        QApplication::processEvents();
        if (!window->grab().save(QString::fromLocal8Bit(argv[2]), "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(QString::fromLocal8Bit(argv[2])));

        SummaryOnly options;
        options.chkSummaryReport->setChecked(true);
        options.chkDetailedReport->setChecked(false);
        options.cmdPrintPreview->click();
        if (!dv::gReportPrinter)
            return fail(QStringLiteral("no summary report was drawn"));
        dv::gReportPrinter->writePdf(QString::fromLocal8Bit(argv[3]));
    } catch (const dv::AppError& e) {
        return fail(dv::errorMessageText(e.number(), e.description()));
    }
    window.reset();
    dv::DbConnection.close();
    dv::UnlockDatabase();
    return 0;
}
