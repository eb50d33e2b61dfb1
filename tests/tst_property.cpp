// Generated entries around every limit, through the screens' rules: whatever the rules let through
// makes a record of printable ASCII with eleven plain fields, or a report name without a path.
// TAVO_PROPERTY_SEED and TAVO_PROPERTY_COUNT (sets per screen) change the run.

#include "recordproperties.h"

#include <QRandomGenerator>
#include <QTest>

using namespace RecordProperties;

namespace
{

struct Field {
    QString valid;
    int limit = 0; // the length limit, or 0
    QStringList near = {};
};

const QStringList amounts = {"0", "999999", "1000000", "1000001", "0001000000", "1000000 "};

// Per screen, in the order of RecordProperties::check.
const QList<Field> &fields(Screen screen)
{
    static const QList<Field> all[] = {{{"O", 0, {"A"}},
                                        {"Mary Smith", 50},
                                        {"mary@example.com", 320, {"a@b.c", "a@b..c", "a@b."}},
                                        {"8005551234", 10},
                                        {"42", 5, {""}}},
                                       {{"1", 0, {""}},
                                        {"2", 0, {""}},
                                        {"0123456", 7},
                                        {"123456789", 9},
                                        {"3", 0},
                                        {"4", 0},
                                        {"4", 0},
                                        {"1000000", 0, amounts},
                                        {"0", 0, amounts},
                                        {"1000000", 0, amounts},
                                        {"0", 0, amounts}},
                                       {{"123456789", 9},
                                        {"O'NEIL-SMITH", 25, {"O'", "A-B-C-D", "A--B"}},
                                        {"MARY", 15},
                                        {"", 15, {"Q"}},
                                        {"1000000", 0, amounts},
                                        {"1000000", 0, amounts},
                                        {"13", 0, {"14", "15", "014", "-1", " 14", "14 "}}},
                                       {{"B", 0, {"A", ""}},
                                        {"F", 0, {""}},
                                        {"O", 0, {"A"}},
                                        {"0123456", 10},
                                        {"1q2014", 10, {""}}}};
    return all[int(screen)];
}

// One character that may or may not belong.
QString oddCharacter(QRandomGenerator &random)
{
    static const QList<char32_t> pool = {
        ',',  '"', '\r', '\n', '\t', 0,     ' ',  '.',   '-',    '\'',   '@',     '_', '/',
        '\\', 'a', 'Z',  '9',  0xE9, 0x131, 0xDF, 0x663, 0xFF10, 0xD800, 0x1F600, 0xA0};
    const char32_t c = pool[random.bounded(int(pool.size()))];
    return QString::fromUcs4(&c, 1);
}

// The valid entry, or one of its near neighbours: a length at or beside the limit, one character
// changed or added, surrounding spaces, nothing at all, or a value kept for the field.
QString entry(const Field &field, QRandomGenerator &random)
{
    QString text = field.valid;
    const int limit = field.limit > 0 ? field.limit : 12;
    switch (random.bounded(9)) {
    case 0:
        text = text.isEmpty() ? QStringLiteral("A") : text;
        text = text.repeated(limit / text.size() + 2).left(limit - 1 + random.bounded(3));
        break;
    case 1:
        if (!text.isEmpty())
            text[random.bounded(int(text.size()))] = oddCharacter(random).at(0);
        break;
    case 2:
        text.insert(random.bounded(int(text.size()) + 1), oddCharacter(random));
        break;
    case 3:
        text = random.bounded(2) ? u' ' + text : text + u' ';
        break;
    case 4:
        text.clear();
        break;
    case 5:
    case 6:
        if (!field.near.isEmpty())
            text = field.near[random.bounded(int(field.near.size()))];
        break;
    }
    return text;
}

} // namespace

class PropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptedEntriesMakeSoundRecords_data();
    void acceptedEntriesMakeSoundRecords();
};

void PropertyTest::acceptedEntriesMakeSoundRecords_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("contact, A record") << int(Screen::Contact);
    QTest::newRow("employer, E record") << int(Screen::Employer);
    QTest::newRow("employee, S record") << int(Screen::Employee);
    QTest::newRow("naming, report name") << int(Screen::Naming);
}

void PropertyTest::acceptedEntriesMakeSoundRecords()
{
    QFETCH(int, screen);
    const quint32 seed = qEnvironmentVariableIsSet("TAVO_PROPERTY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("TAVO_PROPERTY_SEED"))
                             : 20261206u;
    const int count = qEnvironmentVariableIsSet("TAVO_PROPERTY_COUNT")
                          ? qEnvironmentVariableIntValue("TAVO_PROPERTY_COUNT")
                          : 5000;
    qInfo("seed %u, %d entry sets", seed, count);
    QRandomGenerator random(seed + quint32(screen));
    int accepted = 0;
    for (int n = 0; n < count; ++n) {
        QStringList entries;
        // Mostly one field changed at a time, so that many sets pass every rule.
        const int changes = 1 + random.bounded(2);
        for (const Field &field : fields(Screen(screen)))
            entries << field.valid;
        for (int c = 0; c < changes; ++c) {
            const int i = random.bounded(int(entries.size()));
            entries[i] = entry(fields(Screen(screen))[i], random);
        }
        const Verdict verdict = check(Screen(screen), entries);
        QVERIFY2(verdict.fault.isEmpty(),
                 qPrintable(verdict.fault + QStringLiteral(" from ") + describe(entries)));
        accepted += verdict.accepted;
    }
    qInfo("%d of %d accepted", accepted, count);
    // Both sides of the rules were reached.
    QVERIFY2(accepted > count / 10 && accepted < count * 9 / 10,
             qPrintable(QString::number(accepted)));
}

QTEST_GUILESS_MAIN(PropertyTest)
#include "tst_property.moc"
