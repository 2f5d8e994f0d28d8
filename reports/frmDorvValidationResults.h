#pragma once
// Lists the members of the last calculation that found no product (the rows
// of Validation_Information), shown modally when the calculation ends.
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace dv {

class DataGrid;

class frmDorvValidationResults : public QDialog {
    Q_OBJECT
public:
    explicit frmDorvValidationResults(QWidget* owner = nullptr);

    // Shows the window modally and returns when the user has closed it.
    // When showHook is set (headless tests), it is called with the loaded
    // window instead, and nothing blocks.
    void showModal();
    static std::function<void(frmDorvValidationResults&)> showHook;

    QLabel* Label1 = nullptr;
    DataGrid* grdValidationResults = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdPrint = nullptr;

    // Draws the product validation report and shows it in the preview,
    // modally over this window.
    void cmdPrint_Click();

private:
    void Form_Load();
};

}  // namespace dv
