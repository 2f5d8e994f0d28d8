#include "ui/common/number_box.h"
#include "core/input_filters.h"
#include "platform/widgets/key_filter.h"

namespace dv {

void installNumericKeyFilter(QLineEdit* box)
{
    installKeyFilter(
        box,
        [](int code) {
            FilterNumericKey(code);
            return code;
        },
        nullptr);
}

}  // namespace dv
