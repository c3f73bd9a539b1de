#pragma once
// The file a download writes: under a name of its own beside the target, which
// it replaces only when complete; removed when the download fails.
#include "base/DatotekaPokrajCilja.h"

#include <QString>

namespace velkor {

class DatotekaUNastajanju {
public:
    explicit DatotekaUNastajanju(const QString& cilj);

    bool Otvori();
    bool Otvorena() const { return datoteka.Otvorena(); }
    // Small pieces are gathered and go to the system together.
    bool Piši(const char* podaci, qint64 dužina);
    // Closes the file and puts it in the target's place in one step.
    bool Zamijeni();

    // Why the last step failed, naming the target.
    const QString& Greška() const { return greška; }

    // What is gathered before it goes to the system.
    static constexpr qint64 VeličinaSpremnika = 256 * 1024;

private:
    bool isprazni();
    bool ne(const QString& opisSustava);

    QString cilj;
    // Written beside the target, so that the last step is a rename within one
    // directory; removed with this object unless it became the target.
    DatotekaPokrajCilja datoteka;
    QByteArray spremnik;
    QString greška;
};

} // namespace velkor
