#include "core/project_files.h"
#include "core/app_state.h"
#include "core/compact.h"
#include "core/input_filters.h"
#include "core/project_reset.h"
#include "core/project_view.h"
#include "core/wall_list.h"
#include "core/wall_store.h"
#include "platform/app_error.h"
#include "platform/money.h"
#include "platform/numbers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cstdint>

namespace dv {

namespace {

// Error 75, "Path/File access error".
constexpr long kFileAccessError = 75;

// How a value of a column is read from the file and stored.
enum class Kind {
    WallKey,     // the wall number: a 16-bit whole number, never empty
    Int16,       // a 16-bit whole number; halves go to the even neighbour
    Double,
    RoofSlope,   // a rise per 12 as the slope box takes it, or 0 for none
    Corners,     // a number of corners: whole, not negative
    Money,
    Text,
    KeyText,     // the text that names a column or an opening within its wall
    NumberText,  // a number kept in a text column, or a removal marker
    WallName,    // text; a "," of the name is written as "_"
};

struct ColumnSpec {
    QString name;
    Kind kind;
};

struct TableSpec {
    QString sectionLine;  // the line that opens the section
    QString sectionName;  // the section's name while the reader is in it
    QString table;
    std::vector<ColumnSpec> columns;  // in file order, which is table order
};

const QString kHeaderLine = QStringLiteral("[File Header]");
const QString kHeaderSection = QStringLiteral("File Header");
const QString kEndLine = QStringLiteral("EOF");

// WallID, then the wall data fields in table order.
std::vector<ColumnSpec> generalColumns()
{
    std::vector<ColumnSpec> columns = {{"WallID", Kind::WallKey}};
    for (const WallFieldSpec& f : wallFields()) {
        const QLatin1String name(f.name);
        columns.push_back({name, name == QLatin1String("RoofSlope")       ? Kind::RoofSlope
                                 : name == QLatin1String("NumberCorners") ? Kind::Corners
                                 : f.type == WallFieldType::Text          ? Kind::Text
                                 : f.type == WallFieldType::Double        ? Kind::Double
                                                                          : Kind::Int16});
    }
    return columns;
}

// The four tables in the order the file holds them.
const std::array<TableSpec, 4>& tableSpecs()
{
    static const std::array<TableSpec, 4> specs = [] {
        std::array<TableSpec, 4> t;
        t[0] = {QStringLiteral("[Column Information]"), QStringLiteral("Column Information"),
                QStringLiteral("Column_Information"),
                {{"WallID", Kind::WallKey}, {"ColumnID", Kind::KeyText}, {"ColumnHeight", Kind::NumberText},
                 {"MaxWidth", Kind::NumberText}}};
        t[1] = {QStringLiteral("[General Information]"), QStringLiteral("General Information"),
                QStringLiteral("General_Information"),
                generalColumns()};
        t[2] = {QStringLiteral("[Rough Opening Information]"), QStringLiteral("Rough Opening"),
                QStringLiteral("Header_Information"),
                {{"WallID", Kind::WallKey}, {"ROID", Kind::KeyText}, {"ROWidth", Kind::NumberText},
                 {"AverageROHeight", Kind::NumberText}, {"NumHeaders", Kind::NumberText},
                 {"ColIDLeft", Kind::Text}, {"ColIDRight", Kind::Text}}};
        std::vector<ColumnSpec> walls = {{"ID", Kind::WallKey}, {"WallName", Kind::WallName}};
        for (const char* width : {"6", "8", "10"})
            for (const char* member : {"Studs", "Columns", "Headers", "Cripples", "Trimmers", "HeaderPlates",
                                       "TopPlates", "BottomPlates", "Blocking", "Sheathing", "Connectors", "JambX"})
                walls.push_back({QLatin1String(width) + QLatin1String(member), Kind::Money});
        walls.push_back({"NumberColumns", Kind::Int16});
        walls.push_back({"NumberHeaders", Kind::Int16});
        for (const char* f : {"Total6", "Total8", "Total10"})
            walls.push_back({QLatin1String(f), Kind::Money});
        for (const char* f : {"Missing6", "Missing8", "Missing10", "InterpValue"})
            walls.push_back({QLatin1String(f), Kind::Int16});
        walls.push_back({"HasCenterStuds", Kind::Text});
        t[3] = {QStringLiteral("[Project Information]"), QStringLiteral("Project Information"),
                QStringLiteral("Project_Information"), walls};
        return t;
    }();
    return specs;
}

std::vector<std::vector<Value>>& rowsOf(ProjectFileContent& c, int table)
{
    switch (table) {
    case 0: return c.columnRows;
    case 1: return c.generalRows;
    case 2: return c.openingRows;
    default: return c.wallRows;
    }
}

const std::vector<std::vector<Value>>& rowsOf(const ProjectFileContent& c, int table)
{
    return rowsOf(const_cast<ProjectFileContent&>(c), table);
}

// Field names that begin with a digit must be quoted in a statement.
QString sqlFieldName(const QString& name)
{
    return name.front().isDigit() ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

// Blanks only are trimmed; tabs are kept.
QString trimBlanks(const QString& s)
{
    int b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

// A value shown in a message: quoted, and cut when it is long.
QString shown(const QString& v)
{
    const QString cut = v.size() > 40 ? v.left(40) + QStringLiteral("...") : v;
    return QLatin1Char('"') + cut + QLatin1Char('"');
}

// The file's own read-only mark, whoever runs the program.
bool isReadOnlyFile(const QString& path)
{
    return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

// ---------------------------------------------------------------- encoding

// Windows-1252 characters of the bytes 0x80..0x9F (0 where the byte has no
// character: it then stands for the control character of the same code).
constexpr char16_t k1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar from1252(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F && k1252High[b - 0x80] != 0)
        return QChar(k1252High[b - 0x80]);
    return QChar(static_cast<char16_t>(b));
}

// The byte of a character in Windows-1252, or -1 when it has none.
int to1252(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (k1252High[i] == u)
            return 0x80 + i;
        if (k1252High[i] == 0 && u == 0x80 + i)
            return u;
    }
    return -1;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);  // the check runs as it decodes
    Q_UNUSED(decoded);
    return !utf8.hasError();
}

// Project files are single-byte (Windows-1252) text.
// A project whose texts hold characters that code page lacks is written in
// UTF-8 instead, so nothing typed is lost; the reader tells the two apart.
QByteArray encodeFileText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    bool ascii = true;
    for (const QChar c : text) {
        const int b = to1252(c.unicode());
        if (b < 0)
            return text.toUtf8();
        if (b >= 0x80)
            ascii = false;
        out.append(static_cast<char>(b));
    }
    // Single-byte text that happens to read as UTF-8 would come back
    // changed; written as UTF-8 it comes back exactly.
    if (!ascii && isValidUtf8(out))
        return text.toUtf8();
    return out;
}

QString decodeFileBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString s = utf8.decode(bytes);
    if (!utf8.hasError())
        return s;
    QString r;
    r.reserve(bytes.size());
    for (const char b : bytes)
        r.append(from1252(static_cast<unsigned char>(b)));
    return r;
}

// ---------------------------------------------------------------- writing

// Doubles in their plain text form; when fifteen digits do not give the
// same number back, the shortest text that does.
QString fileNumber(double d)
{
    const QString s = sqlNumber(d);
    double back = 0;
    if (parseStrictNumber(s, &back) && back == d)
        return s;
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

QString fileText(const Value& v)
{
    switch (v.type()) {
    case Value::Type::Null: return QString();
    case Value::Type::Double: return fileNumber(v.toDouble());
    default: return v.toText();
    }
}

const QString kCannotSave = QStringLiteral("The project cannot be saved, because the file would not open again. ");

// One line per row and per name: a line feed inside a value would split it.
// A carriage return alone ends no line for the reader, so it travels as it
// is (one just before the line end stays too: only the last one is the end).
void refuseLineBreak(const QString& value, const QString& what)
{
    if (value.contains(QLatin1Char('\n')))
        throw AppError(err::ProjectFile, kCannotSave + QStringLiteral("%1 holds a line break.").arg(what));
}

QString buildFileText(std::array<int, 4>& rowCounts)
{
    ProjectView& view = projectView();
    refuseLineBreak(view.projectName(), QStringLiteral("The project name"));
    refuseLineBreak(view.builderName(), QStringLiteral("The customer name"));
    QStringList lines;
    lines << kHeaderLine << QStringLiteral("Project Name = ") + view.projectName()
          << QStringLiteral("Customer Name = ") + view.builderName()
          << QStringLiteral("Date = ")
                 + QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("MM/dd/yyyy hh:mm:ss AP"))
          << QStringLiteral("Program Version = Version ") + ProgramVersionText() << QString();
    for (int t = 0; t < 4; ++t) {
        const TableSpec& spec = tableSpecs()[t];
        lines << spec.sectionLine;
        rowCounts[t] = 0;
        const QString SqlText = QStringLiteral("SELECT * FROM ") + spec.table + QStringLiteral(" ORDER BY rowid");
        Recordset rs = DbConnection.query(SqlText);
        while (!rs.eof()) {
            QStringList values;
            for (const ColumnSpec& c : spec.columns) {
                QString v = fileText(rs.field(c.name));
                if (c.kind == Kind::WallName)
                    v.replace(QLatin1Char(','), QLatin1Char('_'));
                refuseLineBreak(v, QStringLiteral("%1 of a row of %2").arg(c.name, spec.table));
                values << v;
            }
            lines << values.join(QLatin1Char(','));
            ++rowCounts[t];
            rs.moveNext();
        }
        lines << QString();
    }
    lines << kEndLine;
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A file that would not open again must never be written: a text value
// holding a comma would shift its row, a number column holding text would
// be refused on reading.
void checkReadsBack(const QString& text, const std::array<int, 4>& rowCounts)
{
    ProjectFileContent back;
    try {
        back = ReadProjectFileText(text);
    } catch (const AppError& e) {
        throw AppError(err::ProjectFile, kCannotSave + e.description());
    }
    const ProjectView& view = projectView();
    bool same = back.projectName == view.projectName() && back.builderName == view.builderName();
    for (int t = 0; t < 4; ++t)
        same = same && static_cast<int>(rowsOf(back, t).size()) == rowCounts[t];
    if (!same)
        throw AppError(err::ProjectFile, kCannotSave + QStringLiteral("It does not read back as written."));
}

// An unfinished copy of an earlier save that was cut off (the program was
// killed, the machine went down) lies beside the target under the target's
// name followed by "." and six letters or digits. It is never a project.
void removeStaleSaveCopies(const QString& target)
{
    const QFileInfo info(target);
    const QRegularExpression copyName(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                      + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    const QDir folder = info.absoluteDir();
    for (const QFileInfo& f : folder.entryInfoList({info.fileName() + QStringLiteral(".??????")},
                                                   QDir::Files | QDir::Hidden | QDir::System)) {
        if (copyName.match(f.fileName()).hasMatch() && !f.isSymLink())
            QFile::remove(f.absoluteFilePath());
    }
}

// ---------------------------------------------------------------- loading

void insertRows(const TableSpec& spec, const std::vector<std::vector<Value>>& rows)
{
    if (rows.empty())
        return;
    QStringList names, places;
    for (const ColumnSpec& c : spec.columns) {
        names << sqlFieldName(c.name);
        places << QStringLiteral("?");
    }
    const QString SqlText = QStringLiteral("INSERT INTO ") + spec.table + QStringLiteral(" (") + names.join(QStringLiteral(", "))
              + QStringLiteral(") VALUES (") + places.join(QStringLiteral(", ")) + QStringLiteral(")");
    PreparedStatement& st = DbConnection.cached(SqlText);
    for (const std::vector<Value>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            st.bind(static_cast<int>(i) + 1, row[i]);
        st.exec();
    }
}

void reopenAfterFailedCompaction()
{
    try {
        if (!DbConnection.isOpen())
            OpenDatabase();
    } catch (...) {
        // The compaction's own error is the one the user must see.
    }
}

}  // namespace

// ---------------------------------------------------------------- reader

QString ProgramVersionText()
{
    return QStringLiteral("%1.%2.%3").arg(DV_VERSION_MAJOR).arg(DV_VERSION_MINOR).arg(DV_VERSION_PATCH);
}

void ProjectFileReader::fail(const QString& why) const
{
    throw AppError(err::ProjectFile, QStringLiteral("Line %1: %2").arg(lineNumber_).arg(why));
}

void ProjectFileReader::ReadProjectFileLine(const QString& line)
{
    if (projectFileEOF_)
        return;  // nothing after the end line is read
    ++lineNumber_;
    if (line.size() > kMaxProjectFileLine)
        fail(QStringLiteral("the line is longer than %1 characters.").arg(kMaxProjectFileLine));
    if (line.contains(QChar(0)))
        fail(QStringLiteral("the file holds binary data; it is not a project file."));
    const QString trimmed = line.trimmed();
    if (line == kEndLine) {
        if (!sawSection_)
            fail(QStringLiteral("the file ends before any section; it is not a project file."));
        projectFileEOF_ = true;
        return;
    }
    if (trimmed.isEmpty())
        return;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
        if (line == kHeaderLine) {
            projectFileSection_ = kHeaderSection;
            sawSection_ = true;
            return;
        }
        for (const TableSpec& spec : tableSpecs()) {
            if (line == spec.sectionLine) {
                projectFileSection_ = spec.sectionName;
                sawSection_ = true;
                return;
            }
        }
        fail(QStringLiteral("%1 is not a section of a project file.").arg(shown(line)));
    }
    if (!sawSection_)
        fail(QStringLiteral("the file does not begin with a section such as \"[File Header]\"; it is not a project file."));
    if (projectFileSection_ == kHeaderSection)
        readHeaderLine(line);
    else
        readRowLine(line);
}

void ProjectFileReader::readHeaderLine(const QString& line)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    // "Key = value": the key loses the blank before "=", the value the one
    // after it and nothing more, so a name's own leading blanks survive.
    const QString left = line.left(eq);
    const QString key = left.isEmpty() ? QString() : left.chopped(1);
    const QString value = eq + 2 <= line.size() ? line.mid(eq + 2) : QString();
    if (key == QLatin1String("Project Name"))
        content_.projectName = value;
    else if (key == QLatin1String("Customer Name"))
        content_.builderName = value;
}

void ProjectFileReader::readRowLine(const QString& line)
{
    int table = -1;
    for (int t = 0; t < 4; ++t)
        if (projectFileSection_ == tableSpecs()[t].sectionName)
            table = t;
    if (table < 0 || !line.contains(QLatin1Char(',')))
        return;
    const TableSpec& spec = tableSpecs()[table];
    const QStringList parts = line.split(QLatin1Char(','));
    const int n = static_cast<int>(spec.columns.size());
    if (parts.size() != n)
        fail(QStringLiteral("a row of the %1 section needs %2 values separated by commas, but this one has %3.")
                 .arg(spec.sectionLine).arg(n).arg(parts.size()));

    std::vector<Value> row;
    row.reserve(n);
    for (int i = 0; i < n; ++i) {
        const ColumnSpec& c = spec.columns[i];
        // Every value but the last loses its surrounding blanks.
        const QString raw = i + 1 < n ? trimBlanks(parts[i]) : parts[i];
        const QString bare = raw.trimmed();
        auto notNumber = [&] {
            fail(QStringLiteral("%1 must be a number, but the file has %2.").arg(c.name, shown(raw)));
        };
        auto tooLong = [&] {
            fail(QStringLiteral("%1 is longer than 255 characters.").arg(c.name));
        };
        switch (c.kind) {
        case Kind::WallKey:
        case Kind::Int16: {
            if (bare.isEmpty()) {
                if (c.kind == Kind::WallKey)
                    fail(QStringLiteral("the row has no wall number (%1).").arg(c.name));
                row.push_back(Value::null());
                break;
            }
            double d = 0;
            if (!parseStrictNumber(bare, &d))
                notNumber();
            const double r = roundHalfEven(d);
            if (r < -32768.0 || r > 32767.0)
                fail(QStringLiteral("%1 is out of range: %2.").arg(c.name, shown(raw)));
            row.push_back(Value::integer(static_cast<std::int16_t>(r)));
            break;
        }
        case Kind::Double:
        case Kind::Money:
        case Kind::RoofSlope:
        case Kind::Corners: {
            if (bare.isEmpty()) {
                row.push_back(Value::null());
                break;
            }
            double d = 0;
            if (!parseStrictNumber(bare, &d))
                notNumber();
            if (c.kind == Kind::RoofSlope || c.kind == Kind::Corners) {
                // The rule the wall editor's boxes follow.
                const QString rule = c.kind == Kind::RoofSlope
                                         ? QStringLiteral("a roof slope is a rise above 0 and at most 12, or 0 for none")
                                         : QStringLiteral("a number of corners is whole and not below 0");
                if (c.kind == Kind::RoofSlope ? !IsStoredRoofSlope(d) : !IsCornerCount(d) || d > 32767.0)
                    fail(QStringLiteral("%1 is out of range: %2; %3.").arg(c.name, shown(raw), rule));
                row.push_back(c.kind == Kind::RoofSlope ? Value::real(d)
                                                        : Value::integer(static_cast<std::int16_t>(d)));
                break;
            }
            if (c.kind == Kind::Double) {
                row.push_back(Value::real(d));
                break;
            }
            try {
                row.push_back(Value::money(Money::fromDouble(d)));
            } catch (const AppError&) {
                fail(QStringLiteral("%1 is out of range: %2.").arg(c.name, shown(raw)));
            }
            break;
        }
        case Kind::NumberText: {
            if (bare.isEmpty()) {
                row.push_back(Value::null());
                break;
            }
            double d = 0;
            if (bare != kRemovedMarker && bare != kRemovedFiller && !parseStrictNumber(bare, &d))
                notNumber();
            if (raw.size() > 255)
                tooLong();
            row.push_back(Value::text(raw));
            break;
        }
        case Kind::KeyText:
        case Kind::Text:
        case Kind::WallName: {
            if (raw.isEmpty()) {
                if (c.kind == Kind::KeyText)
                    fail(QStringLiteral("the row has no %1.").arg(c.name));
                row.push_back(Value::null());
                break;
            }
            QString s = raw;
            if (c.kind == Kind::WallName)
                s.replace(QLatin1Char('_'), QLatin1Char(','));
            // Stored texts never hold the SQL quote: a grave accent stands
            // for each apostrophe, as for every name the user types.
            s.replace(QLatin1Char('\''), QLatin1Char('`'));
            if (s.size() > 255)
                tooLong();
            row.push_back(Value::text(s));
            break;
        }
        }
    }

    // A wall, or a column or opening within a wall, may appear only once.
    const QString wall = row[0].toText();
    QString key = wall;
    QString what;
    if (table == 0 || table == 2) {
        key += QLatin1Char('\x1f') + row[1].toText().toLower();
        what = QStringLiteral("%1 of wall %2").arg(row[1].toText(), wall);
    } else {
        what = QStringLiteral("wall %1").arg(wall);
    }
    if (keysSeen_[table].contains(key))
        fail(QStringLiteral("%1 appears twice in the %2 section.").arg(what, spec.sectionLine));
    keysSeen_[table].insert(key);
    rowsOf(content_, table).push_back(std::move(row));
}

void ProjectFileReader::finish() const
{
    if (projectFileEOF_)
        return;
    if (!sawSection_)
        throw AppError(err::ProjectFile, QStringLiteral("The file is empty; it holds no project."));
    throw AppError(err::ProjectFile,
                   QStringLiteral("The file ends before its end line \"EOF\"; it is incomplete or damaged."));
}

ProjectFileContent ReadProjectFileText(const QString& text)
{
    ProjectFileReader reader;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        reader.ReadProjectFileLine(line);
        if (reader.projectFileEOF())
            break;
    }
    reader.finish();
    return reader.content();
}

ProjectFileContent ReadProjectFile(const QString& path)
{
    if (path.trimmed().isEmpty())
        throw AppError(err::FileNotFound, QStringLiteral("File not found: no file name was given."));
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(err::FileNotFound, QStringLiteral("File not found: '%1'").arg(path));
    if (!info.isFile())
        throw AppError(kFileAccessError, QStringLiteral("'%1' is not a file.").arg(path));
    if (info.size() > kMaxProjectFileBytes)
        throw AppError(err::ProjectFile, QStringLiteral("The file '%1' is too large (more than %2 MB) to be a project file.")
                                             .arg(path).arg(kMaxProjectFileBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(kFileAccessError,
                       QStringLiteral("The file '%1' could not be read: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxProjectFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw AppError(kFileAccessError,
                       QStringLiteral("The file '%1' could not be read: %2").arg(path, file.errorString()));
    file.close();
    if (bytes.size() > kMaxProjectFileBytes)
        throw AppError(err::ProjectFile, QStringLiteral("The file '%1' is too large (more than %2 MB) to be a project file.")
                                             .arg(path).arg(kMaxProjectFileBytes / (1024 * 1024)));
    try {
        return ReadProjectFileText(decodeFileBytes(bytes));
    } catch (const AppError& e) {
        throw AppError(e.number(), QStringLiteral("The file '%1' cannot be opened as a project. %2").arg(path, e.description()));
    }
}

// ---------------------------------------------------------------- save and open

void SaveProjectFile(const QString& path)
{
    if (path.trimmed().isEmpty())
        throw AppError(kFileAccessError, QStringLiteral("The project could not be saved: no file name was given."));
    std::array<int, 4> counts{};
    const QString text = buildFileText(counts);
    checkReadsBack(text, counts);
    const QByteArray bytes = encodeFileText(text);

    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw AppError(kFileAccessError, QStringLiteral("The project could not be saved: '%1' is not a file.").arg(path));
    if (info.exists() && isReadOnlyFile(path))
        throw AppError(kFileAccessError, QStringLiteral("The project could not be saved: the file '%1' is read-only.").arg(path));

    removeStaleSaveCopies(path);

    // Written beside the target and put in its place only when complete, so
    // a failure never leaves a cut-off file where a good one stood. Written
    // unbuffered: a buffered flush may take a short write (a full disk) for
    // success, and the cut-off copy would then replace the good file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AppError(kFileAccessError,
                       QStringLiteral("The project could not be saved to '%1': %2").arg(path, file.errorString()));
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            file.commit();  // removes the unfinished copy; the target stays as it was
            throw AppError(kFileAccessError, QStringLiteral("The project could not be saved to '%1': %2").arg(path, why));
        }
        done += n;
    }
    if (!file.commit())
        throw AppError(kFileAccessError,
                       QStringLiteral("The project could not be saved to '%1': %2").arg(path, file.errorString()));
}

void OpenProjectFile(const QString& path)
{
    ProjectView& view = projectView();
    // Everything is read and checked before the project is touched.
    const ProjectFileContent content = ReadProjectFile(path);

    // The compaction needs the connection closed, so it runs before the
    // load's transaction; it leaves the rows as they are, but for the last
    // calculation's scratch rows, which are not worth copying.
    EmptyScratchTables();
    DbConnection.close();
    try {
        Compact(DatabasePath, QString(), true);
    } catch (...) {
        reopenAfterFailedCompaction();
        throw;
    }
    OpenDatabase();

    const int oldProfileID = view.selectedProfileID();
    const QString oldProfileName = view.selectedProfileName();
    const std::int16_t oldWallID = CurrentWallID;
    try {
        Transaction t(DbConnection);
        ResetProjectTables();
        for (int i = 0; i < 4; ++i)
            insertRows(tableSpecs()[i], rowsOf(content, i));
        t.commit();
    } catch (...) {
        // Rolled back: the old project is still there, so is its profile.
        CurrentWallID = oldWallID;
        view.setSelectedProfile(oldProfileID, oldProfileName);
        throw;
    }

    view.comparisonClear();
    view.setProjectName(content.projectName);
    view.setBuilderName(content.builderName);
    RefreshWallSystemGrid();
}

}  // namespace dv
