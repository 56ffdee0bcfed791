// SPDX-License-Identifier: GPL-3.0-or-later
// The source browser and the page file on the largest page the wizard can hold, each measured against the bare Qt
// operation that it cannot do without: filling a plain text box with the finished text, writing the finished bytes.
// Beside them, the largest page the reader accepts opened into the wizard and taken on from there.
#include "scriptedplatform.h"
#include "source_browser/frmedit.h"
#include "files/pagefile.h"
#include "page/pagereader.h"
#include "page/pagewriter.h"
#include "wizard/entrylist.h"
#include "wizard/finishpage.h"
#include "wizard/frmwiz.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>

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

// The largest page the reader accepts, saved as a file: every one-line answer at its box's limit, a page text of
// empty lines (the text box's slowest case) at its limit, and both lists full of long entries.
class LargestAcceptedFile {
public:
    // Arg 0: everything at its limit; arg 1: only the page text, the one limit the reader chooses itself.
    explicit LargestAcceptedFile(bool textOnly)
    {
        PageSpec spec;
        spec.layout = LayoutStyle::TableImageLeft;
        const std::string line = "<BR>\r\n";
        for (std::size_t i = 0; i + line.size() <= kPageTextLimit; i += line.size())
            spec.pageText += line;
        if (!textOnly)
            fillTheRest(spec);
        PageDocument document;
        BuildTablePage(spec, "Thursday, December 10, 2026", document);
        size = document.size();
        if (!SavePageFile(path(), document.text()))
            qFatal("the largest accepted page could not be saved");
    }

    QString path() const { return folder.filePath(QStringLiteral("largest.htm")); }
    std::size_t size = 0;

    static LargestAcceptedFile& instance(benchmark::State& state)
    {
        static LargestAcceptedFile whole(false);
        static LargestAcceptedFile text(true);
        return state.range(0) == 0 ? whole : text;
    }

private:
    static void fillTheRest(PageSpec& spec)
    {
        spec.title.assign(kLineBoxLimit, 't');
        spec.heading.assign(kLineBoxLimit, 'h');
        spec.authorEmail.assign(kLineBoxLimit, 'e');
        spec.backgroundImage.assign(kLineBoxLimit, 'b');
        spec.pageImage.assign(kLineBoxLimit, 'p');
        // Entries of some 120 to 250 bytes bring the file near the 16 MB that LoadPageFile reads.
        const std::string padding(100, 'x');
        for (std::size_t i = 0; i < kListLimit; ++i) {
            spec.bulletItems.push_back("Bullet item number " + std::to_string(i) + padding);
            spec.links.push_back("http://example.com/" + padding + std::to_string(i) + ".htm\tPage " + padding);
        }
        spec.linkStyle = LinkStyle::ComboBox;
    }

    QTemporaryDir folder;
};

// Opening it into the wizard, reader and boxes, then what the user does next: the Text step shown and painted, the
// Source Browser pressed. Each stays under a second.
void OpenLargestAcceptedPage(benchmark::State& state)
{
    LargestAcceptedFile& file = LargestAcceptedFile::instance(state);
    ScriptedPlatform platform;
    frmWiz wiz(platform, QString());
    for (auto _ : state) {
        if (!wiz.openPage(file.path()))
            state.SkipWithError("the largest accepted page did not open");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(file.size));
}
BENCHMARK(OpenLargestAcceptedPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void TextStepOfLargestAcceptedPage(benchmark::State& state)
{
    LargestAcceptedFile& file = LargestAcceptedFile::instance(state);
    ScriptedPlatform platform;
    frmWiz wiz(platform, QString());
    wiz.show();
    for (auto _ : state) {
        state.PauseTiming();
        wiz.hidePanel(WizardPage::Text);
        wiz.showPanel(WizardPage::Welcome);
        QCoreApplication::processEvents();
        if (!wiz.openPage(file.path()))
            state.SkipWithError("the largest accepted page did not open");
        wiz.hidePanel(WizardPage::Welcome);
        state.ResumeTiming();
        wiz.showPanel(WizardPage::Text);
        wiz.txtBox[TxtPageText]->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(TextStepOfLargestAcceptedPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The Source Browser button pressed again and again, the window closed between presses, and at the end.
void pressSourceBrowser(benchmark::State& state, frmWiz& wiz)
{
    for (auto _ : state) {
        state.PauseTiming();
        closeSourceBrowser(wiz);
        state.ResumeTiming();
        wiz.finishPage().GeneratePage();
        benchmark::DoNotOptimize(wiz.sourceBrowser().pageDocument().data());
    }
    closeSourceBrowser(wiz);
}

void SourceBrowserOfLargestAcceptedPage(benchmark::State& state)
{
    LargestAcceptedFile& file = LargestAcceptedFile::instance(state);
    ScriptedPlatform platform;
    frmWiz wiz(platform, QString());
    if (!wiz.openPage(file.path()))
        state.SkipWithError("the largest accepted page did not open");
    pressSourceBrowser(state, wiz);
}
BENCHMARK(SourceBrowserOfLargestAcceptedPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void SourceBrowserPress(benchmark::State& state)
{
    LargestPage& page = LargestPage::instance();
    frmWiz& wiz = page.window();
    pressSourceBrowser(state, wiz);
    state.SetBytesProcessed(state.iterations() * int64_t(page.document().size()));
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

// The same bytes written plainly, and flushed to the disk before the file is closed: what any save pays that has
// the page on the disk when it reports success, as the wizard's does.
void writeFile(benchmark::State& state, bool flushed)
{
    const std::string& document = LargestPage::instance().document();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.htm"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(document.data(), qint64(document.size())) < 0
            || file.write("\r\n", 2) != 2 || (flushed && (!file.flush() || ::fdatasync(file.handle()) != 0)))
            state.SkipWithError("cannot write");
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(document.size()));
}

void PlainFileWrite(benchmark::State& state)
{
    writeFile(state, false);
}
BENCHMARK(PlainFileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void FlushedFileWrite(benchmark::State& state)
{
    writeFile(state, true);
}
BENCHMARK(FlushedFileWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

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
