// A shared library without a resource section.
extern "C" __attribute__((visibility("default"))) int PlainFunction()
{
    return 1;
}
