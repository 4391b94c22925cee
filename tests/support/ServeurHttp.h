#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// A tiny HTTP server on 127.0.0.1, on a free port, answering every request
// with one fixed reply. It serves at most a few connections and stops by
// itself after a few seconds, or when the object goes.
class ServeurHttp {
public:
    // Statut is the status line's code and reason, e.g. "200 OK".
    explicit ServeurHttp(std::string Corps, std::string Statut = "200 OK");
    ~ServeurHttp();
    ServeurHttp(const ServeurHttp&) = delete;
    ServeurHttp& operator=(const ServeurHttp&) = delete;

    int Port() const { return port_; }
    std::string Adresse() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // The request lines received so far ("GET /path HTTP/1.1").
    std::vector<std::string> Requetes() const;

private:
    void Sert();

    std::string reponse_;
    int ecoute_ = -1;
    int port_ = 0;
    std::atomic<bool> arret_{false};
    mutable std::mutex verrou_;
    std::vector<std::string> requetes_;
    std::thread fil_;
};

// A port on 127.0.0.1 where nothing listens (bound then released).
int PortLibre();

} // namespace testsupport
