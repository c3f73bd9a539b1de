#include "acquire/PetljaCurla.h"

#include <QEventLoop>

namespace velkor {

PetljaCurla::PetljaCurla() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(
        multi, CURLMOPT_SOCKETFUNCTION, +[](CURL*, curl_socket_t s, int što, void* ja, void*) {
            static_cast<PetljaCurla*>(ja)->prati(s, što);
            return 0;
        });
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, &vrijeme);
    curl_multi_setopt(
        multi, CURLMOPT_TIMERFUNCTION, +[](CURLM*, long ms, void* sat) {
            ms < 0 ? static_cast<QTimer*>(sat)->stop() : static_cast<QTimer*>(sat)->start(int(ms));
            return 0;
        });
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
    if (slobodni.empty()) {
        CURL* easy = curl_easy_init();
        if (easy)
            svi.push_back(easy);
        return easy;
    }
    CURL* easy = slobodni.back();
    slobodni.pop_back();
    return easy;
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

void PetljaCurla::prati(curl_socket_t s, int što) {
    Obavijesti& o = utičnice[s];
    const int događaji[] = {CURL_CSELECT_IN, CURL_CSELECT_OUT};
    for (int i : {0, 1}) {
        const bool treba = što != CURL_POLL_REMOVE && (što & (i ? CURL_POLL_OUT : CURL_POLL_IN));
        if (treba && !o[i]) {
            o[i] = std::make_unique<QSocketNotifier>(qintptr(s), i ? QSocketNotifier::Write
                                                                   : QSocketNotifier::Read);
            QObject::connect(o[i].get(), &QSocketNotifier::activated,
                             [this, s, d = događaji[i]] { djeluj(s, d); });
        } else if (!treba && o[i]) {
            o[i]->setEnabled(false);
            otpad.push_back(std::move(o[i]));
        }
    }
    if (što == CURL_POLL_REMOVE)
        utičnice.erase(s);
}

void PetljaCurla::djeluj(curl_socket_t s, int događaj) {
    int rade = 0;
    curl_multi_socket_action(multi, s, događaj, &rade);
    int ostalo = 0;
    while (CURLMsg* poruka = curl_multi_info_read(multi, &ostalo))
        for (Tekući* t : tekući)
            if (poruka->msg == CURLMSG_DONE && t->easy == poruka->easy_handle) {
                t->kôd = poruka->data.result;
                t->petlja->quit();
            }
}

} // namespace velkor
