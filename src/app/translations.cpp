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
    const QStringList files = QDir(TranslationsFolder).entryList({QStringLiteral("larkspan_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(9, file.size() - 12); // between "larkspan_" and ".qm"
    return languages;
}

QString translateBeforeStart(const char* context, const char* text)
{
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), translatedLanguages());
    QTranslator translator;
    if (!language.isEmpty() && translator.load(QStringLiteral("larkspan_") + language, TranslationsFolder))
        if (QString translated = translator.translate(context, text); !translated.isEmpty())
            return translated;
    return QString::fromUtf8(text);
}

QString installTranslations()
{
    const QString language = chosenLanguage(QLocale::system().uiLanguages(), translatedLanguages());
    if (language.isEmpty())
        return {};
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral("larkspan_") + language, TranslationsFolder))
        return {};
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
