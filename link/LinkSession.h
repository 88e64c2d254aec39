#pragma once
// The one owner of the program's serial port. Radio transfers and the service dialogs borrow the port through
// a lease; while one user holds it, a second is refused with a sentence that names the first, never raced.
// The session also turns the Port menu's COM numbers into devices (the program hands it its resolver) and
// carries the cancel flag that the borrower's waits look at.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "PortNames.h"
#include "RadioPort.h"

class CLinkSession;

// Holds the port while it lives; moving it hands the hold on.
class CLinkLease {
public:
    CLinkLease() = default;
    CLinkLease(CLinkLease&& other) noexcept : m_pSession(other.m_pSession) { other.m_pSession = nullptr; }
    CLinkLease& operator=(CLinkLease&& other) noexcept;
    CLinkLease(const CLinkLease&) = delete;
    CLinkLease& operator=(const CLinkLease&) = delete;
    ~CLinkLease() { Release(); }

    explicit operator bool() const { return m_pSession != nullptr; }
    CRadioPort& Port() const;
    void Release();

private:
    friend class CLinkSession;
    explicit CLinkLease(CLinkSession* session) : m_pSession(session) {}
    CLinkSession* m_pSession = nullptr;
};

class CLinkSession {
public:
    // resolve may be empty: then COM numbers map through ComDevicePath alone.
    CLinkSession(std::unique_ptr<CRadioPort> port, CComResolver resolve);

    // The port for user ("the radio read", "the calibration dialog"); an empty lease and the refusal text in
    // refusal when someone else holds it.
    CLinkLease Borrow(const std::string& user, std::string* refusal = nullptr);
    bool IsBusy() const;
    std::string Holder() const;

    std::string DevicePath(int com) const;

    // Asks the holder to stop at its next safe point; cleared by every new lease.
    void RequestCancel() { m_bCancel = true; }
    const std::atomic<bool>& CancelFlag() const { return m_bCancel; }

    CComResolver m_Resolve;
    // Told each time the port is lent (e.g. to start a new serial trace).
    std::function<void()> m_OnLend;

private:
    friend class CLinkLease;
    void Return();

    std::unique_ptr<CRadioPort> m_pPort;
    mutable std::mutex m_Mutex;
    std::string m_strHolder;  // empty while nobody holds the port
    std::atomic<bool> m_bCancel{false};
};

// "The serial port is in use by the radio read. Wait until it has finished, then try again."
std::string PortBusyText(const std::string& holder);
