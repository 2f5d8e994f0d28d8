#pragma once
// The report options window: which reports to draw, the wall width to quote
// or itemize for each complete wall, and the optional figures and notes of
// the reports. Print Preview checks the choices, has the reports drawn and
// shows the preview; Print prints the same document and File, Save as
// Document writes it as PDF. The reports read the choices through
// ReportOptions while they draw.
#include "core/project_view.h"
#include "reports/report_options.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QAction;
class QPushButton;

namespace dv {

class DataCombo;
class DataGrid;

class frmDorvPrintOptions : public QDialog, public ReportOptions {
    Q_OBJECT
public:
    // Columns of the wall grid.
    enum { WallIDColumn = 0, WallNameColumn = 1, FirstWidthColumn = 2 };

    explicit frmDorvPrintOptions(QWidget* owner = nullptr);
    ~frmDorvPrintOptions() override;

    // ReportOptions
    bool summaryReport() const override;
    bool detailedReport() const override;
    bool itemizedReport() const override;
    bool projectQuote() const override;
    int wallRowCount() const override;
    QString wallRowID(int row) const override;
    QString wallRowName(int row) const override;
    bool widthTicked(int row, int width) const override;
    bool overrideMarkupTicked() const override;
    QString overrideMarkupText() const override;
    bool deliveryChargeTicked() const override;
    QString deliveryChargeText() const override;
    bool stateTaxTicked() const override;
    QString stateTaxText() const override;
    bool expirationDateTicked() const override;
    QString expirationDays() const override;
    QString expirationText() const override;
    bool blueprintDateTicked() const override;
    QString blueprintDateText() const override;
    bool customNoteTicked() const override;
    QString notesText() const override;

    // Ticks or clears a width cell (width 0, 1, 2 for 2x6, 2x8, 2x10).
    void setWidthTicked(int row, int width, bool ticked);

    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* subMnuSaveDoc = nullptr;

    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkSummaryReport = nullptr;
    QCheckBox* chkDetailedReport = nullptr;
    QCheckBox* chkItemizedReport = nullptr;
    QCheckBox* chkProjectQuote = nullptr;
    DataGrid* grdWallReportOptions = nullptr;

    QGroupBox* fraNotes = nullptr;
    QCheckBox* chkOverrideMarkup = nullptr;
    QLineEdit* txtOverrideMarkup = nullptr;
    QCheckBox* chkDeliveryCharge = nullptr;
    QLineEdit* txtDeliveryCharge = nullptr;
    QCheckBox* chkStateTax = nullptr;
    QLineEdit* txtStateTax = nullptr;
    QCheckBox* chkExpirationDate = nullptr;
    DataCombo* cboExpirationDate = nullptr;
    QCheckBox* chkBlueprintDate = nullptr;
    QLineEdit* txtBlueprintDate = nullptr;
    QCheckBox* chkCustomNote = nullptr;
    QLabel* lblNotes = nullptr;
    QLineEdit* txtNotes = nullptr;

    QPushButton* cmdPrintPreview = nullptr;
    QPushButton* cmdPrint = nullptr;

    // Every handler below catches its own errors and shows them.
public slots:
    void cmdPrintPreview_Click();
    void cmdPrint_Click();
    void subMnuSaveDoc_Click();

    void chkOverrideMarkup_Click();
    void chkDeliveryCharge_Click();
    void chkStateTax_Click();
    void chkExpirationDate_Click();
    void chkBlueprintDate_Click();
    void chkCustomNote_Click();

protected:
    // Seams a test replaces: message boxes, the drawing of the reports, and
    // what is done with the finished document.
    virtual MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None);
    // Draws the ticked reports as one new document.
    virtual void drawReports(bool includeQuote);
    // Shows the preview window modeless.
    virtual void showPreview();
    // Prints the last drawn document through the print dialog.
    virtual void printDocument();
    // The file to write the document to; empty when the user cancelled.
    virtual QString chooseDocumentFile();
    // Writes the last drawn document as PDF.
    virtual void writeDocument(const QString& path);

private:
    // What the three buttons do with a document drawn after the checks.
    enum class Output { Preview, Printer, File };

    void buildWindow();
    void connectHandlers();
    void guard(const std::function<void()>& handler);
    void Form_Load();
    // Lists the project's complete walls. A wall keeps its ticks while it is
    // the same wall (by its key, not its number); a new one starts unticked.
    void FillWallReportGrid();
    // Told of every change to the wall list or the comparison: the rows
    // follow the project's walls again. The window's own drawing, which
    // re-prices the same walls, leaves them alone.
    void ProjectChanged();
    // The checks, the drawing and the messages of the three commands.
    void printReportsTo(Output output);
    // The number checks of the ticked boxes; false when one failed.
    bool numberBoxesPass();
    // PrintReports with its re-pricing in one transaction: a failure leaves
    // the totals, the comparison and the current wall as they were.
    void drawInTransaction(bool includeQuote);

    bool drawing_ = false;
    int subscription_ = 0;
};

}  // namespace dv
