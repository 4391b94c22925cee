#include "support/ServeurHttp.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

namespace {

int Ecoute(int& Port)
{
    const int S = ::socket(AF_INET, SOCK_STREAM, 0);
    if (S < 0)
        throw std::runtime_error("socket");
    sockaddr_in A{};
    A.sin_family = AF_INET;
    A.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    A.sin_port = 0;
    socklen_t L = sizeof A;
    if (::bind(S, reinterpret_cast<sockaddr*>(&A), sizeof A) != 0 || ::listen(S, 8) != 0 ||
        ::getsockname(S, reinterpret_cast<sockaddr*>(&A), &L) != 0) {
        ::close(S);
        throw std::runtime_error("bind");
    }
    Port = ntohs(A.sin_port);
    return S;
}

} // namespace

ServeurHttp::ServeurHttp(std::string Corps, std::string Statut)
{
    reponse_ = "HTTP/1.1 " + Statut +
               "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(Corps.size()) +
               "\r\nConnection: close\r\n\r\n" + Corps;
    ecoute_ = Ecoute(port_);
    fil_ = std::thread([this] { Sert(); });
}

ServeurHttp::~ServeurHttp()
{
    arret_ = true;
    fil_.join();
    ::close(ecoute_);
}

std::vector<std::string> ServeurHttp::Requetes() const
{
    std::lock_guard<std::mutex> G(verrou_);
    return requetes_;
}

void ServeurHttp::Sert()
{
    const auto Fin = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int Servies = 0;
    while (!arret_ && Servies < 16 && std::chrono::steady_clock::now() < Fin) {
        pollfd P{ecoute_, POLLIN, 0};
        if (::poll(&P, 1, 50) <= 0)
            continue;
        const int C = ::accept(ecoute_, nullptr, nullptr);
        if (C < 0)
            continue;
        ++Servies;
        std::string Requete;
        char Tampon[1024];
        while (Requete.find("\r\n\r\n") == std::string::npos && Requete.size() < 65536) {
            pollfd Q{C, POLLIN, 0};
            if (::poll(&Q, 1, 2000) <= 0)
                break;
            const ssize_t N = ::recv(C, Tampon, sizeof Tampon, 0);
            if (N <= 0)
                break;
            Requete.append(Tampon, static_cast<size_t>(N));
        }
        {
            std::lock_guard<std::mutex> G(verrou_);
            requetes_.push_back(Requete.substr(0, Requete.find("\r\n")));
        }
        ::send(C, reponse_.data(), reponse_.size(), MSG_NOSIGNAL);
        ::close(C);
    }
}

int PortLibre()
{
    int Port = 0;
    const int S = Ecoute(Port);
    ::close(S);
    return Port;
}

} // namespace testsupport
