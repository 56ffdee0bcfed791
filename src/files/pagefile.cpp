// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pagefile.h"

#include "page/asciitext.h"
#include "page/pagereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

#include <array>
#include <utility>

namespace larkspan {

namespace {

// Why an existing name cannot take the page: writing a pipe, a socket or a device would replace it with a regular
// file (or, for a pipe, wait for a reader that never comes). Empty when the name is free or a regular file, also
// through a symbolic link.
QString unsuitableTarget(const QString& name)
{
    struct stat status {};
    if (::stat(QFile::encodeName(name).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    const char* kind = S_ISDIR(status.st_mode)               ? QT_TRANSLATE_NOOP("SavePageFile", "a folder")
        : S_ISFIFO(status.st_mode)                           ? QT_TRANSLATE_NOOP("SavePageFile", "a named pipe")
        : S_ISSOCK(status.st_mode)                           ? QT_TRANSLATE_NOOP("SavePageFile", "a socket")
        : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? QT_TRANSLATE_NOOP("SavePageFile", "a device")
                                                             : QT_TRANSLATE_NOOP("SavePageFile", "something else");
    return QCoreApplication::translate("SavePageFile",
                                       "This name belongs to %1, not to a file; a web page can only "
                                       "replace a regular file.")
        .arg(QCoreApplication::translate("SavePageFile", kind));
}

} // namespace

Outcome SavePageFile(const QString& fileName, std::string_view document)
{
    // The name is what precedes the first NUL; a file dialog's buffer may hold blanks after it.
    const qsizetype end = fileName.indexOf(QChar(u'\0'));
    const QString name = end < 0 ? fileName : fileName.left(end);

    if (const QString unsuitable = unsuitableTarget(name); !unsuitable.isEmpty())
        return {false, unsuitable};

    std::string bytes = EncodeAsAscii(document);
    bytes.append("\r\n");

    // Unbuffered, so that every write reaches the system and its refusal comes back with the system's reason.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // A short write (a full disk) reports nothing; writing on gets the refusal and its reason.
    for (std::string_view rest = bytes; !rest.empty();) {
        const qint64 written = file.write(rest.data(), qint64(rest.size()));
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        rest.remove_prefix(std::size_t(written));
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

LoadedPage LoadPageFile(const QString& fileName)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("LoadPageFile", text); };
    LoadedPage page;
    struct stat status {};
    if (::stat(QFile::encodeName(fileName).constData(), &status) != 0) {
        page.outcome = Outcome::failure(tr("The file does not exist."));
        return page;
    }
    if (!S_ISREG(status.st_mode)) {
        page.outcome = Outcome::failure(tr("It is not a regular file, but a folder, a pipe, a device or a socket."));
        return page;
    }
    const QString tooLarge = tr("It is larger than 16 MB: no page made by Larkspan is that large.");
    if (status.st_size > PageFileSizeLimit) {
        page.outcome = Outcome::failure(tooLarge);
        return page;
    }

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        page.outcome = Outcome::failure(tr("It cannot be read: %1").arg(file.errorString()));
        return page;
    }
    // Read to the end, whatever the size said: a file may grow while it is read.
    std::string bytes;
    bytes.reserve(std::size_t(status.st_size));
    std::array<char, 64 * 1024> chunk;
    for (;;) {
        const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
        if (got < 0) {
            page.outcome = Outcome::failure(tr("It cannot be read: %1").arg(file.errorString()));
            return page;
        }
        if (got == 0)
            break;
        bytes.append(chunk.data(), std::size_t(got));
        if (qint64(bytes.size()) > PageFileSizeLimit) {
            page.outcome = Outcome::failure(tooLarge);
            return page;
        }
    }

    ReadResult read = ReadPage(DecodePageFile(bytes));
    if (!read.ok) {
        page.outcome = Outcome::failure(QString::fromStdString(read.error));
        return page;
    }
    page.spec = std::move(read.spec);
    page.createdOn = std::move(read.createdOn);
    return page;
}

} // namespace larkspan
