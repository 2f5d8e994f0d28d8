#include "tests/reset_state.h"
#include "core/app_state.h"
#include "core/database_lock.h"
#include "core/input_filters.h"
#include "core/project_view.h"
#include "core/translator.h"
#include "engine/engine_common.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace dvtest {
namespace {

// Every test starts from the state a fresh program has: the shared values
// empty, no connection, no database lock and no project view, the locales
// the run started with. A test that changes any of them cannot reach the next one.
class ResetState : public ::testing::EmptyTestEventListener {
public:
    explicit ResetState(std::function<void()> more)
        : more_(std::move(more)), locale_(QLocale()), numeric_(std::setlocale(LC_NUMERIC, nullptr))
    {
    }

    void OnTestStart(const ::testing::TestInfo&) override { reset(); }
    void OnTestEnd(const ::testing::TestInfo&) override { reset(); }

private:
    void reset()
    {
        dv::DbConnection.close();
        dv::UnlockDatabase();
        dv::setProjectView(nullptr);
        dv::DatabasePath.clear();
        dv::CurrentWallID = 0;
        dv::PreferencesMode = 0;
        dv::ReportPrinted = false;
        if (more_)
            more_();
        QLocale::setDefault(locale_);
        std::setlocale(LC_NUMERIC, numeric_.c_str());
    }

    std::function<void()> more_;
    QLocale locale_;
    std::string numeric_;
};

}  // namespace

int runTests(int argc, char** argv, std::function<void()> resetMore)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetState(std::move(resetMore)));
    return RUN_ALL_TESTS();
}

}  // namespace dvtest
