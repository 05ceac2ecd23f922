#pragma once
// The archive's automation server reached early-bound by vtable slot. Plain
// C++ and Win32 with no Qt, so the cross compiler checks it on any machine.

#if defined(_WIN32) || defined(IPCAT_CHECK_COM_WRAPPER)

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

namespace s4com {

// A failed call or creation: the server's description (its COM error object)
// or the system's text for the code.
class Error : public std::exception
{
public:
    Error(std::wstring description, long code) : m_description(std::move(description)), m_code(code)
    {
    }
    const std::wstring &description() const noexcept { return m_description; }
    long code() const noexcept { return m_code; }
    const char *what() const noexcept override { return "archive automation server error"; }

private:
    std::wstring m_description;
    long m_code;
};

// The server object, one per command; strings are the server's UTF-16.
class Server
{
public:
    // Null when the class is not registered on this machine. Any other
    // failure throws the system's message, ", ClassID: " and the class id.
    static std::unique_ptr<Server> create();
    ~Server();
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;

    int32_t Connect();
    void SelectObject(int32_t id);
    int32_t FindObject(const std::wstring &text);
    void BeginAddFiles();
    void EndAddFiles();
    void OpenObject(int32_t id);
    void CloseObject();
    std::wstring GetDesignation();
    std::wstring GetName();
    void OpenArchive();
    void CloseArchive();
    void LoadSelection();
    int32_t GetSelectionCount();
    int32_t GetSelectedId(int32_t index);
    void OpenComposition(int32_t id);
    void CloseComposition();
    int32_t GetItemId();
    std::wstring GetQuantity();
    int32_t GetItemCount();
    void FirstItem();
    void NextItem();
    std::wstring GetPosition();
    int32_t GetKind();
    void AddFile(const std::wstring &path);

private:
    explicit Server(void *object) : m_object(object) {}
    void call(unsigned slot);
    void callIn(unsigned slot, int32_t in);
    int32_t callOutInt(unsigned slot);
    int32_t callIntOutInt(unsigned slot, int32_t in);
    std::wstring callOutString(unsigned slot);
    void callInString(unsigned slot, const std::wstring &in);
    int32_t callStringOutInt(unsigned slot, const std::wstring &in);

    void *m_object; // the server's interface pointer
};

// COM on the calling thread, single-threaded apartment, for the guard's life.
class Apartment
{
public:
    Apartment();
    ~Apartment();
    Apartment(const Apartment &) = delete;
    Apartment &operator=(const Apartment &) = delete;

private:
    bool m_initialized;
};

} // namespace s4com

#endif
