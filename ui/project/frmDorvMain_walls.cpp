// The wall list of the project window (add, select, open, remove, copy)
// and the save of the wall open in the editor.
#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/sql_literals.h"
#include "core/translator.h"
#include "core/wall_list.h"
#include "core/wall_store.h"
#include "platform/app_error.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/tab_control.h"
#include "ui/project/frmDorvCopyWall.h"
#include "ui/project/box_caption.h"
#include "ui/project/format_messages.h"
#include "ui/project/frmDorvMain.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <climits>
#include <cmath>

namespace dv {

namespace {

int px(int twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }


// A wall ID read back from the wall list.
std::int16_t wallIDOf(const QString& text)
{
    double id = 0;
    if (!parseStrictNumber(text, &id) || id != std::floor(id))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return toInt16(id);
}

// The wall list row the user selected; -1 when the list is empty or no row
// is selected.
int selectedWallRow(const frmDorvMain& form)
{
    if (form.wallGridRowCount() == 0)
        return -1;
    return form.grdWallSystemInformation->selectedRow();
}

// A stored length: the box's text read as its leave rule reads it, in
// feet. An empty box is 0 feet.
double storedFeet(QLineEdit* box)
{
    if (box->text().isEmpty())
        return 0;
    double kept = 0;
    readNamingBox(box, [box, &kept] { return FormatInchesForDisplay(ReadLengthText(box->text()), &kept); });
    return checkedFinite(kept / 12.0, "length");
}

// A count typed into a zone box: 0 when empty; anything but a number is
// refused before it can reach the statement.
double zoneCount(QLineEdit* box, const char* caption)
{
    const QString text = box->text();
    if (text.isEmpty())
        return 0;
    double v = 0;
    if (!ReadTypedNumber(text, &v))
        throw AppError(err::TypeMismatch, QStringLiteral("Please check your '%1' input: it must be a number.")
                                              .arg(QLatin1String(caption)));
    return v;
}

QString fieldText(const WallGeneral& wall, const char* name) { return wall[name].toText(); }

// A gable wall rises from its eave to its ridge, and a wall holds its
// openings: a wall that cannot be built is refused rather than priced. An
// empty ridge is not yet typed and leaves the wall incomplete instead.
bool wallFitsTogether(frmDorvMain& form, std::int16_t wallID, const QString& wallType, double eaveHeight,
                      double ridgeHeight, double wallLength)
{
    if (wallType == QLatin1String("GABLE") && ridgeHeight > 0 && ridgeHeight < eaveHeight) {
        form.messageBox(QStringLiteral("The Ridge Height (%1) of this gable wall is lower than its Eave Height (%2).  "
                                       "Please review your input and make the necessary adjustments.")
                            .arg(form.txtRidgeHeight->text().trimmed(), form.txtEaveHeight->text().trimmed()),
                        QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    const double openings = WallStore(DbConnection).otherOpeningsWidth(wallID, QString());
    if (checkedFinite(openings, "total opening width") > wallLength + kLengthTolerance) {
        form.messageBox(kOpeningsExceedWall, QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// Wall list

void frmDorvMain::setRemoveCaption(const QString& caption)
{
    // At least the width planned for the caption's length, wider when the
    // caption needs it, within the room the wall frame has to spare beside
    // the list; only a caption that needs more cuts the name.
    const int n = static_cast<int>(caption.size());
    const int least = px(n <= 12 ? 1215 : n <= 20 ? 1800 : 2535);
    cmdRemoveWallSystem->setText(caption);
    cmdRemoveWallSystem->setFixedWidth(least);
    const int needed = cmdRemoveWallSystem->sizeHint().width();
    // The room: what the project page's visible width leaves beyond the
    // least the page needs with the planned width, so that the page never
    // has to scroll for the caption.
    const QWidget* viewport = fraProjectView->parentWidget();
    const int room = viewport && viewport->isVisible() && fraProjectView->layout()
                         ? least + std::max(0, viewport->width() - fraProjectView->layout()->totalMinimumSize().width())
                         : INT_MAX;
    const int width = std::max(least, std::min(needed, room));
    const QString prefix = QStringLiteral("Remove ");
    if (needed > width && caption.startsWith(prefix)) {
        const QFontMetrics fm = cmdRemoveWallSystem->fontMetrics();
        const QString name = caption.mid(prefix.size());
        const int nameWidth = fm.horizontalAdvance(name) - (needed - width);
        cmdRemoveWallSystem->setText(prefix + fm.elidedText(name, Qt::ElideRight, std::max(0, nameWidth)));
    }
    cmdRemoveWallSystem->setFixedWidth(width);
}

void frmDorvMain::cmdAddWallSystem_Click()
{
    guard([this] {
        if (txtWallSystemName->text().isEmpty())
            return;
        // A removed wall's number is never given to a new one while a wall
        // still holds it.
        WallStore store(DbConnection);
        CurrentWallID = store.nextWallID();
        store.addWall(CurrentWallID, txtWallSystemName->text());
        RefreshWallSystemGrid();
        // The refill leaves no row selected.
        setRemoveCaption(QStringLiteral("Remove"));
        txtWallSystemName->clear();
        txtWallSystemName->setFocus();
        comparisonClear();
    });
}

void frmDorvMain::grdWallSystemInformation_Click()
{
    guard([this] {
        const int row = grdWallSystemInformation->selectedRow();
        if (row < 0)
            return;
        setRemoveCaption(QStringLiteral("Remove ") + LeftWhole(wallGridCell(row, 1), 20));
    });
}

void frmDorvMain::grdWallSystemInformation_DblClick()
{
    guard([this] {
        const int row = selectedWallRow(*this);
        if (row < 0)
            return;
        openWall(row);
    });
}

void frmDorvMain::openWall(int row)
{
    const std::int16_t id = wallIDOf(wallGridCell(row, 0));
    const QString name = wallGridCell(row, 1);
    CurrentWallID = id;
    comparisonClear();
    const std::optional<WallGeneral> general = WallStore(DbConnection).general(id);
    if (!general) {
        // A wall never saved. The boxes are emptied before the eave switch,
        // so that its labels do not show the wall opened before.
        for (QLineEdit* box : {txtRoofSlope, txtEaveHeight, txtRidgeHeight, txtWallLength, txtRoofTrussSpan, txtDTFH})
            box->clear();
        optEave->setChecked(true);
        optEave_Click();
        chkZoneWall->setChecked(false);
        txtZoneCorners->clear();
        txtZoneJunctions->clear();
        optCornerA->setChecked(true);
        optJunctionA->setChecked(true);
        chkZoneWall_Click();
        txtCorners->clear();
        chkMonoSlope->setChecked(false);
        LoadRoofLoadingList(false);
        for (const char* n : {"txtColumnHeight", "txtMaxColumnWidth", "txtROWidth"})
            if (QLineEdit* box = editorBox(n))
                box->clear();
    } else {
        const WallGeneral& rs = *general;
        const QString type = fieldText(rs, "WallType");
        if (type.isEmpty()) {
            optEave->setChecked(true);
        } else if (type == QLatin1String("EAVE")) {
            optEave->setChecked(true);
            optEave_Click();
        } else {
            optGable->setChecked(true);
            optGable_Click();
        }
        txtEaveHeight->setText(fieldText(rs, "EaveHeight"));
        txtEaveHeight_LostFocus();
        txtRoofSlope->setText(fieldText(rs, "RoofSlope"));
        txtRoofSlope_LostFocus();
        txtRidgeHeight->setText(fieldText(rs, "RidgeHeight"));
        txtRidgeHeight_LostFocus();
        txtWallLength->setText(fieldText(rs, "WallLength"));
        txtWallLength_LostFocus();
        txtRoofTrussSpan->setText(fieldText(rs, "TrussSpan"));
        txtDTFH->setText(fieldText(rs, "DTFH"));
        txtDTFH_LostFocus();
        cboExteriorFinish->setText(fieldText(rs, "ExteriorFinish"));
        const QString exposure = fieldText(rs, "Exposure");
        if (exposure == QLatin1String("EXPOSURE B"))
            optExposureB->setChecked(true);
        else if (exposure == QLatin1String("EXPOSURE C"))
            optExposureC->setChecked(true);
        else if (exposure == QLatin1String("EXPOSURE D"))
            optExposureD->setChecked(true);
        else {
            for (QRadioButton* o : {optExposureB, optExposureC, optExposureD})
                o->setAutoExclusive(false);
            for (QRadioButton* o : {optExposureB, optExposureC, optExposureD})
                o->setChecked(false);
            for (QRadioButton* o : {optExposureB, optExposureC, optExposureD})
                o->setAutoExclusive(true);
        }
        const Value zone = rs["IsZoneWall"];
        chkZoneWall->setChecked(!zone.isNull() && zone.toDouble() != 0);
        txtZoneCorners->setText(fieldText(rs, "ZoneCorners"));
        txtZoneJunctions->setText(fieldText(rs, "ZoneJunctions"));
        (fieldText(rs, "CornerType") == QLatin1String("A") ? optCornerA : optCornerB)->setChecked(true);
        (fieldText(rs, "JunctionType") == QLatin1String("A") ? optJunctionA : optJunctionB)->setChecked(true);
        chkZoneWall_Click();
        txtCorners->setText(fieldText(rs, "NumberCorners"));
        const Value mono = rs["MonoSlope"];
        chkMonoSlope->setChecked(!mono.isNull() && mono.toDouble() != 0);
        const Value loading = rs["RoofLoadingID"];
        LoadRoofLoadingList(true, loading.isNull() ? 0 : toInt32(loading.toDouble()));
    }
    // From here on the editor's save writes this wall, and only this one.
    editedWallID_ = id;
    // Nothing of the wall open before stays on the column and opening pages.
    RefreshColumnGrid();
    RefreshRoughOpeningGrid();
    SSTab2->showOnlyPage(WallEditorPage);
    SSTab2->setTabText(WallEditorPage, LeftWhole(name, 30) + QStringLiteral(" System Information"));
    // Now that the editor is shown, every opening starts on the wall page
    // with the wall type focused; a page that is already current raises no
    // page event, so its order is set here as well.
    SSTab1->setCurrentIndex(WallDataPage);
    SetTabOrder(QStringLiteral("None"));
}

void frmDorvMain::cmdRemoveWallSystem_Click()
{
    guard([this] {
        // Only the row the user selected is removed; with none selected
        // nothing is.
        const int row = selectedWallRow(*this);
        if (row < 0)
            return;
        WallStore(DbConnection).removeWall(wallIDOf(wallGridCell(row, 0)));
        // The list first: whatever follows the comparison reads it.
        RefreshWallSystemGrid();
        comparisonClear();
        setRemoveCaption(QStringLiteral("Remove"));
    });
}

bool frmDorvMain::askCopyWall(const QString& existingWallName, QString& newName)
{
    frmDorvCopyWall dialog(existingWallName, this);
    dialog.exec();
    if (!dialog.copyConfirmed())
        return false;
    newName = dialog.newWallName();
    return true;
}

void frmDorvMain::cmdCopyWall_Click()
{
    guard([this] {
        const int row = selectedWallRow(*this);
        if (row < 0)
            return;
        const std::int16_t source = wallIDOf(wallGridCell(row, 0));
        QString newName;
        if (askCopyWall(wallGridCell(row, 1), newName)) {
            QString newID = sqlNumber(NextWallID());
            CopyWallSystem(newName, source, newID);
        }
        RefreshWallSystemGrid();
        setRemoveCaption(QStringLiteral("Remove"));
    });
}

// ---------------------------------------------------------------------------
// Save of the wall in the editor

void frmDorvMain::closeWallEditor()
{
    editedWallID_ = 0;
    SSTab2->setTabText(WallEditorPage, QStringLiteral("Wall System Information"));
    if (SSTab2->isTabEnabled(WallEditorPage))
        SSTab2->showOnlyPage(ProjectPage);
}

void frmDorvMain::cmdAddtoProject_Click() { guard([this] { saveWall(); }); }

void frmDorvMain::saveWall()
{
    if (editedWallID_ == 0)
        return;
    bool allowed = true;

    double roofSlope = 0;
    const QString slopeText = txtRoofSlope->text();
    if (!slopeText.isEmpty()) {
        double rise = 0;
        // A text without "/" is read whole.
        const QString riseText = slopeText.section(QLatin1Char('/'), 0, 0);
        // A slope of 0 is none, as an eave wall keeps it.
        if (ReadTypedNumber(riseText, &rise) && IsStoredRoofSlope(rise)) {
            roofSlope = rise;
        } else {
            ShowImproperFormat(*this, kSlopeFormat);
            allowed = false;
        }
    }

    const double eaveHeight = storedFeet(txtEaveHeight);
    const double ridgeHeight = storedFeet(txtRidgeHeight);
    const double wallLength = storedFeet(txtWallLength);
    const double trussSpan = storedFeet(txtRoofTrussSpan);

    const QString exteriorFinish = cboExteriorFinish->text();
    const QString exposure = optExposureB->isChecked()   ? QStringLiteral("EXPOSURE B")
                             : optExposureC->isChecked() ? QStringLiteral("EXPOSURE C")
                                                         : QStringLiteral("EXPOSURE D");
    const QString wallType = optEave->isChecked() ? QStringLiteral("EAVE") : QStringLiteral("GABLE");
    const double dtfh = storedFeet(txtDTFH);

    const double zoneCorners = zoneCount(txtZoneCorners, "Zone Corners");
    const QString cornerType = optCornerA->isChecked() ? QStringLiteral("A") : QStringLiteral("B");
    const double zoneJunctions = zoneCount(txtZoneJunctions, "Zone Junctions");
    const QString junctionType = optJunctionA->isChecked() ? QStringLiteral("A") : QStringLiteral("B");

    double numberCorners = 0;
    const QString cornersText = txtCorners->text();
    if (!cornersText.isEmpty()) {
        double corners = 0;
        // Corners are counted: a fraction is no number of corners.
        if (ReadTypedNumber(cornersText, &corners) && IsCornerCount(corners) && corners <= INT16_MAX) {
            numberCorners = corners;
        } else {
            ShowImproperFormat(*this, kCornersFormat);
            allowed = false;
        }
    }
    if (!allowed)
        return;
    if (!wallFitsTogether(*this, editedWallID_, wallType, eaveHeight, ridgeHeight, wallLength))
        return;

    // A roof loading that was never chosen is stored as 0: the wall then
    // counts as incomplete instead of breaking the statement.
    long long roofLoadingID = 0;
    double loading = 0;
    if (parseStrictNumber(cboRoofLoading->columnValue(0), &loading) && loading == std::floor(loading))
        roofLoadingID = toInt16(loading);

    WallGeneral wall;
    wall.set("WallType", Value::text(wallType));
    wall.set("EaveHeight", Value::real(eaveHeight));
    wall.set("RoofSlope", Value::real(roofSlope));
    wall.set("RidgeHeight", Value::real(ridgeHeight));
    wall.set("WallLength", Value::real(wallLength));
    wall.set("RoofLoadingID", Value::longInt(roofLoadingID));
    wall.set("TrussSpan", Value::real(trussSpan));
    wall.set("ExteriorFinish", Value::text(exteriorFinish));
    wall.set("Exposure", Value::text(exposure));
    wall.set("IsZoneWall", Value::longInt(chkZoneWall->isChecked() ? 1 : 0));
    wall.set("ZoneCorners", Value::real(zoneCorners));
    wall.set("ZoneJunctions", Value::real(zoneJunctions));
    wall.set("CornerType", Value::text(cornerType));
    wall.set("JunctionType", Value::text(junctionType));
    wall.set("NumberCorners", Value::real(numberCorners));
    wall.set("DTFH", Value::real(dtfh));
    wall.set("MonoSlope", Value::longInt(chkMonoSlope->isChecked() ? 1 : 0));
    WallStore(DbConnection).saveGeneral(editedWallID_, wall);

    const QString savedID = QString::number(editedWallID_);
    closeWallEditor();
    RefreshWallSystemGrid();
    setRemoveCaption(QStringLiteral("Remove"));
    // The keyboard goes on from the wall just saved: its row is selected,
    // current and in view, and the list has the focus, drawn as keyboard
    // focus (Tab leaves the list, Return opens the wall again).
    for (int row = 0; row < wallGridRowCount(); ++row) {
        if (wallGridCell(row, 0) != savedID)
            continue;
        grdWallSystemInformation->selectRowAt(row);
        grdWallSystemInformation->scrollToItem(grdWallSystemInformation->item(row, 0));
        setAttribute(Qt::WA_KeyboardFocusChange);
        grdWallSystemInformation->setFocus(Qt::TabFocusReason);
        break;
    }
}

}  // namespace dv
