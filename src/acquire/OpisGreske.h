#pragma once
// Failure texts of a transfer, in Croatian, with libcurl's own words appended.
#include <QString>

namespace velkor {

// "HTTP status 404 Not Found"
QString OpisStatusa(int status, const QString& razlog);

// A libcurl result other than success; detalj: libcurl's own words for it.
QString OpisGreškeCurla(int kôd, const QString& detalj);

// The connection ended inside the body: primljeno bytes so far of najavljeno (-1 unknown).
QString OpisPrekinuteVeze(qint64 primljeno, qint64 najavljeno);

QString OpisPrevišePreusmjeravanja(int najviše);
QString OpisPreusmjeravanjaNaHttp(const QString& adresa);
QString OpisNeispravnogPreusmjeravanja(const QString& adresa);

// The proxy answered 407: no user name and password, or not the right ones.
QString OpisPrijaveNaProxy();

QString OpisGreškeDatoteke(const QString& put, const QString& opisSustava);

QString OpisZastoja(int zastojMs);
// Less than najmanjaBrzina bytes a second for the stall time.
QString OpisSporogPrijenosa(long najmanjaBrzina, int zastojMs);
// The server sends more than the file may have.
QString OpisPrevelikog(qint64 najviše);

} // namespace velkor
