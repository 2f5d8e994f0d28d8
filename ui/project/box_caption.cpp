#include "ui/project/box_caption.h"

namespace dv {

void setBoxCaption(QLineEdit* box, const QString& caption)
{
    if (box)
        box->setAccessibleName(caption.trimmed());
}

}  // namespace dv
