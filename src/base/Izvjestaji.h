#pragma once
// The report panes: txtPor (the steps done), txtPorGr (the errors) and the tab
// that brings one of them to the front.
class QString;

namespace velkor {

class Izvještaji {
public:
    virtual ~Izvještaji() = default;

    virtual void PrikažiIzvještajRada(const QString& tekst) = 0;
    virtual void PrikažiPopisGrešaka(const QString& tekst) = 0;
    virtual void PrikažiKarticu(int kartica) = 0;
};

} // namespace velkor
