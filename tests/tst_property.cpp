// Generated entries around every limit, through the screens' rules: whatever the rules let through
// makes a record of printable ASCII with eleven plain fields, or a report name without a path.
// TAVO_PROPERTY_SEED and TAVO_PROPERTY_COUNT (sets per screen) change the run.

#include "recordproperties.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{
// The entry, or one of its near neighbours: a length at or beside the limit, one odd character
// changed or added, a surrounding space, nothing at all, or a value near some limit.
QString nearby(QString text, int limit, QRandomGenerator &random)
{
    static const QList<char32_t> odd = {',',   '"',  '\r',  '\n',   '\t',   0,       ' ', '.', '-',
                                        '\'',  '@',  '_',   '/',    '\\',   'a',     'Z', '9', 0xE9,
                                        0x131, 0xDF, 0x663, 0xFF10, 0xD800, 0x1F600, 0xA0};
    static const QStringList near = {"0",       "14",      "15",         "-1", " 14", "999999",
                                     "1000000", "1000001", "0001000000", "A",  "TPA", "a@b..c"};
    const char32_t c = odd[random.bounded(int(odd.size()))];
    const QString character = QString::fromUcs4(&c, 1);
    limit = limit > 0 ? limit : 12;
    switch (random.bounded(8)) {
    case 0:
        text =
            (text.isEmpty() ? "A" : text).repeated(limit + 1).left(limit - 1 + random.bounded(3));
        break;
    case 1:
        if (!text.isEmpty())
            text[random.bounded(int(text.size()))] = character.at(0);
        break;
    case 2:
        text.insert(random.bounded(int(text.size()) + 1), character);
        break;
    case 3:
        text = random.bounded(2) ? u' ' + text : text + u' ';
        break;
    case 4:
        text.clear();
        break;
    case 5:
    case 6:
        text = near[random.bounded(int(near.size()))];
        break;
    }
    return text;
}

template <typename E> void generate(E valid, quint32 seed, int count)
{
    QRandomGenerator random(seed);
    int accepted = 0;
    for (int n = 0; n < count; ++n) {
        E entries = valid;
        for (int changes = 1 + random.bounded(2); changes > 0; --changes) {
            const int target = random.bounded(int(std::size(table(entries))));
            int i = 0;
            forEachField(entries, [&](const auto &row, auto &entry) {
                if (i++ == target)
                    assign(entry, nearby(text(entry), row.maxLength, random));
            });
        }
        bool passed = false;
        const QString fault = brokenProperty(entries, passed);
        QStringList shown;
        forEachField(entries, [&](const auto &, const auto &entry) { shown << text(entry); });
        QVERIFY2(fault.isEmpty(), qPrintable(fault + " from " + describe(shown)));
        accepted += passed;
    }
    qInfo("%d of %d accepted", accepted, count);
    // Both sides of the rules were reached.
    QVERIFY2(accepted > count / 10 && accepted < count * 9 / 10,
             qPrintable(QString::number(accepted)));
}
} // namespace

class PropertyTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptedEntriesMakeSoundRecords_data()
    {
        QTest::addColumn<int>("screen");
        int i = 0;
        for (const char *screen : {"contact, A record", "employer, E record", "employee, S record",
                                   "naming, report name"})
            QTest::newRow(screen) << i++;
    }
    void acceptedEntriesMakeSoundRecords();
};

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
    if (screen == 0)
        generate(ContactEntries{"O", "Mary Smith", "mary@example.com", "8005551234", "42"}, seed,
                 count);
    if (screen == 1)
        generate(EmployerEntries{"2", "2026", "0123456", "123456789", "3", "4", "4", "1000000", "0",
                                 "1000000", "0"},
                 seed + 1, count);
    if (screen == 2)
        generate(EmployeeEntries{"0123456", "123456789", "O'NEIL-SMITH", "MARY", "", "1000000",
                                 "1000000", "13"},
                 seed + 2, count);
    if (screen == 3)
        generate(NamingEntries{FilerKind::Tpa, FilingMethod::Ftp, "0000012345", "1q2014"}, seed + 3,
                 count);
}

QTEST_GUILESS_MAIN(PropertyTest)
#include "tst_property.moc"
