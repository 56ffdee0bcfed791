// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace larkspan {

// The language the wizard speaks for a user who prefers these languages, best first, as the desktop gives them
// ("de-DE", "fr", "en-GB"...): the first that the wizard has a translation for, or "" for English. English, also
// when named before a language that has one, and "C" or "POSIX" end the search: the wizard then speaks English.
QString chosenLanguage(const QStringList& preferred, const QStringList& available);

// The languages the wizard has a translation for, as two-letter codes.
QStringList translatedLanguages();

// The wizard's translation of a text marked with QT_TRANSLATE_NOOP, for the desktop's language, before the
// application object exists (and so before installTranslations can run).
QString translateBeforeStart(const char* context, const char* text);

// Installs the wizard's translation and Qt's own for the language of the desktop (QLocale::system()), so that the
// dialogs' buttons speak it too. Returns the language chosen, "" for English. Needs the application object.
QString installTranslations();

} // namespace larkspan
