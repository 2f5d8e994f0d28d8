#pragma once
// Shared test fixture: a copy of the delivered database in a temporary
// folder, opened as the program opens it, with a project view in memory.
#include "core/app_state.h"
#include "core/project_view.h"
#include "platform/db.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A test that needs something of the machine (a program, a locale, a
// clipboard) skips without it on a developer's machine; under CI, whose
// set-up installs all of them, the same lack fails the test.
#define DV_NEED(available, what)                                  \
    do {                                                          \
        if (!(available)) {                                       \
            if (dvtest::inCI())                                   \
                FAIL() << "needs " << (what);                     \
            else                                                  \
                GTEST_SKIP() << "needs " << (what);               \
        }                                                         \
    } while (false)

namespace dvtest {

// True under CI (CI=true in the environment).
bool inCI();

// Path of the delivered database made by the build.
QString deliveredDatabase();

// Copies the delivered database into dir and returns the copy's path.
QString copyDeliveredDatabase(const QTemporaryDir& dir);

class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a statement on the shared connection.
    void exec(const QString& sql);
    // First field of the first row (Null when there is no row).
    dv::Value scalar(const QString& sql);
    long long count(const QString& table, const QString& where = QString());

    // Adds a wall row to Project_Information and its General_Information.
    void addEaveWall(int id, const QString& name, double eave, double length, double trussSpan,
                     const QString& exposure = QStringLiteral("EXPOSURE B"), int roofLoadingID = 1,
                     const QString& finish = QString(), int corners = 2);
    void addGableWall(int id, const QString& name, double eave, double ridge, double length, int slope,
                      double dtfh, const QString& exposure = QStringLiteral("EXPOSURE B"), int roofLoadingID = 1,
                      const QString& finish = QString(), int corners = 2, int monoSlope = 0);
    void addColumn(int wallID, int number, const QString& height, const QString& maxWidth);
    void addOpening(int wallID, int number, const QString& width, const QString& avgHeight, const QString& headers,
                    const QString& left = QStringLiteral("NA"), const QString& right = QStringLiteral("NA"));
    // The first exterior finish of the delivered database.
    QString firstFinish();

    QTemporaryDir dir;
    QString dbPath;
    dv::MemoryProjectView view;
};

}  // namespace dvtest
