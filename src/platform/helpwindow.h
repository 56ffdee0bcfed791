// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/outcome.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace larkspan {

// The help viewer: a window of its owner that browses the HTML help pages from their contents page.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    // Shows the contents page of the help document at helpFile; returns an empty string on success, else a
    // sentence saying why it cannot (missing or unreadable file).
    Outcome showContents(const QString& helpFile);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void goToContents();

    QTextBrowser* browser = nullptr;
    QPushButton* contentsButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
    QUrl contentsPage;
};

} // namespace larkspan
