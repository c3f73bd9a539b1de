#include "LokalniPosluzitelj.h"

#include "LokalniPosluziteljVeza.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

namespace velkor::test {

namespace {

QString putanjaCertifikata(const char* ime) {
    return QStringLiteral(VELKOR_TEST_CERTIFIKATI "/") + QLatin1String(ime);
}

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

bool LokalniPoslužitelj::Pokreni(quint16 port) {
    return listen(QHostAddress::LocalHost, port);
}

QString LokalniPoslužitelj::Domaćin() const {
    return QStringLiteral("127.0.0.1:") + QString::number(serverPort());
}

QString LokalniPoslužitelj::DomaćinPoImenu() const {
    return QStringLiteral("localhost:") + QString::number(serverPort());
}

void LokalniPoslužitelj::incomingConnection(qintptr deskriptor) {
    // The connection owns itself and goes when the peer does.
    new VezaPoslužitelja(*this, deskriptor);
}

} // namespace velkor::test
