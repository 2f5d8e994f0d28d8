#include "reports/frmDorvPrintOptions.h"
#include "core/data_location.h"
#include "ui/common/message_box.h"
#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/startup.h"
#include "core/wall_store.h"
#include "platform/app_error.h"
#include "platform/money.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/common/number_box.h"
#include "reports/frmDorvPrintPreview.h"
#include "reports/modDorvPrint.h"
#include "ui/common/app_info.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <map>
#include <new>

namespace dv {

namespace {

const QString kFormatTitle = QStringLiteral("Improper Input Format");
const QString kInformation = QStringLiteral("Information");
const QString kMarkupFormat = QStringLiteral(
    "Please check your 'Override Markup' input for proper formatting.  You must format your input as a number.");
const QString kDeliveryFormat = QStringLiteral(
    "Please check your 'Delivery Charge' input for proper formatting.  You must format your input as currency.");
const QString kStateTaxFormat = QStringLiteral(
    "Please check your 'State Tax' input for proper formatting.  You must format your input as a number.");
const QString kNoReportType = QStringLiteral("You must select a report type to print.");
const QString kNoItemizedWalls =
    QStringLiteral("You must select one or more wall system's to print an itemized report for.");
const QString kNothingToPrint = QStringLiteral("There is no information to print.");

// A rate or percentage as typed: digits with at most one point (a pasted
// sign or exponent is no rate).
bool readsAsNumber(const QString& text)
{
    double v = 0;
    return IsTypedNumberText(text) && parseStrictNumber(text, &v);
}

// An amount of money: a plain number within the money range.
bool readsAsMoney(const QString& text)
{
    if (!readsAsNumber(text))
        return false;
    try {
        Money::fromText(text);
        return true;
    } catch (const AppError&) {
        return false;
    }
}

void installNumberBox(QLineEdit* box)
{
    selectAllOnFocus(box);
    installNumericKeyFilter(box);
}

}  // namespace

frmDorvPrintOptions::frmDorvPrintOptions(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDorvPrintOptions"));
    setModal(false);
    buildWindow();
    connectHandlers();
    guard([this] { Form_Load(); });
    subscription_ = subscribeProjectChanges([this](ProjectChange) { ProjectChanged(); });
}

frmDorvPrintOptions::~frmDorvPrintOptions() { unsubscribeProjectChanges(subscription_); }

void frmDorvPrintOptions::buildWindow()
{
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };

    menuBar = new QMenuBar(this);
    mnuFile = menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    subMnuSaveDoc = mnuFile->addAction(QStringLiteral("&Save as Document"));
    subMnuSaveDoc->setObjectName(QStringLiteral("subMnuSaveDoc"));

    Frame1 = new QGroupBox(QStringLiteral("Report Options"), this);
    named(Frame1, "Frame1");
    chkSummaryReport = new QCheckBox(QStringLiteral("Summary Report"), Frame1);
    named(chkSummaryReport, "chkSummaryReport");
    chkDetailedReport = new QCheckBox(QStringLiteral("Detailed Summary Report"), Frame1);
    named(chkDetailedReport, "chkDetailedReport");
    chkItemizedReport = new QCheckBox(QStringLiteral("Itemized Material Report"), Frame1);
    named(chkItemizedReport, "chkItemizedReport");
    chkProjectQuote = new QCheckBox(QStringLiteral("Project Quote Report"), Frame1);
    named(chkProjectQuote, "chkProjectQuote");
    auto* reportBoxes = new QVBoxLayout(Frame1);
    reportBoxes->addWidget(chkSummaryReport);
    reportBoxes->addWidget(chkDetailedReport);
    reportBoxes->addWidget(chkItemizedReport);
    reportBoxes->addWidget(chkProjectQuote);
    reportBoxes->addStretch(1);

    grdWallReportOptions = new DataGrid({QStringLiteral("WallID"), QStringLiteral("Wall Name"), QStringLiteral("2x6 Wall"),
                                         QStringLiteral("2x8 Wall"), QStringLiteral("2x10 Wall")},
                                        this);
    named(grdWallReportOptions, "grdWallReportOptions");
    grdWallReportOptions->setStretchColumn(WallNameColumn);

    fraNotes = new QGroupBox(QStringLiteral("Summary Options"), this);
    named(fraNotes, "fraNotes");
    chkOverrideMarkup = new QCheckBox(QStringLiteral("Override Markup"), fraNotes);
    named(chkOverrideMarkup, "chkOverrideMarkup");
    txtOverrideMarkup = new QLineEdit(fraNotes);
    named(txtOverrideMarkup, "txtOverrideMarkup");
    chkDeliveryCharge = new QCheckBox(QStringLiteral("Delivery Charge"), fraNotes);
    named(chkDeliveryCharge, "chkDeliveryCharge");
    txtDeliveryCharge = new QLineEdit(fraNotes);
    named(txtDeliveryCharge, "txtDeliveryCharge");
    chkStateTax = new QCheckBox(QStringLiteral("State Tax"), fraNotes);
    named(chkStateTax, "chkStateTax");
    txtStateTax = new QLineEdit(fraNotes);
    named(txtStateTax, "txtStateTax");
    chkExpirationDate = new QCheckBox(QStringLiteral("Expiration Date"), fraNotes);
    named(chkExpirationDate, "chkExpirationDate");
    cboExpirationDate = new DataCombo({QStringLiteral("Days"), QStringLiteral("Day Text")}, 1, fraNotes);
    named(cboExpirationDate, "cboExpirationDate");
    chkBlueprintDate = new QCheckBox(QStringLiteral("Blueprint Date"), fraNotes);
    named(chkBlueprintDate, "chkBlueprintDate");
    txtBlueprintDate = new QLineEdit(fraNotes);
    named(txtBlueprintDate, "txtBlueprintDate");
    chkCustomNote = new QCheckBox(QStringLiteral("Custom Report Note"), fraNotes);
    named(chkCustomNote, "chkCustomNote");
    lblNotes = new QLabel(QStringLiteral("Custom Report Notes:"), fraNotes);
    named(lblNotes, "lblNotes");
    txtNotes = new QLineEdit(fraNotes);
    named(txtNotes, "txtNotes");

    // Every option box starts hidden; the load shows those it ticks.
    for (QWidget* w : std::initializer_list<QWidget*>{txtOverrideMarkup, txtDeliveryCharge, txtStateTax,
                                                      cboExpirationDate, txtBlueprintDate, lblNotes, txtNotes})
        w->setVisible(false);

    auto* options = new QGridLayout(fraNotes);
    int row = 0;
    for (const auto& [box, field] : std::initializer_list<std::pair<QCheckBox*, QWidget*>>{
             {chkOverrideMarkup, txtOverrideMarkup},
             {chkDeliveryCharge, txtDeliveryCharge},
             {chkStateTax, txtStateTax},
             {chkExpirationDate, cboExpirationDate},
             {chkBlueprintDate, txtBlueprintDate}}) {
        options->addWidget(box, row, 0);
        options->addWidget(field, row, 1);
        ++row;
    }
    // Only as wide as its caption: a click beside it would not tick it.
    options->addWidget(chkCustomNote, row++, 0, 1, 2, Qt::AlignLeft);
    options->addWidget(lblNotes, row++, 0, 1, 2);
    options->addWidget(txtNotes, row++, 0, 1, 2);
    options->setColumnStretch(1, 1);
    options->setRowStretch(row, 1);

    cmdPrintPreview = new QPushButton(QStringLiteral("Print Preview"), this);
    named(cmdPrintPreview, "cmdPrintPreview");
    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    named(cmdPrint, "cmdPrint");

    installNumberBox(txtOverrideMarkup);
    installNumberBox(txtDeliveryCharge);
    installNumberBox(txtStateTax);
    // The blueprint date is free text without apostrophes.
    selectAllOnFocus(txtBlueprintDate);
    installKeyFilter(txtBlueprintDate, [](int code) { return code == 39 ? 0 : code; },
                     [](const QString& text) {
                         QString s = text;
                         return s.remove(QLatin1Char('\''));
                     });
    selectAllOnFocus(txtNotes);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame1);
    top->addWidget(grdWallReportOptions, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPrintPreview);
    buttons->addWidget(cmdPrint);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top, 1);
    layout->addWidget(fraNotes);
    layout->addLayout(buttons);
    resize(720, 520);
}

void frmDorvPrintOptions::connectHandlers()
{
    connect(cmdPrintPreview, &QPushButton::clicked, this, &frmDorvPrintOptions::cmdPrintPreview_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDorvPrintOptions::cmdPrint_Click);
    connect(subMnuSaveDoc, &QAction::triggered, this, &frmDorvPrintOptions::subMnuSaveDoc_Click);
    connect(chkOverrideMarkup, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkOverrideMarkup_Click);
    connect(chkDeliveryCharge, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkDeliveryCharge_Click);
    connect(chkStateTax, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkStateTax_Click);
    connect(chkExpirationDate, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkExpirationDate_Click);
    connect(chkBlueprintDate, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkBlueprintDate_Click);
    connect(chkCustomNote, &QCheckBox::clicked, this, &frmDorvPrintOptions::chkCustomNote_Click);
}

void frmDorvPrintOptions::guard(const std::function<void()>& handler)
{
    auto show = [this](long number, const QString& text) {
        try {
            messageBox(errorMessageText(number, text), appTitle(), MsgButtons::Ok, MsgIcon::Critical);
        } catch (...) {
            // Nothing is left to tell the user with; Qt must not see it.
        }
    };
    try {
        handler();
    } catch (const AppError& e) {
        show(e.number(), e.description());
    } catch (const std::bad_alloc&) {
        show(7, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        show(51, QString::fromUtf8(e.what()));
    } catch (...) {
        show(51, QStringLiteral("Internal error"));
    }
}

// ---------------------------------------------------------------------------
// Load

void frmDorvPrintOptions::Form_Load()
{
    setWindowTitle(appTitle() + QStringLiteral(" [Print Options]"));

    cboExpirationDate->removeAll();
    for (const char* days : {"30", "60", "90"})
        cboExpirationDate->addRowFields({QLatin1String(days), QLatin1String(days) + QStringLiteral(" Days")});
    cboExpirationDate->setColumnValue(0, QStringLiteral("30"));
    cboExpirationDate->setColumnValue(1, QStringLiteral("30 Days"));
    cboExpirationDate->setText(QStringLiteral("30 Days"));

    FillWallReportGrid();

    // The selected profile's markup and delivery charge; the tax rate of
    // the state of the first wall stored. A missing row leaves its boxes
    // empty.
    {
        PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT * FROM Customer_ProfileID WHERE ID = ?"));
        st.bind(1, static_cast<long long>(projectView().selectedProfileID()));
        Recordset rs = DbConnection.query(st);
        if (!rs.eof()) {
            txtOverrideMarkup->setText(rs.field(QStringLiteral("Markup")).toText());
            txtDeliveryCharge->setText(rs.field(QStringLiteral("DeliveryCharge")).toText());
        }
    }
    {
        Recordset wall =
            DbConnection.query(QStringLiteral("SELECT RoofLoadingID FROM General_Information ORDER BY rowid LIMIT 1"));
        const Value loadingID = wall.eof() ? Value::null() : wall.field(0);
        wall.close();
        if (!loadingID.isNull()) {
            PreparedStatement& st = DbConnection.cached(QStringLiteral("SELECT StateTax FROM Roof_Loading WHERE ID = ?"));
            st.bind(1, loadingID);
            Recordset rs = DbConnection.query(st);
            if (!rs.eof())
                txtStateTax->setText(rs.field(QStringLiteral("StateTax")).toText());
        }
    }

    chkDeliveryCharge->setChecked(true);
    chkDeliveryCharge_Click();
    chkDetailedReport->setChecked(true);
    chkExpirationDate->setChecked(true);
    chkExpirationDate_Click();
    chkStateTax->setChecked(true);
    chkStateTax_Click();
    chkSummaryReport->setChecked(true);
}

void frmDorvPrintOptions::FillWallReportGrid()
{
    // Each row carries its wall's key beside the number.
    std::map<qulonglong, std::array<bool, 3>> ticks;
    for (int r = 0; r < wallRowCount(); ++r)
        for (int w = 0; w < 3; ++w)
            ticks[grdWallReportOptions->item(r, WallIDColumn)->data(Qt::UserRole).toULongLong()]
                 [static_cast<size_t>(w)] = widthTicked(r, w);
    grdWallReportOptions->removeAll();
    ProjectView& view = projectView();
    for (int r = 0; r < view.wallGridRowCount(); ++r) {
        if (view.wallGridCell(r, 2) != QLatin1String("Yes"))
            continue;
        const QString id = view.wallGridCell(r, 0);
        bool whole = false;
        const short number = id.toShort(&whole);
        // A row without a wall number follows no wall and keeps no ticks.
        const qulonglong key = whole ? WallStore::wallKey(number) : 0;
        const auto kept = ticks.find(key);
        grdWallReportOptions->addRowFields({id, view.wallGridCell(r, 1)});
        const int row = grdWallReportOptions->rows() - 1;
        grdWallReportOptions->item(row, WallIDColumn)->setData(Qt::UserRole, key);
        for (int c = FirstWidthColumn; c < FirstWidthColumn + 3; ++c) {
            QTableWidgetItem* cell = grdWallReportOptions->item(row, c);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            const bool ticked = key != 0 && kept != ticks.end() && kept->second[static_cast<size_t>(c - FirstWidthColumn)];
            cell->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void frmDorvPrintOptions::ProjectChanged()
{
    if (!drawing_)
        guard([this] { FillWallReportGrid(); });
}

// ---------------------------------------------------------------------------
// Option boxes: each shows its companion controls while it is ticked.

void frmDorvPrintOptions::chkOverrideMarkup_Click() { txtOverrideMarkup->setVisible(chkOverrideMarkup->isChecked()); }
void frmDorvPrintOptions::chkDeliveryCharge_Click() { txtDeliveryCharge->setVisible(chkDeliveryCharge->isChecked()); }
void frmDorvPrintOptions::chkStateTax_Click() { txtStateTax->setVisible(chkStateTax->isChecked()); }
void frmDorvPrintOptions::chkExpirationDate_Click() { cboExpirationDate->setVisible(chkExpirationDate->isChecked()); }
void frmDorvPrintOptions::chkBlueprintDate_Click() { txtBlueprintDate->setVisible(chkBlueprintDate->isChecked()); }

void frmDorvPrintOptions::chkCustomNote_Click()
{
    txtNotes->setVisible(chkCustomNote->isChecked());
    lblNotes->setVisible(chkCustomNote->isChecked());
}

// ---------------------------------------------------------------------------
// The three commands

void frmDorvPrintOptions::cmdPrintPreview_Click()
{
    guard([this] { printReportsTo(Output::Preview); });
}

void frmDorvPrintOptions::cmdPrint_Click()
{
    guard([this] { printReportsTo(Output::Printer); });
}

void frmDorvPrintOptions::subMnuSaveDoc_Click()
{
    guard([this] { printReportsTo(Output::File); });
}

bool frmDorvPrintOptions::numberBoxesPass()
{
    // Every ticked box is checked, each failure with its own message,
    // before the command gives up.
    bool pass = true;
    if (overrideMarkupTicked() && !readsAsNumber(overrideMarkupText())) {
        messageBox(kMarkupFormat, kFormatTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        pass = false;
    }
    if (deliveryChargeTicked() && !readsAsMoney(deliveryChargeText())) {
        messageBox(kDeliveryFormat, kFormatTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        pass = false;
    }
    if (stateTaxTicked() && !readsAsNumber(stateTaxText())) {
        messageBox(kStateTaxFormat, kFormatTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        pass = false;
    }
    return pass;
}

void frmDorvPrintOptions::printReportsTo(Output output)
{
    ReportPrinted = false;

    // The window can outlive the comparison it was opened on.
    if (projectView().comparisonRowCount() == 0) {
        messageBox(kNothingToPrint, kInformation, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (!numberBoxesPass())
        return;

    const int rows = wallRowCount();
    int itemizedTicks = 0;
    if (itemizedReport())
        for (int r = 0; r < rows; ++r)
            for (int w = 0; w < 3; ++w)
                itemizedTicks += widthTicked(r, w) ? 1 : 0;

    // The quote needs exactly one width for every wall.
    QString quoteList;
    if (projectQuote()) {
        for (int r = 0; r < rows; ++r) {
            int ticks = 0;
            for (int w = 0; w < 3; ++w)
                ticks += widthTicked(r, w) ? 1 : 0;
            if (ticks == 1)
                continue;
            if (quoteList.isEmpty())
                quoteList = QStringLiteral("You must select 1 wall width choice to quote for wall system '") +
                            wallRowName(r) + QLatin1Char('\'');
            else
                quoteList += QStringLiteral(", '") + wallRowName(r) + QLatin1Char('\'');
        }
        if (!quoteList.isEmpty())
            quoteList += QLatin1Char('.');
    }
    const bool quotePasses = projectQuote() && quoteList.isEmpty();

    if (!summaryReport() && !detailedReport() && !itemizedReport() && !projectQuote()) {
        messageBox(kNoReportType, kInformation, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    if (itemizedReport() && itemizedTicks == 0)
        messageBox(kNoItemizedWalls, kInformation, MsgButtons::Ok, MsgIcon::Information);

    if (summaryReport() || detailedReport() || (itemizedReport() && itemizedTicks > 0) || quotePasses)
        drawInTransaction(quotePasses);

    if (projectQuote() && !quotePasses)
        messageBox(quoteList, kInformation, MsgButtons::Ok, MsgIcon::Information);

    if (!ReportPrinted)
        return;
    switch (output) {
    case Output::Preview: showPreview(); break;
    case Output::Printer: printDocument(); break;
    case Output::File: {
        const QString path = chooseDocumentFile();
        if (!path.isEmpty())
            writeDocument(path);
        break;
    }
    }
}

void frmDorvPrintOptions::drawInTransaction(bool includeQuote)
{
    ProjectView& view = projectView();
    std::vector<QStringList> comparison;
    for (int r = 0; r < view.comparisonRowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < 5; ++c)
            fields << view.comparisonCell(r, c);
        comparison.push_back(fields);
    }
    const std::int16_t currentWall = CurrentWallID;

    struct Drawing {
        bool& flag;
        explicit Drawing(bool& f) : flag(f) { flag = true; }
        ~Drawing() { flag = false; }
    } drawing(drawing_);
    Transaction transaction(DbConnection);
    try {
        drawReports(includeQuote);
        transaction.commit();
    } catch (...) {
        // The transaction rolls the totals back as it goes; the comparison
        // on screen and the current wall are put back here.
        ReportPrinted = false;
        CurrentWallID = currentWall;
        view.comparisonClear();
        for (const QStringList& fields : comparison)
            view.comparisonAddRow(fields);
        throw;
    }
}

// ---------------------------------------------------------------------------
// Seams

MsgResult frmDorvPrintOptions::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    return execMessageBox(this, text, title, buttons, icon);
}

void frmDorvPrintOptions::drawReports(bool includeQuote) { PrintReports(*this, includeQuote); }

void frmDorvPrintOptions::showPreview() { frmDorvPrintPreview::instance().showModeless(); }

// The preview may still show an older document: no current page to offer.
void frmDorvPrintOptions::printDocument() { frmDorvPrintPreview::instance().printDocument(0); }

QString frmDorvPrintOptions::chooseDocumentFile()
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Save as Document"), ProjectsFolder(),
                                        QStringLiteral("PDF files (*.pdf)"));
}

void frmDorvPrintOptions::writeDocument(const QString& path)
{
    QString file = path;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    SetReportPrinter().writePdf(file);
}

// ---------------------------------------------------------------------------
// ReportOptions

bool frmDorvPrintOptions::summaryReport() const { return chkSummaryReport->isChecked(); }
bool frmDorvPrintOptions::detailedReport() const { return chkDetailedReport->isChecked(); }
bool frmDorvPrintOptions::itemizedReport() const { return chkItemizedReport->isChecked(); }
bool frmDorvPrintOptions::projectQuote() const { return chkProjectQuote->isChecked(); }
int frmDorvPrintOptions::wallRowCount() const { return grdWallReportOptions->rows(); }
QString frmDorvPrintOptions::wallRowID(int row) const { return grdWallReportOptions->cellText(row, WallIDColumn); }
QString frmDorvPrintOptions::wallRowName(int row) const { return grdWallReportOptions->cellText(row, WallNameColumn); }

bool frmDorvPrintOptions::widthTicked(int row, int width) const
{
    if (row < 0 || row >= wallRowCount() || width < 0 || width > 2)
        return false;
    const QTableWidgetItem* cell = grdWallReportOptions->item(row, FirstWidthColumn + width);
    return cell && cell->checkState() == Qt::Checked;
}

void frmDorvPrintOptions::setWidthTicked(int row, int width, bool ticked)
{
    if (row < 0 || row >= wallRowCount() || width < 0 || width > 2)
        return;
    if (QTableWidgetItem* cell = grdWallReportOptions->item(row, FirstWidthColumn + width))
        cell->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool frmDorvPrintOptions::overrideMarkupTicked() const { return chkOverrideMarkup->isChecked(); }
QString frmDorvPrintOptions::overrideMarkupText() const { return txtOverrideMarkup->text(); }
bool frmDorvPrintOptions::deliveryChargeTicked() const { return chkDeliveryCharge->isChecked(); }
QString frmDorvPrintOptions::deliveryChargeText() const { return txtDeliveryCharge->text(); }
bool frmDorvPrintOptions::stateTaxTicked() const { return chkStateTax->isChecked(); }
QString frmDorvPrintOptions::stateTaxText() const { return txtStateTax->text(); }
bool frmDorvPrintOptions::expirationDateTicked() const { return chkExpirationDate->isChecked(); }
QString frmDorvPrintOptions::expirationDays() const { return cboExpirationDate->columnValue(0); }
QString frmDorvPrintOptions::expirationText() const { return cboExpirationDate->text(); }
bool frmDorvPrintOptions::blueprintDateTicked() const { return chkBlueprintDate->isChecked(); }
QString frmDorvPrintOptions::blueprintDateText() const { return txtBlueprintDate->text(); }
bool frmDorvPrintOptions::customNoteTicked() const { return chkCustomNote->isChecked(); }
QString frmDorvPrintOptions::notesText() const { return txtNotes->text(); }

}  // namespace dv
