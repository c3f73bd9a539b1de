#include "acquire/Prijenos.h"

#include "acquire/OpisGreske.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>
#include <QTimer>
#include <memory>
#include <optional>

namespace velkor {

namespace {

constexpr qint64 VeličinaKomada = 256 * 1024;
// What the network side may hold ahead of the file: enough to keep the
// transfer flowing, small enough that a package never sits in memory.
constexpr qint64 NajvišeUMemoriji = 1024 * 1024;

bool jeUspjeh(int status) {
    return status >= 200 && status <= 299;
}

class Prijenos {
public:
    Prijenos(QNetworkReply& odgovor, const QString& lokalniPut, const PostavkePrijenosa& postavke,
             const TijekPrijenosa& tijek)
        : odgovor(odgovor), datoteka(lokalniPut), postavke(postavke), tijek(tijek) {
        komad.resize(VeličinaKomada);
    }

    IshodPrijenosa Izvrši();

private:
    int status() const {
        return odgovor.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    }
    void primi();
    bool otvori();
    void prekini(IshodPrijenosa::Vrsta vrsta, const QString& opis);
    IshodPrijenosa završi();

    QNetworkReply& odgovor;
    QSaveFile datoteka;
    const PostavkePrijenosa& postavke;
    const TijekPrijenosa& tijek;
    QByteArray komad;
    std::optional<IshodPrijenosa> prekid;
    QList<QSslError> greškeCertifikata;
    bool zaglavljaJavljena = false;
    qint64 zapisano = 0;
};

IshodPrijenosa Prijenos::Izvrši() {
    QEventLoop petlja;
    // Activity only stamps the time; a coarse check looks at it now and then,
    // so a busy transfer does not restart a timer for every piece it receives.
    QElapsedTimer tišina;
    QTimer provjera;
    provjera.setInterval(qMax(postavke.zastojMs / 4, 10));
    QObject::connect(&provjera, &QTimer::timeout, &petlja, [&] {
        if (tišina.hasExpired(postavke.zastojMs))
            prekini(IshodPrijenosa::Vrsta::Zastoj, OpisZastoja(postavke.zastojMs));
    });
    QObject::connect(&odgovor, &QNetworkReply::requestSent, &petlja, [&] {
        if (tijek.zahtjevPoslan)
            tijek.zahtjevPoslan();
    });
    QObject::connect(&odgovor, &QNetworkReply::metaDataChanged, &petlja, [&] {
        tišina.start();
        if (!zaglavljaJavljena && status() != 0) {
            zaglavljaJavljena = true;
            if (tijek.odgovorStiže)
                tijek.odgovorStiže();
        }
    });
    QObject::connect(&odgovor, &QNetworkReply::readyRead, &petlja, [&] {
        tišina.start();
        primi();
    });
    QObject::connect(&odgovor, &QNetworkReply::sslErrors, &petlja,
                     [&](const QList<QSslError>& greške) { greškeCertifikata = greške; });
    QObject::connect(&odgovor, &QNetworkReply::finished, &petlja, &QEventLoop::quit);

    tišina.start();
    provjera.start();
    if (!odgovor.isFinished())
        petlja.exec();
    provjera.stop();
    return završi();
}

bool Prijenos::otvori() {
    if (datoteka.isOpen())
        return true;
    if (datoteka.open(QIODevice::WriteOnly))
        return true;
    prekini(IshodPrijenosa::Vrsta::GreskaDatoteke,
            OpisGreškeDatoteke(datoteka.fileName(), datoteka.errorString()));
    return false;
}

void Prijenos::primi() {
    // A failed status's body (an error page) and whatever follows an abort are not ours.
    if (prekid || !jeUspjeh(status())) {
        odgovor.skip(odgovor.bytesAvailable());
        return;
    }
    if (odgovor.bytesAvailable() <= 0)
        return;
    if (zapisano == 0 && !datoteka.isOpen()) {
        if (tijek.podaciStižu)
            tijek.podaciStižu();
        if (!otvori())
            return;
    }
    while (odgovor.bytesAvailable() > 0) {
        const qint64 pročitano = odgovor.read(komad.data(), komad.size());
        if (pročitano <= 0)
            break;
        if (datoteka.write(komad.constData(), pročitano) != pročitano) {
            prekini(IshodPrijenosa::Vrsta::GreskaDatoteke,
                    OpisGreškeDatoteke(datoteka.fileName(), datoteka.errorString()));
            return;
        }
        zapisano += pročitano;
    }
    if (tijek.zapisano) {
        const QVariant dužina = odgovor.header(QNetworkRequest::ContentLengthHeader);
        tijek.zapisano(zapisano, dužina.isValid() ? dužina.toLongLong() : -1);
    }
}

void Prijenos::prekini(IshodPrijenosa::Vrsta vrsta, const QString& opis) {
    if (prekid)
        return;
    prekid = IshodPrijenosa{vrsta, opis};
    if (!odgovor.isFinished())
        odgovor.abort();
}

IshodPrijenosa Prijenos::završi() {
    using Vrsta = IshodPrijenosa::Vrsta;
    if (!prekid) {
        const int s = status();
        if (s != 0 && !jeUspjeh(s))
            prekid = IshodPrijenosa{
                Vrsta::StatusHttp,
                OpisStatusa(
                    s, odgovor.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())};
        else if (odgovor.error() != QNetworkReply::NoError)
            prekid = IshodPrijenosa{
                Vrsta::GreskaMreze,
                OpisGreškeMreže(odgovor.error(), odgovor.errorString(), greškeCertifikata)};
        else
            primi();
    }
    if (prekid) {
        datoteka.cancelWriting();
        return *prekid;
    }
    if (!datoteka.isOpen()) {
        if (!postavke.praznoTijeloJeDatoteka)
            return {Vrsta::PraznoTijelo, {}};
        if (!otvori())
            return *prekid;
    }
    if (!datoteka.commit())
        return {Vrsta::GreskaDatoteke,
                OpisGreškeDatoteke(datoteka.fileName(), datoteka.errorString())};
    return {};
}

} // namespace

IshodPrijenosa Preuzmi(QNetworkAccessManager& manager, const QNetworkRequest& zahtjev,
                       const QString& lokalniPut, const PostavkePrijenosa& postavke,
                       const TijekPrijenosa& tijek) {
    const std::unique_ptr<QNetworkReply> odgovor(manager.get(zahtjev));
    odgovor->setReadBufferSize(NajvišeUMemoriji);
    Prijenos prijenos(*odgovor, lokalniPut, postavke, tijek);
    return prijenos.Izvrši();
}

} // namespace velkor
