// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace larkspan {

namespace {

// Where the build puts the compiled translations: the program carries them.
const QString TranslationsFolder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("larkspan_");
const QString Suffix = QStringLiteral(".qm");

// The desktop's language, where the wizard has a translation for it, loaded into translator; "" for English.
QString loadDesktopLanguage(QTranslator& translator)
{
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), translatedLanguages());
    return !language.isEmpty() && translator.load(Prefix + language, TranslationsFolder) ? language : QString();
}

} // namespace

QString chosenLanguage(const QStringList& preferred, const QStringList& available)
{
    for (const QString& name : preferred) {
        // "de-DE", "de_DE.UTF-8" and "de" all name German.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (language == u"en" || language == u"c" || language == u"posix")
            return {};
        if (available.contains(language))
            return language;
    }
    return {};
}

QStringList translatedLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(TranslationsFolder).entryList({Prefix + u'*' + Suffix}, QDir::Files))
        languages << file.mid(Prefix.size(), file.size() - Prefix.size() - Suffix.size());
    return languages;
}

QString translateBeforeStart(const char* context, const char* text)
{
    QTranslator translator; // an empty one where the desktop's language has no translation: it translates nothing
    loadDesktopLanguage(translator);
    const QString translated = translator.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString installTranslations()
{
    auto* own = new QTranslator(QCoreApplication::instance());
    const QString language = loadDesktopLanguage(*own);
    if (language.isEmpty()) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's own words (Yes, No, Cancel, the file and colour dialogs), where the system has them.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace larkspan
