// The length translator: typed dimension text to inches and back.
#include "core/translator.h"
#include "platform/app_error.h"

#include <QLocale>
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
        gLastDisplayValue = 0;
        gLastDisplayText.clear();
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
