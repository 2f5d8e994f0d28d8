#pragma once
// Stands in for a window that this build does not have yet, so that the
// command that opens it still shows something and nothing fails.
#include <QDialog>

namespace dv {

class PendingWindow : public QDialog {
    Q_OBJECT
public:
    PendingWindow(const QString& caption, QWidget* owner = nullptr);
};

}  // namespace dv
