// Preloaded into a saving process: the process dies when its save is about
// to put the new file in place, after the data has been written.
#include <csignal>

extern "C" {

__attribute__((visibility("default"))) int linkat(int, const char *, int, const char *, int)
{
    return std::raise(SIGKILL);
}

__attribute__((visibility("default"))) int rename(const char *, const char *)
{
    return std::raise(SIGKILL);
}
}
