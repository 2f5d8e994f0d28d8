#include "reports/frmDorvValidationResults.h"
#include "core/app_state.h"
#include "core/sql_literals.h"
#include "platform/widgets/data_grid.h"
#include "reports/modDorvPrint.h"
#include "ui/common/app_info.h"
#include "ui/common/guarded.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dv {

std::function<void(frmDorvValidationResults&)> frmDorvValidationResults::showHook;

frmDorvValidationResults::frmDorvValidationResults(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDorvValidationResults"));
    setModal(true);
    Label1 = new QLabel(QStringLiteral("The following products are not included in the summary total because a valid "
                                       "product solution was not available."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    grdValidationResults = new DataGrid(
        {QStringLiteral("ID"), QStringLiteral("Member Name"), QStringLiteral("WallID"), QStringLiteral("Wall Name"),
         QStringLiteral("Nominal Wall Width")},
        this);
    grdValidationResults->setObjectName(QStringLiteral("grdValidationResults"));
    grdValidationResults->setStretchColumn(3);
    Label2 = new QLabel(QStringLiteral("NOTE:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = new QLabel(QStringLiteral("Subsequent Cripple Studs, Trimmer Studs, Header Plates, and Connectors may also be "
                                       "missing from the summary totals as applicable for each wall member listed above.  "
                                       "This is identified in the comparison summary by an asterisk (*) character next to "
                                       "each affected wall system total."),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    cmdPrint = new QPushButton(QStringLiteral("Print Validation Summary"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setDefault(true);
    // An error while the report is drawn is shown here and never reaches the
    // calculation that opened this window.
    connect(cmdPrint, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { cmdPrint_Click(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(grdValidationResults, 1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(buttons);
    resize(640, 380);

    Form_Load();
}

void frmDorvValidationResults::Form_Load()
{
    setWindowTitle(appTitle() + QStringLiteral(" [Validation Results]"));
    grdValidationResults->removeAll();
    // A result set of its own, read to the end before anything else runs.
    Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM Validation_Information ORDER BY rowid"));
    for (; !rs.eof(); rs.moveNext()) {
        grdValidationResults->addRowFields(
            {rs.field(QStringLiteral("ID")).toText(), rs.field(QStringLiteral("MemberName")).toText(),
             rs.field(QStringLiteral("WallID")).toText(), RestoreQuotes(rs.field(QStringLiteral("WallName")).toText()),
             QStringLiteral("2 x ") + rs.field(QStringLiteral("WallWidth")).toText() + QStringLiteral(" Wall")});
    }
}

void frmDorvValidationResults::cmdPrint_Click() { PrintValidationReport(); }

void frmDorvValidationResults::showModal()
{
    if (showHook) {
        showHook(*this);
        return;
    }
    exec();
}

}  // namespace dv
