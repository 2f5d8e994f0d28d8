#include "platform/widgets/focus_select.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace dv {

namespace {

class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // After the mouse press that gave the focus has placed the
            // cursor, or the selection would be lost again at once.
            QPointer<QLineEdit> box = qobject_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box)
                    box->selectAll();
            });
        }
        return false;
    }
};

}  // namespace

void selectAllOnFocus(QLineEdit* box)
{
    if (box)
        box->installEventFilter(new SelectAllOnFocus(box));
}

}  // namespace dv
