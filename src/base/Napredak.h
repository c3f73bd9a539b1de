#pragma once
// What a running operation shows of its progress: the status bar and the bar.
// Only shown, never read back: an operation keeps its own counts.
#include <QtGlobal>

class QString;

namespace velkor {

class Napredak {
public:
    virtual ~Napredak() = default;

    // Status bar panels 1 and 2, repainted at once.
    virtual void PostaviStatus1(const QString& tekst) = 0;
    virtual void PostaviStatus2(const QString& tekst) = 0;

    // The progress bar, laid over cmdVerzija while a transfer runs.
    virtual void PrikažiProgres(qint32 minimum, qint32 maksimum) = 0;
    virtual void PostaviProgres(qint32 vrijednost) = 0;
    virtual void SakrijProgres() = 0;
};

} // namespace velkor
