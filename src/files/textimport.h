// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace larkspan {

// A plain text file on its way into the page text: opened and checked first, then read whole, decoded and turned
// into lines that each end in "<BR>" and CR LF. Failures are kept as values for the page to report.
class TextImport {
public:
    // The page text box is limited; the limit is on the file's size in bytes, before any tag is added.
    static constexpr qint64 SizeLimit = 32000;

    enum class Failure { None, Missing, SizeUnknown, TooLarge, Unreadable, NotText };

    // Opens the file and checks its size; outcome() tells whether read() may follow.
    explicit TextImport(const QString& path);

    // Reads the whole file into pageText(); false (with outcome() set) when reading fails.
    bool read();

    Failure failure() const { return fault; }
    // Why the file cannot come in, in one sentence for the user.
    const Outcome& outcome() const { return result; }
    // The imported text with CR LF line ends, after a successful read().
    QString pageText() const { return text; }

    // UTF-16 after its byte order mark; else UTF-8 when the bytes are valid UTF-8, else Windows-1252 (a UTF-8 byte
    // order mark dropped in both).
    static QString decode(const QByteArray& bytes);
    // Each line, "<BR>" and CR LF. A line ends at CR LF, CR or LF.
    static QString withLineBreaks(const QString& text);

private:
    void fail(Failure failure, const QString& reason);

    QFile file;
    Failure fault = Failure::None;
    Outcome result;
    QString text;
};

} // namespace larkspan
