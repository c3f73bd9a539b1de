#include "LokalniPosluziteljVeza.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace velkor::test {

namespace {

// TLS records are at most 16 kB: bigger pieces only grow the encryption buffers.
constexpr qint64 KomadTls = 16 * 1024;
constexpr qint64 KomadObičan = 256 * 1024;
constexpr qint64 NajvišeUČekanju = 1024 * 1024;
const QByteArray Put = QByteArrayLiteral("/download/Verzija22/");

} // namespace

VezaPoslužitelja::VezaPoslužitelja(LokalniPoslužitelj& poslužitelj, qintptr deskriptor)
    : QObject(&poslužitelj), poslužitelj(poslužitelj), utičnica(new QSslSocket(this)) {
    utičnica->setSslConfiguration(poslužitelj.tls);
    connect(utičnica, &QSslSocket::readyRead, this, [this] { čitaj(); });
    connect(utičnica, &QSslSocket::bytesWritten, this, [this] { šalji(); });
    connect(utičnica, &QSslSocket::encryptedBytesWritten, this, [this] { šalji(); });
    connect(utičnica, &QSslSocket::disconnected, this, [this] { deleteLater(); });
    connect(utičnica, &QSslSocket::errorOccurred, this, [this] {
        if (utičnica->state() != QAbstractSocket::ConnectedState)
            deleteLater();
    });
    if (!utičnica->setSocketDescriptor(deskriptor))
        deleteLater();
}

void VezaPoslužitelja::čitaj() {
    if (!vrstaPoznata) {
        // A TLS connection opens with a handshake record (22); peeking leaves
        // the byte for the handshake to read.
        char prvi = 0;
        if (utičnica->peek(&prvi, 1) < 1)
            return;
        vrstaPoznata = true;
        if (prvi == 0x16) {
            šifrirano = true;
            utičnica->startServerEncryption();
            return;
        }
    }
    if (šifrirano && !utičnica->isEncrypted())
        return;
    ulaz += utičnica->readAll();
    while (!zauzeto && vrstaPoznata) {
        const qsizetype kraj = ulaz.indexOf("\r\n\r\n");
        if (kraj < 0)
            return;
        const QByteArray zaglavlje = ulaz.left(kraj);
        ulaz.remove(0, kraj + 4);
        obradiZahtjev(zaglavlje);
    }
}

void VezaPoslužitelja::obradiZahtjev(const QByteArray& zaglavlje) {
    const QList<QByteArray> linije = zaglavlje.split('\n');
    const QList<QByteArray> prva = linije.value(0).trimmed().split(' ');
    PrimljeniZahtjev zahtjev{šifrirano,
                             prva.value(1),
                             {},
                             zaglavlje,
                             utičnica->peerAddress().toString() + QLatin1Char(':') +
                                 QString::number(utičnica->peerPort())};
    for (const QByteArray& linija : linije) {
        if (linija.toLower().startsWith("host:"))
            zahtjev.domaćin = linija.mid(5).trimmed();
    }
    poslužitelj.zahtjevi.append(zahtjev);

    const QString ime = zahtjev.putanja.startsWith(Put)
                            ? QUrl::fromPercentEncoding(zahtjev.putanja.mid(Put.size()))
                            : QString();
    const QString put = QDir(poslužitelj.direktorija).filePath(ime);
    const bool postoji = !ime.isEmpty() && !ime.contains(QLatin1Char('/')) &&
                         !ime.contains(QLatin1Char('\\')) && ime != QLatin1String("..") &&
                         QFileInfo(put).isFile();
    using P = LokalniPoslužitelj::Ponašanje;
    const P ponašanje = poslužitelj.ponašanja.value(ime);
    const QByteArray ok = QByteArrayLiteral("HTTP/1.1 200 OK");
    if (odgovoriPosebno(ime, put, postoji))
        return;
    if (ponašanje == P::GreskaPosluzitelja)
        odgovori("HTTP/1.1 500 Internal Server Error", -1, "Greška poslužitelja\n");
    else if (ponašanje == P::PraznoTijelo)
        odgovori(ok, 0, {});
    else if (ponašanje == P::NijePronadeno || !postoji)
        odgovori("HTTP/1.1 404 Not Found", -1, "Datoteka nije pronađena\n");
    else if (ponašanje == P::Zastoj) {
        // Busy for good: the peer has to give up by itself.
        odgovori(ok, QFileInfo(put).size(), {});
        zauzeto = true;
    } else {
        const qint64 veličina = QFileInfo(put).size();
        const bool prekid = ponašanje == P::PrekinutaVeza;
        odgovori(ok, veličina, {});
        pošaljiDatoteku(put, veličina / (prekid ? 2 : 1), prekid);
    }
}

void VezaPoslužitelja::odgovori(const QByteArray& statusnaLinija, qint64 dužina,
                                const QByteArray& tijelo) {
    const qint64 najavljeno = dužina < 0 ? tijelo.size() : dužina;
    utičnica->write(statusnaLinija + "\r\nContent-Type: application/octet-stream" +
                    "\r\nContent-Length: " + QByteArray::number(najavljeno) +
                    "\r\nConnection: keep-alive\r\n\r\n" + tijelo);
}

void VezaPoslužitelja::pošaljiDatoteku(const QString& put, qint64 koliko, bool zatvori) {
    datoteka.setFileName(put);
    if (!datoteka.open(QIODevice::ReadOnly)) {
        utičnica->disconnectFromHost();
        return;
    }
    preostalo = koliko;
    zatvoriPoslije = zatvori;
    zauzeto = true;
    šalji();
}

void VezaPoslužitelja::šalji() {
    if (!datoteka.isOpen())
        return;
    // Big files go out in pieces, as fast as the peer takes them.
    const qint64 komad = šifrirano ? KomadTls : KomadObičan;
    while (preostalo > 0 &&
           utičnica->bytesToWrite() + utičnica->encryptedBytesToWrite() < NajvišeUČekanju) {
        // Chunks of changing sizes, so that their boundaries fall everywhere.
        const qint64 veličina = uDijelovima ? 1 + (brojDijelova * 7919) % komad : komad;
        const QByteArray dio = datoteka.read(qMin(veličina, preostalo));
        if (dio.isEmpty())
            break;
        if (uDijelovima)
            utičnica->write(QByteArray::number(dio.size(), 16) + "\r\n" + dio + "\r\n");
        else
            utičnica->write(dio);
        brojDijelova++;
        preostalo -= dio.size();
    }
    if (preostalo > 0 && !datoteka.atEnd())
        return;
    datoteka.close();
    zauzeto = false;
    if (uDijelovima && !zatvoriPoslije)
        utičnica->write("0\r\n\r\n");
    uDijelovima = false;
    if (zatvoriPoslije) {
        utičnica->disconnectFromHost();
        return;
    }
    čitaj();
}

// The behaviours that need no file, and those that frame the body otherwise.
bool VezaPoslužitelja::odgovoriPosebno(const QString& ime, const QString& put, bool postoji) {
    using P = LokalniPoslužitelj::Ponašanje;
    const P ponašanje = poslužitelj.ponašanja.value(ime);
    const QByteArray vrsta = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
    if (poslužitelj.preusmjeravanja.contains(ime)) {
        const auto [status, location] = poslužitelj.preusmjeravanja.value(ime);
        QByteArray linija = "HTTP/1.1 " + QByteArray::number(status) + " Preseljeno";
        if (!location.isEmpty())
            linija += "\r\nLocation: " + location;
        odgovori(linija, -1, "Preseljeno\n");
    } else if (ponašanje == P::NeispravanStatus) {
        utičnica->write("HTTP/1.1 OK\r\nContent-Length: 2\r\n\r\nok");
        utičnica->disconnectFromHost();
    } else if (!postoji) {
        return false;
    } else if (ponašanje == P::Dijelovi || ponašanje == P::DijeloviPrekinuti) {
        utičnica->write(vrsta + "Transfer-Encoding: chunked\r\nConnection: keep-alive\r\n\r\n");
        uDijelovima = true;
        brojDijelova = 0;
        const bool prekid = ponašanje == P::DijeloviPrekinuti;
        pošaljiDatoteku(put, QFileInfo(put).size() / (prekid ? 2 : 1), prekid);
    } else if (ponašanje == P::DoZatvaranja) {
        utičnica->write(vrsta + "Connection: close\r\n\r\n");
        pošaljiDatoteku(put, QFileInfo(put).size(), true);
    } else {
        return false;
    }
    return true;
}

} // namespace velkor::test
