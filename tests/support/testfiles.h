// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

namespace larkspan {

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes name in dir; its path, or the empty string when the write failed.
inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    return writeAll(path, bytes) ? path : QString();
}

// Shows CR and LF, so that a failing comparison tells the line ends apart.
inline QByteArray visible(QByteArray bytes)
{
    return bytes.replace("\r", "<CR>").replace("\n", "<LF>\n");
}

inline QByteArray visible(const char* bytes)
{
    return visible(QByteArray(bytes));
}

inline QString visible(QString text)
{
    return text.replace(u'\r', QStringLiteral("<CR>")).replace(u'\n', QStringLiteral("<LF>\n"));
}

// Lets writes fail beyond a file size, as on a full disk, for as long as it lives; unlike a read-only folder, this
// holds for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

} // namespace larkspan
