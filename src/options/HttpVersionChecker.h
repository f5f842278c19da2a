#pragma once

#include "options/VersionChecker.h"

#include <QObject>
#include <QString>
#include <chrono>

namespace zz {

// A stalled server must not keep a check open for good.
inline constexpr std::chrono::milliseconds kVersionCheckTimeLimit{15000};
// The answer is a short version text; anything much larger is not one.
inline constexpr qint64 kVersionAnswerLimit = 64 * 1024;

// Asks the maker's web server for the current version with one HTTP/1.0 GET of the version
// query, sent exactly as the server has always received it (its Accept and User-Agent
// headers, no cookies, no authentication, no proxy). Only the body of a 2xx answer counts;
// a redirect, an error status, a cut transfer, an answer over kVersionAnswerLimit, the time
// limit and every network error count as "no newer version". Runs on the event loop, so the
// window stays responsive; several checks may run at once. Plain http only: an https server
// address fails like an unreachable one.
class HttpVersionChecker : public QObject, public VersionChecker {
    Q_OBJECT
public:
    // `server` is the base address of the maker's server, for example "http://www.ostrel.com"
    // or "http://127.0.0.1:8080".
    explicit HttpVersionChecker(QString server, QObject* parent = nullptr);

    // Checks still running when the checker is destroyed end without calling their `done`.
    ~HttpVersionChecker() override;

    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }
    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }

    void checkForNewerVersion(std::function<void(bool newer)> done) override;

private:
    QString m_server;
    std::chrono::milliseconds m_timeLimit = kVersionCheckTimeLimit;
};

} // namespace zz
