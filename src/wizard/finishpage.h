// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTemporaryDir;

namespace larkspan {

class frmWiz;

// The Finish page: the summary, the e-mail address, the source browser, saving and starting again.
class FinishPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(FinishPage)

public:
    explicit FinishPage(frmWiz& wiz);
    ~FinishPage() override;

    void cmdButton_Click(int index) override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;
    // Another page starts under "Untitled", in the current folder, with today's date.
    void resetForAnotherPage() override;

    // The page was read back from fileName: it is saved there again by default, and keeps the date it was created
    // on, so that a page saved unchanged is the same file.
    void pageOpened(const QString& fileName, const std::string& createdOn);

    // Writes the summary of the answers; run each time the page is entered from Links.
    void fillSummary();
    // Runs the writer of the chosen layout into the source browser, creating that window hidden if need be.
    void GeneratePage();
    // The Source Browser button: the document written afresh, then shown modally.
    void sourceBrowser();
    // The Preview in Browser button: the document written afresh into a private folder with the pictures beside it,
    // then shown by the desktop's web browser.
    void previewInBrowser();
    // The forward button on this page: choose a file, write the page into it, offer another page.
    void finish();
    // Empties the wizard for another page and goes back to Welcome.
    void ResetWizard();

    // The footer carries today's date in the user's regional settings, both read at each generation. Fixing them
    // lets a page written on any day and on any machine be compared with a known one.
    void setCalendar(std::function<QDate()> date, const QLocale& settings);

    // The two busy marks that drop a repeated request while the first one runs.
    bool sourceBrowserBusy = false;
    bool finishBusy = false;
    bool previewBusy = false;

    // The folder of this run that the browser is shown the page from; empty before the first preview. It goes
    // with the wizard.
    QString previewFolder() const;

private:
    frmWiz& wiz;
    std::function<QDate()> currentDate = &QDate::currentDate;
    std::optional<QLocale> regionalSettings; // none: the system's
    // The file of the page read back, and its footer's date; empty for a new page.
    QString openedFile;
    std::optional<std::string> openedOn;
    std::unique_ptr<QTemporaryDir> preview;

    // A picture the page shows: its name in the page and its file, empty when none is known.
    struct PagePicture {
        QString name;
        QString file;
    };
    std::vector<PagePicture> pagePictures() const;
    // After the page is saved in folder: offers to copy the pictures that a browser would not find beside it.
    void offerToCopyPictures(const QString& folder);
};

} // namespace larkspan
