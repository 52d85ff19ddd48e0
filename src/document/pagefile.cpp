#include "document/pagefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ReadOutcome readPageFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {std::nullopt, u"这是一个文件夹，不是文件"_qs};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return {std::move(bytes), {}};
}

namespace {

FileOutcome writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush())
        return {false, file.errorString()};
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace

FileOutcome writePageFile(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return {false, u"没有文件名"_qs};
    const QFileInfo info(path);
    if (info.isDir())
        return {false, u"这是一个文件夹，不是文件"_qs};
    // Renaming a temporary file over a device would replace the device itself.
    if (info.exists() && !info.isFile())
        return writeInPlace(path, bytes);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
