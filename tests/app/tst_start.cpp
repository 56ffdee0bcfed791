// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/helplocation.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

using namespace larkspan;

namespace {

constexpr int StartsWizard = -1;

const QString Usage = QStringLiteral("Usage: larkspan [--help | --version | PAGE]\n");

} // namespace

// How the program starts: what its command line asks for, and which help document it opens.
class tst_Start : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the first line of the standard output
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("page"); // the page the wizard opens

        const QString helpLine = QStringLiteral("Usage: larkspan [OPTION] [PAGE]");
        const QString versionLine = QStringLiteral("Larkspan 1.1");
        const QString none;
        QTest::newRow("no arguments starts the wizard") << QStringList() << StartsWizard << none << none << none;
        QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << helpLine << none << none;
        QTest::newRow("-h") << QStringList{u"-h"_s} << 0 << helpLine << none << none;
        QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << versionLine << none << none;
        QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << versionLine << none << none;
        QTest::newRow("help wins over version")
            << QStringList{u"--version"_s, u"--help"_s} << 0 << helpLine << none << none;
        QTest::newRow("unknown option") << QStringList{u"--colour"_s} << 2 << none << Usage << none;
        // Qt's own options start the wizard, which here finds no screen; a page may follow them.
        QTest::newRow("Qt's -style with its value")
            << QStringList{u"-style"_s, u"fusion"_s} << StartsWizard << none << none << none;
        QTest::newRow("Qt's --style=value") << QStringList{u"--style=fusion"_s} << StartsWizard << none << none << none;
        QTest::newRow("Qt's -stylesheet, -reverse and -platform before a page")
            << QStringList{u"-stylesheet"_s, u"big.qss"_s, u"-reverse"_s, u"-platform"_s, u"xcb"_s, u"mypage.htm"_s}
            << StartsWizard << none << none << u"mypage.htm"_s;
        QTest::newRow("the argument after -style is its value, not a page")
            << QStringList{u"-style"_s, u"mypage.htm"_s} << StartsWizard << none << none << none;
        QTest::newRow("Qt's option without its value") << QStringList{u"-style"_s} << 2 << none << Usage << none;
        QTest::newRow("a Qt option misspelt") << QStringList{u"-stlye"_s, u"fusion"_s} << 2 << none << Usage << none;
        QTest::newRow("a page opens") << QStringList{u"mypage.htm"_s} << StartsWizard << none << none
                                      << u"mypage.htm"_s;
        QTest::newRow("help wins over a page")
            << QStringList{u"--help"_s, u"mypage.htm"_s} << 0 << helpLine << none << none;
        QTest::newRow("a page after the end of options")
            << QStringList{u"--"_s, u"-page.htm"_s} << StartsWizard << none << none << u"-page.htm"_s;
        QTest::newRow("two pages") << QStringList{u"a.htm"_s, u"b.htm"_s} << 2 << none << Usage << none;
        QTest::newRow("empty argument") << QStringList{u""_s} << 2 << none << Usage << none;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, page);

        const CommandLineOutcome outcome = readCommandLine(QStringList{QStringLiteral("larkspan")} + arguments);
        QCOMPARE(outcome.exitCode.value_or(StartsWizard), exitCode);
        QCOMPARE(outcome.output.section(QLatin1Char('\n'), 0, 0), output);
        QCOMPARE(outcome.error, error);
        QCOMPARE(outcome.pageFile, page);
        // The program prints it and exits so, without opening a window: here it has no screen at all, or one that
        // does not answer. What would open the wizard says in one line that it needs a desktop. Each in the
        // desktop's language: English, and German as the German translation words it.
        const char* const noDisplay = "larkspan: no display found; it needs a graphical desktop (X11 or Wayland)\n";
        for (const QString& language : {u"C"_s, u"de_DE.UTF-8"_s}) {
            QTranslator german;
            if (language != u"C") {
                QVERIFY(german.load(u"larkspan_de"_s, u":/i18n"_s));
                QCoreApplication::installTranslator(&german);
            }
            const CommandLineOutcome said = readCommandLine(QStringList{QStringLiteral("larkspan")} + arguments);
            const QString noScreen = QCoreApplication::translate("CommandLine", noDisplay);
            QCoreApplication::removeTranslator(&german);
            for (const QString& display : {QString(), QStringLiteral(":4093")}) {
                QProcess program;
                QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
                for (const char* name :
                     {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                    environment.remove(QString::fromLatin1(name));
                environment.insert(u"LANG"_s, language);
                if (!display.isEmpty())
                    environment.insert(QStringLiteral("DISPLAY"), display);
                program.setProcessEnvironment(environment);
                program.start(QStringLiteral(LARKSPAN_BINARY), arguments);
                QVERIFY(program.waitForFinished(10000));
                QCOMPARE(program.exitStatus(), QProcess::NormalExit);
                QCOMPARE(program.exitCode(), exitCode == StartsWizard ? 1 : exitCode);
                QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), said.output);
                QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
                         exitCode == StartsWizard ? noScreen : said.error);
            }
        }
    }

    void helpFile_data()
    {
        QTest::addColumn<bool>("installed"); // a help document under share/ beside bin/
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected"); // "installed" stands for the installed document's path

        const QString built = QStringLiteral("/build/help/index.html");
        const QString installed = QStringLiteral("installed");
        QTest::newRow("installed help is found beside the program") << true << built << QString() << installed;
        QTest::newRow("built help when nothing is installed") << false << built << QString() << built;
        QTest::newRow("no help built, none opened") << true << QString() << QString() << QString();
        // The installed help holds a German translation and no French one.
        QTest::newRow("the help in the user's language") << true << built << u"de"_s << u"de/index.html"_s;
        QTest::newRow("English help where none is in the language") << true << built << u"fr"_s << installed;
    }

    void helpFile()
    {
        QFETCH(bool, installed);
        QFETCH(QString, built);
        QFETCH(QString, language);
        QFETCH(QString, expected);

        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        const QString installedFile = prefix.filePath(QStringLiteral("share/larkspan/help/index.html"));
        if (installed) {
            QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/larkspan/help/de")));
            for (const QString& name : {installedFile, prefix.filePath(u"share/larkspan/help/de/index.html"_s)}) {
                QFile file(name);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        if (expected == QLatin1String("installed"))
            expected = installedFile;
        else if (expected.startsWith(u"de/"))
            expected = prefix.filePath(u"share/larkspan/help/"_s + expected);
        QCOMPARE(helpContentsFile(prefix.filePath(QStringLiteral("bin")), built, language), expected);
    }
};

QTEST_GUILESS_MAIN(tst_Start)
#include "tst_start.moc"
