#pragma once
// Failure texts of a transfer, in Croatian, with the network layer's own words appended.
#include <QList>
#include <QNetworkReply>
#include <QSslError>
#include <QString>

namespace velkor {

// "HTTP status 404 Not Found"
QString OpisStatusa(int status, const QString& razlog);

QString OpisGreškeMreže(QNetworkReply::NetworkError greška, const QString& opisMreže,
                        const QList<QSslError>& greškeCertifikata);

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava);

QString OpisZastoja(int zastojMs);

} // namespace velkor
