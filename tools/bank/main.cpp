#include "BankCarry.h"
#include "BankCheck.h"
#include "BankError.h"
#include "BankFiles.h"
#include "BankSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

const char* const Usage =
    "usage: jiakao-bank build SOURCE_DIR OUT_DIR\n"
    "       jiakao-bank check DIR\n"
    "       jiakao-bank dump DIR SOURCE_DIR\n"
    "       jiakao-bank carry OLD_DIR NEW_DIR [--subject 4]\n"
    "SOURCE_DIR holds questions.csv and pictures/; DIR and OUT_DIR hold Test.db and "
    "Image.db.\n"
    "carry copies the learner's record (error marks, scores, answers, plan) of OLD_DIR's bank "
    "into NEW_DIR's\n"
    "for the questions NEW_DIR's bank holds; --subject 4 carries Test4.db.\n";

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

QString JoinedIds(const std::vector<int>& ids)
{
    QStringList texts;
    for (int id : ids)
        texts << QString::number(id);
    return texts.join(QStringLiteral(", "));
}

int Carry(const QString& oldDir, const QString& newDir, const QString& bankFile)
{
    const QString newBank = QDir(newDir).filePath(bankFile);
    const bank::TCarryReport r = bank::CarryRecord(QDir(oldDir).filePath(bankFile), newBank);
    Print(stdout, QStringLiteral("carried into %1: %2 error marks, %3 scores, %4 answers, %5 plan "
                                 "entries")
                      .arg(newBank)
                      .arg(r.marks)
                      .arg(r.scores)
                      .arg(r.answers)
                      .arg(r.plan));
    if (r.droppedIds.empty())
        Print(stdout, QStringLiteral("dropped: none"));
    else
        Print(stdout, QStringLiteral("dropped, not in the new bank: %1 ids with %2 error marks and "
                                     "%3 answers: %4")
                          .arg(r.droppedIds.size())
                          .arg(r.droppedMarks)
                          .arg(r.droppedAnswers)
                          .arg(JoinedIds(r.droppedIds)));
    return 0;
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
    if (command == QLatin1String("carry") && args.size() == 3)
        return Carry(args[1], args[2], bank::QuestionsFile);
    if (command == QLatin1String("carry") && args.size() == 5 &&
        args[3] == QLatin1String("--subject") && args[4] == QLatin1String("4"))
        return Carry(args[1], args[2], QStringLiteral("Test4.db"));
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
