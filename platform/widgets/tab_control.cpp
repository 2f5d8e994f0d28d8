#include "platform/widgets/tab_control.h"

namespace dv {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, [this](int page) {
        const int before = previous_;
        previous_ = page;
        emit pageClicked(before);
    });
}

void TabControl::showOnlyPage(int page)
{
    if (page < 0 || page >= count())
        return;
    setTabEnabled(page, true);
    setCurrentIndex(page);
    for (int i = 0; i < count(); ++i)
        if (i != page)
            setTabEnabled(i, false);
}

}  // namespace dv
