// Placeholder entry point until the bridge lands.
extern "C" __attribute__((visibility("default"))) int zelTonescopeEntry(int, void*, void*, void*, void*, void*)
{
    return 0;
}
