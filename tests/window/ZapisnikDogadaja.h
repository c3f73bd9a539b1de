#pragma once
// Records the window's events by handler name, e.g. "optLokacija_Click(1)".
#include "app/DogadajiProzora.h"

#include <QStringList>
#include <functional>

namespace velkor::test {

class ZapisnikDogađaja : public DogađajiProzora {
public:
    void Form_Activate() override { zapis << QStringLiteral("Form_Activate"); }
    bool Form_Unload() override {
        zapis << QStringLiteral("Form_Unload");
        return dopustiZatvaranje;
    }
    void cmdIzlaz_Click() override { zapis << QStringLiteral("cmdIzlaz_Click"); }
    void cmdVerzija_Click() override { zapis << QStringLiteral("cmdVerzija_Click"); }
    void optLokacija_Click(int i) override {
        zapis << QStringLiteral("optLokacija_Click(%1)").arg(i);
    }
    void cmdLokacija_Click(int i) override {
        zapis << QStringLiteral("cmdLokacija_Click(%1)").arg(i);
    }
    void txtLokacija_Validate(int i) override {
        zapis << QStringLiteral("txtLokacija_Validate(%1)").arg(i);
        if (priValidaciji)
            priValidaciji(i);
    }
    void numVrijemeDownloada_Change() override {
        zapis << QStringLiteral("numVrijemeDownloada_Change");
    }
    void tmrPrijenos_Timer() override { zapis << QStringLiteral("tmrPrijenos_Timer"); }
    void tmrUpdate_Timer() override { zapis << QStringLiteral("tmrUpdate_Timer"); }

    // The events other than activations, which the platform raises as it likes.
    QStringList bezAktivacija() const {
        QStringList ostali = zapis;
        ostali.removeAll(QStringLiteral("Form_Activate"));
        return ostali;
    }

    QStringList zapis;
    bool dopustiZatvaranje = true;
    std::function<void(int)> priValidaciji;
};

} // namespace velkor::test
