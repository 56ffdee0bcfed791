#include "source_browser/pagefile.h"

#include "page/asciitext.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace larkspan {

namespace {

// Why an existing name cannot take the page: writing a pipe, a socket or a device would replace it with a regular
// file (or, for a pipe, wait for a reader that never comes). Empty when the name is free or a regular file, also
// through a symbolic link.
QString unsuitableTarget(const QString& name)
{
    struct stat status{};
    if (::stat(QFile::encodeName(name).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    const char* kind = S_ISDIR(status.st_mode)    ? QT_TRANSLATE_NOOP("SavePageFile", "a folder")
                       : S_ISFIFO(status.st_mode) ? QT_TRANSLATE_NOOP("SavePageFile", "a named pipe")
                       : S_ISSOCK(status.st_mode) ? QT_TRANSLATE_NOOP("SavePageFile", "a socket")
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)
                           ? QT_TRANSLATE_NOOP("SavePageFile", "a device")
                           : QT_TRANSLATE_NOOP("SavePageFile", "something else");
    return QCoreApplication::translate("SavePageFile", "This name belongs to %1, not to a file; a web page can only "
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

} // namespace larkspan
