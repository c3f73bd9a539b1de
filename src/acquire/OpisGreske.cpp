#include "acquire/OpisGreske.h"

namespace velkor {

QString OpisStatusa(int status, const QString& razlog) {
    QString opis = QStringLiteral("HTTP status ") + QString::number(status);
    if (!razlog.isEmpty())
        opis += QLatin1Char(' ') + razlog;
    return opis;
}

static QString uzrok(QNetworkReply::NetworkError greška) {
    switch (greška) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Udaljeno računalo je odbilo vezu");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Udaljeno računalo je prekinulo vezu prije kraja prijenosa");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Udaljena adresa nije pronađena");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("Isteklo je vrijeme za odgovor udaljenog računala");
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("Prijenos je prekinut");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Sigurna veza nije uspostavljena");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return QStringLiteral("Mreža nije dostupna");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("Greška proxy poslužitelja");
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
        return QStringLiteral("Neispravna adresa");
    default:
        return QStringLiteral("Greška u mreži");
    }
}

QString OpisGreškeMreže(QNetworkReply::NetworkError greška, const QString& opisMreže,
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

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava) {
    return QStringLiteral("Nije moguće zapisati datoteku ") + put + QStringLiteral(" (") +
           opisSustava + QLatin1Char(')');
}

QString OpisZastoja(int zastojMs) {
    return QStringLiteral("Prijenos je zastao: ništa nije primljeno ") +
           QString::number((zastojMs + 999) / 1000) + QStringLiteral(" s");
}

} // namespace velkor
