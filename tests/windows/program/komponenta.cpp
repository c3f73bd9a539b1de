// A component for the system's registration tool: registering records the DLL's
// path in the registry, unregistering removes it, as a real component's entries.
#include <windows.h>

const wchar_t* const Ključ = L"Software\\Velkor\\Komponenta";
// The linker's symbol at the start of this DLL's image: its module handle.
extern "C" IMAGE_DOS_HEADER __ImageBase;

extern "C" __declspec(dllexport) HRESULT WINAPI DllRegisterServer() {
    wchar_t put[MAX_PATH] = {};
    const DWORD dužina = GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), put, MAX_PATH);
    return RegSetKeyValueW(HKEY_CURRENT_USER, Ključ, L"Registrirana", REG_SZ, put,
                           (dužina + 1) * sizeof(wchar_t)) == ERROR_SUCCESS
               ? S_OK
               : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DllUnregisterServer() {
    const LSTATUS ishod = RegDeleteKeyValueW(HKEY_CURRENT_USER, Ključ, L"Registrirana");
    return ishod == ERROR_SUCCESS || ishod == ERROR_FILE_NOT_FOUND ? S_OK : E_FAIL;
}
