// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pagefile.h"

#include "files/filename.h"

#include "page/asciitext.h"
#include "page/pagereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <array>
#include <iterator>
#include <span>
#include <string_view>
#include <utility>

namespace larkspan {

namespace {

// The words of opening a page and of saving one.
struct LoadPageFile {
    Q_DECLARE_TR_FUNCTIONS(LoadPageFile)
};
struct SavePageFile {
    Q_DECLARE_TR_FUNCTIONS(SavePageFile)
};

// Why an existing name cannot take the page: writing a pipe, a socket or a device would replace it with a regular
// file (or, for a pipe, wait for a reader that never comes). Empty when the name is free or a regular file, also
// through a symbolic link.
QString unsuitableTarget(const QString& name)
{
    struct stat status {};
    if (::stat(fileNameBytes(name).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return SavePageFile::tr("This name belongs to a folder, not to a file; a web page can only replace a regular "
                                "file.");
    if (S_ISFIFO(status.st_mode))
        return SavePageFile::tr("This name belongs to a named pipe, not to a file; a web page can only replace a "
                                "regular file.");
    if (S_ISSOCK(status.st_mode))
        return SavePageFile::tr("This name belongs to a socket, not to a file; a web page can only replace a regular "
                                "file.");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return SavePageFile::tr("This name belongs to a device, not to a file; a web page can only replace a regular "
                                "file.");
    return SavePageFile::tr("This name belongs to something else, not to a file; a web page can only replace a "
                            "regular file.");
}

// QSaveFile writes beside the file under the file's name with ".XXXXXX" added, which the file system refuses for
// a name within seven bytes of NAME_MAX ("Unknown error" on saving over a name of 249 to 255 bytes).
// A symbolic link is looked through, as QSaveFile writes beside the file it names. A name with bytes that are not
// UTF-8 is saved the same way too, as QSaveFile would write to the name with those bytes replaced.
bool needsShortTemporaryName(const QString& name)
{
    if (fileNameBytes(name) != QFile::encodeName(name))
        return true;
    const QFileInfo info(name);
    const QString target = info.isSymLink() ? QFileInfo(info.canonicalFilePath()).fileName() : info.fileName();
    return QFile::encodeName(target).size() + 7 > NAME_MAX;
}

// Saves as QSaveFile does, the whole file or nothing, for such a name: written under a short temporary name in the
// same folder, flushed to the disk, given the mode the file has (or a new file's), then renamed over the name. All
// of it goes by the name's bytes.
Outcome saveThroughShortName(const QString& name, std::span<const std::string_view> pieces)
{
    QByteArray target = fileNameBytes(name);
    // A symbolic link keeps pointing at the file, which is replaced, as QSaveFile does it.
    struct stat status {};
    if (::lstat(target.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* resolved = ::realpath(target.constData(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    const qsizetype slash = target.lastIndexOf('/');
    QByteArray temporary = (slash < 0 ? QByteArray(".") : target.left(slash)) + "/.larkspan-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = ::stat(target.constData(), &status) == 0 ? status.st_mode & 07777 : 0666 & ~mask;
    bool written = true;
    for (const std::string_view piece : pieces) {
        for (std::string_view rest = piece; written && !rest.empty();) {
            const ssize_t count = ::write(fd, rest.data(), rest.size());
            if (count > 0)
                rest.remove_prefix(std::size_t(count));
            else
                written = count < 0 && errno == EINTR;
        }
    }
    bool saved = written && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    int error = errno;
    if (::close(fd) != 0 && saved) {
        saved = false;
        error = errno;
    }
    if (saved && ::rename(temporary.constData(), target.constData()) != 0) {
        saved = false;
        error = errno;
    }
    if (!saved) {
        ::unlink(temporary.constData());
        return {false, QString::fromLocal8Bit(std::strerror(error))};
    }
    return {};
}

// Why a name gives no file to read, from the system's error number.
QString missingReason(int error)
{
    switch (error) {
    case ENOENT: return LoadPageFile::tr("The file does not exist.");
    case ELOOP: return LoadPageFile::tr("Its symbolic links lead round in a loop.");
    case EACCES: return LoadPageFile::tr("You may not enter a folder on its path.");
    case ENAMETOOLONG: return LoadPageFile::tr("Its name is too long for the system.");
    case ENOTDIR: return LoadPageFile::tr("A part of its path is a file, not a folder.");
    default: return LoadPageFile::tr("It cannot be found: %1").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// The answer a refusal is about, as the user knows it from the wizard's pages.
QString fieldName(PageField field)
{
    switch (field) {
    //: The fields below are put into the messages about a page that cannot be opened, as %1
    case PageField::Title: return LoadPageFile::tr("title");
    case PageField::Heading: return LoadPageFile::tr("heading");
    case PageField::BackgroundColour: return LoadPageFile::tr("background colour");
    case PageField::TextColour: return LoadPageFile::tr("text colour");
    case PageField::LinkColour: return LoadPageFile::tr("link colour");
    case PageField::VisitedLinkColour: return LoadPageFile::tr("visited link colour");
    case PageField::ActiveLinkColour: return LoadPageFile::tr("active link colour");
    case PageField::BackgroundImage: return LoadPageFile::tr("background picture's name");
    case PageField::PageImage: return LoadPageFile::tr("page picture's name");
    case PageField::PageText: return LoadPageFile::tr("page text");
    case PageField::BulletItems: return LoadPageFile::tr("bullet list");
    case PageField::Links: return LoadPageFile::tr("link list");
    case PageField::AuthorEmail: return LoadPageFile::tr("e-mail address");
    }
    return {};
}

// One sentence for a page whose answers the wizard's boxes cannot hold as they are.
QString refusalText(const Refusal& refusal)
{
    const QString field = fieldName(refusal.field);
    switch (refusal.unfit) {
    case Unfit::None: break;
    case Unfit::TooLong:
        if (refusal.field == PageField::PageText)
            return LoadPageFile::tr("Its page text is %1 bytes long; the Text step holds at most %2 bytes.")
                .arg(refusal.count)
                .arg(refusal.limit);
        //: %1 is a field such as "title"
        return LoadPageFile::tr("Its %1 is %2 characters long; its box holds at most %3.")
            .arg(field)
            .arg(refusal.count)
            .arg(refusal.limit);
    case Unfit::LineBreak:
        if (refusal.field == PageField::PageText)
            return LoadPageFile::tr(
                "Its page text holds a line break that the text box would change: a CR without LF, or a "
                "Unicode line or paragraph separator.");
        return LoadPageFile::tr("Its %1 holds a line break, which its one-line box cannot hold.").arg(field);
    case Unfit::TooMany:
        return LoadPageFile::tr("Its %1 has %2 entries; the list holds at most %3.")
            .arg(field)
            .arg(refusal.count)
            .arg(refusal.limit);
    case Unfit::OtherColour:
        return LoadPageFile::tr(
                   "Its %1 is \"%2\": the Colors step shows only #RRGGBB and the 16 colour names of HTML 3.2.")
            .arg(field, QString::fromStdString(refusal.text));
    case Unfit::NotWellFormed:
        return LoadPageFile::tr("Its text is neither the program's ASCII, nor UTF-8, nor the ANSI code page.");
    }
    return {};
}

} // namespace

Outcome SavePageFile(const QString& fileName, std::string_view document)
{
    // The name is what precedes the first NUL; a file dialog's buffer may hold blanks after it.
    const qsizetype end = fileName.indexOf(QChar(u'\0'));
    const QString name = end < 0 ? fileName : fileName.left(end);

    if (const QString unsuitable = unsuitableTarget(name); !unsuitable.isEmpty())
        return {false, unsuitable};

    // The file is the document in ASCII and a last line end, written one after the other.
    std::string encoded;
    const std::string_view pieces[] = {AsAscii(document, encoded), "\r\n"};
    if (needsShortTemporaryName(name))
        return saveThroughShortName(name, pieces);

    // Unbuffered, so that every write reaches the system and its refusal comes back with the system's reason.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // A short write (a full disk) reports nothing; writing on gets the refusal and its reason.
    for (const std::string_view piece : pieces) {
        for (std::string_view rest = piece; !rest.empty();) {
            const qint64 written = file.write(rest.data(), qint64(rest.size()));
            if (written <= 0) {
                const QString reason = file.errorString();
                file.cancelWriting();
                return {false, reason};
            }
            rest.remove_prefix(std::size_t(written));
        }
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

namespace {

// What changed, by the part of the page, in the order of PagePart.
const char* const changedParts[] = {
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the title line is not as "
                      "Larkspan writes it."), // TitleLine
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the head does not end as "
                      "Larkspan writes it."), // HeadEnd
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the BODY tag is not as Larkspan "
                      "writes it."), // BodyTag
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the page heading is not as "
                      "Larkspan writes it."), // Heading
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the table is not as Larkspan "
                      "writes it."), // Table
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the page image is not as "
                      "Larkspan writes it."), // PageImage
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the page text does not begin as "
                      "Larkspan writes it."), // TextStart
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the page text does not end as "
                      "Larkspan writes it."), // TextEnd
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the bullet list does not begin as "
                      "Larkspan writes it."), // BulletListStart
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the bullet list does not end as "
                      "Larkspan writes it."), // BulletListEnd
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the link list does not begin as "
                      "Larkspan writes it."), // LinkListStart
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: a link of the link list is not as "
                      "Larkspan writes it."), // Link
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the jump menu of the link list is "
                      "not as Larkspan writes it."), // JumpMenu
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the script in its head does not "
                      "fit its link list."), // MenuScript
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the link list does not end as "
                      "Larkspan writes it."), // LinkListEnd
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the e-mail line of the footer is "
                      "not as Larkspan writes it."), // EmailLine
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the footer is not as Larkspan "
                      "writes it."), // Footer
    QT_TRANSLATE_NOOP("LoadPageFile",
                      "This page was changed after Larkspan saved it: the page does not end as "
                      "Larkspan writes it."), // PageEnd
};
static_assert(std::size(changedParts) == std::size_t(PagePart::PageEnd) + 1);

// One sentence for a document that gives no answers.
QString faultText(const ReadResult& read)
{
    switch (read.fault) {
    case ReadFault::None: break;
    case ReadFault::Empty: return LoadPageFile::tr("This file is empty: it holds no page.");
    case ReadFault::NotOurs:
        return LoadPageFile::tr("This file is not a page made by Larkspan: it does not begin with Larkspan's comment "
                                "lines.");
    case ReadFault::OtherHead:
        return LoadPageFile::tr("This file is not a page made by Larkspan: its head is not the one Larkspan writes.");
    case ReadFault::ChangedLine:
        return LoadPageFile::tr("This page was changed after Larkspan saved it: line %1 is not as Larkspan writes it.")
            .arg(read.line);
    case ReadFault::CannotHold: return refusalText(read.refusal);
    case ReadFault::Changed: return LoadPageFile::tr(changedParts[std::size_t(read.part)]);
    }
    return {};
}

} // namespace

LoadedPage LoadPageFile(const QString& fileName)
{
    LoadedPage page;
    struct stat status {};
    const QByteArray name = fileNameBytes(fileName);
    if (::stat(name.constData(), &status) != 0) {
        page.outcome = Outcome::failure(missingReason(errno));
        return page;
    }
    if (!S_ISREG(status.st_mode)) {
        page.outcome = Outcome::failure(
            LoadPageFile::tr("It is not a regular file, but a folder, a pipe, a device or a socket."));
        return page;
    }
    const QString tooLarge = LoadPageFile::tr("It is larger than 16 MB: no page made by Larkspan is that large.");
    if (status.st_size > PageFileSizeLimit) {
        page.outcome = Outcome::failure(tooLarge);
        return page;
    }

    // Opened by the name's bytes, which need not be UTF-8.
    QFile file;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const QString reason = fd < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        if (fd >= 0)
            ::close(fd);
        page.outcome = Outcome::failure(LoadPageFile::tr("It cannot be read: %1").arg(reason));
        return page;
    }
    // Read to the end, whatever the size said: a file may grow while it is read.
    std::string bytes;
    bytes.reserve(std::size_t(status.st_size));
    std::array<char, 64 * 1024> chunk;
    for (;;) {
        const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
        if (got < 0) {
            page.outcome = Outcome::failure(LoadPageFile::tr("It cannot be read: %1").arg(file.errorString()));
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
        page.outcome = Outcome::failure(faultText(read));
        return page;
    }
    page.spec = std::move(read.spec);
    page.createdOn = std::move(read.createdOn);
    return page;
}

} // namespace larkspan
