#ifndef KVB_ENGINECLIENTINTERFACE_H
#define KVB_ENGINECLIENTINTERFACE_H

// What the rest of the program asks of the maker's engine library.
class EngineClientInterface
{
public:
    virtual ~EngineClientInterface() = default;

    // Loads the engine library from beside the program named by programPath
    // (argument entry 0 of the process) and resolves its entry point.
    virtual void loadEngine(const char *programPath) = 0;

    // The name under which every request announces the caller. The pointer
    // is kept, not the text, so the text must outlive the client.
    virtual void setCallerType(const char *callerType) = 0;
};

#endif
