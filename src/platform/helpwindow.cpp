// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpwindow.h"
#include "platform/windowaccessibility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace larkspan {

namespace {

// A path of the form ":/help/index.html" names a compiled-in resource, which the browser reaches as "qrc:".
QUrl urlOfHelpFile(const QFileInfo& info)
{
    const QString path = info.absoluteFilePath();
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    presentAsFrame(this);
    setWindowTitle(tr("Larkspan Help"));
    resize(640, 520);

    contentsButton = new QPushButton(tr("&Contents"));
    contentsButton->setObjectName(QStringLiteral("contentsButton"));
    contentsButton->setEnabled(false);
    backButton = new QPushButton(tr("&Back"));
    backButton->setObjectName(QStringLiteral("backButton"));
    backButton->setEnabled(false);
    forwardButton = new QPushButton(tr("&Forward"));
    forwardButton->setObjectName(QStringLiteral("forwardButton"));
    forwardButton->setEnabled(false);

    browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);
    browser->setAccessibleName(tr("Help page"));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(contentsButton);
    buttonRow->addWidget(backButton);
    buttonRow->addWidget(forwardButton);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addWidget(browser);

    connect(contentsButton, &QPushButton::clicked, this, &HelpWindow::goToContents);
    connect(backButton, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);

    // Escape puts the help away, as it does the program's other windows.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The page was laid out before the window had its size; start at its top.
    browser->verticalScrollBar()->setValue(0);
}

Outcome HelpWindow::showContents(const QString& helpFile)
{
    if (helpFile.isEmpty())
        return Outcome::failure(tr("No help file has been named."));

    const QFileInfo info(helpFile);
    const QString shownPath = QDir::toNativeSeparators(helpFile);
    if (!info.exists())
        return Outcome::failure(tr("The help file %1 cannot be found.").arg(shownPath));
    if (!info.isFile())
        return Outcome::failure(tr("The help file %1 cannot be read because it is a folder.").arg(shownPath));

    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(tr("The help file %1 cannot be read: %2.").arg(shownPath, file.errorString()));
    file.close();

    const QUrl page = urlOfHelpFile(info);
    const bool otherDocument = page != contentsPage;
    contentsPage = page;
    contentsButton->setEnabled(true);
    goToContents();
    if (otherDocument)
        browser->clearHistory(); // Back must not lead into the pages of another help document

    show();
    raise();
    activateWindow();
    return {};
}

void HelpWindow::goToContents()
{
    if (contentsPage.isEmpty())
        return;
    if (browser->source() == contentsPage)
        browser->reload(); // scroll back to the top of the page too
    else
        browser->setSource(contentsPage);
}

} // namespace larkspan
