#include "programs/local_http_server.h"

#include <ws2tcpip.h>

LocalHttpServer::LocalHttpServer(std::uint16_t port, std::string body) : body_(std::move(body)) {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (listener_ != INVALID_SOCKET &&
        (bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
         listen(listener_, 8) != 0)) {
        closesocket(listener_);
        listener_ = INVALID_SOCKET;
    }
    if (listener_ != INVALID_SOCKET) {
        thread_ = std::thread([this] { Serve(); });
    }
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (listener_ != INVALID_SOCKET) {
        closesocket(listener_);
    }
    WSACleanup();
}

std::vector<std::string> LocalHttpServer::RequestedPaths() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return paths_;
}

void LocalHttpServer::Serve() {
    while (!stopping_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener_, &ready);
        timeval wait{0, 100'000};
        if (select(0, &ready, nullptr, nullptr, &wait) != 1) {
            continue;
        }
        SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection != INVALID_SOCKET) {
            Answer(connection);
            closesocket(connection);
        }
    }
}

void LocalHttpServer::Answer(SOCKET connection) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(connection, buffer, sizeof(buffer), 0);
        if (received <= 0) {
            return;
        }
        request.append(buffer, received);
    }
    // "GET /path HTTP/1.1"
    const auto pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        paths_.push_back(path);
    }
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                               std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n" +
                               body_;
    send(connection, answer.data(), static_cast<int>(answer.size()), 0);
}
