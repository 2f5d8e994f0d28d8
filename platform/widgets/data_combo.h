#pragma once
// A data combo over QComboBox: a list of rows with several columns, and a
// shown text and current column values held apart from that list.
//
// Code sets the text and the column values directly; nothing searches the
// list for them and nothing is raised. A row the user picks copies its
// fields into the column values and its display column into the text, and
// only then is picked() raised. The list opens on any mouse press. Keys
// that would step through the rows open the list instead, and the wheel
// picks nothing, so every pick comes after dropDown().
#include <QComboBox>
#include <QStringList>

class QStandardItemModel;
class QTableView;

namespace dv {

class DataCombo : public QComboBox {
    Q_OBJECT
public:
    // captions: one per list column (shown as the list's header when any is
    // not empty). displayColumn: the column whose field a pick shows.
    explicit DataCombo(const QStringList& captions, int displayColumn = 0, QWidget* parent = nullptr);

    // Empties the list; the text and the column values stay.
    void removeAll();
    // Appends a row given as its fields.
    void addRowFields(const QStringList& fields);
    int rows() const;
    // A field of a list row; empty outside the list.
    QString rowValue(int row, int column) const;

    // The current values (of the last pick, or as set in code).
    QString columnValue(int column) const;
    void setColumnValue(int column, const QString& value);
    // The shown text.
    QString text() const { return text_; }
    void setText(const QString& text);

    bool droppedDown() const;
    void setDroppedDown(bool open);

    void setListColumnHidden(int column, bool hidden);

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The list is about to open.
    void dropDown();
    // The user picked a row; its values are now the combo's.
    void picked();
    // A mouse button was pressed on the combo.
    void mousePressed();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void onActivated(int row);

    QStandardItemModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    int columns_ = 1;
    int displayColumn_ = 0;
    QString text_;
    QStringList values_;
};

}  // namespace dv
