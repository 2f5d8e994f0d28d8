#pragma once
// The preview window: shows the report document, prints it and saves it as
// a PDF file. One window for the whole run, created on the first drawing;
// each new document replaces the one it shows.
#include "platform/print_document.h"

#include <QDialog>
#include <QPrinter>
#include <functional>

class QAction;
class QPrintDialog;
class QPrintPreviewWidget;

namespace dv {

class frmDorvPrintPreview : public QDialog {
    Q_OBJECT
public:
    // The one preview window, created and loaded when it does not exist yet.
    static frmDorvPrintPreview& instance();
    static bool exists();

    // Shows the finished document; modeless for the report options window,
    // modal (returning when the user has closed it) for the validation window.
    void showModeless();
    void showModal();
    // When set (headless tests), called instead of showing; modal tells how.
    static std::function<void(frmDorvPrintPreview&, bool modal)> showHook;
    // When set (headless tests), gives the PDF file name instead of asking.
    static std::function<QString()> pdfFileHook;
    // When set (headless tests), answers the print dialog in place of the
    // user: sets up the dialog's printer as a choice would and returns
    // QDialog::Accepted or QDialog::Rejected.
    static std::function<int(QPrintDialog&)> printDialogHook;

    // Prints the document through the print dialog: the pages chosen there
    // (the dialog offers exactly the document's pages, and currentPage as
    // the current page when it is not 0), on the printer's paper, as a job
    // named after the program and the project.
    void printDocument(int currentPage);

    PrintDocument VSPrint;

    QPrintPreviewWidget* preview() const { return preview_; }
    QAction* actWholePage = nullptr;
    QAction* actPageWidth = nullptr;
    QAction* actTwoPages = nullptr;
    QAction* actThumbnail = nullptr;
    QAction* actPrint = nullptr;
    QAction* actSavePdf = nullptr;

    // Handlers, public for the tests.
    void cmdPrint_Click();
    void cmdSavePdf_Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    frmDorvPrintPreview();
    void Form_Load();
    // Raised by the document as each page begins.
    void VSPrint_PageStart();
    void refresh();
    void setView(QAction* view);

    // The preview's printer: Letter, whatever paper a print job takes.
    QPrinter printer_{QPrinter::HighResolution};
    QPrintPreviewWidget* preview_ = nullptr;
    QAction* view_ = nullptr;
};

}  // namespace dv
