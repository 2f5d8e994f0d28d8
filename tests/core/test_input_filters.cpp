// What may be typed into the text boxes, and the caps on typed values.
#include "core/input_filters.h"
#include "core/translator.h"
#include "platform/app_error.h"
#include "tests/qstring_print.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

using namespace dv;


namespace {

class InputFilterTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override
    {
        QLocale::setDefault(saved_);
    }

private:
    QLocale saved_ = QLocale();
};

int numericKey(int code)
{
    FilterNumericKey(code);
    return code;
}

}  // namespace

TEST_F(InputFilterTest, LengthKeysKeepWhatADimensionIsWrittenWith)
{
    for (int code = -5; code < 0x3000; ++code) {
        const bool kept = code == 8 || code == ' ' || code == '"' || code == '\'' || code == '.' || code == '/' ||
                          (code >= '0' && code <= '9');
        EXPECT_EQ(FilterLengthKey(code), kept ? code : 0) << code;
    }
    EXPECT_EQ(FilterLengthKey('7'), '7');
    for (int code : {int('-'), int(','), int('a'), 13, 3, 22, 24})
        EXPECT_EQ(FilterLengthKey(code), 0) << code;
}

TEST_F(InputFilterTest, NumericKeysKeepAPlainDecimalNumber)
{
    for (int code = -5; code < 0x3000; ++code) {
        const bool kept = code == 8 || code == '.' || (code >= '0' && code <= '9');
        EXPECT_EQ(numericKey(code), kept ? code : 0) << code;
    }
    for (int code : {int('7'), int('.'), 8})
        EXPECT_EQ(numericKey(code), code);
    for (int code : {int('/'), int(' '), int('-'), 13, 22})
        EXPECT_EQ(numericKey(code), 0) << code;
}

TEST_F(InputFilterTest, LengthCapOnTheLeadingNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"250", "250"},
        {"301", "300"},
        {"300", "300"},
        {"1e5", "300"},
        {"3600\"", "3600\""},        // 300 feet written in inches is not above the cap
        {"3612\"", "300'"},          // an inch count above it becomes 300 feet
        {"3612\" 1/2", "300' 1/2"},
        {"400' 6", "300' 6"},
        {"400 1/2", "300 1/2"},
        {"12' 400", "12' 400"},      // only the first number is capped
        {"301.5", "300.5"},
        {"299.9", "299.9"},
        {"12 6 8", "12 6 8"},
        // Inches alone: the leading number is inches too.
        {"400 1/2\"", "400 1/2\""},
        {"3700.5\"", "3600.5\""},
        {"301.5\"", "301.5\""},
        {"4000 1/2\"", "3600 1/2\""},
        // Feet and inches with an inch mark only; "," as the translator reads it; metric text measured whole.
        {"400 6\"", "300 6\""}, {"3700 6\"", "300 6\""}, {"301 6 8\"", "300 6 8\""}, {"400 6.5\"", "300 6.5\""},
        {"299,5", "299,5"}, {"3,000", "3,000"}, {"3000 mm", "3000 mm"}, {"100 m", "300'"}, {"0.1 km", "300'"},
        // No number before the first marker: left as typed.
        {".5", ".5"},
        {"   ", "   "},
        // Spaces before the number do not hide it.
        {" 400", " 300"},
        {"  400' 6", "  300' 6"},
        {" 250", " 250"},
        {"\"400", "\"400"},
        {"/400", "/400"},
        {"", ""},
    };
    for (const auto& [typed, capped] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(LimitLengthText(QString::fromUtf8(typed)), QString::fromUtf8(capped));
    }
}

TEST_F(InputFilterTest, CappedTextReadsAsAtMostAboutThreeHundredFeet)
{
    for (const char* typed : {"9999", " 9999", "9999'", "99999\"", "9999 11 15", "9999' 11 1/2\"", "99999 1/2\"",
                              "99999.5\"", "9999.99", "400 6\"", "3700 6\"", "301 6 8\"", "1 km"}) {
        SCOPED_TRACE(typed);
        const double inches = ConvertInputToInches(LimitLengthText(QString::fromUtf8(typed)));
        EXPECT_LT(inches, 301 * 12.0);
        EXPECT_GE(inches, 300 * 12.0);
    }
}

TEST_F(InputFilterTest, LengthCapLeavesTextThatIsNoNumberToTheTranslator)
{
    for (const char* typed : {"abc", "12a 6", "x/2", "1a.3", "5ft"})
        EXPECT_EQ(LimitLengthText(QString::fromUtf8(typed)), QString::fromUtf8(typed));
    try {
        LimitLengthText(QString(400, QLatin1Char('9')));
        ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST_F(InputFilterTest, LengthCapUnderACommaLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LimitLengthText(QStringLiteral("301,5")), QStringLiteral("300"));
    EXPECT_EQ(LimitLengthText(QStringLiteral("299,5")), QStringLiteral("299,5"));
    EXPECT_EQ(LimitLengthText(QStringLiteral("301.5")), QStringLiteral("300.5"));
}

TEST_F(InputFilterTest, RoofSlopeText)
{
    for (const auto& [rise, slope] : {std::pair<const char*, const char*>{"6", "6/12"}, {"12", "12/12"},
                                      {"4.5", "4.5/12"}, {"0", "0/12"}}) {
        EXPECT_EQ(SetRoofSlopeText(QString::fromUtf8(rise)), QString::fromUtf8(slope));
    }
}

TEST_F(InputFilterTest, EveryWayInAsksOneRulePerKindOfValue)
{
    enum Kind { Length, Number, Slope, Corners };
    struct Row {
        Kind kind;
        const char* text;
        double stored;  // feet for a length; -1 when refused
    };
    const Row rows[] = {
        {Length, "1e9", 300}, {Length, "5000", 300}, {Length, "12' 6\"", 12.5}, {Length, "1,000.5", -1},
        {Length, "1.000,5", -1}, {Length, "400,000.5", -1}, {Length, "-10", -1}, {Length, "2,5", 2.5},
        {Number, "-200", -1}, {Number, "+5", -1}, {Number, "1e3", -1}, {Number, " 5", -1}, {Number, "12.5", 12.5},
        {Slope, "65540", -1}, {Slope, "32768", -1}, {Slope, "1e308", -1}, {Slope, "-4", -1}, {Slope, "12.5", -1},
        {Slope, "0", -1}, {Slope, "12", 12}, {Slope, "4.5", 4.5},
        {Corners, "-1", -1}, {Corners, "2.5", -1}, {Corners, "0", 0}, {Corners, "4", 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const QString text = QString::fromUtf8(r.text);
        double v = -1;
        switch (r.kind) {
        case Length:
            try {
                v = ReadLengthText(text) / 12;
            } catch (const AppError& e) {
                EXPECT_EQ(e.number(), err::InvalidInputFormat);
            }
            break;
        case Number:
            if (!ReadTypedNumber(text, &v))
                v = -1;
            break;
        default: {
            double n = text.toDouble();
            v = (r.kind == Slope ? IsRoofSlope(n) : IsCornerCount(n)) ? n : -1;
        }
        }
        EXPECT_NEAR(v, r.stored, 1.0 / 192) << r.kind;
    }
    EXPECT_TRUE(IsStoredRoofSlope(0));  // no slope, as an eave wall keeps it
}
