#include "acquire/OpisGreske.h"

#include <curl/curl.h>

namespace velkor {

namespace {

struct OpisKoda {
    CURLcode kôd;
    const char* opis;
};

// libcurl's results as the user is told them; any other is "Greška u mreži".
constexpr OpisKoda Opisi[] = {
    {CURLE_COULDNT_RESOLVE_HOST, "Udaljena adresa nije pronađena"},
    {CURLE_COULDNT_RESOLVE_PROXY, "Adresa proxy poslužitelja nije pronađena"},
    {CURLE_COULDNT_CONNECT, "Udaljeno računalo je odbilo vezu ili nije dostupno"},
    {CURLE_OPERATION_TIMEDOUT, "Isteklo je vrijeme za odgovor udaljenog računala"},
    {CURLE_GOT_NOTHING, "Udaljeno računalo je prekinulo vezu prije odgovora"},
    {CURLE_PARTIAL_FILE, "Udaljeno računalo je prekinulo vezu prije kraja prijenosa"},
    {CURLE_RECV_ERROR, "Greška pri primanju podataka"},
    {CURLE_SEND_ERROR, "Greška pri slanju zahtjeva"},
    {CURLE_PEER_FAILED_VERIFICATION,
     "Sigurna veza nije uspostavljena: certifikat poslužitelja nije valjan"},
    {CURLE_SSL_CONNECT_ERROR, "Sigurna veza nije uspostavljena"},
    {CURLE_SSL_CACERT_BADFILE, "Popis pouzdanih izdavatelja certifikata nije učitan"},
    {CURLE_WEIRD_SERVER_REPLY, "Neispravan odgovor poslužitelja"},
    {CURLE_UNSUPPORTED_PROTOCOL, "Neispravan odgovor poslužitelja"},
    {CURLE_HTTP2, "Neispravan odgovor poslužitelja"},
    {CURLE_HTTP2_STREAM, "Neispravan odgovor poslužitelja"},
    {CURLE_BAD_CONTENT_ENCODING, "Neispravan odgovor poslužitelja"},
    {CURLE_PROXY, "Greška proxy poslužitelja"},
    {CURLE_LOGIN_DENIED, "Prijava nije prihvaćena"},
    {CURLE_OUT_OF_MEMORY, "Nema dovoljno memorije"},
};

} // namespace

QString OpisStatusa(int status, const QString& razlog) {
    QString opis = QStringLiteral("HTTP status ") + QString::number(status);
    if (!razlog.isEmpty())
        opis += QLatin1Char(' ') + razlog;
    return opis;
}

QString OpisGreškeCurla(int kôd, const QString& detalj) {
    QString opis = QStringLiteral("Greška u mreži");
    for (const OpisKoda& o : Opisi)
        if (o.kôd == kôd)
            opis = QString::fromUtf8(o.opis);
    return opis + QStringLiteral(" (") + detalj + QLatin1Char(')');
}

QString OpisPrekinuteVeze(qint64 primljeno, qint64 najavljeno) {
    QString koliko = QStringLiteral("primljeno ") + QString::number(primljeno);
    if (najavljeno >= 0)
        koliko += QStringLiteral(" od ") + QString::number(najavljeno) + QStringLiteral(" bajtova");
    else
        koliko += QStringLiteral(" bajtova, kraj podataka nije stigao");
    return OpisGreškeCurla(CURLE_PARTIAL_FILE, koliko);
}

QString OpisPrevišePreusmjeravanja(int najviše) {
    return QStringLiteral("Previše preusmjeravanja (više od ") + QString::number(najviše) +
           QLatin1Char(')');
}

QString OpisPreusmjeravanjaNaHttp(const QString& adresa) {
    return QStringLiteral("Preusmjeravanje sa sigurne veze (https) na nesigurnu (http) nije "
                          "dopušteno (") +
           adresa + QLatin1Char(')');
}

QString OpisNeispravnogPreusmjeravanja(const QString& adresa) {
    return QStringLiteral("Neispravno preusmjeravanje (") + adresa + QLatin1Char(')');
}

QString OpisPrijaveNaProxy() {
    return QStringLiteral(
        "Proxy poslužitelj traži korisničko ime i lozinku: nisu zadani ili nisu prihvaćeni");
}

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava) {
    return QStringLiteral("Nije moguće zapisati datoteku ") + put + QStringLiteral(" (") +
           opisSustava + QLatin1Char(')');
}

QString OpisZastoja(int zastojMs) {
    return QStringLiteral("Prijenos je zastao: ništa nije primljeno ") +
           QString::number((zastojMs + 999) / 1000) + QStringLiteral(" s");
}

QString OpisSporogPrijenosa(long najmanjaBrzina, int zastojMs) {
    return QStringLiteral("Prijenos je prespor: manje od ") + QString::number(najmanjaBrzina) +
           QStringLiteral(" bajtova u sekundi kroz ") + QString::number((zastojMs + 999) / 1000) +
           QStringLiteral(" s");
}

QString OpisPrevelikog(qint64 najviše) {
    return QStringLiteral("Poslužitelj šalje više od ") + QString::number(najviše) +
           QStringLiteral(" bajtova, koliko datoteka smije imati; prijenos je prekinut");
}

} // namespace velkor
