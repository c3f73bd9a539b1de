#pragma once
// The window's events recorded by handler name, e.g. "optLokacija_Click(1)";
// activations are counted apart, as they come when the display likes.
#include "app/DogadajiProzora.h"

#include <QStringList>
#include <functional>

namespace velkor::test {

class ZapisnikDogađaja : public DogađajiProzora {
public:
    void Form_Activate() override { ++aktivacija; }
    bool Form_Unload() override { return zapis << "Form_Unload", dopustiZatvaranje; }
    void cmdIzlaz_Click() override { zapis << "cmdIzlaz_Click"; }
    void cmdVerzija_Click() override { zapis << "cmdVerzija_Click"; }
    void cmdDownloadAndUpdate_Click() override { zapis << "cmdDownloadAndUpdate_Click"; }
    void cmdDownlNaLokaciju_Click() override { zapis << "cmdDownlNaLokaciju_Click"; }
    void optLokacija_Click(int i) override { zapis << QString("optLokacija_Click(%1)").arg(i); }
    void cmdLokacija_Click(int i) override { zapis << QString("cmdLokacija_Click(%1)").arg(i); }
    void txtLokacija_Validate(int i) override {
        zapis << QString("txtLokacija_Validate(%1)").arg(i);
        priValidaciji();
    }
    void numVrijemeDownloada_Change() override { zapis << "numVrijemeDownloada_Change"; }
    void tmrPrijenos_Timer() override { zapis << "tmrPrijenos_Timer"; }
    void tmrUpdate_Timer() override { zapis << "tmrUpdate_Timer"; }

    QStringList zapis;
    int aktivacija = 0;
    bool dopustiZatvaranje = true;
    std::function<void()> priValidaciji = [] {};
};

} // namespace velkor::test
