#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

#include <vector>

namespace velkor::win32 {

namespace {

// "HKCU\Software\...\Name": the user's part, the key below it and the value's name.
struct PutanjaVrijednosti {
    std::wstring ključ;
    std::wstring ime;
};

std::optional<PutanjaVrijednosti> RastaviPutanju(const std::wstring& putanja) {
    for (const wchar_t* korijen : {L"HKCU\\", L"HKEY_CURRENT_USER\\"}) {
        const std::wstring početak(korijen);
        if (_wcsnicmp(putanja.c_str(), korijen, početak.size()) != 0)
            continue;
        const size_t kraj = putanja.rfind(L'\\');
        if (kraj < početak.size() || kraj + 1 == putanja.size())
            return std::nullopt;
        return PutanjaVrijednosti{putanja.substr(početak.size(), kraj - početak.size()),
                                  putanja.substr(kraj + 1)};
    }
    return std::nullopt;
}

bool Zapiši(const std::wstring& putanja, DWORD vrsta, const void* podaci, DWORD veličina) {
    const auto dijelovi = RastaviPutanju(putanja);
    if (!dijelovi)
        return false;
    HKEY ključ = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, dijelovi->ključ.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &ključ, nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS ishod = RegSetValueExW(ključ, dijelovi->ime.c_str(), 0, vrsta,
                                         static_cast<const BYTE*>(podaci), veličina);
    RegCloseKey(ključ);
    return ishod == ERROR_SUCCESS;
}

} // namespace

bool ZapišiDWORD(const std::wstring& putanja, std::uint32_t vrijednost) {
    const DWORD podatak = vrijednost;
    return Zapiši(putanja, REG_DWORD, &podatak, sizeof podatak);
}

bool ZapišiTekst(const std::wstring& putanja, const std::wstring& tekst) {
    return Zapiši(putanja, REG_SZ, tekst.c_str(),
                  static_cast<DWORD>((tekst.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> PročitajTekst(const std::wstring& putanja) {
    const auto dijelovi = RastaviPutanju(putanja);
    if (!dijelovi)
        return std::nullopt;
    DWORD veličina = 0;
    const wchar_t* ključ = dijelovi->ključ.c_str();
    const wchar_t* ime = dijelovi->ime.c_str();
    if (RegGetValueW(HKEY_CURRENT_USER, ključ, ime, RRF_RT_REG_SZ, nullptr, nullptr, &veličina) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> tekst(veličina / sizeof(wchar_t) + 1, L'\0');
    veličina = static_cast<DWORD>(tekst.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, ključ, ime, RRF_RT_REG_SZ, nullptr, tekst.data(),
                     &veličina) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(tekst.data());
}

std::wstring PutanjaPostavke(const std::wstring& odjeljak, const std::wstring& ključ) {
    return KorijenPostavki + L"\\" + odjeljak + L"\\" + ključ;
}

} // namespace velkor::win32
