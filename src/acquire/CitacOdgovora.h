#pragma once
// Reads one HTTP/1.x response as its bytes arrive, in pieces of any size: the
// status line, the headers, and the body framed by its length, in chunks, or
// by the end of the connection. Body bytes are handed on where they lie.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace velkor {

class ČitačOdgovora {
public:
    // Status line and headers together, interim responses included.
    static constexpr qint64 NajvišeZaglavlja = 64 * 1024;

    // Takes body bytes; false when they cannot be kept, which stops the reading.
    using Izlaz = std::function<bool(const char* podaci, qint64 dužina)>;

    // Takes bytes of the response and returns how many it used, or -1 when the
    // response is malformed (Greška tells why) or izlaz refused. It stops right
    // after the headers, so the caller sees them before any body byte goes out.
    qint64 Primi(const char* podaci, qint64 dužina, const Izlaz& izlaz);
    // The connection has ended: true when that completes the response.
    bool KrajVeze();

    bool ZaglavljaStigla() const { return zaglavljaStigla; }
    bool Gotov() const { return faza == Faza::Kraj; }
    // Headers that frame no body we can read (Greška tells why); the status is still good.
    bool Neispravan() const { return faza == Faza::Neispravno; }
    int Status() const { return status; }
    const QByteArray& Razlog() const { return razlog; }
    // The first value of a header; the name in lower case.
    QByteArray Zaglavlje(const QByteArray& ime) const;
    // Content-Length, -1 when the body is framed otherwise.
    qint64 Najavljeno() const { return najavljeno; }
    qint64 PrimljenoTijela() const { return primljeno; }
    const QString& Greška() const { return greška; }

private:
    enum class Faza {
        Zaglavlja,
        Tijelo,         // Content-Length bytes
        DoZatvaranja,   // everything up to the end of the connection
        VelicinaDijela, // a chunk's size line
        PodaciDijela,
        KrajDijela, // the CR LF after a chunk's data
        Prikolica,  // the trailer lines after the last chunk
        Kraj,
        Neispravno,
    };

    qint64 dodajLiniji(const char* podaci, qint64 dužina, qint64 najviše, bool& cijela);
    qint64 linijaZaglavlja(const char* podaci, qint64 dužina);
    bool obradiLinijuZaglavlja(const QByteArray& l);
    bool statusnaLinija(const QByteArray& l);
    void odrediTijelo();
    qint64 linijaDijela(const char* podaci, qint64 dužina);
    bool neispravno(const QString& zašto);

    Faza faza = Faza::Zaglavlja;
    QByteArray linija;
    qint64 zaglavljaUkupno = 0;
    bool statusPročitan = false;
    bool zaglavljaStigla = false;
    int status = 0;
    QByteArray razlog;
    QList<QPair<QByteArray, QByteArray>> zaglavlja;
    qint64 najavljeno = -1;
    qint64 preostalo = 0;
    qint64 primljeno = 0;
    QString greška;
};

} // namespace velkor
