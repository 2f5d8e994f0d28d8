#pragma once
// The caption of an input box, kept on the box as its accessible name, so
// that a message about the box's text can say which box it came from.
#include "platform/app_error.h"

#include <QLineEdit>
#include <QString>

namespace dv {

// Gives the box its caption (blanks around it dropped).
void setBoxCaption(QLineEdit* box, const QString& caption);

// Runs read (which reads the box's text); an AppError it raises comes out
// with the box's caption before its text ("Wall Length: Invalid Input
// string format."), its number and source unchanged.
template <class Read>
auto readNamingBox(const QLineEdit* box, Read&& read) -> decltype(read())
{
    try {
        return read();
    } catch (const AppError& e) {
        const QString caption = box ? box->accessibleName() : QString();
        if (caption.isEmpty())
            throw;
        throw AppError(e.number(), caption + QStringLiteral(": ") + e.description(), e.source());
    }
}

}  // namespace dv
