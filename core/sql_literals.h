#pragma once
// Turning typed texts into SQL literals, and the small routines the windows
// share.
#include <QString>
#include <QVariant>
#include <cstdint>

namespace dv {

// The literal for a typed text: "Null" for an empty text; the text bare when
// it is a plain number and quoteNumbers is 0; otherwise the trimmed text
// between apostrophes. The caller's text is cut to 255 characters and each
// apostrophe in it becomes a grave accent, so a stored name never holds the
// SQL quote.
QString SQLValue(QString& text, std::int16_t quoteNumbers);
// The first `count` code units of a text, one fewer when the last would be
// half of a character outside the basic plane: a cut never splits one.
QString LeftWhole(const QString& text, int count);
// Grave accents back to apostrophes, for display.
QString RestoreQuotes(const QString& text);
// Left edge that centres a label of the given width on an anchor. Raises
// Overflow when the result leaves the 16-bit range.
std::int16_t CenterLabelLeft(std::int16_t anchorLeft, std::int16_t anchorTop, std::int16_t labelWidth);
// The text after "label: " in a line; empty when the line has no colon.
QString ValueAfterColon(const QString& line);

// True when the text looks like a date or a time (3/4, 2024-01-05, 10:30).
bool looksLikeDate(const QString& text);

}  // namespace dv
