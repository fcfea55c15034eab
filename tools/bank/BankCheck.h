#pragma once

#include "BankFiles.h"

#include <QStringList>

namespace bank {

struct TCheckReport
{
    QStringList faults;   // each breaks something the trainer relies on
    QStringList warnings; // works, but probably not as the school meant
    QStringList summary;  // what each selection of the trainer will find
    bool Sound() const { return faults.isEmpty(); }
};

// Checks the subject's bank and pack in dir. Throws EBankError when they cannot be read at all.
TCheckReport CheckBank(const QString& dir, TSubject subject = TSubject::One);

} // namespace bank
