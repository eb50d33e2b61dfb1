#include "rules/employeerules.h"
#include "rules/checkstring.h"
#include "validation/fielddisplay.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class ValidationTest : public QObject
{
    Q_OBJECT

private slots:
    void checkString_data();
    void checkString();
    void fixedSets_agreeWithTheirText();
    void trimmingRemovesSpacesOnly();
    void wholeNumbers_data();
    void wholeNumbers();
    void failedFieldIsYellowWithItsMessage_passedFieldIsNormalAgain();
};

void ValidationTest::checkString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("set");
    QTest::addColumn<bool>("expected");

    const QString digits = CharacterSets::digits;
    QTest::newRow("empty") << "" << digits << false;
    QTest::newRow("spaces only, even with space in the set") << "   "
                                                             << " 0" << false;
    QTest::newRow("digits") << "0123456789" << digits << true;
    QTest::newRow("leading space") << " 12" << digits << false;
    QTest::newRow("trailing space") << "12 " << digits << false;
    QTest::newRow("upper case not in lower-case set") << "aB"
                                                      << "ab" << false;
    QTest::newRow("inner space in set") << "a b"
                                        << "ab " << true;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("12\u0663") << digits << false;
    QTest::newRow("full-width digit") << QString::fromUtf8("\uFF11") << digits << false;
}

void ValidationTest::checkString()
{
    QFETCH(QString, text);
    QFETCH(QString, set);
    QFETCH(bool, expected);
    QCOMPARE(::checkString(text, set, true), expected);
}

// The fixed sets look characters up in a table; they must answer as their text does.
void ValidationTest::fixedSets_agreeWithTheirText()
{
    for (const CharacterSet *set :
         {&CharacterSets::digits, &CharacterSets::lettersAndDigits, &EmployeeRules::nameSet}) {
        for (uint c = 0; c <= 0xFFFF; ++c) {
            const QChar character{char16_t(c)};
            if (set->contains(character) != set->text().contains(character))
                QFAIL(qPrintable(QStringLiteral("U+%1 in %2").arg(c, 4, 16).arg(set->text())));
        }
    }
    constexpr CharacterSet withSpace{u"ab "};
    for (const QString &text : {QString(), QStringLiteral(" "), QStringLiteral("  "),
                                QStringLiteral("a"), QStringLiteral(" a "), QStringLiteral("c"),
                                QStringLiteral("a c"), QStringLiteral("\u00e1")}) {
        for (const bool inSet : {true, false}) {
            QCOMPARE(::checkString(text, withSpace, inSet),
                     ::checkString(text, QStringView(u"ab "), inSet));
            QCOMPARE(::checkString(text, CharacterSets::digits, inSet),
                     ::checkString(text, CharacterSets::digits.text(), inSet));
        }
    }
}

void ValidationTest::trimmingRemovesSpacesOnly()
{
    QCOMPARE(trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    QCOMPARE(trimSpaces(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    QCOMPARE(rightTrimSpaces(QStringLiteral("  12  ")), QStringLiteral("  12"));
    QVERIFY(!isDigitText(QStringLiteral("12\t")));
    QVERIFY(!isDigitText(QStringLiteral("12:"))); // the characters on either side of the digits
    QVERIFY(!isDigitText(QStringLiteral("/12")));
    QVERIFY(!isDigitText(QStringLiteral("   ")));
    QVERIFY(isDigitText(QStringLiteral("12  ")));
}

void ValidationTest::wholeNumbers_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("leading zeros do not count") << "00100"
                                                << "100" << 0;
    QTest::newRow("99 below 100, unlike text") << "99"
                                               << "100" << -1;
    QTest::newRow("trailing spaces do not count") << "100  "
                                                  << "100" << 0;
    QTest::newRow("thirteen digits exact") << "9999999999999"
                                           << "9999999999998" << 1;
    QTest::newRow("longer than any machine integer") << "123456789012345678901234567890"
                                                     << "123456789012345678901234567891" << -1;
    QTest::newRow("zeros") << "000"
                           << "0" << 0;
}

void ValidationTest::wholeNumbers()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const int order = compareWholeNumbers(a, b);
    QCOMPARE(order < 0 ? -1 : (order > 0 ? 1 : 0), sign);
}

void ValidationTest::failedFieldIsYellowWithItsMessage_passedFieldIsNormalAgain()
{
    QLineEdit box;
    QLabel label;
    const QColor normal = QApplication::palette(&box).color(QPalette::Base);

    QVERIFY(!showFieldVerdict(&label, &box, QStringLiteral("wrong")));
    QCOMPARE(label.text(), QStringLiteral("wrong"));
    QCOMPARE(box.palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(box.accessibleDescription(), QStringLiteral("wrong"));

    QVERIFY(showFieldVerdict(&label, &box, QString()));
    QCOMPARE(label.text(), QString());
    QCOMPARE(box.palette().color(QPalette::Base), normal);
    QCOMPARE(box.accessibleDescription(), QString());
}

QTEST_MAIN(ValidationTest)
#include "tst_validation.moc"
