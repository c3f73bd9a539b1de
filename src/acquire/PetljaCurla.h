#pragma once
// libcurl's multi interface on the calling thread's own event loop: its sockets
// watched by socket notifiers, its time-outs by a timer. A transfer that waits
// for the network costs nothing, and the window's events go on meanwhile.
#include <QList>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <curl/curl.h>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;

namespace velkor {

class PetljaCurla {
public:
    PetljaCurla();
    ~PetljaCurla();
    PetljaCurla(const PetljaCurla&) = delete;
    PetljaCurla& operator=(const PetljaCurla&) = delete;

    // A handle for one transfer: one used before when one is free, so that its
    // TLS sessions go on serving. A transfer started while another one runs
    // (from the window's events) gets one of its own.
    CURL* Uzmi();
    void Vrati(CURL* easy) { slobodni.push_back(easy); }

    // Runs the transfer inside petlja until it ends; nullopt when the caller
    // quit petlja first, which abandons the transfer.
    std::optional<CURLcode> Izvrši(CURL* easy, QEventLoop& petlja);

private:
    struct Tekući {
        CURL* easy;
        QEventLoop* petlja;
        std::optional<CURLcode> kôd;
    };
    using Obavijesti = std::array<std::unique_ptr<QSocketNotifier>, 2>; // reading, writing

    void prati(curl_socket_t s, int što);
    void djeluj(curl_socket_t s, int događaj);

    CURLM* multi;
    QTimer vrijeme;
    std::map<curl_socket_t, Obavijesti> utičnice;
    // Let go of while one of them may still be signalling; freed later.
    std::vector<std::unique_ptr<QSocketNotifier>> otpad;
    QList<Tekući*> tekući;
    std::vector<CURL*> slobodni, svi;
};

} // namespace velkor
