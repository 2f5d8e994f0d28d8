// The report options window: its load, option boxes, key filters, and the
// checks and messages of its three commands, with the drawing recorded.
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "reports/frmDorvPrintOptions.h"
#include "reports/frmDorvPrintPreview.h"
#include "ui/profiles/frmDorvEditProducts.h"
#include "tests/test_support.h"
#include "ui/common/app_info.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

using dv::MsgButtons;
using dv::MsgResult;

struct Message {
    QString text, title;
};

class TestOptions : public dv::frmDorvPrintOptions {
public:
    std::vector<Message> messages;
    std::vector<bool> draws;  // includeQuote of each drawing
    int previews = 0, prints = 0;
    QStringList written;
    QString chosenFile;
    std::function<void(bool)> drawInstead;

    // The window's own file dialog, not the test's answer.
    QString askForDocumentFile() { return frmDorvPrintOptions::chooseDocumentFile(); }

    dv::MsgResult messageBox(const QString& text, const QString& title, MsgButtons, dv::MsgIcon) override
    {
        messages.push_back({text, title});
        return MsgResult::Ok;
    }

protected:
    void drawReports(bool includeQuote) override
    {
        draws.push_back(includeQuote);
        if (drawInstead)
            drawInstead(includeQuote);
        dv::ReportPrinted = true;
    }
    void showPreview() override { ++previews; }
    void printDocument() override { ++prints; }
    QString chooseDocumentFile() override { return chosenFile; }
    void writeDocument(const QString& path) override { written << path; }
};

const QString kMarkupMsg = QStringLiteral(
    "Please check your 'Override Markup' input for proper formatting.  You must format your input as a number.");
const QString kDeliveryMsg = QStringLiteral(
    "Please check your 'Delivery Charge' input for proper formatting.  You must format your input as currency.");
const QString kTaxMsg = QStringLiteral(
    "Please check your 'State Tax' input for proper formatting.  You must format your input as a number.");
const QString kTypeMsg = QStringLiteral("You must select a report type to print.");
const QString kItemizedMsg = QStringLiteral("You must select one or more wall system's to print an itemized report for.");

class ReportOptionsWindowTest : public dvtest::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        dv::ReportPrinted = false;
        addEaveWall(1, QStringLiteral("North"), 10, 20, 24, QStringLiteral("EXPOSURE B"), 6);
        addEaveWall(3, QStringLiteral("South"), 10, 20, 24, QStringLiteral("EXPOSURE B"), 1);
        view.wallRows = {{"1", "North", "Yes"}, {"2", "Draft", "No"}, {"3", "South", "Yes"}};
        view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
        w = std::make_unique<TestOptions>();
    }
    void TearDown() override
    {
        w.reset();
        dv::ReportPrinted = false;
        DbTest::TearDown();
    }
    QStringList texts() const
    {
        QStringList t;
        for (const Message& m : w->messages)
            t << m.text;
        return t;
    }
    std::unique_ptr<TestOptions> w;
};

TEST_F(ReportOptionsWindowTest, LoadsItsDefaults)
{
    EXPECT_EQ(w->windowTitle(), dv::appTitle() + " [Print Options]");
    EXPECT_EQ((QStringList{w->Frame1->title(), w->fraNotes->title(), w->subMnuSaveDoc->text(), w->lblNotes->text(),
                           w->grdWallReportOptions->horizontalHeaderItem(4)->text()}),
              (QStringList{"Report Options", "Summary Options", "&Save as Document", "Custom Report Notes:", "2x10 Wall"}));
    // Summary and detailed; delivery, tax and expiration ticked.
    EXPECT_EQ((std::vector<bool>{w->summaryReport(), w->detailedReport(), w->itemizedReport(), w->projectQuote(),
                                 w->overrideMarkupTicked(), w->deliveryChargeTicked(), w->stateTaxTicked(),
                                 w->expirationDateTicked(), w->blueprintDateTicked(), w->customNoteTicked()}),
              (std::vector<bool>{true, true, false, false, false, true, true, true, false, false}));
    // Markup and delivery of the Default profile; the tax of the first
    // wall's state (Texas), not of a later wall's.
    EXPECT_EQ((QStringList{w->overrideMarkupText(), w->deliveryChargeText(), w->stateTaxText(), w->expirationText(),
                           w->expirationDays(), w->cboExpirationDate->rowValue(2, 1)}),
              (QStringList{"10", "95", "6.25", "30 Days", "30", "90 Days"}));
    EXPECT_EQ(w->cboExpirationDate->rows(), 3);

    // Complete walls only, in the wall list's order, nothing ticked.
    ASSERT_EQ(w->wallRowCount(), 2);
    EXPECT_EQ(w->wallRowID(0), "1");
    EXPECT_EQ(w->wallRowName(1), "South");
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_FALSE(w->widthTicked(r, c));
}

TEST_F(ReportOptionsWindowTest, OptionBoxesShowAndHideWithoutClearing)
{
    const std::pair<QCheckBox*, QWidget*> pairs[] = {
        {w->chkOverrideMarkup, w->txtOverrideMarkup}, {w->chkDeliveryCharge, w->txtDeliveryCharge},
        {w->chkStateTax, w->txtStateTax},             {w->chkExpirationDate, w->cboExpirationDate},
        {w->chkBlueprintDate, w->txtBlueprintDate},   {w->chkCustomNote, w->txtNotes},
        {w->chkCustomNote, w->lblNotes}};
    for (const auto& [box, field] : pairs) {
        SCOPED_TRACE(box->objectName().toStdString());
        const bool was = box->isChecked();
        EXPECT_EQ(field->isHidden(), !was);  // as loaded
        box->click();
        EXPECT_EQ(field->isHidden(), was);
        box->click();
        EXPECT_EQ(field->isHidden(), !was);
    }
    w->chkDeliveryCharge->click();
    EXPECT_EQ(w->txtDeliveryCharge->text(), "95");
}

TEST_F(ReportOptionsWindowTest, BoxesFilterTypedAndPastedText)
{
    w->txtOverrideMarkup->clear();
    QTest::keyClicks(w->txtOverrideMarkup, QStringLiteral("1a-2.5e"));
    EXPECT_EQ(w->txtOverrideMarkup->text(), QStringLiteral("12.5"));
    w->txtBlueprintDate->clear();
    QTest::keyClicks(w->txtBlueprintDate, QStringLiteral("Jan '24"));
    EXPECT_EQ(w->txtBlueprintDate->text(), QStringLiteral("Jan 24"));

    QApplication::clipboard()->setText(QStringLiteral("$1,234.50"));
    DV_NEED(QApplication::clipboard()->text() == QStringLiteral("$1,234.50"), "a clipboard");
    w->txtDeliveryCharge->clear();
    QTest::keySequence(w->txtDeliveryCharge, QKeySequence::Paste);
    EXPECT_EQ(w->txtDeliveryCharge->text(), QStringLiteral("$1,234.50"));  // as it stands, for the print's check
    QApplication::clipboard()->setText(QStringLiteral("O'Neil's"));
    w->txtBlueprintDate->clear();
    QTest::keySequence(w->txtBlueprintDate, QKeySequence::Paste);
    EXPECT_EQ(w->txtBlueprintDate->text(), QStringLiteral("ONeils"));
}

// One case of Print Preview: the setting, the messages in order, the
// drawings (includeQuote each) and whether the preview shows.
struct PreviewCase {
    const char* name;
    std::function<void(TestOptions&)> set;
    QStringList messages;
    std::vector<bool> draws;
    bool preview;
};

TEST_F(ReportOptionsWindowTest, PrintPreviewChecksInOrder)
{
    const QString quote = QStringLiteral("You must select 1 wall width choice to quote for wall system ");
    auto only = [](TestOptions& o, QCheckBox* keep) {
        for (QCheckBox* b : {o.chkSummaryReport, o.chkDetailedReport, o.chkItemizedReport, o.chkProjectQuote})
            b->setChecked(b == keep);
    };
    const PreviewCase cases[] = {
        {"defaults", [](TestOptions&) {}, {}, {false}, true},
        {"bad markup ticked",
         [](TestOptions& o) {
             o.chkOverrideMarkup->setChecked(true);
             o.txtOverrideMarkup->setText("1..5");
         },
         {kMarkupMsg}, {}, false},
        {"bad markup not ticked", [](TestOptions& o) { o.txtOverrideMarkup->setText("1..5"); }, {}, {false}, true},
        {"every box fails, each its own message",
         [](TestOptions& o) {
             o.chkOverrideMarkup->setChecked(true);
             o.txtOverrideMarkup->setText(".");
             o.txtDeliveryCharge->clear();
             o.txtStateTax->setText("1..5");
         },
         {kMarkupMsg, kDeliveryMsg, kTaxMsg}, {}, false},
        {"delivery beyond the money range", [](TestOptions& o) { o.txtDeliveryCharge->setText("9999999999999999"); },
         {kDeliveryMsg}, {}, false},
        {"unticked boxes are not checked",
         [](TestOptions& o) {
             o.chkDeliveryCharge->setChecked(false);
             o.txtDeliveryCharge->clear();
             o.chkStateTax->setChecked(false);
             o.txtStateTax->setText("..");
         },
         {}, {false}, true},
        {"no report ticked", [only](TestOptions& o) { only(o, nullptr); }, {kTypeMsg}, {}, false},
        {"empty comparison", [this](TestOptions&) { view.comparisonRows.clear(); }, {"There is no information to print."}, {},
         false},
        {"itemized alone without a width", [only](TestOptions& o) { only(o, o.chkItemizedReport); }, {kItemizedMsg}, {}, false},
        {"itemized with a width",
         [only](TestOptions& o) {
             only(o, o.chkItemizedReport);
             o.setWidthTicked(1, 2, true);
         },
         {}, {false}, true},
        {"itemized without a width beside the summary", [](TestOptions& o) { o.chkItemizedReport->setChecked(true); },
         {kItemizedMsg}, {false}, true},
        {"quote with one wall unticked",
         [](TestOptions& o) {
             o.chkProjectQuote->setChecked(true);
             o.setWidthTicked(0, 0, true);
         },
         {quote + "'South'."}, {false}, true},
        {"quote alone with walls of two and of no widths",
         [only](TestOptions& o) {
             only(o, o.chkProjectQuote);
             o.setWidthTicked(0, 0, true);
             o.setWidthTicked(0, 1, true);
         },
         {quote + "'North', 'South'."}, {}, false},
        {"quote with one width each",
         [only](TestOptions& o) {
             only(o, o.chkProjectQuote);
             o.setWidthTicked(0, 1, true);
             o.setWidthTicked(1, 2, true);
         },
         {}, {true}, true},
    };
    for (const PreviewCase& c : cases) {
        SCOPED_TRACE(c.name);
        view.comparisonRows = {{"1", "North", "$1.00/$0.00", "$2.00/$0.00", "$3.00/$0.00"}};
        w = std::make_unique<TestOptions>();
        c.set(*w);
        w->cmdPrintPreview->click();
        EXPECT_EQ(texts(), c.messages);
        for (const Message& m : w->messages)
            EXPECT_EQ(m.title, m.text.startsWith("Please check") ? "Improper Input Format" : "Information");
        EXPECT_EQ(w->draws, c.draws);
        EXPECT_EQ(w->previews, c.preview ? 1 : 0);
        EXPECT_EQ(dv::ReportPrinted, c.preview);
    }
}

TEST_F(ReportOptionsWindowTest, PrintAndSaveRunTheSameChecksThenTheirOutput)
{
    w->chkOverrideMarkup->setChecked(true);
    w->txtOverrideMarkup->clear();
    w->cmdPrint->click();
    w->subMnuSaveDoc->trigger();
    EXPECT_EQ(texts(), QStringList({kMarkupMsg, kMarkupMsg}));
    EXPECT_TRUE(w->draws.empty());

    w->messages.clear();
    w->txtOverrideMarkup->setText("15");
    w->cmdPrint->click();
    EXPECT_EQ(w->prints, 1);
    w->subMnuSaveDoc->trigger();  // cancelled file dialog
    w->chosenFile = dir.filePath("report.pdf");
    w->subMnuSaveDoc->trigger();
    EXPECT_EQ(w->written, QStringList({w->chosenFile}));
    EXPECT_EQ(w->draws.size(), 3u);
    EXPECT_EQ(w->previews, 0);
    EXPECT_TRUE(w->messages.empty());
}

TEST_F(ReportOptionsWindowTest, FailedDrawingLeavesTotalsAndComparisonAsTheyWere)
{
    exec(QStringLiteral("UPDATE Project_Information SET Total6 = 7 WHERE ID = 1"));
    dv::CurrentWallID = 3;
    w->drawInstead = [this](bool) {
        exec(QStringLiteral("UPDATE Project_Information SET Total6 = 99"));
        view.comparisonClear();
        dv::CurrentWallID = 1;
        throw dv::AppError(3021, QStringLiteral("No current record."));
    };
    w->cmdPrintPreview->click();
    EXPECT_EQ(texts(), QStringList({"Error 3021: No current record."}));
    EXPECT_EQ(w->previews, 0);
    EXPECT_FALSE(dv::ReportPrinted);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Total6 FROM Project_Information WHERE ID = 1")).toDouble(), 7.0);
    ASSERT_EQ(view.comparisonRows.size(), 1u);
    EXPECT_EQ(view.comparisonRows[0].value(4), "$3.00/$0.00");
    EXPECT_EQ(dv::CurrentWallID, 3);
}

}  // namespace

TEST_F(ReportOptionsWindowTest, DocumentDialogsStartInTheProjectsFolder)
{
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"Save as Document", [this] { w->askForDocumentFile(); }},
        {"Save as PDF", [] { dv::frmDorvPrintPreview::instance().cmdSavePdf_Click(); }},
    };
    for (const auto& [title, open] : dialogs) {
        QString folder;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        open();
        EXPECT_EQ(folder, QDir(dir.path()).absoluteFilePath(QStringLiteral("Projects"))) << title;
    }
}

TEST_F(ReportOptionsWindowTest, CheckBoxesTakeClicksWhereTheyAreDrawn)
{
    dv::frmDorvEditProducts editor(1, 1);
    for (QCheckBox* box : {w->chkCustomNote, editor.chkInventory}) {
        QWidget* window = box->window();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const bool before = box->isChecked();
        // Its middle lies on its caption, not beside it.
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        EXPECT_NE(box->isChecked(), before) << box->objectName().toStdString();
        window->hide();
    }
}
