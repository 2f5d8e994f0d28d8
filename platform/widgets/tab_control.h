#pragma once
// Tab pages over QTabWidget, with a page-change signal that tells the page
// left behind, raised whether the user or the code changes the page.
#include <QTabWidget>

namespace dv {

class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    // Caption of the current page.
    QString currentCaption() const { return tabText(currentIndex()); }
    void setCurrentCaption(const QString& caption) { setTabText(currentIndex(), caption); }

    // Shows one page and leaves only that page enabled. Qt moves away from
    // a current page that gets disabled, so the page is enabled and shown
    // before the others are disabled.
    void showOnlyPage(int page);

signals:
    // The current page changed; previousPage is the page shown before.
    void pageClicked(int previousPage);

private:
    int previous_ = -1;
};

}  // namespace dv
