#include "hostchannel.h"

#include <cctype>
#include <cstdint>

namespace HostChannel {

namespace {

Handles keptHandles;

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Handles fromArguments(int argc, char *argv[])
{
    Handles handles;
    if (argc < 2) {
        handles.output = Platform::standardOutputHandle();
        handles.input = Platform::standardInputHandle();
    } else {
        handles.input = handleFromText(argv[0]);
        handles.output = handleFromText(argv[1]);
    }
    return handles;
}

Platform::Handle handleFromText(const char *text)
{
    constexpr std::uint64_t Largest = Platform::InvalidHandle;
    const char *p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;

    int base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')
        && std::isxdigit(static_cast<unsigned char>(p[2]))) {
        base = 16;
        p += 2;
    } else if (p[0] == '0') {
        base = 8;
    }

    std::uint64_t value = 0;
    for (int digit = digitValue(*p); digit >= 0 && digit < base; digit = digitValue(*++p)) {
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > Largest)
            return Platform::InvalidHandle;
    }
    const auto magnitude = static_cast<Platform::Handle>(value);
    return negative ? Platform::Handle(0u - magnitude) : magnitude;
}

void keep(const Handles &handles)
{
    keptHandles = handles;
}

} // namespace HostChannel
