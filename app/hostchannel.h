#ifndef KVB_HOSTCHANNEL_H
#define KVB_HOSTCHANNEL_H

#include "platform/platform.h"

// The two handles of the channel to the launching host. A user starts the
// program with no arguments and the channel is its standard input and
// output; a launching host passes the two handle numbers as the first two
// tokens of the command line.
namespace HostChannel {

struct Handles
{
    Platform::Handle input = Platform::InvalidHandle;
    Platform::Handle output = Platform::InvalidHandle;

    bool isValid() const
    {
        return input != Platform::InvalidHandle && output != Platform::InvalidHandle;
    }
};

// argc and argv as the toolkit leaves them after removing its own options.
Handles fromArguments(int argc, char *argv[]);

// A handle number as a 32-bit strtoul with base 0 reads it: hexadecimal
// after "0x", octal after "0", decimal otherwise; no digits give 0, a value
// too large gives all bits set, and a negative value wraps around.
Platform::Handle handleFromText(const char *text);

// Keeps the handles for the lifetime of the process; called once at
// start-up. Nothing is sent or received on them.
void keep(const Handles &handles);

} // namespace HostChannel

#endif
