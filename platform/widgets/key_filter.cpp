#include "platform/widgets/key_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace dv {

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* box, KeyRule keyRule, PasteRule pasteRule)
        : QObject(box), box_(box), keyRule_(std::move(keyRule)), pasteRule_(std::move(pasteRule))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent*>(event));
        case QEvent::ContextMenu: return contextMenu(static_cast<QContextMenuEvent*>(event));
        default: return false;
        }
    }

private:
    void paste()
    {
        if (box_->isReadOnly())
            return;
        QString text = QGuiApplication::clipboard()->text();
        text.remove(QChar(0));
        // A line or a cell copied from a spreadsheet ends with a line break
        // that is no part of the value.
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        box_->insert(pasteRule_ ? pasteRule_(text) : text);
    }

    bool keyPress(QKeyEvent* e)
    {
        if (e->matches(QKeySequence::Paste)) {
            paste();
            return true;
        }
        const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        // Ctrl and Alt together is AltGr on many keyboards: a character.
        const bool altGr = mods == (Qt::ControlModifier | Qt::AltModifier) && !e->text().isEmpty()
                           && e->text().at(0).isPrint();
        if (mods != Qt::NoModifier && !altGr)
            return false;  // a shortcut
        int code = 0;
        if (e->key() == Qt::Key_Backspace)
            code = 8;
        else {
            const QString text = e->text();
            if (text.isEmpty())
                return false;  // arrows, Home, End, Delete ...
            const QChar c = text.at(0);
            if (c.unicode() < 32 || c.unicode() == 127)
                return false;  // Tab, Return, Escape
            code = c.unicode() <= 255 ? c.unicode() : 0;
        }
        const int kept = keyRule_ ? keyRule_(code) : code;
        if (kept == 0)
            return true;
        if (kept == code)
            return false;
        if (kept == 8)
            box_->backspace();
        else
            box_->insert(QString(QChar(kept)));
        return true;
    }

    bool contextMenu(QContextMenuEvent* e)
    {
        // The box's own menu, with its paste going through the rule.
        QMenu* menu = box_->createStandardContextMenu();
        // The paste entry is known by its name where Qt gives one, else by
        // its caption (the one Qt itself uses, in the user's language).
        const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
        for (QAction* a : menu->actions()) {
            if (a->objectName() == QLatin1String("edit-paste")
                || a->text().section(QLatin1Char('\t'), 0, 0) == pasteCaption) {
                disconnect(a, &QAction::triggered, nullptr, nullptr);
                connect(a, &QAction::triggered, this, [this] { paste(); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
        return true;
    }

    QLineEdit* box_;
    KeyRule keyRule_;
    PasteRule pasteRule_;
};

class FocusLeave : public QObject {
public:
    FocusLeave(QLineEdit* box, std::function<void()> onLeave) : QObject(box), box_(box), onLeave_(std::move(onLeave)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box_ && event->type() == QEvent::FocusOut) {
            const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
            if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && onLeave_)
                onLeave_();
        }
        return false;
    }

private:
    QLineEdit* box_;
    std::function<void()> onLeave_;
};

}  // namespace

void installKeyFilter(QLineEdit* box, KeyRule keyRule, PasteRule pasteRule)
{
    if (!box)
        return;
    box->setAcceptDrops(false);
    box->installEventFilter(new KeyFilter(box, std::move(keyRule), std::move(pasteRule)));
}

void refuseNulCharacters(QLineEdit* box)
{
    if (!box)
        return;
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (!text.contains(QChar(0)))
            return;
        const int cursor = box->cursorPosition();
        const int before = static_cast<int>(text.left(cursor).count(QChar(0)));
        QString clean = text;
        clean.remove(QChar(0));
        box->setText(clean);
        box->setCursorPosition(cursor - before);
    });
}

void installFocusLeave(QLineEdit* box, std::function<void()> onLeave)
{
    if (box)
        box->installEventFilter(new FocusLeave(box, std::move(onLeave)));
}

QString toolTipWithKey(const QString& tip, const QKeySequence& key)
{
    return key.isEmpty() ? tip : tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

}  // namespace dv
