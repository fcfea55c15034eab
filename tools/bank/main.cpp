#include "BankCheck.h"
#include "BankError.h"
#include "BankSource.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

const char* const Usage =
    "usage: jiakao-bank build SOURCE_DIR OUT_DIR\n"
    "       jiakao-bank check DIR\n"
    "       jiakao-bank dump DIR SOURCE_DIR\n"
    "SOURCE_DIR holds questions.csv and pictures/; DIR and OUT_DIR hold Test.db and "
    "Image.db.\n";

void Print(FILE* to, const QString& line)
{
    std::fprintf(to, "%s\n", line.toUtf8().constData());
}

int Check(const QString& dir)
{
    const bank::TCheckReport report = bank::CheckBank(dir);
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

int Run(const QStringList& args)
{
    const QString command = args.value(0);
    if (command == QLatin1String("build") && args.size() == 3) {
        bank::BuildBank(args[1], args[2]);
        return 0;
    }
    if (command == QLatin1String("check") && args.size() == 2)
        return Check(args[1]);
    if (command == QLatin1String("dump") && args.size() == 3) {
        bank::DumpBank(args[1], args[2]);
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
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
