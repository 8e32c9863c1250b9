// An engine library that lacks the QuillCommandA export.
extern "C" __attribute__((visibility("default"))) int QuillCommandB(const char *, const char *,
                                                                   char *)
{
    return 0;
}
