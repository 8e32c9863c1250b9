#ifndef QUILL_OUTBOX_H
#define QUILL_OUTBOX_H

#include <QByteArray>
#include <QString>

// The file in which the stand-in engine records each accepted registration,
// one line each, for an administrator to read.
namespace Outbox {

// QUILL_OUTBOX when set, else quill/outbox.txt in the user's state folder
// ($XDG_STATE_HOME, or ~/.local/state).
QString path();

// Appends line, creating the file and its folder when needed. True once the
// whole line is written and flushed.
bool append(const QByteArray &line);

} // namespace Outbox

#endif
