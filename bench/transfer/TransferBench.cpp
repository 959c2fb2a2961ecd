// Encoding speed of the upload path.
//   BM_EncodeArr/20MB          clsBase64::EncodeArr over 20 MB of photograph-like bytes
//   BM_CoreutilsBase64/20MB    coreutils "base64 -w 76" over the same bytes (file -> /dev/null)
//   BM_BuildUploadRequest/36MB the whole upload request for a 36 MB acquisition
// bench-base64.sh runs the first two side by side and prints their ratio.
#include "transfer/ServerRequests.h"
#include "transfer/clsBase64.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kMegabyte = 1024 * 1024;

// Bytes with no structure a coder could exploit, like compressed photographs.
QByteArray payload(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    uint64_t x = 0x9E3779B97F4A7C15ull;
    for (qsizetype i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        bytes[i] = char(x);
    }
    return bytes;
}

void BM_EncodeArr(benchmark::State& state) {
    const QByteArray input = payload(state.range(0) * kMegabyte);
    const stoupe::clsBase64 b64;
    for (auto _ : state) {
        QByteArray out = b64.EncodeArr(input);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_EncodeArr)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CoreutilsBase64(benchmark::State& state) {
    QTemporaryFile file;
    if (!file.open()) {
        state.SkipWithError("no temporary file");
        return;
    }
    const QByteArray input = payload(state.range(0) * kMegabyte);
    file.write(input);
    file.flush();
    for (auto _ : state) {
        QProcess base64;
        base64.setStandardInputFile(file.fileName());
        base64.setStandardOutputFile(QProcess::nullDevice());
        base64.start(QStringLiteral("base64"), {QStringLiteral("-w"), QStringLiteral("76")});
        if (!base64.waitForFinished(-1) || base64.exitCode() != 0) {
            state.SkipWithError("base64 failed");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_CoreutilsBase64)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildUploadRequest(benchmark::State& state) {
    const QByteArray acquisition = payload(state.range(0) * kMegabyte);
    for (auto _ : state) {
        QByteArray request = stoupe::BuildUploadRequest(
            {QStringLiteral("server.example"), false}, false, QStringLiteral("ann@example.com"),
            QStringLiteral("secret"), QString(), QStringLiteral("NewHead"), acquisition);
        benchmark::DoNotOptimize(request.data());
    }
    state.SetBytesProcessed(state.iterations() * acquisition.size());
}
BENCHMARK(BM_BuildUploadRequest)->Arg(36)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
