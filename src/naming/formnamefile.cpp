#include "naming/formnamefile.h"

#include "display/fieldmarks.h"
#include "rules/namingrules.h"

#include <QFocusEvent>
#include <QKeyEvent>

FormNameFile::FormNameFile()
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, NamingRules::fields);
    ui.EAN_TPAID->setFocus();
    ui.txtSequenceNumber->installEventFilter(this);
    connect(ui.lstEmployeOrTPA, &QListWidget::itemSelectionChanged, this,
            &FormNameFile::lstEmployeOrTPA_Click);
    connect(ui.cmdNameFile, &QPushButton::clicked, this, &FormNameFile::cmdNameFile_Click);
}

void FormNameFile::clearEntries()
{
    emptyList(ui.lstEmployeOrTPA);
    emptyList(ui.lstFTPorUPLOAD);
    clearBoxes(this, NamingRules::fields);
}

namespace
{
// The rows of the form's lists, in their order.
constexpr FilerKind filerKinds[] = {FilerKind::Employer, FilerKind::Tpa};
constexpr FilingMethod filingMethods[] = {FilingMethod::FileUpload, FilingMethod::Ftp};

template <typename Choice, std::size_t N>
Choice choiceIn(const QListWidget *list, const Choice (&rows)[N], Choice none)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    const int row = selected.isEmpty() ? -1 : list->row(selected.first());
    return row >= 0 && row < int(N) ? rows[row] : none;
}

bool knownRows(const QListWidget *list, int rows)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() || list->row(selected.first()) < rows;
}
} // namespace

NamingEntries FormNameFile::entries() const
{
    NamingEntries entries{choiceIn(ui.lstEmployeOrTPA, filerKinds, FilerKind::None),
                          choiceIn(ui.lstFTPorUPLOAD, filingMethods, FilingMethod::None)};
    readBoxes(this, NamingRules::fields, entries);
    return entries;
}

bool FormNameFile::showVerdict(QString (*rule)(const NamingEntries &), const QString &message)
{
    // The lists show their message only; the boxes are painted too.
    const FieldRow<NamingEntries> &field = fieldWithRule(NamingRules::fields, rule);
    return showFieldVerdict(findChild<QLabel *>(QLatin1String(field.errorLabel)),
                            entryBox(this, field.box), message);
}

bool FormNameFile::choicesKnown() const
{
    return knownRows(ui.lstEmployeOrTPA, std::size(filerKinds)) &&
           knownRows(ui.lstFTPorUPLOAD, std::size(filingMethods));
}

void FormNameFile::lstEmployeOrTPA_Click()
{
    const FilerKind kind = entries().filerKind;
    if (kind == FilerKind::None)
        return; // cleared by the program, not chosen by the user
    ui.lblEAN0rTPAID->setText(NamingRules::numberPrompt(kind));
    ui.EAN_TPAID->clear();
    ui.EAN_TPAID->setMaxLength(NamingRules::numberLength(kind));
    ui.EAN_TPAID->setAccessibleName(ui.lblEAN0rTPAID->text());
    ui.EAN_TPAID->setFocus();
}

void FormNameFile::keyPressEvent(QKeyEvent *event)
{
    // Escape answers No in the questions around this screen; here it must not throw the filing
    // away. Only closing the window ends the run.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FormNameFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.txtSequenceNumber && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this screen counts as leaving the box; closing the
        // window or a message box taking the focus does not, so nobody is kept in the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(this, &FormNameFile::txtSequenceNumber_LostFocus,
                                      Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void FormNameFile::txtSequenceNumber_LostFocus()
{
    if (!isVisible()) // the run has ended
        return;
    // The message goes, and a screen reader's description with it; the yellow stays until the
    // naming rules pass.
    ui.lblSequenceNumber_errorMessage->hide();
    ui.txtSequenceNumber->setAccessibleDescription(QString());
    const QString text = ui.txtSequenceNumber->text();
    if (text.isEmpty())
        return;
    const QString message = NamingRules::sequenceNumberOnLeaving(entries());
    if (message.isEmpty()) {
        ui.cmdNameFile->setFocus();
        return;
    }
    ui.lblSequenceNumber_errorMessage->setText(message);
    ui.lblSequenceNumber_errorMessage->show();
    markField(ui.txtSequenceNumber, message);
    ui.txtSequenceNumber->setFocus();
}

void FormNameFile::startAgain()
{
    clearEntries();
    for (QLabel *label : {ui.lblEANorTPAIDerrorMessage, ui.lblFTPorUPLOAD_errorMessage,
                          ui.lblSequenceNumber_errorMessage, ui.employerOrTPA_errorMessage})
        label->clear();
    for (QWidget *entry : {ui.EAN_TPAID, ui.txtSequenceNumber})
        entry->setAccessibleDescription(QString()); // gone with the messages
    ui.lstEmployeOrTPA->setFocus();
}
