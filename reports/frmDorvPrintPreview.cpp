#include "reports/frmDorvPrintPreview.h"
#include "core/data_location.h"

#include "core/project_view.h"
#include "reports/modDorvPrint.h"
#include "ui/common/app_info.h"
#include "ui/common/guarded.h"
#include "ui/common/message_box.h"
#include "platform/widgets/key_filter.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace dv {

std::function<void(frmDorvPrintPreview&, bool)> frmDorvPrintPreview::showHook;
std::function<QString()> frmDorvPrintPreview::pdfFileHook;
std::function<int(QPrintDialog&)> frmDorvPrintPreview::printDialogHook;

namespace {
// The one preview window: made on first use, shown by every report.
frmDorvPrintPreview* gPreview = nullptr;

// "Dorvane - <project name>"; the program's title alone while the project
// name box is empty.
QString printJobName()
{
    const QString project = hasProjectView() ? projectView().projectName().trimmed() : QString();
    return project.isEmpty() ? appTitle() : appTitle() + QStringLiteral(" - ") + project;
}
}  // namespace

frmDorvPrintPreview& frmDorvPrintPreview::instance()
{
    if (!gPreview)
        gPreview = new frmDorvPrintPreview;
    return *gPreview;
}

bool frmDorvPrintPreview::exists() { return gPreview != nullptr; }

frmDorvPrintPreview::frmDorvPrintPreview()
{
    setObjectName(QStringLiteral("frmDorvPrintPreview"));
    // The program ends with the project window, whether or not a preview
    // is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer_.setFullPage(true);
    preview_ = new QPrintPreviewWidget(&printer_, this);
    preview_->setObjectName(QStringLiteral("VSPrint"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        try {
            VSPrint.render(printer);
        } catch (...) {
            // A device that cannot be drawn on shows an empty preview.
        }
    });

    auto* bar = new QToolBar(this);
    auto* views = new QActionGroup(this);
    auto addView = [&](const QString& caption) {
        QAction* a = bar->addAction(caption);
        a->setCheckable(true);
        views->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { setView(a); });
        return a;
    };
    actWholePage = addView(QStringLiteral("Whole &Page"));
    actPageWidth = addView(QStringLiteral("Page &Width"));
    actTwoPages = addView(QStringLiteral("&Two Pages"));
    actThumbnail = addView(QStringLiteral("Thumb&nail"));
    bar->addSeparator();
    actPrint = bar->addAction(QStringLiteral("P&rint..."));
    connect(actPrint, &QAction::triggered, this, [this] { runGuarded(this, [this] { cmdPrint_Click(); }); });
    actSavePdf = bar->addAction(QStringLiteral("Save as P&DF..."));
    connect(actSavePdf, &QAction::triggered, this, [this] { runGuarded(this, [this] { cmdSavePdf_Click(); }); });

    // The keyboard: Ctrl+P prints, Ctrl+S saves as PDF, Ctrl++ and Ctrl+-
    // zoom, and Tab reaches every button (Space or Return presses it).
    actPrint->setShortcut(QKeySequence::Print);
    actSavePdf->setShortcut(QKeySequence::Save);
    for (QAction* a : {actPrint, actSavePdf})
        a->setToolTip(toolTipWithKey(a->iconText(), a->shortcut()));
    auto* zoomIn = new QAction(this);
    zoomIn->setShortcuts(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, preview_, [this] { preview_->zoomIn(); });
    auto* zoomOut = new QAction(this);
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, preview_, [this] { preview_->zoomOut(); });
    addActions({zoomIn, zoomOut});
    for (QAction* a : bar->actions())
        if (QWidget* button = bar->widgetForAction(a); button && !a->isSeparator())
            button->setFocusPolicy(Qt::TabFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(preview_, 1);
    resize(820, 680);  // fits a 1366 x 768 screen with its title bar and panel

    VSPrint.setPageStartHandler([this](PrintDocument&) { VSPrint_PageStart(); });
    actWholePage->setChecked(true);
    setView(actWholePage);
    Form_Load();
}

void frmDorvPrintPreview::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier))
        if (auto* button = qobject_cast<QToolButton*>(focusWidget())) {
            button->click();
            return;
        }
    QDialog::keyPressEvent(e);
}

void frmDorvPrintPreview::Form_Load() { setWindowTitle(appTitle() + QStringLiteral(" [Print Preview]")); }

// Every page begins with its margins and logo, from which its footer is
// placed. Text that runs onto a later page keeps the left and right margins
// it had, so that a line of a label and its amount reads the same on either
// side of a page end; the first page takes the report margins.
void frmDorvPrintPreview::VSPrint_PageStart()
{
    const double left = VSPrint.LeftMargin();
    const double right = VSPrint.RightMargin();
    DrawPageLogo();
    VSPrint.setLeftMargin(left);
    if (VSPrint.CurrentPage() > 1)
        VSPrint.setRightMargin(right);
}

void frmDorvPrintPreview::setView(QAction* view)
{
    view_ = view;
    if (view == actWholePage) {
        preview_->setSinglePageViewMode();
        preview_->fitInView();
    } else if (view == actPageWidth) {
        preview_->setSinglePageViewMode();
        preview_->fitToWidth();
    } else if (view == actTwoPages) {
        preview_->setFacingPagesViewMode();
        preview_->fitInView();
    } else if (view == actThumbnail) {
        preview_->setAllPagesViewMode();
    }
}

void frmDorvPrintPreview::refresh()
{
    preview_->updatePreview();
    preview_->setCurrentPage(1);
}

void frmDorvPrintPreview::showModeless()
{
    refresh();
    if (showHook) {
        showHook(*this, false);
        return;
    }
    if (isModal() && isVisible())
        return;  // a modal showing is open: it shows the new document
    setModal(false);
    show();
    raise();
    activateWindow();
}

void frmDorvPrintPreview::showModal()
{
    refresh();
    if (showHook) {
        showHook(*this, true);
        return;
    }
    if (isVisible())
        hide();
    exec();
}

void frmDorvPrintPreview::cmdPrint_Click() { printDocument(preview_->currentPage()); }

void frmDorvPrintPreview::printDocument(int currentPage)
{
    const int pages = VSPrint.pageCount();
    if (pages == 0)
        return;
    // A printer of the job's own: the dialog sets it to the queue's paper,
    // and the preview's stays Letter.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(printJobName());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, currentPage > 0);
    if ((printDialogHook ? printDialogHook(dialog) : dialog.exec()) != QDialog::Accepted)
        return;

    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage() > 0 ? printer.toPage() : pages;
    } else if (printer.printRange() == QPrinter::CurrentPage && currentPage > 0) {
        from = to = currentPage;
    }
    from = std::clamp(from, 1, pages);
    to = std::clamp(to, from, pages);
    VSPrint.render(&printer, from, to);

    // A print to a PDF file (the dialog's one choice with no printer
    // installed): the user is told where the file went.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString text = QStringLiteral("The report was saved as a PDF file: ") +
                             QDir::toNativeSeparators(printer.outputFileName());
        const QString title = QStringLiteral("Information");
        if (hasProjectView())
            projectView().messageBox(text, title, MsgButtons::Ok, MsgIcon::Information);
        else
            execMessageBox(this, text, title, MsgButtons::Ok, MsgIcon::Information);
    }
}

void frmDorvPrintPreview::cmdSavePdf_Click()
{
    QString file = pdfFileHook ? pdfFileHook()
                               : QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"), ProjectsFolder(),
                                                              QStringLiteral("PDF files (*.pdf)"));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    VSPrint.writePdf(file);
}

}  // namespace dv
