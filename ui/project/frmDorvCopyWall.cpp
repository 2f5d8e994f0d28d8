#include "ui/project/frmDorvCopyWall.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/common/app_info.h"
#include "ui/common/guarded.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dv {

frmDorvCopyWall::frmDorvCopyWall(const QString& existingWallName, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmDorvCopyWall"));
    setModal(true);
    lblExistingWallName = new QLabel(QStringLiteral("Existing Wall Name"), this);
    lblExistingWallName->setObjectName(QStringLiteral("lblExistingWallName"));
    txtNewWallName = new QLineEdit(this);
    txtNewWallName->setObjectName(QStringLiteral("txtNewWallName"));
    txtNewWallName->setMinimumWidth(260);
    selectAllOnFocus(txtNewWallName);
    refuseNulCharacters(txtNewWallName);
    cmdCopyWall = new QPushButton(QStringLiteral("Copy"), this);
    cmdCopyWall->setObjectName(QStringLiteral("cmdCopyWall"));
    cmdCopyWall->setDefault(true);
    cmdCancelCopy = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancelCopy->setObjectName(QStringLiteral("cmdCancelCopy"));
    cmdCancelCopy->setAutoDefault(false);
    chkCopy = new QCheckBox(QStringLiteral("Copy"), this);
    chkCopy->setObjectName(QStringLiteral("chkCopy"));
    chkCopy->hide();
    chkCancel = new QCheckBox(QStringLiteral("Cancel"), this);
    chkCancel->setObjectName(QStringLiteral("chkCancel"));
    chkCancel->hide();

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Existing Wall Name:"), this), 0, 0);
    grid->addWidget(lblExistingWallName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("New Wall Name:"), this), 1, 0);
    grid->addWidget(txtNewWallName, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCopyWall);
    buttons->addWidget(cmdCancelCopy);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(cmdCopyWall, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { cmdCopyWall_Click(); }); });
    connect(cmdCancelCopy, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { cmdCancelCopy_Click(); }); });
    Form_Load(existingWallName);
}

void frmDorvCopyWall::Form_Load(const QString& existingWallName)
{
    setWindowTitle(appTitle() + QStringLiteral(" [Copy Wall Information]"));
    lblExistingWallName->setText(existingWallName);
    chkCopy->setChecked(false);
    chkCancel->setChecked(false);
    txtNewWallName->setFocus();
}

bool frmDorvCopyWall::copyConfirmed() const { return chkCopy->isChecked(); }
QString frmDorvCopyWall::newWallName() const { return txtNewWallName->text(); }

void frmDorvCopyWall::cmdCopyWall_Click()
{
    // With no name the button does nothing at all.
    if (txtNewWallName->text().isEmpty())
        return;
    chkCopy->setChecked(true);
    chkCancel->setChecked(false);
    hide();
}

void frmDorvCopyWall::cmdCancelCopy_Click()
{
    chkCancel->setChecked(true);
    chkCopy->setChecked(false);
    hide();
}

}  // namespace dv
