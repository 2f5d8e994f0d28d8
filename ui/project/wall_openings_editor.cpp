#include "ui/project/wall_openings_editor.h"

#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/sql_literals.h"
#include "core/translator.h"
#include "core/wall_store.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/project/box_caption.h"
#include "ui/project/format_messages.h"
#include "ui/project/length_box.h"
#include "ui/common/guarded.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <utility>
#include <vector>

namespace dv {

const QString WallOpeningsEditor::AddCaption = QStringLiteral("Add ->>");
const QString WallOpeningsEditor::UpdateCaption = QStringLiteral("Update ->>");

namespace {

const QString kColumnPrefix = QStringLiteral("Column ");
const QString kOpeningPrefix = QStringLiteral("Rough Opening ");

// Anchors of the member picture's labels, in twips.
constexpr std::int16_t kColumnHeightX = 600, kColumnHeightY = 2880;
constexpr std::int16_t kROWidthX = 2115, kROWidthY = 3270;

// A stored length (decimal feet as text) in display notation.
QString storedLengthText(const Value& stored)
{
    return FormatInchesForDisplay(ConvertInputToInches(stored.toText(), 0));
}

// The number after a prefix in a chosen entry ("Column 3" gives 3); 0 when
// there is none.
int numberAfter(const QString& text, const QString& prefix)
{
    if (!text.startsWith(prefix))
        return 0;
    bool ok = false;
    const int n = text.mid(prefix.size()).trimmed().toInt(&ok);
    return ok ? n : 0;
}

void fillNumberedList(DataCombo* combo, const QString& prefix, int storedRows)
{
    combo->removeAll();
    for (int i = 1; i <= storedRows + 1; ++i)
        combo->addRowFields({prefix + QString::number(i)});
    combo->setColumnValue(0, prefix + QString::number(storedRows + 1));
    combo->setText(prefix + QString::number(storedRows + 1));
}

void clearCombo(DataCombo* combo)
{
    combo->setText(QString());
    for (int c = 0; c < 2; ++c)
        combo->setColumnValue(c, QString());
}

QLabel* caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

// The pages are spaced tightly, so that they fit under the pictures of a
// small laptop screen.
void compact(QLayout* layout, int margin = 4, int spacing = 4)
{
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
}

// True when the chosen entry is the number after the grid's last row: a
// column or opening not stored yet.
bool isNextNumber(const QString& chosen, const QString& prefix, const DataGrid* grid)
{
    return chosen == prefix + QString::number(grid->rows() + 1);
}

// Tab moves through the widgets in the order given.
void setTabChain(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

WallOpeningsEditor::WallOpeningsEditor(QWidget* columnsPage, QWidget* roughOpeningsPage, WallSide wall,
                                       QObject* parent)
    : QObject(parent), wall_(std::move(wall))
{
    buildColumnsPage(columnsPage);
    buildRoughOpeningsPage(roughOpeningsPage);

    if (wall_.inputRules) {
        const std::pair<QLineEdit*, void (WallOpeningsEditor::*)()> boxes[] = {
            {txtColumnHeight, &WallOpeningsEditor::txtColumnHeight_LostFocus},
            {txtMaxColumnWidth, &WallOpeningsEditor::txtMaxColumnWidth_LostFocus},
            {txtROWidth, &WallOpeningsEditor::txtROWidth_LostFocus},
            {txtAverageROHeight, &WallOpeningsEditor::txtAverageROHeight_LostFocus}};
        for (const auto& [box, rule] : boxes) {
            selectAllOnFocus(box);
            // A paste goes in as it stands; the leave rule reads it.
            installKeyFilter(box, [](int code) { return FilterLengthKey(code); }, nullptr);
            installFocusLeave(box, [this, rule = rule] { (this->*rule)(); });
        }
        columnsPage->installEventFilter(this);
        roughOpeningsPage->installEventFilter(this);
    }

    connect(cboColumnID, &DataCombo::picked, this, &WallOpeningsEditor::cboColumnID_Click);
    connect(cmdAddColumn, &QPushButton::clicked, this, &WallOpeningsEditor::cmdAddColumn_Click);
    connect(cmdRemoveColumn, &QPushButton::clicked, this, &WallOpeningsEditor::cmdRemoveColumn_Click);
    connect(cboROID, &DataCombo::picked, this, &WallOpeningsEditor::cboROID_Click);
    connect(cmdAddRO, &QPushButton::clicked, this, &WallOpeningsEditor::cmdAddRO_Click);
    connect(cmdRemoveRO, &QPushButton::clicked, this, &WallOpeningsEditor::cmdRemoveRO_Click);
    connect(cboColumnIDLeft, &DataCombo::picked, this, &WallOpeningsEditor::cboColumnIDLeft_Click);
    connect(cboColumnIDRight, &DataCombo::picked, this, &WallOpeningsEditor::cboColumnIDRight_Click);
    // The combos open their lists on any mouse press themselves.

    setColumnMode(true);
    setOpeningMode(true);
    fillNumberedList(cboColumnID, kColumnPrefix, 0);
    fillNumberedList(cboROID, kOpeningPrefix, 0);
}

void WallOpeningsEditor::buildColumnsPage(QWidget* page)
{
    auto* outer = qobject_cast<QBoxLayout*>(page->layout());
    if (!outer)
        outer = new QHBoxLayout(page);

    Frame7 = new QGroupBox(QStringLiteral("Column Data"), page);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    auto* form = new QGridLayout(Frame7);
    cboColumnID = new DataCombo({QStringLiteral("ColumnID")}, 0, Frame7);
    txtColumnHeight = new QLineEdit(Frame7);
    txtMaxColumnWidth = new QLineEdit(Frame7);
    cmdAddColumn = new QPushButton(AddCaption, Frame7);
    cmdRemoveColumn = new QPushButton(QStringLiteral("Remove"), Frame7);
    form->addWidget(caption(QStringLiteral("Column ID"), Frame7), 0, 0);
    form->addWidget(cboColumnID, 0, 1);
    form->addWidget(caption(QStringLiteral("Column Height"), Frame7), 1, 0);
    form->addWidget(txtColumnHeight, 1, 1);
    form->addWidget(caption(QStringLiteral("Max width (including trimmers)"), Frame7), 2, 0);
    form->addWidget(txtMaxColumnWidth, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddColumn);
    buttons->addWidget(cmdRemoveColumn);
    form->addLayout(buttons, 3, 0, 1, 2);
    form->setRowStretch(4, 1);

    grdColumnInformation =
        new DataGrid({QStringLiteral("Column ID"), QStringLiteral("Column Height"), QStringLiteral("Max Width")}, page);

    outer->addWidget(Frame7);
    outer->addWidget(grdColumnInformation, 1);
    compact(outer);
    compact(form);

    cboColumnID->setObjectName(QStringLiteral("cboColumnID"));
    txtColumnHeight->setObjectName(QStringLiteral("txtColumnHeight"));
    txtMaxColumnWidth->setObjectName(QStringLiteral("txtMaxColumnWidth"));
    setBoxCaption(txtColumnHeight, QStringLiteral("Column Height"));
    setBoxCaption(txtMaxColumnWidth, QStringLiteral("Max width (including trimmers)"));
    cmdAddColumn->setObjectName(QStringLiteral("cmdAddColumn"));
    cmdRemoveColumn->setObjectName(QStringLiteral("cmdRemoveColumn"));
    grdColumnInformation->setObjectName(QStringLiteral("grdColumnInformation"));

    setTabChain({txtColumnHeight, txtMaxColumnWidth, cmdAddColumn, cmdRemoveColumn, cboColumnID});
}

void WallOpeningsEditor::buildRoughOpeningsPage(QWidget* page)
{
    auto* outer = qobject_cast<QBoxLayout*>(page->layout());
    if (!outer)
        outer = new QHBoxLayout(page);

    Frame9 = new QGroupBox(QStringLiteral("Rough Opening Data"), page);
    Frame9->setObjectName(QStringLiteral("Frame9"));
    auto* form = new QGridLayout(Frame9);
    cboROID = new DataCombo({QStringLiteral("Rough Opening ID")}, 0, Frame9);
    txtROWidth = new QLineEdit(Frame9);
    txtAverageROHeight = new QLineEdit(Frame9);
    cboNumberHeaders = new DataCombo({QStringLiteral("# of Headers")}, 0, Frame9);
    cmdAddRO = new QPushButton(AddCaption, Frame9);
    cmdRemoveRO = new QPushButton(QStringLiteral("Remove"), Frame9);
    form->addWidget(caption(QStringLiteral("Rough Opening ID"), Frame9), 0, 0);
    form->addWidget(cboROID, 0, 1);
    form->addWidget(caption(QStringLiteral("Rough Opening Width"), Frame9), 1, 0);
    form->addWidget(txtROWidth, 1, 1);
    form->addWidget(caption(QStringLiteral("Average R.O. Height"), Frame9), 2, 0);
    form->addWidget(txtAverageROHeight, 2, 1);
    form->addWidget(caption(QStringLiteral(" Number of Headers in R.O."), Frame9), 3, 0);
    form->addWidget(cboNumberHeaders, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddRO);
    buttons->addWidget(cmdRemoveRO);
    form->addLayout(buttons, 4, 0, 1, 2);
    form->setRowStretch(5, 1);

    // The support lists sit with the member picture's guides.
    auto* supports = new QWidget(page);
    auto* supportForm = new QGridLayout(supports);
    cboColumnIDLeft = new DataCombo({QStringLiteral("ID"), QStringLiteral("Column ID Left")}, 1, supports);
    cboColumnIDRight = new DataCombo({QStringLiteral("ID"), QStringLiteral("Column ID Right")}, 1, supports);
    supportForm->addWidget(caption(QStringLiteral("Column ID Left"), supports), 0, 0);
    supportForm->addWidget(cboColumnIDLeft, 1, 0);
    supportForm->addWidget(caption(QStringLiteral("Column ID Right"), supports), 0, 1);
    supportForm->addWidget(cboColumnIDRight, 1, 1);

    grdROInformation = new DataGrid({QStringLiteral("Rough Opening ID"), QStringLiteral("Rough Opening"),
                                     QStringLiteral("Average Height"), QStringLiteral("# of Headers"),
                                     QStringLiteral("Column ID Left"), QStringLiteral("Column ID Right")},
                                    page);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame9);
    left->addWidget(supports);
    outer->addLayout(left);
    outer->addWidget(grdROInformation, 1);
    compact(outer);
    compact(form);
    compact(supportForm, 0);
    left->setSpacing(4);

    cboROID->setObjectName(QStringLiteral("cboROID"));
    txtROWidth->setObjectName(QStringLiteral("txtROWidth"));
    txtAverageROHeight->setObjectName(QStringLiteral("txtAverageROHeight"));
    setBoxCaption(txtROWidth, QStringLiteral("Rough Opening Width"));
    setBoxCaption(txtAverageROHeight, QStringLiteral("Average R.O. Height"));
    cboNumberHeaders->setObjectName(QStringLiteral("cboNumberHeaders"));
    cboColumnIDLeft->setObjectName(QStringLiteral("cboColumnIDLeft"));
    cboColumnIDRight->setObjectName(QStringLiteral("cboColumnIDRight"));
    cmdAddRO->setObjectName(QStringLiteral("cmdAddRO"));
    cmdRemoveRO->setObjectName(QStringLiteral("cmdRemoveRO"));
    grdROInformation->setObjectName(QStringLiteral("grdROInformation"));

    setTabChain({txtROWidth, txtAverageROHeight, cboNumberHeaders, cboColumnIDLeft, cboColumnIDRight, cmdAddRO,
                 cmdRemoveRO, cboROID});
}

// ---------------------------------------------------------------- plumbing

void WallOpeningsEditor::guard(const std::function<void()>& handler)
{
    runGuarded(qobject_cast<QWidget*>(Frame9 ? Frame9->parentWidget() : nullptr), handler, wall_.view);
}

MsgResult WallOpeningsEditor::message(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon)
{
    ProjectView& v = wall_.view ? *wall_.view : projectView();
    return v.messageBox(text, title, buttons, icon);
}

bool WallOpeningsEditor::editedWall(std::int16_t* id) const
{
    const QString text = wall_.wallID ? wall_.wallID().trimmed() : QString();
    if (text.isEmpty())
        return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < INT16_MIN || value > INT16_MAX)
        return false;
    *id = static_cast<std::int16_t>(value);
    return true;
}

bool WallOpeningsEditor::confirmRemove(const QString& chosen)
{
    return message(QStringLiteral("Are you sure you want to remove ") + chosen + QStringLiteral("?"),
                   QStringLiteral("Confirm Delete"), MsgButtons::YesNo, MsgIcon::Question)
           == MsgResult::Yes;
}

void WallOpeningsEditor::setColumnMode(bool adding)
{
    cmdAddColumn->setText(adding ? AddCaption : UpdateCaption);
    cmdRemoveColumn->setEnabled(!adding);
}

void WallOpeningsEditor::setOpeningMode(bool adding)
{
    cmdAddRO->setText(adding ? AddCaption : UpdateCaption);
    cmdRemoveRO->setEnabled(!adding);
}

bool WallOpeningsEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && pressReturn(QApplication::focusWidget(), qobject_cast<QWidget*>(watched)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool WallOpeningsEditor::pressReturn(QWidget* focus, QWidget* within)
{
    if (auto* button = qobject_cast<QPushButton*>(focus); button && button->isEnabled()
                                                          && button->isVisibleTo(button->window())) {
        button->click();
        return true;
    }
    QWidget* at = within ? within : focus;
    auto onPage = [at](const QGroupBox* frame) {
        return at && (at == frame->parentWidget() || frame->parentWidget()->isAncestorOf(at));
    };
    QPushButton* add = onPage(Frame7) ? cmdAddColumn : onPage(Frame9) ? cmdAddRO : nullptr;
    if (!add)
        return false;
    // Each box is read as leaving it would read it (capped, shown in display
    // notation, its label following) before the page's Add button runs; a
    // box that holds no length is reported and nothing is added.
    bool read = false;
    guard([&] {
        if (add == cmdAddColumn) {
            applyLengthRule(txtColumnHeight, wall_.lblColumnHeight, kColumnHeightX, kColumnHeightY);
            applyLengthRule(txtMaxColumnWidth, nullptr, 0, 0);
        } else {
            applyLengthRule(txtROWidth, wall_.lblROWidth, kROWidthX, kROWidthY);
            applyLengthRule(txtAverageROHeight, nullptr, 0, 0);
        }
        read = true;
    });
    if (read && add->isEnabled() && add->isVisibleTo(add->window()))
        add->click();
    return true;
}

// ------------------------------------------------------------- length rule

void WallOpeningsEditor::txtColumnHeight_LostFocus()
{
    guard([this] { applyLengthRule(txtColumnHeight, wall_.lblColumnHeight, kColumnHeightX, kColumnHeightY); });
}

void WallOpeningsEditor::txtMaxColumnWidth_LostFocus()
{
    guard([this] { applyLengthRule(txtMaxColumnWidth, nullptr, 0, 0); });
}

void WallOpeningsEditor::txtROWidth_LostFocus()
{
    guard([this] { applyLengthRule(txtROWidth, wall_.lblROWidth, kROWidthX, kROWidthY); });
}

void WallOpeningsEditor::txtAverageROHeight_LostFocus()
{
    guard([this] { applyLengthRule(txtAverageROHeight, nullptr, 0, 0); });
}

// ----------------------------------------------------------------- columns

void WallOpeningsEditor::RefreshColumnGrid()
{
    grdColumnInformation->removeAll();
    std::int16_t wallID = 0;
    if (editedWall(&wallID)) {
        for (const StoredColumn& c : WallStore(DbConnection).columns(wallID)) {
            if (c.removed())
                grdColumnInformation->addRowFields({c.columnID, c.height.toText(), c.maxWidth.toText()});
            else
                grdColumnInformation->addRowFields(
                    {c.columnID, storedLengthText(c.height), storedLengthText(c.maxWidth)});
        }
    }
    txtColumnHeight->clear();
    // The new number is chosen, so the editor is adding.
    fillNumberedList(cboColumnID, kColumnPrefix, grdColumnInformation->rows());
    setColumnMode(true);
}

void WallOpeningsEditor::cboColumnID_Click() { guard([this] { chooseColumn(); }); }
void WallOpeningsEditor::cmdAddColumn_Click() { guard([this] { saveColumn(); }); }
void WallOpeningsEditor::cmdRemoveColumn_Click() { guard([this] { removeColumn(); }); }

void WallOpeningsEditor::chooseColumn()
{
    const QString chosen = cboColumnID->text();
    if (isNextNumber(chosen, kColumnPrefix, grdColumnInformation)) {
        txtColumnHeight->clear();
        txtMaxColumnWidth->clear();
        setColumnMode(true);
        return;
    }
    std::int16_t wallID = 0;
    if (editedWall(&wallID)) {
        if (const std::optional<StoredColumn> c = WallStore(DbConnection).column(wallID, chosen)) {
            if (c->removed()) {
                txtColumnHeight->clear();
                txtMaxColumnWidth->clear();
            } else {
                txtColumnHeight->setText(storedLengthText(c->height));
                txtMaxColumnWidth->setText(storedLengthText(c->maxWidth));
            }
        }
    }
    const int number = numberAfter(chosen, kColumnPrefix);
    if (number >= 1 && number <= grdColumnInformation->rows())
        grdColumnInformation->setCursorRow(number - 1);
    setColumnMode(false);
}

void WallOpeningsEditor::offerEaveHeight()
{
    if (wall_.optEave && wall_.optEave->isChecked() && txtColumnHeight->text().isEmpty()) {
        txtColumnHeight->setText(wall_.txtEaveHeight ? wall_.txtEaveHeight->text() : QString());
        applyLengthRule(txtColumnHeight, wall_.lblColumnHeight, kColumnHeightX, kColumnHeightY);
    }
}

void WallOpeningsEditor::saveColumn()
{
    const auto focusBack = qScopeGuard([this] { txtColumnHeight->setFocus(); });
    std::int16_t wallID = 0;
    const QString chosen = cboColumnID->text();
    if (!chosen.isEmpty() && !txtColumnHeight->text().isEmpty() && editedWall(&wallID)) {
        const QString height = sqlNumber(readLengthBox(txtColumnHeight));
        const QString width = sqlNumber(readLengthBox(txtMaxColumnWidth));
        // Into the wall open in the editor: CurrentWallID may name the last
        // wall a calculation walked.
        WallStore store(DbConnection);
        if (!isNextNumber(chosen, kColumnPrefix, grdColumnInformation))
            store.updateColumn(wallID, chosen, height, width);
        else
            store.addColumn(wallID, chosen, height, width);
        setColumnMode(true);
        RefreshColumnGrid();
    }
    offerEaveHeight();
}

void WallOpeningsEditor::removeColumn()
{
    // The chosen column is the one named, checked and removed, whichever
    // grid row the user clicked since.
    const QString chosen = cboColumnID->text();
    std::int16_t wallID = 0;
    if (chosen.isEmpty() || isNextNumber(chosen, kColumnPrefix, grdColumnInformation) || !editedWall(&wallID))
        return;

    WallStore store(DbConnection);
    const QStringList conflicts = store.openingsSupportedBy(wallID, chosen);
    for (const QString& roid : conflicts)
        message(chosen + QStringLiteral(" is required to support one side of ") + roid
                    + QStringLiteral(".  You must first remove the Rough Opening before the column can be removed."),
                QStringLiteral("Column Support Conflict"), MsgButtons::Ok, MsgIcon::Exclamation);
    if (!conflicts.isEmpty())
        return;

    if (!confirmRemove(chosen))
        return;

    store.removeColumn(wallID, chosen);
    setColumnMode(true);
    RefreshColumnGrid();
    txtColumnHeight->setFocus();
}

void WallOpeningsEditor::EnterColumnsPage()
{
    // As the window's page switch does it: the eave height shows on the
    // member picture, and the reload then empties the box.
    offerEaveHeight();
    if (wall_.lblColumnHeight)
        wall_.lblColumnHeight->setText(txtColumnHeight->text());
    RefreshColumnGrid();
    txtColumnHeight->setFocus();
}

// ----------------------------------------------------------- rough openings

void WallOpeningsEditor::RefreshRoughOpeningGrid()
{
    grdROInformation->removeAll();
    std::int16_t wallID = 0;
    if (editedWall(&wallID)) {
        for (const StoredOpening& o : WallStore(DbConnection).openings(wallID)) {
            const bool removed = o.removed();
            grdROInformation->addRowFields({o.roid, removed ? o.width.toText() : storedLengthText(o.width),
                                            removed ? o.averageHeight.toText() : storedLengthText(o.averageHeight),
                                            o.numHeaders, o.left, o.right});
        }
    }
    txtROWidth->clear();
    txtAverageROHeight->clear();
    // The new number is chosen, so the editor is adding.
    fillNumberedList(cboROID, kOpeningPrefix, grdROInformation->rows());
    setOpeningMode(true);
}

void WallOpeningsEditor::LoadSupportColumnLists()
{
    for (DataCombo* list : {cboColumnIDLeft, cboColumnIDRight}) {
        list->removeAll();
        std::int16_t wallID = 0;
        if (!editedWall(&wallID))
            continue;
        for (const QStringList& row : WallStore(DbConnection).supportColumns(wallID))
            list->addRowFields(row);
    }
}

void WallOpeningsEditor::EnterRoughOpeningsPage()
{
    LoadSupportColumnLists();
    clearCombo(cboColumnIDLeft);
    clearCombo(cboColumnIDRight);
    cboNumberHeaders->removeAll();
    for (const char* n : {"1", "2", "3", "4"})
        cboNumberHeaders->addRowFields({QString::fromLatin1(n)});
    RefreshRoughOpeningGrid();
    txtROWidth->setFocus();
}

void WallOpeningsEditor::cboROID_Click() { guard([this] { chooseOpening(); }); }
void WallOpeningsEditor::cmdAddRO_Click() { guard([this] { saveOpening(); }); }
void WallOpeningsEditor::cmdRemoveRO_Click() { guard([this] { removeOpening(); }); }
void WallOpeningsEditor::cboColumnIDLeft_Click() { guard([this] { refuseSameSupport(cboColumnIDLeft); }); }
void WallOpeningsEditor::cboColumnIDRight_Click() { guard([this] { refuseSameSupport(cboColumnIDRight); }); }

void WallOpeningsEditor::chooseOpening()
{
    const QString chosen = cboROID->text();
    if (isNextNumber(chosen, kOpeningPrefix, grdROInformation)) {
        txtROWidth->clear();
        txtAverageROHeight->clear();
        cboNumberHeaders->setText(QString());
        setOpeningMode(true);
        return;
    }
    std::int16_t wallID = 0;
    if (editedWall(&wallID)) {
        if (const std::optional<StoredOpening> o = WallStore(DbConnection).opening(wallID, chosen)) {
            if (o->removed()) {
                txtROWidth->clear();
                txtAverageROHeight->clear();
                cboNumberHeaders->setText(QString());
                clearCombo(cboColumnIDLeft);
                clearCombo(cboColumnIDRight);
            } else {
                txtROWidth->setText(storedLengthText(o->width));
                txtAverageROHeight->setText(storedLengthText(o->averageHeight));
                cboNumberHeaders->setText(o->numHeaders);
                cboNumberHeaders->setColumnValue(0, o->numHeaders);
                cboColumnIDLeft->setText(o->left);
                cboColumnIDLeft->setColumnValue(1, o->left);
                cboColumnIDRight->setText(o->right);
                cboColumnIDRight->setColumnValue(1, o->right);
            }
        }
    }
    const int number = numberAfter(chosen, kOpeningPrefix);
    if (number >= 1 && number <= grdROInformation->rows())
        grdROInformation->setCursorRow(number - 1);
    setOpeningMode(false);
}

void WallOpeningsEditor::saveOpening()
{
    const auto focusBack = qScopeGuard([this] { txtROWidth->setFocus(); });
    std::int16_t wallID = 0;
    if (!editedWall(&wallID))
        return;
    const QString chosen = cboROID->text();
    const bool adding = isNextNumber(chosen, kOpeningPrefix, grdROInformation);

    const double wallLength = readLengthBox(wall_.txtWallLength);
    WallStore store(DbConnection);
    const double others = store.otherOpeningsWidth(wallID, chosen);
    const double newWidth = readLengthBox(txtROWidth);
    if (checkedFinite(others + newWidth, "total opening width") > wallLength + kLengthTolerance) {
        message(kOpeningsExceedWall, QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    if (chosen.isEmpty() || txtROWidth->text().isEmpty() || cboColumnIDLeft->text().isEmpty()
        || cboColumnIDRight->text().isEmpty() || cboNumberHeaders->text().isEmpty()
        || txtAverageROHeight->text().isEmpty())
        return;

    const StoredOpening opening{chosen,
                                Value::text(sqlNumber(readLengthBox(txtROWidth))),
                                Value::text(sqlNumber(readLengthBox(txtAverageROHeight))),
                                cboNumberHeaders->text(),
                                cboColumnIDLeft->text(),
                                cboColumnIDRight->text()};
    const QString& left = opening.left;
    const QString& right = opening.right;

    if (adding) {
        QStringList conflicts;
        for (SupportSide side : store.supportConflicts(wallID, left, right))
            conflicts << (side == SupportSide::Left
                              ? left + QStringLiteral(" has already been used as a left column support.  Please "
                                                      "choose a different column support")
                              : right + QStringLiteral(" has already been used as a right column support.  Please "
                                                       "choose a different column support"));
        for (const QString& text : conflicts)
            message(text, QStringLiteral("Column Support Conflict"), MsgButtons::Ok, MsgIcon::Exclamation);
        if (!conflicts.isEmpty())
            return;
    }

    // Into the wall open in the editor: CurrentWallID may name the last
    // wall a calculation walked.
    if (!adding)
        store.updateOpening(wallID, opening);
    else
        store.addOpening(wallID, opening);
    setOpeningMode(true);
    RefreshRoughOpeningGrid();
}

void WallOpeningsEditor::removeOpening()
{
    // The chosen opening is the one named and removed, whichever grid row
    // the user clicked since.
    const QString chosen = cboROID->text();
    std::int16_t wallID = 0;
    if (chosen.isEmpty() || isNextNumber(chosen, kOpeningPrefix, grdROInformation) || !editedWall(&wallID))
        return;
    if (!confirmRemove(chosen))
        return;
    WallStore(DbConnection).removeOpening(wallID, chosen);
    setOpeningMode(true);
    RefreshRoughOpeningGrid();
    txtROWidth->setFocus();
}

void WallOpeningsEditor::refuseSameSupport(DataCombo* picked)
{
    if (picked->text().isEmpty() || cboColumnIDLeft->text() != cboColumnIDRight->text())
        return;
    message(QStringLiteral("You cannot select the same Column ID for both the left and right support.  Please make a "
                           "new selection."),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Exclamation);
    clearCombo(picked);
}

}  // namespace dv
