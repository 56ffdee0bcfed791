// SPDX-License-Identifier: GPL-3.0-or-later
// The text import and the item list at their limits, each measured beside the work it cannot do without: reading
// and decoding the file, and adding to an empty list.
#include "scriptedplatform.h"
#include "wizard/bulletlistpage.h"
#include "wizard/entrylist.h"
#include "wizard/frmwiz.h"
#include "files/textimport.h"
#include "wizard/textpage.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace larkspan;

// A plain text file of exactly the largest size the import takes, in lines of about forty bytes.
class LargestTextFile {
public:
    LargestTextFile()
    {
        QByteArray bytes;
        const QByteArray line = "A line of plain text, about forty bytes\r\n";
        while (bytes.size() + line.size() <= TextImport::SizeLimit)
            bytes += line;
        bytes += QByteArray(TextImport::SizeLimit - bytes.size(), '.');
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QString path() const { return folder.filePath(QStringLiteral("largest.txt")); }

private:
    QTemporaryDir folder;
};

LargestTextFile& textFile()
{
    static LargestTextFile file;
    return file;
}

struct Wizard {
    ScriptedPlatform platform;
    frmWiz window{platform, QString()};
};

// Each import can be undone. Argument 0: every import of the run replaces the text of the one before and stays in
// the box's history, which keeps each replaced text and grows with each import. 1: between imports, outside the
// timing, the box is set to the text again as opening a page sets it, so that each import replaces a full-sized
// text in a box without a history, as the user's one import does. 2: each import goes into an empty box, as the
// first import of a new page does.
void BM_ImportLargestFile(benchmark::State& state)
{
    Wizard wizard;
    auto* box = qobject_cast<QPlainTextEdit*>(wizard.window.txtBox[TxtPageText]);
    const auto between = state.range(0);
    if (between == 2)
        box->clear();
    for (auto _ : state) {
        wizard.window.textPage().LoadTextFile(textFile().path());
        if (between != 0) {
            state.PauseTiming();
            if (between == 1)
                box->setPlainText(box->toPlainText());
            else
                box->clear();
            state.ResumeTiming();
        }
    }
    state.SetBytesProcessed(state.iterations() * TextImport::SizeLimit);
}
BENCHMARK(BM_ImportLargestFile)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeOnly(benchmark::State& state)
{
    for (auto _ : state) {
        TextImport import(textFile().path());
        import.read();
        benchmark::DoNotOptimize(import.pageText());
    }
    state.SetBytesProcessed(state.iterations() * TextImport::SizeLimit);
}
BENCHMARK(BM_ReadAndDecodeOnly)->Unit(benchmark::kMillisecond);

void BM_BareTextBoxFill(benchmark::State& state)
{
    TextImport import(textFile().path());
    import.read();
    const QString text = import.pageText();
    QPlainTextEdit box;
    for (auto _ : state)
        box.setPlainText(text);
    state.SetBytesProcessed(state.iterations() * TextImport::SizeLimit);
}
BENCHMARK(BM_BareTextBoxFill)->Unit(benchmark::kMillisecond);

// Adding one item to a list that already holds count items; the item is taken out again outside the timing.
void BM_AddItem(benchmark::State& state)
{
    Wizard wizard;
    QListWidget* list = wizard.window.lstBox[LstItems];
    const int count = int(state.range(0));
    for (int i = 0; i < count; ++i)
        entrylist::append(list, QStringLiteral("Item %1").arg(i), QStringLiteral("Item %1").arg(i));
    for (auto _ : state) {
        wizard.window.setBoxText(TxtBulletItem, QStringLiteral("One more item"));
        wizard.window.bulletListPage().addItem();
        state.PauseTiming();
        delete list->takeItem(list->count() - 1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddItem)->Arg(0)->Arg(entrylist::Capacity - 1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
