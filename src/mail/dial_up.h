#pragma once

#include <QString>
#include <functional>

namespace vn {

// The dial-up connection the message view can open and close.
class DialUpService {
public:
    struct Listener {
        std::function<void()> connected;
        std::function<void()> disconnected;
        std::function<void(int code)> status;
        std::function<void(int code)> error;
    };

    virtual ~DialUpService() = default;
    virtual void setListener(Listener listener) = 0;
    virtual void dial(const QString& user, const QString& password, const QString& domain, const QString& phone) = 0;
    virtual void hangUp() = 0;
    virtual QString statusText(int code) const = 0;
    virtual QString errorText(int code) const = 0;
};

// On this platform a modem or any other connection belongs to the system's network settings, so
// dialling finds the connection already made: it reports connected at once, and hanging up only
// clears the program's flag.
class SystemDialUp : public DialUpService {
public:
    void setListener(Listener listener) override { m_listener = std::move(listener); }
    void dial(const QString&, const QString&, const QString&, const QString&) override {
        if (m_listener.connected) m_listener.connected();
    }
    void hangUp() override {
        if (m_listener.disconnected) m_listener.disconnected();
    }
    QString statusText(int) const override { return QStringLiteral("Connected..."); }
    QString errorText(int) const override { return QStringLiteral("The system's network settings hold the connection."); }

private:
    Listener m_listener;
};

}  // namespace vn
