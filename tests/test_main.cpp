#include "core/app_state.h"
#include "core/input_filters.h"
#include "core/project_view.h"
#include "core/translator.h"
#include "engine/engine_common.h"
#include "ui/project/wall_pictures.h"

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every test starts from the state a fresh program has: the shared values
// empty, no connection and no project view, the locales the run started
// with. A test that changes any of them cannot reach the next one.
class ResetState : public ::testing::EmptyTestEventListener {
public:
    ResetState() : locale_(QLocale()), numeric_(std::setlocale(LC_NUMERIC, nullptr)) {}

    void OnTestStart(const ::testing::TestInfo&) override { reset(); }
    void OnTestEnd(const ::testing::TestInfo&) override { reset(); }

private:
    void reset()
    {
        dv::DbConnection.close();
        dv::setProjectView(nullptr);
        dv::SqlText.clear();
        dv::DatabasePath.clear();
        dv::CurrentWallID = 0;
        dv::WallCompleteText.clear();
        dv::gLabelLeft = 0;
        dv::gTempText.clear();
        dv::PreferencesMode = 0;
        dv::ReportPrinted = false;
        dv::gSlopeText.clear();
        dv::gLastDisplayValue = 0;
        dv::gLastDisplayText.clear();
        dv::ProductIDList.clear();
        dv::setPictureFolder(QString());
        QLocale::setDefault(locale_);
        std::setlocale(LC_NUMERIC, numeric_.c_str());
    }

    QLocale locale_;
    std::string numeric_;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new ResetState);
    return RUN_ALL_TESTS();
}
