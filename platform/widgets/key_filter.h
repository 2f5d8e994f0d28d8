#pragma once
// Key filters for text boxes. Each typed character is offered to a rule as
// its key code (Backspace as 8); the rule gives the code to type, or 0 to
// swallow the key. Editing keys (arrows, Delete, Home, End, Tab, Return)
// and shortcuts with Ctrl or Alt pass untouched. Pasted text, whether by
// keyboard or by the box's menu, goes through the paste rule first, or in as
// it stands when the box has none; text cannot be dropped into a filtered
// box.
//
// The focus-leave hook runs when the focus moves to another control of the
// same window, not when a message box, a popup or another window takes it,
// so that a rule that shows a message does not run again.
//
// Every command has a key; its tool tip names it.
#include <QKeySequence>
#include <QString>
#include <functional>

class QLineEdit;

namespace dv {

using KeyRule = std::function<int(int keyCode)>;
using PasteRule = std::function<QString(const QString& text)>;

void installKeyFilter(QLineEdit* box, KeyRule keyRule, PasteRule pasteRule);
void installFocusLeave(QLineEdit* box, std::function<void()> onLeave);
// A box without a key rule still refuses the NUL character, which no key
// types: pasted or dropped, it is taken out as the text arrives.
void refuseNulCharacters(QLineEdit* box);
// A command's tip followed by its key: "Calculate Results (F9)".
QString toolTipWithKey(const QString& tip, const QKeySequence& key);

}  // namespace dv
