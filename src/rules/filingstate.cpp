#include "rules/filingstate.h"

#include "rules/spaces.h"

QSet<QString> FilingState::PreviousReport::takenOffOf(QStringView accountNumber) const
{
    return takenOff.value(trimSpaces(accountNumber.toString()));
}

QString FilingState::filingTypeWord() const
{
    return reportingTypeCode == QLatin1String("O") ? QStringLiteral("ORIGINAL")
                                                   : QStringLiteral("AMENDED");
}

void FilingState::startAccount(const EmployerEntries &account)
{
    currentAccount = account;
    filedAccounts.append(trimSpaces(account.accountNumber));
    accountTotals.startAccount(account.thirdMonth, account.grossWages, account.taxableWages);
}

const FiledAccount *FilingState::previousAccount() const
{
    return previousReport ? previousReport->filing.account(currentAccount.accountNumber) : nullptr;
}

QList<qsizetype> FilingState::stillToEnterRows() const
{
    const FiledAccount *previous = previousAccount();
    return previous ? ::stillToEnterRows(*previous, accountTotals.ssns(),
                                         previousReport->takenOffOf(currentAccount.accountNumber))
                    : QList<qsizetype>();
}

QList<EmployeeEntries> FilingState::stillToEnter() const
{
    const FiledAccount *previous = previousAccount();
    return previous ? ::stillToEnter(*previous, accountTotals.ssns(),
                                     previousReport->takenOffOf(currentAccount.accountNumber))
                    : QList<EmployeeEntries>();
}

QList<EmployeeEntries> FilingState::stillToEnter(const FiledAccount &account) const
{
    const QString &number = account.employer.accountNumber;
    const FiledAccount *previous =
        previousReport ? previousReport->filing.account(number) : nullptr;
    return previous ? ::stillToEnter(*previous, totalsOf(account).ssns(),
                                     previousReport->takenOffOf(number))
                    : QList<EmployeeEntries>();
}

void FilingState::carryOnFromFiling(const Filing &filing)
{
    filedAccounts.clear();
    for (const FiledAccount &account : filing.accounts)
        filedAccounts.append(trimSpaces(account.employer.accountNumber));
    if (filing.accounts.isEmpty())
        return;
    const FiledAccount &last = filing.accounts.last();
    currentAccount = last.employer;
    accountTotals = totalsOf(last);
    numberOFEmployee = qint32(last.employees.size());
}
