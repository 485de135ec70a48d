// QtKeychain's jobs, each waited for in a short event loop of its own that a timer always ends.
#include "network/qt_keyring.h"

#include "rules/player_text.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace duel::net {

namespace {

const QString kService = QStringLiteral("shelvy-zlyki Jabber");

// Runs `job` to its end or for kKeyringWaitMs; false when it did not end in time.
bool Run(QKeychain::Job& job) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kKeyringWaitMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished) loop.exec();
    return finished;
}

}  // namespace

QtKeyring::QtKeyring() {
    // A read of a key nobody keeps: "not found" means a keyring answers.
    QKeychain::ReadPasswordJob probe(kService);
    probe.setKey(QStringLiteral("shelvy-zlyki probe"));
    if (!Run(probe)) {
        unavailable_ = QString::fromStdString(Word(DUEL_TEXT("network", "Связка ключей рабочего стола не отвечает.")));
    } else if (probe.error() != QKeychain::NoError && probe.error() != QKeychain::EntryNotFound) {
        unavailable_ = QString::fromStdString(Word(DUEL_TEXT("network", "Связка ключей рабочего стола недоступна: %1"),
                                                   {probe.errorString().toStdString()}));
    }
}

std::optional<std::string> QtKeyring::Read(const std::string& jid) {
    if (!unavailable_.isEmpty()) return std::nullopt;
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(QString::fromStdString(jid));
    if (!Run(job) || job.error() != QKeychain::NoError) return std::nullopt;
    return job.textData().toStdString();
}

void QtKeyring::Write(const std::string& jid, const std::string& password) {
    if (!unavailable_.isEmpty()) return;
    QKeychain::WritePasswordJob job(kService);
    job.setKey(QString::fromStdString(jid));
    job.setTextData(QString::fromStdString(password));
    Run(job);
}

void QtKeyring::Forget(const std::string& jid) {
    if (!unavailable_.isEmpty()) return;
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(QString::fromStdString(jid));
    Run(job);
}

}  // namespace duel::net
