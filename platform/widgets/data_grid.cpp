#include "platform/widgets/data_grid.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

namespace dv {

DataGrid::DataGrid(const QStringList& captions, QWidget* parent) : QTableWidget(0, static_cast<int>(captions.size()), parent)
{
    setHorizontalHeaderLabels(captions);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    // Tab and Shift+Tab leave the grid for the window's next and previous
    // control; the arrows move within it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    alignment_.assign(static_cast<std::size_t>(columnCount()), Qt::AlignLeft | Qt::AlignVCenter);
    measureAll();

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
    measureAll();
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
        if (static_cast<std::size_t>(c) < alignment_.size())
            item->setTextAlignment(alignment_[static_cast<std::size_t>(c)]);
        setItem(r, c, item);
    }
    measureRow(r);
    applyColumnWidths();
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
    measureRow(cursor_);
    applyColumnWidths();
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

void DataGrid::setStretchColumn(int column)
{
    stretchColumn_ = column;
    applyColumnWidths();
}

void DataGrid::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0 || column >= columnCount())
        return;
    alignment_[static_cast<std::size_t>(column)] = alignment;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, column))
            it->setTextAlignment(alignment);
}

int DataGrid::neededColumnWidth(int column) const
{
    return column >= 0 && column < columnCount() ? needed_[static_cast<std::size_t>(column)] : 0;
}

void DataGrid::measureRow(int row)
{
    if (needed_.size() != static_cast<std::size_t>(columnCount())) {
        measureAll();
        return;
    }
    for (int c = 0; c < columnCount(); ++c) {
        int& need = needed_[static_cast<std::size_t>(c)];
        need = std::max(need, sizeHintForIndex(model()->index(row, c)).width());
    }
}

void DataGrid::measureAll()
{
    needed_.assign(static_cast<std::size_t>(columnCount()), 0);
    alignment_.resize(static_cast<std::size_t>(columnCount()), Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < columnCount(); ++c)
        needed_[static_cast<std::size_t>(c)] = std::max(horizontalHeader()->sectionSizeHint(c), 0);
    for (int r = 0; r < rowCount(); ++r)
        measureRow(r);
    applyColumnWidths();
}

void DataGrid::applyColumnWidths()
{
    const int n = columnCount();
    if (n == 0)
        return;
    if (needed_.size() != static_cast<std::size_t>(n)) {
        measureAll();
        return;
    }
    int total = 0;
    for (int w : needed_)
        total += w;
    const int stretch = stretchColumn_ >= 0 && stretchColumn_ < n ? stretchColumn_ : n - 1;
    const int spare = std::max(0, viewport()->width() - total);
    for (int c = 0; c < n; ++c) {
        const int width = needed_[static_cast<std::size_t>(c)] + (c == stretch ? spare : 0);
        if (columnWidth(c) != width)
            setColumnWidth(c, width);
    }
}

bool DataGrid::viewportEvent(QEvent* event)
{
    // The viewport changes width with the window and when a scroll bar
    // comes or goes; the stretching column follows it.
    if (event->type() == QEvent::Resize)
        applyColumnWidths();
    return QTableWidget::viewportEvent(event);
}

}  // namespace dv
