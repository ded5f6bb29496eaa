#include "dataCenter.h"
#include "runtimeError.h"
#include "scriptedRandom.h"

#include <QTest>

#include <set>

using dataCenter::Card;

Q_DECLARE_METATYPE(Card)

namespace {

// The card written column by column, top to bottom.
Card cardOf(std::initializer_list<int> entries)
{
    Card card;
    int i = 0;
    for (int entry : entries)
        card[i++] = static_cast<Number>(entry);
    return card;
}

Card sequence(int first)
{
    Card card;
    for (int i = 0; i < Card::size; ++i)
        card[i] = static_cast<Number>(first + i);
    return card;
}

void setRange(int start, int end)
{
    dataCenter::setStartNumber(static_cast<Number>(start));
    dataCenter::setEndNumber(static_cast<Number>(end));
}

// Deals from the range with every draw r, returning the draws made.
int dealWith(float r, int start, int end)
{
    setRange(start, end);
    ScriptedRandom source({r});
    dataCenter::makeCard();
    return source.draws();
}

} // namespace

class tst_DataCenter : public QObject
{
    Q_OBJECT

private slots:
    void startsEmpty()
    {
        QCOMPARE(dataCenter::getStartNumber(), Number(0));
        QCOMPARE(dataCenter::getEndNumber(), Number(0));
        QCOMPARE(dataCenter::getCard(), Card());
    }

    void dealsExactly_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<float>("r");
        QTest::addColumn<Card>("card");

        QTest::newRow("1..75, lowest draws") << 1 << 75 << 0.0f
            << cardOf({1, 2, 3, 4, 5, 16, 17, 18, 19, 20, 31, 32, 33, 34, 35,
                       46, 47, 48, 49, 50, 61, 62, 63, 64, 65});
        QTest::newRow("1..75, highest draws reach each band's top") << 1 << 75 << highestDraw
            << cardOf({3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45,
                       48, 51, 54, 57, 60, 63, 66, 69, 72, 75});
        QTest::newRow("1..75, halves round to even") << 1 << 75 << 0.5f
            << cardOf({2, 4, 7, 10, 13, 17, 20, 22, 25, 28, 32, 34, 37, 40, 43,
                       47, 50, 52, 55, 58, 62, 64, 67, 70, 73});
        QTest::newRow("band 1 (1..25) gives start + i") << 1 << 25 << 0.7f << sequence(1);
        QTest::newRow("band 1 (13..37) gives start + i") << 13 << 37 << 0.3f << sequence(13);
        QTest::newRow("band 1 (1..37) gives start + i") << 1 << 37 << highestDraw << sequence(1);
        QTest::newRow("band 0 (1..12), low draws repeat per column") << 1 << 12 << 0.0f
            << cardOf({1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4, 5});
        QTest::newRow("band 0 (1..12), high draws give start - 1") << 1 << 12 << highestDraw << Card();
        QTest::newRow("band 0 (5..5), half draws go to even 4") << 5 << 5 << 0.5f
            << cardOf({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
        QTest::newRow("negative band (75..1), low draws exceed start") << 75 << 1 << 0.0f
            << cardOf({75, 76, 77, 78, 79, 60, 61, 62, 63, 64, 45, 46, 47, 48, 49,
                       30, 31, 32, 33, 34, 15, 16, 17, 18, 19});
        QTest::newRow("negative band (75..1), high draws run downward") << 75 << 1 << highestDraw
            << cardOf({71, 68, 65, 62, 59, 56, 53, 50, 47, 44, 41, 38, 35, 32, 29,
                       26, 23, 20, 17, 14, 11, 8, 5, 2, -1});
        QTest::newRow("1..90 deals above 90") << 1 << 90 << highestDraw
            << cardOf({4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60,
                       64, 68, 72, 76, 80, 84, 88, 92, 96, 100});
        QTest::newRow("1..80 never deals above 75") << 1 << 80 << highestDraw
            << cardOf({3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 45,
                       48, 51, 54, 57, 60, 63, 66, 69, 72, 75});
        QTest::newRow("negative numbers") << -100 << -26 << 0.0f
            << cardOf({-100, -99, -98, -97, -96, -85, -84, -83, -82, -81, -70, -69, -68, -67, -66,
                       -55, -54, -53, -52, -51, -40, -39, -38, -37, -36});
        QTest::newRow("32693..32767 completes with 32767 in the last cell") << 32693 << 32767 << highestDraw
            << cardOf({32695, 32698, 32701, 32704, 32707, 32710, 32713, 32716, 32719, 32722,
                       32725, 32728, 32731, 32734, 32737, 32740, 32743, 32746, 32749, 32752,
                       32755, 32758, 32761, 32764, 32767});
    }

    void dealsExactly()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(float, r);
        QFETCH(Card, card);

        QCOMPARE(dealWith(r, start, end), 25);
        QCOMPARE(dataCenter::getCard(), card);
        QCOMPARE(dataCenter::getStartNumber(), Number(start));
        QCOMPARE(dataCenter::getEndNumber(), Number(end));
    }

    void failedDealLeavesCard_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("draws");

        QTest::newRow("size: the subtraction overflows") << -20000 << 20000 << 0;
        QTest::newRow("size: the addition overflows") << 0 << 32767 << 0;
        QTest::newRow("start - 1 overflows at the first cell") << -32768 << -32668 << 0;
        QTest::newRow("hi of cell 22 overflows") << 32700 << 32767 << 22;
    }

    void failedDealLeavesCard()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, draws);

        dealWith(0.5f, 1, 75);
        const Card before = dataCenter::getCard();

        setRange(start, end);
        ScriptedRandom source({0.0f});
        try {
            dataCenter::makeCard();
            QFAIL("the deal did not fail");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 6);
        }
        QCOMPARE(source.draws(), draws);
        QCOMPARE(dataCenter::getCard(), before);
        QCOMPARE(dataCenter::getStartNumber(), Number(start));
        QCOMPARE(dataCenter::getEndNumber(), Number(end));
    }

    void pickNumberDrawsBeforeReadingBounds_data()
    {
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");

        QTest::newRow("lo = hi still draws") << 7 << 7 << highestDraw << 7;
        QTest::newRow("lo > hi yields between them") << 10 << 5 << highestDraw << 5;
        QTest::newRow("near hi rounds up to hi") << 1 << 3 << 0.8f << 3;
        QTest::newRow("a half goes to the even neighbour") << 1 << 3 << 0.75f << 2;
        QTest::newRow("just under half stays at lo") << 1 << 2 << 0.49f << 1;
    }

    void pickNumberDrawsBeforeReadingBounds()
    {
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(float, r);
        QFETCH(int, number);

        ScriptedRandom source({r});
        QCOMPARE(dataCenter::pickNumber(Number(lo), Number(hi)), Number(number));
        QCOMPARE(source.draws(), 1);
    }

    void realSourceKeepsEachColumnInItsFifteen()
    {
        setRange(1, 75);
        constexpr int deals = 20000;
        int topCell[5][3] = {};
        for (int n = 0; n < deals; ++n) {
            dataCenter::makeCard();
            const Card card = dataCenter::getCard();
            std::set<int> seen;
            for (int i = 0; i < Card::size; ++i) {
                const int column = Card::column(i);
                QVERIFY(card[i] >= 15 * column + 1 && card[i] <= 15 * column + 15);
                if (Card::row(i) > 0)
                    QVERIFY(card[i] > card[i - 1]);
                seen.insert(card[i]);
            }
            QCOMPARE(seen.size(), size_t(25));
            for (int column = 0; column < 5; ++column)
                ++topCell[column][card[column * 5] - (15 * column + 1)];
        }
        // Low, middle and high values of a top cell come 1/4, 1/2 and 1/4 of
        // the time; the bound is many standard deviations wide.
        const double expected[3] = {0.25, 0.5, 0.25};
        for (const auto &counts : topCell)
            for (int v = 0; v < 3; ++v)
                QVERIFY2(qAbs(double(counts[v]) / deals - expected[v]) < 0.03,
                         qPrintable(QStringLiteral("value %1 came %2 times").arg(v).arg(counts[v])));
    }

    void realSourceNeverDrawsOne()
    {
        for (int n = 0; n < 1000000; ++n) {
            const float r = nextRandom();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }

    void getCardIsACopy()
    {
        dealWith(0.0f, 1, 75);
        Card copy = dataCenter::getCard();
        copy[0] = 99;
        QCOMPARE(dataCenter::getCard()[0], Number(1));

        const Card kept = dataCenter::getCard();
        dealWith(highestDraw, 1, 75);
        QCOMPARE(kept[0], Number(1));
        QCOMPARE(dataCenter::getCard()[0], Number(3));
    }

    void settingTheRangeDoesNotDeal()
    {
        dealWith(0.5f, 1, 75);
        const Card before = dataCenter::getCard();
        ScriptedRandom source({0.0f});
        setRange(5, 5);
        QCOMPARE(dataCenter::getCard(), before);
        QCOMPARE(source.draws(), 0);
    }

    void indexOutsideTheCard_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("below 0") << -1;
        QTest::newRow("past 24") << 25;
    }

    void indexOutsideTheCard()
    {
        QFETCH(int, index);
        const Card card;
        try {
            (void)card[index];
            QFAIL("no error");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 9);
        }
    }
};

QTEST_GUILESS_MAIN(tst_DataCenter)
#include "tst_dataCenter.moc"
