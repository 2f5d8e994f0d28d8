// The wall editor of the project window: its controls, the wall and member
// pictures with their dimension labels, the wall-type switch, the pages,
// the keyboard order, the input rules of the dimension boxes and the
// reference lists.
#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/sql_literals.h"
#include "core/translator.h"
#include "platform/numbers.h"
#include "platform/widgets/data_combo.h"
#include "platform/widgets/data_grid.h"
#include "platform/widgets/focus_select.h"
#include "platform/widgets/key_filter.h"
#include "ui/common/number_box.h"
#include "platform/widgets/tab_control.h"
#include "ui/project/box_caption.h"
#include "ui/project/format_messages.h"
#include "ui/project/length_box.h"
#include "ui/project/wall_openings_editor.h"
#include "ui/project/frmDorvMain.h"
#include "ui/project/wall_pictures.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cmath>
#include <algorithm>
#include <array>
#include <utility>

namespace dv {

namespace {

// The top band of the picture frame that holds no picture or label (the
// pictures start 32 pixels down).
constexpr int kPictureBandHidden = 24;

// Shows the picture frame it holds at its own width, less the frame's
// blank top band.
class PictureStrip : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        for (QWidget* frame : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            frame->setGeometry(0, -kPictureBandHidden, width(), height() + kPictureBandHidden);
        QWidget::resizeEvent(event);
    }
};

// Positions of the window are kept in twips; a pixel is 15 of them.
int px(int twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }

template <class W>
W* named(W* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel* pictureLabel(QWidget* parent, const char* name, const QString& caption = QString())
{
    auto* l = named(new QLabel(caption, parent), name);
    // On the paper of the pictures, so the text reads over its line.
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, QColor(250, 250, 246));
    pal.setColor(QPalette::WindowText, QColor(20, 50, 140));
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->adjustSize();
    return l;
}

// The editor's boxes are spaced tightly, so that the pictures and the
// tallest page fit a small laptop screen at once.
void compact(QLayout* layout, int margin = 4, int spacing = 4)
{
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
}

QFrame* guideLine(QWidget* parent, const char* name, const QRect& r)
{
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(r);
    return line;
}

}  // namespace

// ---------------------------------------------------------------------------
// Layout

void frmDorvMain::buildWallEditor()
{
    auto* pageLayout = qobject_cast<QVBoxLayout*>(fraWallEditor->layout());

    // The pictures, with the labels laid over them at fixed points. The
    // blank band above the pictures is kept out of sight, so the frame's
    // points stay those of the labels' anchors.
    auto* pictureStrip = new PictureStrip(fraWallEditor);
    fraPictures = named(new QWidget(pictureStrip), "fraPictures");
    pictureStrip->setFixedHeight(400 - kPictureBandHidden);
    pictureStrip->setMinimumWidth(1010);
    imgMember = named(new QLabel(fraPictures), "imgMember");
    imgMember->setGeometry(QRect(kMemberPictureAt, QSize(232, 352)));
    imgMain = named(new QLabel(fraPictures), "imgMain");
    imgMain->setGeometry(QRect(QPoint(px(3720), px(480)), QSize(520, 360)));

    lblPictureEaveHeight = pictureLabel(fraPictures, "lblPictureEaveHeight");
    lblPictureWallLength = pictureLabel(fraPictures, "lblPictureWallLength");
    lblPictureRidgeHeight = pictureLabel(fraPictures, "lblPictureRidgeHeight");
    lblPictureSlope = pictureLabel(fraPictures, "lblPictureSlope");
    lblDTFHLabel = pictureLabel(fraPictures, "lblDTFHLabel");
    lblTwelve = pictureLabel(fraPictures, "lblTwelve", QStringLiteral("12"));
    lblColumnHeight = pictureLabel(fraPictures, "lblColumnHeight");
    lblROWidth = pictureLabel(fraPictures, "lblROWidth");
    lblColumnIDLeft = pictureLabel(fraPictures, "lblColumnIDLeft", QStringLiteral("Column ID Left"));
    lblColumnIDRight = pictureLabel(fraPictures, "lblColumnIDRight", QStringLiteral("Column ID Right"));
    lblColumnIDLeft->move(8, 356);
    lblColumnIDRight->move(kMemberPictureAt.x() + 232 - lblColumnIDRight->width(), 372);
    // The headers of the member picture are stacked from the top; each
    // label sits on its header with a guide to the header's far end.
    Label17 = pictureLabel(fraPictures, "Label17", QStringLiteral("Header #1"));
    Label16 = pictureLabel(fraPictures, "Label16", QStringLiteral("Header #2"));
    Label11 = pictureLabel(fraPictures, "Label11", QStringLiteral("Header #3"));
    const int headerLeft = kMemberPictureAt.x() + 53, headerRight = kMemberPictureAt.x() + 213;
    QLabel* headers[] = {Label17, Label16, Label11};
    for (QLabel* l : headers)
        l->setAutoFillBackground(false);  // written on the header itself
    QFrame** lines[] = {&Line5, &Line4, &Line2};
    const char* lineNames[] = {"Line5", "Line4", "Line2"};
    for (int i = 0; i < 3; ++i) {
        const int y = kMemberPictureAt.y() + 40 + i * 36 + 13;  // middle of the header
        headers[i]->move(headerLeft + 4, y - headers[i]->height() / 2);
        const int x0 = headerLeft + 8 + headers[i]->width();
        *lines[i] = guideLine(fraPictures, lineNames[i], QRect(x0, y, std::max(4, headerRight - 6 - x0), 1));
    }
    // The run of the slope mark and the resting places of the labels.
    lblTwelve->move(px(9960), px(1110));
    lblPictureSlope->move(px(10515), px(1200));

    cmdAddtoProject = named(new QPushButton(QStringLiteral("Add Wall System to Project ->>"), fraPictures),
                            "cmdAddtoProject");
    cmdAddtoProject->setGeometry(790, 352, 215, 30);

    // The inner pages.
    SSTab1 = named(new TabControl(fraWallEditor), "SSTab1");
    fraWallPage = named(new QWidget(SSTab1), "fraWallPage");
    fraColumnsPage = named(new QWidget(SSTab1), "fraColumnsPage");
    fraRoughOpeningsPage = named(new QWidget(SSTab1), "fraRoughOpeningsPage");
    SSTab1->addTab(fraWallPage, QStringLiteral("General Wall Information"));
    SSTab1->addTab(fraColumnsPage, QStringLiteral("Columns"));
    SSTab1->addTab(fraRoughOpeningsPage, QStringLiteral("Rough Openings"));
    SSTab1->tabBar()->setFocusPolicy(Qt::NoFocus);

    QWidget* page = fraWallPage;
    auto* fraWallType = new QGroupBox(QStringLiteral("Wall Type"), page);
    optEave = named(new QRadioButton(QStringLiteral("Eave Wall"), fraWallType), "optEave");
    optGable = named(new QRadioButton(QStringLiteral("Gable Wall"), fraWallType), "optGable");
    optEave->setChecked(true);
    auto* typeLayout = new QVBoxLayout(fraWallType);
    typeLayout->addWidget(optEave);
    typeLayout->addWidget(optGable);
    typeLayout->addStretch(1);

    auto* fraDimensions = new QGroupBox(QStringLiteral("Wall Dimensions"), page);
    txtRoofSlope = named(new QLineEdit(fraDimensions), "txtRoofSlope");
    txtDTFH = named(new QLineEdit(fraDimensions), "txtDTFH");
    txtEaveHeight = named(new QLineEdit(fraDimensions), "txtEaveHeight");
    txtRidgeHeight = named(new QLineEdit(fraDimensions), "txtRidgeHeight");
    txtWallLength = named(new QLineEdit(fraDimensions), "txtWallLength");
    txtRoofTrussSpan = named(new QLineEdit(fraDimensions), "txtRoofTrussSpan");
    lblRoofSlope = named(new QLabel(QStringLiteral("Roof Slope"), fraDimensions), "lblRoofSlope");
    lblDTFH = named(new QLabel(QStringLiteral("Distance to First Column"), fraDimensions), "lblDTFH");
    lblRidgeHeight = named(new QLabel(QStringLiteral("Ridge Height"), fraDimensions), "lblRidgeHeight");
    Label19 = named(new QLabel(QStringLiteral("Truss Span (plus overhang)"), fraDimensions), "Label19");
    chkMonoSlope = named(new QCheckBox(QStringLiteral("Mono Slope Wall"), fraDimensions), "chkMonoSlope");
    auto* dims = new QGridLayout(fraDimensions);
    dims->addWidget(lblRoofSlope, 0, 0);
    dims->addWidget(txtRoofSlope, 0, 1);
    dims->addWidget(lblDTFH, 0, 2);
    dims->addWidget(txtDTFH, 0, 3);
    dims->addWidget(new QLabel(QStringLiteral("Eave Height"), fraDimensions), 1, 0);
    dims->addWidget(txtEaveHeight, 1, 1);
    dims->addWidget(lblRidgeHeight, 1, 2);
    dims->addWidget(txtRidgeHeight, 1, 3);
    dims->addWidget(new QLabel(QStringLiteral("Wall Length"), fraDimensions), 2, 0);
    dims->addWidget(txtWallLength, 2, 1);
    dims->addWidget(Label19, 2, 2);
    dims->addWidget(txtRoofTrussSpan, 2, 3);
    // A gable wall has no truss span: the mono-slope box takes its place,
    // after the wall length as the keyboard reaches it (hidden while the
    // wall is an eave wall, as at the start).
    dims->addWidget(chkMonoSlope, 2, 2, 1, 2);
    chkMonoSlope->hide();

    for (auto [box, text] : {std::pair{txtEaveHeight, "Eave Height"}, std::pair{txtWallLength, "Wall Length"},
                             std::pair{txtRidgeHeight, "Ridge Height"}, std::pair{txtDTFH, "Distance to First Column"},
                             std::pair{txtRoofTrussSpan, "Truss Span (plus overhang)"},
                             std::pair{txtRoofSlope, "Roof Slope"}})
        setBoxCaption(box, QString::fromLatin1(text));

    auto* fraFinish = new QGroupBox(QStringLiteral("Wall Details"), page);
    cboExteriorFinish = named(new DataCombo({QStringLiteral("FinishName")}, 0, fraFinish), "cboExteriorFinish");
    txtCorners = named(new QLineEdit(fraFinish), "txtCorners");
    lblRoofLoading = named(new QLabel(QStringLiteral("State/Snow Loading"), fraFinish), "lblRoofLoading");
    cboRoofLoading = named(new DataCombo({QStringLiteral("ID"), QStringLiteral("State (Live/Dead Load)"),
                                          QStringLiteral("RoofLL"), QStringLiteral("RoofDL")},
                                         1, fraFinish),
                           "cboRoofLoading");
    cboRoofLoading->setListColumnHidden(0, true);
    auto* finish = new QGridLayout(fraFinish);
    finish->addWidget(new QLabel(QStringLiteral("Exterior Wall Finish"), fraFinish), 0, 0);
    finish->addWidget(cboExteriorFinish, 0, 1);
    finish->addWidget(new QLabel(QStringLiteral("Number of Corners"), fraFinish), 1, 0);
    finish->addWidget(txtCorners, 1, 1);
    finish->addWidget(lblRoofLoading, 2, 0);
    finish->addWidget(cboRoofLoading, 2, 1);
    finish->setColumnStretch(1, 1);

    auto* fraExposure = new QGroupBox(QStringLiteral("Wind Exposure"), page);
    optExposureB = named(new QRadioButton(QStringLiteral("Exposure B"), fraExposure), "optExposureB");
    optExposureC = named(new QRadioButton(QStringLiteral("Exposure C"), fraExposure), "optExposureC");
    optExposureD = named(new QRadioButton(QStringLiteral("Exposure D"), fraExposure), "optExposureD");
    cmdExposureHelp = named(new QPushButton(QStringLiteral("Exposure Help"), fraExposure), "cmdExposureHelp");
    auto* exposure = new QVBoxLayout(fraExposure);
    exposure->addWidget(optExposureB);
    exposure->addWidget(optExposureC);
    exposure->addWidget(optExposureD);
    exposure->addWidget(cmdExposureHelp);

    chkZoneWall = named(new QCheckBox(QStringLiteral("This is a Zone Wall System"), page), "chkZoneWall");
    fraZoneWall = named(new QGroupBox(QStringLiteral("Zone Wall Information"), page), "fraZoneWall");
    txtZoneCorners = named(new QLineEdit(fraZoneWall), "txtZoneCorners");
    txtZoneJunctions = named(new QLineEdit(fraZoneWall), "txtZoneJunctions");
    optCornerA = named(new QRadioButton(QStringLiteral("Corner A"), fraZoneWall), "optCornerA");
    optCornerB = named(new QRadioButton(QStringLiteral("Corner B"), fraZoneWall), "optCornerB");
    optJunctionA = named(new QRadioButton(QStringLiteral("Junction A"), fraZoneWall), "optJunctionA");
    optJunctionB = named(new QRadioButton(QStringLiteral("Junction B"), fraZoneWall), "optJunctionB");
    auto* corners = new QButtonGroup(fraZoneWall);
    corners->addButton(optCornerA);
    corners->addButton(optCornerB);
    auto* junctions = new QButtonGroup(fraZoneWall);
    junctions->addButton(optJunctionA);
    junctions->addButton(optJunctionB);
    optCornerA->setChecked(true);
    optJunctionA->setChecked(true);
    auto* zone = new QGridLayout(fraZoneWall);
    zone->addWidget(new QLabel(QStringLiteral("Zone Corners"), fraZoneWall), 0, 0);
    zone->addWidget(txtZoneCorners, 0, 1);
    zone->addWidget(optCornerA, 0, 2);
    zone->addWidget(optCornerB, 0, 3);
    zone->addWidget(new QLabel(QStringLiteral("Zone Junctions"), fraZoneWall), 1, 0);
    zone->addWidget(txtZoneJunctions, 1, 1);
    zone->addWidget(optJunctionA, 1, 2);
    zone->addWidget(optJunctionB, 1, 3);
    fraZoneWall->hide();

    auto* grid = new QGridLayout(page);
    grid->addWidget(fraWallType, 0, 0, 2, 1);
    grid->addWidget(fraDimensions, 0, 1);
    grid->addWidget(fraFinish, 1, 1);
    grid->addWidget(fraExposure, 0, 2, 2, 1);
    auto* zoneRow = new QVBoxLayout;
    zoneRow->addWidget(chkZoneWall);
    zoneRow->addWidget(fraZoneWall);
    zoneRow->addStretch(1);
    grid->addLayout(zoneRow, 0, 3, 2, 1);
    grid->setColumnStretch(1, 1);

    for (QLayout* l : std::initializer_list<QLayout*>{pageLayout, typeLayout, dims, finish, exposure, zone, grid})
        compact(l);
    zoneRow->setSpacing(4);
    pageLayout->addWidget(pictureStrip);
    pageLayout->addWidget(SSTab1, 1);

    // Inputs: select all on focus, key filters and focus-leave rules.
    attachLengthBox(txtEaveHeight, &frmDorvMain::txtEaveHeight_LostFocus);
    attachLengthBox(txtWallLength, &frmDorvMain::txtWallLength_LostFocus);
    attachLengthBox(txtRidgeHeight, &frmDorvMain::txtRidgeHeight_LostFocus);
    attachLengthBox(txtDTFH, &frmDorvMain::txtDTFH_LostFocus);
    attachLengthBox(txtRoofTrussSpan, &frmDorvMain::txtRoofTrussSpan_LostFocus);
    attachNumberBox(txtRoofSlope, &frmDorvMain::txtRoofSlope_LostFocus);
    attachNumberBox(txtCorners, &frmDorvMain::txtCorners_LostFocus);
    attachMemberPageInputs();

}

// Return follows the editor's Return rule: a push button is pressed, and
// Return that no other control of a member page took for itself (an open
// list takes it to pick its row) reads the page's boxes and presses its
// Add button; on the wall data page it does nothing. Return on the wall
// list opens the selected wall, and Down in the wall-system name box goes
// down into the list.
void frmDorvMain::keyPressEvent(QKeyEvent* e)
{
    QWidget* f = focusWidget();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        const bool onEditorPage = f && SSTab2->currentIndex() == WallEditorPage && SSTab1->currentWidget()
                                  && SSTab1->currentWidget()->isAncestorOf(f);
        if (f && f == grdWallSystemInformation && SSTab2->currentIndex() == ProjectPage) {
            grdWallSystemInformation_DblClick();
            e->accept();
            return;
        }
        if (openingsEditor->pressReturn(f) || onEditorPage) {
            e->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(e);
}

bool frmDorvMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtWallSystemName && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && wallGridRowCount() > 0) {
        // On the selected wall, or the first when none is selected.
        if (grdWallSystemInformation->selectedRow() < 0)
            grdWallSystemInformation->selectRowAt(0);
        grdWallSystemInformation->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

std::vector<QWidget*> frmDorvMain::keyboardOrder() const
{
    auto reachable = [this](const QWidget* w) {
        return w && w->isVisibleTo(this) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
    };
    std::vector<QWidget*> order;
    for (const QPointer<QWidget>& w : tabChain_)
        if (reachable(w))
            order.push_back(w);
    if (SSTab2->currentIndex() != WallEditorPage)
        return order;
    // On the wall editor every other control follows, those of the inner
    // page shown first, then the rest of the editor (the save button), each
    // in reading order. Lists are left to the mouse: what they show is
    // chosen through the page's boxes.
    auto others = [&](QWidget* within, const QWidget* skip) {
        std::vector<QWidget*> found;
        for (QWidget* w : within->findChildren<QWidget*>()) {
            if (!reachable(w) || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy()
                || std::find(order.begin(), order.end(), w) != order.end())
                continue;
            bool left = false;
            for (const QWidget* p = w; p && p != within && !left; p = p->parentWidget())
                left = p == skip || qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QTabBar*>(p);
            if (!left)
                found.push_back(w);
        }
        // A frame is read whole before the next one; frames and the
        // controls within each go row by row, left to right.
        auto key = [&](const QWidget* w) {
            const QWidget* block = w;
            while (block->parentWidget() && block->parentWidget() != within)
                block = block->parentWidget();
            const QPoint b = block->mapTo(this, QPoint(0, 0)), c = w->mapTo(this, QPoint(0, w->height() / 2));
            return std::array<int, 4>{b.y(), b.x(), c.y(), c.x()};
        };
        std::stable_sort(found.begin(), found.end(),
                         [&](const QWidget* a, const QWidget* b) { return key(a) < key(b); });
        order.insert(order.end(), found.begin(), found.end());
    };
    if (SSTab1->currentWidget())
        others(SSTab1->currentWidget(), nullptr);
    others(fraWallEditor, SSTab1);
    return order;
}

void frmDorvMain::connectEditorHandlers()
{
    connect(grdWallSystemInformation, &DataGrid::rowClicked, this, [this] { grdWallSystemInformation_Click(); });
    // The Remove button always names the wall it would remove, however the
    // selection moved (keys, or a refill that leaves none).
    connect(grdWallSystemInformation, &QTableWidget::itemSelectionChanged, this, [this] {
        if (grdWallSystemInformation->selectedRow() >= 0)
            grdWallSystemInformation_Click();
        else
            setRemoveCaption(QStringLiteral("Remove"));
    });
    connect(grdWallSystemInformation, &DataGrid::rowDoubleClicked, this,
            [this] { grdWallSystemInformation_DblClick(); });
    txtWallSystemName->installEventFilter(this);
    connect(cmdAddWallSystem, &QPushButton::clicked, this, &frmDorvMain::cmdAddWallSystem_Click);
    connect(cmdRemoveWallSystem, &QPushButton::clicked, this, &frmDorvMain::cmdRemoveWallSystem_Click);
    connect(cmdCopyWall, &QPushButton::clicked, this, &frmDorvMain::cmdCopyWall_Click);
    connect(cmdAddtoProject, &QPushButton::clicked, this, &frmDorvMain::cmdAddtoProject_Click);
    connect(optEave, &QRadioButton::clicked, this, &frmDorvMain::optEave_Click);
    connect(optGable, &QRadioButton::clicked, this, &frmDorvMain::optGable_Click);
    connect(chkZoneWall, &QCheckBox::clicked, this, &frmDorvMain::chkZoneWall_Click);
    connect(cmdExposureHelp, &QPushButton::clicked, this, &frmDorvMain::cmdExposureHelp_Click);
    connect(SSTab2, &TabControl::pageClicked, this, &frmDorvMain::SSTab2_Click);
    connect(SSTab1, &TabControl::pageClicked, this, &frmDorvMain::SSTab1_Click);
}

QWidget* frmDorvMain::editorControl(const char* name) const { return findChild<QWidget*>(QLatin1String(name)); }

QLineEdit* frmDorvMain::editorBox(const char* name) const { return findChild<QLineEdit*>(QLatin1String(name)); }

void frmDorvMain::attachLengthBox(QLineEdit* box, void (frmDorvMain::*rule)())
{
    if (!box || box->property("dvInputRules").toBool())
        return;
    box->setProperty("dvInputRules", true);
    selectAllOnFocus(box);
    // A paste goes in as it stands; the leave rule reads it.
    installKeyFilter(box, [](int code) { return FilterLengthKey(code); }, nullptr);
    installFocusLeave(box, [this, rule] {
        if (!tearingDown_)
            (this->*rule)();
    });
}

void frmDorvMain::attachNumberBox(QLineEdit* box, void (frmDorvMain::*rule)())
{
    if (!box || box->property("dvInputRules").toBool())
        return;
    box->setProperty("dvInputRules", true);
    selectAllOnFocus(box);
    installNumericKeyFilter(box);
    installFocusLeave(box, [this, rule] {
        if (!tearingDown_)
            (this->*rule)();
    });
}

void frmDorvMain::attachMemberPageInputs()
{
    attachLengthBox(editorBox("txtColumnHeight"), &frmDorvMain::txtColumnHeight_LostFocus);
    attachLengthBox(editorBox("txtMaxColumnWidth"), &frmDorvMain::txtMaxColumnWidth_LostFocus);
    attachLengthBox(editorBox("txtROWidth"), &frmDorvMain::txtROWidth_LostFocus);
    attachLengthBox(editorBox("txtAverageROHeight"), &frmDorvMain::txtAverageROHeight_LostFocus);
}

// ---------------------------------------------------------------------------
// Focus-leave rules

void frmDorvMain::txtEaveHeight_LostFocus()
{
    guard([this] {
        if (optEave->isChecked())
            applyLengthRule(txtEaveHeight, lblPictureEaveHeight, 4150, 2760);
        else
            applyLengthRule(txtEaveHeight, lblPictureEaveHeight, 4440, 3480);
    });
}

void frmDorvMain::txtWallLength_LostFocus()
{
    guard([this] {
        if (optEave->isChecked())
            applyLengthRule(txtWallLength, lblPictureWallLength, 7800, 5200);
        else
            applyLengthRule(txtWallLength, lblPictureWallLength, 7920, 5520);
    });
}

void frmDorvMain::txtRidgeHeight_LostFocus()
{
    guard([this] { applyLengthRule(txtRidgeHeight, lblPictureRidgeHeight, 4060, 1440); });
}

void frmDorvMain::txtDTFH_LostFocus()
{
    guard([this] {
        if (txtDTFH->text().isEmpty()) {
            lblDTFHLabel->clear();
            return;
        }
        applyLengthRule(txtDTFH, lblDTFHLabel, 5280, 1280);
    });
}

void frmDorvMain::txtRoofTrussSpan_LostFocus() { guard([this] { applyLengthRule(txtRoofTrussSpan, nullptr, 0, 0); }); }

void frmDorvMain::txtColumnHeight_LostFocus()
{
    guard([this] { applyLengthRule(editorBox("txtColumnHeight"), lblColumnHeight, 600, 2880); });
}

void frmDorvMain::txtMaxColumnWidth_LostFocus()
{
    guard([this] { applyLengthRule(editorBox("txtMaxColumnWidth"), nullptr, 0, 0); });
}

void frmDorvMain::txtROWidth_LostFocus()
{
    guard([this] { applyLengthRule(editorBox("txtROWidth"), lblROWidth, 2115, 3270); });
}

void frmDorvMain::txtAverageROHeight_LostFocus()
{
    guard([this] { applyLengthRule(editorBox("txtAverageROHeight"), nullptr, 0, 0); });
}


void frmDorvMain::txtRoofSlope_LostFocus()
{
    guard([this] {
        QString text = txtRoofSlope->text();
        if (text.isEmpty())
            return;
        const int slash = text.indexOf(QLatin1Char('/'));
        if (slash >= 0) {
            text = text.left(slash);
            txtRoofSlope->setText(text);
        }
        // Blanks around a pasted rise are no part of it.
        if (text.trimmed() != text) {
            text = text.trimmed();
            txtRoofSlope->setText(text);
        }
        // A rise that is no number (two points, nothing before "/", a
        // pasted sign) is reported and left as it stands, without "/12".
        double rise = 0;
        if (!ReadTypedNumber(text, &rise)) {
            ShowImproperFormat(*this, kSlopeFormat);
            return;
        }
        // Typed digits are never below 0, so a slope the rule refuses is
        // above the largest one.
        if (!IsStoredRoofSlope(rise)) {
            messageBox(QStringLiteral("Maximum roof slope is 12/12.  The value will be reset to 12."),
                       QStringLiteral("Overflow"), MsgButtons::Ok, MsgIcon::Exclamation);
            text = QStringLiteral("12");
            txtRoofSlope->setText(text);
        }
        txtRoofSlope->setText(SetRoofSlopeText(text));
        lblPictureSlope->setText(txtRoofSlope->text().section(QLatin1Char('/'), 0, 0));
        lblPictureSlope->adjustSize();
    });
}

void frmDorvMain::txtCorners_LostFocus()
{
    guard([this] {
        if (txtCorners->text().count(QLatin1Char('.')) > 1)
            ShowImproperFormat(*this, kCornersFormat);
    });
}

// ---------------------------------------------------------------------------
// Wall type, pictures and guides

void frmDorvMain::ClearPictureLabels()
{
    for (QLabel* l : {lblPictureWallLength, lblPictureEaveHeight, lblPictureSlope, lblPictureRidgeHeight})
        l->clear();
}

void frmDorvMain::optEave_Click()
{
    guard([this] {
        ClearPictureLabels();
        imgMain->move(px(3720), px(480));
        loadPicture(imgMain, WallPicture::EaveWall);
        for (QWidget* w : std::initializer_list<QWidget*>{txtRoofSlope, lblRoofSlope, txtRidgeHeight, lblRidgeHeight,
                                                           lblTwelve, lblPictureSlope, lblPictureRidgeHeight, lblDTFH,
                                                           txtDTFH, lblDTFHLabel, chkMonoSlope})
            w->hide();
        lblRoofLoading->show();
        cboRoofLoading->setEnabled(true);
        txtRoofTrussSpan->show();
        Label19->show();
        lblPictureWallLength->move(px(7800), px(5325));
        txtWallLength_LostFocus();
        lblPictureEaveHeight->move(px(4150), px(2760));
        txtEaveHeight_LostFocus();
        SetTabOrder(QStringLiteral("Eave"));
    });
}

void frmDorvMain::optGable_Click()
{
    guard([this] {
        imgMain->move(px(3720), px(480));
        loadPicture(imgMain, WallPicture::GableWall);
        for (QWidget* w : std::initializer_list<QWidget*>{txtRoofSlope, lblRoofSlope, txtRidgeHeight, lblRidgeHeight,
                                                           lblDTFH, txtDTFH, chkMonoSlope})
            w->show();
        lblRoofLoading->hide();
        cboRoofLoading->setEnabled(false);
        txtRoofTrussSpan->hide();
        Label19->hide();
        lblPictureWallLength->move(px(7920), px(5400));
        txtWallLength_LostFocus();
        lblPictureEaveHeight->move(px(4440), px(3480));
        txtEaveHeight_LostFocus();
        lblTwelve->move(px(9960), px(1110));
        lblTwelve->show();
        lblPictureSlope->move(px(10515), px(1200));
        lblPictureSlope->show();
        txtRoofSlope_LostFocus();
        lblPictureRidgeHeight->move(px(4060), px(1440));
        lblPictureRidgeHeight->show();
        txtRidgeHeight_LostFocus();
        lblDTFHLabel->move(px(5280), px(1280));
        lblDTFHLabel->show();
        txtDTFH_LostFocus();
        SetTabOrder(QStringLiteral("Gable"));
    });
}

void frmDorvMain::ShowMemberGuides(const QString& kind)
{
    const bool none = kind == QLatin1String("None"), column = kind == QLatin1String("Column"),
               header = kind == QLatin1String("Header");
    if (!none && !column && !header)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{Line2, Label11, Line4, Label16, Line5, Label17, lblColumnIDLeft,
                                                       lblColumnIDRight})
        w->setVisible(header);
    for (const char* name : {"cboColumnIDLeft", "cboColumnIDRight"})
        if (QWidget* w = editorControl(name))
            w->setEnabled(header);
    lblROWidth->setVisible(header);
    if (header) {
        QLineEdit* width = editorBox("txtROWidth");
        lblROWidth->setText(width ? width->text() : QString());
        lblROWidth->adjustSize();
    }
    lblColumnHeight->setVisible(column);
}

void frmDorvMain::chkZoneWall_Click()
{
    guard([this] {
        if (chkZoneWall->isChecked()) {
            fraZoneWall->show();
            return;
        }
        fraZoneWall->hide();
        txtZoneCorners->clear();
        txtZoneJunctions->clear();
        optCornerA->setChecked(true);
        optJunctionA->setChecked(true);
    });
}

namespace {
void setComboText(QWidget* w, const QString& text)
{
    if (auto* data = qobject_cast<DataCombo*>(w))
        data->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setEditText(text);
}
}  // namespace

void frmDorvMain::SSTab2_Click(int)
{
    guard([this] {
        if (SSTab2->currentIndex() == WallEditorPage) {
            imgMain->show();
            LoadExteriorFinishList();
            setComboText(editorControl("cboColumnID"), QStringLiteral("Column 1"));
            if (QWidget* w = editorControl("cmdRemoveColumn"))
                w->setEnabled(false);
            setComboText(editorControl("cboROID"), QStringLiteral("Rough Opening 1"));
            if (QWidget* w = editorControl("cmdRemoveRO"))
                w->setEnabled(false);
            loadPicture(imgMember, WallPicture::ClearPicture);
            ShowMemberGuides(QStringLiteral("None"));
            SSTab1->setCurrentIndex(WallDataPage);
        } else if (SSTab2->currentIndex() == ProjectPage) {
            SetTabOrder(QStringLiteral("ProjectTab"));
            imgMain->hide();
            lblPictureSlope->hide();
            lblTwelve->hide();
        }
    });
}

void frmDorvMain::SSTab1_Click(int)
{
    guard([this] {
        attachMemberPageInputs();
        switch (SSTab1->currentIndex()) {
        case WallDataPage:
            loadPicture(imgMember, WallPicture::ClearPicture);
            lblColumnHeight->clear();
            ShowMemberGuides(QStringLiteral("None"));
            chkZoneWall_Click();
            SetTabOrder(QStringLiteral("None"));
            break;
        case ColumnsPage: {
            loadPicture(imgMember, WallPicture::ColumnPicture);
            QLineEdit* height = editorBox("txtColumnHeight");
            if (height && optEave->isChecked() && height->text().isEmpty()) {
                height->setText(txtEaveHeight->text());
                txtColumnHeight_LostFocus();
            }
            lblColumnHeight->setText(height ? height->text() : QString());
            lblColumnHeight->adjustSize();
            ShowMemberGuides(QStringLiteral("Column"));
            SetTabOrder(QStringLiteral("Column"));
            RefreshColumnGrid();
            break;
        }
        case RoughOpeningsPage: {
            loadPicture(imgMember, WallPicture::HeaderPicture);
            ShowMemberGuides(QStringLiteral("Header"));
            LoadSupportColumnLists();
            setComboText(editorControl("cboColumnIDLeft"), QString());
            setComboText(editorControl("cboColumnIDRight"), QString());
            if (auto* headers = qobject_cast<DataCombo*>(editorControl("cboNumberHeaders"))) {
                headers->removeAll();
                for (const char* n : {"1", "2", "3", "4"})
                    headers->addRowFields({QLatin1String(n)});
            }
            RefreshRoughOpeningGrid();
            SetTabOrder(QStringLiteral("Header"));
            break;
        }
        default: break;
        }
    });
}

// ---------------------------------------------------------------------------
// Keyboard order

void frmDorvMain::SetTabOrder(const QString& section)
{
    std::vector<QWidget*> order;
    QWidget* focus = nullptr;
    auto byName = [this](std::initializer_list<const char*> names) {
        std::vector<QWidget*> v;
        for (const char* n : names)
            v.push_back(editorControl(n));
        return v;
    };
    // The wall page has one order for both wall types, however it was
    // reached: the wall type, the dimensions row by row, the finish, the
    // corners, the exposure with its help and the roof loading. What the
    // other wall type uses is hidden or disabled and so passed over; only
    // the first focus differs.
    const bool wallPage = section == QLatin1String("None") || section == QLatin1String("Gable")
                          || section == QLatin1String("Eave");
    if (wallPage) {
        order = {optEave,      optGable,     txtRoofSlope, txtDTFH,      txtEaveHeight,   txtRidgeHeight,
                 txtWallLength, txtRoofTrussSpan, chkMonoSlope, cboExteriorFinish, txtCorners, optExposureB,
                 optExposureC, optExposureD, cmdExposureHelp, cboRoofLoading};
        if (section == QLatin1String("Gable"))
            focus = txtRoofSlope;
        else if (section == QLatin1String("Eave"))
            focus = txtEaveHeight;
        else
            focus = optEave->isChecked() ? optEave : optGable;
    } else if (section == QLatin1String("Column")) {
        order = byName({"txtColumnHeight", "txtMaxColumnWidth", "cmdAddColumn", "cmdRemoveColumn", "cboColumnID"});
        focus = order.front();
    } else if (section == QLatin1String("Header")) {
        order = byName({"txtROWidth", "txtAverageROHeight", "cboNumberHeaders", "cboColumnIDLeft",
                        "cboColumnIDRight", "cmdAddRO", "cmdRemoveRO", "cboROID"});
        focus = order.front();
    } else if (section == QLatin1String("ProjectTab")) {
        // The two lists are no Tab stops (the wall list is entered by Down
        // from the name box, either by a click); they stand in the ring so
        // that Tab and Shift+Tab leave them for their neighbours.
        order = {txtWallSystemName, grdWallSystemInformation, cmdAddWallSystem, cmdRemoveWallSystem, cmdCopyWall,
                 txtProjectName, txtBuilderName, cboCustomerProfile, optDefaultPricingProfile,
                 optCustomerPricingProfile, chkPricingMarkup, grdComparisonInformation};
    } else {
        return;
    }
    tabChain_.clear();
    QWidget* before = nullptr;
    for (QWidget* w : order) {
        if (!w)
            continue;
        tabChain_.emplace_back(w);
        if (before)
            setTabOrder(before, w);
        before = w;
    }
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// Reference lists

void frmDorvMain::LoadExteriorFinishList()
{
    cboExteriorFinish->removeAll();
    cboExteriorFinish->addRowFields({QString()});
    Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM Exterior_Finish ORDER BY FinishName"));
    while (!rs.eof()) {
        cboExteriorFinish->addRowFields({rs.field(QStringLiteral("FinishName")).toText()});
        rs.moveNext();
    }
    rs.close();
}

void frmDorvMain::LoadRoofLoadingList(bool fromWall, int wallRoofLoadingID)
{
    PreparedStatement profileRead =
        DbConnection.prepare(QStringLiteral("SELECT * FROM Customer_Profiles WHERE CustomerProfileID = ?"));
    profileRead.bind(1, selectedProfileID());
    Recordset profile = DbConnection.query(profileRead);
    cboRoofLoading->removeAll();
    auto display = [](const Recordset& rs) {
        return rs.field(QStringLiteral("StateName")).toText() + QStringLiteral(" (")
               + rs.field(QStringLiteral("RoofLL")).toText() + QLatin1Char('/')
               + rs.field(QStringLiteral("RoofDL")).toText() + QLatin1Char(')');
    };
    {
        Recordset rs = DbConnection.query(QStringLiteral("SELECT * FROM Roof_Loading ORDER BY StateName"));
        while (!rs.eof()) {
            cboRoofLoading->addRowFields({rs.field(QStringLiteral("ID")).toText(), display(rs),
                                          rs.field(QStringLiteral("RoofLL")).toText(),
                                          rs.field(QStringLiteral("RoofDL")).toText()});
            rs.moveNext();
        }
    }
    // The loading to select: the stored wall's, else the profile's. When
    // there is none, or it names no row, nothing stays selected, so that a
    // wall never takes over the loading shown for the wall opened before.
    bool have = false;
    long long id = 0;
    if (fromWall) {
        have = true;
        id = wallRoofLoadingID;
    } else if (!profile.eof() && !profile.field(QStringLiteral("RoofLoadingID")).isNull()) {
        have = true;
        id = profile.field(QStringLiteral("RoofLoadingID")).toInt32();
    }
    for (int c = 0; c < 4; ++c)
        cboRoofLoading->setColumnValue(c, QString());
    cboRoofLoading->setText(QString());
    if (have) {
        PreparedStatement loadingRead = DbConnection.prepare(QStringLiteral("SELECT * FROM Roof_Loading WHERE ID = ?"));
        loadingRead.bind(1, id);
        Recordset rs = DbConnection.query(loadingRead);
        if (!rs.eof()) {
            cboRoofLoading->setColumnValue(0, rs.field(QStringLiteral("ID")).toText());
            cboRoofLoading->setColumnValue(1, display(rs));
            cboRoofLoading->setText(display(rs));
            cboRoofLoading->setColumnValue(2, rs.field(QStringLiteral("RoofLL")).toText());
            cboRoofLoading->setColumnValue(3, rs.field(QStringLiteral("RoofDL")).toText());
        }
    }
    profile.close();
}

}  // namespace dv
