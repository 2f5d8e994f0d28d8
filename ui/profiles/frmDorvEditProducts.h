#pragma once
// The product price editor: one product's price and stock flag for one
// profile. Its caller fills the controls from the products grid row and
// shows it modally; Update checks the price, writes both values and closes
// the window with updated() true. Closed any other way it writes nothing.
#include "core/project_view.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dv {

// The price box's integer part is limited to 14 digits: a longer one is cut
// to its first 14, keeping the "." and every decimal ("1234567890123456.12"
// -> "12345678901234.12"; 15 digits without a "." -> the first 14).
QString LimitPriceDigits(const QString& text);

class frmDorvEditProducts : public QDialog {
    Q_OBJECT
public:
    // profileID and productID name the price and stock written by Update;
    // productID must have a price column (1 to 40).
    frmDorvEditProducts(int profileID, int productID, QWidget* owner = nullptr);

    int profileID() const { return profileID_; }
    int productID() const { return productID_; }
    // True once Update has written the price and stock.
    bool updated() const { return updated_; }

    QLabel* lblProductName = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtLFPrice = nullptr;
    QCheckBox* chkInventory = nullptr;
    QPushButton* cmdUpdate = nullptr;

public slots:
    // Raises database errors; the button runs it guarded.
    void cmdUpdate_Click();

protected:
    // Message boxes go through here; tests answer them.
    virtual MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon);

private:
    void Form_Load();
    void runUpdate();

    int profileID_;
    int productID_;
    bool updated_ = false;
};

}  // namespace dv
