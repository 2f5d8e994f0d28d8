#pragma once
// The project window. Implements the project view that the core and the
// engine read and fill.
#include "core/project_view.h"

#include <QMainWindow>

class QComboBox;
class QTableWidget;
class QLineEdit;
class QCheckBox;
class QRadioButton;

namespace dv {

class frmDorvMain : public QMainWindow, public ProjectView {
    Q_OBJECT
public:
    explicit frmDorvMain(QWidget* parent = nullptr);
    ~frmDorvMain() override;

    // ProjectView
    void wallGridClear() override;
    void wallGridAddRow(const QString& rowText) override;
    int wallGridRowCount() const override;
    QString wallGridCell(int row, int column) const override;
    void setSelectedProfile(int profileID, const QString& name) override;
    int selectedProfileID() const override;
    QString selectedProfileName() const override;
    bool defaultPricingSelected() const override;
    int pricingMarkupValue() const override;
    void comparisonClear() override;
    void comparisonAddRow(const QString& rowText) override;
    int comparisonRowCount() const override;
    QString comparisonCell(int row, int column) const override;
    QString projectName() const override;
    void setProjectName(const QString& s) override;
    QString builderName() const override;
    void setBuilderName(const QString& s) override;
    MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
    void closePleaseWait() override;
    void showValidationResults() override;

    QComboBox* cboCustomerProfile = nullptr;
    QTableWidget* grdWallSystemInformation = nullptr;
    QTableWidget* grdComparisonInformation = nullptr;
    QLineEdit* txtProjectName = nullptr;
    QLineEdit* txtBuilderName = nullptr;
    QCheckBox* chkPricingMarkup = nullptr;
    QRadioButton* optDefaultPricingProfile = nullptr;
    QRadioButton* optCustomerPricingProfile = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
};

// The program's title and version, for captions.
QString appTitle();
QString appVersionText();

}  // namespace dv
