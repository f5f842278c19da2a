#include "TableFixtures.h"
#include "common/Xml.h"
#include "tables/TranslateTableFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zz;

// A var.xml of 2000 full rows, as the Translate Table dialog writes it.
QByteArray fullVarXml() {
    static const QByteArray bytes = [] {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("var.xml"));
        writeTranslateTableFile(bench::fullTable(), path);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

// What the readers do: the conforming well-formedness pass, then pugixml's tree.
void BM_ReadVarXml(benchmark::State& state) {
    const QByteArray bytes = fullVarXml();
    for (auto _ : state) {
        pugi::xml_document doc;
        xml::parse(doc, bytes, QStringLiteral("var.xml"));
        benchmark::DoNotOptimize(doc.first_child());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadVarXml)->Unit(benchmark::kMicrosecond);

// pugixml alone, for the cost of the pass above.
void BM_PugixmlAloneVarXml(benchmark::State& state) {
    const QByteArray bytes = fullVarXml();
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()),
                        pugi::parse_default | pugi::parse_declaration | pugi::parse_comments);
        benchmark::DoNotOptimize(doc.first_child());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PugixmlAloneVarXml)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
