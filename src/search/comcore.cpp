#ifdef _WIN32

#include "comcore.h"

#include <cstdio>
// Brings the OLE and automation declarations with it.
#include <windows.h>

namespace s4com {
namespace {

const CLSID ClassId = {
    0xA98E5222, 0xFC61, 0x11D1, {0xA0, 0x8E, 0x00, 0x20, 0xAF, 0x67, 0xC8, 0x68}};
const IID InterfaceId = {
    0xA98E5221, 0xFC61, 0x11D1, {0xA0, 0x8E, 0x00, 0x20, 0xAF, 0x67, 0xC8, 0x68}};
const wchar_t ClassIdText[] = L"{A98E5222-FC61-11D1-A08E-0020AF67C868}";
// In-process or local server.
constexpr DWORD ClassContext = 5;

std::wstring systemMessage(HRESULT code)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(code), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.'))
        text.pop_back();
    if (text.empty()) {
        wchar_t fallback[64];
        swprintf(fallback, 64, L"Ошибка сервера архива 0x%08lX", static_cast<unsigned long>(code));
        text = fallback;
    }
    return text;
}

// The description the server left in the thread's error object, unless the
// server says it keeps none for this interface (the object would be stale).
std::wstring serverDescription(IUnknown *object)
{
    IErrorInfo *info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info)
        return {};
    bool trusted = true;
    ISupportErrorInfo *support = nullptr;
    if (SUCCEEDED(
            object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void **>(&support)))) {
        trusted = support->InterfaceSupportsErrorInfo(InterfaceId) == S_OK;
        support->Release();
    }
    std::wstring description;
    BSTR text = nullptr;
    if (trusted && SUCCEEDED(info->GetDescription(&text)) && text)
        description.assign(text, SysStringLen(text));
    SysFreeString(text);
    info->Release();
    return description;
}

class String
{
public:
    explicit String(const std::wstring &text)
        : m_bstr(SysAllocStringLen(text.data(), UINT(text.size())))
    {
        if (!m_bstr && !text.empty())
            throw Error(systemMessage(E_OUTOFMEMORY), E_OUTOFMEMORY);
    }
    String() : m_bstr(nullptr) {}
    ~String() { SysFreeString(m_bstr); }
    String(const String &) = delete;
    String &operator=(const String &) = delete;
    BSTR get() const { return m_bstr; }
    BSTR *out() { return &m_bstr; }
    std::wstring text() const { return std::wstring(m_bstr ? m_bstr : L"", SysStringLen(m_bstr)); }

private:
    BSTR m_bstr;
};

template <typename... Args> void invoke(void *object, unsigned slot, Args... args)
{
    using Method = HRESULT(STDMETHODCALLTYPE *)(void *, Args...);
    void **table = *static_cast<void ***>(object);
    const HRESULT result = reinterpret_cast<Method>(table[slot])(object, args...);
    if (FAILED(result)) {
        std::wstring description = serverDescription(static_cast<IUnknown *>(object));
        if (description.empty())
            description = systemMessage(result);
        throw Error(std::move(description), result);
    }
}

} // namespace

std::unique_ptr<Server> Server::create()
{
    IUnknown *unknown = nullptr;
    HRESULT result = CoCreateInstance(ClassId, nullptr, ClassContext, IID_IUnknown,
                                      reinterpret_cast<void **>(&unknown));
    if (result == REGDB_E_CLASSNOTREG)
        return nullptr;
    if (FAILED(result))
        throw Error(systemMessage(result) + L", ClassID: " + ClassIdText, result);
    void *object = nullptr;
    result = unknown->QueryInterface(InterfaceId, &object);
    unknown->Release();
    if (FAILED(result))
        throw Error(systemMessage(result), result);
    return std::unique_ptr<Server>(new Server(object));
}

Server::~Server()
{
    static_cast<IUnknown *>(m_object)->Release();
}

void Server::call(unsigned slot)
{
    invoke(m_object, slot);
}

void Server::callIn(unsigned slot, int32_t in)
{
    invoke(m_object, slot, in);
}

int32_t Server::callOutInt(unsigned slot)
{
    int32_t out = 0;
    invoke(m_object, slot, &out);
    return out;
}

int32_t Server::callIntOutInt(unsigned slot, int32_t in)
{
    int32_t out = 0;
    invoke(m_object, slot, in, &out);
    return out;
}

std::wstring Server::callOutString(unsigned slot)
{
    String out;
    invoke(m_object, slot, out.out());
    return out.text();
}

void Server::callInString(unsigned slot, const std::wstring &in)
{
    const String text(in);
    invoke(m_object, slot, text.get());
}

int32_t Server::callStringOutInt(unsigned slot, const std::wstring &in)
{
    const String text(in);
    int32_t out = 0;
    invoke(m_object, slot, text.get(), &out);
    return out;
}

// Slots 0-6 are IUnknown and IDispatch; the rest is the archive's table.
// clang-format off
int32_t Server::Connect() { return callOutInt(7); }
void Server::SelectObject(int32_t id) { callIn(24, id); }
int32_t Server::FindObject(const std::wstring &text) { return callStringOutInt(27, text); }
void Server::BeginAddFiles() { call(47); }
void Server::EndAddFiles() { call(49); }
void Server::OpenObject(int32_t id) { callIn(55, id); }
void Server::CloseObject() { call(56); }
std::wstring Server::GetDesignation() { return callOutString(58); }
std::wstring Server::GetName() { return callOutString(61); }
void Server::OpenArchive() { call(74); }
void Server::CloseArchive() { call(75); }
void Server::LoadSelection() { call(76); }
int32_t Server::GetSelectionCount() { return callOutInt(77); }
int32_t Server::GetSelectedId(int32_t index) { return callIntOutInt(78, index); }
void Server::OpenComposition(int32_t id) { callIn(79, id); }
void Server::CloseComposition() { call(81); }
int32_t Server::GetItemId() { return callOutInt(82); }
std::wstring Server::GetQuantity() { return callOutString(87); }
int32_t Server::GetItemCount() { return callOutInt(90); }
void Server::FirstItem() { call(91); }
void Server::NextItem() { call(92); }
std::wstring Server::GetPosition() { return callOutString(115); }
int32_t Server::GetKind() { return callOutInt(117); }
void Server::AddFile(const std::wstring &path) { callInString(302, path); }
// clang-format on

Apartment::Apartment() : m_initialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
{
}

Apartment::~Apartment()
{
    if (m_initialized)
        CoUninitialize();
}

} // namespace s4com

#endif
