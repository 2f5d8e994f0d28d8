#pragma once
// Explains the wind exposure categories with a picture of each. Clicking a
// picture chooses that exposure in the wall editor and closes the window.
#include <QChar>
#include <QWidget>

class QLabel;

namespace dv {

class frmDorvExposure : public QWidget {
    Q_OBJECT
public:
    explicit frmDorvExposure(QWidget* owner = nullptr);

    // Image1 is exposure C, Image2 exposure D, Image3 exposure B.
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;

public slots:
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();

signals:
    // The user chose exposure 'B', 'C' or 'D'.
    void exposurePicked(QChar exposure);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window, choosing nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void pick(QChar exposure);
};

}  // namespace dv
