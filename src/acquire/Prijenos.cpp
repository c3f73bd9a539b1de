#include "acquire/Prijenos.h"

#include "acquire/DatotekaUNastajanju.h"
#include "acquire/MreznaVeza.h"
#include "acquire/OpisGreske.h"
#include "acquire/PetljaCurla.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <cstring>

namespace velkor {

namespace {

// What libcurl reads from a plain socket at once and hands on in one piece.
constexpr long VeličinaMeđuspremnika = 256 * 1024;

const QByteArray KorisničkiAgent =
    QByteArrayLiteral("VelkorZideZizodu22/") + QByteArray::number(VELKOR_VER_GL) + '.' +
    QByteArray::number(VELKOR_VER_POM) + '.' + QByteArray::number(VELKOR_VER_REV);

// The bytes on disk must be the server's bytes: no content coding.
char Identitet[] = "Accept-Encoding: identity";
curl_slist Zaglavlja{Identitet, nullptr};

bool jeUspjeh(long status) {
    return status >= 200 && status <= 299;
}

// One transfer's state, reached from libcurl's callbacks.
class Razmjena {
public:
    Razmjena(CURL* easy, const QString& lokalniPut, const PostavkePrijenosa& postavke,
             const TijekPrijenosa& tijek)
        : easy(easy), datoteka(lokalniPut), postavke(postavke), tijek(tijek) {}
    ~Razmjena() { curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr); }

    void Postavi(const QUrl& url);
    IshodPrijenosa Izvrši(PetljaCurla& petljaCurla);

private:
    static int prijeZahtjeva(void* ja, char*, char*, int, int);
    static size_t zaglavlje(char* podaci, size_t, size_t dužina, void* ja);
    static size_t tijelo(char* podaci, size_t, size_t dužina, void* ja);
    int zahtjev();
    size_t piši(const char* podaci, size_t dužina);
    std::optional<IshodPrijenosa> provjeriStatus() const;
    IshodPrijenosa ishodGreške(CURLcode kôd) const;
    IshodPrijenosa dovrši();

    CURL* easy;
    DatotekaUNastajanju datoteka;
    const PostavkePrijenosa& postavke;
    const TijekPrijenosa& tijek;
    QEventLoop petlja;
    QElapsedTimer tišina;
    QByteArray statusnaLinija;
    bool odgovorJavljen = false;
    bool bilaSigurna = false;
    qint64 primljeno = 0;
    qint64 najavljeno = -1;
    // Ended by us rather than by libcurl: a status, the file, a stall.
    std::optional<IshodPrijenosa> prekid;
    char greška[CURL_ERROR_SIZE] = {};
};

void Razmjena::Postavi(const QUrl& url) {
    curl_easy_setopt(easy, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    const bool sigurna = url.scheme() == QLatin1String("https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, sigurna ? "https" : "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(NajvišePreusmjeravanja));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, KorisničkiAgent.constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, &Zaglavlja);
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, VeličinaMeđuspremnika);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, greška);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Razmjena::prijeZahtjeva);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, this);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Razmjena::zaglavlje);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Razmjena::tijelo);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
}

IshodPrijenosa Razmjena::Izvrši(PetljaCurla& petljaCurla) {
    // Activity only stamps the time; a coarse check looks at it now and then.
    QTimer provjera;
    provjera.setInterval(qMax(postavke.zastojMs / 4, 10));
    QObject::connect(&provjera, &QTimer::timeout, &petlja, [this] {
        if (!tišina.hasExpired(postavke.zastojMs))
            return;
        prekid = {IshodPrijenosa::Vrsta::Zastoj, OpisZastoja(postavke.zastojMs)};
        petlja.quit();
    });
    tišina.start();
    provjera.start();
    const std::optional<CURLcode> kôd = petljaCurla.Izvrši(easy, petlja);
    if (prekid)
        return *prekid;
    if (kôd != CURLE_OK)
        return ishodGreške(kôd.value_or(CURLE_ABORTED_BY_CALLBACK));
    if (const auto status = provjeriStatus())
        return *status;
    return dovrši();
}

int Razmjena::prijeZahtjeva(void* ja, char*, char*, int, int) {
    return static_cast<Razmjena*>(ja)->zahtjev();
}

int Razmjena::zahtjev() {
    tišina.start();
    char* adresa = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &adresa);
    const bool sigurna = adresa && std::strncmp(adresa, "https:", 6) == 0;
    // Up to https and then down again would be as bad as the first step down.
    if (bilaSigurna && !sigurna) {
        prekid = {IshodPrijenosa::Vrsta::GreskaMreze,
                  OpisPreusmjeravanjaNaHttp(QString::fromUtf8(adresa))};
        return CURL_PREREQFUNC_ABORT;
    }
    bilaSigurna = sigurna;
    odgovorJavljen = false;
    if (tijek.zahtjevPoslan)
        tijek.zahtjevPoslan();
    return CURL_PREREQFUNC_OK;
}

size_t Razmjena::zaglavlje(char* podaci, size_t, size_t dužina, void* ja) {
    auto& r = *static_cast<Razmjena*>(ja);
    r.tišina.start();
    if (dužina >= 5 && std::memcmp(podaci, "HTTP/", 5) == 0) {
        r.statusnaLinija = QByteArray(podaci, qsizetype(dužina)).trimmed();
        if (!r.odgovorJavljen && r.tijek.odgovorStiže)
            r.tijek.odgovorStiže();
        r.odgovorJavljen = true;
    }
    return dužina;
}

size_t Razmjena::tijelo(char* podaci, size_t, size_t dužina, void* ja) {
    return static_cast<Razmjena*>(ja)->piši(podaci, dužina);
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
        if (!datoteka.Otvori()) {
            prekid = {IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška()};
            return 0;
        }
    }
    if (!datoteka.Piši(podaci, qint64(dužina))) {
        prekid = {IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška()};
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
        return IshodPrijenosa{IshodPrijenosa::Vrsta::ProxyPrijava, OpisPrijaveNaProxy()};
    if (jeUspjeh(status))
        return std::nullopt;
    // "HTTP/1.1 404 Not Found": the words after the code.
    const QString razlog = QString::fromLatin1(statusnaLinija).section(QLatin1Char(' '), 2);
    return IshodPrijenosa{IshodPrijenosa::Vrsta::StatusHttp, OpisStatusa(int(status), razlog)};
}

IshodPrijenosa Razmjena::ishodGreške(CURLcode kôd) const {
    using Vrsta = IshodPrijenosa::Vrsta;
    long tunel = 0, preusmjereno = 0;
    curl_easy_getinfo(easy, CURLINFO_HTTP_CONNECTCODE, &tunel);
    curl_easy_getinfo(easy, CURLINFO_REDIRECT_COUNT, &preusmjereno);
    if (tunel == 407)
        return {Vrsta::ProxyPrijava, OpisPrijaveNaProxy()};
    if (kôd == CURLE_PARTIAL_FILE)
        return {Vrsta::GreskaMreze, OpisPrekinuteVeze(primljeno, najavljeno)};
    if (kôd == CURLE_TOO_MANY_REDIRECTS)
        return {Vrsta::GreskaMreze, OpisPrevišePreusmjeravanja(NajvišePreusmjeravanja)};
    if (kôd == CURLE_UNSUPPORTED_PROTOCOL && preusmjereno > 0) {
        // Led to a scheme this engine may not follow.
        char* adresa = nullptr;
        curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &adresa);
        const QString kamo = QString::fromUtf8(adresa);
        return {Vrsta::GreskaMreze, kamo.startsWith(QLatin1String("http:"))
                                        ? OpisPreusmjeravanjaNaHttp(kamo)
                                        : OpisNeispravnogPreusmjeravanja(kamo)};
    }
    const QString detalj = QString::fromUtf8(greška[0] ? greška : curl_easy_strerror(kôd));
    return {Vrsta::GreskaMreze, OpisGreškeCurla(kôd, detalj)};
}

IshodPrijenosa Razmjena::dovrši() {
    if (!datoteka.Otvorena()) {
        if (!postavke.praznoTijeloJeDatoteka)
            return {IshodPrijenosa::Vrsta::PraznoTijelo, {}};
        if (!datoteka.Otvori())
            return {IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška()};
    }
    if (!datoteka.Zamijeni())
        return {IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška()};
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
        return {IshodPrijenosa::Vrsta::GreskaMreze,
                OpisGreškeCurla(CURLE_FAILED_INIT, QStringLiteral("curl_easy_init"))};
    IshodPrijenosa ishod;
    {
        Razmjena razmjena(easy, lokalniPut, postavke, tijek);
        razmjena.Postavi(url);
        mreža->Postavi(easy, url);
        ishod = razmjena.Izvrši(*petlja);
    }
    petlja->Vrati(easy);
    return ishod;
}

} // namespace velkor
