// Wind pressure from the delivered wind table, the clamping and classing of
// effective wind areas, and lengths along the roof slope.
#include "engine/design_wind.h"
#include "engine/wind.h"
#include "platform/app_error.h"
#include "tests/test_support.h"

#include <functional>
#include <limits>

using namespace dv;

namespace {

class WindTest : public dvtest::DbTest {};

long errorNumberOf(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

// 90 mph, exposure B: SF10 15.81, fall 0.037 to SF50 14.33, then 0.0148.
TEST_F(WindTest, PressureFollowsTheTwoSegmentsOfTheTable)
{
    EXPECT_DOUBLE_EQ(GetWindTableValue(10, QStringLiteral("Small"), 90, QStringLiteral("B")), 15.81);
    EXPECT_DOUBLE_EQ(GetWindTableValue(50, QStringLiteral("Small"), 90, QStringLiteral("B")), 15.81 - 40 * 0.037);
    EXPECT_DOUBLE_EQ(GetWindTableValue(50, QStringLiteral("Large"), 90, QStringLiteral("B")), 14.33);
    EXPECT_DOUBLE_EQ(GetWindTableValue(100, QStringLiteral("Large"), 90, QStringLiteral("B")), 14.33 - 50 * 0.0148);
    // 120 mph, exposure C, 30 sq ft: 39.4 - 20 x 0.0925.
    EXPECT_DOUBLE_EQ(GetWindTableValue(30, QStringLiteral("Small"), 120, QStringLiteral("C")), 39.4 - 20 * 0.0925);
}

TEST_F(WindTest, OnlyTheExactWordSmallSelectsTheFirstSegment)
{
    // At 30 sq ft the second segment extrapolates upward from SF50.
    const double second = 14.33 - 0.0148 * (30 - 50);
    EXPECT_DOUBLE_EQ(GetWindTableValue(30, QStringLiteral("small"), 90, QStringLiteral("B")), second);
    EXPECT_DOUBLE_EQ(GetWindTableValue(30, QString(), 90, QStringLiteral("B")), second);
    EXPECT_DOUBLE_EQ(GetWindTableValue(30, QStringLiteral("Small"), 90, QStringLiteral("B")), 15.81 - 0.037 * 20);
}

TEST_F(WindTest, TheFirstOfTwoRowsForTheSameKeyIsUsed)
{
    exec(QStringLiteral("INSERT INTO Wind_Table (WindSpeed, Exposure, SF10, Increment10_50, SF50, Increment50_100) "
                        "VALUES (90, 'B', 99, 0, 99, 0)"));
    EXPECT_DOUBLE_EQ(GetWindTableValue(10, QStringLiteral("Small"), 90, QStringLiteral("B")), 15.81);
}

TEST_F(WindTest, AMissingWindRowIsAClearErrorNotAPressureOfZero)
{
    EXPECT_EQ(errorNumberOf([] { GetWindTableValue(10, QStringLiteral("Small"), 95, QStringLiteral("B")); }),
              err::MissingWindRow);
    EXPECT_EQ(errorNumberOf([] { GetWindTableValue(10, QStringLiteral("Small"), 90, QStringLiteral("E")); }),
              err::MissingWindRow);
    EXPECT_EQ(errorNumberOf([] { GetWindTableValue(10, QStringLiteral("Small"), 90, QString()); }),
              err::MissingWindRow);
    try {
        GetWindTableValue(10, QStringLiteral("Small"), 95, QStringLiteral("B"));
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("95 mph")));
        EXPECT_TRUE(e.description().contains(QStringLiteral("'B'")));
    }
}

TEST_F(WindTest, ExposureTextIsNotSpliced)
{
    // A hostile exposure text is a value, never part of the statement.
    EXPECT_EQ(errorNumberOf([] { GetWindTableValue(10, QStringLiteral("Small"), 90, QStringLiteral("B' OR '1'='1")); }),
              err::MissingWindRow);
    EXPECT_EQ(count(QStringLiteral("Wind_Table")), 12);
}

TEST(WindArea, IsClampedAndClassed)
{
    EXPECT_EQ(ClampWindArea(8), 10);
    EXPECT_EQ(ClampWindArea(25.0 / 3.0), 10);   // a 5 ft column
    EXPECT_EQ(ClampWindArea(48), 48);            // a 12 ft column
    EXPECT_EQ(ClampWindArea(99.99), 99.99);
    EXPECT_EQ(ClampWindArea(100), 100);
    EXPECT_EQ(ClampWindArea(150), 100);
    EXPECT_EQ(WindSizeClass(50), QStringLiteral("Small"));
    EXPECT_EQ(WindSizeClass(50.1), QStringLiteral("Large"));
    EXPECT_EQ(WindSizeClass(12.3 * 12.3 / 3.0), QStringLiteral("Large"));  // 50.43
    EXPECT_THROW(ClampWindArea(std::numeric_limits<double>::quiet_NaN()), AppError);
}

TEST(WindExposure, LastLetterOrCAtTheHighWindSpeeds)
{
    EXPECT_EQ(DesignExposureLetter(QStringLiteral("EXPOSURE D"), 90), QStringLiteral("D"));
    EXPECT_EQ(DesignExposureLetter(QStringLiteral("EXPOSURE B"), 100), QStringLiteral("B"));
    EXPECT_EQ(DesignExposureLetter(QStringLiteral("EXPOSURE B"), 110), QStringLiteral("C"));
    EXPECT_EQ(DesignExposureLetter(QStringLiteral("EXPOSURE D"), 120), QStringLiteral("C"));
    EXPECT_EQ(DesignExposureLetter(QString(), 90), QString());
}

TEST(RakeLength, FollowsTheSlopeAndAddsTheDepthTermOnlyForFlagOne)
{
    EXPECT_DOUBLE_EQ(CalculateRakeLength(10, 0, 1, 1.75), 10.0);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(10, 12, 0, 1.75), 14.142135623730950);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(10, 12, 1, 1.75), 14.287968957064283);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(10, 12, 2, 1.75), 14.142135623730950);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(1, 4, 0, 9.25), 1.0540925533894598);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(6, 4, 1, 9.25), 6 * 1.0540925533894598 + 4 * 9.25 / 144.0);
    EXPECT_DOUBLE_EQ(CalculateRakeLength(12, 4.5, 1, 1.75), 12.816005617976296 + 4.5 * 1.75 / 144.0);
}
