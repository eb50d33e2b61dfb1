// The real message boxes of the desktop: no icon, Yes the default, Enter answers Yes and Escape
// answers No; a notice closes with either key.

#include "app/desktop.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
struct Seen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QString defaultButton;
};

// Presses the key on the message box as soon as it is up, noting what the box shows.
void pressOnNextBox(Qt::Key key, Seen &seen)
{
    QTimer::singleShot(0, [key, &seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = {box->text(), box->windowTitle(), box->icon(),
                box->defaultButton() ? box->defaultButton()->text() : QString()};
        QTest::keyClick(box, key);
    });
}
} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void question_data();
    void question();
    void notice_closesWithEnterOrEscape();
};

void DesktopTest::question_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << true;
    QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << false;
}

void DesktopTest::question()
{
    QFETCH(int, key);
    QFETCH(bool, answer);
    QtDesktop desktop;
    Seen seen;
    pressOnNextBox(Qt::Key(key), seen);
    QCOMPARE(desktop.ask("Add an additional employee?", "A title"), answer);
    QCOMPARE(seen.text, "Add an additional employee?");
    QCOMPARE(seen.title, "A title");
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.defaultButton.remove(u'&'), "Yes");
}

void DesktopTest::notice_closesWithEnterOrEscape()
{
    QtDesktop desktop;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        Seen seen;
        pressOnNextBox(key, seen);
        desktop.tell("File name was bad please try naming it again.", QString());
        QCOMPARE(seen.text, "File name was bad please try naming it again.");
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
    }
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
