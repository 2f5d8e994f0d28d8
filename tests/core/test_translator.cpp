// The length translator: typed dimension text to inches and back.
#include "core/translator.h"
#include "platform/app_error.h"
#include "tests/qstring_print.h"
#include "tests/test_support.h"

#include <QLocale>
#include <limits>
#include <ostream>
#include <utility>
#include <gtest/gtest.h>

using namespace dv;


namespace {

const QString kInch = QStringLiteral("\"");

// Runs each test under a chosen locale and gives the previous one back.
class TranslatorTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override
    {
        QLocale::setDefault(saved_);
    }
    static void useLocale(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }

private:
    QLocale saved_ = QLocale();
};

// The error number a call raises (0 when it raises none).
template <typename F>
long errorOf(F&& f)
{
    try {
        f();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

struct ReadCase {
    const char* text;
    double inches;
};

}  // namespace

TEST_F(TranslatorTest, ReadsEveryWrittenForm)
{
    const ReadCase cases[] = {
        {"", 0},
        {"0", 0},
        // A bare number is feet.
        {"12", 144},
        {"12.5", 150},
        {"-5", -60},
        // Feet, inches and fractions with marks.
        {"12' 6 1/2\"", 150.5},
        {"12'", 144},
        {"12'6", 150},
        {"12' 6\"", 150},
        {"12.5'", 150},
        {"12'6.5\"", 150.5},
        {"6.5\"", 6.5},
        {"6\"", 6},
        // Three numbers: feet, inches, sixteenths.
        {"12 6 8", 150.5},
        {"12 6", 150},
        // Fractions: unmarked ones are parts of a foot.
        {"1/2", 6},
        {"1/2\"", 0.5},
        {"6 1/2", 78},
        {"6 1/2\"", 6.5},
        {"12'6 1/2", 150.5},
        {"12' 1/2", 144.5},
        {"12 6 1/2", 150},
        {"3/16\"", 0.1875},
        // Metric text names its unit.
        {"305mm", 305 / 25.4},
        {"3 m", 3 * 1000 / 25.4},
        {"0.5 km", 0.5 * 1000 * 1000 / 25.4},
        {"12MM", 12 / 25.4},
        {"5 ft", 60},
        // Characters no length holds give 0.
        {"12 abc", 0},
        // Below half a hundredth of an inch reads as nothing.
        {"0.0003", 0},
        // Exponents, brackets, surrounding and repeated spaces.
        {"1e1", 120},
        {"1E1", 120},
        {"  12   6  ", 150},
        {"[12' 6\"]", 150},
        {"-12' 6\"", -150},
        {"-1/2\"", -0.5},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NEAR(ConvertInputToInches(QString::fromUtf8(c.text)), c.inches, 1e-9);
    }
}

TEST_F(TranslatorTest, RefusesTextItCannotRead)
{
    for (const char* text : {"5ft", "1.2.3", "abc", "12-", "inf", "nan", " ", "1e", "\t"}) {
        SCOPED_TRACE(text);
        try {
            ConvertInputToInches(QString::fromUtf8(text));
            ADD_FAILURE() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), err::InvalidInputFormat);
            EXPECT_EQ(e.description(), QStringLiteral("Invalid Input string format."));
        }
    }
}

TEST_F(TranslatorTest, FailsOnFractionsAndMarksNoLengthIsWrittenWith)
{
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("1/0")); }), 11);   // division by zero
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("12/")); }), 11);
    // A space before the foot mark of a fraction text; an inch mark before the foot mark.
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("1 2'3/4")); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("6\"1'2")); }), err::InvalidProcedureCall);
    // Numerator or denominator beyond 16 bits; counts beyond 32 bits; beyond doubles.
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("40000/2")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("3000000000 1/2")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("1e308")); }), err::Overflow);
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QString(400, QLatin1Char('9'))); }), err::Overflow);
}

TEST_F(TranslatorTest, SpacesBeforeAFootMarkKeepTheFeet)
{
    // Two spaces before the mark survive the space collapsing; the feet
    // before them must not be lost.
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12  '6")), 150);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12  ' 6\"")), 150);
    EXPECT_NEAR(ConvertInputToInches(QStringLiteral("5 'm")), 5000 / 25.4, 1e-9);
}

TEST_F(TranslatorTest, FollowsTheUsersDecimalSeparator)
{
    useLocale(QLocale::German, QLocale::Germany);
    EXPECT_EQ(GetDecimalSeparator(), QStringLiteral(","));
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12,5")), 150);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12.5")), 150);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12'6,5\"")), 150.5);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("1,5e1")), 180);
    EXPECT_EQ(errorOf([] { ConvertInputToInches(QStringLiteral("1,2,3")); }), err::InvalidInputFormat);
}

TEST_F(TranslatorTest, ReadsAndShowsUnderASeparatorThatIsNeitherPointNorComma)
{
    useLocale(QLocale::Arabic, QLocale::SaudiArabia);
    const QString sep = GetDecimalSeparator();
    ASSERT_NE(sep, QStringLiteral("."));
    ASSERT_NE(sep, QStringLiteral(","));
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12.5")), 150);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("12'6.5\"")), 150.5);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("1/2\"")), 0.5);
    EXPECT_DOUBLE_EQ(ConvertInputToInches(QStringLiteral("0.04")), 0.48);
    EXPECT_EQ(FormatInchesForDisplay(150.5), "12' 6 1/2" + kInch);
    double kept = 1;
    EXPECT_EQ(FormatInchesForDisplay(0.000015, &kept), QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(kept, 0);
}

TEST_F(TranslatorTest, SmallRoutines)
{
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("12   6    8")), QStringLiteral("12 6 8"));
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("12 ' 6 \"")), QStringLiteral("12' 6\""));
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("6 / 2")), QStringLiteral("6/2"));
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("12 .5")), QStringLiteral("12.5"));
    // The space after "/" is dropped until a space clears the flag.
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("1/2 3")), QStringLiteral("1/23"));
    EXPECT_EQ(NormalizeSpaces(QStringLiteral("12  '6")), QStringLiteral("12 '6"));

    EXPECT_EQ(TrimAtNull(QStringLiteral("abc")), QString());
    EXPECT_EQ(TrimAtNull(QStringLiteral("ab") + QChar(0) + QStringLiteral("c")), QStringLiteral("ab"));
    EXPECT_EQ(CommaToPoint(QStringLiteral("1,2,3")), QStringLiteral("1.2.3"));
    EXPECT_EQ(GetDecimalSeparator(), QStringLiteral("."));

    const ReadCase leading[] = {{"12' 6", 12}, {"6 1/2", 61}, {"1/2", 1}, {"", 0}, {"abc", 0},
                                {" - 1 2.5.6", -12.5}, {"1.5E-05x", 1.5e-5}, {"2D3", 2000},
                                {"3e", 3}, {"\t4\n5", 45}, {".5", 0.5}, {"-.", 0}};
    for (const ReadCase& c : leading) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.inches);
    }
    EXPECT_EQ(errorOf([] { LeadingNumber(QStringLiteral("1e400")); }), err::Overflow);
    EXPECT_DOUBLE_EQ(LeadingNumber(QStringLiteral("1e-400")), 0);

    EXPECT_TRUE(IsNumericText(QStringLiteral(" -1,234.5e3 ")));
    EXPECT_TRUE(IsNumericText(QStringLiteral("1D5")));
    for (const char* t : {"", "1.2.3", ".", "1e", "12'", "1 2", "- ", "nan", "inf"})
        EXPECT_FALSE(IsNumericText(QString::fromUtf8(t))) << t;
}

TEST_F(TranslatorTest, FeetInchesSixteenthsReader)
{
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("12 6 8"), 5), 150.5);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("12"), 5), 144);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("12"), 6), 12);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("12\""), 5), 12);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("5FT"), 6), 60);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("[-12'6 8]"), 5), -150.5);
    EXPECT_DOUBLE_EQ(dFtInSxValue(QStringLiteral("12'6\""), 5), 150);
}

TEST_F(TranslatorTest, WorkerReadsUnitsByInputClassAndRendersDecimalInches)
{
    double v = -1;
    EXPECT_EQ(FormattedOutput(QStringLiteral("150.5"), 6, 6, v, QStringLiteral("#0.00")), "150.50" + kInch);
    EXPECT_DOUBLE_EQ(v, 150.5);
    EXPECT_EQ(FormattedOutput(QStringLiteral("2"), 8, 6, v, QString()), "2.000" + kInch);
    EXPECT_EQ(FormattedOutput(QStringLiteral("254"), 3, 6, v, QStringLiteral("#0.00")), "10.00" + kInch);
    EXPECT_DOUBLE_EQ(v, 10);
    EXPECT_EQ(FormattedOutput(QStringLiteral("0.254"), 9, 6, v, QStringLiteral("#0.00")), "10.00" + kInch);
    EXPECT_EQ(FormattedOutput(QStringLiteral("1"), 0, 6, v, QStringLiteral("#0.00")), "12.00" + kInch);
    EXPECT_EQ(FormattedOutput(QStringLiteral("-1"), 999, 6, v, QStringLiteral("#0.00")), "-1.00" + kInch);
    EXPECT_DOUBLE_EQ(v, -1);
    EXPECT_EQ(FormattedOutput(QStringLiteral("12 xyz"), 5, 6, v, QStringLiteral("#0.00")), QStringLiteral("INVALID"));
    EXPECT_EQ(v, 0);
    v = 5;
    EXPECT_EQ(FormattedOutput(QStringLiteral("   "), 5, 6, v, QStringLiteral("#0.00")), QString());
    EXPECT_EQ(v, 0);
}

namespace {
struct DisplayCase {
    double inches;
    const char* text;
    double shown;  // the length kept
};
}  // namespace

TEST_F(TranslatorTest, DisplaysFeetInchesAndReducedSixteenths)
{
    const DisplayCase cases[] = {
        {150.5, "12' 6 1/2\"", 150.5},
        {144, "12'", 144},
        {150, "12' 6\"", 150},
        {6.5, "6 1/2\"", 6.5},
        {0.5, "1/2\"", 0.5},
        {12.0625, "1' 1/16\"", 12.0625},
        {3.1875, "3 3/16\"", 3.1875},
        {12.125, "1' 1/8\"", 12.125},
        {0.75, "3/4\"", 0.75},
        {7, "7\"", 7},
        {0, "0", 0},
        {0.03, "0", 0},
        {0.03125, "0", 0},      // half a sixteenth goes to the even neighbour, 0
        {0.09375, "1/8\"", 0.09375},  // one and a half go to 2
        {150.53125, "12' 6 1/2\"", 150.53125},
        {150.59375, "12' 6 5/8\"", 150.59375},
        {143.99, "12'", 143.99},  // 16 sixteenths carry into 12 inches, which carry into a foot
        {11.99, "1'", 11.99},
        {-150.5, "-12' 6 1/2\"", -150.5},
        {-0.01, "0", 0},
        {150.53, "12' 6 1/2\"", 150.53},  // what is kept is not rounded to the display
        {1000000, "83333' 4\"", 1000000},
        {0.000015, "0", 0},     // written in exponent form first
        {1.0 / 3.0, "5/16\"", 0.333333333333333},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.inches);
        double kept = 0;
        EXPECT_EQ(FormatInchesForDisplay(c.inches, &kept), QString::fromUtf8(c.text));
        EXPECT_NEAR(kept, c.shown, 1e-12);
    }
}

TEST_F(TranslatorTest, DisplayRefusesWhatIsNotALength)
{
    EXPECT_EQ(errorOf([] { FormatInchesForDisplay(std::numeric_limits<double>::quiet_NaN()); }), err::BadValue);
    EXPECT_EQ(errorOf([] { FormatInchesForDisplay(std::numeric_limits<double>::infinity()); }), err::BadValue);
    // Feet beyond 32 bits cannot be shown.
    EXPECT_EQ(errorOf([] { FormatInchesForDisplay(1e15); }), err::Overflow);
    EXPECT_EQ(errorOf([] { FormatInchesForDisplay(1e300); }), err::Overflow);
}

TEST_F(TranslatorTest, DisplayUnderACommaLocale)
{
    useLocale(QLocale::German, QLocale::Germany);
    double kept = 0;
    EXPECT_EQ(FormatInchesForDisplay(150.5, &kept), "12' 6 1/2" + kInch);
    EXPECT_DOUBLE_EQ(kept, 150.5);
    EXPECT_EQ(FormatInchesForDisplay(-0.5), "-1/2" + kInch);
    double v = 0;
    EXPECT_EQ(FormattedOutput(QStringLiteral("150,5"), 6, 6, v, QStringLiteral("#0.00")), "150,50" + kInch);
    EXPECT_EQ(FixTrailingDecimal(QStringLiteral("12,"), 0), QStringLiteral("12,0"));
}

TEST_F(TranslatorTest, TypedTextRoundTripsToItsDisplay)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12 6 8", "12' 6 1/2\""}, {"12'6", "12' 6\""},   {"6 1/2\"", "6 1/2\""},
        {"1/2", "6\""},            {"305mm", "1'"}, {"25.4mm", "1\""},       {"12.5", "12' 6\""},
        {"", "0"},                 {"3/16\"", "3/16\""},   {"-12' 6 1/2\"", "-12' 6 1/2\""},
        {"300", "300'"},           {"0.0003", "0"},        {"1 m", "3' 3 3/8\""},
    };
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        const QString text = FormatInchesForDisplay(ConvertInputToInches(QString::fromUtf8(typed)));
        EXPECT_EQ(text, QString::fromUtf8(shown));
        // What is shown reads back to the same display.
        EXPECT_EQ(FormatInchesForDisplay(ConvertInputToInches(text)), text);
    }
}

TEST_F(TranslatorTest, SmallDisplayRoutines)
{
    EXPECT_TRUE(IsWithinTolerance(16, 16, 0.01f));
    EXPECT_TRUE(IsWithinTolerance(15.995, 16, 0.01f));
    EXPECT_FALSE(IsWithinTolerance(15.98, 16, 0.01f));
    EXPECT_FALSE(IsWithinTolerance(16, 16.01, 0.01f));  // both bounds strict
    EXPECT_EQ(FixTrailingDecimal(QString(), 0), QStringLiteral("0"));
    EXPECT_EQ(FixTrailingDecimal(QStringLiteral("12."), 0), QStringLiteral("12.0"));
    EXPECT_EQ(FixTrailingDecimal(QStringLiteral("12."), 1), QStringLiteral("12"));
    EXPECT_EQ(FixTrailingDecimal(QStringLiteral("12' 6\""), 0), QStringLiteral("12' 6\""));
    double v = 0;
    EXPECT_EQ(FormattedOutput(QStringLiteral("150.5"), 6, 0, v, QString()), "12' 6 1/2" + kInch);
    EXPECT_EQ(FormattedOutput(QStringLiteral("12.5"), 5, 0, v, QString()), "12' 6" + kInch);
    EXPECT_EQ(errorOf([&] { FormattedOutput(QStringLiteral("1"), 5, 3, v, QString()); }), err::InvalidProcedureCall);
}

// A length typed into the wall editor is kept in feet and shown again from
// the stored value.
class StoredLengthTest : public dvtest::DbTest {};

TEST_F(StoredLengthTest, StoredFeetComeBackAsTheTypedDisplay)
{
    QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::pair<const char*, const char*> cases[] = {
        {"12' 6 1/2\"", "12' 6 1/2\""}, {"30", "30'"}, {"1/16\"", "1/16\""},
        {"299 11 15", "299' 11 15/16\""}, {"8' 3/8\"", "8' 3/8\""},
    };
    int id = 0;
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        ++id;
        double kept = 0;
        FormatInchesForDisplay(ConvertInputToInches(QString::fromUtf8(typed)), &kept);
        const double feet = kept / 12;
        addEaveWall(id, QStringLiteral("W%1").arg(id), 10, feet, 24);

        const dv::Value stored =
            scalar(QStringLiteral("SELECT WallLength FROM General_Information WHERE WallID = %1").arg(id));
        EXPECT_EQ(FormatInchesForDisplay(ConvertInputToInches(stored.toText()), &kept), QString::fromUtf8(shown));
        EXPECT_NEAR(kept, feet * 12, 1e-9);
    }
    QLocale::setDefault(saved);
}
