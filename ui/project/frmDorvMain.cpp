#include "ui/project/frmDorvMain.h"
#include "core/app_state.h"
#include "core/sql_literals.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace dv {

QString appTitle() { return QStringLiteral("Dorvane"); }
QString appVersionText() { return QStringLiteral("1.0.0"); }

namespace {

QTableWidget* makeGrid(const QStringList& headers, QWidget* parent)
{
    auto* g = new QTableWidget(0, headers.size(), parent);
    g->setHorizontalHeaderLabels(headers);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->setVisible(false);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void addRow(QTableWidget* g, const QString& rowText)
{
    const QStringList fields = splitRowText(rowText);
    const int r = g->rowCount();
    g->insertRow(r);
    for (int c = 0; c < fields.size() && c < g->columnCount(); ++c)
        g->setItem(r, c, new QTableWidgetItem(fields[c]));
}

QString cell(const QTableWidget* g, int row, int column)
{
    if (row < 0 || row >= g->rowCount() || column < 0 || column >= g->columnCount())
        return QString();
    const QTableWidgetItem* it = g->item(row, column);
    return it ? it->text() : QString();
}

}  // namespace

frmDorvMain::frmDorvMain(QWidget* parent) : QMainWindow(parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* names = new QFormLayout;
    txtProjectName = new QLineEdit(central);
    txtBuilderName = new QLineEdit(central);
    names->addRow(QStringLiteral("Project Name:"), txtProjectName);
    names->addRow(QStringLiteral("Customer Name:"), txtBuilderName);
    layout->addLayout(names);

    auto* pricing = new QGroupBox(QStringLiteral("Pricing"), central);
    auto* pl = new QHBoxLayout(pricing);
    cboCustomerProfile = new QComboBox(pricing);
    optDefaultPricingProfile = new QRadioButton(QStringLiteral("Default Pricing"), pricing);
    optCustomerPricingProfile = new QRadioButton(QStringLiteral("Customer Pricing"), pricing);
    optCustomerPricingProfile->setChecked(true);
    chkPricingMarkup = new QCheckBox(QStringLiteral("Apply Markup"), pricing);
    pl->addWidget(new QLabel(QStringLiteral("Customer Profile:"), pricing));
    pl->addWidget(cboCustomerProfile, 1);
    pl->addWidget(optDefaultPricingProfile);
    pl->addWidget(optCustomerPricingProfile);
    pl->addWidget(chkPricingMarkup);
    layout->addWidget(pricing);

    grdWallSystemInformation = makeGrid({QStringLiteral("ID"), QStringLiteral("Wall System"), QStringLiteral("Complete")}, central);
    grdComparisonInformation = makeGrid({QStringLiteral("ID"), QStringLiteral("Wall System"), QStringLiteral("2 x 6"),
                                         QStringLiteral("2 x 8"), QStringLiteral("2 x 10")}, central);
    layout->addWidget(new QLabel(QStringLiteral("Wall Systems"), central));
    layout->addWidget(grdWallSystemInformation, 1);
    layout->addWidget(new QLabel(QStringLiteral("Comparison"), central));
    layout->addWidget(grdComparisonInformation, 1);
    setCentralWidget(central);
    resize(900, 650);
    Form_Load();
}

frmDorvMain::~frmDorvMain()
{
    if (hasProjectView() && &projectView() == static_cast<ProjectView*>(this))
        setProjectView(nullptr);
}

void frmDorvMain::Form_Load()
{
    setWindowTitle(appTitle() + QStringLiteral(" ") + appVersionText());
    cboCustomerProfile->clear();
    if (DbConnection.isOpen()) {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT ID, CustomerProfileName FROM Customer_ProfileID ORDER BY CustomerProfileName"));
        while (!rs.eof()) {
            cboCustomerProfile->addItem(RestoreQuotes(rs.field(1).toText()), rs.field(0).toInt32());
            rs.moveNext();
        }
    }
    setSelectedProfile(1, QStringLiteral("Default"));
    comparisonClear();
}

void frmDorvMain::closeEvent(QCloseEvent* e)
{
    DbConnection.close();
    QApplication::processEvents();
    e->accept();
    qApp->closeAllWindows();
}

void frmDorvMain::wallGridClear() { grdWallSystemInformation->setRowCount(0); }
void frmDorvMain::wallGridAddRow(const QString& rowText) { addRow(grdWallSystemInformation, rowText); }
int frmDorvMain::wallGridRowCount() const { return grdWallSystemInformation->rowCount(); }
QString frmDorvMain::wallGridCell(int row, int column) const { return cell(grdWallSystemInformation, row, column); }

void frmDorvMain::setSelectedProfile(int profileID, const QString& name)
{
    int idx = cboCustomerProfile->findData(profileID);
    if (idx < 0) {
        cboCustomerProfile->addItem(name, profileID);
        idx = cboCustomerProfile->count() - 1;
    }
    cboCustomerProfile->setCurrentIndex(idx);
}

int frmDorvMain::selectedProfileID() const
{
    const QVariant v = cboCustomerProfile->currentData();
    return v.isValid() ? v.toInt() : 1;
}

QString frmDorvMain::selectedProfileName() const { return cboCustomerProfile->currentText(); }
bool frmDorvMain::defaultPricingSelected() const { return optDefaultPricingProfile->isChecked(); }
int frmDorvMain::pricingMarkupValue() const { return chkPricingMarkup->isChecked() ? 1 : 0; }
void frmDorvMain::comparisonClear() { grdComparisonInformation->setRowCount(0); }
void frmDorvMain::comparisonAddRow(const QString& rowText) { addRow(grdComparisonInformation, rowText); }
int frmDorvMain::comparisonRowCount() const { return grdComparisonInformation->rowCount(); }
QString frmDorvMain::comparisonCell(int row, int column) const { return cell(grdComparisonInformation, row, column); }
QString frmDorvMain::projectName() const { return txtProjectName->text(); }
void frmDorvMain::setProjectName(const QString& s) { txtProjectName->setText(s); }
QString frmDorvMain::builderName() const { return txtBuilderName->text(); }
void frmDorvMain::setBuilderName(const QString& s) { txtBuilderName->setText(s); }

MsgResult frmDorvMain::messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(this);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Cancel: return MsgResult::Cancel;
    default: return MsgResult::Ok;
    }
}

void frmDorvMain::closePleaseWait() {}
void frmDorvMain::showValidationResults() {}

}  // namespace dv
