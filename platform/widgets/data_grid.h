#pragma once
// A read-only grid of text rows over QTableWidget, filled in code.
//
// Rows are added as lists of fields, never as joined text, so no character
// of a value can shift or forge a column. The grid keeps a current row of its own, apart from the user's
// selection: code that walks the rows (moveFirst, moveNext, value) never
// moves what the user has selected, and a row the user clicks becomes both
// the selected and the current row.
//
// Every column is at least as wide as its caption and its widest value, so
// nothing shown is cut; one column (the last unless another is named) takes
// the width the others leave. Where the grid is too narrow for all of them
// it scrolls sideways.
//
// Tab never moves within the grid: it goes on to the window's next control.
#include <QStringList>
#include <QTableWidget>
#include <vector>

namespace dv {

class DataGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit DataGrid(const QStringList& captions, QWidget* parent = nullptr);

    // Empties the list; no row is current afterwards.
    void removeAll();
    // Appends a row; fields go into columns 0, 1, ... in order. Fields beyond
    // the last column are dropped, missing ones are left empty.
    void addRowFields(const QStringList& fields);
    int rows() const { return rowCount(); }

    // The current row (-1 when there is none).
    int cursorRow() const { return cursor_; }
    void setCursorRow(int row);
    void moveFirst();
    void moveNext();
    // Value of a column of the current row; empty when no row is current.
    QString value(int column) const;
    void setValue(int column, const QString& text);

    // Any cell by position; empty outside the grid.
    QString cellText(int row, int column) const;
    // The row the user selected (-1 when none is selected).
    int selectedRow() const;
    // Selects a row as the user would, making it current as well.
    void selectRowAt(int row);

    // The column that takes the width the others leave.
    void setStretchColumn(int column);
    // How a column's values are aligned (left unless set); amounts are
    // right-aligned.
    void setColumnAlignment(int column, Qt::Alignment alignment);
    // The width a column needs for its caption and its widest value.
    int neededColumnWidth(int column) const;

signals:
    // A row was clicked; it is now selected and current.
    void rowClicked(int row);
    // A row was double-clicked (activated).
    void rowDoubleClicked(int row);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void measureRow(int row);
    void measureAll();
    void applyColumnWidths();

    int cursor_ = -1;
    int stretchColumn_ = -1;
    std::vector<int> needed_;
    std::vector<Qt::Alignment> alignment_;
};

}  // namespace dv
