// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardanswers.h"

#include "source_browser/frmedit.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>

using namespace Qt::StringLiterals;

using namespace larkspan;

// The Source Browser button on the Finish page: the document it shows, generated anew at each press, and the date
// in that document's footer.
class tst_SourceBrowserButton : public QObject {
    Q_OBJECT

public:
    // German regional settings whatever the machine's, so that a page dated in the system's settings differs from
    // one dated in the C locale. Qt reads them once, so they are set before the application starts.
    static void initMain() { qputenv("LC_ALL", "de_DE.UTF-8"); }

private slots:
    void sourceBrowserShowsTheDocument()
    {
        FinishFixture f;
        QTemporaryDir folder;
        const Answers a = answersFor(LayoutStyle::BasicStyle);
        QVERIFY(fillWizard(f, a, folder.path()));
        const std::string expected = documentFor(a);

        std::string held;
        QString shown;
        const QWidget* ownerWhileShown = nullptr;
        bool markWhileShown = false;
        int busyWhileShown = 0;
        QPointer<QDialog> closed;
        f.platform.whileModal = [&](QDialog* window) {
            closed = window;
            auto* browser = qobject_cast<frmEdit*>(window);
            QVERIFY(browser);
            held = browser->pageDocument();
            shown = browser->txtSource->toPlainText();
            ownerWhileShown = browser->parentWidget();
            markWhileShown = f.wiz->finishPage().sourceBrowserBusy;
            busyWhileShown = f.platform.busyDepth;
        };
        f.press(CmdSourceBrowser);

        QCOMPARE(f.platform.count(PlatformCall::RunModal), 1);
        QCOMPARE(f.platform.callsOf(PlatformCall::RunModal)[0].args, QStringList{QStringLiteral("frmEdit")});
        QCOMPARE(held, expected);
        QCOMPARE(shown, QString::fromStdString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // Owned by the wizard, so that it is shown over it and goes with it.
        QCOMPARE(ownerWhileShown, f.wiz.get());
        QVERIFY(markWhileShown);
        QCOMPARE(busyWhileShown, 1);

        // The pointer was busy over the main window from before the writer ran until the window was closed.
        QStringList order;
        for (const auto& call : f.platform.calls)
            if (call.what == PlatformCall::BeginBusy || call.what == PlatformCall::RunModal
                || call.what == PlatformCall::EndBusy)
                order << nameOf(call.what) + u' ' + call.args.join(u' ');
        QCOMPARE(order, (QStringList{u"beginBusy window frmWiz"_s, u"runModal frmEdit"_s, u"endBusy window frmWiz"_s}));
        QVERIFY(!f.wiz->finishPage().sourceBrowserBusy);
        QVERIFY(!f.wiz->hasSourceBrowser());
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Finish));
        QCOMPARE(f.platform.count(PlatformCall::MessageBox), 0);
        // The keyboard is back on the button that opened it; the window was not minimised on its way out, which
        // window managers pass on to the wizard.
        QCOMPARE(f.wiz->focusWidget(), f.wiz->cmdButton[CmdSourceBrowser]);
        QVERIFY(closed);
        QVERIFY(!(closed->windowState() & Qt::WindowMinimized));
    }

    void sourceBrowserRegeneratesEachTime()
    {
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::TableImageRight));
        std::vector<std::string> documents;
        std::vector<QPointer<frmEdit>> windows;
        f.platform.whileModal = [&](QDialog* window) {
            auto* browser = qobject_cast<frmEdit*>(window);
            documents.emplace_back(browser->pageDocument());
            windows.emplace_back(browser);
        };

        f.press(CmdSourceBrowser);
        f.press(CmdSourceBrowser);
        f.wiz->setBoxText(TxtEmail, QStringLiteral("new@example.com"));
        f.press(CmdSourceBrowser);

        QCOMPARE(documents.size(), size_t(3));
        QCOMPARE(documents[1], documents[0]);
        QVERIFY(documents[0].find("new@example.com") == std::string::npos);
        QVERIFY(documents[2].find("new@example.com") != std::string::npos);
        // Every press wrote into a new window; the closed ones emptied and went away.
        QVERIFY(windows[0] != windows[1] && windows[1] != windows[2]);
        QTRY_VERIFY(std::all_of(windows.begin(), windows.end(), [](const QPointer<frmEdit>& w) { return w.isNull(); }));
    }

    void footerDate_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QLocale>("settings");
        QTest::addColumn<QString>("footer");

        QTest::newRow("English, single-digit day with its zero")
            << QDate(2026, 12, 7) << english() << QStringLiteral("Monday, December 07, 2026");
        QTest::newRow("English, another single-digit day, month and year")
            << QDate(2027, 3, 5) << english() << QStringLiteral("Friday, March 05, 2027");
        QTest::newRow("English, two-digit day")
            << QDate(2026, 11, 23) << english() << QStringLiteral("Monday, November 23, 2026");
        QTest::newRow("German names from the regional settings")
            << QDate(2026, 12, 7) << german() << QStringLiteral("Montag, Dezember 07, 2026");
        QTest::newRow("German month name beyond ASCII")
            << QDate(2027, 3, 5) << german() << QStringLiteral("Freitag, M\u00e4rz 05, 2027");
    }

    void footerDate()
    {
        QFETCH(QDate, day);
        QFETCH(QLocale, settings);
        QFETCH(QString, footer);
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::BasicStyle));
        f.wiz->finishPage().setCalendar([day] { return day; }, settings);
        std::string held;
        f.platform.whileModal = [&](QDialog*) { held = f.wiz->sourceBrowser().pageDocument(); };

        f.press(CmdSourceBrowser);

        const QString document = QString::fromStdString(held);
        const QString ending = QStringLiteral("\r\non ") + footer + QStringLiteral("\r\n\r\n\r\n</BODY>\r\n</HTML>");
        QCOMPARE(document.right(ending.size()), ending);
        QCOMPARE(document, QString::fromStdString(documentFor(f.wiz->pageSpec(), footer)));
    }

    void footerDateIsReadAtEachGeneration()
    {
        // A wizard left open over midnight dates the next page with the new day.
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::TableImageLeft));
        QDate day(2026, 12, 31);
        f.wiz->finishPage().setCalendar([&day] { return day; }, english());
        std::vector<std::string> documents;
        f.platform.whileModal = [&](QDialog*) { documents.emplace_back(f.wiz->sourceBrowser().pageDocument()); };

        f.press(CmdSourceBrowser);
        day = QDate(2027, 1, 1);
        f.press(CmdSourceBrowser);

        QCOMPARE(documents.size(), size_t(2));
        const PageSpec spec = f.wiz->pageSpec();
        QCOMPARE(documents[0], documentFor(spec, QStringLiteral("Thursday, December 31, 2026")));
        QCOMPARE(documents[1], documentFor(spec, QStringLiteral("Friday, January 01, 2027")));
    }

    void footerDateUnfixedIsTodayInTheSystemSettings()
    {
        // initMain() gave this program German regional settings, unlike those of the C locale.
        WizardFixture f(WizardPage::Finish, int(LayoutStyle::BasicStyle));
        std::string held;
        f.platform.whileModal = [&](QDialog*) { held = f.wiz->sourceBrowser().pageDocument(); };
        const auto footerOf = [](QDate day) { return german().toString(day, QStringLiteral("dddd, MMMM dd, yyyy")); };

        const QDate before = QDate::currentDate();
        f.press(CmdSourceBrowser);
        const QDate after = QDate::currentDate();

        const QString document = QString::fromStdString(held);
        const PageSpec spec = f.wiz->pageSpec();
        // Across midnight the page may carry the day before.
        const QDate day = document == QString::fromStdString(documentFor(spec, footerOf(before))) ? before : after;
        const QString expected = QString::fromStdString(documentFor(spec, footerOf(day)));
        // The end first, where the date is, so that a wrong one reads plainly.
        QCOMPARE(document.right(60), expected.right(60));
        QCOMPARE(document, expected);
    }
};

QTEST_MAIN(tst_SourceBrowserButton)
#include "tst_sourcebrowserbutton.moc"
