#include "platform/windows/win32/Win32.h"
#include "platform/windows/win32/Win32Windows.h"

namespace velkor::win32 {

namespace {

std::wstring UŠiroki(UINT kodnaStranica, const std::string& bajtovi) {
    if (bajtovi.empty())
        return {};
    const int duljina = MultiByteToWideChar(kodnaStranica, 0, bajtovi.data(),
                                            static_cast<int>(bajtovi.size()), nullptr, 0);
    std::wstring tekst(static_cast<size_t>(duljina), L'\0');
    MultiByteToWideChar(kodnaStranica, 0, bajtovi.data(), static_cast<int>(bajtovi.size()),
                        tekst.data(), duljina);
    return tekst;
}

// lošiZnak: set when a character has no place in the code page (not asked for UTF-8,
// where the call refuses the argument).
std::string UBajtove(UINT kodnaStranica, const std::wstring& tekst, BOOL* lošiZnak) {
    if (tekst.empty())
        return {};
    const int duljina =
        WideCharToMultiByte(kodnaStranica, 0, tekst.data(), static_cast<int>(tekst.size()), nullptr,
                            0, nullptr, lošiZnak);
    std::string bajtovi(static_cast<size_t>(duljina), '\0');
    WideCharToMultiByte(kodnaStranica, 0, tekst.data(), static_cast<int>(tekst.size()),
                        bajtovi.data(), duljina, nullptr, lošiZnak);
    return bajtovi;
}

} // namespace

std::wstring IzUtf8(const std::string& utf8) {
    return UŠiroki(CP_UTF8, utf8);
}

std::string UUtf8(const std::wstring& tekst) {
    return UBajtove(CP_UTF8, tekst, nullptr);
}

std::optional<std::string> UAnsi(const std::wstring& tekst) {
    BOOL lošiZnak = FALSE;
    std::string bajtovi = UBajtove(CP_ACP, tekst, &lošiZnak);
    if (lošiZnak)
        return std::nullopt;
    return bajtovi;
}

std::string UAnsiZamjenom(const std::wstring& tekst) {
    return UBajtove(CP_ACP, tekst, nullptr);
}

std::wstring IzAnsija(const std::string& ansi) {
    return UŠiroki(CP_ACP, ansi);
}

} // namespace velkor::win32
