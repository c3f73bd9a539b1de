#pragma once
// The clock and the user's regional formats, as seams the tests can set.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace velkor {

class Sat {
public:
    virtual ~Sat() = default;
    virtual QDateTime Sada() const = 0;
    // Lets the seconds pass while the window keeps processing its events;
    // zero or less returns at once.
    virtual void Pričekaj(int sekunde) = 0;
};

class Regionalno {
public:
    virtual ~Regionalno() = default;
    // The user's short date format.
    virtual QString DatumTekst(QDate datum) const = 0;
    // The user's time format, with seconds.
    virtual QString VrijemeTekst(QTime vrijeme) const = 0;
    virtual QChar DecimalniZnak() const = 0;
    virtual QChar ZnakGrupe() const = 0;
};

class SistemskiSat : public Sat {
public:
    QDateTime Sada() const override { return QDateTime::currentDateTime(); }
    void Pričekaj(int sekunde) override;
};

// The formats of a locale, by default the user's own.
class RegionalnoPoLokalu : public Regionalno {
public:
    RegionalnoPoLokalu();
    explicit RegionalnoPoLokalu(const QLocale& lokal);
    QString DatumTekst(QDate datum) const override;
    QString VrijemeTekst(QTime vrijeme) const override;
    QChar DecimalniZnak() const override;
    QChar ZnakGrupe() const override;

private:
    QString formatDatuma;
    QString formatVremena;
    QChar decimalni;
    QChar grupa;
};

} // namespace velkor
