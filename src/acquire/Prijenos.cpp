#include "acquire/Prijenos.h"

#include "acquire/DatotekaUNastajanju.h"
#include "acquire/MrezniPristup.h"
#include "acquire/OpisGreske.h"
#include "acquire/PetljaCurla.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstring>

namespace velkor {

namespace {

using Vrsta = IshodPrijenosa::Vrsta;

// What libcurl reads from a plain socket at once and hands on in one piece.
constexpr long VeličinaMeđuspremnika = 256 * 1024;

QString adresa(CURL* easy) {
    char* url = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &url);
    return QString::fromUtf8(url);
}

// One transfer's state, reached from libcurl's callbacks.
struct Razmjena {
    Razmjena(CURL* easy, const QString& cilj, const PostavkePrijenosa& p, const TijekPrijenosa& t)
        : easy(easy), datoteka(cilj), postavke(p), tijek(t) {}

    CURL* easy;
    DatotekaUNastajanju datoteka;
    const PostavkePrijenosa& postavke;
    const TijekPrijenosa& tijek;
    QEventLoop petlja;
    QElapsedTimer tišina;
    QByteArray statusnaLinija;
    bool odgovorJavljen = false;
    bool bilaSigurna = false;
    bool zahtjevPoslan = false;
    qint64 primljeno = 0;
    qint64 najavljeno = -1;
    // Ended by us rather than by libcurl: a status, the file, a stall.
    std::optional<IshodPrijenosa> prekid;
    char greška[CURL_ERROR_SIZE] = {};

    void postavi();
    IshodPrijenosa izvrši(PetljaCurla& petljaCurla);
    int zahtjev();
    size_t zaglavlje(const char* podaci, size_t dužina);
    size_t piši(const char* podaci, size_t dužina);
    std::optional<IshodPrijenosa> provjeriStatus() const;
    IshodPrijenosa ishodGreške(CURLcode kôd) const;
    IshodPrijenosa dovrši();
};

void Razmjena::postavi() {
    const auto set = [this](CURLoption opcija, auto vrijednost) {
        curl_easy_setopt(easy, opcija, vrijednost);
    };
    set(CURLOPT_BUFFERSIZE, VeličinaMeđuspremnika);
    // A server that drips keeps the stall check quiet; libcurl measures the speed.
    set(CURLOPT_LOW_SPEED_LIMIT, postavke.najmanjaBrzina);
    set(CURLOPT_LOW_SPEED_TIME, long(qMax(1, (postavke.zastojMs + 999) / 1000)));
    set(CURLOPT_ERRORBUFFER, greška);
    set(CURLOPT_PREREQDATA, this);
    set(CURLOPT_HEADERDATA, this);
    set(CURLOPT_WRITEDATA, this);
    set(
        CURLOPT_PREREQFUNCTION,
        +[](void* r, char*, char*, int, int) { return static_cast<Razmjena*>(r)->zahtjev(); });
    set(
        CURLOPT_HEADERFUNCTION, +[](char* podaci, size_t, size_t dužina, void* r) {
            return static_cast<Razmjena*>(r)->zaglavlje(podaci, dužina);
        });
    set(
        CURLOPT_WRITEFUNCTION, +[](char* podaci, size_t, size_t dužina, void* r) {
            return static_cast<Razmjena*>(r)->piši(podaci, dužina);
        });
}

IshodPrijenosa Razmjena::izvrši(PetljaCurla& petljaCurla) {
    // Activity only stamps the time; a coarse check looks at it now and then.
    QTimer provjera;
    provjera.setInterval(qMax(postavke.zastojMs / 4, 10));
    QObject::connect(&provjera, &QTimer::timeout, &petlja, [this] {
        if (!tišina.hasExpired(postavke.zastojMs))
            return;
        prekid = {Vrsta::Zastoj, OpisZastoja(postavke.zastojMs)};
        petlja.quit();
    });
    tišina.start();
    provjera.start();
    const std::optional<CURLcode> kôd = petljaCurla.Izvrši(easy, petlja);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
    if (prekid)
        return *prekid;
    if (kôd != CURLE_OK)
        return ishodGreške(kôd.value_or(CURLE_ABORTED_BY_CALLBACK));
    if (const auto status = provjeriStatus())
        return *status;
    return dovrši();
}

int Razmjena::zahtjev() {
    tišina.start();
    const QString url = adresa(easy);
    const bool sigurna = url.startsWith(QLatin1String("https:"));
    // Up to https and then down again would be as bad as the first step down.
    if (bilaSigurna && !sigurna) {
        prekid = {Vrsta::GreskaMreze, OpisPreusmjeravanjaNaHttp(url)};
        return CURL_PREREQFUNC_ABORT;
    }
    bilaSigurna = sigurna;
    odgovorJavljen = false;
    zahtjevPoslan = true;
    if (tijek.zahtjevPoslan)
        tijek.zahtjevPoslan();
    return CURL_PREREQFUNC_OK;
}

size_t Razmjena::zaglavlje(const char* podaci, size_t dužina) {
    tišina.start();
    if (dužina >= 5 && std::memcmp(podaci, "HTTP/", 5) == 0) {
        statusnaLinija = QByteArray(podaci, qsizetype(dužina)).trimmed();
        if (!odgovorJavljen && tijek.odgovorStiže)
            tijek.odgovorStiže();
        odgovorJavljen = true;
    }
    return dužina;
}

// A body that reaches us is the final response's: libcurl skips those of the
// redirects it follows. One that is no success ends the transfer unwritten.
size_t Razmjena::piši(const char* podaci, size_t dužina) {
    tišina.start();
    if (!datoteka.Otvorena()) {
        if ((prekid = provjeriStatus()))
            return 0;
        curl_off_t duljina = -1;
        curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &duljina);
        najavljeno = duljina;
        if (tijek.podaciStižu)
            tijek.podaciStižu();
    }
    // Nothing beyond what the file may have reaches the disk; a longer length
    // announced ends it at once.
    if (postavke.najviše >= 0 &&
        (primljeno + qint64(dužina) > postavke.najviše || najavljeno > postavke.najviše)) {
        prekid = {Vrsta::Prevelik, OpisPrevelikog(postavke.najviše)};
        return 0;
    }
    if (!(datoteka.Otvorena() || datoteka.Otvori()) || !datoteka.Piši(podaci, qint64(dužina))) {
        prekid = {Vrsta::GreskaDatoteke, datoteka.Greška()};
        return 0;
    }
    primljeno += qint64(dužina);
    if (tijek.zapisano)
        tijek.zapisano(primljeno, najavljeno);
    return dužina;
}

std::optional<IshodPrijenosa> Razmjena::provjeriStatus() const {
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status == 407)
        return IshodPrijenosa{Vrsta::ProxyPrijava, OpisPrijaveNaProxy()};
    if (status >= 200 && status <= 299)
        return std::nullopt;
    // "HTTP/1.1 404 Not Found": the words after the code.
    const QString razlog = QString::fromLatin1(statusnaLinija).section(QLatin1Char(' '), 2);
    return IshodPrijenosa{Vrsta::StatusHttp, OpisStatusa(int(status), razlog)};
}

IshodPrijenosa Razmjena::ishodGreške(CURLcode kôd) const {
    long tunel = 0, preusmjereno = 0;
    curl_easy_getinfo(easy, CURLINFO_HTTP_CONNECTCODE, &tunel);
    curl_easy_getinfo(easy, CURLINFO_REDIRECT_COUNT, &preusmjereno);
    if (tunel == 407)
        return {Vrsta::ProxyPrijava, OpisPrijaveNaProxy()};
    // Once the request is out, only the speed check runs out of time.
    if (kôd == CURLE_OPERATION_TIMEDOUT && zahtjevPoslan)
        return {Vrsta::Zastoj,
                tišina.hasExpired(postavke.zastojMs / 2)
                    ? OpisZastoja(postavke.zastojMs)
                    : OpisSporogPrijenosa(postavke.najmanjaBrzina, postavke.zastojMs)};
    if (kôd == CURLE_PARTIAL_FILE)
        return {Vrsta::GreskaMreze, OpisPrekinuteVeze(primljeno, najavljeno)};
    if (kôd == CURLE_TOO_MANY_REDIRECTS)
        return {Vrsta::GreskaMreze, OpisPrevišePreusmjeravanja(NajvišePreusmjeravanja)};
    if (kôd == CURLE_UNSUPPORTED_PROTOCOL && preusmjereno > 0) {
        // Led to a scheme this engine may not follow.
        const QString kamo = adresa(easy);
        return {Vrsta::GreskaMreze, kamo.startsWith(QLatin1String("http:"))
                                        ? OpisPreusmjeravanjaNaHttp(kamo)
                                        : OpisNeispravnogPreusmjeravanja(kamo)};
    }
    const bool nedostupan = kôd == CURLE_COULDNT_RESOLVE_HOST || kôd == CURLE_COULDNT_CONNECT ||
                            kôd == CURLE_COULDNT_RESOLVE_PROXY ||
                            (kôd == CURLE_OPERATION_TIMEDOUT && !zahtjevPoslan);
    return {Vrsta::GreskaMreze,
            OpisGreškeCurla(kôd, QString::fromUtf8(greška[0] ? greška : curl_easy_strerror(kôd))),
            nedostupan};
}

IshodPrijenosa Razmjena::dovrši() {
    if (!datoteka.Otvorena() && !postavke.praznoTijeloJeDatoteka)
        return {Vrsta::PraznoTijelo, {}};
    if (!(datoteka.Otvorena() || datoteka.Otvori()) || !datoteka.Zamijeni())
        return {Vrsta::GreskaDatoteke, datoteka.Greška()};
    return {};
}

} // namespace

Preuzimač::Preuzimač(QString dodatniCa)
    : mreža(std::make_unique<MrežniPristup>(std::move(dodatniCa))),
      petlja(std::make_unique<PetljaCurla>()) {}

Preuzimač::~Preuzimač() = default;

IshodPrijenosa Preuzimač::Preuzmi(const QUrl& url, const QString& lokalniPut,
                                  const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek) {
    CURL* easy = petlja->Uzmi();
    if (!easy)
        return {Vrsta::GreskaMreze, OpisGreškeCurla(CURLE_FAILED_INIT, QStringLiteral("curl"))};
    Razmjena razmjena(easy, lokalniPut, postavke, tijek);
    mreža->Postavi(easy, url);
    razmjena.postavi();
    const IshodPrijenosa ishod = razmjena.izvrši(*petlja);
    petlja->Vrati(easy);
    return ishod;
}

} // namespace velkor
