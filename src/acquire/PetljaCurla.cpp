#include "acquire/PetljaCurla.h"

#include <QEventLoop>

namespace velkor {

PetljaCurla::PetljaCurla() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &PetljaCurla::promjenaUtičnice);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &PetljaCurla::promjenaVremena);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    vrijeme.setSingleShot(true);
    QObject::connect(&vrijeme, &QTimer::timeout, [this] { djeluj(CURL_SOCKET_TIMEOUT, 0); });
}

PetljaCurla::~PetljaCurla() {
    for (CURL* easy : svi)
        curl_easy_cleanup(easy);
    // Closes the connections kept for later.
    curl_multi_cleanup(multi);
    curl_global_cleanup();
}

CURL* PetljaCurla::Uzmi() {
    if (!slobodni.empty()) {
        CURL* easy = slobodni.back();
        slobodni.pop_back();
        return easy;
    }
    CURL* easy = curl_easy_init();
    if (easy)
        svi.push_back(easy);
    return easy;
}

void PetljaCurla::Vrati(CURL* easy) {
    if (easy)
        slobodni.push_back(easy);
}

std::optional<CURLcode> PetljaCurla::Izvrši(CURL* easy, QEventLoop& petlja) {
    otpad.clear();
    Tekući t{easy, &petlja, std::nullopt};
    if (curl_multi_add_handle(multi, easy) != CURLM_OK)
        return CURLE_FAILED_INIT;
    tekući.append(&t);
    petlja.exec();
    tekući.removeOne(&t);
    // The connection stays with the multi handle for the next file.
    curl_multi_remove_handle(multi, easy);
    return t.kôd;
}

int PetljaCurla::promjenaUtičnice(CURL*, curl_socket_t s, int što, void* ja, void*) {
    static_cast<PetljaCurla*>(ja)->prati(s, što);
    return 0;
}

int PetljaCurla::promjenaVremena(CURLM*, long ms, void* ja) {
    auto& petlja = *static_cast<PetljaCurla*>(ja);
    if (ms < 0)
        petlja.vrijeme.stop();
    else
        petlja.vrijeme.start(int(ms));
    return 0;
}

void PetljaCurla::prati(curl_socket_t s, int što) {
    Utičnica& u = utičnice[s];
    const auto postavi = [&](std::unique_ptr<QSocketNotifier>& n, QSocketNotifier::Type vrsta,
                             bool treba, int događaj) {
        if (treba && !n) {
            n = std::make_unique<QSocketNotifier>(qintptr(s), vrsta);
            QObject::connect(n.get(), &QSocketNotifier::activated,
                             [this, s, događaj] { djeluj(s, događaj); });
        } else if (!treba && n) {
            n->setEnabled(false);
            otpad.push_back(std::move(n));
        }
    };
    const bool ostaje = što != CURL_POLL_REMOVE;
    postavi(u.čitanje, QSocketNotifier::Read, ostaje && (što & CURL_POLL_IN), CURL_CSELECT_IN);
    postavi(u.pisanje, QSocketNotifier::Write, ostaje && (što & CURL_POLL_OUT), CURL_CSELECT_OUT);
    if (!ostaje)
        utičnice.erase(s);
}

void PetljaCurla::djeluj(curl_socket_t s, int događaj) {
    int rade = 0;
    curl_multi_socket_action(multi, s, događaj, &rade);
    pokupiGotove();
}

void PetljaCurla::pokupiGotove() {
    int ostalo = 0;
    while (CURLMsg* poruka = curl_multi_info_read(multi, &ostalo)) {
        if (poruka->msg != CURLMSG_DONE)
            continue;
        for (Tekući* t : tekući)
            if (t->easy == poruka->easy_handle && !t->kôd) {
                t->kôd = poruka->data.result;
                t->petlja->quit();
            }
    }
}

} // namespace velkor
