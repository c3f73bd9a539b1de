#include "acquire/RazmjenaHttp.h"

#include "acquire/CitacOdgovora.h"
#include "acquire/DatotekaUNastajanju.h"
#include "acquire/MreznaVeza.h"
#include "acquire/OpisGreske.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>
#include <optional>

namespace velkor {

namespace {

// One read from the socket, one write to the file.
constexpr qint64 VeličinaKomada = 256 * 1024;

bool jeUspjeh(int status) {
    return status >= 200 && status <= 299;
}

class Razmjena {
public:
    Razmjena(MrežniPristup& mreža, const QUrl& url, DatotekaUNastajanju& datoteka,
             const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek)
        : veza(mreža.Pripremi(url)), datoteka(datoteka), postavke(postavke), tijek(tijek),
          komad(VeličinaKomada, Qt::Uninitialized) {}

    KrajRazmjene Izvrši();

private:
    void spojeno();
    void poslano();
    void primi();
    void primiKasnije();
    void obradi(const char* podaci, qint64 dužina);
    bool zaglavlja();
    bool piši(const char* podaci, qint64 dužina);
    void krajVeze();
    void greškaUtičnice(QAbstractSocket::SocketError greška);
    void završi(IshodPrijenosa::Vrsta vrsta, const QString& opis);

    PripremljenaVeza veza;
    DatotekaUNastajanju& datoteka;
    const PostavkePrijenosa& postavke;
    const TijekPrijenosa& tijek;
    QEventLoop petlja;
    QElapsedTimer tišina;
    ČitačOdgovora čitač;
    const ČitačOdgovora::Izlaz izlaz = [this](const char* p, qint64 n) { return piši(p, n); };
    QByteArray komad;
    QList<QSslError> greškeCertifikata;
    std::optional<IshodPrijenosa> kraj;
    bool zahtjevJavljen = false;
    bool čitanjeNaČekanju = false;
};

KrajRazmjene Razmjena::Izvrši() {
    QTcpSocket& utičnica = *veza.utičnica;
    // Activity only stamps the time; a coarse check looks at it now and then,
    // so a busy transfer does not restart a timer for every piece it receives.
    QTimer provjera;
    provjera.setInterval(qMax(postavke.zastojMs / 4, 10));
    QObject::connect(&provjera, &QTimer::timeout, &petlja, [this] {
        if (tišina.hasExpired(postavke.zastojMs))
            završi(IshodPrijenosa::Vrsta::Zastoj, OpisZastoja(postavke.zastojMs));
    });
    QObject::connect(&utičnica, &QAbstractSocket::readyRead, &petlja, [this] {
        if (veza.šifrirano)
            primiKasnije();
        else
            primi();
    });
    QObject::connect(&utičnica, &QAbstractSocket::bytesWritten, &petlja, [this] { poslano(); });
    QObject::connect(&utičnica, &QAbstractSocket::disconnected, &petlja, [this] { krajVeze(); });
    QObject::connect(&utičnica, &QAbstractSocket::errorOccurred, &petlja,
                     [this](QAbstractSocket::SocketError greška) { greškaUtičnice(greška); });
    tišina.start();
    provjera.start();
    if (veza.šifrirano) {
        auto& tls = static_cast<QSslSocket&>(utičnica);
        QObject::connect(&tls, &QSslSocket::encrypted, &petlja, [this] { spojeno(); });
        // Only kept for the message: the handshake fails on them by itself.
        QObject::connect(&tls, &QSslSocket::sslErrors, &petlja,
                         [this](const QList<QSslError>& greške) { greškeCertifikata = greške; });
        tls.connectToHostEncrypted(veza.domaćin, veza.port, veza.imeZaCertifikat);
    } else {
        QObject::connect(&utičnica, &QAbstractSocket::connected, &petlja, [this] { spojeno(); });
        utičnica.connectToHost(veza.domaćin, veza.port);
    }
    if (!kraj)
        petlja.exec();
    provjera.stop();
    return {*kraj, čitač.Status(), čitač.Zaglavlje("location")};
}

void Razmjena::spojeno() {
    tišina.start();
    veza.utičnica->write(veza.zahtjev);
}

void Razmjena::poslano() {
    tišina.start();
    if (zahtjevJavljen || veza.utičnica->bytesToWrite() > 0)
        return;
    zahtjevJavljen = true;
    if (tijek.zahtjevPoslan)
        tijek.zahtjevPoslan();
}

// A TLS socket announces every 4 kB it decrypts: what it decrypts in one go
// is read in one go, once it is done.
void Razmjena::primiKasnije() {
    if (čitanjeNaČekanju)
        return;
    čitanjeNaČekanju = true;
    QMetaObject::invokeMethod(
        &petlja,
        [this] {
            čitanjeNaČekanju = false;
            primi();
        },
        Qt::QueuedConnection);
}

void Razmjena::primi() {
    tišina.start();
    // No read beyond what is there: on a TLS socket every read asks for more
    // decrypting later, and an empty one would only add to that.
    QTcpSocket& utičnica = *veza.utičnica;
    while (!kraj && utičnica.bytesAvailable() > 0) {
        const qint64 pročitano =
            utičnica.read(komad.data(), qMin(utičnica.bytesAvailable(), qint64(komad.size())));
        if (pročitano <= 0)
            break;
        obradi(komad.constData(), pročitano);
    }
}

void Razmjena::obradi(const char* podaci, qint64 dužina) {
    const qint64 prije = čitač.PrimljenoTijela();
    while (dužina > 0 && !kraj && !čitač.Gotov()) {
        const bool bezZaglavlja = !čitač.ZaglavljaStigla();
        const qint64 uzeto = čitač.Primi(podaci, dužina, izlaz);
        if (uzeto < 0) {
            // Unless the file refused the bytes, the response is at fault.
            if (!kraj)
                završi(IshodPrijenosa::Vrsta::GreskaMreze, OpisNeispravnogOdgovora(čitač.Greška()));
            return;
        }
        podaci += uzeto;
        dužina -= uzeto;
        if (bezZaglavlja && čitač.ZaglavljaStigla() && !zaglavlja())
            return;
    }
    if (čitač.PrimljenoTijela() != prije && tijek.zapisano)
        tijek.zapisano(čitač.PrimljenoTijela(), čitač.Najavljeno());
    if (čitač.Gotov())
        završi(IshodPrijenosa::Vrsta::Uspjeh, {});
}

bool Razmjena::zaglavlja() {
    if (tijek.odgovorStiže)
        tijek.odgovorStiže();
    const int status = čitač.Status();
    if (!jeUspjeh(status)) {
        // An error page or a redirect's note: the body is not ours.
        završi(IshodPrijenosa::Vrsta::StatusHttp,
               OpisStatusa(status, QString::fromLatin1(čitač.Razlog())));
        return false;
    }
    if (čitač.Neispravan()) {
        završi(IshodPrijenosa::Vrsta::GreskaMreze, OpisNeispravnogOdgovora(čitač.Greška()));
        return false;
    }
    return true;
}

bool Razmjena::piši(const char* podaci, qint64 dužina) {
    if (!datoteka.Otvorena()) {
        if (tijek.podaciStižu)
            tijek.podaciStižu();
        if (!datoteka.Otvori()) {
            završi(IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška());
            return false;
        }
    }
    if (datoteka.Piši(podaci, dužina))
        return true;
    završi(IshodPrijenosa::Vrsta::GreskaDatoteke, datoteka.Greška());
    return false;
}

void Razmjena::krajVeze() {
    primi(); // what the socket still holds
    if (kraj)
        return;
    if (čitač.KrajVeze())
        završi(IshodPrijenosa::Vrsta::Uspjeh, {});
    else
        završi(IshodPrijenosa::Vrsta::GreskaMreze,
               OpisPrekinuteVeze(čitač.ZaglavljaStigla(), čitač.PrimljenoTijela(),
                                 čitač.Najavljeno()));
}

void Razmjena::greškaUtičnice(QAbstractSocket::SocketError greška) {
    if (greška == QAbstractSocket::RemoteHostClosedError)
        krajVeze();
    else if (!kraj)
        završi(IshodPrijenosa::Vrsta::GreskaMreze,
               OpisGreškeMreže(greška, veza.utičnica->errorString(), greškeCertifikata));
}

void Razmjena::završi(IshodPrijenosa::Vrsta vrsta, const QString& opis) {
    if (kraj)
        return;
    kraj = IshodPrijenosa{vrsta, opis};
    // The socket goes quietly: its last signals would find nothing to do.
    QObject::disconnect(veza.utičnica.get(), nullptr, &petlja, nullptr);
    veza.utičnica->abort();
    petlja.quit();
}

} // namespace

KrajRazmjene RazmijeniHttp(MrežniPristup& mreža, const QUrl& url, DatotekaUNastajanju& datoteka,
                           const PostavkePrijenosa& postavke, const TijekPrijenosa& tijek) {
    Razmjena razmjena(mreža, url, datoteka, postavke, tijek);
    return razmjena.Izvrši();
}

} // namespace velkor
