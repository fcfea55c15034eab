#include "BankCheck.h"
#include "BankError.h"
#include "BankSource.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const char* const Usage =
    "usage: jiakao-bank build SOURCE_DIR OUT_DIR\n"
    "       jiakao-bank check DIR\n"
    "       jiakao-bank dump DIR SOURCE_DIR\n"
    "SOURCE_DIR holds questions.csv and pictures/; DIR and OUT_DIR hold Test.db and "
    "Image.db.\n"
    "Each command takes --subject 1 (the default) or --subject 4; 科目四's bank is Test4.db and "
    "Image4.db.\n";

void Print(FILE* to, const QString& line)
{
    std::fprintf(to, "%s\n", line.toUtf8().constData());
}

int Check(const QString& dir, bank::TSubject subject)
{
    const bank::TCheckReport report = bank::CheckBank(dir, subject);
    for (const QString& fault : report.faults)
        Print(stdout, QStringLiteral("error: ") + fault);
    for (const QString& warning : report.warnings)
        Print(stdout, QStringLiteral("warning: ") + warning);
    for (const QString& line : report.summary)
        Print(stdout, line);
    Print(stdout, report.Sound() ? QStringLiteral("the bank is sound")
                                 : QStringLiteral("%1 errors").arg(report.faults.size()));
    return report.Sound() ? 0 : 1;
}

// Takes "--subject N" out of the arguments, wherever it stands; 科目一 without it.
std::optional<bank::TSubject> TakeSubject(QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--subject"));
    if (at < 0)
        return bank::TSubject::One;
    const QString number = args.value(at + 1);
    args.remove(at, std::min<qsizetype>(2, args.size() - at));
    if (number == QLatin1String("1"))
        return bank::TSubject::One;
    if (number == QLatin1String("4"))
        return bank::TSubject::Four;
    return std::nullopt;
}

int UsageError()
{
    std::fputs(Usage, stderr);
    return 2;
}

int Run(QStringList args)
{
    const std::optional<bank::TSubject> subject = TakeSubject(args);
    if (!subject)
        return UsageError();
    const QString command = args.value(0);
    if (command == QLatin1String("build") && args.size() == 3) {
        bank::BuildBank(args[1], args[2], *subject);
        return 0;
    }
    if (command == QLatin1String("check") && args.size() == 2)
        return Check(args[1], *subject);
    if (command == QLatin1String("dump") && args.size() == 3) {
        bank::DumpBank(args[1], args[2], *subject);
        return 0;
    }
    return UsageError();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    try {
        return Run(app.arguments().mid(1));
    } catch (const bank::EBankError& e) {
        Print(stderr, QStringLiteral("jiakao-bank: ") + e.Message());
        return 1;
    }
}
