#pragma once
// Our small database layer over SQLCipher: one connection to a password-
// protected file, statements executed from SQL text, and forward-only,
// read-only result sets whose fields are read by name. Field values keep the
// types the program was designed around (text, 16/32-bit integers, double,
// money with four decimals, Yes/No as -1/0, Null), taken from the declared
// type of the column they come from.
#include "platform/app_error.h"
#include "platform/money.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace dv {

class Value {
public:
    enum class Type { Null, Text, Integer, Long, Double, Currency, YesNo };

    Value() = default;
    static Value null() { return Value(); }
    static Value text(const QString& s) { Value v; v.type_ = Type::Text; v.data_ = s; return v; }
    static Value integer(std::int16_t i) { Value v; v.type_ = Type::Integer; v.data_ = static_cast<std::int64_t>(i); return v; }
    static Value longInt(std::int64_t i) { Value v; v.type_ = Type::Long; v.data_ = i; return v; }
    static Value real(double d) { Value v; v.type_ = Type::Double; v.data_ = d; return v; }
    static Value money(Money m) { Value v; v.type_ = Type::Currency; v.data_ = m; return v; }
    static Value yesNo(bool b) { Value v; v.type_ = Type::YesNo; v.data_ = static_cast<std::int64_t>(b ? -1 : 0); return v; }

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }

    // Conversions of a field's value. A Null raises error 94
    // ("Invalid use of Null"); a text that is not a number raises error 13
    // ("Type mismatch") when a number is asked for.
    double toDouble() const;
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    Money toMoney() const;
    bool toBool() const;  // non-zero is true
    // Text form: a Null gives the empty text; numbers in plain "." notation.
    QString toText() const;

private:
    Type type_ = Type::Null;
    std::variant<std::monostate, QString, std::int64_t, double, Money> data_;
};

class Connection;
// Field names and declared field types of a statement's result sets.
struct FieldInfo;

// A statement prepared once and run many times with new values bound to its
// "?" places. Owned by the caller; must not outlive its connection.
class PreparedStatement {
public:
    PreparedStatement() = default;
    ~PreparedStatement();
    PreparedStatement(PreparedStatement&& o) noexcept;
    PreparedStatement& operator=(PreparedStatement&& o) noexcept;
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }
    // Binds by 1-based position. Doubles are checked to be finite.
    PreparedStatement& bind(int index, const Value& v);
    PreparedStatement& bind(int index, const QString& s);
    PreparedStatement& bind(int index, double d);
    PreparedStatement& bind(int index, long long i);
    PreparedStatement& bind(int index, int i) { return bind(index, static_cast<long long>(i)); }
    PreparedStatement& bind(int index, Money m);
    // Runs a statement that returns no rows, then makes it ready again.
    void exec();

private:
    friend class Connection;
    friend class Recordset;
    PreparedStatement(Connection* c, sqlite3_stmt* s, const QString& sql) : conn_(c), stmt_(s), sql_(sql) {}
    Connection* conn_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
    // Field names of its result sets, found once and shared by each of them.
    std::shared_ptr<const FieldInfo> names_;
};

// Forward-only, read-only result set. eof() is true when there is no current
// row; moveNext() steps on. Fields are found by name, case-insensitively.
class Recordset {
public:
    Recordset() = default;
    ~Recordset();
    Recordset(Recordset&& o) noexcept;
    Recordset& operator=(Recordset&& o) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool eof() const { return eof_; }
    void moveNext();
    void close();
    bool isOpen() const { return stmt_ != nullptr; }

    int fieldCount() const;
    QString fieldName(int i) const;
    bool hasField(const QString& name) const;
    Value field(int i) const;
    Value field(const QString& name) const;  // AppError 3265 when no such field
    Value operator[](const QString& name) const { return field(name); }

private:
    friend class Connection;
    Recordset(Connection* c, sqlite3_stmt* s, bool owned, const QString& sql,
              std::shared_ptr<const FieldInfo> sharedNames = nullptr);
    void step();
    const FieldInfo& names() const;
    Connection* conn_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    bool owned_ = true;   // finalize on close; else reset (a prepared statement)
    bool eof_ = true;
    QString sql_;
    // Name -> index, by lower-case name and by the name as the statement
    // spells it; made on the first look-up by name.
    mutable std::shared_ptr<const FieldInfo> names_;
};

// Hash of a statement text for the statement cache: every character counts,
// taken eight bytes at a time, as statement texts run to hundreds of them
// and are looked up for every statement run.
struct StatementTextHash {
    std::size_t operator()(const QString& sql) const noexcept;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file with the password: the key is given first, then the
    // cipher is checked to be present (we refuse to run on a plain SQLite
    // that would silently ignore the key), then the file is read once so a
    // wrong password or a file that is not ours fails here.
    void open(const QString& path, const QByteArray& password);
    // A fresh, unencrypted in-memory database (benchmarks and tests).
    void openMemory();
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }

    void execute(const QString& sql);
    Recordset query(const QString& sql);
    PreparedStatement prepare(const QString& sql);
    // A statement prepared once per connection and kept until it closes:
    // for statement shapes that repeat with new bound values. Do not hold
    // two result sets of the same cached statement open at once.
    PreparedStatement& cached(const QString& sql);
    Recordset query(PreparedStatement& stmt);
    // Number of rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;
    // Statements run since the connection was opened (for measurements).
    long long statementCount() const { return statements_; }

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const;

    // Raises the error of the last failed call as an AppError.
    [[noreturn]] void raise(int rc, const QString& sql) const;
    sqlite3* handle() const { return db_; }

private:
    friend class Recordset;
    friend class PreparedStatement;
    friend class Transaction;
    sqlite3_stmt* prepareRaw(const QString& sql);
    void countStatement() { ++statements_; }
    sqlite3* db_ = nullptr;
    QString path_;
    std::unordered_map<QString, std::unique_ptr<PreparedStatement>, StatementTextHash> cache_;
    long long statements_ = 0;
    // Savepoints open on this connection; each is named by its depth.
    int savepointDepth_ = 0;
};

// Rolls back unless committed: a failure part-way leaves nothing half-written.
// Built on savepoints, so a transaction may open inside another one.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
private:
    Connection& c_;
    QString name_;
    bool done_ = false;
};

// Single-quoted SQL text with embedded apostrophes doubled. For values that
// did not come through SQLValue (e.g. texts read back from the database).
QString sqlQuote(const QString& s);

}  // namespace dv
