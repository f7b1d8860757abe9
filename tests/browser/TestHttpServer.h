#pragma once
// A real HTTP server inside the tests: 127.0.0.1 on a port the system
// picks, one thread accepting and one per connection, HTTP/1.0 answers with
// the connection closed after each. Routes give a status, headers and body,
// or say never to answer (the connection is held until the server stops).

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TTestRoute {
    int Status = 200;
    std::string Headers; // extra header lines, each ending in "\r\n"
    std::string Body;
    bool NeverAnswer = false;
};

class TTestHttpServer {
public:
    TTestHttpServer() {
        FListen = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        bind(FListen, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(FListen, 16);
        socklen_t len = sizeof a;
        getsockname(FListen, reinterpret_cast<sockaddr*>(&a), &len);
        FPort = ntohs(a.sin_port);
        FAccept = std::thread([this] { AcceptLoop(); });
    }
    ~TTestHttpServer() {
        FStop = true;
        FAccept.join();
        for (std::thread& t : FConnections)
            t.join();
        close(FListen);
    }
    TTestHttpServer(const TTestHttpServer&) = delete;
    TTestHttpServer& operator=(const TTestHttpServer&) = delete;

    void Route(const std::string& path, TTestRoute route) {
        std::lock_guard<std::mutex> lock(FLock);
        FRoutes[path] = std::move(route);
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(FPort) + path;
    }
    int Requests() const { return FRequests; }

private:
    // Waits for the socket to be readable, in short steps so that a stop is seen.
    bool WaitReadable(int fd) {
        while (!FStop) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 20) > 0) return true;
        }
        return false;
    }
    void AcceptLoop() {
        while (WaitReadable(FListen)) {
            const int fd = accept(FListen, nullptr, nullptr);
            if (fd < 0) continue;
            FConnections.emplace_back([this, fd] { Serve(fd); });
        }
    }
    void Serve(int fd) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && WaitReadable(fd)) {
            const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        ++FRequests;
        const size_t start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        TTestRoute route{404, "", "<html><body>not here</body></html>", false};
        {
            std::lock_guard<std::mutex> lock(FLock);
            auto it = FRoutes.find(path);
            if (it != FRoutes.end()) route = it->second;
        }
        if (route.NeverAnswer) {
            while (!FStop)
                WaitReadable(fd);
        } else {
            const std::string head =
                "HTTP/1.0 " + std::to_string(route.Status) + " X\r\n" + route.Headers +
                "Content-Length: " + std::to_string(route.Body.size()) + "\r\n\r\n";
            Send(fd, head + route.Body);
        }
        close(fd);
    }
    static void Send(int fd, const std::string& bytes) {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }

    int FListen = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::atomic<int> FRequests{0};
    std::mutex FLock;
    std::map<std::string, TTestRoute> FRoutes;
    std::thread FAccept;
    std::vector<std::thread> FConnections; // touched by the accepting thread only
};
