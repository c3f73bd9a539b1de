#include "acquire/OpisGreske.h"

namespace velkor {

QString OpisStatusa(int status, const QString& razlog) {
    QString opis = QStringLiteral("HTTP status ") + QString::number(status);
    if (!razlog.isEmpty())
        opis += QLatin1Char(' ') + razlog;
    return opis;
}

static QString uzrok(QAbstractSocket::SocketError greška) {
    switch (greška) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Udaljeno računalo je odbilo vezu");
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("Udaljeno računalo je prekinulo vezu prije kraja prijenosa");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("Udaljena adresa nije pronađena");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Isteklo je vrijeme za odgovor udaljenog računala");
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError:
        return QStringLiteral("Sigurna veza nije uspostavljena");
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::TemporaryError:
        return QStringLiteral("Mreža nije dostupna");
    case QAbstractSocket::ProxyAuthenticationRequiredError:
    case QAbstractSocket::ProxyConnectionRefusedError:
    case QAbstractSocket::ProxyConnectionClosedError:
    case QAbstractSocket::ProxyConnectionTimeoutError:
    case QAbstractSocket::ProxyNotFoundError:
    case QAbstractSocket::ProxyProtocolError:
        return QStringLiteral("Greška proxy poslužitelja");
    default:
        return QStringLiteral("Greška u mreži");
    }
}

QString OpisGreškeMreže(QAbstractSocket::SocketError greška, const QString& opisMreže,
                        const QList<QSslError>& greškeCertifikata) {
    QString opis = uzrok(greška);
    if (!greškeCertifikata.isEmpty()) {
        opis += QStringLiteral(": certifikat poslužitelja nije valjan (");
        for (qsizetype i = 0; i < greškeCertifikata.size(); ++i)
            opis += (i ? QStringLiteral("; ") : QString()) + greškeCertifikata[i].errorString();
        return opis + QLatin1Char(')');
    }
    return opis + QStringLiteral(" (") + opisMreže + QLatin1Char(')');
}

QString OpisPrekinuteVeze(bool odgovorStigao, qint64 primljeno, qint64 najavljeno) {
    QString koliko;
    if (!odgovorStigao)
        koliko = QStringLiteral("odgovor nije primljen");
    else if (najavljeno >= 0)
        koliko = QStringLiteral("primljeno ") + QString::number(primljeno) +
                 QStringLiteral(" od ") + QString::number(najavljeno) + QStringLiteral(" bajtova");
    else
        koliko = QStringLiteral("primljeno ") + QString::number(primljeno) +
                 QStringLiteral(" bajtova, kraj podataka nije stigao");
    return uzrok(QAbstractSocket::RemoteHostClosedError) + QStringLiteral(" (") + koliko +
           QLatin1Char(')');
}

QString OpisNeispravnogOdgovora(const QString& razlog) {
    return QStringLiteral("Neispravan odgovor poslužitelja (") + razlog + QLatin1Char(')');
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

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava) {
    return QStringLiteral("Nije moguće zapisati datoteku ") + put + QStringLiteral(" (") +
           opisSustava + QLatin1Char(')');
}

QString OpisZastoja(int zastojMs) {
    return QStringLiteral("Prijenos je zastao: ništa nije primljeno ") +
           QString::number((zastojMs + 999) / 1000) + QStringLiteral(" s");
}

} // namespace velkor
