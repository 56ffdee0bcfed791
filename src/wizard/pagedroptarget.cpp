// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/pagedroptarget.h"

#include "files/filename.h"
#include "files/pagefile.h"
#include "wizard/frmwiz.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace larkspan {

PageDropTarget::PageDropTarget(frmWiz& wiz) : QObject(&wiz), wiz(wiz)
{
    wiz.setAcceptDrops(true);
    wiz.installEventFilter(this);
}

bool PageDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &wiz)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!droppedPage(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString fileName = droppedPage(drop->mimeData());
        if (!fileName.isEmpty()) {
            drop->acceptProposedAction();
            // The drop ends before any question: the program the page came from is not kept waiting on it.
            QTimer::singleShot(0, this, [this, fileName] { openDroppedPage(fileName); });
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString PageDropTarget::droppedPage(const QMimeData* data) const
{
    if (wiz.CurrentPage() != int(WizardPage::Welcome) || !data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QUrl& url = urls.first();
    if (!url.host().isEmpty())
        return url.toLocalFile();
    // The address carries the name's bytes percent-encoded; toLocalFile would replace those that are not UTF-8.
    return fileNameFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

void PageDropTarget::openDroppedPage(const QString& fileName)
{
    if (wiz.CurrentPage() != int(WizardPage::Welcome))
        return;
    // The file is read first: one that is no page is refused at once, and only a page that opens can replace the
    // answers, on a question whose default keeps them.
    LoadedPage page = LoadPageFile(fileName);
    if (page.outcome && wiz.hasAnswers()) {
        const MessageResult answer = wiz.platform.messageBox(
            &wiz,
            tr("Replace the answers you have made with those of the page %1?")
                .arg(QDir::toNativeSeparators(fileNameForDisplay(fileName))),
            MessageButtons::YesNoDefaultNo, MessageIcon::None, tr("Larkspan"));
        if (answer != MessageResult::Yes)
            return;
    }
    wiz.openPage(fileName, std::move(page));
}

} // namespace larkspan
