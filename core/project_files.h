#pragma once
// Project files: the open project (its four working tables and the project
// and customer names) saved to a sectioned ".dvwp" text file and loaded back.
//
// A file is always read and checked whole before anything changes: a file
// that is empty, incomplete, of another kind or malformed raises an AppError
// that names the file and the problem, and the project that was open stays
// exactly as it was. A save builds the whole text first, checks that it
// reads back, and replaces the target file only with a complete copy.
#include "platform/db.h"

#include <QString>
#include <QSet>
#include <QStringList>
#include <vector>

namespace dv {

// Writes the open project to path, creating the file or replacing it.
// Raises an AppError when the project cannot be written; the file that
// stood at path before is then left as it was.
void SaveProjectFile(const QString& path);

// Replaces the open project with the content of the file at path: compacts
// the database, resets the project (profile "Default", empty working,
// scratch and result tables), loads the rows, sets the two name boxes,
// refreshes the wall list and empties the comparison. Raises an AppError,
// with nothing changed, when the file cannot be read or is not a sound
// project file.
void OpenProjectFile(const QString& path);

// What a project file holds, read and checked but not yet loaded: the two
// names and the rows of each table in file order, each value already in the
// type its column stores (Null for an empty value).
struct ProjectFileContent {
    QString projectName;
    QString builderName;
    std::vector<std::vector<Value>> columnRows;   // Column_Information
    std::vector<std::vector<Value>> generalRows;  // General_Information
    std::vector<std::vector<Value>> openingRows;  // Header_Information
    std::vector<std::vector<Value>> wallRows;     // Project_Information
};

// Reads a project file one line at a time. Each load starts with a fresh
// reader, so a file never continues in the section an earlier file ended in.
// Every fault raises an AppError whose text names the line.
class ProjectFileReader {
public:
    // Handles one line (without its line end): the end line, a section
    // line, a header line or a row line.
    void ReadProjectFileLine(const QString& line);
    // Checks that the end line was met; raises otherwise.
    void finish() const;

    bool projectFileEOF() const { return projectFileEOF_; }
    const QString& projectFileSection() const { return projectFileSection_; }
    const ProjectFileContent& content() const { return content_; }

private:
    [[noreturn]] void fail(const QString& why) const;
    void readHeaderLine(const QString& line);
    void readRowLine(const QString& line);

    QString projectFileSection_;
    bool projectFileEOF_ = false;
    bool sawSection_ = false;
    int lineNumber_ = 0;
    ProjectFileContent content_;
    QSet<QString> keysSeen_[4];  // per table, the keys of the rows read so far
};

// The whole text of a project file, split into lines and read. Raises an
// AppError for any fault, the file's name and the reason in its text.
ProjectFileContent ReadProjectFileText(const QString& text);
// Reads and checks the file at path without touching the project.
ProjectFileContent ReadProjectFile(const QString& path);

// The program version written into the file header, "1.1.24".
QString ProgramVersionText();

// Longest line and largest file the reader accepts.
constexpr int kMaxProjectFileLine = 65536;
constexpr qint64 kMaxProjectFileBytes = 32 * 1024 * 1024;

}  // namespace dv
