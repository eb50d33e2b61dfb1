// The floor for start-up: a bare Qt Widgets program that shows one Yes/No message box, made the
// way tavo-csv makes its questions, and nothing else.

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Bare Qt message box"),
                    QStringLiteral("Nothing but a Qt message box.\r\n\r\nDo you want to go on?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? 0 : 1;
}
