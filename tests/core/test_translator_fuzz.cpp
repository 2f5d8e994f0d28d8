// No text, however long or strange, makes the translator or the length cap
// crash or hang: each call gives a finite length or raises its error.
#include "core/input_filters.h"
#include "core/translator.h"
#include "platform/app_error.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace dv;

namespace {

// Which errors the routines may raise for text they cannot read.
bool expectedError(long number)
{
    return number == err::InvalidInputFormat || number == err::Overflow || number == err::InvalidProcedureCall ||
           number == 11 /* division by zero */ || number == err::TypeMismatch || number == err::BadValue;
}

QString repeated(const QString& s, int times)
{
    QString out;
    out.reserve(s.size() * times);
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

QStringList hostileTexts()
{
    QStringList t = {
        QStringLiteral("1e308"), QStringLiteral("-1e308"), QStringLiteral("1e309"), QStringLiteral("1e-400"),
        QStringLiteral("1E+308'"), QStringLiteral("1.7976931348623157e308\""), QStringLiteral("4.9e-324"),
        QStringLiteral("NaN"), QStringLiteral("nan 1"), QStringLiteral("inf"), QStringLiteral("-inf 5"),
        QStringLiteral("Infinity"), QStringLiteral("1.#INF"), QStringLiteral("1.#QNAN"), QStringLiteral("INF'"),
        QStringLiteral("32767/32767"), QStringLiteral("32768/1"), QStringLiteral("-32768/1\""),
        QStringLiteral("2147483647 1/2"), QStringLiteral("2147483648 1/2"), QStringLiteral("2147483647.5 1/2\""),
        QStringLiteral("0/0"), QStringLiteral("1/00"), QStringLiteral("1/-0"), QStringLiteral("1/ "),
        QStringLiteral("1e308 km"), QStringLiteral("1e300 mm"), QStringLiteral("-1e308 m"), QStringLiteral("1e-320"),
        QStringLiteral("12 6 8\""), QStringLiteral("6\"1'2"), QStringLiteral("1 2'3/4"), QStringLiteral("''''"),
        QStringLiteral("\"\"\"\""), QStringLiteral("-"), QStringLiteral("--5"), QStringLiteral("-="),
        QStringLiteral("[]"), QStringLiteral("["), QStringLiteral("]"), QStringLiteral("'"), QStringLiteral("\""),
        QStringLiteral("/"), QStringLiteral("."), QStringLiteral(" ' "), QStringLiteral("1e99999999999999999999"),
        QStringLiteral("9e9 9e9 9e9"), QStringLiteral("1E5 6"), QStringLiteral("1D400"), QStringLiteral("1d-400"),
        QString(QChar(0)), QStringLiteral("12") + QChar(0) + QStringLiteral("6"), QStringLiteral("\x01\x02\x7f"),
        QStringLiteral("12\t6"), QStringLiteral("12\n6'"), QStringLiteral("12\r6\""), QString(QChar(0xD800)),
        QStringLiteral("\u00bd\"") , QStringLiteral("\u0661\u0662"), QStringLiteral("\uFB01 5"),
        QStringLiteral("12\u00df 6"),
    };
    t << QString(100000, QLatin1Char('9')) << QString(100000, QLatin1Char('9')) + QLatin1Char('\'')
      << QStringLiteral("1/") + QString(1000, QLatin1Char('9')) << QString(100000, QLatin1Char('\''))
      << QString(100000, QLatin1Char('"')) << QString(200000, QLatin1Char(' '))
      << QString(100000, QLatin1Char('/')) << repeated(QStringLiteral("1 "), 50000)
      << repeated(QStringLiteral("1'"), 50000) << repeated(QStringLiteral("-"), 1000) + QLatin1Char('5')
      << repeated(QStringLiteral("["), 1000) << QLatin1Char('1') + QString(1000, QLatin1Char('e'))
      << QStringLiteral("1e") + QString(100000, QLatin1Char('9'))
      << QStringLiteral("0.") + QString(100000, QLatin1Char('0')) + QLatin1Char('1')
      << repeated(QStringLiteral(" '"), 50000) + QStringLiteral("6") << repeated(QStringLiteral("12' 6 1/2\" "), 10000)
      << repeated(QStringLiteral("1/2 "), 20000) << repeated(QStringLiteral("3 m "), 20000)
      << QString(100000, QLatin1Char('1')) + QStringLiteral("/2");
    return t;
}

QString randomText(std::mt19937& rng)
{
    static const QString alphabet = QStringLiteral("0123456789 '\"./-+EeDdMmKkFfTtIiNn[]=,*^()\t\n") + QChar(0) +
                                    QChar(1) + QChar(0x7f) + QChar(0xe9) + QChar(0xbd) + QChar(0xD800);
    std::uniform_int_distribution<int> lengthOf(0, 24);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    std::uniform_int_distribution<int> digitRun(0, 9);
    QString s;
    const int n = lengthOf(rng);
    for (int i = 0; i < n; ++i) {
        const QChar c = alphabet[pick(rng)];
        s += c;
        // Digits come in runs so that numbers of every size appear.
        if (c.isDigit())
            for (int k = digitRun(rng); k > 0; --k)
                s += QChar(QLatin1Char('0' + digitRun(rng)));
    }
    return s;
}

// Runs one text through everything a length box does with it.
void exercise(const QString& text)
{
    try {
        const double inches = ConvertInputToInches(text);
        ASSERT_TRUE(std::isfinite(inches)) << text.left(80).toStdString();
        double kept = 0;
        const QString shown = FormatInchesForDisplay(inches, &kept);
        ASSERT_FALSE(shown.isEmpty());
        ASSERT_TRUE(std::isfinite(kept));
    } catch (const AppError& e) {
        ASSERT_TRUE(expectedError(e.number())) << e.number() << " " << text.left(80).toStdString();
    }
    try {
        const QString capped = LimitLengthText(text);
        ASSERT_LE(capped.size(), text.size() + 2);
    } catch (const AppError& e) {
        ASSERT_TRUE(expectedError(e.number())) << e.number() << " " << text.left(80).toStdString();
    }
    try {
        FormatInchesForDisplay(ReadTypedLength(LimitLengthText(text)));
    } catch (const AppError& e) {
        ASSERT_TRUE(expectedError(e.number())) << e.number() << " " << text.left(80).toStdString();
    }
}

class TranslatorFuzzTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::German, QLocale::Germany),
                                   QLocale(QLocale::Arabic, QLocale::SaudiArabia)};
        QLocale::setDefault(locales[GetParam()]);
    }
    void TearDown() override
    {
        QLocale::setDefault(saved_);
    }

private:
    QLocale saved_ = QLocale();
};

}  // namespace

TEST_P(TranslatorFuzzTest, HostileTextGivesALengthOrAnError)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString& text : hostileTexts()) {
        exercise(text);
        if (HasFatalFailure())
            return;
    }
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST_P(TranslatorFuzzTest, RandomTextGivesALengthOrAnError)
{
    std::mt19937 rng(20261209u + static_cast<unsigned>(GetParam()));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 20000; ++i) {
        exercise(randomText(rng));
        if (HasFatalFailure())
            return;
    }
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST_P(TranslatorFuzzTest, EveryDisplayReadsBackToItself)
{
    // Whatever is shown, typed again, shows the same (lengths up to the cap,
    // a few at every sixteenth and many in between).
    std::mt19937 rng(7u + static_cast<unsigned>(GetParam()));
    std::uniform_real_distribution<double> anyLength(-3600.0, 3600.0);
    for (int i = 0; i < 20000; ++i) {
        const double inches = i < 3 * 16 * 12 ? i / 16.0 : anyLength(rng);
        const QString shown = FormatInchesForDisplay(inches);
        ASSERT_EQ(FormatInchesForDisplay(ConvertInputToInches(shown)), shown) << inches;
        ASSERT_LE(std::fabs(ConvertInputToInches(shown) - inches), 1.0 / 32 + 1e-9) << inches;
    }
}

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, TranslatorFuzzTest, ::testing::Values(0, 1, 2));

TEST_P(TranslatorFuzzTest, TypedDecimalsReadTheSameInEveryLocale)
{
    std::mt19937 rng(11u + static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int> hundredths(1, 360000);
    for (int i = 0; i < 5000; ++i) {
        const double x = hundredths(rng) / 100.0;
        const QString typed = QString::number(x, 'f', 2);
        ASSERT_NEAR(ConvertInputToInches(typed + QLatin1Char('"')), x, 1e-9) << typed.toStdString();
        ASSERT_NEAR(ConvertInputToInches(typed), x * 12, 1e-9) << typed.toStdString();
        ASSERT_NEAR(ConvertInputToInches(QStringLiteral("1' ") + typed + QLatin1Char('"')), 12 + x, 1e-9)
            << typed.toStdString();
    }
}
