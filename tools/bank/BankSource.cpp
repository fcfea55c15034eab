#include "BankSource.h"

#include "BankError.h"
#include "BankFiles.h"
#include "BankReader.h"
#include "BankWriter.h"
#include "QuestionsCsv.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace bank {

namespace {

// Every picture a question names must be in the pack, found as the trainer finds it: trimmed,
// letter case ignored. A bank that would show an error instead of its picture is not built.
void RequirePictures(const QString& csvPath, const QString& picturesDir,
                     const std::vector<TQuestion>& questions, const std::vector<TPicture>& pictures)
{
    QSet<QString> names;
    for (const TPicture& p : pictures)
        names.insert(p.name.toLower());
    for (const TQuestion& q : questions) {
        const QString name = q.imgname.trimmed();
        if (!name.isEmpty() && !names.contains(name.toLower()))
            throw EBankError(
                QStringLiteral(
                    "%1: question id %2, column \"imgname\": the picture \"%3\" is not in %4")
                    .arg(csvPath)
                    .arg(q.id)
                    .arg(name, picturesDir));
    }
}

} // namespace

void BuildBank(const QString& sourceDir, const QString& outDir, TSubject subject)
{
    const QDir source(sourceDir);
    const QString csvPath = source.filePath(SourceCsvFile);
    const QString picturesDir = source.filePath(SourcePicturesDir);
    const std::vector<TQuestion> questions = ReadQuestionsCsv(csvPath, subject);
    const std::vector<TPicture> pictures = ReadPictures(picturesDir);
    RequirePictures(csvPath, picturesDir, questions, pictures);
    WriteBank(outDir, questions, pictures, subject);
}

void DumpBank(const QString& dir, const QString& sourceDir, TSubject subject)
{
    const QDir source(sourceDir);
    for (const QString& name : {SourceCsvFile, SourcePicturesDir})
        if (QFileInfo::exists(source.filePath(name)))
            throw EBankError(QStringLiteral("%1: already exists; dump into a new folder")
                                 .arg(source.filePath(name)));
    const std::vector<TQuestion> questions = ReadQuestions(dir, subject);
    const std::vector<TPicture> pictures = ReadPack(dir, subject);
    if (!QDir().mkpath(sourceDir))
        throw EBankError(QStringLiteral("%1: cannot create the folder").arg(sourceDir));
    WriteQuestionsCsv(source.filePath(SourceCsvFile), questions);
    WritePictures(source.filePath(SourcePicturesDir), pictures);
}

} // namespace bank
