#include "LokalniPosluzitelj.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace velkor::test {

namespace {

// TLS records are at most 16 kB: bigger pieces only grow the encryption buffers.
constexpr qint64 KomadTls = 16 * 1024;
constexpr qint64 KomadObičan = 256 * 1024;
constexpr qint64 NajvišeUČekanju = 1024 * 1024;
const QByteArray Put = QByteArrayLiteral("/download/Verzija22/");

QString putanjaCertifikata(const char* ime) {
    return QStringLiteral(VELKOR_TEST_CERTIFIKATI "/") + QLatin1String(ime);
}

// One connection: plain or TLS, told by its first byte; its requests answered in turn.
class Veza : public QObject {
public:
    Veza(LokalniPoslužitelj& poslužitelj, qintptr deskriptor)
        : QObject(&poslužitelj), poslužitelj(poslužitelj), utičnica(new QSslSocket(this)) {
        utičnica->setSslConfiguration(poslužitelj.tls);
        connect(utičnica, &QSslSocket::readyRead, this, &Veza::čitaj);
        connect(utičnica, &QSslSocket::bytesWritten, this, &Veza::šalji);
        connect(utičnica, &QSslSocket::encryptedBytesWritten, this, &Veza::šalji);
        connect(utičnica, &QSslSocket::disconnected, this, &QObject::deleteLater);
        connect(utičnica, &QSslSocket::errorOccurred, this, [this] {
            if (utičnica->state() != QAbstractSocket::ConnectedState)
                deleteLater();
        });
        if (!utičnica->setSocketDescriptor(deskriptor))
            deleteLater();
    }

private:
    void čitaj() {
        char prvi = 0;
        if (!vrstaPoznata && utičnica->peek(&prvi, 1) == 1) {
            vrstaPoznata = true;
            // A handshake record (22) opens TLS; peeking leaves the byte for it.
            if (prvi == 0x16)
                utičnica->startServerEncryption();
        }
        if (!vrstaPoznata ||
            (utičnica->mode() != QSslSocket::UnencryptedMode && !utičnica->isEncrypted()))
            return;
        ulaz += utičnica->readAll();
        for (qsizetype kraj = 0; !zauzeto && (kraj = ulaz.indexOf("\r\n\r\n")) >= 0;) {
            const QByteArray zaglavlje = ulaz.left(kraj);
            ulaz.remove(0, kraj + 4);
            odgovori(zaglavlje);
        }
    }

    // Keeps the request for the tests and answers it.
    void odgovori(const QByteArray& zaglavlje) {
        const QList<QByteArray> linije = zaglavlje.split('\n');
        PrimljeniZahtjev zahtjev{utičnica->isEncrypted(), linije[0].split(' ').value(1)};
        zahtjev.zaglavlja = zaglavlje;
        zahtjev.odakle =
            utičnica->peerAddress().toString() + u':' + QString::number(utičnica->peerPort());
        for (const QByteArray& linija : linije)
            if (linija.toLower().startsWith("host:"))
                zahtjev.domaćin = linija.mid(5).trimmed();
        poslužitelj.zahtjevi.append(zahtjev);
        // One name in the directory, nothing above it.
        const QString ime = zahtjev.putanja.startsWith(Put)
                                ? QUrl::fromPercentEncoding(zahtjev.putanja.mid(Put.size()))
                                : QString();
        datoteka.setFileName(QDir(poslužitelj.direktorija).filePath(ime));
        const bool postoji = !ime.contains(u'/') && QFileInfo(datoteka).isFile();
        using P = LokalniPoslužitelj::Ponašanje;
        QByteArray odgovor =
            poslužitelj.odgovori.value(ime, postoji ? P::Normalno : P::NijePronadeno);
        odgovor.replace("{N}", QByteArray::number(datoteka.size()));
        const bool pola = odgovor.contains("{POLA}");
        kapanje = odgovor.contains("{KAP}");
        const qsizetype tijelo =
            odgovor.replace("{POLA}", "{TIJELO}").replace("{KAP}", "{TIJELO}").indexOf("{TIJELO}");
        const QByteArray glava = odgovor.left(tijelo < 0 ? odgovor.size() : tijelo);
        rep = odgovor.mid(glava.size() + 8);
        uDijelovima = glava.contains("chunked");
        zatvori = glava.contains("Connection: close");
        preostalo = tijelo >= 0 && datoteka.open(QIODevice::ReadOnly)
                        ? datoteka.size() / (pola ? 2 : 1)
                        : 0;
        utičnica->write(glava);
        zauzeto = true;
        kapanje ? kapni() : šalji();
    }

    // {KAP}: ten bytes ten times a second, a server that drips.
    void kapni() {
        const QByteArray dio = datoteka.read(qMin<qint64>(10, preostalo));
        preostalo = dio.isEmpty() ? 0 : preostalo - dio.size();
        utičnica->write(dio);
        preostalo > 0 ? QTimer::singleShot(100, this, &Veza::kapni) : završi();
    }

    // The body as fast as the peer takes it, then the rest of the response.
    void šalji() {
        const qint64 komad = utičnica->isEncrypted() ? KomadTls : KomadObičan;
        while (!kapanje && preostalo > 0 &&
               utičnica->bytesToWrite() + utičnica->encryptedBytesToWrite() < NajvišeUČekanju) {
            const QByteArray dio = datoteka.read(qMin(komad, preostalo));
            preostalo = dio.isEmpty() ? 0 : preostalo - dio.size();
            utičnica->write(uDijelovima ? QByteArray::number(dio.size(), 16) + "\r\n" + dio + "\r\n"
                                        : dio);
        }
        if (!kapanje && preostalo == 0 && zauzeto)
            završi();
    }

    void završi() {
        zauzeto = false;
        kapanje = false;
        datoteka.close();
        utičnica->write(rep);
        zatvori ? utičnica->disconnectFromHost() : čitaj();
    }

    LokalniPoslužitelj& poslužitelj;
    QSslSocket* utičnica;
    bool vrstaPoznata = false;
    bool zauzeto = false; // a body is still going out
    QByteArray ulaz;
    QFile datoteka;
    qint64 preostalo = 0;
    bool uDijelovima = false;
    bool zatvori = false;
    bool kapanje = false;
    QByteArray rep; // what follows the body
};

} // namespace

QString LokalniPoslužitelj::PutanjaCa() {
    return putanjaCertifikata("ca.pem");
}

LokalniPoslužitelj::LokalniPoslužitelj(QString direktorija, QObject* roditelj)
    : QTcpServer(roditelj), direktorija(std::move(direktorija)) {
    tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    tls.setLocalCertificateChain(
        QSslCertificate::fromPath(putanjaCertifikata("posluzitelj.pem"), QSsl::Pem));
    QFile ključ(putanjaCertifikata("posluzitelj.key"));
    if (ključ.open(QIODevice::ReadOnly))
        tls.setPrivateKey(QSslKey(&ključ, QSsl::Rsa, QSsl::Pem));
    if (tls.localCertificate().isNull() || tls.privateKey().isNull())
        qWarning("LokalniPosluzitelj: certifikat ili ključ nisu učitani iz %s",
                 VELKOR_TEST_CERTIFIKATI);
}

void LokalniPoslužitelj::incomingConnection(qintptr deskriptor) {
    // The connection owns itself and goes when the peer does.
    new Veza(*this, deskriptor);
}

} // namespace velkor::test
