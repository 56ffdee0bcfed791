// SPDX-License-Identifier: GPL-3.0-or-later
// The source browser and the page file on the largest page the wizard can hold, each measured against the bare Qt
// operation that it cannot do without: filling a plain text box with the finished text, writing the finished bytes.
#include "scriptedplatform.h"
#include "source_browser/frmedit.h"
#include "files/pagefile.h"
#include "wizard/entrylist.h"
#include "wizard/finishpage.h"
#include "wizard/frmwiz.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace larkspan;

constexpr int MaxEntries = entrylist::Capacity;
constexpr int MaxPageText = 32000;

// The wizard with every list full, ~40-character links and a full page text, on the Finish page.
class LargestPage {
public:
    LargestPage() : wiz(std::make_unique<frmWiz>(platform, QString()))
    {
        wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::TableImageLeft));
        wiz->setBoxText(TxtTitle, QStringLiteral("The biggest page this wizard can make"));
        wiz->setBoxText(TxtHeading, QStringLiteral("Everything at its limit"));
        wiz->setBoxText(TxtEmail, QStringLiteral("someone@example.net"));

        QString text;
        const QString line = QStringLiteral("A line of the page text, forty bytes<BR>\r\n");
        while (text.size() + line.size() <= MaxPageText)
            text += line;
        text += QString(MaxPageText - text.size(), u'.');
        wiz->setBoxText(TxtPageText, text);

        for (int i = 0; i < MaxEntries; ++i) {
            const QString item = QStringLiteral("Bullet item number %1").arg(i, 5, 10, QChar(u'0'));
            entrylist::append(wiz->lstBox[LstItems], item, item);
            const QString link = QStringLiteral("http://example.com/%1.htm\tPage %1").arg(i, 5, 10, QChar(u'0'));
            entrylist::append(wiz->lstBox[LstLinks], link, link);
        }
    }

    frmWiz& window() { return *wiz; }

    // The document as the source browser holds it after one press.
    const std::string& document()
    {
        if (text.empty()) {
            wiz->finishPage().GeneratePage();
            text = wiz->sourceBrowser().pageDocument();
        }
        return text;
    }

    // Made on first use and let go by main() while the application still exists.
    static LargestPage& instance()
    {
        if (!page)
            page = std::make_unique<LargestPage>();
        return *page;
    }
    static void release() { page.reset(); }

private:
    static inline std::unique_ptr<LargestPage> page;

    ScriptedPlatform platform;
    std::unique_ptr<frmWiz> wiz;
    std::string text;
};

// Each press finds the window closed by the user after the press before, so it also creates the window anew.
void closeSourceBrowser(frmWiz& wiz)
{
    if (wiz.hasSourceBrowser())
        wiz.sourceBrowser().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void SourceBrowserPress(benchmark::State& state)
{
    LargestPage& page = LargestPage::instance();
    frmWiz& wiz = page.window();
    for (auto _ : state) {
        state.PauseTiming();
        closeSourceBrowser(wiz);
        state.ResumeTiming();
        wiz.finishPage().GeneratePage();
        benchmark::DoNotOptimize(wiz.sourceBrowser().pageDocument().data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(page.document().size()));
    closeSourceBrowser(wiz);
}
BENCHMARK(SourceBrowserPress)->Unit(benchmark::kMillisecond)->UseRealTime();

void BareSetPlainText(benchmark::State& state)
{
    const QString text = QString::fromStdString(LargestPage::instance().document());
    for (auto _ : state) {
        state.PauseTiming();
        auto box = std::make_unique<QPlainTextEdit>();
        state.ResumeTiming();
        box->setPlainText(text);
        benchmark::DoNotOptimize(box->blockCount());
        state.PauseTiming();
        box.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}
BENCHMARK(BareSetPlainText)->Unit(benchmark::kMillisecond)->UseRealTime();

void SavePageFileLargest(benchmark::State& state)
{
    const std::string& document = LargestPage::instance().document();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.htm"));
    for (auto _ : state) {
        const Outcome saved = SavePageFile(path, document);
        if (!saved)
            state.SkipWithError(qPrintable(saved.reason));
    }
    state.SetBytesProcessed(state.iterations() * int64_t(document.size()));
}
BENCHMARK(SavePageFileLargest)->Unit(benchmark::kMillisecond)->UseRealTime();

void PlainFileWrite(benchmark::State& state)
{
    const std::string& document = LargestPage::instance().document();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.htm"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(document.data(), qint64(document.size())) < 0
            || file.write("\r\n", 2) != 2)
            state.SkipWithError("cannot write");
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(document.size()));
}
BENCHMARK(PlainFileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same size made of characters above ASCII, so that every one becomes a reference.
void SavePageFileAllReferences(benchmark::State& state)
{
    std::string document;
    while (document.size() < LargestPage::instance().document().size())
        document += "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.htm"));
    for (auto _ : state) {
        const Outcome saved = SavePageFile(path, document);
        if (!saved)
            state.SkipWithError(qPrintable(saved.reason));
    }
    state.SetBytesProcessed(state.iterations() * int64_t(document.size()));
}
BENCHMARK(SavePageFileAllReferences)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    LargestPage::release();
    benchmark::Shutdown();
    return 0;
}
