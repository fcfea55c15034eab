#include "PictureLibrary.h"

#include "Paths.h"

#include <QDir>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace platform {

void RaiseResourceNotFound(const QString& name)
{
    throw EResourceError(QStringLiteral("Resource %1 not found").arg(name).toStdString());
}

std::unique_ptr<TPictureLibrary> TPictureLibrary::LoadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    auto library = std::unique_ptr<TPictureLibrary>(new TPictureLibrary);
    sqlite3_stmt* stmt = nullptr;
    bool ok =
        sqlite3_prepare_v2(db, "SELECT name, data FROM pictures", -1, &stmt, nullptr) == SQLITE_OK;
    int rc = SQLITE_DONE;
    while (ok && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, 1));
        library->pictures.insert(QString::fromUtf8(name).toLower(),
                                 QByteArray(data, sqlite3_column_bytes(stmt, 1)));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!ok || rc != SQLITE_DONE)
        return nullptr;
    return library;
}

std::unique_ptr<TPictureLibrary> TPictureLibrary::Load(const QString& name)
{
    if (auto library = LoadFile(QDir(ExecutableDir()).filePath(name)))
        return library;
    return LoadFile(QDir::current().filePath(name));
}

QPixmap TPictureLibrary::Bitmap(const QString& name) const
{
    const auto it = pictures.constFind(name.toLower());
    if (it == pictures.constEnd())
        RaiseResourceNotFound(name);
    QPixmap pixmap;
    if (!pixmap.loadFromData(it.value()))
        throw EResourceError(
            QStringLiteral("Resource %1 is not a picture").arg(name).toStdString());
    return pixmap;
}

} // namespace platform
