#include "BenchContext.h"
#include "Benchmarks.h"
#include "Db.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

namespace {

// The main window built and shown, question 1 on display, the bank opened anew each time.
void InProcess(benchmark::State& state)
{
    std::unique_ptr<TFrmMain> window;
    TimeEach(state, OnScreen([&] {
                 window = std::make_unique<TFrmMain>();
                 window->show();
             }),
             [&] {
                 window.reset();
                 QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                 db::CloseQuestionStore();
             });
    if (!window || window->Practice().CurrentNo != 1)
        state.SkipWithError("question 1 was not on display");
}

// The peak resident memory in MB from the helper's "VmHWM: <n> kB" line, or -1.
double PeakMegabytes(const QByteArray& output)
{
    static const QRegularExpression line(QStringLiteral("VmHWM:\\s*(\\d+)\\s*kB"));
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(output));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : -1;
}

// The start-up helper as a process of its own, from launch to exit.
void WholeProcess(benchmark::State& state)
{
    const QString helper =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("jiakao-bench-start"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    double peak = -1;
    bool ok = true;
    TimeEach(state, [&] {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(Context().BankPath());
        process.start(helper, {});
        ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
             process.exitCode() == 0 && ok;
        peak = PeakMegabytes(process.readAllStandardOutput());
    });
    if (!ok || peak < 0)
        state.SkipWithError("the start-up helper failed");
    state.counters[names::PeakMemory] = peak;
}

} // namespace

void RegisterStartUp()
{
    Register(names::StartInProcess, InProcess);
    Register(names::StartProcess, WholeProcess);
}
