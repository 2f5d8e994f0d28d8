#pragma once
// The column and rough-opening pages of the project window's wall editor.
//
// Both pages list the rows of the wall open in the editor, in the order
// they were stored, and let the user add, change and remove columns and
// rough openings. A removed item keeps its row, marked '**Removed**' and
// 'NA', so that the items of a wall are numbered 1, 2, 3 ... for good.
// Rough openings name two columns of the same wall as their supports, so a
// column that still carries an opening cannot be removed.
//
// The editor builds its controls into two pages handed to it and reaches
// the rest of the wall editor only through WallSide.
#include "core/project_view.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace dv {

class DataCombo;
class DataGrid;

class WallOpeningsEditor : public QObject {
    Q_OBJECT
public:
    // What the editor needs of the wall editor around it. Every pointer may
    // be null: a missing box reads as empty, a missing label is not placed.
    struct WallSide {
        // The ID of the wall open in the editor (column 0 of the wall grid's
        // current row); empty when no wall is open.
        std::function<QString()> wallID;
        QLineEdit* txtWallLength = nullptr;
        QLineEdit* txtEaveHeight = nullptr;
        QRadioButton* optEave = nullptr;
        // Dimension labels over the member picture.
        QLabel* lblColumnHeight = nullptr;
        QLabel* lblROWidth = nullptr;
        // Where messages and errors are shown; the project view when null.
        ProjectView* view = nullptr;
        // The editor's own key filter, focus-leave rule and Return key on
        // its pages; off when the window around it gives them.
        bool inputRules = true;
    };

    // Captions of the Add/Update buttons: the editor's mode.
    static const QString AddCaption;     // "Add ->>"
    static const QString UpdateCaption;  // "Update ->>"

    WallOpeningsEditor(QWidget* columnsPage, QWidget* roughOpeningsPage, WallSide wall, QObject* parent = nullptr);

    // Columns page.
    QGroupBox* Frame7 = nullptr;
    DataCombo* cboColumnID = nullptr;
    QLineEdit* txtColumnHeight = nullptr;
    QLineEdit* txtMaxColumnWidth = nullptr;
    QPushButton* cmdAddColumn = nullptr;
    QPushButton* cmdRemoveColumn = nullptr;
    DataGrid* grdColumnInformation = nullptr;

    // Rough-openings page.
    QGroupBox* Frame9 = nullptr;
    DataCombo* cboROID = nullptr;
    QLineEdit* txtROWidth = nullptr;
    QLineEdit* txtAverageROHeight = nullptr;
    DataCombo* cboNumberHeaders = nullptr;
    DataCombo* cboColumnIDLeft = nullptr;
    DataCombo* cboColumnIDRight = nullptr;
    QPushButton* cmdAddRO = nullptr;
    QPushButton* cmdRemoveRO = nullptr;
    DataGrid* grdROInformation = nullptr;

    // Procedures for the wall editor; they raise AppError and are meant to
    // run inside the caller's guarded handler.
    // Reloads the column grid and list; the new number is chosen.
    void RefreshColumnGrid();
    // Reloads the opening grid and list; the new number is chosen.
    void RefreshRoughOpeningGrid();
    // Refills both support lists with the wall's columns still in use.
    void LoadSupportColumnLists();
    // The columns page is shown: an eave wall's eave height is shown as the
    // column height's label, and the grid is reloaded.
    void EnterColumnsPage();
    // The rough-openings page is shown: the support lists are refilled and
    // emptied, the header counts offered and the grid reloaded.
    void EnterRoughOpeningsPage();

    // Return on the wall editor, for this editor's pages and the window
    // around them alike: a focused button that can be pressed is pressed;
    // within a member page each box is read as its leave rule reads it,
    // then the page's Add button is pressed (not when a box holds no
    // length: that is reported). The page is the one that holds `within`,
    // or else the focus. True when Return was taken.
    bool pressReturn(QWidget* focus, QWidget* within = nullptr);

    // The length rule of a box left by the focus: capped, translated and
    // written back in display notation, with its label following.
    void txtColumnHeight_LostFocus();
    void txtMaxColumnWidth_LostFocus();
    void txtROWidth_LostFocus();
    void txtAverageROHeight_LostFocus();

    // Handlers; each catches its own errors and shows them.
public slots:
    void cboColumnID_Click();
    void cmdAddColumn_Click();
    void cmdRemoveColumn_Click();
    void cboROID_Click();
    void cmdAddRO_Click();
    void cmdRemoveRO_Click();
    void cboColumnIDLeft_Click();
    void cboColumnIDRight_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildColumnsPage(QWidget* page);
    void buildRoughOpeningsPage(QWidget* page);
    void guard(const std::function<void()>& handler);
    MsgResult message(const QString& text, const QString& title, MsgButtons buttons = MsgButtons::Ok,
                      MsgIcon icon = MsgIcon::None);
    // The edited wall's ID; false when no wall is open.
    bool editedWall(std::int16_t* id) const;
    // Asks whether the chosen column or opening is to be removed.
    bool confirmRemove(const QString& chosen);

    void chooseColumn();
    void saveColumn();
    void removeColumn();
    void chooseOpening();
    void saveOpening();
    void removeOpening();
    void refuseSameSupport(DataCombo* picked);
    void setColumnMode(bool adding);
    void setOpeningMode(bool adding);
    void offerEaveHeight();

    WallSide wall_;
};

}  // namespace dv
