#pragma once
// The plan grid and the button that installs what it lists.
#include <QList>
#include <QStringList>

namespace velkor {

class PrikazPlana {
public:
    virtual ~PrikazPlana() = default;

    // One entry per planned item, the six texts of its record.
    virtual void PrikažiPlan(const QList<QStringList>& stavke) = 0;
    // The first grid row, counting from 1, whose column 1 holds the name; -1 when none.
    virtual int RedStavke(const QString& ime) const = 0;
    // Picture and fill of columns 2 to 6 (a negative fill leaves it); the row scrolls into view.
    virtual void PostaviStanjeReda(int red, int slika, int postotak) = 0;
    // cmdDownloadAndUpdate, enabled when there is a plan to install.
    virtual void OmogućiDownload(bool omogućen) = 0;
};

} // namespace velkor
