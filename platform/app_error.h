#pragma once
// The one error type of the program. Every failure that the user may see
// carries a number and a text, so a window can show "Error <number>: <text>" whatever went wrong below it.
#include <QString>
#include <stdexcept>

namespace dv {

class AppError : public std::runtime_error {
public:
    AppError(long number, const QString& description, const QString& source = QString())
        : std::runtime_error(description.toStdString()), number_(number),
          description_(description), source_(source) {}

    long number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& source() const { return source_; }

private:
    long number_;
    QString description_;
    QString source_;
};

// Numbers of the errors we raise ourselves.
namespace err {
constexpr long TypeMismatch = 13;
constexpr long Overflow = 6;
constexpr long InvalidProcedureCall = 5;
constexpr long FileNotFound = 53;
constexpr long DiskFull = 61;
constexpr long PathNotFound = 76;
constexpr long NoProductPricing = 100;
constexpr long BadValue = 380;        // a value that cannot be used (infinite, NaN, out of range)
constexpr long InvalidInputFormat = 1001;  // the length translator's own error
constexpr long ListNotSingle = 1002;  // a one-product list that is empty or holds several
constexpr long MissingWindRow = 1003;
constexpr long ProjectFile = 1004;
constexpr long MissingTotals = 1005;  // a wall the quote cannot price: no stored totals
constexpr long Database = 3000;       // base for database errors (3000 + SQLite primary code)
}  // namespace err

}  // namespace dv
