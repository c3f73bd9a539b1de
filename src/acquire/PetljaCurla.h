#pragma once
// libcurl's multi interface on the calling thread's own event loop: its sockets
// watched by socket notifiers, its time-outs by a timer. A transfer that waits
// for the network costs nothing, and the window's events go on meanwhile.
#include <QList>
#include <QSocketNotifier>
#include <QTimer>
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

    // A handle for one transfer: one used before when there is one free, so
    // that its settings and its TLS sessions go on serving.
    CURL* Uzmi();
    void Vrati(CURL* easy);

    // Runs the transfer inside petlja until it ends; nullopt when the caller
    // quit petlja first, which abandons the transfer.
    std::optional<CURLcode> Izvrši(CURL* easy, QEventLoop& petlja);

private:
    struct Utičnica {
        std::unique_ptr<QSocketNotifier> čitanje, pisanje;
    };
    struct Tekući {
        CURL* easy;
        QEventLoop* petlja;
        std::optional<CURLcode> kôd;
    };

    static int promjenaUtičnice(CURL*, curl_socket_t s, int što, void* ja, void*);
    static int promjenaVremena(CURLM*, long ms, void* ja);
    void prati(curl_socket_t s, int što);
    void djeluj(curl_socket_t s, int događaj);
    void pokupiGotove();

    CURLM* multi;
    QTimer vrijeme;
    std::map<curl_socket_t, Utičnica> utičnice;
    // Notifiers let go while one of them may still be signalling; freed later.
    std::vector<std::unique_ptr<QSocketNotifier>> otpad;
    QList<Tekući*> tekući;
    std::vector<CURL*> slobodni, svi;
};

} // namespace velkor
