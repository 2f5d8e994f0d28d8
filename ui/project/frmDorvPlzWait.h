#pragma once
// The window shown while a calculation runs. It has no behaviour of its own.
#include <QWidget>

class QLabel;

namespace dv {

class frmDorvPlzWait : public QWidget {
    Q_OBJECT
public:
    explicit frmDorvPlzWait(QWidget* owner = nullptr);

    // Shows the window and waits, briefly, until it is on screen and drawn:
    // the calculation that follows lets nothing repaint.
    void showAndPaint();

    QLabel* lblPlzWait = nullptr;
};

}  // namespace dv
