#pragma once
// Asks for the name of the copy when a wall system is copied. The caller
// shows it modally; when that returns, chkCopy checked means copy under the
// name in txtNewWallName, anything else means cancelled.
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dv {

class frmDorvCopyWall : public QDialog {
    Q_OBJECT
public:
    // existingWallName: the name of the wall being copied.
    explicit frmDorvCopyWall(const QString& existingWallName, QWidget* owner = nullptr);

    bool copyConfirmed() const;
    QString newWallName() const;

    QLabel* lblExistingWallName = nullptr;
    QLineEdit* txtNewWallName = nullptr;
    QPushButton* cmdCopyWall = nullptr;
    QPushButton* cmdCancelCopy = nullptr;
    // The dialog's result, kept where its caller reads it; never shown.
    QCheckBox* chkCopy = nullptr;
    QCheckBox* chkCancel = nullptr;

public slots:
    void cmdCopyWall_Click();
    void cmdCancelCopy_Click();

private:
    void Form_Load(const QString& existingWallName);
};

}  // namespace dv
