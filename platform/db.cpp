#include "platform/db.h"
#include "platform/numbers.h"

#include <sqlcipher/sqlite3.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace dv {

// ---------------------------------------------------------------- Value

namespace {
[[noreturn]] void invalidNull() { throw AppError(94, QStringLiteral("Invalid use of Null")); }
[[noreturn]] void mismatch() { throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch")); }
}  // namespace

double Value::toDouble() const
{
    switch (type_) {
    case Type::Null: invalidNull();
    case Type::Text: {
        double d = 0;
        if (!parseStrictNumber(std::get<QString>(data_), &d))
            mismatch();
        return d;
    }
    case Type::Integer:
    case Type::Long:
    case Type::YesNo: return static_cast<double>(std::get<std::int64_t>(data_));
    case Type::Double: return std::get<double>(data_);
    case Type::Currency: return std::get<Money>(data_).toDouble();
    }
    mismatch();
}

std::int16_t Value::toInt16() const { return dv::toInt16(toDouble()); }
std::int32_t Value::toInt32() const { return dv::toInt32(toDouble()); }

Money Value::toMoney() const
{
    if (type_ == Type::Currency)
        return std::get<Money>(data_);
    if (type_ == Type::Integer || type_ == Type::Long || type_ == Type::YesNo)
        return Money::fromRaw(std::get<std::int64_t>(data_) * 10000);
    return Money::fromDouble(toDouble());
}

bool Value::toBool() const
{
    if (type_ == Type::Text) {
        const QString t = std::get<QString>(data_).trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t.compare(QLatin1String("No"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toDouble() != 0.0;
}

QString Value::toText() const
{
    switch (type_) {
    case Type::Null: return QString();
    case Type::Text: return std::get<QString>(data_);
    case Type::Integer:
    case Type::Long:
    case Type::YesNo: return QString::number(std::get<std::int64_t>(data_));
    case Type::Double: return sqlNumber(std::get<double>(data_));
    case Type::Currency: return std::get<Money>(data_).toText();
    }
    return QString();
}

// ---------------------------------------------------------------- helpers

QString sqlQuote(const QString& s)
{
    QString r = s;
    r.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

struct FieldInfo {
    QHash<QString, int> names;  // by lower-case name and by the name as spelt
    std::vector<Value::Type> declared;  // Null where the declared type does not say
};

namespace {

// The type a declared column type stands for; Null when it names none.
Value::Type typeOfDecl(const char* decl)
{
    if (decl) {
        if (qstricmp(decl, "SMALLINT") == 0) return Value::Type::Integer;
        if (qstricmp(decl, "CURRENCY") == 0) return Value::Type::Currency;
        if (qstricmp(decl, "YESNO") == 0) return Value::Type::YesNo;
        if (qstricmp(decl, "DOUBLE") == 0) return Value::Type::Double;
        if (qstricmp(decl, "TEXT") == 0) return Value::Type::Text;
        if (qstrnicmp(decl, "INTEGER", 7) == 0) return Value::Type::Long;
    }
    return Value::Type::Null;
}

Value::Type typeFromDecl(Value::Type declared, int storage)
{
    if (declared != Value::Type::Null)
        return declared;
    switch (storage) {
    case SQLITE_INTEGER: return Value::Type::Long;
    case SQLITE_FLOAT: return Value::Type::Double;
    default: return Value::Type::Text;
    }
}

Value readColumn(sqlite3_stmt* st, int i, Value::Type declared)
{
    const int storage = sqlite3_column_type(st, i);
    if (storage == SQLITE_NULL)
        return Value::null();
    const Value::Type t = typeFromDecl(declared, storage);
    auto asText = [&] {
        const unsigned char* p = sqlite3_column_text(st, i);
        return QString::fromUtf8(reinterpret_cast<const char*>(p), sqlite3_column_bytes(st, i));
    };
    // A value whose storage differs from its column's declared type (text
    // in a number column, or the reverse) is handed over by these rules.
    switch (t) {
    case Value::Type::Text:
        return Value::text(asText());
    case Value::Type::Integer:
    case Value::Type::Long:
    case Value::Type::YesNo: {
        if (storage == SQLITE_TEXT)
            return Value::text(asText());
        // A number beyond 16 bits comes back as the number stored, never
        // wrapped (65540 is not 4, 1e308 not -1).
        if (storage == SQLITE_FLOAT) {
            const double d = sqlite3_column_double(st, i);
            if (d != std::nearbyint(d) || (t == Value::Type::Integer && (d < INT16_MIN || d > INT16_MAX)))
                return Value::real(d);
        }
        const std::int64_t v = sqlite3_column_int64(st, i);
        if (t == Value::Type::Integer)
            return v >= INT16_MIN && v <= INT16_MAX ? Value::integer(static_cast<std::int16_t>(v)) : Value::longInt(v);
        if (t == Value::Type::YesNo)
            return Value::yesNo(v != 0);
        return Value::longInt(v);
    }
    case Value::Type::Double:
        if (storage == SQLITE_TEXT)
            return Value::text(asText());
        return Value::real(sqlite3_column_double(st, i));
    case Value::Type::Currency:
        if (storage == SQLITE_TEXT)
            return Value::text(asText());
        return Value::money(Money::fromDouble(sqlite3_column_double(st, i)));
    case Value::Type::Null:
        break;
    }
    return Value::null();
}

}  // namespace

// ---------------------------------------------------------------- Connection

namespace {
// The program reaches its database from one thread only. Before the first
// connection is opened the library is told not to count every allocation
// under a lock; each connection is opened without a lock of its own.
constexpr int kOpenFlags = SQLITE_OPEN_NOMUTEX;
void configureLibraryOnce()
{
    static const bool configured = [] {
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);  // refused, harmlessly, once the library has started
        return true;
    }();
    (void)configured;
}
}  // namespace

Connection::~Connection()
{
    cache_.clear();
    if (db_)
        sqlite3_close_v2(db_);
}

void Connection::raise(int rc, const QString& sql) const
{
    QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    throw AppError(err::Database + (rc & 0xff), msg, sql);
}

void Connection::open(const QString& path, const QByteArray& password)
{
    close();
    sqlite3* db = nullptr;
    const QByteArray p = path.toUtf8();
    configureLibraryOnce();
    int rc = sqlite3_open_v2(p.constData(), &db, SQLITE_OPEN_READWRITE | kOpenFlags, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        if (db)
            sqlite3_close_v2(db);
        throw AppError(err::Database + (rc & 0xff),
                       QStringLiteral("Could not open the database file '%1': %2").arg(path, msg));
    }
    db_ = db;
    path_ = path;
    try {
        rc = sqlite3_key(db_, password.constData(), password.size());
        if (rc != SQLITE_OK)
            raise(rc, QStringLiteral("key"));
        // A library without the cipher would accept the key and ignore it.
        Recordset rs = query(QStringLiteral("PRAGMA cipher_version"));
        if (rs.eof() || rs.field(0).toText().isEmpty())
            throw AppError(err::Database, QStringLiteral("The database library has no encryption support; the database will not be opened."));
        rs.close();
        // Reading the schema proves the password is right.
        Recordset check = query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        check.close();
    } catch (AppError& e) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw AppError(e.number(), QStringLiteral("Could not open the database file '%1': %2").arg(path, e.description()), e.source());
    }
}

void Connection::openMemory()
{
    close();
    configureLibraryOnce();
    int rc = sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | kOpenFlags, nullptr);
    if (rc != SQLITE_OK)
        raise(rc, QStringLiteral(":memory:"));
    path_ = QStringLiteral(":memory:");
}

std::size_t StatementTextHash::operator()(const QString& sql) const noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(sql.constData());
    const std::size_t n = static_cast<std::size_t>(sql.size()) * sizeof(QChar);
    std::uint64_t h = 14695981039346656037ull ^ n;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes + i, 8);
        h = (h ^ w) * 1099511628211ull;
        h ^= h >> 29;
    }
    for (; i < n; ++i)
        h = (h ^ bytes[i]) * 1099511628211ull;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

PreparedStatement& Connection::cached(const QString& sql)
{
    auto it = cache_.find(sql);
    if (it != cache_.end())
        return *it->second;
    auto st = std::make_unique<PreparedStatement>(prepare(sql));
    PreparedStatement& ref = *st;
    cache_.emplace(sql, std::move(st));
    return ref;
}

void Connection::close()
{
    cache_.clear();
    if (!db_)
        return;
    sqlite3_close_v2(db_);  // deferred until open statements are finalized
    db_ = nullptr;
    path_.clear();
}

sqlite3_stmt* Connection::prepareRaw(const QString& sql)
{
    if (!db_)
        throw AppError(3704, QStringLiteral("Operation is not allowed when the object is closed."), sql);
    const QByteArray u = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(db_, u.constData(), u.size(), &st, &tail);
    if (rc != SQLITE_OK)
        raise(rc, sql);
    if (!st)
        throw AppError(err::Database, QStringLiteral("Empty SQL statement."), sql);
    if (tail && *tail) {
        // Only one statement per call: anything after it is refused, so a
        // value can never smuggle in a second statement.
        QByteArray rest(tail);
        if (!rest.trimmed().isEmpty() && rest.trimmed() != ";") {
            sqlite3_finalize(st);
            throw AppError(err::Database + 1, QStringLiteral("Only one SQL statement may be run at a time."), sql);
        }
    }
    return st;
}

void Connection::execute(const QString& sql)
{
    sqlite3_stmt* st = prepareRaw(sql);
    countStatement();
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {}
    if (rc != SQLITE_DONE) {
        sqlite3_finalize(st);
        raise(rc, sql);
    }
    sqlite3_finalize(st);
}

Recordset Connection::query(const QString& sql)
{
    sqlite3_stmt* st = prepareRaw(sql);
    countStatement();
    return Recordset(this, st, true, sql);
}

PreparedStatement Connection::prepare(const QString& sql)
{
    return PreparedStatement(this, prepareRaw(sql), sql);
}

Recordset Connection::query(PreparedStatement& stmt)
{
    if (!stmt.stmt_)
        throw AppError(err::Database, QStringLiteral("The statement is not prepared."));
    sqlite3_reset(stmt.stmt_);
    countStatement();
    Recordset rs(this, stmt.stmt_, false, stmt.sql_, stmt.names_);
    if (!stmt.names_ && rs.isOpen())
        stmt.names_ = rs.names_;
    return rs;
}

int Connection::changes() const { return db_ ? sqlite3_changes(db_) : 0; }

void Connection::beginTransaction() { execute(QStringLiteral("BEGIN")); }
void Connection::commit() { execute(QStringLiteral("COMMIT")); }
void Connection::rollback()
{
    if (inTransaction())
        execute(QStringLiteral("ROLLBACK"));
}
bool Connection::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Connection& c) : c_(c)
{
    name_ = QStringLiteral("dv_sp%1").arg(++c_.savepointDepth_);
    try {
        c_.execute(QStringLiteral("SAVEPOINT ") + name_);
    } catch (...) {
        --c_.savepointDepth_;
        throw;
    }
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            c_.execute(QStringLiteral("ROLLBACK TO ") + name_);
            c_.execute(QStringLiteral("RELEASE ") + name_);
        } catch (...) {
        }
    }
    --c_.savepointDepth_;
}

void Transaction::commit()
{
    c_.execute(QStringLiteral("RELEASE ") + name_);
    done_ = true;
}

// ---------------------------------------------------------------- PreparedStatement

PreparedStatement::~PreparedStatement()
{
    if (stmt_)
        sqlite3_finalize(stmt_);
}

PreparedStatement::PreparedStatement(PreparedStatement&& o) noexcept
    : conn_(o.conn_), stmt_(o.stmt_), sql_(std::move(o.sql_)), names_(std::move(o.names_))
{
    o.stmt_ = nullptr;
}

PreparedStatement& PreparedStatement::operator=(PreparedStatement&& o) noexcept
{
    if (this != &o) {
        if (stmt_)
            sqlite3_finalize(stmt_);
        conn_ = o.conn_;
        stmt_ = o.stmt_;
        sql_ = std::move(o.sql_);
        names_ = std::move(o.names_);
        o.stmt_ = nullptr;
    }
    return *this;
}

PreparedStatement& PreparedStatement::bind(int index, const QString& s)
{
    const QByteArray u = s.toUtf8();
    int rc = sqlite3_bind_text(stmt_, index, u.constData(), u.size(), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        conn_->raise(rc, sql_);
    return *this;
}

PreparedStatement& PreparedStatement::bind(int index, double d)
{
    checkedFinite(d, "a statement value");
    int rc = sqlite3_bind_double(stmt_, index, d);
    if (rc != SQLITE_OK)
        conn_->raise(rc, sql_);
    return *this;
}

PreparedStatement& PreparedStatement::bind(int index, long long i)
{
    int rc = sqlite3_bind_int64(stmt_, index, i);
    if (rc != SQLITE_OK)
        conn_->raise(rc, sql_);
    return *this;
}

PreparedStatement& PreparedStatement::bind(int index, Money m) { return bind(index, m.toDouble()); }

PreparedStatement& PreparedStatement::bind(int index, const Value& v)
{
    switch (v.type()) {
    case Value::Type::Null: {
        int rc = sqlite3_bind_null(stmt_, index);
        if (rc != SQLITE_OK)
            conn_->raise(rc, sql_);
        return *this;
    }
    case Value::Type::Text: return bind(index, v.toText());
    case Value::Type::Integer:
    case Value::Type::Long:
    case Value::Type::YesNo: return bind(index, static_cast<long long>(v.toInt32()));
    case Value::Type::Double: return bind(index, v.toDouble());
    case Value::Type::Currency: return bind(index, v.toMoney());
    }
    return *this;
}

void PreparedStatement::exec()
{
    sqlite3_reset(stmt_);
    conn_->countStatement();
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {}
    sqlite3_reset(stmt_);
    if (rc != SQLITE_DONE)
        conn_->raise(rc, sql_);
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(Connection* c, sqlite3_stmt* s, bool owned, const QString& sql,
                     std::shared_ptr<const FieldInfo> sharedNames)
    : conn_(c), stmt_(s), owned_(owned), sql_(sql), names_(std::move(sharedNames))
{
    // A prepared statement's result sets share one map of names.
    if (!owned_ && !names_)
        names();
    try {
        step();
    } catch (...) {
        close();
        throw;
    }
}

Recordset::~Recordset() { close(); }

Recordset::Recordset(Recordset&& o) noexcept
    : conn_(o.conn_), stmt_(o.stmt_), owned_(o.owned_), eof_(o.eof_), sql_(std::move(o.sql_)), names_(std::move(o.names_))
{
    o.stmt_ = nullptr;
    o.eof_ = true;
}

Recordset& Recordset::operator=(Recordset&& o) noexcept
{
    if (this != &o) {
        close();
        conn_ = o.conn_;
        stmt_ = o.stmt_;
        owned_ = o.owned_;
        eof_ = o.eof_;
        sql_ = std::move(o.sql_);
        names_ = std::move(o.names_);
        o.stmt_ = nullptr;
        o.eof_ = true;
    }
    return *this;
}

void Recordset::step()
{
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        eof_ = false;
    } else if (rc == SQLITE_DONE) {
        eof_ = true;
    } else {
        eof_ = true;
        conn_->raise(rc, sql_);
    }
}

void Recordset::moveNext()
{
    if (!stmt_ || eof_)
        throw AppError(3021, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    step();
}

void Recordset::close()
{
    if (!stmt_)
        return;
    // The names stay known after the statement is gone.
    names();
    if (owned_)
        sqlite3_finalize(stmt_);
    else
        sqlite3_reset(stmt_);
    stmt_ = nullptr;
    eof_ = true;
}

int Recordset::fieldCount() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

QString Recordset::fieldName(int i) const
{
    return stmt_ ? QString::fromUtf8(sqlite3_column_name(stmt_, i)) : QString();
}

const FieldInfo& Recordset::names() const
{
    if (!names_) {
        // Of two fields whose names differ only in case the first is found,
        // however the name is spelt.
        auto info = std::make_shared<FieldInfo>();
        const int n = stmt_ ? sqlite3_column_count(stmt_) : 0;
        for (int i = 0; i < n; ++i) {
            const QString name = QString::fromUtf8(sqlite3_column_name(stmt_, i));
            const QString lower = name.toLower();
            const int index = info->names.value(lower, i);
            info->names.insert(lower, index);
            if (!info->names.contains(name))
                info->names.insert(name, index);
            info->declared.push_back(typeOfDecl(sqlite3_column_decltype(stmt_, i)));
        }
        names_ = std::move(info);
    }
    return *names_;
}

bool Recordset::hasField(const QString& name) const
{
    const QHash<QString, int>& m = names().names;
    return m.contains(name) || m.contains(name.toLower());
}

Value Recordset::field(int i) const
{
    if (!stmt_ || eof_)
        throw AppError(3021, QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (i < 0 || i >= fieldCount())
        throw AppError(3265, QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."));
    return readColumn(stmt_, i, names().declared[static_cast<std::size_t>(i)]);
}

Value Recordset::field(const QString& name) const
{
    const QHash<QString, int>& m = names().names;
    auto it = m.constFind(name);
    if (it == m.constEnd())
        it = m.constFind(name.toLower());
    if (it == m.constEnd())
        throw AppError(3265, QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal: %1").arg(name));
    return field(it.value());
}

}  // namespace dv
