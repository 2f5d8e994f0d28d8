#include "platform/widgets/data_combo.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QStandardItemModel>
#include <QStylePainter>
#include <QTableView>
#include <algorithm>

namespace dv {

DataCombo::DataCombo(const QStringList& captions, int displayColumn, QWidget* parent)
    : QComboBox(parent), columns_(std::max<int>(1, static_cast<int>(captions.size()))),
      displayColumn_(std::clamp(displayColumn, 0, std::max<int>(0, static_cast<int>(captions.size()) - 1)))
{
    model_ = new QStandardItemModel(0, columns_, this);
    bool anyCaption = false;
    for (int c = 0; c < captions.size(); ++c) {
        model_->setHeaderData(c, Qt::Horizontal, captions[c]);
        anyCaption = anyCaption || !captions[c].isEmpty();
    }
    list_ = new QTableView(this);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(false);
    list_->setWordWrap(false);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    list_->horizontalHeader()->setVisible(anyCaption && columns_ > 1);
    list_->horizontalHeader()->setStretchLastSection(true);
    setModel(model_);
    setView(list_);
    setModelColumn(displayColumn_);
    setCurrentIndex(-1);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, qOverload<int>(&QComboBox::activated), this, &DataCombo::onActivated);
}

void DataCombo::removeAll()
{
    model_->removeRows(0, model_->rowCount());
    update();
}

void DataCombo::addRowFields(const QStringList& fields)
{
    QList<QStandardItem*> items;
    for (int c = 0; c < columns_; ++c) {
        auto* item = new QStandardItem(c < fields.size() ? fields[c] : QString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        items << item;
    }
    model_->appendRow(items);
}

int DataCombo::rows() const { return model_->rowCount(); }

QString DataCombo::rowValue(int row, int column) const
{
    if (row < 0 || row >= model_->rowCount() || column < 0 || column >= columns_)
        return QString();
    return model_->item(row, column)->text();
}

QString DataCombo::columnValue(int column) const { return values_.value(column); }

void DataCombo::setColumnValue(int column, const QString& value)
{
    if (column < 0 || column >= columns_)
        return;
    while (values_.size() < columns_)
        values_ << QString();
    values_[column] = value;
}

void DataCombo::setText(const QString& text)
{
    text_ = text;
    update();
    updateGeometry();
}

bool DataCombo::droppedDown() const { return view() && view()->isVisible(); }

void DataCombo::setDroppedDown(bool open)
{
    if (open && !droppedDown())
        showPopup();
    else if (!open && droppedDown())
        hidePopup();
}

void DataCombo::setListColumnHidden(int column, bool hidden) { list_->setColumnHidden(column, hidden); }

void DataCombo::showPopup()
{
    emit dropDown();
    // The list shows the row holding the current values, if there is one;
    // nothing else depends on it.
    int match = -1;
    for (int r = 0; r < model_->rowCount() && match < 0; ++r) {
        bool same = !values_.isEmpty();
        for (int c = 0; c < columns_ && same; ++c)
            same = model_->item(r, c)->text() == values_.value(c);
        if (same)
            match = r;
    }
    {
        const QSignalBlocker block(this);
        setCurrentIndex(match);
    }
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setStretchLastSection(true);
    int width = 4;
    for (int c = 0; c < columns_; ++c)
        if (!list_->isColumnHidden(c))
            width += list_->columnWidth(c);
    list_->setMinimumWidth(std::max(width, this->width()));
    QComboBox::showPopup();
}

QSize DataCombo::sizeHint() const
{
    QSize s = QComboBox::sizeHint();
    const int textWidth = fontMetrics().horizontalAdvance(text_) + 2 * fontMetrics().height() + 16;
    s.setWidth(std::max(s.width(), std::min(textWidth, 400)));
    return s;
}

QSize DataCombo::minimumSizeHint() const { return QComboBox::minimumSizeHint(); }

void DataCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText = text_;
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

void DataCombo::mousePressEvent(QMouseEvent* e)
{
    emit mousePressed();
    if (!isEnabled()) {
        e->ignore();
        return;
    }
    // Any button opens a closed list; a press on an open one is the list's.
    // The left button goes the control's own way, which also keeps the
    // release of this press from picking a row.
    if (e->button() == Qt::LeftButton) {
        QComboBox::mousePressEvent(e);
        return;
    }
    if (!droppedDown())
        showPopup();
    e->accept();
}

void DataCombo::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        QComboBox::keyPressEvent(e);
        return;
    default:
        break;
    }
    const bool typed = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
                       && !e->text().isEmpty() && e->text().at(0).isPrint();
    const bool opensList = e->key() == Qt::Key_Up || e->key() == Qt::Key_Down || e->key() == Qt::Key_PageUp
                           || e->key() == Qt::Key_PageDown || e->key() == Qt::Key_Home || e->key() == Qt::Key_End
                           || e->key() == Qt::Key_F4 || e->key() == Qt::Key_Space || typed;
    if (opensList && isEnabled()) {
        if (!droppedDown())
            showPopup();
        e->accept();
        return;
    }
    e->ignore();
}

void DataCombo::wheelEvent(QWheelEvent* e) { e->ignore(); }

void DataCombo::onActivated(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    values_.clear();
    for (int c = 0; c < columns_; ++c)
        values_ << model_->item(row, c)->text();
    text_ = values_.value(displayColumn_);
    update();
    emit picked();
}

}  // namespace dv
