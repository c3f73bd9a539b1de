#pragma once
// SBar: panels 1 and 2 for the operations, 3 and 4 the current date and time.
#include <QStatusBar>
#include <array>

class QLabel;
class QTimer;

namespace velkor {

class StatusnaTraka : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int IntervalSata = 1000;

    explicit StatusnaTraka(QWidget* roditelj = nullptr);

    // Panel 1..4; the text shows at once, without waiting for the event loop.
    void PostaviPanel(int broj, const QString& tekst);
    QString Panel(int broj) const;

private:
    void osvježiSat();

    std::array<QLabel*, 4> paneli{};
    QTimer* sat = nullptr;
};

} // namespace velkor
