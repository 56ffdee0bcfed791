// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMimeData;

namespace larkspan {

class frmWiz;

// Opens a page file dropped on the main window while the Welcome page shows; answers already made are replaced
// only by a page that opens, and only after a question.
class PageDropTarget : public QObject {
    Q_OBJECT

public:
    explicit PageDropTarget(frmWiz& wiz);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one local file that a drop brings while the Welcome page shows; empty for anything else.
    QString droppedPage(const QMimeData* data) const;
    void openDroppedPage(const QString& fileName);

    frmWiz& wiz;
};

} // namespace larkspan
