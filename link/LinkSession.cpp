#include "LinkSession.h"

CLinkLease& CLinkLease::operator=(CLinkLease&& other) noexcept {
    if (this != &other) {
        Release();
        m_pSession = other.m_pSession;
        other.m_pSession = nullptr;
    }
    return *this;
}

CRadioPort& CLinkLease::Port() const {
    return *m_pSession->m_pPort;
}

void CLinkLease::Release() {
    if (m_pSession != nullptr) {
        m_pSession->Return();
        m_pSession = nullptr;
    }
}

CLinkSession::CLinkSession(std::unique_ptr<CRadioPort> port, CComResolver resolve)
    : m_Resolve(std::move(resolve)), m_pPort(std::move(port)) {}

CLinkLease CLinkSession::Borrow(const std::string& user, std::string* refusal) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (!m_strHolder.empty()) {
        if (refusal != nullptr) {
            *refusal = PortBusyText(m_strHolder);
        }
        return CLinkLease();
    }
    m_strHolder = user.empty() ? std::string("another command") : user;
    m_bCancel = false;
    if (m_OnLend) {
        m_OnLend();
    }
    return CLinkLease(this);
}

void CLinkSession::Return() {
    // A borrower that forgot to close the port must not leave it open for the next one.
    m_pPort->Close();
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_strHolder.clear();
}

bool CLinkSession::IsBusy() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return !m_strHolder.empty();
}

std::string CLinkSession::Holder() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_strHolder;
}

std::string CLinkSession::DevicePath(int com) const {
    return m_Resolve ? m_Resolve(com) : ComDevicePath(com);
}

std::string PortBusyText(const std::string& holder) {
    return "The serial port is in use by " + holder + ". Wait until it has finished, then try again.";
}
