// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/picturecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace larkspan {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Gives temporary its final name unless that name is taken by then. Linux renames without replacing; a file
// system that cannot do that gets a hard link, and one without links the plain rename after a last look.
int placeWithoutReplacing(const QByteArray& temporary, const QByteArray& target)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
    if (::link(temporary.constData(), target.constData()) == 0) {
        ::unlink(temporary.constData());
        return 0;
    }
    if (errno == EEXIST)
        return errno;
    struct stat status {};
    if (::lstat(target.constData(), &status) == 0)
        return EEXIST;
    return ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool SameContent(const QString& first, const QString& second)
{
    struct stat a {};
    struct stat b {};
    if (::stat(QFile::encodeName(first).constData(), &a) != 0 || ::stat(QFile::encodeName(second).constData(), &b) != 0)
        return false;
    if (a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        return true;
    if (a.st_size != b.st_size || !S_ISREG(a.st_mode) || !S_ISREG(b.st_mode))
        return false;
    QFile one(first);
    QFile other(second);
    if (!one.open(QIODevice::ReadOnly) || !other.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd()) {
        if (one.read(ChunkSize) != other.read(ChunkSize))
            return false;
    }
    return other.atEnd();
}

PictureCopyResult CopyPictureBeside(const QString& source, const QString& folder, const QString& name)
{
    const QString target = QDir(folder).filePath(name);
    if (QFileInfo::exists(target))
        return {SameContent(source, target) ? PictureCopy::AlreadyThere : PictureCopy::OtherFileThere, {}};

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {PictureCopy::Failed, in.errorString()};
    // Hidden and in the same folder, so that giving it its name moves nothing between file systems.
    QTemporaryFile out(QDir(folder).filePath(QStringLiteral(".%1.XXXXXX").arg(name)));
    if (!out.open())
        return {PictureCopy::Failed, out.errorString()};
    // Written straight to the system, so that a short write (a full disk) comes back with the system's reason.
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(ChunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return {PictureCopy::Failed, in.errorString()};
        for (qsizetype at = 0; at < chunk.size();) {
            const ssize_t written = ::write(out.handle(), chunk.constData() + at, std::size_t(chunk.size() - at));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                return {PictureCopy::Failed, systemReason(errno)};
            at += written;
        }
    }
    // A web server reads the picture as another user: the mode a new file gets, not the private one of a temporary.
    if (::fchmod(out.handle(), newFileMode()) != 0 || ::fsync(out.handle()) != 0)
        return {PictureCopy::Failed, systemReason(errno)};

    const int error = placeWithoutReplacing(QFile::encodeName(out.fileName()), QFile::encodeName(target));
    if (error == EEXIST)
        return {SameContent(source, target) ? PictureCopy::AlreadyThere : PictureCopy::OtherFileThere, {}};
    if (error != 0)
        return {PictureCopy::Failed, systemReason(error)};
    return {};
}

} // namespace larkspan
