#ifndef QUILL_QUILLANSWER_H
#define QUILL_QUILLANSWER_H

#include <QByteArray>

// What the stand-in engine answers to one command: the result code that
// the entry point returns and the reply text it writes.
struct QuillAnswer
{
    enum Code
    {
        Done = 0,
        // "SENDADDRESS": the address is accepted as entered, corrected in the
        // reply, or cannot be verified.
        Accepted = 0,
        Corrected = 1,
        Unverifiable = 2,
        // "SENDREGDATA": the request is not a registration ("Register" is not
        // "2"), or its line could not be written to the outbox.
        NotARegistration = 3,
        OutboxUnwritable = 4,
        UnknownCommand = -1,
    };

    int result = UnknownCommand;
    QByteArray reply;
};

#endif
