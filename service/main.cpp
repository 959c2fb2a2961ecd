// vellamor-service: a local stand-in for the online service, speaking the
// wizard's protocol on a TCP port. New accounts' passwords, which the real
// service e-mails, are written to the log (standard output).

#include "service/HttpFrontEnd.h"
#include "service/ServiceOptions.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <thread>

using namespace stoupe::service;

int main(int argc, char** argv) {
    ServiceOptions options;
    std::string error;
    if (!ParseServiceOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "vellamor-service: " << error << "\n" << kServiceUsage;
        return 1;
    }
    if (options.help) {
        std::cout << kServiceUsage;
        return 0;
    }

    // SIGINT and SIGTERM are taken by one waiting thread, which stops the
    // server; every other thread inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::mutex logMutex;
    auto log = [&logMutex](const std::string& line) {
        std::lock_guard lock(logMutex);
        std::cout << "vellamor-service: " << line << std::endl;
    };

    std::unique_ptr<AccountStore> store;
    try {
        store = AccountStore::Open(options.database);
    } catch (const StoreError& e) {
        std::cerr << "vellamor-service: cannot open the database " << e.what() << "\n";
        return 1;
    }
    VellamorService service(std::move(store), options.settings, log);
    HttpFrontEnd http(service, log);
    const int port = http.Bind(options.address, options.port);
    if (port <= 0) {
        std::cerr << "vellamor-service: cannot listen on " << options.address << ":" << options.port
                  << "\n";
        return 1;
    }
    log("listening on " + options.address + ":" + std::to_string(port) + " (database " +
        options.database + ", at most " + std::to_string(options.settings.maxHeads) +
        " heads per account, " + std::to_string(options.settings.startingCredits) +
        " credits for a new account)");

    std::atomic<bool> signalled = false;
    std::thread stopper([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        signalled = true;
        log("stopping");
        http.Stop();
    });
    const bool ran = http.Run();
    // Run() also ends when the listening socket fails; wake the stopper then.
    if (!signalled)
        pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return ran ? 0 : 1;
}
