#include "ui/project/pending_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dv {

PendingWindow::PendingWindow(const QString& caption, QWidget* owner) : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    auto* text = new QLabel(QStringLiteral("This window is not available in this version yet."), this);
    text->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(420, 160);
}

}  // namespace dv
