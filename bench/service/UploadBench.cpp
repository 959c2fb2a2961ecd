// How long an upload of a 36 MiB acquisition takes: built into a request by
// the wizard's transport, sent over loopback, decoded, checked and stored by
// the local service (run on a thread of this process), answered. Also the
// service's own share: handling the already received body.

#include "service/HttpFrontEnd.h"
#include "tests/service/VariantEncoding.h"
#include "transfer/TcpTransferSocket.h"
#include "transfer/clsTransfer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <thread>

using namespace stoupe;
using namespace stoupe::service;

namespace {

constexpr size_t kAcquisitionBytes = size_t{36} << 20;
const char kUser[] = "bench@example.com";

QByteArray TestAcquisition() {
    // Incompressible-looking bytes, as JPEG data would be.
    std::string bytes = fixtures::Acquisition(kAcquisitionBytes);
    uint32_t state = 12345;
    for (size_t i = 1352; i < bytes.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = static_cast<char>(state >> 24);
    }
    fixtures::StampChecksum(bytes);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

struct LocalService {
    VellamorService service{AccountStore::Open(":memory:"),
                            {.maxHeads = 1000, .startingCredits = 1000000},
                            [](const std::string&) {},
                            [] { return std::string("benchpw"); }};
    HttpFrontEnd http{service, {}};
    int port = http.Bind("127.0.0.1", 0);
    std::thread thread{[this] { http.Run(); }};

    ~LocalService() {
        http.Stop();
        thread.join();
    }
    void ForgetHead(const std::string& alias) {
        service.WithStore([&](AccountStore& store) {
            if (const auto account = store.FindAccount(kUser))
                store.DeleteHead(account->id, alias);
            return 0;
        });
    }
};

void BM_UploadOverLoopback(benchmark::State& state) {
    const QByteArray data = TestAcquisition();
    LocalService local;
    if (local.port <= 0) {
        state.SkipWithError("cannot listen on 127.0.0.1");
        return;
    }
    clsTransfer transfer;
    transfer.InitControl(new TcpTransferSocket(&transfer));
    transfer.SetServer(QStringLiteral("127.0.0.1:%1").arg(local.port));

    bool newUser = true;
    int number = 0;
    // CPU time of the whole process (transport and service threads): what the
    // upload costs whatever else the machine is busy with.
    double processCpuSeconds = 0;
    for (auto _ : state) {
        const std::clock_t cpuStart = std::clock();
        const QString alias = QStringLiteral("h%1").arg(++number);
        QEventLoop loop;
        bool stored = false;
        const auto connection = QObject::connect(
            &transfer, &clsTransfer::Replied, &loop, [&](const clsReturnedData& answer) {
                stored = answer.nResponseType == 2 && !answer.bServerError;
                loop.quit();
            });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        const QString password = newUser ? QString::fromLatin1(kUser) : QStringLiteral("benchpw");
        if (transfer.UploadDataOnServer(newUser, QString::fromLatin1(kUser), password, {}, alias,
                                        data) != 0) {
            state.SkipWithError("the upload did not start");
            break;
        }
        loop.exec();
        processCpuSeconds += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        QObject::disconnect(connection);
        if (!stored) {
            state.SkipWithError("the upload was not stored");
            break;
        }
        newUser = false;
        state.PauseTiming();
        local.ForgetHead(alias.toStdString());
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
    state.counters["process_cpu_ms"] =
        benchmark::Counter(processCpuSeconds * 1000 / std::max<double>(1, state.iterations()));
}
BENCHMARK(BM_UploadOverLoopback)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ServiceHandlesUploadBody(benchmark::State& state) {
    const QByteArray data = TestAcquisition();
    const std::string body = fixtures::UploadBody(kUser, kUser, "h", true,
                                                  std::string_view(data.constData(), data.size()));
    for (auto _ : state) {
        state.PauseTiming();
        VellamorService service(AccountStore::Open(":memory:"), {}, {},
                                [] { return std::string("pw"); });
        state.ResumeTiming();
        benchmark::DoNotOptimize(service.UploadZAV(body));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.size()));
}
BENCHMARK(BM_ServiceHandlesUploadBody)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
