#pragma once
// What the window reports: its controls' events, by the handlers' own names.

namespace velkor {

class DogađajiProzora {
public:
    virtual ~DogađajiProzora() = default;

    virtual void Form_Activate() = 0;
    // False: not now, an operation runs; the window closes when it has ended.
    virtual bool Form_Unload() = 0;
    virtual void cmdIzlaz_Click() = 0;
    virtual void cmdVerzija_Click() = 0;
    virtual void cmdDownloadAndUpdate_Click() = 0;
    virtual void cmdDownlNaLokaciju_Click() = 0;
    virtual void optLokacija_Click(int indeks) = 0;
    virtual void cmdLokacija_Click(int indeks) = 0;
    virtual void txtLokacija_Validate(int indeks) = 0;
    virtual void numVrijemeDownloada_Change() = 0;
    virtual void tmrPrijenos_Timer() = 0;
    virtual void tmrUpdate_Timer() = 0;
};

} // namespace velkor
