#ifndef KVB_PROGRAMLAUNCHER_H
#define KVB_PROGRAMLAUNCHER_H

#include "windowwatcher.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <optional>

// Starts a program under an X server and times it from the moment it is
// started to its window shown, as the X server sees it; then ends it and
// reads its peak resident memory from the system. The program reads the
// data folder it is given and sends its registrations nowhere.
class ProgramLauncher
{
public:
    struct Launch
    {
        double milliseconds;
        double peakMebibytes;
    };

    explicit ProgramLauncher(const QByteArray &displayName);

    // Whether the X display can be watched; otherwise errorString() says why.
    bool isReady();

    // command is the program and its arguments; commonFilesFolder is where
    // it finds its data folder, and more holds further variables of its
    // environment, as "LANGUAGE=de". Empty when the program could not be
    // started or showed no window, which errorString() then tells.
    std::optional<Launch> launch(const QStringList &command, const QString &commonFilesFolder,
        const QByteArrayList &more = {});
    QString errorString() const { return m_error; }

private:
    QByteArray m_displayName;
    QByteArrayList m_environment;
    WindowWatcher m_watcher;
    QString m_error;
};

#endif
