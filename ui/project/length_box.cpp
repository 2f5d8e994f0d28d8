#include "ui/project/length_box.h"
#include "core/input_filters.h"
#include "core/sql_literals.h"
#include "core/translator.h"
#include "platform/numbers.h"
#include "ui/project/box_caption.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <cstdint>

namespace dv {

namespace {

// Positions of the window are kept in twips; a pixel is 15 of them.
constexpr double kTwipsPerPixel = 15;

int px(int twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

}  // namespace

void applyLengthRule(QLineEdit* box, QLabel* label, int anchorX, int anchorY)
{
    if (!box || box->text().isEmpty())
        return;
    box->setText(LimitLengthText(box->text()));
    const QString shown =
        readNamingBox(box, [box] { return FormatInchesForDisplay(ReadLengthText(box->text())).trimmed(); });
    box->setText(shown);
    if (!label)
        return;
    label->setText(shown);
    label->adjustSize();
    const std::int16_t left = CenterLabelLeft(static_cast<std::int16_t>(anchorX), static_cast<std::int16_t>(anchorY),
                                              toInt16(label->width() * kTwipsPerPixel));
    label->move(px(left), px(anchorY));
}

double readLengthBox(QLineEdit* box)
{
    const double inches = readNamingBox(box, [box] { return ReadLengthText(box ? box->text() : QString()); });
    double kept = 0;
    const QString shown = FormatInchesForDisplay(inches, &kept);
    if (box)
        box->setText(shown);
    return checkedFinite(kept / 12.0, "length");
}

}  // namespace dv
