#include "BankSource.h"

#include "BankError.h"
#include "BankFiles.h"
#include "BankReader.h"
#include "BankWriter.h"
#include "QuestionsCsv.h"

#include <QDir>
#include <QFileInfo>

namespace bank {

void BuildBank(const QString& sourceDir, const QString& outDir)
{
    const QDir source(sourceDir);
    const std::vector<TQuestion> questions = ReadQuestionsCsv(source.filePath(SourceCsvFile));
    const std::vector<TPicture> pictures = ReadPictures(source.filePath(SourcePicturesDir));
    WriteBank(outDir, questions, pictures);
}

void DumpBank(const QString& dir, const QString& sourceDir)
{
    const QDir source(sourceDir);
    for (const QString& name : {SourceCsvFile, SourcePicturesDir})
        if (QFileInfo::exists(source.filePath(name)))
            throw EBankError(QStringLiteral("%1: already exists; dump into a new folder")
                                 .arg(source.filePath(name)));
    const std::vector<TQuestion> questions = ReadQuestions(dir);
    const std::vector<TPicture> pictures = ReadPack(dir);
    if (!QDir().mkpath(sourceDir))
        throw EBankError(QStringLiteral("%1: cannot create the folder").arg(sourceDir));
    WriteQuestionsCsv(source.filePath(SourceCsvFile), questions);
    WritePictures(source.filePath(SourcePicturesDir), pictures);
}

} // namespace bank
