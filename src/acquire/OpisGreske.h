#pragma once
// Failure texts of a transfer, in Croatian, with the network layer's own words appended.
#include <QAbstractSocket>
#include <QList>
#include <QSslError>
#include <QString>

namespace velkor {

// "HTTP status 404 Not Found"
QString OpisStatusa(int status, const QString& razlog);

QString OpisGreškeMreže(QAbstractSocket::SocketError greška, const QString& opisMreže,
                        const QList<QSslError>& greškeCertifikata);

// The connection ended before the response did. primljeno: body bytes so far;
// najavljeno: the announced length, -1 unknown; odgovorStigao: false before the headers.
QString OpisPrekinuteVeze(bool odgovorStigao, qint64 primljeno, qint64 najavljeno);

// The server's answer is no HTTP response we can read; razlog says what is wrong.
QString OpisNeispravnogOdgovora(const QString& razlog);

QString OpisPrevišePreusmjeravanja(int najviše);
QString OpisPreusmjeravanjaNaHttp(const QString& adresa);
QString OpisNeispravnogPreusmjeravanja(const QString& adresa);

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava);

QString OpisZastoja(int zastojMs);

} // namespace velkor
