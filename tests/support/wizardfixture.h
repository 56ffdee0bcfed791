// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptedplatform.h"
#include "wizard/frmwiz.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace larkspan {

// A wizard window on the scripted platform, shown and active, for GUI tests.
struct WizardFixture {
    explicit WizardFixture(const QString& helpFile = noHelp(), frmWiz::Building building = frmWiz::Building::AllPages)
        : wiz(std::make_unique<frmWiz>(platform, helpFile, nullptr, building))
    {
        wiz->show();
        wiz->activateWindow();
        // Focus checks mean nothing in a window that never became active.
        if (!QTest::qWaitForWindowActive(wiz.get()))
            qFatal("The wizard window did not become active.");
        if (!QTest::qWaitFor([this] { return wiz->cbBox[CbLayout] != nullptr; }))
            qFatal("The wizard did not build its pages after painting.");
    }

    // The same, built as building says.
    explicit WizardFixture(frmWiz::Building building) : WizardFixture(noHelp(), building) {}

    // A help file that is not there.
    static QString noHelp() { return QStringLiteral("/nowhere/help.html"); }

    // The wizard on that page, reached as goTo() reaches it.
    explicit WizardFixture(WizardPage page, int layout = 1) : WizardFixture() { goTo(page, layout); }

    void press(int button) { wiz->cmdButton[button]->click(); }
    void forward() { press(CmdForward); }
    void backward() { press(CmdBackward); }

    // Goes forward from Welcome, choosing a layout on the way, until page is shown.
    void goTo(WizardPage page, int layout = 1)
    {
        if (WizardPage(wiz->CurrentPage()) == WizardPage::Welcome && page != WizardPage::Welcome)
            forward();
        wiz->cbBox[CbLayout]->setCurrentIndex(layout);
        while (wiz->CurrentPage() != int(page) && wiz->CurrentPage() < int(WizardPage::Finish))
            forward();
    }

    QString focusName() const
    {
        const QWidget* focus = wiz->focusWidget();
        return focus ? focus->objectName() : QString();
    }

    ScriptedPlatform platform;
    std::unique_ptr<frmWiz> wiz;
};

} // namespace larkspan
