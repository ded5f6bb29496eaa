#include "conversions.h"
#include "number.h"
#include "runtimeError.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(std::optional<Number>)

namespace {

// The Number that a text becomes on its way from a text box, or nothing on overflow.
std::optional<Number> numberFromText(const QString &text)
{
    try {
        return roundToNumber(textToNumber(text));
    } catch (const RuntimeError &error) {
        if (error.number() != 6)
            throw;
        return std::nullopt;
    }
}

std::optional<Number> roundOrOverflow(double value)
{
    try {
        return roundToNumber(value);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

} // namespace

class tst_Numbers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A locale with a decimal comma must not change how texts are read.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void textBecomesNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<Number>>("number");

        const auto overflow = std::optional<Number>();
        QTest::newRow("2.5 rounds down to even") << "2.5" << 2.5 << std::optional<Number>(2);
        QTest::newRow("3.5 rounds up to even") << "3.5" << 3.5 << std::optional<Number>(4);
        QTest::newRow("-2.5 rounds to even -2") << "-2.5" << -2.5 << std::optional<Number>(-2);
        QTest::newRow("7.6 rounds to nearest") << "7.6" << 7.6 << std::optional<Number>(8);
        QTest::newRow("empty text is 0") << "" << 0.0 << std::optional<Number>(0);
        QTest::newRow("letters are 0") << "abc" << 0.0 << std::optional<Number>(0);
        QTest::newRow("digits then letters") << "12abc" << 12.0 << std::optional<Number>(12);
        QTest::newRow("largest Number") << "32767" << 32767.0 << std::optional<Number>(32767);
        QTest::newRow("smallest Number") << "-32768" << -32768.0 << std::optional<Number>(-32768);
        QTest::newRow("32767.5 rounds to even 32768") << "32767.5" << 32767.5 << overflow;
        QTest::newRow("32768 overflows") << "32768" << 32768.0 << overflow;
        QTest::newRow("1e9 overflows") << "1e9" << 1e9 << overflow;
        QTest::newRow("past the double range") << "1e400" << qInf() << overflow;
        QTest::newRow("leading blanks skipped") << "   42" << 42.0 << std::optional<Number>(42);
        QTest::newRow("a leading tab skipped as a blank") << "\t42" << 42.0 << std::optional<Number>(42);
        QTest::newRow("plus sign") << "+7" << 7.0 << std::optional<Number>(7);
        QTest::newRow("fraction without digits before") << ".5" << 0.5 << std::optional<Number>(0);
        QTest::newRow("point without fraction") << "5." << 5.0 << std::optional<Number>(5);
        QTest::newRow("exponent") << "1.5E2" << 150.0 << std::optional<Number>(150);
        QTest::newRow("negative exponent") << "25e-1" << 2.5 << std::optional<Number>(2);
        QTest::newRow("e without digits is ignored") << "12e" << 12.0 << std::optional<Number>(12);
        QTest::newRow("sign alone is 0") << "-" << 0.0 << std::optional<Number>(0);
        QTest::newRow("point alone is 0") << "." << 0.0 << std::optional<Number>(0);
        QTest::newRow("decimal comma ends the number") << "1,5" << 1.0 << std::optional<Number>(1);
        QTest::newRow("blank after the sign ends it") << "- 5" << 0.0 << std::optional<Number>(0);
        QTest::newRow("trailing blanks ignored") << "75  " << 75.0 << std::optional<Number>(75);
    }

    void textBecomesNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(std::optional<Number>, number);

        QCOMPARE(textToNumber(text), value);
        QCOMPARE(numberFromText(text), number);
    }

    void doubleBecomesNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::optional<Number>>("number");

        QTest::newRow("below the top") << 32767.4 << std::optional<Number>(32767);
        QTest::newRow("-32768.5 rounds to even -32768") << -32768.5 << std::optional<Number>(-32768);
        QTest::newRow("-32768.6 overflows") << -32768.6 << std::optional<Number>();
        QTest::newRow("NaN overflows") << qQNaN() << std::optional<Number>();
        QTest::newRow("minus infinity overflows") << -qInf() << std::optional<Number>();
    }

    void doubleBecomesNumber()
    {
        QFETCH(double, value);
        QFETCH(std::optional<Number>, number);
        QCOMPARE(roundOrOverflow(value), number);
    }

    void numberBecomesText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");

        QTest::newRow("zero is one digit") << 0 << "0";
        QTest::newRow("minus sign, no blank") << -5 << "-5";
        QTest::newRow("positive without blank") << 75 << "75";
        QTest::newRow("largest") << 32767 << "32767";
        QTest::newRow("smallest") << -32768 << "-32768";
    }

    void numberBecomesText()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(numberToText(static_cast<Number>(number)), text);
    }

    void eachStepIsChecked()
    {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, add(32767, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, subtract(-32768, 1));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, subtract(0, -32768));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, storeNumber(32768));
        QCOMPARE(add(-32768, 32767), Number(-1));
        QCOMPARE(subtract(-1, 32767), Number(-32768));
    }

    void errorsCarryNumberAndText()
    {
        QCOMPARE(RuntimeError::overflow().number(), 6);
        QCOMPARE(RuntimeError::overflow().text(), "Overflow");
        QCOMPARE(RuntimeError::subscriptOutOfRange().number(), 9);
        QCOMPARE(RuntimeError::subscriptOutOfRange().text(), "Subscript out of range");
    }
};

QTEST_GUILESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
