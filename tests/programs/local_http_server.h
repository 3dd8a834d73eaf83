#pragma once

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A plain HTTP server on 127.0.0.1 for the Wine tests of the programs: it answers every GET with
// one body and keeps the paths it was asked for.
class LocalHttpServer {
public:
    LocalHttpServer(std::uint16_t port, std::string body);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool IsListening() const { return listener_ != INVALID_SOCKET; }
    std::vector<std::string> RequestedPaths() const;

private:
    void Serve();
    void Answer(SOCKET connection);

    std::string body_;
    SOCKET listener_ = INVALID_SOCKET;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> paths_;
    std::thread thread_;
};
