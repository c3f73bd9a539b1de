#pragma once
// The release's hash list, Verzije.sha256: one line a file, as sha256sum writes
// it ("<64 lower-case hex>  <name>", UTF-8, LF).
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace velkor {

class Sažeci {
public:
    // More than a release's list could ever need; a larger file is refused unread.
    static constexpr qint64 NajvećaVeličina = 64 * 1024;

    // No value when a line is not of the format or a name stands twice.
    static std::optional<Sažeci> Pročitaj(const QByteArray& sadržaj);
    static QByteArray SažetakOd(const QByteArray& podaci);
    // The file's hash read in pieces; no value when it cannot be read.
    static std::optional<QByteArray> SažetakDatoteke(const QString& put);

    void Dodaj(const QString& ime, const QByteArray& sažetak) { popis.insert(ime, sažetak); }
    bool Ima(const QString& ime) const { return popis.contains(ime); }
    QStringList Imena() const { return popis.keys(); }
    // True only when the list names the file and its hash is the one given.
    bool Odgovara(const QString& ime, const QByteArray& sažetak) const;
    bool OdgovaraDatoteka(const QString& ime, const QString& put) const;
    // In the order of the names, as the publisher writes it.
    QByteArray Zapis() const;

private:
    QMap<QString, QByteArray> popis; // name -> raw 32 bytes
};

} // namespace velkor
