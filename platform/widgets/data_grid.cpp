#include "platform/widgets/data_grid.h"

#include <QHeaderView>

namespace dv {

DataGrid::DataGrid(const QStringList& captions, QWidget* parent) : QTableWidget(0, static_cast<int>(captions.size()), parent)
{
    setHorizontalHeaderLabels(captions);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);

    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        cursor_ = row;
        emit rowClicked(row);
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        cursor_ = row;
        emit rowDoubleClicked(row);
    });
    // Keyboard moves of the user's selection move the current row too.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 0)
            cursor_ = row;
    });
}

void DataGrid::removeAll()
{
    setRowCount(0);
    cursor_ = -1;
}

void DataGrid::addRowFields(const QStringList& fields)
{
    const int r = rowCount();
    // Appending must not move the user's current cell, or with it our cursor.
    const QSignalBlocker block(this);
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        auto* item = new QTableWidgetItem(c < fields.size() ? fields[c] : QString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(r, c, item);
    }
}

void DataGrid::setCursorRow(int row) { cursor_ = (row >= 0 && row < rowCount()) ? row : -1; }

void DataGrid::moveFirst() { setCursorRow(0); }

void DataGrid::moveNext()
{
    if (cursor_ >= 0 && cursor_ + 1 < rowCount())
        ++cursor_;
    else
        cursor_ = -1;
}

QString DataGrid::value(int column) const { return cellText(cursor_, column); }

void DataGrid::setValue(int column, const QString& text)
{
    if (cursor_ < 0 || cursor_ >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* it = item(cursor_, column))
        it->setText(text);
}

QString DataGrid::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return QString();
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

int DataGrid::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void DataGrid::selectRowAt(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    setCurrentCell(row, 0);
    selectRow(row);
    cursor_ = row;
}

}  // namespace dv
