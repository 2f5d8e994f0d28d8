#pragma once
// The list of customer pricing profiles, shown modally: add a profile (it
// starts as a copy of "Default"), change the name, markup and delivery
// charge of one, remove one with all its rows. Every change is written at
// once; the window has no OK or Cancel. Profile 1, "Default", can be neither
// changed nor removed here.
//
// The opener refills its profile lists when the window has closed, and lets
// the project window follow a removed or renamed profile
// (AfterProfilesChanged).
#include "core/project_view.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dv {

class DataGrid;

class frmDorvProfileManager : public QDialog {
    Q_OBJECT
public:
    explicit frmDorvProfileManager(QWidget* owner = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtCustomerName = nullptr;
    QPushButton* cmdAddWallSystem = nullptr;  // "Add ->>", or "Save Changes" while a profile is loaded
    QPushButton* cmdRemoveProfile = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtMarkupPercent = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtDeliveryCharge = nullptr;
    QLabel* Label2 = nullptr;
    DataGrid* grdCustomerProfileList = nullptr;

    // The profile that "Save Changes" writes; 0 in add mode.
    int editedProfileID() const { return editedProfileID_; }

public slots:
    void cmdAddWallSystem_Click();
    void cmdRemoveProfile_Click();
    // A double-click on a row: that row is the grid's current row.
    void grdCustomerProfileList_RowActivated();
    void FillProfileGrid();

protected:
    // Message boxes go through here, so that tests can answer them.
    virtual MsgResult messageBox(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None);

private:
    void Form_Load();
    // The current row's profile ID, or 0 when there is no current row or it
    // is "Default" (then refused with its message).
    int currentChangeableProfile();
    // Runs a handler; an error is shown with its number and text.
    void guard(const std::function<void()>& handler);
    // The value of a markup or delivery box: 0 when empty; false (after the
    // box's message) when the text is no number or leaves the money range.
    bool readAmount(QLineEdit* box, const QString& message, double* value);
    // Back to add mode with empty boxes and a fresh list.
    void endEditMode();

    int editedProfileID_ = 0;
};

}  // namespace dv
