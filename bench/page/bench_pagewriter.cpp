// SPDX-License-Identifier: GPL-3.0-or-later
// The page writers on the largest page the wizard can describe, measured against a plain copy of the finished
// document: no writer that produces those bytes can be cheaper than that copy. Each writer run is registered next
// to its copy, so that the two are measured under the same load. The reader is measured beside the writer on the
// same pages, at three sizes: reading includes writing the page once more to check it, and it must copy every item
// and link into its result, which a copy of the page description measures alone.
#include "page/asciitext.h"
#include "page/pagereader.h"
#include "page/pagewriter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace larkspan;

constexpr int kMaxItems = 32767;            // list positions are 16-bit signed
constexpr std::size_t kMaxPageText = 32000; // the page text box's limit
constexpr int kGrowthFactor = 8;
const std::string kCreatedOn = "Monday, December 07, 2026";

// A page at full size for kMaxItems items; fewer items shrink the page text in proportion. Items are about 40
// bytes, links about 45 with their TAB.
PageSpec largestPage(int items)
{
    PageSpec spec;
    spec.title = "The biggest page this wizard can make";
    spec.heading = "Everything at its limit";
    spec.bgColorAttr = " BGCOLOR=\"#FFFFCC\"";
    spec.textColorAttr = " TEXT=\"#000080\"";
    spec.linkColorAttr = " LINK=\"#0000FF\"";
    spec.visitedLinkColorAttr = " VLINK=\"#800080\"";
    spec.activeLinkColorAttr = " ALINK=\"#FF0000\"";
    spec.backgroundImage = "paper.gif";
    spec.pageImage = "photo.jpg";
    spec.imageWidth = "640";
    spec.imageHeight = "480";
    spec.authorEmail = "someone@example.net";

    const std::size_t textSize = kMaxPageText * static_cast<std::size_t>(items) / kMaxItems;
    const std::string line = "A line of the imported page text.<BR>\r\n";
    while (spec.pageText.size() + line.size() <= textSize)
        spec.pageText += line;
    spec.pageText.append(textSize - spec.pageText.size(), '.');

    char entry[64];
    spec.bulletItems.reserve(static_cast<std::size_t>(items));
    spec.links.reserve(static_cast<std::size_t>(items));
    for (int i = 0; i < items; ++i) {
        std::snprintf(entry, sizeof entry, "Bullet item number %05d of a long list", i);
        spec.bulletItems.push_back(entry);
        std::snprintf(entry, sizeof entry, "http://www.example.com/%05d.html\tPage %05d", i, i);
        spec.links.push_back(entry);
    }
    return spec;
}

// Built once per size and in list order, as the wizard hands the items over; the benchmarks only switch layout
// and link style, so all of them read the same memory.
PageSpec& page(LayoutStyle layout, LinkStyle linkStyle, int items)
{
    static std::map<int, PageSpec> pages;
    auto [found, added] = pages.try_emplace(items);
    if (added)
        found->second = largestPage(items);
    found->second.layout = layout;
    found->second.linkStyle = linkStyle;
    return found->second;
}

void writePage(const PageSpec& spec, PageDocument& target)
{
    if (spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight)
        BuildTablePage(spec, kCreatedOn, target);
    else
        BuildBasicPage(spec, kCreatedOn, target);
}

std::string written(const PageSpec& spec)
{
    PageDocument document;
    writePage(spec, document);
    return std::string(document.text());
}

void reportBytes(benchmark::State& state, std::size_t documentSize)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * documentSize));
    state.counters["document_bytes"] = static_cast<double>(documentSize);
}

// Each run starts from an empty document, as each press of the wizard's button does.
void write(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle, int items)
{
    const PageSpec& spec = page(layout, linkStyle, items);
    std::size_t size = 0;
    for (auto _ : state) {
        PageDocument document;
        writePage(spec, document);
        benchmark::DoNotOptimize(document.text().data());
        size = document.size();
    }
    reportBytes(state, size);
}

// Reads input back to the answers, each time; decoded first when it is the page file's bytes.
void readBack(benchmark::State& state, const std::string& input, bool pageFile)
{
    for (auto _ : state) {
        ReadResult result = pageFile ? ReadPage(DecodePageFile(input)) : ReadPage(input);
        if (!result.ok) {
            state.SkipWithError("the page was not read");
            break;
        }
        benchmark::DoNotOptimize(result.spec);
    }
    reportBytes(state, input.size());
}

// Reading the document the writer makes of the same page, as the wizard would on opening the saved file.
void read(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle, int items)
{
    readBack(state, written(page(layout, linkStyle, items)), false);
}

// The page file's bytes as saving makes them (the document in ASCII, which a document in ASCII already is, and a
// last CR LF written after it), and back to the answers as opening makes them, without the disk: the two ends the
// user meets.
void saveFile(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle, int items)
{
    const PageSpec& spec = page(layout, linkStyle, items);
    std::size_t size = 0;
    for (auto _ : state) {
        PageDocument document;
        writePage(spec, document);
        std::string encoded;
        const std::string_view bytes = AsAscii(document.text(), encoded);
        benchmark::DoNotOptimize(bytes.data());
        size = bytes.size() + 2;
    }
    reportBytes(state, size);
}

void openFile(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle, int items)
{
    readBack(state, EncodeAsAscii(written(page(layout, linkStyle, items))) + "\r\n", true);
}

// The reader's floor: a fresh copy of the page description, which holds each item and link as the reader's result
// must.
void holdSpec(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle, int items)
{
    const PageSpec& spec = page(layout, linkStyle, items);
    for (auto _ : state) {
        PageSpec copy = spec;
        benchmark::DoNotOptimize(copy);
    }
}

// The floor: a fresh document holding the finished one, allocated and filled like the writer's target.
void copy(benchmark::State& state, LayoutStyle layout, LinkStyle linkStyle)
{
    const std::string document = written(page(layout, linkStyle, kMaxItems));
    for (auto _ : state) {
        PageDocument fresh(document);
        benchmark::DoNotOptimize(fresh.text().data());
    }
    reportBytes(state, document.size());
}

const struct {
    LayoutStyle layout;
    const char* name;
} kLayouts[] = {{LayoutStyle::BasicStyle, "BasicStyle"},
                {LayoutStyle::BasicImageLeft, "BasicImageLeft"},
                {LayoutStyle::BasicImageRight, "BasicImageRight"},
                {LayoutStyle::TableImageLeft, "TableImageLeft"},
                {LayoutStyle::TableImageRight, "TableImageRight"}};

const struct {
    LinkStyle style;
    const char* name;
} kLinkStyles[] = {{LinkStyle::Default, "anchors"}, {LinkStyle::ComboBox, "menu"}};

void registerAll()
{
    for (const auto& [layout, layoutName] : kLayouts) {
        for (const auto& [style, styleName] : kLinkStyles) {
            const std::string suffix = std::string("/") + layoutName + "/" + styleName;
            benchmark::RegisterBenchmark(("Write" + suffix).c_str(), write, layout, style, kMaxItems)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("Copy" + suffix).c_str(), copy, layout, style)->Unit(benchmark::kMicrosecond);
        }
    }
    // An eighth of the items and of the text, then all of them: the time should grow about eightfold.
    for (const auto& [layout, style] : {std::pair{LayoutStyle::BasicStyle, LinkStyle::Default},
                                        std::pair{LayoutStyle::TableImageRight, LinkStyle::ComboBox}}) {
        for (const int items : {(kMaxItems + 1) / kGrowthFactor, kMaxItems}) {
            const std::string name = std::string("Growth/") + kLayouts[static_cast<int>(layout) - 1].name + "/"
                + kLinkStyles[static_cast<int>(style)].name + "/items:" + std::to_string(items);
            benchmark::RegisterBenchmark(name.c_str(), write, layout, style, items)->Unit(benchmark::kMicrosecond);
        }
    }
    // Reading against writing, each size once for each, on the two pages of the growth runs and at 1k, 8k and 32k
    // items.
    for (const auto& [layout, style] : {std::pair{LayoutStyle::BasicStyle, LinkStyle::Default},
                                        std::pair{LayoutStyle::TableImageRight, LinkStyle::ComboBox}}) {
        for (const int items : {(kMaxItems + 1) / 32, (kMaxItems + 1) / 4, kMaxItems}) {
            const std::string suffix = std::string("/") + kLayouts[static_cast<int>(layout) - 1].name + "/"
                + kLinkStyles[static_cast<int>(style)].name + "/items:" + std::to_string(items);
            benchmark::RegisterBenchmark(("ReadVsWrite/Write" + suffix).c_str(), write, layout, style, items)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("ReadVsWrite/Read" + suffix).c_str(), read, layout, style, items)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("ReadVsWrite/HoldSpec" + suffix).c_str(), holdSpec, layout, style, items)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("OpenVsSave/Save" + suffix).c_str(), saveFile, layout, style, items)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("OpenVsSave/Open" + suffix).c_str(), openFile, layout, style, items)
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
